// Whether a runway's data agrees with itself: its end numbers with its headings, a localizer with
// the runway end it is filed under. Sources sometimes have them the wrong way round, and an
// approach built on them would lead a pilot the wrong way.
#pragma once

#include <string>

namespace qelvar::import {

// The smallest angle between two directions, 0 ... 180 degrees.
double AngleBetween(double a, double b);

// How the two end numbers ("09L", "27R"; a "T" suffix counts from true north) sit on the runway
// whose first end looks along `trueHeading1` towards the second: Right when every numbered end
// looks less than 90 degrees off its number's magnetic heading, Swapped when every numbered end
// looks within 45 degrees of the opposite one, Unclear otherwise. Ends without a number (ranging 1 ... 36)
// are not checked.
enum class EndOrder { Right, Swapped, Unclear };
EndOrder CheckEndOrder(const std::string &number1, const std::string &number2, double trueHeading1,
                       double variationEast);

// A localizer course more than 90 degrees off the runway end's heading points the other way.
constexpr double kLocalizerToleranceDegrees = 90;
bool LocalizerFitsEnd(double localizerTrueCourse, double endTrueHeading);

} // namespace qelvar::import
