// Where an approach fix lies: the fix ident names a waypoint of the airport file, an NDB, a VOR
// station of vor.nav or a runway end ("RW16L"), looked up in this order.
#pragma once

#include "approach/vor_records.h"
#include "scenery/scenery_airport.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qelvar {

struct GridPoint {
    int32_t x = 0, y = 0; // 216,000 units per degree
    friend bool operator==(GridPoint, GridPoint) = default;
};

// The position of the first waypoint, NDB, VOR or runway start (by its runway-end identifier) whose
// ident is the fix ident; none when nothing matches or the match's coordinates cannot be read.
std::optional<GridPoint> FindFix(const SceneryAirport &airport, const VorRecords &vors,
                                 const std::string &ident);

// The grid latitude and longitude of FindFix; 0 when the fix is found nowhere.
int32_t FixLat(const SceneryAirport &airport, const VorRecords &vors, const std::string &ident);
int32_t FixLon(const SceneryAirport &airport, const VorRecords &vors, const std::string &ident);

} // namespace qelvar
