#include "position_listener.h"

#include <QDir>
#include <QHostAddress>
#include <QHostInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#include <algorithm>

namespace qelvar {

namespace {

// Datagrams read in one turn of the event loop: the window stays responsive under a flood.
constexpr int kDatagramsPerTurn = 64;
// A relayed piece: a datagram of up to kMaxDatagramBytes + 1 (longer ones are cut there, so that
// every program counts them as oversized), or a piece of the TCP stream of at most that size.
constexpr qsizetype kMaxPiece = kMaxDatagramBytes + 1;
// A sharer that does not read is skipped rather than letting the relay's buffer grow.
constexpr qint64 kMaxRelayBacklog = 256 * 1024;
constexpr qint64 kTcpReadBuffer = 64 * 1024;
constexpr int kReopenMs = 5000;
constexpr int kRetryMs = 500;
constexpr uint16_t kGpsdPort = 2947;

QByteArray Framed(const QByteArray &piece) {
    QByteArray frame;
    frame.reserve(piece.size() + 2);
    frame.append(static_cast<char>((piece.size() >> 8) & 0xff));
    frame.append(static_cast<char>(piece.size() & 0xff));
    frame.append(piece);
    return frame;
}

} // namespace

PositionListener::PositionListener(PositionSource source, const QString &rendezvousFolder, QObject *parent)
    : QObject(parent), source_(std::move(source)),
      lockPath_(QDir(rendezvousFolder)
                    .filePath(QString::fromStdString("qelvar-nmea-" + SourceKey(source_) + ".lock"))),
      socketPath_(
          QDir(rendezvousFolder).filePath(QString::fromStdString("qelvar-nmea-" + SourceKey(source_)))),
      lock_(lockPath_), retry_(new QTimer(this)), tick_(new QTimer(this)) {
    lock_.setStaleLockTime(0); // only a lock whose process is gone is stale, however old it is
    retry_->setSingleShot(true);
    connect(retry_, &QTimer::timeout, this, &PositionListener::TryRole);
    tick_->setInterval(1000);
    connect(tick_, &QTimer::timeout, this, &PositionListener::Changed);
}

PositionListener::~PositionListener() {
    for (QLocalSocket *sharer : sharers_)
        sharer->disconnect(this);
    if (relay_)
        relay_->disconnect(this);
    if (tcp_)
        tcp_->disconnect(this);
    server_.reset(); // the sharers see the rendezvous go and one of them takes over
    if (lock_.isLocked())
        lock_.unlock();
}

void PositionListener::Start() {
    if (source_.kind == PositionSource::Kind::Off) {
        role_ = Role::Off;
        return;
    }
    tick_->start();
    TryRole();
}

std::string PositionListener::SourceText() const {
    std::string label = SourceLabel(source_);
    switch (role_) {
    case Role::Off:
        return "position source off";
    case Role::Waiting:
        return label + " (waiting)";
    case Role::Sharer:
        return label + " (shared)";
    case Role::Receiver:
        return problem_.empty() ? label : label + ": " + problem_;
    }
    return label;
}

void PositionListener::RetryLater(int milliseconds) {
    retry_->start(milliseconds);
}

void PositionListener::TryRole() {
    if (role_ == Role::Receiver) {
        OpenSource(); // the source could not be opened before: try again
        return;
    }
    if (lock_.tryLock(0))
        BecomeReceiver();
    else
        ConnectAsSharer();
}

void PositionListener::BecomeReceiver() {
    role_ = Role::Receiver;
    relay_.reset();
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath_); // left by a receiver that crashed: the lock is ours now
    connect(server_.get(), &QLocalServer::newConnection, this, &PositionListener::AcceptSharers);
    server_->listen(socketPath_);
    OpenSource();
    emit Changed();
}

void PositionListener::OpenSource() {
    problem_.clear();
    if (source_.kind == PositionSource::Kind::Udp) {
        QHostAddress address(QString::fromStdString(source_.host));
        if (address.isNull()) {
            QList<QHostAddress> found = QHostInfo::fromName(QString::fromStdString(source_.host)).addresses();
            if (!found.isEmpty())
                address = found.first();
        }
        udp_ = std::make_unique<QUdpSocket>();
        // Not shared: a second receiver on the port would take datagrams from the first.
        if (address.isNull() || !udp_->bind(address, source_.port, QUdpSocket::DontShareAddress)) {
            problem_ = address.isNull() ? "unknown address"
                       : udp_->error() == QAbstractSocket::AddressInUseError
                           ? "port used by another program"
                           : udp_->errorString().toStdString();
            udp_.reset();
            RetryLater(kReopenMs);
            return;
        }
        connect(udp_.get(), &QUdpSocket::readyRead, this, &PositionListener::ReadDatagrams);
        return;
    }
    tcp_ = std::make_unique<QTcpSocket>();
    tcp_->setReadBufferSize(kTcpReadBuffer); // the server waits while the program reads
    connect(tcp_.get(), &QTcpSocket::readyRead, this, &PositionListener::ReadTcp);
    connect(tcp_.get(), &QTcpSocket::connected, this, [this] {
        problem_.clear();
        if (source_.port == kGpsdPort) // gpsd sends NMEA when asked to
            tcp_->write("?WATCH={\"enable\":true,\"nmea\":true}\n");
    });
    connect(tcp_.get(), &QTcpSocket::errorOccurred, this, [this] {
        problem_ = "not connected (" + tcp_->errorString().toStdString() + ")";
        tcp_.release()->deleteLater();
        RetryLater(kReopenMs);
        emit Changed();
    });
    tcp_->connectToHost(QString::fromStdString(source_.host), source_.port);
}

