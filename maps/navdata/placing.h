// Turning degrees and minutes into map units, the same way for every table.
#pragma once

#include <cstdint>
#include <string>

namespace qelvar {

struct MapPoint {
    int32_t X = 0;
    int32_t Y = 0;
};

// A = |D x 216,000| + |round(M x 3,600)|, the distance from the Greenwich meridian or the equator.
double DegreesMinutesUnits(double wholeDegrees, double minutes);

// A = |round(D x 216,000 + M x 3,600)|: the sum is rounded as one number (runways, intersections).
double CombinedUnits(double degrees, double minutes);

// 38,880,000 + A east, - A west; raises Overflow (6) outside the 32-bit range.
int32_t LongitudeToX(double units, bool west);
// 19,440,000 - A north, + A south; raises Overflow (6) outside the 32-bit range.
int32_t LatitudeToY(double units, bool south);

// Where no hemisphere letter is given: west (south) when the degrees or the minutes are negative.
inline bool IsNegativeHemisphere(double degrees, double minutes) {
    return degrees < 0 || minutes < 0;
}

// A position text "N47 30.5 E011 20.3": latitude first, the letters decide the hemisphere and the
// signs of the numbers are ignored. Raises Type mismatch (13) when it is not such a text.
MapPoint ParsePositionText(const std::string &text);

} // namespace qelvar
