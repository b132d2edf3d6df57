#include "maps/exchange/fsx_plan.h"

#include <cmath>
#include <cstdio>
#include <regex>

namespace qelvar {

namespace {

struct TypeName {
    WaypointKind kind;
    const char *name;
};
constexpr TypeName kTypes[] = {
    {WaypointKind::Airport, "Airport"},           {WaypointKind::Vor, "VOR"},   {WaypointKind::Ndb, "NDB"},
    {WaypointKind::Intersection, "Intersection"}, {WaypointKind::User, "User"},
};

const char *TypeOf(WaypointKind kind) {
    for (const TypeName &t : kTypes)
        if (t.kind == kind)
            return t.name;
    return "Intersection"; // a navaid of no known kind
}

// "N50° 2' 0.00"": the hemisphere, whole degrees and minutes, seconds to the hundredth.
std::string Angle(double degrees, char positive, char negative) {
    long long hundredths = std::llround(std::fabs(degrees) * 360'000.0);
    char text[48];
    std::snprintf(text, sizeof text, "%c%lld\xB0 %lld' %lld.%02lld\"", degrees < 0 ? negative : positive,
                  hundredths / 360'000, hundredths / 6'000 % 60, hundredths / 100 % 60, hundredths % 100);
    return text;
}

double SignedDegrees(const std::string &hemisphere, const std::string &d, const std::string &m,
                     const std::string &s) {
    double value = std::stod(d) + std::stod(m) / 60 + std::stod(s) / 3600;
    return hemisphere == "S" || hemisphere == "W" ? -value : value;
}

} // namespace

std::string FsxPositionText(double latitude, double longitude, double elevationFeet) {
    char elevation[32];
    std::snprintf(elevation, sizeof elevation, "%+010.2f", elevationFeet);
    return Angle(latitude, 'N', 'S') + "," + Angle(longitude, 'E', 'W') + "," + elevation;
}

std::optional<FsxPosition> ReadFsxPosition(const std::string &text) {
    // Whatever stands for the degree, minute and second signs (files come in every encoding) is
    // skipped; the numbers and hemisphere letters carry the position.
    static const std::regex pattern(
        R"(^\s*([NS])\s*(\d{1,2})[^\d,]+(\d{1,2})[^\d,]+(\d{1,2}(?:\.\d*)?)[^\d,]*,)"
        R"(\s*([EW])\s*(\d{1,3})[^\d,]+(\d{1,2})[^\d,]+(\d{1,2}(?:\.\d*)?)[^\d,]*)"
        R"((?:,\s*([+-]?\d+(?:\.\d*)?))?\s*$)");
    if (text.size() > 200)
        return std::nullopt;
    std::smatch m;
    if (!std::regex_match(text, m, pattern))
        return std::nullopt;
    FsxPosition p;
    p.latitude = SignedDegrees(m[1], m[2], m[3], m[4]);
    p.longitude = SignedDegrees(m[5], m[6], m[7], m[8]);
    p.elevationFeet = m[9].matched ? std::stod(m[9]) : 0;
    if (!OnTheGlobe(p.latitude, p.longitude) || !std::isfinite(p.elevationFeet))
        return std::nullopt;
    return p;
}

ExchangeRead ReadFsxPlan(const XmlElement &root) {
    const XmlElement *plan = root.name == "SimBase.Document" ? root.Child("FlightPlan.FlightPlan") : nullptr;
    if (!plan)
        return ExchangeFailure(
            "it is not an FSX flight plan (no SimBase.Document with a FlightPlan.FlightPlan)");
    ExchangeRead read;
    int number = 0;
    for (const XmlElement &entry : plan->children) {
        if (entry.name != "ATCWaypoint")
            continue;
        ++number;
        RouteWaypoint w;
        std::string type = entry.ChildText("ATCWaypointType");
        w.kind = WaypointKind::User;
        bool known = false;
        for (const TypeName &t : kTypes)
            if (type == t.name) {
                w.kind = t.kind;
                known = true;
            }
        if (!known)
            return ExchangeFailure("waypoint " + std::to_string(number) + " has the unknown type \"" + type +
                                   "\"");
        const XmlElement *icao = entry.Child("ICAO");
        w.ident = icao && !icao->ChildText("ICAOIdent").empty() ? icao->ChildText("ICAOIdent")
                                                                : entry.Attribute("id");
        std::optional<FsxPosition> p = ReadFsxPosition(entry.ChildText("WorldPosition"));
        if (!p)
            return ExchangeFailure(
                "waypoint " + std::to_string(number) + " (" + w.ident +
                ") has no position of the form N50\xB0 2' 0.00\",E8\xB0 34' 14.00\",+000364.00");
        w.latitude = p->latitude;
        w.longitude = p->longitude;
        if (w.kind == WaypointKind::Airport)
            w.elevationFeet = p->elevationFeet;
        read.waypoints.push_back(std::move(w));
    }
    read.ok = true;
    return read;
}

// The waypoints come named (NamedForExport): bare positions too.
XmlElement FsxPlanDocument(const std::vector<RouteWaypoint> &waypoints, const PlanHeader &header) {
    XmlElement doc{"SimBase.Document", {}, {}, {}};
    doc.Set("Type", "AceXML").Set("version", "1,0");
    doc.Add("Descr", "AceXML Document");
    XmlElement &plan = doc.Add("FlightPlan.FlightPlan");
    const RouteWaypoint &from = waypoints.front();
    const RouteWaypoint &to = waypoints.back();
    const std::string &fromIdent = from.ident, &toIdent = to.ident;
    plan.Add("Title", header.title);
    plan.Add("FPType", "IFR");
    plan.Add("CruisingAlt", std::to_string(header.cruisingAltitudeFeet));
    plan.Add("DepartureID", fromIdent);
    plan.Add("DepartureLLA", FsxPositionText(from.latitude, from.longitude, from.elevationFeet.value_or(0)));
    plan.Add("DestinationID", toIdent);
    plan.Add("DestinationLLA", FsxPositionText(to.latitude, to.longitude, to.elevationFeet.value_or(0)));
    plan.Add("Descr", fromIdent + ", " + toIdent);
    plan.Add("DepartureName", fromIdent);
    plan.Add("DestinationName", toIdent);
    XmlElement &version = plan.Add("AppVersion");
    version.Add("AppVersionMajor", "10");
    version.Add("AppVersionBuild", "61472");
    for (size_t i = 0; i < waypoints.size(); ++i) {
        const RouteWaypoint &w = waypoints[i];
        const std::string &ident = w.ident;
        XmlElement &entry = plan.Add("ATCWaypoint");
        entry.Set("id", ident);
        entry.Add("ATCWaypointType", TypeOf(w.kind));
        entry.Add("WorldPosition", FsxPositionText(w.latitude, w.longitude, w.elevationFeet.value_or(0)));
        if (w.kind != WaypointKind::User)
            entry.Add("ICAO").Add("ICAOIdent", ident);
    }
    return doc;
}

} // namespace qelvar
