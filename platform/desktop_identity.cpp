#include "desktop_identity.h"

#include <QGuiApplication>
#include <algorithm>
#include <cctype>

namespace qelvar {

std::string CommandName(const std::string &programName) {
    std::string name = programName;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return c == ' ' ? '-' : static_cast<char>(std::tolower(c)); });
    return name;
}

void NameAfterMenuEntry(const std::string &programName) {
    QString command = QString::fromStdString(CommandName(programName));
    QCoreApplication::setApplicationName(command);
    QGuiApplication::setDesktopFileName(command);
}

} // namespace qelvar
