// Thinning polylines to fit a fixed number of file lines.
#pragma once

#include "sources.h"

#include <cstddef>
#include <vector>

namespace qelvar::import {

// Splits polylines where a segment would be drawn across the map: a jump over the antimeridian,
// a segment along the +/-180 meridian or along the southern map edge (the closure of Antarctica).
// Points on the antimeridian are pulled just inside it, so that none lands on map X = 0.
std::vector<GeoLine> SplitForFlatMap(const std::vector<GeoLine> &lines);

// Douglas-Peucker with the tolerance in degrees; the end points always stay. A closed ring is
// kept closed.
GeoLine Simplify(const GeoLine &line, double tolerance);

// The same with the tolerance in metres, for the small outlines of an airport: the points are
// measured in a flat plane that touches the earth at the first point.
GeoLine SimplifyMetres(const GeoLine &line, double toleranceMetres);

// The simplification with the smallest tolerance whose lines, each with one segment-start line
// in front, fit `budget` file lines. Lines that shrink to less than two distinct points, or to
// less than the tolerance across, are dropped.
std::vector<GeoLine> FitToBudget(const std::vector<GeoLine> &lines, size_t budget);

// The file lines the polylines take: their points plus one segment start each.
size_t FileLinesNeeded(const std::vector<GeoLine> &lines);

} // namespace qelvar::import
