// The points of the route being built, as the map draws them: 201 slots of map units; the route
// occupies slots 0, 1, 2, ... up to the first free slot (x = y = 0).
#pragma once

#include "maps/mapview/map_view.h"

#include <array>

namespace qelvar {

inline constexpr int kRouteSlots = 201;

using RoutePointTable = std::array<UnitPoint, kRouteSlots>;

inline bool IsFreeSlot(const UnitPoint &p) {
    return p.X == 0 && p.Y == 0;
}

} // namespace qelvar
