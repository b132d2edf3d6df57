#include "maps/route/route_waypoint.h"

#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace qelvar {

namespace {

constexpr double kUnits = 216'000.0;

struct KindName {
    WaypointKind kind;
    const char *code;
};
constexpr KindName kKindCodes[] = {
    {WaypointKind::Airport, "APT"},      {WaypointKind::Vor, "VOR"},  {WaypointKind::Ndb, "NDB"},
    {WaypointKind::Intersection, "INT"}, {WaypointKind::User, "USR"}, {WaypointKind::Navaid, "NAV"},
};

// The shortest text that reads back as the same double.
std::string ExactDecimal(double value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : "0";
}

std::optional<double> ReadDouble(const std::string &text) {
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

double LatitudeOfY(int32_t y) {
    return (19'440'000.0 - y) / kUnits;
}

double LongitudeOfX(int32_t x) {
    return (x - 38'880'000.0) / kUnits;
}

UnitPoint UnitsOfDegrees(double latitude, double longitude) {
    return {RoundToInt32(38'880'000.0 + longitude * kUnits), RoundToInt32(19'440'000.0 - latitude * kUnits)};
}

RouteWaypoint UserWaypointAt(UnitPoint at) {
    RouteWaypoint w;
    w.latitude = LatitudeOfY(at.Y);
    w.longitude = LongitudeOfX(at.X);
    w.at = at;
    return w;
}

std::string KindCode(WaypointKind kind) {
    for (const KindName &k : kKindCodes)
        if (k.kind == kind)
            return k.code;
    return "USR";
}

std::optional<WaypointKind> KindOfCode(const std::string &code) {
    for (const KindName &k : kKindCodes)
        if (code == k.code)
            return k.kind;
    return std::nullopt;
}

std::string RoutePointLine(UnitPoint at, const RouteWaypoint *waypoint) {
    std::string line = "#" + std::to_string(at.X) + "|" + std::to_string(at.Y);
    // A bare position without a name of its own is all said by its map units.
    if (!waypoint ||
        (waypoint->kind == WaypointKind::User && waypoint->ident.empty() && !waypoint->elevationFeet &&
         waypoint->latitude == LatitudeOfY(at.Y) && waypoint->longitude == LongitudeOfX(at.X)))
        return line;
    std::string ident = waypoint->ident;
    // The ident must not end the line or open a new field.
    std::replace_if(
        ident.begin(), ident.end(),
        [](char c) { return c == '|' || c == '#' || static_cast<unsigned char>(c) < 0x20; }, ' ');
    line += "|" + KindCode(waypoint->kind) + "|" + ident + "|" + ExactDecimal(waypoint->latitude) + "|" +
            ExactDecimal(waypoint->longitude) + "|" +
            (waypoint->elevationFeet ? ExactDecimal(*waypoint->elevationFeet) : std::string());
    return line;
}

std::optional<RouteWaypoint> WaypointOfPointLine(const std::string &line) {
    std::string text = line;
    text.erase(std::remove(text.begin(), text.end(), '#'), text.end());
    std::vector<std::string> parts = SplitFields(text, '|');
    if (parts.size() < 2)
        return std::nullopt;
    UnitPoint at;
    try {
        at = {ParseWholeNumber(parts[0]), ParseWholeNumber(parts[1])};
        if (static_cast<double>(at.X) != ParseDecimal(parts[0]) ||
            static_cast<double>(at.Y) != ParseDecimal(parts[1]))
            return std::nullopt;
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
    RouteWaypoint w = UserWaypointAt(at);
    if (parts.size() < 7)
        return w;
    std::optional<WaypointKind> kind = KindOfCode(parts[2]);
    std::optional<double> lat = ReadDouble(parts[4]);
    std::optional<double> lon = ReadDouble(parts[5]);
    // An identity whose position does not belong to the point's map units is not this point's.
    if (!kind || !lat || !lon || std::fabs(*lat - w.latitude) > 0.01 || std::fabs(*lon - w.longitude) > 0.01)
        return w;
    w.kind = *kind;
    w.ident = parts[3];
    w.latitude = *lat;
    w.longitude = *lon;
    w.elevationFeet = ReadDouble(parts[6]);
    return w;
}

} // namespace qelvar
