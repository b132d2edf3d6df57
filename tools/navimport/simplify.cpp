#include "simplify.h"

#include <algorithm>
#include <cmath>

namespace qelvar::import {

namespace {

constexpr double kEdgeLon = 179.9999;

bool OnAntimeridian(GeoPoint p) {
    return std::fabs(p.lon) >= 179.99999;
}
bool OnSouthEdge(GeoPoint p) {
    return p.lat <= -89.99;
}

bool Drawable(GeoPoint a, GeoPoint b) {
    if (std::fabs(a.lon - b.lon) > 180)
        return false;
    if (OnAntimeridian(a) && OnAntimeridian(b))
        return false;
    return !(OnSouthEdge(a) && OnSouthEdge(b));
}

void KeepIfLine(std::vector<GeoLine> &out, GeoLine &line) {
    if (line.size() >= 2)
        out.push_back(std::move(line));
    line.clear();
}

double DistanceToSegment(GeoPoint p, GeoPoint a, GeoPoint b) {
    double dx = b.lon - a.lon, dy = b.lat - a.lat;
    double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.lon - a.lon) * dx + (p.lat - a.lat) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    double ex = a.lon + t * dx - p.lon, ey = a.lat + t * dy - p.lat;
    return std::sqrt(ex * ex + ey * ey);
}

void KeepFarPoints(const GeoLine &line, size_t first, size_t last, double tolerance,
                   std::vector<bool> &keep) {
    if (last <= first + 1)
        return;
    double farthest = -1;
    size_t index = first;
    for (size_t i = first + 1; i < last; ++i) {
        double d = DistanceToSegment(line[i], line[first], line[last]);
        if (d > farthest) {
            farthest = d;
            index = i;
        }
    }
    if (farthest <= tolerance)
        return;
    keep[index] = true;
    KeepFarPoints(line, first, index, tolerance, keep);
    KeepFarPoints(line, index, last, tolerance, keep);
}

double Extent(const GeoLine &line) {
    auto [minLon, maxLon] =
        std::minmax_element(line.begin(), line.end(), [](GeoPoint a, GeoPoint b) { return a.lon < b.lon; });
    auto [minLat, maxLat] =
        std::minmax_element(line.begin(), line.end(), [](GeoPoint a, GeoPoint b) { return a.lat < b.lat; });
    return std::hypot(maxLon->lon - minLon->lon, maxLat->lat - minLat->lat);
}

std::vector<GeoLine> SimplifyAll(const std::vector<GeoLine> &lines, double tolerance) {
    std::vector<GeoLine> result;
    for (const GeoLine &line : lines) {
        GeoLine simple = Simplify(line, tolerance);
        if (simple.size() >= 2 && Extent(simple) > tolerance)
            result.push_back(std::move(simple));
    }
    return result;
}

} // namespace

std::vector<GeoLine> SplitForFlatMap(const std::vector<GeoLine> &lines) {
    std::vector<GeoLine> result;
    for (const GeoLine &line : lines) {
        GeoLine current;
        for (size_t i = 0; i < line.size(); ++i) {
            GeoPoint p = line[i];
            if (i > 0 && !Drawable(line[i - 1], p))
                KeepIfLine(result, current);
            p.lon = std::clamp(p.lon, -kEdgeLon, kEdgeLon);
            current.push_back(p);
        }
        KeepIfLine(result, current);
    }
    return result;
}

GeoLine Simplify(const GeoLine &line, double tolerance) {
    if (line.size() < 3)
        return line;
    std::vector<bool> keep(line.size(), false);
    keep.front() = keep.back() = true;
    if (line.front() == line.back()) {
        // A closed ring: split it at the point farthest from its start.
        size_t far = 1;
        double best = -1;
        for (size_t i = 1; i + 1 < line.size(); ++i) {
            double d = std::hypot(line[i].lon - line[0].lon, line[i].lat - line[0].lat);
            if (d > best) {
                best = d;
                far = i;
            }
        }
        keep[far] = true;
        KeepFarPoints(line, 0, far, tolerance, keep);
        KeepFarPoints(line, far, line.size() - 1, tolerance, keep);
    } else {
        KeepFarPoints(line, 0, line.size() - 1, tolerance, keep);
    }
    GeoLine simple;
    for (size_t i = 0; i < line.size(); ++i)
        if (keep[i])
            simple.push_back(line[i]);
    return simple;
}

GeoLine SimplifyMetres(const GeoLine &line, double toleranceMetres) {
    if (line.size() < 3)
        return line;
    constexpr double kMetresPerDegree = 6'371'008.8 * 3.14159265358979323846 / 180;
    GeoPoint origin = line.front();
    double shrink = std::cos(origin.lat * 3.14159265358979323846 / 180);
    GeoLine flat;
    flat.reserve(line.size());
    for (GeoPoint p : line)
        flat.push_back(
            {(p.lon - origin.lon) * shrink * kMetresPerDegree, (p.lat - origin.lat) * kMetresPerDegree});
    GeoLine simple = Simplify(flat, toleranceMetres);
    // Map the kept points back by their place in the line, so that their degrees stay exact.
    GeoLine result;
    size_t next = 0;
    for (GeoPoint q : simple) {
        while (!(flat[next] == q))
            ++next;
        result.push_back(line[next++]);
    }
    return result;
}

size_t FileLinesNeeded(const std::vector<GeoLine> &lines) {
    size_t needed = 0;
    for (const GeoLine &line : lines)
        needed += line.size() + 1;
    return needed;
}

std::vector<GeoLine> FitToBudget(const std::vector<GeoLine> &lines, size_t budget) {
    if (FileLinesNeeded(lines) <= budget)
        return lines;
    // The number of lines falls as the tolerance grows: search the smallest tolerance that fits.
    double low = 0, high = 1.0;
    while (FileLinesNeeded(SimplifyAll(lines, high)) > budget)
        high *= 2;
    for (int step = 0; step < 40; ++step) {
        double middle = (low + high) / 2;
        if (FileLinesNeeded(SimplifyAll(lines, middle)) > budget)
            low = middle;
        else
            high = middle;
    }
    return SimplifyAll(lines, high);
}

} // namespace qelvar::import
