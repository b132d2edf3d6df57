// Reading the open-data source files: gzip or plain text, UTF-8 with a Latin-1 fallback, and the
// way from their Unicode text into the kit's Windows-1252 fields.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

namespace qelvar::import {

// What stops the import: names the file and, where known, the line.
class ImportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void FailAt(const std::filesystem::path &file, long line, const std::string &what);

// The whole content of a file, unpacked when it is gzip-compressed.
std::string ReadSourceBytes(const std::filesystem::path &file);

// Calls onLine(line text without its end, line number from 1) for every line of the file.
void ForEachSourceLine(const std::filesystem::path &file,
                       const std::function<void(const std::string &, long)> &onLine);

// UTF-8 where the bytes are valid UTF-8, Latin-1 otherwise.
QString DecodeSourceText(const std::string &bytes);

// A field for the kit's files: Windows-1252, letters outside it reduced to their base letter
// (or "?"), and the field separator ";" and line breaks replaced, so that no field can split a line.
std::string KitText(const QString &text);

} // namespace qelvar::import
