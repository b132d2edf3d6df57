#include "position_state.h"

#include "nmea_sentence.h"

#include <cmath>

namespace qelvar {

namespace {

constexpr double kMaxGroundSpeedKt = 2000;
constexpr double kLeastSpeedForTrackKt = 1;
// GGA altitudes outside these bounds are not believed: FlightGear reports -3047.7 m until its
// flight model is ready. The position of such a sentence is still good.
constexpr double kLowestAltitudeM = -1000, kHighestAltitudeM = 30'000;
constexpr double kFeetPerMetre = 1 / 0.3048;
// A position this far (degrees) from the last trail point is a new start, not a flight.
constexpr double kTrailJumpDeg = 0.5;

enum class FieldError { None, Malformed, OutOfRange };

// A number as the sentences write them: digits with at most one ".", a "-" in front where allowed.
std::optional<double> ReadNumber(std::string_view text, bool signAllowed) {
    if (text.empty() || text.size() > 24)
        return std::nullopt;
    std::size_t i = 0;
    bool negative = false;
    if (signAllowed && text[0] == '-') {
        negative = true;
        i = 1;
    }
    double value = 0, scale = 0;
    bool digits = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == '.') {
            if (scale != 0)
                return std::nullopt;
            scale = 1;
        } else if (c >= '0' && c <= '9') {
            digits = true;
            if (scale == 0)
                value = value * 10 + (c - '0');
            else
                value += (c - '0') * (scale /= 10);
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return negative ? -value : value;
}

// "4727.8251" and "N" (or "12218.4651" and "W"): degrees and minutes to signed degrees.
FieldError ReadAngle(std::string_view value, std::string_view hemisphere, char positive, char negative,
                     double limit, double &degrees) {
    if (hemisphere.size() != 1 || (hemisphere[0] != positive && hemisphere[0] != negative))
        return FieldError::Malformed;
    std::optional<double> number = ReadNumber(value, false);
    if (!number || value.find('.') == 0 || value.find('.') < 4)
        return FieldError::Malformed; // degrees and two digits of minutes come before the point
    double whole = std::floor(*number / 100);
    double minutes = *number - whole * 100;
    degrees = whole + minutes / 60;
    if (minutes >= 60 || degrees > limit)
        return FieldError::OutOfRange;
    if (hemisphere[0] == negative)
        degrees = -degrees;
    return FieldError::None;
}

FieldError ReadPosition(const NmeaSentence &s, std::size_t first, double &lat, double &lon) {
    FieldError e = ReadAngle(s.fields[first], s.fields[first + 1], 'N', 'S', 90, lat);
    if (e != FieldError::None)
        return e;
    return ReadAngle(s.fields[first + 2], s.fields[first + 3], 'E', 'W', 180, lon);
}

// An optional number: empty is none; unreadable is malformed; outside [low, high] out of range.
FieldError ReadOptional(std::string_view text, double low, double high, std::optional<double> &out) {
    out.reset();
    if (text.empty())
        return FieldError::None;
    std::optional<double> number = ReadNumber(text, true);
    if (!number)
        return FieldError::Malformed;
    if (*number < low || *number > high)
        return FieldError::OutOfRange;
    out = number;
    return FieldError::None;
}

LineOutcome Outcome(FieldError e) {
    return e == FieldError::Malformed ? LineOutcome::Malformed : LineOutcome::OutOfRange;
}

void AddToTrail(PositionState &state, const AircraftFix &fix) {
    std::deque<TrailPoint> &trail = state.trail;
    if (!trail.empty() && (std::fabs(trail.back().latitude - fix.latitude) > kTrailJumpDeg ||
                           std::fabs(trail.back().longitude - fix.longitude) > kTrailJumpDeg))
        trail.clear();
    if (trail.empty() || fix.at - trail.back().at >= kTrailSpacing)
        trail.push_back({fix.latitude, fix.longitude, fix.at});
    constexpr std::size_t kMaxPoints = kTrailLength / kTrailSpacing + 1;
    while (!trail.empty() && (fix.at - trail.front().at > kTrailLength || trail.size() > kMaxPoints))
        trail.pop_front();
}

// The fields that a sentence gives, applied only when every one of them was read.
struct Reading {
    double lat = 0, lon = 0;
    std::optional<double> speed, track, altitudeM;
    std::optional<int> quality;
};

LineOutcome ReadRmc(const NmeaSentence &s, Reading &r) {
    // time, status, lat, N/S, lon, E/W, speed, track, [date, variation, E/W, mode]
    if (s.fieldCount < 8)
        return LineOutcome::Malformed;
    std::string_view status = s.fields[1];
    if (status != "A" && status != "V")
        return LineOutcome::Malformed;
    bool modeSaysNoFix = s.fieldCount >= 12 && s.fields[11] == "N";
    if (status == "V" || modeSaysNoFix)
        return LineOutcome::NoFix;
    if (FieldError e = ReadPosition(s, 2, r.lat, r.lon); e != FieldError::None)
        return Outcome(e);
    if (FieldError e = ReadOptional(s.fields[6], 0, kMaxGroundSpeedKt, r.speed); e != FieldError::None)
        return Outcome(e);
    if (FieldError e = ReadOptional(s.fields[7], 0, 360, r.track); e != FieldError::None)
        return Outcome(e);
    if (r.track && *r.track == 360)
        r.track = 0;
    return LineOutcome::Position;
}

LineOutcome ReadGga(const NmeaSentence &s, Reading &r) {
    // time, lat, N/S, lon, E/W, quality, satellites, HDOP, altitude, M, ...
    if (s.fieldCount < 9)
        return LineOutcome::Malformed;
    std::optional<double> quality;
    if (s.fields[5].empty() || ReadOptional(s.fields[5], 0, 1e9, quality) != FieldError::None ||
        *quality != std::floor(*quality))
        return LineOutcome::Malformed;
    if (*quality == 0)
        return LineOutcome::NoFix;
    if (*quality > 8)
        return LineOutcome::OutOfRange;
    r.quality = static_cast<int>(*quality);
    if (FieldError e = ReadPosition(s, 1, r.lat, r.lon); e != FieldError::None)
        return Outcome(e);
    if (ReadOptional(s.fields[8], -1e9, 1e9, r.altitudeM) != FieldError::None)
        return LineOutcome::Malformed;
    if (r.altitudeM && (*r.altitudeM < kLowestAltitudeM || *r.altitudeM > kHighestAltitudeM))
        r.altitudeM.reset();
    return LineOutcome::Position;
}

void Apply(PositionState &state, const Reading &r, bool fromRmc, PositionTime now) {
    AircraftFix fix = state.fix.value_or(AircraftFix{});
    fix.latitude = r.lat;
    fix.longitude = r.lon;
    fix.at = now;
    if (fromRmc) {
        fix.groundSpeedKt = r.speed;
        // Standing still, a receiver's track means nothing (FlightGear says 0.0): the last one is kept,
        // as is the last one when the field is empty.
        if (r.track && (!r.speed || *r.speed >= kLeastSpeedForTrackKt))
            fix.trackDeg = r.track;
    } else {
        fix.quality = *r.quality;
        fix.altitudeFt = r.altitudeM ? std::optional<double>(*r.altitudeM * kFeetPerMetre) : std::nullopt;
    }
    state.fix = fix;
    AddToTrail(state, fix);
}

void Count(PositionCounts &c, LineOutcome outcome) {
    switch (outcome) {
    case LineOutcome::Position:
        ++c.positions;
        break;
    case LineOutcome::NoFix:
        ++c.noFix;
        break;
    case LineOutcome::OtherType:
        ++c.otherTypes;
        break;
    case LineOutcome::Empty:
        break;
    case LineOutcome::BadChecksum:
        ++c.badChecksum;
        break;
    case LineOutcome::Malformed:
        ++c.malformed;
        break;
    case LineOutcome::OutOfRange:
        ++c.outOfRange;
        break;
    case LineOutcome::Oversized:
        ++c.oversized;
        break;
    case LineOutcome::Flood:
        ++c.flood;
        break;
    }
}

LineOutcome Judge(PositionState &state, std::string_view line, PositionTime now) {
    NmeaSentence sentence;
    switch (CheckSentence(line, sentence)) {
    case LineVerdict::Sentence:
        break;
    case LineVerdict::Empty:
        return LineOutcome::Empty;
    case LineVerdict::BadChecksum:
        return LineOutcome::BadChecksum;
    case LineVerdict::Oversized:
        return LineOutcome::Oversized;
    case LineVerdict::Garbage:
    case LineVerdict::Truncated:
        return LineOutcome::Malformed;
    }
    bool rmc = sentence.type == "RMC";
    if (!rmc && sentence.type != "GGA")
        return LineOutcome::OtherType;
    Reading reading;
    LineOutcome outcome = rmc ? ReadRmc(sentence, reading) : ReadGga(sentence, reading);
    if (outcome == LineOutcome::Position)
        Apply(state, reading, rmc, now);
    return outcome;
}

bool OverRate(PositionState &state, PositionTime now) {
    if (now - state.windowStart >= std::chrono::seconds(1) || now < state.windowStart) {
        state.windowStart = now;
        state.linesInWindow = 0;
    }
    return ++state.linesInWindow > kMaxLinesPerSecond;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of("\r\n ") == std::string_view::npos;
}

} // namespace

LineOutcome FeedLine(PositionState &state, std::string_view line, PositionTime now) {
    LineOutcome outcome;
    if (IsBlank(line))
        outcome = LineOutcome::Empty;
    else if (OverRate(state, now))
        outcome = LineOutcome::Flood;
    else
        outcome = Judge(state, line, now);
    Count(state.counts, outcome);
    return outcome;
}

void FeedDatagram(PositionState &state, std::string_view datagram, PositionTime now) {
    if (datagram.size() > kMaxDatagramBytes) {
        ++state.counts.oversized;
        return;
    }
    while (!datagram.empty()) {
        std::size_t end = datagram.find('\n');
        FeedLine(state, datagram.substr(0, end), now);
        if (end == std::string_view::npos)
            break;
        datagram.remove_prefix(end + 1);
    }
}

void FeedStream(PositionState &state, std::string_view bytes, PositionTime now) {
    // Room for a sentence of the longest length with its CR.
    constexpr std::size_t kMaxPending = kMaxSentenceChars + 1;
    while (!bytes.empty()) {
        std::size_t end = bytes.find('\n');
        std::string_view piece = bytes.substr(0, end);
        if (!state.skippingLine) {
            if (state.pendingLine.size() + piece.size() > kMaxPending) {
                ++state.counts.oversized;
                state.pendingLine.clear();
                state.skippingLine = true;
            } else {
                state.pendingLine.append(piece);
            }
        }
        if (end == std::string_view::npos)
            return; // the line goes on in the next bytes
        if (!state.skippingLine)
            FeedLine(state, state.pendingLine, now);
        state.pendingLine.clear();
        state.skippingLine = false;
        bytes.remove_prefix(end + 1);
    }
}

std::optional<int64_t> FixAgeSeconds(const PositionState &state, PositionTime now) {
    if (!state.fix)
        return std::nullopt;
    auto age = std::chrono::duration_cast<std::chrono::seconds>(now - state.fix->at).count();
    return age < 0 ? 0 : age;
}

bool IsStale(const PositionState &state, PositionTime now) {
    return !state.fix || now - state.fix->at > kStaleAfter;
}

} // namespace qelvar
