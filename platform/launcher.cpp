#include "launcher.h"

#include "text_editor.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <cstdlib>

namespace qelvar {

bool DesktopLauncher::OpenTextFile(const std::filesystem::path &file) {
    constexpr int kMomentMs = 3'000; // a terminal editor without a terminal takes about 2 s to give up
    return OpenWithFirstThatStarts(
        TextEditorCommands(file, std::getenv("VISUAL"), std::getenv("EDITOR")),
        [](const std::vector<std::string> &command) { return LaunchAndWatch(command, kMomentMs); });
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
