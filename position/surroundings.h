// What the windows decide from the position: whether the aircraft nears the edge of a picture
// (Follow), whether it stays on the ground, and which airport it stands at.
#pragma once

#include "position_state.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qelvar {

// Follow recentres when the aircraft comes within this part of the picture's width (height) of an
// edge, or leaves the picture.
inline constexpr double kFollowMargin = 1.0 / 8;
// On the ground: slower than this for that long (taxiing, or standing).
inline constexpr double kGroundSpeedBelowKt = 30;
inline constexpr std::chrono::seconds kGroundFor{10};
// An airport is offered when the aircraft stays on the ground within this distance of it.
inline constexpr double kOfferWithinNm = 5;

bool NearPictureEdge(double x, double y, double width, double height);

struct GroundWatch {
    std::optional<PositionTime> slowSince;
};

// True once the ground speed has stayed below kGroundSpeedBelowKt for kGroundFor; false without a
// known ground speed.
bool StaysOnGround(GroundWatch &watch, const AircraftFix &fix, PositionTime now);

struct KnownAirport {
    std::string icao;
    double latitude = 0, longitude = 0; // degrees, north and east positive
};

// The airport nearest to the position within maxNm, leaving out the one named `shown`.
std::optional<KnownAirport> NearestAirport(const std::vector<KnownAirport> &airports, double latitude,
                                           double longitude, double maxNm, const std::string &shown);

// The positions of the airports named in `idents`, from the lines of the airport table (arpt.nav:
// ICAO in field 3, longitude degrees and minutes in fields 6 and 7, latitude in 8 and 9; a minus
// on either part puts the position west or south). Lines that cannot be read are left out.
std::vector<KnownAirport> AirportPositions(const std::vector<std::string> &arptLines,
                                           const std::set<std::string> &idents);

struct GeoPoint {
    double latitude = 0, longitude = 0; // degrees, north and east positive
};

// The point the aircraft flies to along a path (a route, the fixes of an approach): the end of the
// leg nearest to the aircraft, measured on a flat map whose east-west scale is that of the
// aircraft's latitude. A path of one point gives that point; an empty one none.
std::optional<std::size_t> NextPathPoint(const std::vector<GeoPoint> &path, double latitude,
                                         double longitude);

} // namespace qelvar
