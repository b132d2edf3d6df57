// Listens to the NMEA stream and keeps the position state of the program.
//
// One UDP port serves one receiver, yet Qelvar Maps, Qelvar Airports and Qelvar Approach all show
// the aircraft from the one stream the simulator sends. So the programs of a user that read the
// same source share it: the first one to take the source's lock file (in the user's runtime
// folder) becomes the receiver. It binds the UDP port (or connects to the TCP server) and relays
// every datagram (every piece of the TCP stream) over a local socket, the rendezvous, to the other
// programs, which connect to it as sharers. Every program checks and counts the bytes itself, so all
// of them show the same position and the same counts. When the receiver exits, its sharers lose the
// connection and try again: one of them takes the lock and becomes the receiver, the others connect
// to it. The lock file names the receiver's process, so a receiver that crashed leaves no stale lock.
#pragma once

#include "position/position_state.h"
#include "position/source_address.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;
class QTcpSocket;
class QTimer;
class QUdpSocket;

namespace qelvar {

class PositionListener : public QObject {
    Q_OBJECT
public:
    enum class Role { Off, Waiting, Receiver, Sharer };

    // rendezvousFolder: a folder only the user may write (the runtime folder), where the programs
    // of the user meet.
    PositionListener(PositionSource source, const QString &rendezvousFolder, QObject *parent = nullptr);
    ~PositionListener() override;

    void Start();

    const PositionState &State() const { return state_; }
    const PositionSource &Source() const { return source_; }
    Role CurrentRole() const { return role_; }
    // The programs the receiver relays to.
    int Sharers() const { return static_cast<int>(sharers_.size()); }
    // How the status names the source: "UDP 127.0.0.1:10110", with " (shared)" for a sharer, or why
    // nothing is received ("UDP 127.0.0.1:10110: port used by another program").
    std::string SourceText() const;

signals:
    // New bytes were read, or a second passed (the age of the position grows).
    void Changed();

private:
    void TryRole();
    void RetryLater(int milliseconds);
    void BecomeReceiver();
    void OpenSource();
    void ReadDatagrams();
    void ReadTcp();
    void AcceptSharers();
    void Relay(const QByteArray &bytes);
    void ConnectAsSharer();
    void ReadRelay();
    void Feed(std::string_view bytes);

    PositionSource source_;
    QString lockPath_, socketPath_;
    QLockFile lock_;
    PositionState state_;
    Role role_ = Role::Waiting;
    std::string problem_; // why the receiver receives nothing
    QTimer *retry_;
    QTimer *tick_;
    std::unique_ptr<QLocalServer> server_;
    std::vector<QLocalSocket *> sharers_;
    std::unique_ptr<QLocalSocket> relay_;
    QByteArray relayBuffer_;
    std::unique_ptr<QUdpSocket> udp_;
    std::unique_ptr<QTcpSocket> tcp_;
    bool readScheduled_ = false;
};

} // namespace qelvar
