#include "position_text.h"

#include <cmath>
#include <cstdio>

namespace qelvar {

namespace {

constexpr const char *kDegree = "\xB0"; // "°" in Windows-1252

// Whole degrees 000 to 359.
std::string ThreeDigitCourse(double degrees) {
    long whole = std::lround(degrees) % 360;
    if (whole < 0)
        whole += 360;
    char text[8];
    std::snprintf(text, sizeof text, "%03ld", whole);
    return text;
}

} // namespace

std::string GroupedWhole(double value) {
    long long whole = std::llround(value);
    std::string digits = std::to_string(whole < 0 ? -whole : whole);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return (whole < 0 ? "-" : "") + digits;
}

std::string MotionText(const AircraftFix &fix) {
    std::string gs = fix.groundSpeedKt ? GroupedWhole(*fix.groundSpeedKt) + " kt" : "---";
    std::string trk = fix.trackDeg ? ThreeDigitCourse(*fix.trackDeg) + kDegree : "---";
    std::string alt = fix.altitudeFt ? GroupedWhole(*fix.altitudeFt) + " ft" : "---";
    return "GS " + gs + "  TRK " + trk + "  ALT " + alt;
}

std::string AgeText(const PositionState &state, PositionTime now) {
    std::optional<int64_t> age = FixAgeSeconds(state, now);
    if (!age)
        return "no data";
    return (IsStale(state, now) ? "no data for " : "fix ") + std::to_string(*age) + " s";
}

std::string DroppedText(const PositionCounts &c) {
    if (c.Dropped() == 0)
        return {};
    std::string reasons;
    auto add = [&](const char *name, uint64_t n) {
        if (n > 0)
            reasons += (reasons.empty() ? "" : ", ") + std::string(name) + " " + std::to_string(n);
    };
    add("checksum", c.badChecksum);
    add("malformed", c.malformed);
    add("range", c.outOfRange);
    add("size", c.oversized);
    add("flood", c.flood);
    return "dropped " + std::to_string(c.Dropped()) + ": " + reasons;
}

std::string NextPointText(const std::string &name, double distanceNm, double courseDeg) {
    char distance[32];
    std::snprintf(distance, sizeof distance, "%.1f", distanceNm);
    return "next " + name + " " + distance + " NM " + ThreeDigitCourse(courseDeg) + kDegree;
}

std::vector<std::string> StatusParts(const PositionState &state, PositionTime now,
                                     const std::string &nextPoint, const std::string &source) {
    std::vector<std::string> parts;
    std::string age = AgeText(state, now);
    parts.push_back(IsStale(state, now) ? age : MotionText(*state.fix) + "  " + age);
    if (!nextPoint.empty())
        parts.push_back(nextPoint);
    if (std::string dropped = DroppedText(state.counts); !dropped.empty())
        parts.push_back(dropped);
    parts.push_back(source);
    return parts;
}

} // namespace qelvar
