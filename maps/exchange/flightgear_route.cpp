#include "maps/exchange/flightgear_route.h"

#include <cmath>

namespace qelvar {

namespace {

RouteWaypoint AirportByIdent(const std::string &icao) {
    RouteWaypoint w;
    w.kind = WaypointKind::Airport;
    w.ident = icao;
    w.positionKnown = false;
    return w;
}

XmlElement &Typed(XmlElement &parent, const char *name, const char *type, std::string value) {
    return parent.Add(name, std::move(value)).Set("type", type);
}

bool SameAirport(const RouteWaypoint &w, const std::string &icao) {
    return w.kind == WaypointKind::Airport && w.ident == icao;
}

} // namespace

ExchangeRead ReadFlightGearRoute(const XmlElement &root) {
    const XmlElement *route = root.name == "PropertyList" ? root.Child("route") : nullptr;
    if (!route)
        return ExchangeFailure("it is not a FlightGear route (no PropertyList with a route)");
    ExchangeRead read;
    int number = 0;
    for (const XmlElement &wp : route->children) {
        if (wp.name != "wp")
            continue;
        ++number;
        std::string type = wp.ChildText("type");
        if (type == "runway") {
            // A runway stands for its airport.
            if (!wp.ChildText("icao").empty()) {
                if (read.waypoints.empty() || !SameAirport(read.waypoints.back(), wp.ChildText("icao")))
                    read.waypoints.push_back(AirportByIdent(wp.ChildText("icao")));
            } else {
                ++read.leftOut;
            }
            continue;
        }
        std::optional<double> lat = XmlNumber(wp.ChildText("lat"));
        std::optional<double> lon = XmlNumber(wp.ChildText("lon"));
        if (!lat || !lon) {
            ++read.leftOut; // procedure legs (headings, intercepts, discontinuities) have no position
            continue;
        }
        if (!OnTheGlobe(*lat, *lon))
            return ExchangeFailure("wp " + std::to_string(number) + " lies off the globe");
        RouteWaypoint w;
        w.kind = type == "navaid" ? WaypointKind::Navaid : WaypointKind::User;
        w.ident = wp.ChildText("ident");
        if (w.kind == WaypointKind::Navaid && w.ident.empty())
            w.kind = WaypointKind::User;
        w.latitude = *lat;
        w.longitude = *lon;
        read.waypoints.push_back(std::move(w));
    }
    std::string departure = root.Child("departure") ? root.Child("departure")->ChildText("airport") : "";
    std::string destination =
        root.Child("destination") ? root.Child("destination")->ChildText("airport") : "";
    auto startsWithDeparture = [&] {
        const RouteWaypoint &w = read.waypoints.front();
        return SameAirport(w, departure) || (w.kind == WaypointKind::Navaid && w.ident == departure);
    };
    auto endsWithDestination = [&] {
        const RouteWaypoint &w = read.waypoints.back();
        return SameAirport(w, destination) || (w.kind == WaypointKind::Navaid && w.ident == destination);
    };
    if (!departure.empty() && (read.waypoints.empty() || !startsWithDeparture()))
        read.waypoints.insert(read.waypoints.begin(), AirportByIdent(departure));
    if (!destination.empty() && (read.waypoints.size() < 2 || !endsWithDestination()))
        read.waypoints.push_back(AirportByIdent(destination));
    read.ok = true;
    return read;
}

XmlElement FlightGearRouteDocument(const std::vector<RouteWaypoint> &waypoints, const PlanHeader &header) {
    XmlElement doc{"PropertyList", {}, {}, {}};
    Typed(doc, "version", "int", "2");
    // The route manager keeps airports at the ends as departure and destination, not as legs.
    size_t first = 0, last = waypoints.size();
    if (waypoints.front().kind == WaypointKind::Airport) {
        Typed(doc.Add("departure"), "airport", "string", waypoints.front().ident);
        first = 1;
    }
    if (waypoints.back().kind == WaypointKind::Airport && last - first >= 1) {
        Typed(doc.Add("destination"), "airport", "string", waypoints.back().ident);
        --last;
    }
    Typed(doc.Add("cruise"), "altitude-ft", "int", std::to_string(header.cruisingAltitudeFeet));
    XmlElement &route = doc.Add("route");
    for (size_t i = first; i < last; ++i) {
        const RouteWaypoint &w = waypoints[i];
        bool navaid = w.kind != WaypointKind::User;
        XmlElement &wp = route.Add("wp");
        if (i > first)
            wp.Set("n", std::to_string(i - first));
        Typed(wp, "type", "string", navaid ? "navaid" : "basic");
        Typed(wp, "ident", "string", w.ident.empty() ? "WP" + std::to_string(i + 1) : w.ident);
        Typed(wp, "lon", "double", XmlNumberText(w.longitude));
        Typed(wp, "lat", "double", XmlNumberText(w.latitude));
    }
    return doc;
}

} // namespace qelvar
