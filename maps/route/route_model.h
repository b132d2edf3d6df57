// The route being built: its state, points, flight-plan sheet and names.
#pragma once

#include "maps/mapview/route_points.h"
#include "maps/route/route_waypoint.h"

#include <array>
#include <cstdint>
#include <string>

namespace qelvar {

enum RouteStates : int32_t {
    kWaitingForStart = 0, // also after a route was completed
    kAddingPoints = 1,
    kCompleting = 2,
    kListingFiles = 3,
    kFileShown = 4,
};

inline constexpr int32_t kSheetLines = 50; // lines a sheet takes; slot 50 always stays empty

struct Route {
    double TotalDistance = 0; // nautical miles
    int32_t LastX = 0, LastY = 0;
    int32_t LineCount = 0;
    std::array<std::string, kSheetLines + 1> RouteSheet;
    std::string LastLine; // drops an immediate repetition
};

// The last leg's end points in degrees, latitudes north-positive, longitudes west-positive.
struct LegDegrees {
    double lonFrom = 0, latFrom = 0, lonTo = 0, latTo = 0;
};

struct RouteModel {
    int32_t RouteState = kWaitingForStart;
    RoutePointTable RoutePoints{};
    // What each route point is (kind, ident, degrees); an entry counts only while its map position
    // is that of the route point in the same slot.
    std::array<RouteWaypoint, kRouteSlots> Waypoints{};
    Route route;
    LegDegrees leg;
    std::string DepartureName, ArrivalName, RouteName;
};

} // namespace qelvar
