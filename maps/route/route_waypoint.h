// One point of a route as the flight-plan files of simulators and GPS tools see it: its kind, its
// ident and its own position in degrees. The route keeps one beside each of its map points, so
// that an exported route names every point as what it is, at the position it has.
#pragma once

#include "maps/mapview/map_view.h"

#include <optional>
#include <string>
#include <vector>

namespace qelvar {

enum class WaypointKind {
    User,         // a bare position
    Airport,      // ident: the ICAO code
    Vor,          // ident: the station's ident
    Ndb,          // ident: the beacon's ident
    Intersection, // ident: the intersection's name
    Navaid,       // a file that does not say which kind of navaid (FlightGear): any of the four above
};

struct RouteWaypoint {
    WaypointKind kind = WaypointKind::User;
    std::string ident;    // Windows-1252
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    std::optional<double> elevationFeet;
    bool positionKnown = true; // false: an airport named by its ICAO code alone
    UnitPoint at{};            // the map position the route holds for it
};

// Degrees of map units, each by one exact division.
double LatitudeOfY(int32_t y);
double LongitudeOfX(int32_t x);
// Map units of a position, rounded once; Overflow (6) outside the world's 32-bit range.
UnitPoint UnitsOfDegrees(double latitude, double longitude);

// A bare position at a map position, with its degrees from the map units.
RouteWaypoint UserWaypointAt(UnitPoint at);

// The route file's short kind names: "APT", "VOR", "NDB", "INT", "USR", "NAV".
std::string KindCode(WaypointKind kind);
std::optional<WaypointKind> KindOfCode(const std::string &code);

// The route point line of a route file: "#x|y" and, after it, the point's kind, ident, latitude,
// longitude and elevation ("#38880000|19440000|APT|EDDF|50.0365|8.5613|364"). Readers that know
// only "#x|y" ignore the rest.
std::string RoutePointLine(UnitPoint at, const RouteWaypoint *waypoint);
// The waypoint of a route point line: its identity when the line carries one, else a bare
// position at its map units; nothing when the line holds no two whole numbers.
std::optional<RouteWaypoint> WaypointOfPointLine(const std::string &line);

} // namespace qelvar
