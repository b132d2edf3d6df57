// The dispatch rows of the approach chart: what the approach viewer keeps of a scenery XML file. The
// airport's identity, radios, runways, starts and ILS are read by the diagram's rows; the ground
// tables are left out, and the approach viewer adds NDBs, waypoints, approaches, transitions and legs.
#pragma once

#include "scenery/dispatch.h"
#include "scenery/scenery_airport.h"

#include <string>

namespace qelvar {

const std::vector<DispatchRow> &ApproachRows();

// "RW16L", "RW09": "RW", the number with a leading "0" when it has one character, and the designator
// letter; empty for a helipad and for a number that is empty or longer than two characters.
std::string RunwayEndIdent(const RunwayStart &start);

// "ILS 16L": type, one space, runway, and the designator letter (nothing for "NONE").
std::string ApproachLabel(const ApproachRecord &approach);

} // namespace qelvar
