// What the redraw draws, in which order, and which objects enter the hit list, scale by scale.
#include "maps/mapview/symbols.h"
#include "redraw_support.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>

namespace qelvar {
namespace {

using testing::Calls;
using testing::kObjectX;
using testing::kObjectY;
using testing::SceneFixture;

TEST(RedrawFrame, ClearsMarksTheCentreClampsAndCaptions) {
    SceneFixture s;
    s.view.ScaleX = s.view.ScaleY = 1;
    s.hits.Append(7, "VOR", 1, 1);
    RedrawResult r = s.Draw();
    ASSERT_GE(s.canvas.calls.size(), 2u);
    EXPECT_EQ(s.canvas.calls[0], "CLEAR");
    EXPECT_EQ(s.canvas.calls[1], "CIRCLE 7780 3990 200 w1 #ffff00");
    EXPECT_EQ(s.view.ScaleX, 2);
    EXPECT_EQ(s.view.ScaleY, 2);
    EXPECT_EQ(r.caption, "Qelvar Maps     Zoom =  2");
    EXPECT_EQ(s.hits.count, 0);
    s.view.ScaleX = s.view.ScaleY = 5000;
    EXPECT_EQ(s.Draw().caption, "Qelvar Maps     Zoom =  5000");
}

struct RecipeCase {
    int32_t scale;
    Calls calls;
};

void ExpectRecipes(SceneFixture &s, const std::vector<RecipeCase> &cases) {
    for (const RecipeCase &c : cases) {
        s.ViewAt(c.scale);
        EXPECT_EQ(s.LayerCalls(), c.calls) << "scale " << c.scale;
    }
}

TEST(PointRecipes, Vor) {
    SceneFixture s;
    s.db.LayerFlags.Vor = true;
    s.db.VorTable.entries = {{0, 0, 0, 0, "MUNCHEN", "MUN", "112.30", kObjectX, kObjectY}};
    s.db.VorTable.count = 1;
    const std::string pen = " w1 #0000ff";
    ExpectRecipes(
        s, {
               {5000, {"POINT 1000 2000 #0000ff"}},
               {1250, {"POINT 1000 2000 #0000ff"}},
               {625, {"POINT 1000 2000 #0000ff", "CIRCLE 1000 2000 30" + pen}},
               {312,
                {"POINT 1000 2000 #0000ff", "CIRCLE 1000 2000 40" + pen, "TEXT 1000 2060 5 #0000ff MUN",
                 "TEXT 1000 2160 5 #0000ff 112.30"}},
               {156,
                {"POINT 1000 2000 #0000ff", "CIRCLE 1000 2000 50" + pen, "TEXT 1000 2090 5 #0000ff MUN",
                 "TEXT 1000 2180 5 #0000ff 112.30"}},
               {78,
                {"POINT 1000 2000 #0000ff", "CIRCLE 1000 2000 60" + pen, "TEXT 1000 2090 5 #0000ff MUNCHEN",
                 "TEXT 1000 2180 6 #0000ff MUN", "TEXT 1000 2300 5 #0000ff 112.30"}},
               {20,
                {"POINT 1000 2000 #0000ff", "CIRCLE 1000 2000 80" + pen, "TEXT 1000 2110 5 #0000ff MUNCHEN",
                 "TEXT 1000 2220 7 #0000ff MUN", "TEXT 1000 2340 6 #0000ff 112.30"}},
               {5,
                {"POINT 1000 2000 #0000ff", "CIRCLE 1000 2000 100" + pen, "TEXT 1000 2140 5 #0000ff MUNCHEN",
                 "TEXT 1000 2280 7 #0000ff MUN", "TEXT 1000 2420 7 #0000ff 112.30"}},
               {2,
                {"POINT 1000 2000 #0000ff", "CIRCLE 1000 2000 100" + pen, "TEXT 1000 2140 5 #0000ff MUNCHEN",
                 "TEXT 1000 2240 7 #0000ff MUN", "TEXT 1000 2380 7 #0000ff 112.30"}},
           });
    // Just left of the picture: not drawn at 625; right of it at the world view: a point all the same.
    s.ViewAt(625, kObjectX, kObjectY, -1, 2'000);
    EXPECT_EQ(s.LayerCalls(), Calls{});
    EXPECT_EQ(s.hits.count, 0);
    s.ViewAt(5000, kObjectX, kObjectY, 15'200, 2'000);
    EXPECT_EQ(s.LayerCalls(), Calls{"POINT 15200 2000 #0000ff"});
    EXPECT_EQ(s.hits.count, 0);
}

TEST(PointRecipes, NdbLabelsStandLeftByTheLengthOfTheirTexts) {
    SceneFixture s;
    s.db.LayerFlags.Ndb = true;
    s.db.NdbTable.entries = {{0, 0, 0, 0, "ERDING", "ED", "338", kObjectX, kObjectY}};
    s.db.NdbTable.count = 1;
    const std::string pen = " w1 #ff0000";
    Calls at40 = {"TEXT 700 1960 7 #ff0000 ED", "TEXT 730 2100 6 #ff0000 338",
                  "TEXT 730 2220 5 #ff0000 ERDING"};
    ExpectRecipes(
        s,
        {
            {2500, {"POINT 1000 2000 #ff0000"}},
            {625, {"POINT 1000 2000 #ff0000", "CIRCLE 1000 2000 5" + pen, "CIRCLE 1000 2000 20" + pen}},
            {312,
             {"POINT 1000 2000 #ff0000", "CIRCLE 1000 2000 10" + pen, "CIRCLE 1000 2000 30" + pen,
              "TEXT 800 1960 5 #ff0000 ED"}},
            {156,
             {"POINT 1000 2000 #ff0000", "CIRCLE 1000 2000 10" + pen, "CIRCLE 1000 2000 40" + pen,
              "TEXT 760 1960 5 #ff0000 ED", "TEXT 790 2070 5 #ff0000 338"}},
            {78,
             {"POINT 1000 2000 #ff0000", "CIRCLE 1000 2000 10" + pen, "CIRCLE 1000 2000 40" + pen,
              "TEXT 760 1960 5 #ff0000 ED", "TEXT 790 2070 5 #ff0000 338", "TEXT 790 2160 5 #ff0000 ERDING"}},
            {40,
             {"POINT 1000 2000 #ff0000", "CIRCLE 1000 2000 20" + pen, "CIRCLE 1000 2000 60" + pen, at40[0],
              at40[1], at40[2]}},
            {10,
             {"POINT 1000 2000 #ff0000", "CIRCLE 1000 2000 10" + pen, "CIRCLE 1000 2000 40" + pen,
              "CIRCLE 1000 2000 60" + pen, at40[0], at40[1], at40[2]}},
        });
    s.db.NdbTable.entries[0].Text6 = "";
    s.ViewAt(40);
    EXPECT_EQ(s.LayerCalls().at(3), "TEXT 1000 1960 7 #ff0000 "); // an empty Text6 stands at x itself

    // 150 twips a character: a Text6 of 15,000,000 characters would put its label 2,250,000,000
    // twips to the left, past the 32-bit range; it stands at the range's end instead.
    s.db.NdbTable.entries[0].Text6 = std::string(15'000'000, 'N');
    std::string label = s.LayerCalls().at(3);
    EXPECT_EQ(label.substr(0, 32), "TEXT -2147483648 1960 7 #ff0000 ");
}

TEST(PointRecipes, NdbLabelOffsetsStayInThe32BitRange) {
    EXPECT_EQ(LabelLeftOf(1'000, 150, 2), 700);
    EXPECT_EQ(LabelLeftOf(1'000, 150, 0), 1'000);
    EXPECT_EQ(LabelLeftOf(-2'147'483'000, 90, 10), -2'147'483'648); // -2,147,483,900 held at the end
    EXPECT_EQ(LabelLeftOf(0, 150, 14'316'557), -2'147'483'550);     // just inside
    EXPECT_EQ(LabelLeftOf(0, 150, 14'316'558), -2'147'483'648);     // 2,147,483,700 past it
    EXPECT_EQ(LabelLeftOf(2'147'483'647, 150, SIZE_MAX), -2'147'483'648);
}

TEST(PointRecipes, IntersectionsAreEnteredInViewAtEveryScale) {
    SceneFixture s;
    s.db.LayerFlags.Intersections = true;
    s.db.IntersectionTable.entries = {{"ANORA", kObjectX, kObjectY}};
    s.db.IntersectionTable.count = 1;
    auto triangle = [](int n) {
        std::string pen = " w1 #ff4480";
        std::string x = std::to_string(1000 + n), half = std::to_string(1000 + n / 2),
                    top = std::to_string(2000 - n);
        return Calls{"LINE 1000 2000 " + x + " 2000" + pen, "LINE " + x + " 2000 " + half + " " + top + pen,
                     "LINE " + half + " " + top + " 1000 2000" + pen};
    };
    Calls t40 = triangle(40);
    ExpectRecipes(s, {
                         {5000, {"POINT 1000 2000 #ff4480"}},
                         {1250, triangle(20)},
                         {625, triangle(20)},
                         {312, {t40[0], t40[1], t40[2], "TEXT 850 1900 4 #c000c0 ANORA"}},
                         {156, {t40[0], t40[1], t40[2], "TEXT 800 1850 5 #c000c0 ANORA"}},
                         {2, {t40[0], t40[1], t40[2], "TEXT 800 1850 5 #c000c0 ANORA"}},
                     });
    EXPECT_EQ(s.HitKinds(), std::vector<std::string>{"INT 0 1000 2000"});
    // Out of view it is drawn all the same but not entered.
    s.ViewAt(5000, kObjectX, kObjectY, 15'161, 2'000);
    EXPECT_EQ(s.LayerCalls(), Calls{"POINT 15161 2000 #ff4480"});
    EXPECT_EQ(s.hits.count, 0);
}

TEST(PointRecipes, PeaksGrowFromPointsToCrossesWithLabels) {
    SceneFixture s;
    s.db.LayerFlags.Hills = true;
    s.db.HillTable.entries = {{"", "", 0, 0}, {"Zugspitze", "9718", kObjectX, kObjectY}}; // a comment, a peak
    s.db.HillTable.count = 2;
    struct Case {
        int32_t scale;
        size_t points;
        Calls labels;
    } cases[] = {
        {5000, 1, {}},
        {625, 1, {}},
        {312, 84, {}},
        {156, 84, {}},
        {78, 84, {"TEXT 800 1850 5 #ffc080 Zugspitze"}},
        {40, 124, {"TEXT 800 1850 5 #ffc080 Zugspitze"}},
        {20, 124, {"TEXT 800 1850 5 #ffc080 Zugspitze", "TEXT 800 1750 5 #ffc080 9718"}},
        {10, 124, {"TEXT 800 1850 5 #ffc080 Zugspitze", "TEXT 800 1750 5 #ffc080 9718"}},
        {5, 164, {"TEXT 800 1850 5 #ffc080 Zugspitze", "TEXT 800 1750 5 #ffc080 9718"}},
        {2, 204, {"TEXT 800 1850 5 #ffc080 Zugspitze", "TEXT 800 1750 5 #ffc080 9718"}},
    };
    for (const Case &c : cases) {
        s.ViewAt(c.scale);
        Calls calls = s.LayerCalls();
        ASSERT_EQ(calls.size(), c.points + c.labels.size()) << c.scale;
        EXPECT_EQ(calls.front(), "POINT 1000 2000 #616161");
        EXPECT_EQ(Calls(calls.begin() + static_cast<long>(c.points), calls.end()), c.labels) << c.scale;
        if (c.points > 1) {
            EXPECT_EQ(calls[4], "POINT 1001 2000 #616161");
            int arm = static_cast<int>(c.points / 4 - 1);
            EXPECT_EQ(calls[c.points - 1], "POINT 1000 " + std::to_string(2000 - arm) + " #616161");
        }
    }
    EXPECT_EQ(s.hits.count, 0);
}

TEST(PointRecipes, Airports) {
    Airport international{
        "AD",      "MUC",    "EDDM",  "Muenchen Franz Josef Strauss", "1487", 0, 0, 0, 0, "123.12", "",
        "Germany", kObjectX, kObjectY};
    Airport local{"AD-LOK", "", "EDMO", "Oberpfaffenhofen", "1947",   0,       0, 0,
                  0,        "", "",     "Germany",          kObjectX, kObjectY};
    auto circles = [](std::initializer_list<int> radii, const std::string &color) {
        Calls calls;
        for (int r : radii)
            calls.push_back("CIRCLE 1000 2000 " + std::to_string(r) + " w1 " + color);
        return calls;
    };
    auto with = [](Calls calls, const Calls &more) {
        calls.insert(calls.end(), more.begin(), more.end());
        return calls;
    };
    const std::string b = "#000000", g = "#404040";
    std::vector<RecipeCase> intl = {
        {5000, circles({3}, b)},
        {2500, circles({10}, b)},
        {1250, circles({3, 10}, b)},
        {625, with(circles({4, 6}, b), {"TEXT 1100 1900 5 #000000 EDDM"})},
        {312, with(circles({3, 10, 20}, b), {"TEXT 1100 1900 5 #000000 EDDM"})},
        {156, with(circles({3, 10, 20}, b), {"TEXT 1100 1900 7 #000000 EDDM"})},
        {78, with(circles({3, 10, 20, 30}, b),
                  {"TEXT 1100 2000 7 #000000 EDDM  1487", "TEXT 1100 1850 6 #000000 Muenchen Franz "})},
        {40, with(circles({3, 10, 20, 30, 40}, b),
                  {"TEXT 1100 1900 7 #000000 Muenchen Franz ", "TEXT 1100 1780 7 #000000 EDDM  1487"})},
        {20, with(circles({3, 10, 20, 30, 40}, b),
                  {"TEXT 1100 1700 7 #000000 Muenchen Franz Josef Strauss",
                   "TEXT 1100 1840 7 #000000 EDDM  1487", "TEXT 1100 1980 7 #000000 123.12"})},
        {10, with(circles({3, 10, 20, 30, 40}, b),
                  {"TEXT 1100 1700 7 #000000 Muenchen Franz Josef Strauss",
                   "TEXT 1100 1820 7 #000000 EDDM  1487", "TEXT 1100 2000 7 #000000 123.12"})},
        {5, with(circles({3, 10, 20, 30, 40}, b),
                 {"TEXT 1100 1600 7 #000000 Muenchen Franz Josef Strauss",
                  "TEXT 1100 1800 7 #000000 EDDM  1487", "TEXT 1100 2000 7 #000000 123.12"})},
    };
    std::vector<RecipeCase> locals = {
        {5000, {"POINT 1000 2000 #404040"}},
        {2500, {"POINT 1000 2000 #404040"}},
        {1250, circles({3}, g)},
        {625, circles({4}, g)},
        {312, circles({5, 10}, g)},
        {156, with(circles({5, 15}, g), {"TEXT 1050 2000 5 #404040 EDMO"})},
        {78, with(circles({10, 20}, g), {"TEXT 1100 2000 6 #404040 EDMO  1947"})},
        {40, with(circles({10, 20}, g),
                  {"TEXT 1100 1900 6 #404040 Oberpfaffe", "TEXT 1100 1780 6 #404040 EDMO  1947"})},
        {20, with(circles({10, 20, 30}, g),
                  {"TEXT 1100 1700 6 #404040 Oberpfaffenhofen", "TEXT 1100 1840 6 #404040 EDMO  1947",
                   "TEXT 1100 1980 6 #404040 "})},
        {10, with(circles({10, 20, 30}, g),
                  {"TEXT 1100 1700 6 #404040 Oberpfaffenhofen", "TEXT 1100 1820 6 #404040 EDMO  1947",
                   "TEXT 1100 2000 6 #404040 "})},
        {2, with(circles({10, 20, 30}, g),
                 {"TEXT 1100 1600 7 #404040 Oberpfaffenhofen", "TEXT 1100 1800 7 #404040 EDMO  1947",
                  "TEXT 1100 2000 7 #404040 "})},
    };
    SceneFixture s;
    s.db.LayerFlags.IntlAirports = s.db.LayerFlags.LocalAirports = true;
    s.db.AirportTable.entries = {international};
    s.db.AirportTable.AirportCount = 1;
    ExpectRecipes(s, intl);
    EXPECT_EQ(s.HitKinds(), std::vector<std::string>{"AD 0 1000 2000"});
    s.db.AirportTable.entries = {local};
    ExpectRecipes(s, locals);
    EXPECT_EQ(s.HitKinds(), std::vector<std::string>{"AD-LOK 0 1000 2000"});

    // With the local flag off a local airport is not drawn, but entered at 2,500.
    s.db.LayerFlags.LocalAirports = false;
    s.ViewAt(2500);
    EXPECT_EQ(s.LayerCalls(), Calls{});
    EXPECT_EQ(s.HitKinds(), std::vector<std::string>{"AD-LOK 0 1000 2000"});
    // At 5,000 and 2,500 every airport passing the origin test is entered, in view or not; below only in
    // view.
    s.ViewAt(2500, kObjectX, kObjectY, 20'000, 9'000);
    s.Draw();
    EXPECT_EQ(s.HitKinds(), std::vector<std::string>{"AD-LOK 0 20000 9000"});
    s.ViewAt(1250, kObjectX, kObjectY, 20'000, 9'000);
    s.Draw();
    EXPECT_EQ(s.hits.count, 0);
    // The international flag off hides both kinds.
    s.db.LayerFlags.IntlAirports = false;
    s.db.LayerFlags.LocalAirports = true;
    s.ViewAt(2500);
    EXPECT_EQ(s.LayerCalls(), Calls{});
    EXPECT_EQ(s.hits.count, 0);
}

TEST(PointRecipes, IlsCourseLinesAndTheScaleTwoList) {
    SceneFixture s;
    s.db.LayerFlags.Ils = true;
    IlsEntry ils{"EDDM", "26R", "IMNW 110.30", 0, 0, 0, 0, 82.5, kObjectX, kObjectY};
    s.db.IlsTable.entries = {ils};
    s.db.IlsTable.count = 1;
    const Calls symbol = {"POINT 1000 2000 #00ff00", "CIRCLE 1000 2000 10 w1 #00ff00"};
    // Course 82.5 rounds to 82; the line runs 10 NM towards 262.
    ExpectRecipes(s, {
                         {1250, {}},
                         {625, {symbol[0], symbol[1], "LINE 1000 2000 943 2008 w1 #00ff00"}},
                         {78, {symbol[0], symbol[1], "LINE 1000 2000 543 2064 w1 #00ff00"}},
                         {40, {symbol[0], symbol[1], "LINE 1000 2000 109 2125 w2 #00ff00"}},
                     });
    EXPECT_EQ(s.HitKinds(), std::vector<std::string>{"ILS 0 1000 2000"});

    s.ViewAt(2);
    RedrawResult r = s.Draw();
    Calls calls(s.canvas.calls.begin() + 2, s.canvas.calls.end());
    ASSERT_EQ(calls.size(), 8u);
    EXPECT_EQ(
        Calls(calls.begin(), calls.begin() + 5),
        (Calls{symbol[0], symbol[1], "CIRCLE 1000 2000 40 w1 #00ff00", "TEXT 1150 1900 6 #ff00ff EDDM 26R",
               "TEXT 1150 2050 6 #ff00ff IMNW 110.30 - 82.5 DEG"}));
    EXPECT_EQ(calls[7].substr(0, 16), "LINE 1000 2000 -");
    EXPECT_EQ(calls[7].substr(calls[7].size() - 10), "w2 #00ff00");
    EXPECT_EQ(r.displayAppend, "\r\n----- ILS -----\r\nEDDM 26R IMNW 110.30 - 82.5 DEG\r\n");
    EXPECT_EQ(s.HitKinds(), (std::vector<std::string>{"ILS 0 1000 2000", "ILS 0 1000 2000"}));

    s.db.IlsTable.entries[0].Course = 266.5;
    s.Draw();
    EXPECT_EQ(s.canvas.calls[5], "TEXT 200 1900 6 #ff00ff EDDM 26R");
    EXPECT_EQ(s.canvas.calls[6], "TEXT 200 2050 6 #ff00ff IMNW 110.30 - 266.5 DEG");

    struct Course {
        double course;
        std::string line;
    } courses[] = {{90, "LINE 1000 2000 100 2000 w2 #00ff00"},
                   {359.6, "LINE 1000 2000 1000 2900 w2 #00ff00"},
                   {180, "LINE 1000 2000 1000 1100 w2 #00ff00"},
                   {0, "LINE 1000 2000 1000 2900 w2 #00ff00"}};
    for (const Course &c : courses) {
        s.db.IlsTable.entries[0].Course = c.course;
        s.ViewAt(40);
        EXPECT_EQ(s.LayerCalls().at(2), c.line) << c.course;
    }
}

TEST(LineLayers, RunwaysAndTheirExtendedCentreLines) {
    SceneFixture s;
    s.db.LayerFlags.Runways = true;
    s.db.RunwayTable.entries = {{kObjectX, kObjectY, 270, 1.0}};
    s.db.RunwayTable.count = 1;
    ExpectRecipes(s, {
                         {5000, {}},
                         {2500, {}},
                         {625, {}},
                         {312, {"LINE 1000 2000 988 2000 w4 #000000"}},
                         {78, {"LINE 1000 2000 954 2000 w4 #000000"}},
                         {40,
                          {"LINE 1000 2000 910 2000 w4 #000000", "LINE 1000 2000 100 2000 w1 #000000",
                           "LINE 1000 2000 1900 2000 w1 #000000"}},
                     });
    // On the right clip edge it is drawn; one twip further it is not.
    s.ViewAt(312, kObjectX, kObjectY, 15'160, 2'000);
    EXPECT_EQ(s.LayerCalls(), Calls{"LINE 15160 2000 15148 2000 w4 #000000"});
    s.ViewAt(312, kObjectX, kObjectY, 15'161, 2'000);
    EXPECT_EQ(s.LayerCalls(), Calls{});
}

TEST(LineLayers, CoastIsDirectAtTheTwoCoarsestScalesAndClippedBelow) {
    SceneFixture s;
    s.db.CoastLayer.X = {kObjectX, kObjectX + 19'000 * 1250};
    s.db.CoastLayer.Y = {kObjectY, kObjectY};
    s.db.CoastLayer.count = 2;
    s.ViewAt(1250);
    EXPECT_EQ(s.LayerCalls(), Calls{"LINE 1000 2000 15160 2000 w1 #0000ff"});
    s.db.CoastLayer.X[1] = kObjectX + 19'000 * 2500;
    s.ViewAt(2500);
    EXPECT_EQ(s.LayerCalls(), Calls{"LINE 1000 2000 20000 2000 w1 #0000ff"});
    s.db.CoastLayer.X[1] = kObjectX + 19'000 * 5000;
    s.ViewAt(5000);
    EXPECT_EQ(s.LayerCalls(), Calls{"LINE 1000 2000 20000 2000 w1 #0000ff"});
    // Direct drawing skips a segment whose first point fails the origin test.
    s.ViewAt(5000, kObjectX, kObjectY, 0, 2'000);
    EXPECT_EQ(s.LayerCalls(), Calls{});
    // A separator (X = 0) ends the polyline.
    s.db.CoastLayer.X = {kObjectX, 0, kObjectX + 5000, kObjectX + 10'000};
    s.db.CoastLayer.Y = {kObjectY, 0, kObjectY, kObjectY};
    s.db.CoastLayer.count = 4;
    s.ViewAt(5000);
    EXPECT_EQ(s.LayerCalls(), Calls{"LINE 1001 2000 1002 2000 w1 #0000ff"});
}

// A bundled coastline segment may span 27 degrees. At scales 5 and 2 its far end lies millions of
// twips outside the picture; the segment is clipped like any other, with no message: 27 degrees
// east and 13.5 south of the point at (1,000, 2,000) give the bottom crossing
// x = 1,000 + 2 x (7,580 - 2,000) = 12,160 at both scales.
TEST(LineLayers, LongCoastAndBorderSegmentsAreClippedAtTheFinestScales) {
    for (int32_t scale : {5, 2}) {
        SceneFixture s;
        s.db.LayerFlags.Borders = true;
        s.db.CoastLayer.X = {kObjectX, kObjectX + 27 * 216'000};
        s.db.CoastLayer.Y = {kObjectY, kObjectY + 27 * 108'000};
        s.db.CoastLayer.count = 2;
        s.db.BorderLayer = s.db.CoastLayer;
        s.ViewAt(scale);
        EXPECT_EQ(s.LayerCalls(),
                  (Calls{"LINE 1000 2000 12160 7580 w1 #0000ff", "LINE 1000 2000 12160 7580 w1 #000000"}))
            << scale;
        EXPECT_TRUE(s.sink.boxes.empty()) << scale;
    }
}

// A segment is drawn when one end rounds into the clip rectangle, up to its very edges; one whose
// ends both round outside it is not drawn, even across the picture.
TEST(LineLayers, ClippedSegmentsEndAtTheTwipsTheirEndsRoundTo) {
    struct Case {
        int32_t fromX, fromY, toX, toY; // map units from the view origin, scale 1,250
        Calls drawn;
    } cases[] = {
        {-625, 2'000 * 1250, 15'160 * 1250 + 625, 2'000 * 1250, {"LINE 0 2000 15160 2000 w1 #0000ff"}},
        {-626, 2'000 * 1250, 15'160 * 1250 + 626, 2'000 * 1250, {}},
        {1'000 * 1250, -625, 1'000 * 1250, 7'580 * 1250 + 625, {"LINE 1000 0 1000 7580 w1 #0000ff"}},
        {1'000 * 1250, -626, 1'000 * 1250, 7'580 * 1250 + 626, {}},
        {-625, 100 * 1250, -625, 200 * 1250, {"LINE 0 100 0 200 w1 #0000ff"}},
        {15'160 * 1250 + 625, 100 * 1250, 15'160 * 1250 + 625, 300 * 1250, {"LINE 15160 100 15160 300 w1 #0000ff"}},
        {100 * 1250, 7'580 * 1250 + 625, 300 * 1250, 7'580 * 1250 + 625, {"LINE 100 7580 300 7580 w1 #0000ff"}},
    };
    for (const Case &c : cases) {
        SceneFixture s;
        s.ViewAt(1250);
        s.db.CoastLayer.X = {s.view.OriginX + c.fromX, s.view.OriginX + c.toX};
        s.db.CoastLayer.Y = {s.view.OriginY + c.fromY, s.view.OriginY + c.toY};
        s.db.CoastLayer.count = 2;
        EXPECT_EQ(s.LayerCalls(), c.drawn) << c.fromX << " " << c.fromY;
    }
}

TEST(LineLayers, RouteSkipsSlotsLeftOfTheViewOrigin) {
    SceneFixture s;
    s.ViewAt(1250, kObjectX, kObjectY, 0, 0);
    auto slot = [](int32_t px, int32_t py) { return UnitPoint{kObjectX + px * 1250, kObjectY + py * 1250}; };
    s.route[0] = slot(100, 100);
    s.route[1] = slot(200, 100);
    s.route[2] = slot(300, 200);
    s.route[3] = slot(-50, 300);
    s.route[4] = slot(400, 400);
    EXPECT_EQ(s.LayerCalls(), (Calls{"LINE 100 100 200 100 w1 #ff00ff", "LINE 200 100 300 200 w1 #ff00ff",
                                     "LINE 300 200 400 400 w1 #ff00ff"}));
    // With the view origin left of the world, the free slot after the route draws nothing.
    s.ViewAt(1250, 0, 0, 100, 100);
    s.route[3] = slot(500, 500);
    Calls calls = s.LayerCalls();
    EXPECT_EQ(calls.size(), 4u);
}

// Each layer's signature call: which layer drew a call, by its kind and colour.
std::string LayerOf(const std::string &call) {
    bool line = call.rfind("LINE", 0) == 0;
    if (call.find("w4") != std::string::npos)
        return "runways";
    static const std::map<std::string, std::string> byColor = {{"#ff4480", "INT"},
                                                               {"#616161", "hills"},
                                                               {"#ff0000", "NDB"},
                                                               {"#00ff00", "ILS"},
                                                               {"#ff8080", "marker"}};
    for (const auto &[color, layer] : byColor)
        if (call.find(color) != std::string::npos)
            return layer;
    if (call.find("#0000ff") != std::string::npos)
        return line ? "coast" : "VOR";
    if (call.find("#ff00ff") != std::string::npos && line)
        return "route";
    if (line && call.find("#000000") != std::string::npos)
        return "borders";
    if (call.rfind("CIRCLE", 0) == 0 && call.find("#000000") != std::string::npos)
        return "airports";
    return "";
}

TEST(LevelTable, LayerOrderAndHitListPerScale) {
    SceneFixture s;
    LayerFlagSet &f = s.db.LayerFlags;
    f.Vor = f.Ndb = f.IntlAirports = f.LocalAirports = f.Ils = f.Hills = f.Borders = f.Runways =
        f.Intersections = true;
    s.db.MarkedAirport = "EDDM";
    s.db.CoastLayer.X = {kObjectX, kObjectX + 100};
    s.db.CoastLayer.Y = {kObjectY, kObjectY + 100};
    s.db.CoastLayer.count = 2;
    s.db.BorderLayer = s.db.CoastLayer;
    s.db.RunwayTable.entries = {{kObjectX, kObjectY, 90, 1.0}};
    s.db.IntersectionTable.entries = {{"ANORA", kObjectX, kObjectY}};
    s.db.HillTable.entries = {{"Peak", "1", kObjectX, kObjectY}};
    s.db.VorTable.entries = {{0, 0, 0, 0, "V", "V", "V", kObjectX, kObjectY}};
    s.db.NdbTable.entries = {{0, 0, 0, 0, "N", "N", "N", kObjectX, kObjectY}};
    s.db.IlsTable.entries = {{"I", "I", "I", 0, 0, 0, 0, 90, kObjectX, kObjectY}};
    s.db.AirportTable.entries = {{"AD", "MUC", "EDDM", "M", "1", 0, 0, 0, 0, "", "", "", kObjectX, kObjectY}};
    s.db.RunwayTable.count = s.db.IntersectionTable.count = s.db.HillTable.count = 1;
    s.db.VorTable.count = s.db.NdbTable.count = s.db.IlsTable.count = s.db.AirportTable.AirportCount = 1;
    s.route[0] = {kObjectX, kObjectY};
    s.route[1] = {kObjectX + 1'000, kObjectY};

    struct Case {
        int32_t scale;
        std::vector<std::string> order;
        std::vector<std::string> hits;
    } cases[] = {
        {5000,
         {"coast", "borders", "INT", "hills", "VOR", "NDB", "route", "airports", "marker"},
         {"INT", "AD"}},
        {2500, {"coast", "borders", "INT", "hills", "VOR", "NDB", "route", "airports"}, {"INT", "AD"}},
        {1250, {"coast", "borders", "INT", "hills", "VOR", "NDB", "route", "airports"}, {"INT", "AD"}},
        {625,
         {"coast", "borders", "INT", "hills", "VOR", "NDB", "ILS", "route", "airports"},
         {"INT", "VOR", "NDB", "ILS", "AD"}},
        {312,
         {"coast", "borders", "runways", "INT", "hills", "VOR", "NDB", "ILS", "route", "airports"},
         {"INT", "VOR", "NDB", "ILS", "AD"}},
        {40,
         {"coast", "borders", "runways", "INT", "hills", "ILS", "VOR", "NDB", "route", "airports"},
         {"INT", "ILS", "VOR", "NDB", "AD"}},
        {20,
         {"coast", "borders", "runways", "INT", "hills", "VOR", "NDB", "ILS", "route", "airports"},
         {"INT", "VOR", "NDB", "ILS", "AD"}},
        {2,
         {"coast", "borders", "runways", "INT", "hills", "VOR", "NDB", "ILS", "route", "airports"},
         {"INT", "VOR", "NDB", "ILS", "ILS", "AD"}},
    };
    for (const Case &c : cases) {
        s.ViewAt(c.scale);
        std::vector<std::string> order;
        for (const std::string &call : s.LayerCalls()) {
            std::string layer = LayerOf(call);
            if (!layer.empty() && std::find(order.begin(), order.end(), layer) == order.end())
                order.push_back(layer);
        }
        EXPECT_EQ(order, c.order) << "scale " << c.scale;
        std::vector<std::string> kinds;
        for (int32_t i = 0; i < s.hits.count; ++i)
            kinds.push_back(s.hits.entries[i].kind);
        EXPECT_EQ(kinds, c.hits) << "scale " << c.scale;
    }

    // Every flag off: coastlines, centre mark and route only, and an empty hit list.
    s.db.LayerFlags = LayerFlagSet{};
    s.db.MarkedAirport.clear();
    s.ViewAt(625);
    for (const std::string &call : s.LayerCalls())
        EXPECT_TRUE(LayerOf(call) == "coast" || LayerOf(call) == "route") << call;
    EXPECT_EQ(s.hits.count, 0);
}

TEST(LayerErrors, TrappingLayersReportAndTheRedrawGoesOn) {
    struct Case {
        const char *procedure;
        std::function<void(SceneFixture &)> spoil;
    } cases[] = {
        {"DisplayCoast",
         [](SceneFixture &s) {
             s.db.CoastLayer.X = {77'000'000, 77'000'100};
             s.db.CoastLayer.Y = {1, 1};
             s.db.CoastLayer.count = 2;
         }},
        {"DisplayBorder",
         [](SceneFixture &s) {
             s.db.LayerFlags.Borders = true;
             s.db.BorderLayer.X = {77'000'000, 77'000'100};
             s.db.BorderLayer.Y = {1, 1};
             s.db.BorderLayer.count = 2;
         }},
        {"Displayrwy",
         [](SceneFixture &s) {
             s.db.LayerFlags.Runways = true;
             s.db.RunwayTable.entries = {{77'000'000, 1, 90, 1}};
             s.db.RunwayTable.count = 1;
         }},
        {"DisplayIntersection",
         [](SceneFixture &s) {
             s.db.LayerFlags.Intersections = true;
             s.db.IntersectionTable.entries = {{"FAR", 77'000'000, 1}};
             s.db.IntersectionTable.count = 1;
         }},
    };
    for (const Case &c : cases) {
        SceneFixture s;
        s.view.ScaleX = s.view.ScaleY = 625;
        s.view.OriginX = -2'100'000'000; // X - OriginX passes the 32-bit range for X = 77,000,000
        s.view.OriginY = 0;
        s.route[0] = {1'000'000, 1'000'000};
        s.route[1] = {2'000'000, 1'000'000};
        c.spoil(s);
        s.Draw();
        ASSERT_EQ(s.sink.boxes.size(), 1u) << c.procedure;
        EXPECT_EQ(s.sink.boxes[0].text,
                  std::string("Error 6 (Overflow) in procedure ") + c.procedure + " of Modul Module3");
        EXPECT_EQ(s.canvas.calls.back().substr(s.canvas.calls.back().size() - 10), "w1 #ff00ff")
            << c.procedure;
    }
}

TEST(Marker, SixRingsAndTheInformationBlockAtTheWorldView) {
    SceneFixture s;
    s.db.AirportTable.entries = {
        {"AD-LOK", "OBF", "EDMO", "Oberpfaffenhofen", "1947", 0, 0, 0, 0, "", "04-22 # 08-26", "Germany",
         41'000'000, 9'000'000},
        {"AD", "XXX", "EDMO", "Second", "1", 0, 0, 0, 0, "", "", "", 42'000'000, 9'000'000}};
    s.db.AirportTable.AirportCount = 2;
    s.db.MarkedAirport = "EDMO";
    RedrawResult r = s.Draw();
    Calls calls(s.canvas.calls.end() - 6, s.canvas.calls.end());
    EXPECT_EQ(calls, (Calls{"CIRCLE 8200 1800 100 w1 #ff8080", "CIRCLE 8200 1800 110 w1 #ff8080",
                            "CIRCLE 8200 1800 120 w1 #ff8080", "CIRCLE 8200 1800 130 w1 #ff8080",
                            "CIRCLE 8200 1800 140 w1 #ff8080", "CIRCLE 8200 1800 150 w1 #ff8080"}));
    EXPECT_TRUE(r.ringsDrawn);
    ASSERT_TRUE(r.displayText);
    EXPECT_EQ(*r.displayText, "--- LOCAL ARPT ---OBF\r\n"
                              "Oberpfaffenhofen                        Germany\r\n"
                              "EDMO     Elev: 1947      ATIS: \r\n"
                              "                              04-22\r\n"
                              "                              08-26\r\n"
                              "\r\n");
    // Not at other scales, and not for an unknown code.
    s.view.ScaleX = s.view.ScaleY = 2500;
    EXPECT_FALSE(s.Draw().ringsDrawn);
    s.view.ScaleX = s.view.ScaleY = 5000;
    s.db.MarkedAirport = "ZZZZ";
    r = s.Draw();
    EXPECT_FALSE(r.ringsDrawn);
    EXPECT_FALSE(r.displayText);
}

} // namespace
} // namespace qelvar
