// Text files as the kit keeps them: 8-bit Windows-1252 bytes, lines ending in CR LF.
// Lines stay Windows-1252 bytes inside the kit; see codepage.h for the way into Qt.
#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace qelvar {

// Reads a text file one line at a time, without holding the whole file. A line ends at CR LF, at a
// lone LF or at a lone CR, so files written by any editor read the same. A file that begins with the
// UTF-8 byte-order mark is UTF-8: the mark is skipped and every line is turned into the kit's
// Windows-1252 text. The line end of the last line does not make a further, empty line.
class TextLineReader {
public:
    // Raises File not found (53) when the file is missing and Path/File access error (75) when it
    // cannot be opened.
    explicit TextLineReader(const std::filesystem::path &path);

    // The next line without its line end; false at the end of the file. Raises Device I/O error (57)
    // when reading fails midway.
    bool Next(std::string &line);

    // Lines longer than this keep only their first characters; the rest up to the line end is
    // skipped (a file with one endless line then cannot fill the memory). No limit by default.
    void SetMaxLineLength(size_t characters) { maxLineLength_ = characters; }
    // True when the line that Next returned last was cut.
    bool LastLineCut() const { return lastLineCut_; }

private:
    bool Fill();
    bool NextRaw(std::string &line); // the line's bytes as they stand in the file

    std::ifstream in_;
    std::array<char, 65536> buffer_{};
    size_t position_ = 0;
    size_t size_ = 0;
    bool atStart_ = true;
    bool utf8_ = false; // the file began with the UTF-8 byte-order mark
    size_t maxLineLength_ = static_cast<size_t>(-1);
    bool lastLineCut_ = false;
};

// Every line of the file without its line end, read by TextLineReader.
std::vector<std::string> ReadTextLines(const std::filesystem::path &path);

// The file's text: every line followed by CR LF.
std::string JoinCrLf(const std::vector<std::string> &lines);

// Splits a field list at every separator; the fields are taken unchanged (no trimming) and two
// separators in a row give an empty field.
std::vector<std::string> SplitFields(const std::string &line, char separator);

} // namespace qelvar
