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

// Walks the route as it is drawn: slot 0 gives the pen position; every later slot of the route
// right of and below the view origin is joined to the pen (unless its picture x is 0) and becomes
// the pen; a slot that fails the origin test is skipped. The walk ends before the first free slot.
template <typename DrawLine>
void WalkRoute(const RoutePointTable &route, const MapView &view, DrawLine drawLine) {
    int n = 0;
    while (n < kRouteSlots && !IsFreeSlot(route[n]))
        ++n;
    if (n == 0)
        return;
    TwipPoint pen = ToScreen(view, route[0].X, route[0].Y);
    for (int i = 1; i < n; ++i) {
        if (!PassesOriginTest(view, route[i].X, route[i].Y))
            continue;
        TwipPoint next = ToScreen(view, route[i].X, route[i].Y);
        if (next.x != 0)
            drawLine(pen, next);
        pen = next;
    }
}

} // namespace qelvar
