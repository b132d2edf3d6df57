// The status texts, the source settings, the replay's cycles and the decisions the windows take
// from the position.
#include "position/nmea_writer.h"
#include "position/position_text.h"
#include "position/replay_log.h"
#include "position/source_address.h"
#include "position/surroundings.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

using std::chrono::seconds;
const PositionTime kT0 = PositionTime() + std::chrono::hours(1);

TEST(PositionText, StatusPartsExactly) {
    PositionState state;
    EXPECT_EQ(StatusParts(state, kT0, "", "UDP 127.0.0.1:10110"),
              (std::vector<std::string>{"no data", "UDP 127.0.0.1:10110"}));
    state.fix = AircraftFix{47.5, -122.3, 95.4, 179.6, 2799.9, 1, kT0};
    state.counts.badChecksum = 3;
    state.counts.flood = 2;
    EXPECT_EQ(
        StatusParts(state, kT0 + seconds(1), "next SEA 12.3 NM 245\xB0", "UDP 127.0.0.1:10110 (shared)"),
        (std::vector<std::string>{"GS 95 kt  TRK 180\xB0  ALT 2,800 ft  fix 1 s", "next SEA 12.3 NM 245\xB0",
                                  "dropped 5: checksum 3, flood 2", "UDP 127.0.0.1:10110 (shared)"}));
    EXPECT_EQ(StatusParts(state, kT0 + seconds(7), "", "x")[0], "no data for 7 s");
    state.fix = AircraftFix{47.5, -122.3, std::nullopt, 359.7, std::nullopt, 1, kT0};
    EXPECT_EQ(MotionText(*state.fix), "GS ---  TRK 000\xB0  ALT ---");
}

TEST(PositionText, NumbersOfTheStatus) {
    EXPECT_EQ(GroupedWhole(2800), "2,800");
    EXPECT_EQ(GroupedWhole(1234567.4), "1,234,567");
    EXPECT_EQ(GroupedWhole(-35), "-35");
    EXPECT_EQ(GroupedWhole(999), "999");
    EXPECT_EQ(NextPointText("route point 3", 12.345, 4.6), "next route point 3 12.3 NM 005\xB0");
}

