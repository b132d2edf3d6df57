#include "airports/chart_header.h"
#include "approach/approach_chart.h"
#include "approach/approach_rows.h"
#include "approach/bearing.h"
#include "platform/numbers.h"
#include "platform/qt_canvas.h"
#include "platform/recording_canvas.h"
#include "platform/runtime_error.h"
#include "scenery/dispatch.h"
#include "scenery/grid.h"

#include "support/kit_folder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace qelvar {
namespace {

using Calls = std::vector<std::string>;

// The fixture airport KXYZ: at zoom 16 one minute of arc is 3,600 / 16 = 225 twips, and the
// reference point N47 30 W122 18 lands at (7000, 5000).
SceneryAirport Fixture() {
    static const Dispatcher dispatcher(ApproachRows());
    SceneryAirport a;
    LoadSceneryAirport(testing::FixturesDir() / "approach" / "KXYZ.xml", "KXYZ", dispatcher, a);
    return a;
}

VorRecords FixtureVors() {
    RecordingMessageSink sink;
    VorRecords vors;
    LoadVor(testing::FixturesDir() / "approach", vors, sink);
    return vors;
}

// The calls after the header, which chart_header_test covers.
Calls AfterHeader(const RecordingCanvas &canvas, SceneryAirport airport, int zoom) {
    RecordingCanvas header;
    DrawChartHeader(header, airport, ApproachHeaderStyle(zoom));
    EXPECT_GE(canvas.calls.size(), header.calls.size());
    EXPECT_TRUE(std::equal(header.calls.begin(), header.calls.end(), canvas.calls.begin()));
    return Calls(canvas.calls.begin() + static_cast<long>(header.calls.size()), canvas.calls.end());
}

// The calls from the first one that starts with the prefix on.
Calls From(const Calls &calls, const std::string &prefix) {
    auto at = std::find_if(calls.begin(), calls.end(),
                           [&](const std::string &c) { return c.rfind(prefix, 0) == 0; });
    return Calls(at, calls.end());
}

const Calls kAirportAndNavaids = {
    // Reference point: olive yellow centre cross and circle, then the black cross and "ARP".
    "LINE 6800 5000 7200 5000 w1 #c0c000",
    "LINE 7000 4800 7000 5200 w1 #c0c000",
    "CIRCLE 7000 5000 30 w1 #c0c000",
    "LINE 6900 5000 7100 5000 w1 #000000",
    "LINE 7000 4900 7000 5100 w1 #000000",
    "TEXT 7040 5000 8 #000000 ARP",
    // 16L/34R two minutes north and south, 16R/34L one minute (225 twips) west; no helipad line.
    "LINE 7000 4550 7000 5450 w5 #000000",
    "LINE 6775 4550 6775 5450 w5 #000000",
    // NDB OL ten minutes south.
    "CIRCLE 7000 7250 30 w1 #c00000",
    "CIRCLE 7000 7250 60 w1 #c00000",
    "TEXT 7000 6450 10 #c00000 OL",
    "TEXT 7000 6650 10 #c00000 350.0",
    // VOR SEA (W122 19, N47 26) and OLM (W122 30.4, N47 44.6); AAL and EQU lie far outside.
    "CIRCLE 6775 5900 30 w1 #0000ff",
    "CIRCLE 6775 5900 60 w1 #0000ff",
    "CIRCLE 6775 5900 90 w1 #0000ff",
    "TEXT 7275 5900 10 bold #0000ff SEA",
    "TEXT 7275 6100 10 #0000ff 116.80",
    "CIRCLE 4210 1715 30 w1 #0000ff", // its minutes as written: 12.4 west and 14.6 north
    "CIRCLE 4210 1715 60 w1 #0000ff",
    "CIRCLE 4210 1715 90 w1 #0000ff",
    "TEXT 4710 1715 10 bold #0000ff OLM",
    "TEXT 4710 1915 10 #0000ff 113.40",
};

TEST(BearingOffset, QuadrantRuleEqualsSineAndCosineAtEveryTenDegrees) {
    for (int length : {360, 216, 1000}) {
        for (int h = -360; h <= 720; h += 10) {
            double radians = h * std::numbers::pi / 180.0;
            PicturePoint expected{static_cast<int>(RoundHalfEven(length * std::sin(radians))),
                                  -static_cast<int>(RoundHalfEven(length * std::cos(radians)))};
            EXPECT_EQ(BearingOffset(length, h), expected) << "length " << length << " bearing " << h;
        }
    }
    // The axes are exact, and opposite bearings mirror each other.
    EXPECT_EQ(BearingOffset(360, 0), (PicturePoint{0, -360}));
    EXPECT_EQ(BearingOffset(360, 90), (PicturePoint{360, 0}));
    EXPECT_EQ(BearingOffset(360, 180), (PicturePoint{0, 360}));
    EXPECT_EQ(BearingOffset(360, 270), (PicturePoint{-360, 0}));
    EXPECT_EQ(BearingOffset(360, 30), (PicturePoint{180, -312}));
    EXPECT_EQ(BearingOffset(360, 210), (PicturePoint{-180, 312}));
}

TEST(ApproachChart, AirportAndNavaidsWithoutAnApproach) {
    SceneryAirport a = Fixture();
    RecordingCanvas canvas;
    ApproachChartOutcome outcome =
        RedrawApproachChart(canvas, a, FixtureVors(), ApproachView{16, 0, 0, {}, {}});
    EXPECT_EQ(AfterHeader(canvas, a, 16), kAirportAndNavaids);
    EXPECT_TRUE(outcome.transitionEntries.empty());
    EXPECT_FALSE(outcome.dataCorrupt);
    EXPECT_FALSE(outcome.noReferencePoint);
}

TEST(ApproachChart, HeaderFiltersTheRadiosAndDrawsTheScale) {
    SceneryAirport a = Fixture();
    RecordingCanvas canvas;
    RedrawApproachChart(canvas, a, FixtureVors(), ApproachView{16, 0, 0, {}, {}});
    const Calls &c = canvas.calls;
    // ATIS, TOWER and APPROACH, not GROUND, numbered on without a gap.
    EXPECT_NE(std::find(c.begin(), c.end(), "TEXT 10500 1050 8 #000000 XYZ ATIS ATIS  118.000"), c.end());
    EXPECT_NE(std::find(c.begin(), c.end(), "TEXT 10500 1300 8 #000000 XYZ TOWER TOWER  119.900"), c.end());
    EXPECT_NE(std::find(c.begin(), c.end(), "TEXT 10500 1550 8 #000000 XYZ APPROACH APPROACH  120.100"),
              c.end());
    // Scale step round(4800 / 16) = 300.
    EXPECT_NE(std::find(c.begin(), c.end(), "LINE 6000 9920 9000 9920 w1 #c00000"), c.end());
    EXPECT_NE(std::find(c.begin(), c.end(), "TEXT 9000 9900 8 #c00000 10"), c.end());
}

TEST(ApproachChart, IlsApproachWithSymbolsArrowheadsAndPath) {
    SceneryAirport a = Fixture();
    RecordingCanvas canvas;
    ApproachChartOutcome outcome =
        RedrawApproachChart(canvas, a, FixtureVors(), ApproachView{16, 0, 0, 0, {}});
    Calls approach = From(AfterHeader(canvas, a, 16), "TEXT 200 3000");
    EXPECT_EQ(approach, (Calls{
                            "TEXT 200 3000 14 bold #000000 ILS RWY 16L  110.30   ISNQ  162.0\xB0",
                            // CF16L, ten minutes north: altitude2 3000, rho 20530 / 2053 = 10 DME, no course.
                            "CIRCLE 7000 2750 30 w2 #000000",
                            "TEXT 6900 2750 8 #000000 CF16L",
                            "TEXT 6900 2950 10 #000000 3000",
                            "TEXT 6900 3150 10 #000000 10 DME",
                            // FF16L six minutes north, course "160.8" read as 160.
                            "CIRCLE 7000 3650 30 w2 #000000",
                            "TEXT 6900 3650 8 #000000 FF16L",
                            "TEXT 6900 3850 10 #000000 2000",
                            // Green arrowhead along the true course 160 + 16 (magvar 344: 16° E) = 176:
                            // 360 twips at 46° and 306°.
                            "LINE 7000 3650 7259 3400 w2 #008000",
                            "LINE 7000 3650 6709 3438 w2 #008000",
                            // The path from CF16L, and at its midpoint (7000, 3200) the black arrow, 216
                            // twips at 16° and 336°, and the magnetic course.
                            "LINE 7000 2750 7000 3650 w1 #008000 dot",
                            "LINE 7000 3200 7060 2992 w2 #000000",
                            "LINE 7000 3200 6912 3003 w2 #000000",
                            "TEXT 7050 2800 10 bold #000000 160\xB0",
                            // RW16L: the runway end of an ILS approach gets no arrowhead.
                            "CIRCLE 7000 4550 30 w2 #000000",
                            "TEXT 6900 4550 8 #000000 RW16L",
                            "TEXT 6900 4750 10 #000000 431",
                            "LINE 7000 3650 7000 4550 w1 #008000 dot",
                            "LINE 7000 4100 7067 3895 w2 #000000", // 162 + 16 = 178: 18° and 338°
                            "LINE 7000 4100 6919 3900 w2 #000000",
                            "TEXT 7050 3700 10 bold #000000 162\xB0",
                        }));
    // The transition list: the VOR transition, not the INT one.
    EXPECT_EQ(outcome.transitionEntries, std::vector<std::string>{"VOR SEA"});
    EXPECT_FALSE(outcome.dataCorrupt);
}

TEST(ApproachChart, VorApproachTitleAndArrowheadAtItsRunwayEnd) {
    SceneryAirport a = Fixture();
    RecordingCanvas canvas;
    ApproachChartOutcome outcome =
        RedrawApproachChart(canvas, a, FixtureVors(), ApproachView{16, 0, 0, 1, {}});
    Calls approach = From(AfterHeader(canvas, a, 16), "TEXT 200 3000");
    ASSERT_FALSE(approach.empty());
    // The VOR named by the legs' recommended ident gives the title.
    EXPECT_EQ(approach[0], "TEXT 200 3000 14 bold #000000 OLYMPIA  113.40   OLM");
    // RW34R (7000, 5450), course 120 (136 true): not an ILS approach, so the arrowhead is drawn (6° and
    // 266°).
    Calls atRunway = From(approach, "CIRCLE 7000 5450");
    ASSERT_GE(atRunway.size(), 4u);
    EXPECT_EQ(atRunway[1], "TEXT 6900 5450 8 #000000 RW34R");
    EXPECT_EQ(atRunway[2], "LINE 7000 5450 7038 5092 w2 #008000");
    EXPECT_EQ(atRunway[3], "LINE 7000 5450 6641 5475 w2 #008000");
    // The path starts at the VOR OLM (4210, 1715).
    EXPECT_NE(std::find(approach.begin(), approach.end(), "LINE 4210 1715 7000 5450 w1 #008000 dot"),
              approach.end());
    EXPECT_EQ(outcome.transitionEntries, std::vector<std::string>{"NDB OL"});
}

TEST(ApproachChart, TitlesOfOtherApproaches) {
    SceneryAirport a = Fixture();
    VorRecords vors = FixtureVors();
    EXPECT_EQ(ApproachTitle(a, vors, 2), "Visual APP"); // runway "0" reads "00"
    EXPECT_EQ(ApproachTitle(a, vors, 3), "NDB 34L");
    // An ILS approach without a matching ILS record, and a VOR approach whose VOR is not in vor.nav,
    // are titled by their label.
    a.ils[0].name = "ILS RWY 34R";
    EXPECT_EQ(ApproachTitle(a, vors, 0), "ILS 16L");
    EXPECT_EQ(ApproachTitle(a, VorRecords{}, 1), "VORDME 34R");
}

TEST(ApproachChart, FixFoundNowhereGivesTheWarning) {
    SceneryAirport a = Fixture();
    a.legs[1].fixIdent = "NOWHERE"; // FF16L of the ILS approach
    RecordingCanvas canvas;
    ApproachChartOutcome outcome =
        RedrawApproachChart(canvas, a, FixtureVors(), ApproachView{16, 0, 0, 0, {}});
    EXPECT_TRUE(outcome.dataCorrupt);
    const Calls &c = canvas.calls;
    EXPECT_EQ(c.back(), "TEXT 200 8800 14 bold #c00000 ATTENTION: Approach Data may be corrupt!");
    // The path goes on from CF16L to RW16L; nothing is drawn towards the unknown fix.
    EXPECT_NE(std::find(c.begin(), c.end(), "LINE 7000 2750 7000 4550 w1 #008000 dot"), c.end());
    EXPECT_EQ(
        std::find_if(c.begin(), c.end(), [](const std::string &s) { return s.find("NOWHERE") != s.npos; }),
        c.end());
}

TEST(ApproachChart, FixesOutsideThePictureHeightGetNoSymbol) {
    SceneryAirport a = Fixture();
    // Pan CF16L (y 2750) to y = 0 and FF16L (3650) to 900: only FF16L and RW16L get symbols.
    RecordingCanvas canvas;
    RedrawApproachChart(canvas, a, FixtureVors(), ApproachView{16, 0, -2750, 0, {}});
    Calls approach = From(AfterHeader(canvas, a, 16), "TEXT 200 3000");
    std::vector<std::string> symbols;
    for (const std::string &call : approach)
        if (call.rfind("CIRCLE", 0) == 0)
            symbols.push_back(call);
    EXPECT_EQ(symbols, (Calls{"CIRCLE 7000 900 30 w2 #000000", "CIRCLE 7000 1800 30 w2 #000000"}));
    EXPECT_NE(std::find(approach.begin(), approach.end(), "LINE 7000 0 7000 900 w1 #008000 dot"),
              approach.end());
}

TEST(ApproachChart, ChosenTransitionDrawsNoApproach) {
    SceneryAirport a = Fixture();
    RecordingCanvas canvas;
    ApproachChartOutcome outcome =
        RedrawApproachChart(canvas, a, FixtureVors(), ApproachView{16, 0, 0, 0, 0});
    EXPECT_EQ(AfterHeader(canvas, a, 16), kAirportAndNavaids);
    EXPECT_TRUE(outcome.transitionEntries.empty());
}

TEST(ApproachChart, ApproachWithoutLegsSaysSo) {
    SceneryAirport a = Fixture();
    RecordingCanvas canvas;
    RedrawApproachChart(canvas, a, FixtureVors(), ApproachView{16, 0, 0, 3, {}});
    EXPECT_EQ(From(AfterHeader(canvas, a, 16), "TEXT 200 3000"),
              (Calls{"TEXT 200 3000 14 bold #000000 NDB 34L",
                     "TEXT 200 3400 10 bold #c00000 This approach has no legs in the scenery file."}));
}

TEST(ApproachChart, TitleMovesBelowALongRunwayListOnly) {
    // The fixture's list has two runways; the approach chart leaves the ILS list off, however long.
    // Each further runway but the first (whose place the fixture's helipad pair takes) adds a line;
    // from eight lines on the title goes 350 twips below the last one.
    struct Case {
        int extraRunways, extraIls, listLines, titleY;
    };
    for (const Case &c :
         std::vector<Case>{{0, 6, 2, 3000}, {6, 0, 7, 3000}, {7, 6, 8, 3150}, {8, 0, 9, 3400}}) {
        SceneryAirport a = Fixture();
        for (int i = 0; i < c.extraIls; ++i) {
            *a.ils.Open() = IlsRecord{"IX" + std::to_string(i), "111.10", "340.0", "ILS RWY 34R"};
            a.ils.Close();
        }
        for (int i = 0; i < c.extraRunways; ++i) {
            *a.runways.Open() = SceneryRunway{"1", "NONE", "", "", "900.0M", "30.0M", "100.0", "GRASS"};
            a.runways.Close();
            for (const char *number : {"1", "19"}) {
                *a.starts.Open() = RunwayStart{"RUNWAY", number, "NONE", "", "", "", "100.0", ""};
                a.starts.Close();
            }
        }
        RecordingCanvas header;
        EXPECT_EQ(DrawChartHeader(header, a, ApproachHeaderStyle(16)), c.listLines);
        RecordingCanvas canvas;
        RedrawApproachChart(canvas, a, FixtureVors(), ApproachView{16, 0, 0, 0, {}});
        std::string title = "TEXT 200 " + std::to_string(c.titleY) + " 14 bold #000000 ILS RWY 16L";
        EXPECT_FALSE(From(canvas.calls, title).empty()) << c.extraRunways << " extra runways";
        EXPECT_EQ(std::count_if(canvas.calls.begin(), canvas.calls.end(),
                                [](const std::string &call) { return call.find("-ISNQ-") != call.npos; }),
                  0);
    }
}

TEST(ApproachChart, VorsOnlyStrictlyInsideTheWidthBeforeThePan) {
    SceneryAirport a = Fixture();
    a.ndbs.Clear();
    // At zoom 18 the left edge (x 0) lies 7000 x 18 = 126,000 units = 35 minutes west of the
    // reference point and x 14000 as far east; one minute is 200 twips.
    auto vor = [](const char *ident, const char *lon) {
        VorRecord v;
        v.ident = ident;
        v.x = LonToGrid(lon, kApproachGridPerDegree);
        v.y = LatToGrid("N47 30.00", kApproachGridPerDegree);
        return v;
    };
    VorRecords vors = {vor("LFT", "W122 53.00"), vor("IN1", "W122 52.00"), vor("IN2", "W121 44.00"),
                       vor("RGT", "W121 43.00")};
    RecordingCanvas canvas;
    RedrawApproachChart(canvas, a, vors, ApproachView{18, 1000, 0, {}, {}});
    Calls idents;
    for (const std::string &call : canvas.calls)
        if (call.find(" bold #0000ff ") != std::string::npos)
            idents.push_back(call);
    // Drawn where they lie with the pan of 1000 added; the two on the edges are left out.
    EXPECT_EQ(idents, (Calls{"TEXT 1700 5000 10 bold #0000ff IN1", "TEXT 15300 5000 10 bold #0000ff IN2"}));
}

TEST(ApproachChart, AirportWithoutReferencePointDrawsTheHeaderOnly) {
    SceneryAirport a; // not found in its file: empty tables
    RecordingCanvas canvas;
    ApproachChartOutcome outcome =
        RedrawApproachChart(canvas, a, FixtureVors(), ApproachView{16, 0, 0, {}, {}});
    EXPECT_TRUE(outcome.noReferencePoint);
    EXPECT_TRUE(AfterHeader(canvas, a, 16).empty());
}

TEST(ApproachChart, NumbersWithUnitLetters) {
    struct Case {
        const char *text;
        std::optional<int> value;
    };
    for (const Case &c : std::vector<Case>{
             {"3000.0F", 3000},
             {"914.4M", 914},
             {"160.8", 160},  // the last character is dropped
             {"162.5M", 162}, // halves to even
             {"90", 90},      // a whole number without a unit keeps its digits
             {"", std::nullopt},
             {"F", std::nullopt},
             {"abcF", std::nullopt},
         })
        EXPECT_EQ(WholeUnitNumber(c.text), c.value) << c.text;
}

TEST(ApproachChart, RhoByItsUnitLetter) {
    struct Case {
        const char *rho;
        std::optional<double> miles;
    };
    for (const Case &c : std::vector<Case>{
             {"14.1N", 14.1},
             {"18520.0M", 10},
             {"60761.2F", 10},
             {"20530.0", 10}, // bare: the files the chart was first made for
             {"20530", 10},
             {"12n", 12},
             {"", std::nullopt},
             {"N", std::nullopt},
             {"10K", std::nullopt},
             {"1e300", std::nullopt},
         })
        EXPECT_EQ(RhoNauticalMiles(c.rho), c.miles) << c.rho;
}

// The fixture's leg CF16L with another rho: the DME figure under the fix.
TEST(ApproachChart, DmeFigureFollowsTheUnitLetter) {
    for (auto [rho, figure] : {std::pair{"10.4N", "10 DME"}, {"11112.0M", "6 DME"}, {"36456.7F", "6 DME"}}) {
        SceneryAirport a = Fixture();
        a.legs[0].rho = rho;
        RecordingCanvas canvas;
        RedrawApproachChart(canvas, a, FixtureVors(), ApproachView{16, 0, 0, 0, {}});
        std::string call = std::string("TEXT 6900 3150 10 #000000 ") + figure;
        EXPECT_NE(std::find(canvas.calls.begin(), canvas.calls.end(), call), canvas.calls.end()) << rho;
    }
}

// Numbers of a pilot's file that no picture can hold raise Overflow on either canvas, which the
// window traps; a fix or a VOR far off the chart is drawn where it lies.
TEST(ApproachChart, NumbersBeyondThePictureRaiseOverflow) {
    struct Case {
        std::string rho, course;
        bool farFix, overflow;
    };
    std::vector<Case> cases = {
        {"20530.0", "160.8", false, false},
        {"9000000000000", "160.8", false, true}, // 4.4e9 DME
        {"1" + std::string(300, '0'), "160.8", false, true},
        {"20530.0", "2147483647", false, true},
        {"20530.0", "160.8", true, false},
    };
    VorRecords vors = FixtureVors();
    VorRecord farVor = vors[0];
    farVor.x = LonToGrid("E180 00.00", kApproachGridPerDegree);
    vors.push_back(farVor);
    for (const Case &c : cases) {
        SceneryAirport a = Fixture();
        a.legs[0].rho = c.rho;
        a.legs[1].magneticCourse = c.course;
        for (size_t i = 0; i < a.waypoints.Count(); ++i)
            if (a.waypoints[i].ident == "CF16L" && c.farFix)
                a.waypoints[i] =
                    WaypointRecord{"CF16L", "S89 59.99", "E180 00.00"}; // the far side of the earth
        RecordingCanvas recording;
        QtCanvas image(kChartWidth, kChartHeight);
        for (Canvas *canvas : std::initializer_list<Canvas *>{&recording, &image}) {
            try {
                RedrawApproachChart(*canvas, a, vors, ApproachView{16, 0, 0, 0, {}});
                EXPECT_FALSE(c.overflow) << c.rho << " " << c.course;
            } catch (const RuntimeError &e) {
                EXPECT_TRUE(c.overflow) << c.rho << " " << c.course;
                EXPECT_EQ(e.Number(), kOverflow);
            }
        }
    }
}

} // namespace
} // namespace qelvar

