// The NMEA core on real sentence shapes and on hostile input.
#include "position/nmea_writer.h"
#include "position/position_state.h"
#include "position/replay_log.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace qelvar {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

const PositionTime kT0 = PositionTime() + std::chrono::hours(1);

std::string Recording(const std::string &name) {
    std::ifstream in(std::string(QELVAR_FIXTURES_DIR) + "/nmea/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Each cycle of the log as one datagram, half a second apart (the recordings are 2 Hz).
PositionState FeedCycles(const std::vector<ReplayCycle> &cycles) {
    PositionState state;
    for (size_t i = 0; i < cycles.size(); ++i)
        FeedDatagram(state, cycles[i].datagram, kT0 + milliseconds(500 * i));
    return state;
}

constexpr double kMinute = 1.0 / 60;

TEST(NmeaRecordings, ParkedOnKsea16LTheAltitudeIsUnknownUntilTheFlightModelIsReady) {
    std::string log = Recording("flightgear-ksea-parked.nmea");
    std::vector<ReplayCycle> cycles = CutIntoCycles(log);
    ASSERT_EQ(cycles.size(), 107u); // RMC, GGA and GSA each, LF ended
    EXPECT_EQ(cycles[0].datagram.find('\r'), std::string::npos);

    // The first eight GGA report -3047.7 m: the position stands, the altitude is not believed.
    PositionState early = FeedCycles({cycles.begin(), cycles.begin() + 8});
    ASSERT_TRUE(early.fix);
    EXPECT_NEAR(early.fix->latitude, 47 + 27.8251 * kMinute, 1e-9);
    EXPECT_NEAR(early.fix->longitude, -(122 + 18.4651 * kMinute), 1e-9);
    EXPECT_FALSE(early.fix->altitudeFt);
    EXPECT_EQ(early.fix->groundSpeedKt, 0.0);
    EXPECT_FALSE(early.fix->trackDeg); // FlightGear's 0.0 of an aircraft standing still means nothing
    EXPECT_EQ(early.fix->quality, 1);

    PositionState all = FeedCycles(cycles);
    EXPECT_EQ(all.counts.positions, 214u);
    EXPECT_EQ(all.counts.otherTypes, 107u);
    EXPECT_EQ(all.counts.Dropped(), 0u);
    ASSERT_TRUE(all.fix->altitudeFt);
    EXPECT_LT(*all.fix->altitudeFt, 10);
}

TEST(NmeaRecordings, CirclingNorthOfKseaStaysInItsBand) {
    std::vector<ReplayCycle> cycles = CutIntoCycles(Recording("flightgear-ksea-circling.nmea"));
    ASSERT_EQ(cycles.size(), 259u);
    PositionState state;
    double lowest = 90, highest = 0;
    for (size_t i = 0; i < cycles.size(); ++i) {
        FeedDatagram(state, cycles[i].datagram, kT0 + milliseconds(500 * i));
        lowest = std::min(lowest, state.fix->latitude);
        highest = std::max(highest, state.fix->latitude);
    }
    EXPECT_NEAR(lowest, 47 + 35.3047 * kMinute, 1e-9);
    EXPECT_NEAR(highest, 47 + 35.8206 * kMinute, 1e-9);
    EXPECT_EQ(state.counts.Dropped(), 0u);
    // The last cycle: RMC 90.0 kt on 313.5, GGA 951.9 m.
    EXPECT_NEAR(*state.fix->altitudeFt, 951.9 / 0.3048, 1e-9);
    EXPECT_EQ(*state.fix->groundSpeedKt, 90.0);
    EXPECT_EQ(*state.fix->trackDeg, 313.5);
    // 129.5 s of flight at 2 Hz: one trail point a second.
    EXPECT_EQ(state.trail.size(), 130u);
}

TEST(NmeaSentences, GpsReceiverWithGnTalkerAndCrLf) {
    PositionState state;
    std::string datagram =
        WithChecksum("GNRMC,123519.00,A,4807.03800,N,01131.00000,E,0.022,,230394,,,D") +
        WithChecksum("GNGGA,123519.00,4807.03800,N,01131.00000,E,2,12,0.77,545.4,M,47.0,M,,") +
        WithChecksum("GNGSA,A,3,10,07,05,02,29,04,08,13,,,,,1.72,1.03,1.38,1");
    FeedDatagram(state, datagram, kT0);
    ASSERT_TRUE(state.fix);
    EXPECT_NEAR(state.fix->latitude, 48 + 7.038 * kMinute, 1e-9);
    EXPECT_NEAR(state.fix->longitude, 11 + 31 * kMinute, 1e-9);
    EXPECT_NEAR(*state.fix->altitudeFt, 545.4 / 0.3048, 1e-6);
    EXPECT_EQ(state.fix->quality, 2);
    EXPECT_FALSE(state.fix->trackDeg); // empty track: not known
    EXPECT_EQ(state.counts.positions, 2u);
    EXPECT_EQ(state.counts.otherTypes, 1u);
}

const std::string kRmc = "GPRMC,201210,A,4735.7937,N,12218.3939,W,95.7,179.2,071226,14.5,E,A";
const std::string kGga = "GPGGA,201210,4735.7937,N,12218.3939,W,1,08,0.9,853.9,M,0.0,M,,";

TEST(NmeaSentences, EveryLineHasItsOutcome) {
    std::string good = WithChecksum(kRmc);
    std::string badSum = good;
    badSum[badSum.size() - 3] = badSum[badSum.size() - 3] == '0' ? '1' : '0';
    struct Case {
        std::string line;
        LineOutcome outcome;
    } cases[] = {
        {good, LineOutcome::Position},
        {WithChecksum(kGga), LineOutcome::Position},
        {good.substr(0, good.size() - 2), LineOutcome::Position}, // without CR LF
        {badSum, LineOutcome::BadChecksum},
        {good.substr(0, 30), LineOutcome::Malformed},              // truncated in the fields
        {good.substr(0, good.size() - 3), LineOutcome::Malformed}, // truncated in the checksum
        {"$GPRMC", LineOutcome::Malformed},
        {std::string("\x01\xff$\x80garbage", 11), LineOutcome::Malformed},
        {std::string(200, 'A'), LineOutcome::Oversized},
        {"\r\n", LineOutcome::Empty},
        {WithChecksum("GPRMC,201210,V,,,,,,,071226,,,N"), LineOutcome::NoFix},
        {WithChecksum("GPGGA,201210,,,,,0,00,99.9,,,,,,"), LineOutcome::NoFix},
        {WithChecksum("GPRMC,201210,A,9500.0000,N,12218.3939,W,95.7,179.2,071226,,,A"),
         LineOutcome::OutOfRange},
        {WithChecksum("GPRMC,201210,A,4760.0000,N,12218.3939,W,95.7,179.2,071226,,,A"),
         LineOutcome::OutOfRange},
        {WithChecksum("GPRMC,201210,A,4735.7937,N,18100.0000,W,95.7,179.2,071226,,,A"),
         LineOutcome::OutOfRange},
        {WithChecksum("GPRMC,201210,A,4735.7937,N,12218.3939,W,-3,179.2,071226,,,A"),
         LineOutcome::OutOfRange},
        {WithChecksum("GPRMC,201210,A,4735.7937,N,12218.3939,W,95.7,361,071226,,,A"),
         LineOutcome::OutOfRange},
        {WithChecksum("GPGGA,201210,4735.7937,N,12218.3939,W,9,08,0.9,853.9,M,0.0,M,,"),
         LineOutcome::OutOfRange},
        {WithChecksum("GPRMC,201210,A,,N,12218.3939,W,95.7,179.2,071226,,,A"), LineOutcome::Malformed},
        {WithChecksum("GPRMC,201210,A,4735.7937,X,12218.3939,W,95.7,179.2,071226,,,A"),
         LineOutcome::Malformed},
        {WithChecksum("GPRMC,201210,A,47a5.7937,N,12218.3939,W,95.7,179.2,071226,,,A"),
         LineOutcome::Malformed},
        {WithChecksum("GPRMC,201210,A,4735.7937,N,12218.3939,W,nan,179.2,071226,,,A"),
         LineOutcome::Malformed},
        {WithChecksum("GPRMC,201210,Q,4735.7937,N,12218.3939,W,95.7,179.2,071226,,,A"),
         LineOutcome::Malformed},
        {WithChecksum("GPRMC,201210,A,4735.7937,N"), LineOutcome::Malformed},
        {WithChecksum("GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00"),
         LineOutcome::OtherType},
    };
    for (const Case &c : cases) {
        PositionState state;
        EXPECT_EQ(FeedLine(state, c.line, kT0), c.outcome) << c.line;
        EXPECT_EQ(state.fix.has_value(), c.outcome == LineOutcome::Position) << c.line;
    }
}

TEST(NmeaSentences, DroppedLinesAreCountedAndLeaveTheLastPosition) {
    PositionState state;
    FeedLine(state, WithChecksum(kRmc), kT0);
    AircraftFix before = *state.fix;
    FeedLine(state, WithChecksum("GPRMC,201211,A,9500.0000,N,12218.3939,W,95.7,179.2,071226,,,A"), kT0);
    FeedLine(state, "$GPRMC,201211,A,4735.7937,N,12218.3939,W,95.7,179.2,071226,14.5,E,A*00", kT0);
    FeedDatagram(state, std::string(kMaxDatagramBytes + 1, '$'), kT0);
    EXPECT_EQ(state.fix->latitude, before.latitude);
    EXPECT_EQ(state.counts.outOfRange, 1u);
    EXPECT_EQ(state.counts.badChecksum, 1u);
    EXPECT_EQ(state.counts.oversized, 1u);
    EXPECT_EQ(state.counts.Dropped(), 3u);
}

TEST(NmeaSentences, AFloodIsCappedPerSecond) {
    PositionState state;
    std::string line = WithChecksum(kRmc);
    for (int i = 0; i < 10'000; ++i)
        FeedLine(state, line, kT0 + milliseconds(i / 20)); // 10,000 lines in half a second
    EXPECT_EQ(state.counts.positions, static_cast<uint64_t>(kMaxLinesPerSecond));
    EXPECT_EQ(state.counts.flood, 10'000u - kMaxLinesPerSecond);
    FeedLine(state, line, kT0 + seconds(1)); // the next second is read again
    EXPECT_EQ(state.counts.positions, static_cast<uint64_t>(kMaxLinesPerSecond) + 1);
}

TEST(NmeaSentences, AStreamJoinsSplitLinesAndSkipsEndlessOnes) {
    PositionState state;
    std::string line = WithChecksum(kRmc);
    FeedStream(state, line.substr(0, 20), kT0);
    EXPECT_FALSE(state.fix);
    FeedStream(state, line.substr(20), kT0);
    EXPECT_TRUE(state.fix);
    for (int i = 0; i < 1000; ++i) // 100 kB without a line end
        FeedStream(state, std::string(100, 'x'), kT0);
    EXPECT_LE(state.pendingLine.size(), 121u);
    FeedStream(state, "tail\n" + WithChecksum(kGga), kT0);
    EXPECT_EQ(state.counts.oversized, 1u);
    EXPECT_EQ(state.counts.positions, 2u);
}

TEST(NmeaSentences, ThePositionGoesStaleAfterFiveSeconds) {
    PositionState state;
    EXPECT_TRUE(IsStale(state, kT0));
    FeedLine(state, WithChecksum(kRmc), kT0);
    EXPECT_FALSE(IsStale(state, kT0 + seconds(5)));
    EXPECT_TRUE(IsStale(state, kT0 + seconds(5) + milliseconds(1)));
    EXPECT_EQ(FixAgeSeconds(state, kT0 + milliseconds(7900)), 7);
}

TEST(NmeaSentences, TheTrailKeepsThreeMinutesAndRestartsAfterAJump) {
    PositionState state;
    TrackFix fix{0, 47.5, -122.3, 100, 90, 3000};
    for (int i = 0; i < 600; ++i) {
        fix.longitude += 0.001;
        FeedLine(state, RmcSentence(fix, "010126"), kT0 + seconds(i));
    }
    EXPECT_EQ(state.trail.size(), 181u);
    EXPECT_EQ(state.trail.front().at, kT0 + seconds(419));
    fix.latitude = 50; // relocated in the simulator
    FeedLine(state, RmcSentence(fix, "010126"), kT0 + seconds(600));
    EXPECT_EQ(state.trail.size(), 1u);
}

} // namespace
} // namespace qelvar
