// Writes a file that holds user data so that it is either wholly replaced or left as it was: the
// text goes to a temporary file in the same folder, which takes the old file's place only when it
// is complete.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qelvar {

// Raises Path/File access error (75) when the file cannot be written; the old file then stays whole.
void WriteFileAtomically(const std::filesystem::path &path, const std::string &bytes);

// The lines, each ended by CR LF, written as above.
void WriteTextLinesAtomically(const std::filesystem::path &path, const std::vector<std::string> &lines);

} // namespace qelvar
