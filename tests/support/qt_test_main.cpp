// Runs the GoogleTest suites inside a QApplication on Qt's offscreen platform, so that windows,
// pictures and printers work without a display. Without a session (CI, a shell over ssh) the tests
// get a private runtime folder, so that Qt has one and need not say it made its own; the offscreen
// platform's notes that it cannot raise a window are left out too.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

void GiveRuntimeFolder() {
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return;
    QString folder = QDir::tempPath() + "/qelvar-tests-runtime-" + QString::number(::getuid());
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", folder.toLocal8Bit());
}

QtMessageHandler defaultHandler = nullptr;

void LeaveOutOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message.startsWith("This plugin does not support"))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GiveRuntimeFolder();
    defaultHandler = qInstallMessageHandler(LeaveOutOffscreenNotes);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
