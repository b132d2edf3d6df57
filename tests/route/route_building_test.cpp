#include "maps/route/route_building.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

// Map positions "X|Y" of whole degrees east and north.
std::string At(int lonDeg, int latDeg) {
    return std::to_string(38'880'000 + lonDeg * 216'000) + "|" +
           std::to_string(19'440'000 - latDeg * 216'000);
}

TEST(ShortPointName, FirstTwoWordsAtMostTwenty) {
    struct Case {
        const char *description;
        const char *name;
    } cases[] = {
        {"ARPT- Munich   MUC   Germany\r\nEDDM", "ARPT-Munich"},
        {"NDB- ED   338   ERDING", "NDB-ED"},
        {"UserPos: E8 34.56  N50 2.10", "UserPos:E8"},
        {"Single", "Single"},
        {"  leading", ""},
        {"ARPT- Frankfurt-am-Main-International x", "ARPT-Frankfurt-am-Ma"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ShortPointName(c.description), c.name) << c.description;
}

TEST(AppendRouteLine, DropsOnlyAnImmediateRepetition) {
    Route route;
    AppendRouteLine(route, "A");
    AppendRouteLine(route, "A");
    AppendRouteLine(route, "B");
    AppendRouteLine(route, "A");
    EXPECT_EQ(route.LineCount, 3);
    EXPECT_EQ(SheetText(route), "A\r\nB\r\nA\r\n\r\n");
    EXPECT_EQ(RouteBoxText(route), "     Qelvar Maps SIMULATION ROUTE\r\nDeparture "
                                   "------------------------------\r\nA\r\nB\r\nA\r\n\r\n");
    ResetRouteSheet(route);
    AppendRouteLine(route, "A"); // the last-line memory survives the reset
    EXPECT_EQ(route.LineCount, 0);
}

TEST(AddRoutePoint, StartLegsAndCompletion) {
    RouteModel m;
    EXPECT_TRUE(AddRoutePoint(m, "NDB- A   1   ALPHA", At(8, 50)).added);
    EXPECT_EQ(m.RouteState, kAddingPoints);
    EXPECT_EQ(m.DepartureName, "NDB-A");
    EXPECT_EQ(m.RoutePoints[0].X, 38'880'000 + 8 * 216'000);
    EXPECT_TRUE(AddRoutePoint(m, "NDB- B   2   BRAVO", At(8, 51)).added);
    EXPECT_TRUE(AddRoutePoint(m, "Position under Cursor", At(9, 51)).added);
    EXPECT_EQ(m.ArrivalName, "UserPos:E9");
    EXPECT_EQ(m.RoutePoints[2].Y, 19'440'000 - 51 * 216'000);
    EXPECT_TRUE(IsFreeSlot(m.RoutePoints[3]));
    ASSERT_EQ(m.route.LineCount, 5);
    EXPECT_EQ(m.route.RouteSheet[1], std::string(20, ' ') + "DEP: 000 - 180 ARR   NM  59.99     59.99");
    EXPECT_EQ(m.route.RouteSheet[3].substr(20, 15), "DEP: 089 - 270 ");
    EXPECT_EQ(m.route.RouteSheet[4], "UserPos: E9 0.00  N51 0.00");

    m.RouteState = kCompleting;
    EXPECT_TRUE(AddRoutePoint(m, "Route complete", "|").added);
    EXPECT_EQ(m.RouteState, kWaitingForStart);
    EXPECT_EQ(m.route.LineCount, 10);
    EXPECT_EQ(m.route.RouteSheet[5], "Destination ------------------------");
    EXPECT_EQ(m.route.RouteSheet[7].substr(0, 28), " Flight Distance :  97.75 NM");
    EXPECT_EQ(m.route.TotalDistance, 0);
    EXPECT_EQ(m.route.LastX, 0);
    EXPECT_EQ(m.RouteName, "NDB-A to UserPos:E9");

    // The next pick starts a new route behind the completed one.
    EXPECT_TRUE(AddRoutePoint(m, "NDB- C   3   CHARLIE", At(10, 50)).added);
    EXPECT_EQ(m.route.RouteSheet[10], "NDB- C   3   CHARLIE");
    EXPECT_EQ(m.RoutePoints[3].X, 38'880'000 + 10 * 216'000);
    EXPECT_EQ(m.DepartureName, "NDB-C");
}

TEST(AddRoutePoint, CompletionRightAfterStartAndLongNames) {
    RouteModel m;
    m.RouteState = kCompleting;
    AddRoutePoint(m, "Route complete", "|");
    EXPECT_EQ(m.RouteName, " to ");
    EXPECT_EQ(m.route.RouteSheet[2], " Flight Distance :  0.00 NM    Estimated Flight Time: 00:18");

    AddRoutePoint(m, "ARPT- Frankfurt-am-Main x", At(8, 50)); // 20 characters kept while growing
    AddRoutePoint(m, "ARPT- Muenchen-Riem y", At(11, 48));    // 15 characters: stays whole
    EXPECT_EQ(m.DepartureName, "ARPT-Frankfurt-am-Ma");
    m.RouteState = kCompleting;
    AddRoutePoint(m, "Route complete", "|");
    EXPECT_EQ(m.RouteName, "ARPT-Frankfurt- to ARPT-Muenchen-R");

    // States 3 and 4 take no point.
    m.RouteState = kListingFiles;
    EXPECT_FALSE(AddRoutePoint(m, "NDB- X", At(1, 1)).added);
}

TEST(AddRoutePoint, AFullSheetOrRouteRefusesThePoint) {
    RouteModel m;
    AddRoutePoint(m, "P0", At(0, 1));
    int added = 1;
    while (AddRoutePoint(m, "P" + std::to_string(added), At(added, 1)).added)
        ++added;
    EXPECT_EQ(added, 23); // 1 + 22 x 2 lines, and room for the five of the completion
    EXPECT_EQ(m.route.LineCount, 45);
    AddPointResult refused = AddRoutePoint(m, "P99", At(30, 1));
    EXPECT_EQ(refused.refusal, kSheetFullText);
    EXPECT_TRUE(IsFreeSlot(m.RoutePoints[23]));
    m.RouteState = kCompleting;
    AddRoutePoint(m, "Route complete", "|");
    EXPECT_EQ(m.route.LineCount, 50);
    EXPECT_EQ(m.route.RouteSheet[50], "");

    RouteModel full;
    for (auto &slot : full.RoutePoints)
        slot = {1, 1};
    EXPECT_EQ(AddRoutePoint(full, "P", At(1, 1)).refusal, kPointsFullText);
    EXPECT_EQ(full.route.LineCount, 0);
}

} // namespace
} // namespace qelvar
