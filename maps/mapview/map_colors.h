// The colours of the map picture's layers (red, green, blue).
#pragma once

#include "platform/canvas.h"

namespace qelvar {

inline constexpr Rgb kCentreMarkColor{255, 255, 0};
inline constexpr Rgb kCoastColor{0, 0, 255};
inline constexpr Rgb kBorderColor{0, 0, 0};
inline constexpr Rgb kRunwayLayerColor{128, 128, 128};
inline constexpr Rgb kRunwayColor{0, 0, 0};
inline constexpr Rgb kRouteColor{255, 0, 255};
inline constexpr Rgb kMarkerColor{255, 128, 128};
inline constexpr Rgb kHillColor{97, 97, 97};
inline constexpr Rgb kHillLabelColor{255, 192, 128};
inline constexpr Rgb kVorColor{0, 0, 255};
inline constexpr Rgb kNdbColor{255, 0, 0};
inline constexpr Rgb kIlsColor{0, 255, 0};
inline constexpr Rgb kIlsLabelColor{255, 0, 255};
inline constexpr Rgb kIntersectionColor{255, 68, 128};
inline constexpr Rgb kIntersectionLabelColor{192, 0, 192};
inline constexpr Rgb kInternationalColor{0, 0, 0};
inline constexpr Rgb kLocalColor{64, 64, 64};

} // namespace qelvar
