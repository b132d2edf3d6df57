#include "surroundings.h"

#include "leg.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qelvar {

namespace {

// "47", "-18.12", "31,80": the table writes either decimal separator.
std::optional<double> TableNumber(std::string text) {
    for (char &c : text)
        if (c == ',')
            c = '.';
    if (text.empty())
        return std::nullopt;
    char *end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> Degrees(const std::string &whole, const std::string &minutes, double limit) {
    std::optional<double> d = TableNumber(whole), m = TableNumber(minutes);
    if (!d || !m)
        return std::nullopt;
    bool negative = whole.find('-') != std::string::npos || minutes.find('-') != std::string::npos;
    double value = std::fabs(*d) + std::fabs(*m) / 60;
    if (value > limit)
        return std::nullopt;
    return negative ? -value : value;
}

std::vector<std::string> Fields(const std::string &line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ';')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

} // namespace

bool NearPictureEdge(double x, double y, double width, double height) {
    double mx = width * kFollowMargin, my = height * kFollowMargin;
    return x < mx || x > width - mx || y < my || y > height - my;
}

bool StaysOnGround(GroundWatch &watch, const AircraftFix &fix, PositionTime now) {
    if (!fix.groundSpeedKt || *fix.groundSpeedKt >= kGroundSpeedBelowKt) {
        watch.slowSince.reset();
        return false;
    }
    if (!watch.slowSince)
        watch.slowSince = now;
    return now - *watch.slowSince >= kGroundFor;
}

std::optional<KnownAirport> NearestAirport(const std::vector<KnownAirport> &airports, double latitude,
                                           double longitude, double maxNm, const std::string &shown) {
    std::optional<KnownAirport> nearest;
    double best = maxNm;
    double latWindow = maxNm / 60 + 0.01;
    for (const KnownAirport &a : airports) {
        if (std::fabs(a.latitude - latitude) > latWindow || a.icao == shown)
            continue;
        double distance = LegBetween(latitude, longitude, a.latitude, a.longitude).distanceNm;
        if (distance <= best) {
            best = distance;
            nearest = a;
        }
    }
    return nearest;
}

std::vector<KnownAirport> AirportPositions(const std::vector<std::string> &arptLines,
                                           const std::set<std::string> &idents) {
    std::vector<KnownAirport> airports;
    for (const std::string &line : arptLines) {
        std::vector<std::string> f = Fields(line);
        if (f.size() < 9 || !idents.count(f[2]))
            continue;
        std::optional<double> lon = Degrees(f[5], f[6], 180), lat = Degrees(f[7], f[8], 90);
        if (lon && lat)
            airports.push_back({f[2], *lat, *lon});
    }
    return airports;
}

std::optional<std::size_t> NextPathPoint(const std::vector<GeoPoint> &path, double latitude,
                                         double longitude) {
    if (path.empty())
        return std::nullopt;
    double east = std::cos(latitude * M_PI / 180);
    auto flat = [&](const GeoPoint &p) {
        return std::pair{(p.longitude - longitude) * east, p.latitude - latitude}; // the aircraft at 0, 0
    };
    std::size_t next = 0;
    double best = INFINITY;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        auto [ax, ay] = flat(path[i]);
        auto [bx, by] = flat(path[i + 1]);
        double dx = bx - ax, dy = by - ay, length2 = dx * dx + dy * dy;
        double t = length2 > 0 ? std::clamp(-(ax * dx + ay * dy) / length2, 0.0, 1.0) : 0.0;
        double cx = ax + t * dx, cy = ay + t * dy, d2 = cx * cx + cy * cy;
        if (d2 < best) {
            best = d2;
            next = i + 1;
        }
    }
    return next;
}

} // namespace qelvar
