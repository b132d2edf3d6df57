#include "map_view.h"

#include "platform/numbers.h"

namespace qelvar {

void SetWorldView(MapView &view) {
    view.ExtentX = 77'760'000;
    view.ExtentY = 38'880'000;
    view.OriginX = 0;
    view.OriginY = 0;
    view.CentreX = RoundToInt32(view.ExtentX / 2.0);
    view.CentreY = RoundToInt32(view.ExtentY / 2.0);
    view.ZoomLevel = 12;
    view.ScaleX = view.ScaleY = 5000;
}

namespace {

// x * scale + origin in 32-bit arithmetic: Overflow (6) outside the range.
int32_t UnitsOf(int32_t twips, int32_t scale, int32_t origin) {
    return CheckedInt32(static_cast<int64_t>(twips) * scale + origin);
}

} // namespace

UnitPoint ToMap(const MapView &view, float x, float y) {
    return {UnitsOf(RoundToInt32(x), view.ScaleX, view.OriginX),
            UnitsOf(RoundToInt32(y), view.ScaleY, view.OriginY)};
}

UnitPoint ToMapExact(const MapView &view, float x, float y) {
    return {RoundToInt32(static_cast<double>(x) * view.ScaleX + view.OriginX),
            RoundToInt32(static_cast<double>(y) * view.ScaleY + view.OriginY)};
}

void ZoomInAt(MapView &view, const ZoomScaleTable &scales, int32_t x, int32_t y) {
    if (view.ScaleX > 2) {
        view.CentreX = UnitsOf(x, view.ScaleX, view.OriginX);
        view.CentreY = UnitsOf(y, view.ScaleY, view.OriginY);
        view.ExtentX = RoundToInt32(view.ExtentX / 2.0);
        view.ExtentY = RoundToInt32(view.ExtentY / 2.0);
        view.OriginX = RoundToInt32(view.CentreX - view.ExtentX / 2.0);
        view.OriginY = RoundToInt32(view.CentreY - view.ExtentY / 2.0);
        view.ZoomLevel -= 1;
        view.ScaleX = view.ScaleY = scales[view.ZoomLevel];
    } else {
        view.ScaleX = 2;
    }
}

void ZoomOutAt(MapView &view, const ZoomScaleTable &scales, int32_t x, int32_t y) {
    if (view.ScaleX < 5000) {
        view.CentreX = UnitsOf(x, view.ScaleX, view.OriginX);
        view.CentreY = UnitsOf(y, view.ScaleY, view.OriginY);
        view.ExtentX = CheckedInt32(2 * static_cast<int64_t>(view.ExtentX));
        view.ExtentY = CheckedInt32(2 * static_cast<int64_t>(view.ExtentY));
        view.OriginX = RoundToInt32(view.CentreX - view.ExtentX / 2.0);
        view.OriginY = RoundToInt32(view.CentreY - view.ExtentY / 2.0);
        view.ZoomLevel += 1;
        view.ScaleX = view.ScaleY = scales[view.ZoomLevel];
    } else {
        view.ScaleX = 5000;
    }
}

void CentreAt(MapView &view, int32_t x, int32_t y) {
    int32_t dX = view.CentreX - view.OriginX;
    int32_t dY = view.CentreY - view.OriginY;
    view.CentreX = UnitsOf(x, view.ScaleX, view.OriginX);
    view.CentreY = UnitsOf(y, view.ScaleY, view.OriginY);
    view.OriginX = CheckedInt32(static_cast<int64_t>(view.CentreX) - dX);
    view.OriginY = CheckedInt32(static_cast<int64_t>(view.CentreY) - dY);
}

} // namespace qelvar
