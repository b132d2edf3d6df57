#include "maps/exchange/route_import.h"

#include "maps/exchange/route_exchange.h"
#include "maps/mapview/geometry.h"
#include "maps/mapview/picking.h"
#include "maps/route/flight_plan.h"
#include "maps/route/route_building.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

#include <cmath>
#include <functional>

namespace qelvar {

namespace {

std::string Upper(std::string text) {
    for (char &c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

double NmBetween(const RouteWaypoint &w, int32_t x, int32_t y) {
    // The distance formula takes longitudes west-positive.
    return GreatCircleDistance(w.latitude, LatitudeOfY(y), -w.longitude, -LongitudeOfX(x));
}

// Calls visit(kind, index, ident, x, y) for every object of the tables a waypoint kind may match.
void ForEachObject(
    const NavDatabase &db, WaypointKind kind,
    const std::function<void(const std::string &, int32_t, const std::string &, int32_t, int32_t)> &visit) {
    bool any = kind == WaypointKind::Navaid;
    if (any || kind == WaypointKind::Airport)
        for (int32_t i = 0; i < db.AirportTable.AirportCount; ++i) {
            const Airport &a = db.AirportTable.entries[i];
            visit(a.Type == "AD" ? "AD" : "AD-LOK", i, a.LocationIndicator, a.X, a.Y);
        }
    if (any || kind == WaypointKind::Vor)
        for (int32_t i = 0; i < db.VorTable.count; ++i)
            visit("VOR", i, db.VorTable.entries[i].Text6, db.VorTable.entries[i].X, db.VorTable.entries[i].Y);
    if (any || kind == WaypointKind::Ndb)
        for (int32_t i = 0; i < db.NdbTable.count; ++i)
            visit("NDB", i, db.NdbTable.entries[i].Text6, db.NdbTable.entries[i].X, db.NdbTable.entries[i].Y);
    if (any || kind == WaypointKind::Intersection)
        for (int32_t i = 0; i < db.IntersectionTable.count; ++i) {
            const Intersection &fix = db.IntersectionTable.entries[i];
            visit("INT", i, fix.Name, fix.X, fix.Y);
        }
}

std::string Trimmed(const std::string &text) {
    size_t end = text.find_last_not_of("\r\n ");
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

WaypointKind KindOfPickDescription(const std::string &description) {
    if (description.rfind("ARPT-", 0) == 0)
        return WaypointKind::Airport;
    if (description.rfind("VOR", 0) == 0)
        return WaypointKind::Vor;
    if (description.rfind("NDB", 0) == 0)
        return WaypointKind::Ndb;
    if (description.rfind("INT-", 0) == 0)
        return WaypointKind::Intersection;
    return WaypointKind::User;
}

std::string Position(UnitPoint at) {
    return std::to_string(at.X) + "|" + std::to_string(at.Y);
}

} // namespace

std::optional<KitObject> MatchKitObject(const NavDatabase &db, const RouteWaypoint &waypoint) {
    if (waypoint.kind == WaypointKind::User || waypoint.ident.empty())
        return std::nullopt;
    std::string ident = Upper(waypoint.ident);
    std::optional<KitObject> best;
    double bestNm = kMatchRadiusNm;
    ForEachObject(
        db, waypoint.kind,
        [&](const std::string &kind, int32_t index, const std::string &objectIdent, int32_t x, int32_t y) {
            if (Upper(objectIdent) != ident)
                return;
            if (!waypoint.positionKnown) {
                if (!best)
                    best = KitObject{kind, index};
                return;
            }
            double nm = NmBetween(waypoint, x, y);
            if (nm <= bestNm) {
                bestNm = nm;
                best = KitObject{kind, index};
            }
        });
    return best;
}

RouteWaypoint WaypointOfKitObject(const NavDatabase &db, const KitObject &object) {
    RouteWaypoint w;
    UnitPoint at;
    if (object.kind == "VOR") {
        const VorStation &v = db.VorTable.entries[object.index];
        w.kind = WaypointKind::Vor;
        w.ident = v.Text6;
        at = {v.X, v.Y};
    } else if (object.kind == "NDB") {
        const NdbStation &n = db.NdbTable.entries[object.index];
        w.kind = WaypointKind::Ndb;
        w.ident = n.Text6;
        at = {n.X, n.Y};
    } else if (object.kind == "INT") {
        const Intersection &fix = db.IntersectionTable.entries[object.index];
        w.kind = WaypointKind::Intersection;
        w.ident = fix.Name;
        at = {fix.X, fix.Y};
    } else {
        const Airport &a = db.AirportTable.entries[object.index];
        w.kind = WaypointKind::Airport;
        w.ident = a.LocationIndicator;
        at = {a.X, a.Y};
        try {
            w.elevationFeet = ParseDecimal(a.Elevation);
        } catch (const RuntimeError &) {
        }
    }
    w.latitude = LatitudeOfY(at.Y);
    w.longitude = LongitudeOfX(at.X);
    w.at = at;
    return w;
}

RouteWaypoint IdentifyPickedPoint(const NavDatabase &db, const std::string &description,
                                  const std::string &position) {
    UnitPoint at;
    std::vector<std::string> parts = SplitFields(position, '|');
    try {
        if (parts.size() < 2)
            return {};
        at = {ParseWholeNumber(parts[0]), ParseWholeNumber(parts[1])};
    } catch (const RuntimeError &) {
        return {};
    }
    RouteWaypoint found = UserWaypointAt(at);
    WaypointKind kind = KindOfPickDescription(description);
    if (kind == WaypointKind::User)
        return found;
    std::string wanted = Trimmed(description);
    bool done = false;
    ForEachObject(
        db, kind,
        [&](const std::string &objectKind, int32_t index, const std::string &, int32_t x, int32_t y) {
            if (done || x != at.X || y != at.Y)
                return;
            PickCandidate c = PickCandidateOf(db, objectKind, index);
            if (Trimmed(c.description) == wanted || Trimmed(c.listText) == wanted) {
                found = WaypointOfKitObject(db, {objectKind, index});
                done = true;
            }
        });
    return found;
}

RouteWaypoint IdentifyByPosition(const NavDatabase &db, const RouteWaypoint &point) {
    if (point.kind != WaypointKind::User || !point.ident.empty())
        return point;
    std::optional<KitObject> found;
    ForEachObject(db, WaypointKind::Navaid,
                  [&](const std::string &kind, int32_t index, const std::string &, int32_t x, int32_t y) {
                      if (!found && x == point.at.X && y == point.at.Y)
                          found = KitObject{kind, index};
                  });
    return found ? WaypointOfKitObject(db, *found) : point;
}

ImportOutcome BuildRouteFromWaypoints(const NavDatabase &db, RouteModel &model,
                                      const std::vector<RouteWaypoint> &waypoints, int leftOut) {
    if (waypoints.size() < 2)
        return {false, "it holds " + std::to_string(waypoints.size()) +
                           (waypoints.size() == 1 ? " waypoint" : " waypoints") +
                           "; a route needs at least two"};
    if (waypoints.size() > kMostImportedPoints)
        return {false, "it holds " + std::to_string(waypoints.size()) + " waypoints; a route holds at most " +
                           std::to_string(kMostImportedPoints) + " (the sheet's 50 lines)"};
    auto built = std::make_unique<RouteModel>(model);
    StartNewRoute(*built);
    int matched = 0;
    for (size_t i = 0; i < waypoints.size(); ++i) {
        const RouteWaypoint &w = waypoints[i];
        std::string description = kPositionUnderCursor;
        RouteWaypoint identity = w;
        std::string position;
        if (std::optional<KitObject> object = MatchKitObject(db, w)) {
            ++matched;
            description = PickCandidateOf(db, object->kind, object->index).description;
            identity = WaypointOfKitObject(db, *object);
            position = Position(identity.at);
        } else if (!w.positionKnown) {
            return {false, "waypoint " + std::to_string(i + 1) + ", the airport " + w.ident +
                               ", is not in the kit's airport table and the file gives no position for it"};
        } else {
            identity.kind = WaypointKind::User;
            try {
                position = Position(UnitsOfDegrees(w.latitude, w.longitude));
            } catch (const RuntimeError &) {
                return {false, "waypoint " + std::to_string(i + 1) + " lies off the map"};
            }
        }
        AddPointResult result;
        try {
            result = AddRoutePoint(*built, description, position, &identity);
        } catch (const RuntimeError &error) {
            return {false,
                    "waypoint " + std::to_string(i + 1) + " cannot be placed (" + error.Description() + ")"};
        }
        if (!result.added)
            return {false, result.refusal.empty() ? "the route did not take waypoint " + std::to_string(i + 1)
                                                  : result.refusal};
    }
    built->RouteState = kCompleting;
    AddRoutePoint(*built, "Route complete", "|");
    model = *built;
    int bare = static_cast<int>(waypoints.size()) - matched;
    std::string message = std::to_string(waypoints.size()) + " waypoints: " + std::to_string(matched) +
                          " of the kit's objects, " + std::to_string(bare) + " bare " +
                          (bare == 1 ? "position" : "positions");
    if (leftOut > 0)
        message += "; " + std::to_string(leftOut) + " entries of the file without a position were left out";
    return {true, message + "."};
}

PlanHeader PlanHeaderOf(const std::vector<RouteWaypoint> &waypoints) {
    PlanHeader header;
    if (waypoints.empty())
        return header;
    std::vector<RouteWaypoint> named = NamedForExport(waypoints);
    header.title = named.front().ident + " to " + named.back().ident;
    LegDegrees leg;
    double distance = 0;
    for (size_t i = 1; i < waypoints.size(); ++i)
        distance += LegDistance(leg, waypoints[i - 1].at, waypoints[i].at);
    double level = std::min(std::trunc(distance / 2 / 5) * 10, 400.0);
    header.cruisingAltitudeFeet = static_cast<int>(level) * 100;
    return header;
}

} // namespace qelvar
