// The numbers of an approach leg as the file writes them: altitudes and courses with a unit letter,
// and the DME distance rho with the letter of its unit.
#pragma once

#include <optional>
#include <string>

namespace qelvar {

// A number with a unit letter, as the legs give altitudes and courses ("3000.0F", "160.8"): the last
// character is dropped (except from a whole number written without one) and the rest is read and
// rounded to a whole number; none for an empty or unreadable text.
std::optional<int> WholeUnitNumber(const std::string &text);

// A bare rho is in the units of the files the chart was first made for: 2053 to the nautical mile.
inline constexpr double kBareRhoPerNauticalMile = 2053;

// The DME distance of a rho in nautical miles, by its unit letter: "N" nautical miles as written,
// "M" metres ÷ 1852, "F" feet ÷ 6076.12, a bare number ÷ 2053. None for an empty or unreadable
// text and for another letter.
std::optional<double> RhoNauticalMiles(const std::string &rho);

} // namespace qelvar
