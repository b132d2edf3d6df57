#include "single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace qelvar {

namespace {

constexpr int kConnectWaitMs = 1000;

QString GuardFolder(const QString &folder) {
    if (!folder.isEmpty())
        return folder;
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString &name, const QString &folder) {
    QDir dir(GuardFolder(folder));
    QString socketPath = dir.filePath(name + ".socket");
    // The lock decides; a lock left by a copy that died is taken over (its process is gone).
    lock_ = std::make_unique<QLockFile>(dir.filePath(name + ".lock"));
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
    if (!first_) {
        AskFirstCopyToShow(socketPath);
        return;
    }
    QLocalServer::removeServer(socketPath); // a socket file left by a copy that died
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *caller = server_.nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            caller->disconnectFromServer();
        }
        emit ShowRequested();
    });
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(socketPath);
}

SingleInstanceGuard::~SingleInstanceGuard() {
    server_.close();
}

void SingleInstanceGuard::AskFirstCopyToShow(const QString &socketPath) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (socket.waitForConnected(kConnectWaitMs))
        socket.disconnectFromServer();
}

void BringToFront(QWidget &window) {
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace qelvar
