// Font faces named by the programs, mapped to faces that a Debian desktop has.
#pragma once

#include <QString>
#include <string>

namespace qelvar {

// "Small Fonts" and "Lucida Sans Unicode" -> DejaVu Sans, "Lucida Console" -> DejaVu Sans Mono;
// other names are passed on unchanged.
QString FontFamily(const std::string &name);

} // namespace qelvar
