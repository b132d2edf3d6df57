#include "scenery_fit.h"

#include "simplify.h"

#include <algorithm>

namespace qelvar::import {

size_t VertexRecords(const SceneryAirportModel &a) {
    size_t records = a.boundaryFence.empty() ? 0 : a.boundaryFence.size() + 1;
    for (const SceneryApron &apron : a.aprons)
        records += apron.vertices.size() + 1;
    return records;
}

size_t LegRecords(const SceneryAirportModel &a) {
    size_t legs = 0;
    for (const SceneryApproach &ap : a.approaches) {
        legs += ap.legs.size();
        for (const SceneryTransition &t : ap.transitions)
            legs += t.legs.size();
    }
    return legs;
}

size_t TransitionRecords(const SceneryAirportModel &a) {
    size_t transitions = 0;
    for (const SceneryApproach &ap : a.approaches)
        transitions += ap.transitions.size();
    return transitions;
}

namespace {

// An outline as a closed line for the simplification, and back.
SceneryRing SimplifiedRing(const SceneryRing &ring, double tolerance) {
    if (ring.size() < 3)
        return {};
    GeoLine closed = ring;
    closed.push_back(ring.front());
    GeoLine simple = SimplifyMetres(closed, tolerance);
    simple.pop_back();
    return simple.size() >= 3 ? simple : SceneryRing{};
}

SceneryAirportModel WithSimplifiedOutlines(const SceneryAirportModel &a, double tolerance) {
    SceneryAirportModel s = a;
    s.aprons.clear();
    for (const SceneryApron &apron : a.aprons) {
        SceneryRing ring = SimplifiedRing(apron.vertices, tolerance);
        if (!ring.empty())
            s.aprons.push_back({apron.surface, std::move(ring)});
    }
    s.boundaryFence = SimplifiedRing(a.boundaryFence, tolerance);
    return s;
}

template <class T> void CutTo(std::vector<T> &table, size_t capacity) {
    if (table.size() > capacity)
        table.resize(capacity);
}

void FitRunways(SceneryAirportModel &a) {
    constexpr size_t kPairs = SceneryCapacities::kStarts / 2;
    CutTo(a.runways, kPairs);
    CutTo(a.helipads, kPairs - a.runways.size());
    size_t ils = 0, vasis = 0;
    for (SceneryRunway &r : a.runways) {
        CutTo(r.ils, SceneryCapacities::kIls - ils);
        CutTo(r.vasis, SceneryCapacities::kVasis - vasis);
        ils += r.ils.size();
        vasis += r.vasis.size();
    }
}

void FitTaxiways(SceneryAirportModel &a) {
    CutTo(a.taxiPoints, SceneryCapacities::kTaxiPoints);
    CutTo(a.taxiNames, SceneryCapacities::kTaxiNames);
    CutTo(a.parking, SceneryCapacities::kParking);
    int points = static_cast<int>(a.taxiPoints.size()), names = static_cast<int>(a.taxiNames.size());
    int spots = static_cast<int>(a.parking.size());
    std::erase_if(a.taxiPaths, [&](const SceneryTaxiPath &p) {
        int endLimit = p.type == "PARKING" ? spots : points;
        bool badName = p.type != "RUNWAY" && (p.name < 0 || p.name >= names);
        return p.start < 0 || p.start >= points || p.end < 0 || p.end >= endLimit || badName;
    });
    CutTo(a.taxiPaths, SceneryCapacities::kPaths);
}

void FitApproaches(SceneryAirportModel &a) {
    CutTo(a.approaches, SceneryCapacities::kApproaches);
    while (!a.approaches.empty() && (LegRecords(a) > SceneryCapacities::kLegs ||
                                     TransitionRecords(a) > SceneryCapacities::kTransitions))
        a.approaches.pop_back();
    CutTo(a.waypoints, SceneryCapacities::kWaypoints);
    CutTo(a.ndbs, SceneryCapacities::kNdbs);
}

} // namespace

double FitToReaderCapacities(SceneryAirportModel &a, double toleranceMetres) {
    toleranceMetres = std::max(toleranceMetres, 0.01); // doubling must get somewhere
    SceneryAirportModel simple = WithSimplifiedOutlines(a, toleranceMetres);
    while (VertexRecords(simple) > SceneryCapacities::kVertices) {
        toleranceMetres *= 2;
        simple = WithSimplifiedOutlines(a, toleranceMetres);
    }
    a.aprons = std::move(simple.aprons);
    a.boundaryFence = std::move(simple.boundaryFence);
    CutTo(a.coms, SceneryCapacities::kComs);
    FitRunways(a);
    FitTaxiways(a);
    FitApproaches(a);
    return toleranceMetres;
}

} // namespace qelvar::import
