// apt.dat outlines as plain polygons: every Bezier segment flattened into straight pieces.
#pragma once

#include "apt_scenery.h"
#include "scenery_model.h"

namespace qelvar::import {

// Straight pieces per curved segment; Douglas-Peucker thins them afterwards.
constexpr int kBezierPieces = 8;

// The closed ring of nodes as an open list of points (the first point is not repeated). A segment
// from node A to node B is a cubic curve when both carry control points (B's control mirrored for
// its incoming side), a quadratic one when one of them does, and straight otherwise.
SceneryRing FlattenRing(const std::vector<AptPathNode> &ring);

} // namespace qelvar::import
