#include "nav_lines.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace qelvar::import {

DegreesMinutes SplitDegrees(double value, int decimals) {
    double scale = std::pow(10.0, decimals);
    double a = std::fabs(value);
    DegreesMinutes dm;
    dm.degrees = static_cast<int>(std::floor(a));
    dm.minutes = std::round((a - dm.degrees) * 60 * scale) / scale;
    if (dm.minutes >= 60) {
        dm.degrees += 1;
        dm.minutes = 0;
    }
    dm.negative = value < 0 && (dm.degrees != 0 || dm.minutes != 0);
    return dm;
}

std::string SignedDegrees(const DegreesMinutes &dm) {
    return (dm.negative && dm.degrees != 0 ? "-" : "") + std::to_string(dm.degrees);
}

std::string SignedMinutes(const DegreesMinutes &dm, int decimals) {
    return FixedDecimals(dm.negative ? -dm.minutes : dm.minutes, decimals);
}

namespace {

std::string Padded(int value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
    return buffer;
}

std::string RightAligned(const std::string &text, size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

} // namespace

std::string PositionText(double lat, double lon) {
    DegreesMinutes la = SplitDegrees(lat, 2);
    DegreesMinutes lo = SplitDegrees(lon, 2);
    return std::string(la.negative ? "S" : "N") + Padded(la.degrees, 2) + " " + FixedDecimals(la.minutes, 2) +
           " " + (lo.negative ? "W" : "E") + Padded(lo.degrees, 3) + " " + FixedDecimals(lo.minutes, 2);
}

std::string RunwayLine(const std::string &identifier, double lat, double lon, int heading, int lengthMetres,
                       const std::string &text) {
    std::string id = identifier.substr(0, 9);
    id.resize(9, ' ');
    return id + RightAligned(FixedDecimals(lat, 6), 10) + RightAligned(FixedDecimals(lon, 6), 11) + " " +
           RightAligned(std::to_string(heading), 3) + " " + RightAligned(std::to_string(lengthMetres), 5) +
           text;
}

namespace {

constexpr double kEarthRadiusMetres = 6'371'008.8;
double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

} // namespace

double DistanceMetres(double lat1, double lon1, double lat2, double lon2) {
    double dLat = Radians(lat2 - lat1), dLon = Radians(lon2 - lon1);
    double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
               std::cos(Radians(lat1)) * std::cos(Radians(lat2)) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthRadiusMetres * std::asin(std::min(1.0, std::sqrt(h)));
}

double InitialTrueCourse(double lat1, double lon1, double lat2, double lon2) {
    double dLon = Radians(lon2 - lon1);
    double y = std::sin(dLon) * std::cos(Radians(lat2));
    double x = std::cos(Radians(lat1)) * std::sin(Radians(lat2)) -
               std::sin(Radians(lat1)) * std::cos(Radians(lat2)) * std::cos(dLon);
    double course = std::atan2(y, x) * 180 / std::numbers::pi;
    return course < 0 ? course + 360 : course;
}

GeoPoint DestinationPoint(GeoPoint from, double trueCourse, double metres) {
    double d = metres / kEarthRadiusMetres, c = Radians(trueCourse);
    double lat1 = Radians(from.lat), lon1 = Radians(from.lon);
    double lat2 = std::asin(std::sin(lat1) * std::cos(d) + std::cos(lat1) * std::sin(d) * std::cos(c));
    double lon2 = lon1 + std::atan2(std::sin(c) * std::sin(d) * std::cos(lat1),
                                    std::cos(d) - std::sin(lat1) * std::sin(lat2));
    double lon = lon2 * 180 / std::numbers::pi;
    lon = std::fmod(lon + 540, 360) - 180;
    return {lon, lat2 * 180 / std::numbers::pi};
}

double AlongTrackMetres(GeoPoint from, double trueCourse, GeoPoint p) {
    double d13 = DistanceMetres(from.lat, from.lon, p.lat, p.lon) / kEarthRadiusMetres;
    double c13 = Radians(InitialTrueCourse(from.lat, from.lon, p.lat, p.lon));
    double cross = std::asin(std::sin(d13) * std::sin(c13 - Radians(trueCourse)));
    double along = std::acos(std::clamp(std::cos(d13) / std::cos(cross), -1.0, 1.0));
    return (std::cos(c13 - Radians(trueCourse)) < 0 ? -along : along) * kEarthRadiusMetres;
}

} // namespace qelvar::import
