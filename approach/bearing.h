// The offset of a point at a distance and bearing from another, as the chart draws arrowheads.
#pragma once

#include "airports/chart_frame.h"

namespace qelvar {

// (round(length × sin h), −round(length × cos h)) twips for the bearing h in degrees (0 up, 90 to the
// right), halves to even. Worked out per quadrant from the sine of the angle to the nearer axis, so
// that the four quadrants mirror each other exactly and the axes give exact zeros.
PicturePoint BearingOffset(int lengthTwips, double bearingDegrees);

} // namespace qelvar
