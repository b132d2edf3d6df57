#include "launcher.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <cstdlib>

namespace qelvar {

bool DesktopLauncher::OpenTextFile(const std::filesystem::path &file) {
    QString path = QString::fromStdString(file.string());
    for (const char *variable : {"VISUAL", "EDITOR"}) {
        const char *editor = std::getenv(variable);
        if (editor && *editor)
            return QProcess::startDetached(QString::fromLocal8Bit(editor), {path});
    }
    return QProcess::startDetached("xdg-open", {path});
}

bool DesktopLauncher::StartProgram(const std::filesystem::path &program, const std::string &commandLine) {
    QStringList arguments;
    if (!commandLine.empty())
        arguments << QString::fromStdString(commandLine);
    return QProcess::startDetached(QString::fromStdString(program.string()), arguments,
                                   QString::fromStdString(program.parent_path().string()));
}

bool RecordingLauncher::OpenTextFile(const std::filesystem::path &file) {
    started.push_back("edit " + file.string());
    return succeeds;
}

bool RecordingLauncher::StartProgram(const std::filesystem::path &program, const std::string &commandLine) {
    started.push_back("start " + program.string() + " " + commandLine);
    return succeeds;
}

} // namespace qelvar
