#include "maps/route/flight_plan.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

TEST(FlightPlan, SummaryTimeFuelAndLevel) {
    struct Case {
        double distance;
        const char *line3;
        const char *line4;
    } cases[] = {
        {0, " Flight Distance :  0.00 NM    Estimated Flight Time: 00:18",
         " Estimated Fuel  :  5000  lbs         Max FlightLevel:  0"},
        {430, " Flight Distance :  430.00 NM    Estimated Flight Time: 01:18",
         " Estimated Fuel  :  14030  lbs         Max FlightLevel:  400"},
        {215, " Flight Distance :  215.00 NM    Estimated Flight Time: 00:48",
         " Estimated Fuel  :  9515  lbs         Max FlightLevel:  210"},
        {1952.9, " Flight Distance :  1,952.90 NM    Estimated Flight Time: 04:50",
         " Estimated Fuel  :  45992  lbs         Max FlightLevel:  400"},
        {1953, " Flight Distance :  1,953.00 NM    Estimated Flight Time: 04:50",
         " Estimated Fuel  :  No Capacity  lbs         Max FlightLevel:  400"},
        {399.9, " Flight Distance :  399.90 NM    Estimated Flight Time: 01:13",
         " Estimated Fuel  :  13379  lbs         Max FlightLevel:  390"},
        {400, " Flight Distance :  400.00 NM    Estimated Flight Time: 01:13",
         " Estimated Fuel  :  13400  lbs         Max FlightLevel:  400"},
        {4300, " Flight Distance :  4,300.00 NM    Estimated Flight Time: 10:18",
         " Estimated Fuel  :  No Capacity  lbs         Max FlightLevel:  400"},
    };
    for (const Case &c : cases) {
        std::array<std::string, 5> lines = FlightPlanSummary(c.distance);
        EXPECT_EQ(lines[0], "Destination ------------------------");
        EXPECT_EQ(lines[1], " Route Planning for B737-800 \r\n");
        EXPECT_EQ(lines[2], c.line3) << c.distance;
        EXPECT_EQ(lines[3], c.line4) << c.distance;
        EXPECT_EQ(lines[4], std::string(68, '-'));
    }
}

TEST(FlightPlan, CoursesAndLegLines) {
    EXPECT_EQ(ThreeDigitCourse(5), "005");
    EXPECT_EQ(ThreeDigitCourse(45), "045");
    EXPECT_EQ(ThreeDigitCourse(270), "270");
    EXPECT_EQ(ThreeDigitCourse(0), "000");
    EXPECT_EQ(LegLine(5, 185, 12.345, 1234.5),
              std::string(20, ' ') + "DEP: 005 - 185 ARR   NM  12.35     1,234.50");

    LegDegrees leg;
    // One degree of latitude due south along the Greenwich meridian.
    double d =
        LegDistance(leg, {38'880'000, 19'440'000 - 51 * 216'000}, {38'880'000, 19'440'000 - 50 * 216'000});
    EXPECT_NEAR(d, 59.99, 0.005);
    EXPECT_EQ(leg.latFrom, 51);
    EXPECT_EQ(leg.latTo, 50);
    EXPECT_EQ(leg.lonFrom, 0);
    EXPECT_EQ(LegDistance(leg, {40'000'000, 9'000'000}, {40'000'000, 9'000'000}), 0);
}

} // namespace
} // namespace qelvar
