// The view state of the map picture (which part of the world it shows, at which scale), the
// conversions between map units and picture twips, and the view changes of a map click.
#pragma once

#include "platform/numbers.h"

#include <array>
#include <cstdint>
#include <vector>

namespace qelvar {

struct MapView {
    int32_t ScaleX = 5000; // map units per twip; always one of the twelve zoom scales
    int32_t ScaleY = 5000; // always the same as ScaleX
    int32_t ZoomLevel = 12;
    int32_t ExtentX = 77'760'000; // nominal view, map units
    int32_t ExtentY = 38'880'000;
    int32_t OriginX = 0; // map X at the left edge of the picture
    int32_t OriginY = 0; // map Y at the top edge
    int32_t CentreX = 38'880'000;
    int32_t CentreY = 19'440'000;
};

struct TwipPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct UnitPoint {
    int32_t X = 0;
    int32_t Y = 0;
};

using ZoomScaleTable = std::array<int32_t, 13>; // levels 1 ... 12

// The whole world at level 12, scale 5,000 (the view's initial values).
void SetWorldView(MapView &view);

// Picture position of a map position: round((X - OriginX) / ScaleX), half to even; the
// subtraction in 32 bits.
inline TwipPoint ToScreen(const MapView &view, int32_t X, int32_t Y) {
    int32_t dx = CheckedInt32(static_cast<int64_t>(X) - view.OriginX);
    int32_t dy = CheckedInt32(static_cast<int64_t>(Y) - view.OriginY);
    return {RoundToInt32(static_cast<double>(dx) / view.ScaleX),
            RoundToInt32(static_cast<double>(dy) / view.ScaleY)};
}
// Point objects and route points are drawn only right of and below the view origin (strictly);
// what lies beyond the right or bottom edge is left to the picture's own clipping.
inline bool PassesOriginTest(const MapView &view, int32_t X, int32_t Y) {
    return X > view.OriginX && Y > view.OriginY;
}

// Calls draw(index, entry, picture position) for the entries 0 ... count - 1 that pass the origin test.
template <typename Entry, typename Draw>
void ForEachPastOrigin(const std::vector<Entry> &entries, int32_t count, const MapView &view, Draw draw) {
    for (int32_t i = 0; i < count; ++i) {
        const Entry &entry = entries[i];
        if (PassesOriginTest(view, entry.X, entry.Y))
            draw(i, entry, ToScreen(view, entry.X, entry.Y));
    }
}

// Map position of a click: the twips rounded first, then X = x * ScaleX + OriginX in 32 bits.
UnitPoint ToMap(const MapView &view, float x, float y);
// Map position under the mouse: computed in double precision and rounded once.
UnitPoint ToMapExact(const MapView &view, float x, float y);

// The click actions (the caller redraws afterwards). x, y are the rounded twips of the click.
void ZoomInAt(MapView &view, const ZoomScaleTable &scales, int32_t x, int32_t y);
void ZoomOutAt(MapView &view, const ZoomScaleTable &scales, int32_t x, int32_t y);
void CentreAt(MapView &view, int32_t x, int32_t y);

} // namespace qelvar
