// Between the kit's route and the neutral waypoint list: a file's waypoints become the kit's own
// objects (or bare positions) and are built into a route by the steps of a clicked route; a route's
// points become the waypoints a file is written from.
#pragma once

#include "maps/exchange/exchange_types.h"
#include "maps/navdata/nav_database.h"
#include "maps/route/route_model.h"

#include <optional>

namespace qelvar {

// An object of the kit's tables, by its hit-list kind ("AD", "AD-LOK", "VOR", "NDB", "INT").
struct KitObject {
    std::string kind;
    int32_t index = -1;
};

// A file's waypoint matches the object of the same kind and ident (a navaid of no stated kind:
// any of the four) that lies within 1 NM of the waypoint; the nearest one when there are several.
// An airport without a position matches by its ICAO code alone.
inline constexpr double kMatchRadiusNm = 1.0;
std::optional<KitObject> MatchKitObject(const NavDatabase &db, const RouteWaypoint &waypoint);

// The waypoint of a kit object: its kind, ident, degrees of its map position, an airport's elevation.
RouteWaypoint WaypointOfKitObject(const NavDatabase &db, const KitObject &object);

// What a picked point (its description and "X|Y" position, as the pick list gives them) is.
RouteWaypoint IdentifyPickedPoint(const NavDatabase &db, const std::string &description,
                                  const std::string &position);

// What a bare route point of a route file written before points kept their identity is: the
// kit's airport, VOR, NDB or intersection at exactly its map position, in that order; a bare
// position when there is none.
RouteWaypoint IdentifyByPosition(const NavDatabase &db, const RouteWaypoint &point);

// The most points a completed route holds: the start takes one sheet line, every further point two,
// the completion five, of the sheet's fifty.
inline constexpr size_t kMostImportedPoints = 23;

struct ImportOutcome {
    bool ok = false;
    std::string message; // why nothing was imported, or what became of the file's waypoints
};

// Builds the waypoints into a new, completed route, exactly as clicking them and pressing RTE End
// would. Fewer than two or more than the route holds, or an airport without a position that the kit
// does not know, leave the model as it was.
ImportOutcome BuildRouteFromWaypoints(const NavDatabase &db, RouteModel &model,
                                      const std::vector<RouteWaypoint> &waypoints, int leftOut = 0);

// The header of an exported plan: "EDDF to EDDM" from the first and last idents, and the cruising
// altitude from the sheet's maximum flight level for the route's whole distance.
PlanHeader PlanHeaderOf(const std::vector<RouteWaypoint> &waypoints);

} // namespace qelvar
