// Building a route from picked points: the sheet lines, the route's points and its names.
#pragma once

#include "maps/route/route_model.h"

#include <string>
#include <vector>

namespace qelvar {

// Sets the line count to 0 and empties every sheet slot (the last-line memory stays).
void ResetRouteSheet(Route &route);

// Erases every route point and the sheet, for a new route.
void StartNewRoute(RouteModel &model);

// Adds a line unless it repeats the last one exactly; never past the sheet's 50 lines.
void AppendRouteLine(Route &route, const std::string &text);

// The growing sheet as the information box shows it: slots 0 ... line count, each with CR LF.
std::string SheetText(const Route &route);
// The completed sheet as the route box shows it, under its two header lines.
std::string RouteBoxText(const Route &route);

// The first two blank-separated words joined, at most 20 characters.
std::string ShortPointName(const std::string &description);

// What became of a picked point.
struct AddPointResult {
    bool added = false;
    std::string refusal; // why the point was not taken, when it was refused
};

// Feeds one picked point ("X|Y" position) into the route, or completes it in state 2. A point that
// would leave the sheet no room for its completion, or find no free route slot, is refused.
// `identity` says what the point is; without it the point is kept as a bare position.
AddPointResult AddRoutePoint(RouteModel &model, std::string description, const std::string &position,
                             const RouteWaypoint *identity = nullptr);

// The points of the route as it is drawn (slots 0 up to the first free one), each with its
// identity, or as a bare position where none belongs to it.
std::vector<RouteWaypoint> RouteWaypoints(const RouteModel &model);

inline constexpr const char *kSheetFullText =
    "The route sheet is full: this point was not added. Press RTE End to complete the route.";
inline constexpr const char *kPointsFullText =
    "The route holds 201 points, as many as it can: this point was not added.";

} // namespace qelvar
