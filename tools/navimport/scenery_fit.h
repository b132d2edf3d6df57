// The table sizes of the kit's scenery reader, and fitting an airport into them.
#pragma once

#include "scenery_model.h"

#include <cstddef>

namespace qelvar::import {

struct SceneryCapacities {
    static constexpr size_t kRunways = 101, kStarts = 101, kComs = 101, kIls = 101, kVasis = 101;
    static constexpr size_t kTaxiPoints = 2001, kTaxiNames = 501, kParking = 5001, kPaths = 5001;
    static constexpr size_t kVertices = 5001;
    static constexpr size_t kApproaches = 51, kLegs = 1001, kTransitions = 1001, kWaypoints = 1001;
    static constexpr size_t kNdbs = 8001;
};

// The vertex records the aprons and the fence take: every vertex, one separator per apron, and
// the fence's closing vertex.
size_t VertexRecords(const SceneryAirportModel &airport);
size_t LegRecords(const SceneryAirportModel &airport);
size_t TransitionRecords(const SceneryAirportModel &airport);

// Simplifies the apron outlines and the fence with Douglas-Peucker at `toleranceMetres`, and
// further (doubling the tolerance) while the vertices do not fit; outlines that shrink below three
// vertices are dropped. Then cuts every other table to its capacity: runways (with helipads last)
// to 50 pairs of starts, the taxi network to its points, approaches from the last. Returns the
// tolerance that was used.
double FitToReaderCapacities(SceneryAirportModel &airport, double toleranceMetres);

} // namespace qelvar::import
