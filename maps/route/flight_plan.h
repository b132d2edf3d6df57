// The flight-plan arithmetic of a route for the B737-800: leg distances and courses, and the
// summary of distance, time, fuel and flight level.
#pragma once

#include "maps/mapview/map_view.h"
#include "maps/route/route_model.h"

#include <array>
#include <string>

namespace qelvar {

// Great-circle nautical miles between two map positions; keeps their degrees in `leg`.
double LegDistance(LegDegrees &leg, UnitPoint from, UnitPoint to);

// "045" for 45: the whole-number text with zeros in front to three characters.
std::string ThreeDigitCourse(double course);

// 20 blanks, "DEP: " course out " - " course back " ARR   NM  " distance, 5 blanks, total.
std::string LegLine(double courseOut, double courseBack, double distance, double total);

// The five completion lines for a route of `distance` nautical miles.
std::array<std::string, 5> FlightPlanSummary(double distance);

} // namespace qelvar
