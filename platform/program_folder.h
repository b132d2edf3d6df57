// Where the kit finds its files: the folder of the running program, with file names matched
// without regard to case ("arpt.nav", "Arpt.nav" and "ARPT.nav" are one file).
#pragma once

#include <filesystem>
#include <string>

namespace qelvar {

// The folder that holds the running executable.
std::filesystem::path ProgramFolder();

// The path of the file in the folder whose name (Windows-1252) equals the given name apart from
// the case of ASCII letters; an exact match wins. When there is none, folder / name (which then
// is missing).
std::filesystem::path FindFile(const std::filesystem::path &folder, const std::string &name);

} // namespace qelvar
