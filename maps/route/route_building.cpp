#include "maps/route/route_building.h"

#include "maps/mapview/geometry.h"
#include "maps/mapview/picking.h"
#include "maps/route/flight_plan.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

namespace qelvar {

namespace {

constexpr int32_t kSummaryLines = 5;
const char *const kRouteBoxHeader =
    "     Qelvar Maps SIMULATION ROUTE\r\nDeparture ------------------------------\r\n";

UnitPoint ParsePosition(const std::string &position) {
    std::vector<std::string> parts = SplitFields(position, '|');
    if (parts.size() < 2)
        throw RuntimeError(kTypeMismatch);
    return {ParseWholeNumber(parts[0]), ParseWholeNumber(parts[1])};
}

int FirstFreeSlot(const RoutePointTable &points) {
    for (int i = 0; i < kRouteSlots; ++i)
        if (IsFreeSlot(points[i]))
            return i;
    return kRouteSlots;
}

// A point takes `lines` sheet lines and must leave room for the completion.
bool SheetHasRoomFor(const Route &route, int32_t lines) {
    return route.LineCount + lines + kSummaryLines <= kSheetLines;
}

void Complete(RouteModel &model) {
    for (const std::string &line : FlightPlanSummary(model.route.TotalDistance))
        AppendRouteLine(model.route, line);
    model.route.LastX = model.route.LastY = 0;
    model.route.TotalDistance = 0;
    model.DepartureName = model.DepartureName.substr(0, 15);
    model.ArrivalName = model.ArrivalName.substr(0, 15);
    model.RouteName = model.DepartureName + " to " + model.ArrivalName;
    model.RouteState = kWaitingForStart;
}

} // namespace

void ResetRouteSheet(Route &route) {
    route.LineCount = 0;
    route.RouteSheet.fill("");
}

void StartNewRoute(RouteModel &model) {
    model.RoutePoints.fill(UnitPoint{});
    model.Waypoints.fill(RouteWaypoint{});
    ResetRouteSheet(model.route);
    model.RouteState = kWaitingForStart;
}

void AppendRouteLine(Route &route, const std::string &text) {
    if (text == route.LastLine || route.LineCount >= kSheetLines)
        return;
    route.RouteSheet[route.LineCount] = text;
    route.LastLine = text;
    ++route.LineCount;
}

std::string SheetText(const Route &route) {
    std::string text;
    for (int32_t i = 0; i <= route.LineCount; ++i)
        text += route.RouteSheet[i] + "\r\n";
    return text;
}

std::string RouteBoxText(const Route &route) {
    return kRouteBoxHeader + SheetText(route);
}

std::string ShortPointName(const std::string &description) {
    std::vector<std::string> words = SplitFields(description, ' ');
    std::string name = words.size() > 1 ? words[0] + words[1] : words[0];
    return name.substr(0, 20);
}

AddPointResult AddRoutePoint(RouteModel &model, std::string description, const std::string &position,
                             const RouteWaypoint *identity) {
    Route &route = model.route;
    int slot = FirstFreeSlot(model.RoutePoints);
    if (description == kPositionUnderCursor) {
        UnitPoint at = ParsePosition(position);
        description = "UserPos: " + PositionText(at.X, at.Y, false);
    }
    switch (model.RouteState) {
    case kWaitingForStart:
    case kAddingPoints: {
        bool start = model.RouteState == kWaitingForStart;
        if (!SheetHasRoomFor(route, start ? 1 : 2))
            return {false, kSheetFullText};
        if (slot == kRouteSlots)
            return {false, kPointsFullText};
        UnitPoint at = ParsePosition(position);
        if (start) {
            AppendRouteLine(route, description);
            model.DepartureName = ShortPointName(description);
            model.RouteState = kAddingPoints;
        } else {
            double distance = LegDistance(model.leg, {route.LastX, route.LastY}, at);
            route.TotalDistance += distance;
            double out =
                InitialCourse(model.leg.lonFrom, model.leg.latFrom, model.leg.lonTo, model.leg.latTo);
            double back =
                InitialCourse(model.leg.lonTo, model.leg.latTo, model.leg.lonFrom, model.leg.latFrom);
            AppendRouteLine(route, LegLine(out, back, distance, route.TotalDistance));
            AppendRouteLine(route, description);
            model.ArrivalName = ShortPointName(description);
        }
        route.LastX = at.X;
        route.LastY = at.Y;
        model.RoutePoints[slot] = at;
        model.Waypoints[slot] = identity ? *identity : UserWaypointAt(at);
        model.Waypoints[slot].at = at;
        return {true, ""};
    }
    case kCompleting:
        Complete(model);
        return {true, ""};
    default:
        return {false, ""};
    }
}

std::vector<RouteWaypoint> RouteWaypoints(const RouteModel &model) {
    std::vector<RouteWaypoint> waypoints;
    for (int i = 0; i < kRouteSlots && !IsFreeSlot(model.RoutePoints[i]); ++i) {
        const UnitPoint &at = model.RoutePoints[i];
        const RouteWaypoint &w = model.Waypoints[i];
        waypoints.push_back(w.at.X == at.X && w.at.Y == at.Y ? w : UserWaypointAt(at));
    }
    return waypoints;
}

} // namespace qelvar
