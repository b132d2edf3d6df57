// What the flight-plan formats read and write besides the waypoints.
#pragma once

#include "maps/route/route_waypoint.h"

#include <string>
#include <vector>

namespace qelvar {

// A route as a file gives it: its points in order.
struct ExchangeRead {
    bool ok = false;
    std::vector<RouteWaypoint> waypoints;
    int leftOut = 0;   // entries of the file without a position the kit can use (FlightGear procedures)
    std::string error; // why the file is not a route
};

// The plan-wide fields a simulator wants.
struct PlanHeader {
    std::string title;            // "EDDF to EDDM"
    int cruisingAltitudeFeet = 0; // the sheet's maximum flight level x 100
};

inline ExchangeRead ExchangeFailure(std::string error) {
    ExchangeRead read;
    read.error = std::move(error);
    return read;
}

// Checks that a latitude and longitude are numbers on the globe.
inline bool OnTheGlobe(double latitude, double longitude) {
    return latitude >= -90 && latitude <= 90 && longitude >= -180 && longitude <= 180;
}

} // namespace qelvar
