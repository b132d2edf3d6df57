// Text files as the kit keeps them: 8-bit Windows-1252 bytes, lines ending in CR LF.
// Lines stay Windows-1252 bytes inside the kit; see codepage.h for the way into Qt.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qelvar {

// Every line of the file without its line end (CR LF, or a lone LF). The line end of the last
// line does not make a further, empty line. Raises File not found (53) when the file is missing
// and Path/File access error (75) when it cannot be read.
std::vector<std::string> ReadTextLines(const std::filesystem::path &path);

// The file's text: every line followed by CR LF.
std::string JoinCrLf(const std::vector<std::string> &lines);

// Splits a field list at every separator; the fields are taken unchanged (no trimming) and two
// separators in a row give an empty field.
std::vector<std::string> SplitFields(const std::string &line, char separator);

} // namespace qelvar
