// The latest aircraft position from an NMEA 0183 stream: what RMC and GGA sentences say (position,
// ground speed, track, altitude, fix quality), how old it is, the short trail behind the aircraft,
// and how many lines were dropped and why. Every byte fed in is treated as hostile: lines are
// checked and their fields range-checked, the rate of lines is capped, and nothing grows without
// bound. Plain C++: the listener feeds it, the windows read it.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace qelvar {

using PositionClock = std::chrono::steady_clock;
using PositionTime = PositionClock::time_point;

// A datagram larger than this is not an NMEA datagram (a simulator sends a cycle of a few
// sentences); it is dropped whole.
inline constexpr std::size_t kMaxDatagramBytes = 2048;
// Lines beyond this many in one second are dropped unread: a flood must not take the program.
inline constexpr int kMaxLinesPerSecond = 200;
// Without a valid position for this long, the position is stale.
inline constexpr std::chrono::seconds kStaleAfter{5};
// The trail: one point a second for the last three minutes.
inline constexpr std::chrono::seconds kTrailSpacing{1};
inline constexpr std::chrono::seconds kTrailLength{180};

struct AircraftFix {
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    std::optional<double> groundSpeedKt;
    std::optional<double> trackDeg;   // true track over ground, 0 to 360; kept while standing still
    std::optional<double> altitudeFt; // above mean sea level; none until a GGA gives a believable one
    int quality = 0;                  // GGA fix quality, 0 until a GGA arrived
    PositionTime at{};                // when the position was last received
};

struct TrailPoint {
    double latitude = 0, longitude = 0;
    PositionTime at{};
};

// What became of the lines fed in.
struct PositionCounts {
    uint64_t positions = 0;   // RMC and GGA sentences that gave a position
    uint64_t noFix = 0;       // RMC with status V, GGA with quality 0: the receiver has no position
    uint64_t otherTypes = 0;  // checked sentences the kit does not read (GSA, GSV, VTG, ...)
    uint64_t badChecksum = 0; // dropped: the checksum does not match
    uint64_t malformed = 0;   // dropped: garbage, truncated lines, empty or unreadable fields
    uint64_t outOfRange = 0;  // dropped: latitude 95, speed -3 and the like
    uint64_t oversized = 0;   // dropped: over-long lines and datagrams
    uint64_t flood = 0;       // dropped unread: more than kMaxLinesPerSecond lines in a second

    uint64_t Dropped() const { return badChecksum + malformed + outOfRange + oversized + flood; }
};

enum class LineOutcome {
    Position,
    NoFix,
    OtherType,
    Empty,
    BadChecksum,
    Malformed,
    OutOfRange,
    Oversized,
    Flood
};

struct PositionState {
    std::optional<AircraftFix> fix; // the last valid position, however old
    PositionCounts counts;
    std::deque<TrailPoint> trail; // oldest first, at most kTrailLength / kTrailSpacing + 1 points

    // The rate cap: lines counted in the second that began at windowStart.
    PositionTime windowStart{};
    int linesInWindow = 0;
    // A stream's unfinished last line (at most kMaxSentenceChars), or the skipping of an over-long one.
    std::string pendingLine;
    bool skippingLine = false;
};

// One line, with or without its line end.
LineOutcome FeedLine(PositionState &state, std::string_view line, PositionTime now);
// One UDP datagram: its lines (LF or CR LF; the last one may lack it).
void FeedDatagram(PositionState &state, std::string_view datagram, PositionTime now);
// Bytes of a stream (TCP): lines may be split between calls.
void FeedStream(PositionState &state, std::string_view bytes, PositionTime now);

// Whole seconds since the last valid position; none before the first one.
std::optional<int64_t> FixAgeSeconds(const PositionState &state, PositionTime now);
// True when there is no valid position, or it is older than kStaleAfter.
bool IsStale(const PositionState &state, PositionTime now);

} // namespace qelvar
