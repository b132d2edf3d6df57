// The one way between the kit's Windows-1252 strings and Qt's Unicode strings.
#pragma once

#include <QString>
#include <string>

namespace qelvar {

QString ToUnicode(const std::string &windows1252);

// Characters that Windows-1252 cannot hold become "?".
std::string ToWindows1252(const QString &text);

} // namespace qelvar
