#include "bearing.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qelvar {

namespace {

double SinDegrees(double degrees) {
    return std::sin(degrees * std::numbers::pi / 180.0);
}

} // namespace

PicturePoint BearingOffset(int lengthTwips, double bearingDegrees) {
    double h = std::fmod(bearingDegrees, 360.0);
    if (h < 0)
        h += 360.0;
    int quadrant = std::min(static_cast<int>(h / 90.0), 3);
    double a = h - 90.0 * quadrant; // 0 <= a < 90 from the quadrant's first axis

    // The angle to the nearer axis gives the smaller component, its complement the larger one.
    double nearer = std::min(a, 90.0 - a);
    double small = SinDegrees(nearer), large = SinDegrees(90.0 - nearer);
    double sinA = a <= 45.0 ? small : large;
    double cosA = a <= 45.0 ? large : small;

    // East and north components of the bearing, quadrant by quadrant.
    double east = 0, north = 0;
    switch (quadrant) {
    case 0:
        east = sinA, north = cosA;
        break;
    case 1:
        east = cosA, north = -sinA;
        break;
    case 2:
        east = -sinA, north = -cosA;
        break;
    default:
        east = -cosA, north = sinA;
        break;
    }
    return {RoundToInt32(lengthTwips * east), -RoundToInt32(lengthTwips * north)};
}

} // namespace qelvar
