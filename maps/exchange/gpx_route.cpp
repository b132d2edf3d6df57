#include "maps/exchange/gpx_route.h"

#include <cmath>

namespace qelvar {

namespace {

constexpr double kFeetPerMetre = 1 / 0.3048;

struct TypeName {
    WaypointKind kind;
    const char *name;
};
constexpr TypeName kTypes[] = {
    {WaypointKind::Airport, "Airport"},
    {WaypointKind::Vor, "VOR"},
    {WaypointKind::Ndb, "NDB"},
    {WaypointKind::Intersection, "Intersection"},
    {WaypointKind::User, "User Waypoint"},
};

// A named point of no stated kind may be any of the kit's objects of that name.
WaypointKind KindOf(const XmlElement &point, const std::string &ident) {
    for (const std::string &field : {point.ChildText("type"), point.ChildText("sym")})
        for (const TypeName &t : kTypes)
            if (field == t.name)
                return t.kind;
    return ident.empty() ? WaypointKind::User : WaypointKind::Navaid;
}

} // namespace

ExchangeRead ReadGpxRoute(const XmlElement &root) {
    if (root.name != "gpx")
        return ExchangeFailure("it is not a GPX file (no gpx element)");
    const XmlElement *route = root.Child("rte");
    const XmlElement &list = route ? *route : root;
    const std::string pointName = route ? "rtept" : "wpt";
    ExchangeRead read;
    int number = 0;
    for (const XmlElement &point : list.children) {
        if (point.name != pointName)
            continue;
        ++number;
        std::optional<double> lat = XmlNumber(point.Attribute("lat"));
        std::optional<double> lon = XmlNumber(point.Attribute("lon"));
        if (!lat || !lon || !OnTheGlobe(*lat, *lon))
            return ExchangeFailure(pointName + " " + std::to_string(number) +
                                   " has no lat and lon on the globe");
        RouteWaypoint w;
        w.ident = point.ChildText("name");
        w.kind = KindOf(point, w.ident);
        w.latitude = *lat;
        w.longitude = *lon;
        if (std::optional<double> metres = XmlNumber(point.ChildText("ele")))
            w.elevationFeet = *metres * kFeetPerMetre;
        read.waypoints.push_back(std::move(w));
    }
    read.ok = true;
    return read;
}

XmlElement GpxRouteDocument(const std::vector<RouteWaypoint> &waypoints, const PlanHeader &header) {
    XmlElement doc{"gpx", {}, {}, {}};
    doc.Set("version", "1.1").Set("creator", "Qelvar Maps").Set("xmlns", "http://www.topografix.com/GPX/1/1");
    doc.Add("metadata").Add("name", header.title);
    XmlElement &route = doc.Add("rte");
    route.Add("name", header.title);
    for (const RouteWaypoint &w : waypoints) {
        XmlElement &point = route.Add("rtept");
        point.Set("lat", XmlNumberText(w.latitude)).Set("lon", XmlNumberText(w.longitude));
        if (w.elevationFeet)
            point.Add("ele", XmlNumberText(*w.elevationFeet / kFeetPerMetre));
        point.Add("name", w.ident);
        const char *type = "User Waypoint";
        for (const TypeName &t : kTypes)
            if (t.kind == w.kind)
                type = t.name;
        point.Add("sym", type);
        point.Add("type", type);
    }
    return doc;
}

} // namespace qelvar
