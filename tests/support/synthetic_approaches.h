// Made-up approach procedures for the made-up airports of synthetic_scenery.h, in the scenery XML
// layout: NDBs, waypoints, ILS approaches to 16L and 16R with transitions, an RNAV (GPS) approach to
// 34R, a VOR approach to 34L and an NDB approach to 09. The fixes lie on the runways' extended
// centre lines of the large hub; the VOR fixes (SEA, PAE) are those of the bundled vor.nav.
#pragma once

#include <string>

namespace qelvar::testing {

// The NDB, waypoint and approach elements, to stand just before the airport's "</Airport>" line.
std::string SyntheticApproachElements();

// The airport file with the approach elements put in before its "</Airport>" line.
std::string WithSyntheticApproaches(const std::string &airportXml);

} // namespace qelvar::testing
