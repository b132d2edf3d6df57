// What lies under a click on the map: the information of the right button and the route-point
// candidates of a route pick, both from the hit list of the last redraw.
#pragma once

#include "maps/mapview/hit_list.h"
#include "maps/mapview/map_view.h"
#include "maps/navdata/nav_database.h"

#include <string>
#include <vector>

namespace qelvar {

// An entry is near the click when it lies strictly within 200 twips each way.
bool NearClick(const HitEntry &entry, double cx, double cy);

// The blocks of every VOR, NDB, intersection and airport near the click, or "NO HIT". Sets
// pickedAirport to the IATA code of the last airport near the click and pickedIndex to its index in
// the airport table (many airports have no IATA code, and codes need not be unique).
std::string ShowObjectInfo(const NavDatabase &db, const HitList &hits, double cx, double cy,
                           std::string &pickedAirport, int32_t &pickedIndex);

// One candidate of a route pick: the pick-list text, the description the route takes when it is
// the only candidate, and its map position "X|Y".
struct PickCandidate {
    std::string listText;
    std::string description;
    std::string position;
};

// The candidate of one object: kind is the hit-list kind ("INT", "VOR", "NDB", "AD", "AD-LOK"),
// index its entry in that table.
PickCandidate PickCandidateOf(const NavDatabase &db, const std::string &kind, int32_t index);

// The airports, VOR, NDB and intersections near the click (x, y rounded twips), in hit-list
// order. None near: the single entry "Position under Cursor" at the clicked map position.
std::vector<PickCandidate> RoutePick(const NavDatabase &db, const HitList &hits, const MapView &view,
                                     int32_t x, int32_t y);

inline constexpr const char *kPositionUnderCursor = "Position under Cursor";

} // namespace qelvar
