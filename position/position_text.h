// The texts of the position status, as the windows show them.
#pragma once

#include "position_state.h"

#include <string>
#include <vector>

namespace qelvar {

// "GS 95 kt  TRK 180°  ALT 2,800 ft": what is known of the motion ("---" for what is not).
// Texts are Windows-1252, as everywhere in the kit.
std::string MotionText(const AircraftFix &fix);

// "fix 0 s" while the position is fresh, "no data for 7 s" once it is stale, "no data" before the
// first position.
std::string AgeText(const PositionState &state, PositionTime now);

// "dropped 12: checksum 3, malformed 4, range 2, size 1, flood 2", naming only the reasons that
// occurred; empty when nothing was dropped.
std::string DroppedText(const PositionCounts &counts);

// "next SEA 12.3 NM 245°": the distance and true course from the aircraft to a point.
std::string NextPointText(const std::string &name, double distanceNm, double courseDeg);

// A whole number with "," between thousands: 2800 gives "2,800", -35 gives "-35".
std::string GroupedWhole(double value);

// The parts of the status, in this order: motion and age ("GS 95 kt  TRK 180°  ALT 2,800 ft  fix
// 0 s", or the age alone while stale or before the first position), the next point when given,
// the dropped counts when any, and the source.
std::vector<std::string> StatusParts(const PositionState &state, PositionTime now,
                                     const std::string &nextPoint, const std::string &source);

} // namespace qelvar
