// The view state of the map picture: which part of the world it shows and at which scale.
#pragma once

#include <cstdint>

namespace qelvar {

struct MapView {
    int32_t ScaleX = 5000; // map units per twip
    int32_t ScaleY = 5000; // always the same as ScaleX
    int32_t ZoomLevel = 12;
    int32_t ExtentX = 77'760'000; // nominal view, map units
    int32_t ExtentY = 38'880'000;
    int32_t OriginX = 0; // map X at the left edge of the picture
    int32_t OriginY = 0; // map Y at the top edge
    int32_t CentreX = 38'880'000;
    int32_t CentreY = 19'440'000;
};

// The whole world at level 12, scale 5,000.
void SetWorldView(MapView &view);

} // namespace qelvar