void PositionListener::Feed(std::string_view bytes) {
    PositionTime now = PositionClock::now();
    if (source_.kind == PositionSource::Kind::Udp)
        FeedDatagram(state_, bytes, now);
    else
        FeedStream(state_, bytes, now);
}

void PositionListener::ReadDatagrams() {
    readScheduled_ = false;
    if (!udp_)
        return;
    QByteArray datagram;
    for (int n = 0; n < kDatagramsPerTurn && udp_->hasPendingDatagrams(); ++n) {
        qint64 size = udp_->pendingDatagramSize();
        datagram.resize(std::clamp<qint64>(size, 0, kMaxPiece));
        qint64 got = udp_->readDatagram(datagram.data(), datagram.size()); // the rest is discarded
        if (got < 0)
            break;
        datagram.resize(got);
        Feed(std::string_view(datagram.constData(), datagram.size()));
        Relay(datagram);
    }
    if (udp_->hasPendingDatagrams() && !readScheduled_) {
        readScheduled_ = true;
        QTimer::singleShot(0, this, &PositionListener::ReadDatagrams);
    }
    emit Changed();
}

void PositionListener::ReadTcp() {
    if (!tcp_)
        return;
    while (tcp_->bytesAvailable() > 0) {
        QByteArray piece = tcp_->read(kMaxPiece);
        Feed(std::string_view(piece.constData(), piece.size()));
        Relay(piece);
    }
    emit Changed();
}

void PositionListener::AcceptSharers() {
    while (QLocalSocket *sharer = server_->nextPendingConnection()) {
        sharers_.push_back(sharer);
        connect(sharer, &QLocalSocket::disconnected, this, [this, sharer] {
            sharers_.erase(std::remove(sharers_.begin(), sharers_.end(), sharer), sharers_.end());
            sharer->deleteLater();
        });
    }
}

void PositionListener::Relay(const QByteArray &bytes) {
    if (sharers_.empty())
        return;
    QByteArray frame = Framed(bytes);
    for (QLocalSocket *sharer : sharers_)
        if (sharer->bytesToWrite() < kMaxRelayBacklog)
            sharer->write(frame);
}

void PositionListener::ConnectAsSharer() {
    relay_ = std::make_unique<QLocalSocket>();
    relayBuffer_.clear();
    QLocalSocket *socket = relay_.get();
    socket->setReadBufferSize(kTcpReadBuffer);
    connect(socket, &QLocalSocket::readyRead, this, &PositionListener::ReadRelay);
    connect(socket, &QLocalSocket::connected, this, [this] {
        role_ = Role::Sharer;
        emit Changed();
    });
    auto lost = [this, socket] {
        if (relay_.get() != socket)
            return;
        socket->disconnect(this);
        relay_.release()->deleteLater();
        bool wasSharer = role_ == Role::Sharer; // the receiver went: take over at once
        role_ = Role::Waiting;
        RetryLater(wasSharer ? 0 : kRetryMs);
        emit Changed();
    };
    connect(socket, &QLocalSocket::disconnected, this, lost);
    connect(socket, &QLocalSocket::errorOccurred, this, lost);
    socket->connectToServer(socketPath_);
}

void PositionListener::ReadRelay() {
    if (!relay_)
        return;
    relayBuffer_.append(relay_->readAll());
    qsizetype at = 0;
    while (relayBuffer_.size() - at >= 2) {
        qsizetype length = (static_cast<unsigned char>(relayBuffer_[at]) << 8) |
                           static_cast<unsigned char>(relayBuffer_[at + 1]);
        if (length > kMaxPiece) { // not the relay's framing: start again
            relay_->abort();
            return;
        }
        if (relayBuffer_.size() - at - 2 < length)
            break;
        Feed(std::string_view(relayBuffer_.constData() + at + 2, length));
        at += 2 + length;
    }
    relayBuffer_.remove(0, at);
    emit Changed();
}

} // namespace qelvar