TEST(SourceAddress, TextsOfTheSettingsAndTheCommandLine) {
    struct Case {
        const char *text;
        std::optional<PositionSource> source;
    } cases[] = {
        {"udp", PositionSource{}},
        {"udp:10111", PositionSource{PositionSource::Kind::Udp, "127.0.0.1", 10111}},
        {"udp:0.0.0.0:10110", PositionSource{PositionSource::Kind::Udp, "0.0.0.0", 10110}},
        {"tcp:localhost:2947", PositionSource{PositionSource::Kind::Tcp, "localhost", 2947}},
        {"off", PositionSource{PositionSource::Kind::Off, "127.0.0.1", 10110}},
        {"tcp:5000", std::nullopt},
        {"udp:0", std::nullopt},
        {"udp:65536", std::nullopt},
        {"udp:12ab", std::nullopt},
        {"udp:a b:10110", std::nullopt},
        {"serial:/dev/ttyUSB0", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParseSourceText(c.text), c.source) << c.text;
    EXPECT_EQ(SourceLabel(PositionSource{}), "UDP 127.0.0.1:10110");
    EXPECT_EQ(SourceKey(PositionSource{PositionSource::Kind::Tcp, "gps.local", 2947}), "tcp-gps.local-2947");

    std::vector<std::string> args{"--nmea", "udp:10111", "KSEA", "--nmea=tcp:h:1"};
    EXPECT_EQ(TakeNmeaOption(args), "tcp:h:1");
    EXPECT_EQ(args, std::vector<std::string>{"KSEA"});
    std::vector<std::string> plain{"KSEA"};
    EXPECT_EQ(TakeNmeaOption(plain), std::nullopt);
}

TEST(ReplayLog, CyclesOfOneStampAreSpreadOverTheirSecond) {
    auto cycle = [](int second, bool gsa) {
        TrackFix fix{second, 47, -122, 0, 0, 0};
        return RmcSentence(fix, "010126") + GgaSentence(fix) +
               (gsa ? WithChecksum("GPGSA,A,3,,,,,,,,,,,,,0.9,0.9,2.0") : "");
    };
    std::string log =
        cycle(86398, true) + cycle(86398, true) + cycle(86399, false) + "junk\n" + cycle(0, false);
    std::vector<ReplayCycle> cycles = CutIntoCycles(log);
    ASSERT_EQ(cycles.size(), 4u);
    EXPECT_EQ(cycles[0].datagram, cycle(86398, true));
    EXPECT_EQ(cycles[2].datagram, cycle(86399, false) + "junk\n");
    EXPECT_EQ(cycles[0].dueSeconds, 0);
    EXPECT_EQ(cycles[1].dueSeconds, 0.5);
    EXPECT_EQ(cycles[2].dueSeconds, 1);
    EXPECT_EQ(cycles[3].dueSeconds, 2); // past midnight
}

TEST(Surroundings, FollowRecentresNearTheEdge) {
    // A picture of 800 x 400: the margin is 100 across and 50 down.
    struct Case {
        double x, y;
        bool near;
    } cases[] = {{400, 200, false},  {100, 50, false}, {700, 350, false}, {99.9, 200, true},
                 {700.1, 200, true}, {400, 49, true},  {400, 351, true},  {-5000, 200, true}};
    for (const Case &c : cases)
        EXPECT_EQ(NearPictureEdge(c.x, c.y, 800, 400), c.near) << c.x << " " << c.y;
}

TEST(Surroundings, OnTheGroundAfterTenSlowSeconds) {
    GroundWatch watch;
    AircraftFix fix;
    fix.groundSpeedKt = 12;
    EXPECT_FALSE(StaysOnGround(watch, fix, kT0));
    EXPECT_FALSE(StaysOnGround(watch, fix, kT0 + seconds(9)));
    EXPECT_TRUE(StaysOnGround(watch, fix, kT0 + seconds(10)));
    fix.groundSpeedKt = 30;
    EXPECT_FALSE(StaysOnGround(watch, fix, kT0 + seconds(11)));
    fix.groundSpeedKt = std::nullopt;
    EXPECT_FALSE(StaysOnGround(watch, fix, kT0 + seconds(30)));
}

TEST(Surroundings, TheNearestOtherAirportOfTheTable) {
    std::vector<std::string> lines = {
        "AD;SEA;KSEA;Seattle Tacoma;433;-122;-18.55;47;26.98;;;United States",
        "AD;BFI;KBFI;Boeing Field;21;-122;-18.12;47;31.80;;;United States",
        "AD;XXX;KXXX;Not in the index;21;-122;-18.12;47;31.80;;;United States",
        "AD;SYD;YSSY;Sydney;21;151;10,63;-33;-56.77;;;Australia",
        "AD;BAD;KBAD;Unreadable;21;-122;abc;47;31.80;;;United States",
        "short;line",
    };
    std::vector<KnownAirport> airports = AirportPositions(lines, {"KSEA", "KBFI", "YSSY", "KBAD"});
    ASSERT_EQ(airports.size(), 3u);
    EXPECT_NEAR(airports[2].latitude, -(33 + 56.77 / 60), 1e-9);
    EXPECT_NEAR(airports[2].longitude, 151 + 10.63 / 60, 1e-9);

    double lat = 47 + 32.0 / 60, lon = -(122 + 18.3 / 60); // on Boeing Field
    EXPECT_EQ(NearestAirport(airports, lat, lon, kOfferWithinNm, "KSEA")->icao, "KBFI");
    EXPECT_EQ(NearestAirport(airports, lat, lon, kOfferWithinNm, "KBFI"),
              std::nullopt); // KSEA is 5.0+ NM off
    EXPECT_EQ(NearestAirport(airports, 47 + 27.0 / 60, lon, kOfferWithinNm, "KBFI")->icao, "KSEA");
}

TEST(Surroundings, TheNextPointIsTheEndOfTheNearestLeg) {
    std::vector<GeoPoint> path = {{47, -122}, {47, -121}, {48, -121}};
    EXPECT_EQ(NextPathPoint(path, 47.01, -122.2), 1u); // before the first point
    EXPECT_EQ(NextPathPoint(path, 46.9, -121.5), 1u);  // along the first leg
    EXPECT_EQ(NextPathPoint(path, 47.5, -120.9), 2u);  // along the second
    EXPECT_EQ(NextPathPoint({{47, -122}}, 0, 0), 0u);
    EXPECT_EQ(NextPathPoint({}, 0, 0), std::nullopt);
}

} // namespace
} // namespace qelvar
