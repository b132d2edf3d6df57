// Each windowed program names itself after its menu entry, so that desktops show the entry's
// icon on its windows: the desktop file name (the Wayland app id) and the application name (the
// class that X11 reports for the windows) are the program's command, "qelvar-maps" for
// "Qelvar Maps".
#pragma once

#include <string>

namespace qelvar {

// The command and desktop file name of a program: lower case, "-" for each blank.
std::string CommandName(const std::string &programName);

// Sets both names; call once the QApplication exists.
void NameAfterMenuEntry(const std::string &programName);

} // namespace qelvar
