// The listener through real loopback sockets: UDP datagrams, the sharing of one port by several
// programs and the takeover when the receiver goes, a TCP server, and a port held by another program.
#include "position/nmea_writer.h"
#include "position/qt/position_listener.h"
#include "position/qt/position_settings.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

// A UDP port that nothing uses right now.
uint16_t FreeUdpPort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

std::string Cycle(double latitude) {
    TrackFix fix{43200, latitude, -122.3, 95, 180, 2800};
    return RmcSentence(fix, "071226") + GgaSentence(fix);
}

class Listener : public ::testing::Test {
protected:
    void Send(const std::string &datagram) {
        sender.writeDatagram(datagram.data(), static_cast<qint64>(datagram.size()), QHostAddress::LocalHost,
                             port);
    }
    // Waits until the listener's position has the latitude.
    static bool Receives(const PositionListener &listener, double latitude) {
        return QTest::qWaitFor(
            [&] { return listener.State().fix && listener.State().fix->latitude == latitude; }, 3000);
    }
    std::unique_ptr<PositionListener> Start() {
        auto listener = std::make_unique<PositionListener>(source, rendezvous.path());
        listener->Start();
        return listener;
    }

    QTemporaryDir rendezvous;
    uint16_t port = FreeUdpPort();
    PositionSource source{PositionSource::Kind::Udp, "127.0.0.1", port};
    QUdpSocket sender;
};

TEST_F(Listener, ThreeProgramsShareOnePortAndOneTakesOverWhenTheReceiverGoes) {
    std::unique_ptr<PositionListener> maps = Start();
    ASSERT_EQ(maps->CurrentRole(), PositionListener::Role::Receiver);
    std::unique_ptr<PositionListener> airports = Start(), approach = Start();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return airports->CurrentRole() == PositionListener::Role::Sharer &&
                   approach->CurrentRole() == PositionListener::Role::Sharer && maps->Sharers() == 2;
        },
        3000));
    EXPECT_EQ(airports->SourceText(), "UDP 127.0.0.1:" + std::to_string(port) + " (shared)");

    Send(Cycle(47.5));
    Send("$GPRMC,bad*01\n"); // every program counts what it was sent
    for (PositionListener *l : {maps.get(), airports.get(), approach.get()}) {
        EXPECT_TRUE(Receives(*l, 47.5));
        EXPECT_TRUE(QTest::qWaitFor([&] { return l->State().counts.badChecksum == 1; }, 3000));
        EXPECT_EQ(l->State().counts.positions, 2u);
    }

    maps.reset(); // the receiver exits
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            bool one = airports->CurrentRole() == PositionListener::Role::Receiver;
            bool other = approach->CurrentRole() == PositionListener::Role::Receiver;
            auto receiver = one ? airports.get() : approach.get(),
                 sharer = one ? approach.get() : airports.get();
            return one != other && sharer->CurrentRole() == PositionListener::Role::Sharer &&
                   receiver->Sharers() == 1;
        },
        5000));
    Send(Cycle(47.6));
    EXPECT_TRUE(Receives(*airports, 47.6));
    EXPECT_TRUE(Receives(*approach, 47.6));
}

TEST_F(Listener, OversizedDatagramsAreDroppedWhole) {
    std::unique_ptr<PositionListener> listener = Start();
    Send(std::string(60'000, 'x'));
    Send(Cycle(47.5));
    EXPECT_TRUE(Receives(*listener, 47.5));
    EXPECT_EQ(listener->State().counts.oversized, 1u);
    EXPECT_EQ(listener->State().counts.malformed, 0u);
}

TEST_F(Listener, AFloodIsReadInSmallBitesAndCapped) {
    std::unique_ptr<PositionListener> listener = Start();
    std::string cycle = Cycle(47.5);
    for (int i = 0; i < 1000; ++i) // 2,000 sentences at once
        Send(cycle);
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener->State().counts.positions > 0; }, 3000));
    const PositionCounts &counts = listener->State().counts;
    EXPECT_LE(counts.positions + counts.flood, 2u * 64); // one turn of the event loop reads 64 datagrams
    uint64_t read = 0; // until nothing more comes (the kernel drops what its buffer cannot hold)
    while (QTest::qWaitFor([&] { return counts.positions + counts.flood > read; }, 300))
        read = counts.positions + counts.flood;
    EXPECT_EQ(counts.positions, static_cast<uint64_t>(kMaxLinesPerSecond));
    EXPECT_EQ(counts.flood, read - kMaxLinesPerSecond);
}

TEST_F(Listener, APortHeldByAnotherProgramIsSaid) {
    QUdpSocket other;
    ASSERT_TRUE(other.bind(QHostAddress::LocalHost, port));
    std::unique_ptr<PositionListener> listener = Start();
    EXPECT_EQ(listener->SourceText(),
              "UDP 127.0.0.1:" + std::to_string(port) + ": port used by another program");
}

TEST_F(Listener, ATcpServerIsReadAsAStream) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    source = PositionSource{PositionSource::Kind::Tcp, "127.0.0.1", server.serverPort()};
    std::unique_ptr<PositionListener> listener = Start();
    ASSERT_TRUE(server.waitForNewConnection(3000));
    QTcpSocket *client = server.nextPendingConnection();
    std::string cycle = Cycle(47.25);
    client->write(cycle.substr(0, 25).c_str());
    client->flush();
    QTest::qWait(50);
    client->write(cycle.substr(25).c_str());
    EXPECT_TRUE(Receives(*listener, 47.25));
    EXPECT_EQ(listener->State().counts.Dropped(), 0u);
}

TEST(PositionSettings, TheCommandLineWinsOverTheSettingsFileWhichWinsOverTheDefault) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath("qelvar-kit.ini"), QSettings::IniFormat);
    SourceChoice first = ChooseSource(std::nullopt, settings);
    EXPECT_EQ(first.source, PositionSource{});
    EXPECT_EQ(settings.value(kNmeaSourceKey).toString(),
              "udp:127.0.0.1:10110"); // written for the user to find

    settings.setValue(kNmeaSourceKey, "tcp:gps.local:2947");
    EXPECT_EQ(ChooseSource(std::nullopt, settings).source,
              (PositionSource{PositionSource::Kind::Tcp, "gps.local", 2947}));
    EXPECT_EQ(ChooseSource("udp:10111", settings).source,
              (PositionSource{PositionSource::Kind::Udp, "127.0.0.1", 10111}));

    SourceChoice bad = ChooseSource("udp:99999", settings);
    EXPECT_EQ(bad.source, PositionSource{});
    EXPECT_EQ(bad.problem,
              "NMEA source \"udp:99999\" of --nmea not understood; listening on UDP 127.0.0.1:10110");
}

} // namespace
} // namespace qelvar
