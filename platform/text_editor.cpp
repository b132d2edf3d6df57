#include "text_editor.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace qelvar {

std::vector<std::vector<std::string>> TextEditorCommands(const std::filesystem::path &file,
                                                         const char *visual, const char *editor) {
    std::vector<std::vector<std::string>> commands{{"xdg-open", file.string()}};
    for (const char *variable : {visual, editor}) {
        if (!variable)
            continue;
        QStringList words = QProcess::splitCommand(QString::fromLocal8Bit(variable));
        if (words.isEmpty())
            continue;
        std::vector<std::string> command;
        for (const QString &word : words)
            command.push_back(word.toLocal8Bit().toStdString());
        command.push_back(file.string());
        commands.push_back(std::move(command));
    }
    return commands;
}

bool OpenWithFirstThatStarts(const std::vector<std::vector<std::string>> &commands,
                             const CommandLauncher &launch) {
    for (const std::vector<std::string> &command : commands)
        if (launch(command) != LaunchOutcome::Failed)
            return true;
    return false;
}

LaunchOutcome LaunchAndWatch(const std::vector<std::string> &command, int momentMs) {
    if (command.empty())
        return LaunchOutcome::Failed;
    auto *process = new QProcess;
    process->setProgram(QString::fromLocal8Bit(command[0].c_str()));
    QStringList arguments;
    for (size_t i = 1; i < command.size(); ++i)
        arguments << QString::fromLocal8Bit(command[i].c_str());
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(momentMs)) {
        delete process;
        return LaunchOutcome::Failed;
    }
    if (process->waitForFinished(momentMs)) {
        bool clean = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        delete process;
        return clean ? LaunchOutcome::Finished : LaunchOutcome::Failed;
    }
    // Deleting a QProcess would end its program: this one is released only once it has ended.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return LaunchOutcome::Running;
}

} // namespace qelvar
