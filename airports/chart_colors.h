// The colours of the airport diagram and the approach chart (red, green, blue).
#pragma once

#include "platform/canvas.h"

namespace qelvar {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kDarkRed{192, 0, 0};
inline constexpr Rgb kOliveYellow{192, 192, 0};
inline constexpr Rgb kOrangeBrown{192, 64, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kDarkGrey{64, 64, 64};
inline constexpr Rgb kLightGrey{190, 190, 190};
inline constexpr Rgb kWhite{255, 255, 255};

} // namespace qelvar