namespace qelvar {
namespace {

// Every bundled scenery file: its airport is found, and every approach of it is drawn with all its
// fixes found (the file's waypoints, NDBs and runway ends, or the bundled vor.nav).
TEST(BundledApproaches, EveryApproachFindsItsFixes) {
    std::filesystem::path folder = testing::DataDir() / "FSXFiles";
    if (!std::filesystem::is_directory(folder))
        GTEST_SKIP() << "no bundled scenery files";
    static const Dispatcher dispatcher(ApproachRows());
    RecordingMessageSink sink;
    VorRecords vors;
    LoadVor(testing::DataDir(), vors, sink);
    ASSERT_TRUE(sink.boxes.empty());
    size_t files = 0, approaches = 0;
    std::vector<std::string> faults;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".xml")
            continue;
        ++files;
        SceneryAirport a;
        SceneryLoadResult result =
            LoadSceneryAirport(entry.path(), entry.path().stem().string(), dispatcher, a);
        if (!result.airportFound || !result.fullTables.empty() || result.problemLines > 0)
            faults.push_back(entry.path().filename().string() + ": not read whole");
        for (size_t i = 0; i < a.approaches.Count(); ++i) {
            ++approaches;
            RecordingCanvas canvas;
            ApproachChartOutcome outcome =
                RedrawApproachChart(canvas, a, vors, ApproachView{16, 0, 0, static_cast<int>(i), {}});
            if (outcome.dataCorrupt || outcome.noReferencePoint)
                faults.push_back(entry.path().filename().string() + ": " + a.approaches[i].label);
        }
    }
    EXPECT_GT(files, 0u);
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults in " << files << " files with " << approaches
                                << " approaches, the first: " << faults.front();
}

} // namespace
} // namespace qelvar
