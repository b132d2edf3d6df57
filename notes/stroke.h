// The strokes of the notes pad: a trail of dots while the left button is held, and the polyline
// through the same points when it is released, which closes the gaps of a fast hand.
#pragma once

#include "platform/canvas.h"

#include <array>

namespace qelvar {

struct StrokePoint {
    int x = 0, y = 0; // twips of the picture
};

// The points of the stroke being drawn.
struct StrokeBuffer {
    static constexpr int kCapacity = 1001; // points 0 … 1000
    std::array<StrokePoint, kCapacity> points{};
    int count = 0;
};

inline constexpr int kStrokeWidth = 3; // pixels
inline constexpr Rgb kStrokeColor{0, 0, 0};

// A move with the left button held: paints a dot of the stroke width at the point and records it.
// When the buffer is full, the points so far are drawn as a polyline at once and the stroke goes
// on from its last point, so that a long stroke is never cut short or broken.
void ContinueStroke(Canvas &canvas, StrokeBuffer &stroke, int x, int y);

// The button released: joins the recorded points in order by lines of the current width and
// empties the buffer. A stroke of fewer than two points draws nothing.
void EndStroke(Canvas &canvas, StrokeBuffer &stroke);

} // namespace qelvar
