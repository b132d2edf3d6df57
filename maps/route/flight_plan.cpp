#include "maps/route/flight_plan.h"

#include "maps/mapview/geometry.h"
#include "platform/numbers.h"

#include <cmath>

namespace qelvar {

double LegDistance(LegDegrees &leg, UnitPoint from, UnitPoint to) {
    leg.latFrom = (19'440'000.0 - from.Y) / 216'000;
    leg.lonFrom = (38'880'000.0 - from.X) / 216'000;
    leg.latTo = (19'440'000.0 - to.Y) / 216'000;
    leg.lonTo = (38'880'000.0 - to.X) / 216'000;
    return GreatCircleDistance(leg.latFrom, leg.latTo, leg.lonFrom, leg.lonTo);
}

std::string ThreeDigitCourse(double course) {
    std::string text = ShortestDecimal(course);
    if (text.size() == 1)
        return "00" + text;
    if (text.size() == 2)
        return "0" + text;
    return text;
}

namespace {

std::string TwoDigitField(double value) {
    std::string text = ShortestDecimal(value);
    return text.size() == 1 ? "0" + text : text;
}

} // namespace

std::string LegLine(double courseOut, double courseBack, double distance, double total) {
    return std::string(20, ' ') + "DEP: " + ThreeDigitCourse(courseOut) + " - " +
           ThreeDigitCourse(courseBack) + " ARR   " + "NM  " + TwoDecimals(distance) + std::string(5, ' ') +
           TwoDecimals(total);
}

std::array<std::string, 5> FlightPlanSummary(double distance) {
    double time = distance / 430 + 0.3;
    double hours = std::trunc(time);
    double minutes = std::trunc((time - hours) * 60);
    double fuel = std::trunc(distance) * 21 + 5000;
    std::string fuelText = fuel > 46000 ? "No Capacity" : ShortestDecimal(fuel);
    double level = std::trunc(distance / 2 / 5) * 10;
    if (level > 400)
        level = 400;
    return {"Destination ------------------------", " Route Planning for B737-800 \r\n",
            " Flight Distance :  " + TwoDecimals(distance) +
                " NM    Estimated Flight Time: " + TwoDigitField(hours) + ":" + TwoDigitField(minutes),
            " Estimated Fuel  :  " + fuelText + "  lbs         Max FlightLevel:  " + ShortestDecimal(level),
            std::string(68, '-')};
}

} // namespace qelvar
