// The one way between the kit's Windows-1252 strings and Qt's Unicode strings.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace qelvar {

QString ToUnicode(const std::string &windows1252);

// Characters that Windows-1252 cannot hold become "?".
std::string ToWindows1252(const QString &text);

// UTF-8 text in Windows-1252; characters that Windows-1252 cannot hold, and bytes that are no UTF-8,
// become "?".
std::string Utf8ToWindows1252(const std::string &utf8);

// Upper case of Windows-1252 text, byte for byte: a-z, the accented small letters and š, œ, ž, ÿ
// become capitals; ß and every other byte stay as they are.
std::string UpperCase(const std::string &windows1252);

// File names: the kit's Windows-1252 names are UTF-8 on disk.
std::filesystem::path PathOfKitName(const std::string &windows1252Name);
std::string KitNameOfPath(const std::filesystem::path &path); // the file name only
std::string KitTextOfPath(const std::filesystem::path &path); // the whole path, for messages

} // namespace qelvar
