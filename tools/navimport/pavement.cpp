#include "pavement.h"

namespace qelvar::import {

namespace {

GeoPoint Mirrored(const AptPathNode &n) {
    return {2 * n.position.lon - n.control.lon, 2 * n.position.lat - n.control.lat};
}

GeoPoint Mix(GeoPoint a, GeoPoint b, double t) {
    return {a.lon + (b.lon - a.lon) * t, a.lat + (b.lat - a.lat) * t};
}

// De Casteljau on the control polygon.
GeoPoint CurvePoint(std::vector<GeoPoint> points, double t) {
    while (points.size() > 1) {
        for (size_t i = 0; i + 1 < points.size(); ++i)
            points[i] = Mix(points[i], points[i + 1], t);
        points.pop_back();
    }
    return points.front();
}

void AddPoint(SceneryRing &ring, GeoPoint p) {
    if (ring.empty() || !(ring.back() == p))
        ring.push_back(p);
}

} // namespace

SceneryRing FlattenRing(const std::vector<AptPathNode> &nodes) {
    SceneryRing ring;
    for (size_t i = 0; i < nodes.size(); ++i) {
        const AptPathNode &a = nodes[i];
        const AptPathNode &b = nodes[(i + 1) % nodes.size()];
        AddPoint(ring, a.position);
        std::vector<GeoPoint> control{a.position};
        if (a.bezier)
            control.push_back(a.control);
        if (b.bezier)
            control.push_back(Mirrored(b));
        control.push_back(b.position);
        if (control.size() == 2)
            continue;
        for (int k = 1; k < kBezierPieces; ++k)
            AddPoint(ring, CurvePoint(control, static_cast<double>(k) / kBezierPieces));
    }
    while (ring.size() > 1 && ring.back() == ring.front())
        ring.pop_back();
    return ring;
}

} // namespace qelvar::import
