#include "airports/chart_frame.h"
#include "airports/diagram_bands.h"
#include "airports/redraw_airport.h"
#include "platform/qt_canvas.h"
#include "platform/recording_canvas.h"
#include "platform/runtime_error.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace qelvar {
namespace {

using Calls = std::vector<std::string>;

// The reference point is N50 00.0000 E008 00.0000. At zoom 1 a grid unit is a twip, and 0.1 minute
// is 1,440 units: "N50 00.1000" lies 1,440 twips above the centre, "E008 00.1000" 1,440 to the right.
constexpr const char *kLat0 = "N50 00.0000", *kLon0 = "E008 00.0000";

template <class Record> Record &Add(SceneryTable<Record> &table, Record record) {
    Record &r = *table.Open() = std::move(record);
    table.Close();
    return r;
}

SceneryAirport Airport() {
    SceneryAirport a;
    a.header.ident = "EDXX";
    a.header.lat = kLat0;
    a.header.lon = kLon0;
    return a;
}

// The calls after the header's last line, the warning.
Calls DiagramCalls(const RecordingCanvas &canvas) {
    for (size_t i = 0; i < canvas.calls.size(); ++i)
        if (canvas.calls[i].find("DO NOT USE FOR REAL NAVIGATION") != std::string::npos)
            return Calls(canvas.calls.begin() + static_cast<long>(i) + 1, canvas.calls.end());
    ADD_FAILURE() << "no header";
    return {};
}

const Calls kCentreAndReference = {
    "LINE 6800 5000 7200 5000 w1 #000000", "LINE 7000 4800 7000 5200 w1 #000000",
    "CIRCLE 7000 5000 30 w1 #000000",      "LINE 6900 5000 7100 5000 w1 #000000",
    "LINE 7000 4900 7000 5100 w1 #000000", "TEXT 7040 5000 8 #000000 ARP",
};

TEST(RedrawAirport, OneElementOfEveryKind) {
    SceneryAirport a = Airport();
    a.header.towerLat = "N50 00.0500"; // 720 twips up and right
    a.header.towerLon = "E008 00.0500";
    Add(a.taxiPoints, {"0", "NORMAL", kLat0, "E008 00.1000"});             // (8440, 5000)
    Add(a.taxiPoints, {"1", "HOLD_SHORT", "N50 00.1000", "E008 00.1000"}); // (8440, 3560)
    Add(a.taxiPoints, {"2", "ILS_HOLD_SHORT", "N50 00.1000", kLon0});      // (7000, 3560)
    Add(a.taxiPoints, {"3", "VOR_CHECKPOINT", kLat0, kLon0});              // not drawn
    Add(a.taxiPoints, {"4", "NORMAL", "50.0", kLon0});                     // unreadable: left out
    Add(a.taxiNames, {"A"});
    Add(a.taxiNames, {"B"});
    Add(a.taxiPaths, {"0", "1", "TAXI", "1", "23.0M"}); // first TAXI: no label; 2.3 -> 2 + 2 pixels
    Add(a.taxiPaths, {"1", "2", "TAXI", "0", "15.0M"}); // 1.5 -> 2 (half to even) + 2 pixels
    Add(a.taxiPaths, {"0", "2", "PATH", "0", "5.0M"});
    Add(a.taxiPaths, {"2", "0", "VEHICLE", "0", "5.0M"});
    Add(a.taxiPaths, {"0", "9", "TAXI", "0", "5.0M"});   // no point 9: left out
    Add(a.taxiPaths, {"0", "1", "RUNWAY", "0", "5.0M"}); // not drawn
    // An apron of three vertices, its separator, then a fence of two vertices.
    Add(a.apronVertices, {"N50 00.2000", kLon0});          // (7000, 2120)
    Add(a.apronVertices, {"N50 00.2000", "E008 00.1000"}); // (8440, 2120)
    Add(a.apronVertices, {"N50 00.3000", "E008 00.1000"}); // (8440, 680)
    Add(a.apronVertices, {"", "0"});
    Add(a.apronVertices, {"N50 00.3000", kLon0}); // (7000, 680)
    Add(a.apronVertices, {"N50 00.4000", kLon0}); // (7000, -760)
    a.apronEndMark = 3;
    // Runway 09/27, 45 m of grass: 4.5 -> 4 + 3 pixels; VASI on the left of 09, on the right of 27.
    Add(a.runways, {"9", "NONE", kLat0, kLon0, "2000.0M", "45.0M", "90.0", "GRASS"});
    Add(a.starts, {"RUNWAY", "9", "NONE", kLat0, "E007 59.9000", "0.0M", "90.0", ""});   // (5560, 5000)
    Add(a.starts, {"RUNWAY", "27", "NONE", kLat0, "E008 00.1000", "0.0M", "270.0", ""}); // (8440, 5000)
    Add(a.vasis, {"PRIMARY", "LEFT", "PAPI4", "10.0M", 0});
    Add(a.vasis, {"SECONDARY", "RIGHT", "PAPI4", "10.0M", 0});
    Add(a.starts, {"HELIPAD", "1", "NONE", kLat0, kLon0, "0.0M", "0.0", ""});
    Add(a.starts, {"HELIPAD", "1", "NONE", "N50 00.0100", kLon0, "0.0M", "0.0", ""}); // (7000, 4856)
    Add(a.starts, {"RUNWAY", "18", "NONE", kLat0, kLon0, "0.0M", "180.0", ""});       // no other end

    RecordingCanvas canvas;
    DiagramReport report = RedrawAirport(canvas, a, DiagramView{1, 0, 0, false, true});
    Calls expected = kCentreAndReference;
    Calls rest = {
        "CIRCLE 7720 4280 40 w1 #000000",
        "TEXT 7770 4280 8 #000000 TWR",
        "CIRCLE 8440 5000 1 w3 #0000ff",
        "LINE 8320 3560 8560 3560 w1 #c04000",
        "LINE 8440 3440 8440 3680 w1 #c04000",
        "LINE 6850 3560 7150 3560 w2 #c00000",
        "LINE 7000 3410 7000 3710 w2 #c00000",
        // Apron lines in light grey, the separator closes the polygon, the fence is green.
        "LINE 7000 2120 8440 2120 w2 #bebebe",
        "LINE 8440 2120 8440 680 w2 #bebebe",
        "LINE 8440 680 7000 2120 w2 #bebebe",
        "LINE 7000 680 7000 -760 w1 #008000",
        "LINE 8440 5000 8440 3560 w4 #404040",
        "LINE 8440 5000 8440 3560 w1 #c0c000",
        "LINE 8440 3560 7000 3560 w4 #404040",
        "LINE 8440 3560 7000 3560 w1 #c0c000",
        // The label at the midpoint (7720, 3560): one character, a box 150 wide.
        "BOX 7720 3560 7870 3390 w1 #000000 fill #c0c000",
        "TEXT 7750 3360 8 #000000 A",
        "LINE 8440 5000 7000 3560 w2 #c0c000",
        "LINE 7000 3560 8440 5000 w1 #404040",
        "LINE 7025 3585 8465 5025 w1 #404040",
        // Runway 09/27: the line, the dashed centre line, then each end's label and VASI.
        "LINE 5560 5000 8440 5000 w7 #008000",
        "LINE 5560 5000 8440 5000 w1 #ffffff dash",
        // 09: reversed heading 270, label band (-500, -50); VASI left band of 90: (500, -50).
        "TEXT 4960 4750 14 bold #000000 09",
        "TEXT 4960 5050 7 #000000 90.0\xB0",
        "CIRCLE 6060 4950 40 w1 #000000 fill #ffffff",
        "CIRCLE 6110 5000 40 w1 #000000 fill #c00000",
        // 27: reversed heading 90, label band (500, 0); VASI right band of 270: (-500, -50).
        "TEXT 8840 4800 14 bold #000000 27",
        "TEXT 8840 5100 7 #000000 270.0\xB0",
        "CIRCLE 7940 4950 40 w1 #000000 fill #c00000",
        // The helipad pair.
        "CIRCLE 7000 5000 80 w1 #000000",
        "TEXT 6950 4910 8 #000000 H",
        "CIRCLE 7000 4856 80 w1 #000000",
        "TEXT 6950 4766 8 #000000 H",
    };
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(DiagramCalls(canvas), expected);
    EXPECT_TRUE(report.placed);
    EXPECT_EQ(report.unreadable, 1);     // taxi point 4
    EXPECT_EQ(report.missingRecords, 2); // path to point 9, start 18 without its other end
    EXPECT_EQ(DiagramNotice(report), "not drawn: 1 value unreadable, 2 references to missing records");
    EXPECT_EQ(a.starts[0].number, "09"); // stored in its two-digit form
}

// Each end draws the first VASI record read under its runway for its end: PRIMARY is the end that
// carries the runway's number and designator, whatever the order of the starts; an unlit end none.
TEST(RedrawAirport, VasiMarksAtTheirOwnEnds) {
    // Runway 0: 09/27 as in OneElementOfEveryKind; runway 1: 18/36, its starts written 36 first. A
    // right mark is one circle, a left mark two (the white one and the red one 50 twips down right).
    struct Case {
        std::vector<VasiRecord> vasis;
        Calls marks; // the circles of radius 40, in drawing order: 09, 27, 36, 18
    } cases[] = {
        {{}, {}},
        // Lights at 27 only: 09 stays unlit, 27 gets its own mark (band 27: (-500, -50)).
        {{{"SECONDARY", "RIGHT", "PAPI4", "10.0M", 0}}, {"CIRCLE 7940 4950 40"}},
        // Two records for 09: the first counts (right, band 9: (500, 50)); runway 1's SECONDARY end is
        // 36, whose left point (band 0) is (-100, -500).
        {{{"PRIMARY", "RIGHT", "", "", 0}, {"PRIMARY", "LEFT", "", "", 0}, {"SECONDARY", "LEFT", "", "", 1}},
         {"CIRCLE 6060 5050 40", "CIRCLE 6900 4500 40", "CIRCLE 6950 4550 40"}},
        // Runway 1's PRIMARY end is 18, its second start (left point, band 18: (50, 500)).
        {{{"PRIMARY", "LEFT", "", "", 1}}, {"CIRCLE 7050 4060 40", "CIRCLE 7100 4110 40"}},
        // A record read under no runway of the file marks nothing.
        {{{"PRIMARY", "LEFT", "", "", 7}}, {}},
    };
    for (const Case &c : cases) {
        SceneryAirport a = Airport();
        Add(a.runways, {"9", "NONE", kLat0, kLon0, "2000.0M", "45.0M", "90.0", "ASPHALT"});
        Add(a.runways, {"18", "NONE", kLat0, kLon0, "2000.0M", "45.0M", "180.0", "ASPHALT"});
        Add(a.starts, {"RUNWAY", "9", "NONE", kLat0, "E007 59.9000", "0.0M", "90.0", ""});   // (5560, 5000)
        Add(a.starts, {"RUNWAY", "27", "NONE", kLat0, "E008 00.1000", "0.0M", "270.0", ""}); // (8440, 5000)
        Add(a.starts, {"RUNWAY", "36", "NONE", kLat0, kLon0, "0.0M", "0.0", ""});            // (7000, 5000)
        Add(a.starts, {"RUNWAY", "18", "NONE", "N50 00.1000", kLon0, "0.0M", "180.0", ""});  // (7000, 3560)
        for (const VasiRecord &v : c.vasis)
            Add(a.vasis, v);
        RecordingCanvas canvas;
        RedrawAirport(canvas, a, DiagramView{1, 0, 0, false, false});
        Calls marks;
        for (const std::string &call : DiagramCalls(canvas))
            if (call.rfind("CIRCLE", 0) == 0 && call.find(" 40 w1 ") != std::string::npos)
                marks.push_back(call.substr(0, call.find(" w1")));
        EXPECT_EQ(marks, c.marks) << c.vasis.size() << " records";
    }
}

TEST(RedrawAirport, TaxiLabelsOffAndMissingNames) {
    SceneryAirport a = Airport();
    Add(a.taxiPoints, {"0", "OTHER", kLat0, kLon0});
    Add(a.taxiPoints, {"1", "OTHER", kLat0, "E008 00.1000"});
    Add(a.taxiNames, {"ALPHA"});
    for (const char *name : {"0", "0", "7", "x"})
        Add(a.taxiPaths, {"0", "1", "TAXI", name, ""});
    RecordingCanvas on;
    DiagramReport report = RedrawAirport(on, a, DiagramView{1, 0, 0, false, true});
    Calls boxes;
    for (const std::string &call : DiagramCalls(on))
        if (call.rfind("BOX", 0) == 0 || call.rfind("TEXT", 0) == 0)
            boxes.push_back(call);
    // The second path gets the only label (5 characters: 750 wide); names 7 and x do not exist.
    EXPECT_EQ(boxes, (Calls{"TEXT 7040 5000 8 #000000 ARP", "BOX 7720 5000 8470 4830 w1 #000000 fill #c0c000",
                            "TEXT 7750 4800 8 #000000 ALPHA"}));
    EXPECT_EQ(report.missingRecords, 2);

    RecordingCanvas off;
    RedrawAirport(off, a, DiagramView{1, 0, 0, false, false});
    for (const std::string &call : DiagramCalls(off))
        EXPECT_EQ(call.find("BOX"), std::string::npos) << call;
}

TEST(RedrawAirport, ParkingByZoomAndType) {
    SceneryAirport a = Airport();
    // All spots 0.1 minute east: 1,440 twips at zoom 1, 360 at zoom 4, 288 at zoom 5.
    Add(a.parkingSpots, {"0", "GATE_MEDIUM", "GATE_B", "12", kLat0, "E008 00.1000", "180.0"});
    Add(a.parkingSpots, {"1", "FUEL", "FUEL", "3", kLat0, "E008 00.1000", "0.0"});
    Add(a.parkingSpots, {"2", "RAMP_GA_SMALL", "PARKING", "5", kLat0, "E008 00.1000", "355"});
    Add(a.parkingSpots, {"3", "GATE_SMALL", "GATE", "7", kLat0, "E008 00.1000", "540"}); // 540 - 180 = 360
    Add(a.parkingSpots, {"4", "RAMP_GA_SMALL", "PARKING", "8", kLat0, "E008 00.1000", "north"});

    struct Case {
        int zoom;
        Calls calls;
    } cases[] = {
        {4,
         {
             "CIRCLE 7360 5000 1 w5 #c0c000",
             "LINE 7360 5000 7360 4800 w2 #c0c000", // reversed 0: (0, -10) x 20
             "TEXT 7360 5000 7 #0000ff 12B", "CIRCLE 7360 5000 1 w5 #c00000", "TEXT 6960 4850 6 #c00000 FUEL",
             "CIRCLE 7360 5000 1 w5 #c0c000",
             "LINE 7360 5000 7400 5200 w2 #c0c000", // reversed 175: (2, 10) x 20
             "TEXT 7360 5000 7 #0000ff 5", "CIRCLE 7360 5000 1 w5 #c0c000",
             "LINE 7360 5000 7360 4800 w2 #c0c000", // 360 is taken as 0
             "TEXT 7360 5000 7 #0000ff 7", "CIRCLE 7360 5000 1 w5 #c0c000",
             "TEXT 7360 5000 7 #0000ff 8", // a heading that cannot be read draws no line
         }},
        {1,
         {
             "CIRCLE 8440 5000 1 w5 #c0c000",
             "LINE 8440 5000 8440 4700 w2 #c0c000", // x 30 at zoom 1
             "TEXT 8440 5000 7 #0000ff 12B",
             "CIRCLE 8440 5000 1 w5 #c00000",
             "TEXT 8040 4850 6 #c00000 FUEL",
             "CIRCLE 8440 5000 1 w5 #c0c000",
             "LINE 8440 5000 8500 5300 w2 #c0c000",
             "TEXT 8440 5000 7 #0000ff 5",
             "CIRCLE 8440 5000 1 w5 #c0c000",
             "LINE 8440 5000 8440 4700 w2 #c0c000",
             "TEXT 8440 5000 7 #0000ff 7",
             "CIRCLE 8440 5000 1 w5 #c0c000",
             "TEXT 8440 5000 7 #0000ff 8",
         }},
        {5,
         {
             "CIRCLE 7288 5000 1 w5 #c0c000",
             "TEXT 7288 5000 7 #0000ff 12", // above 4: number only
             "CIRCLE 7288 5000 1 w5 #c0c000",
             "TEXT 7288 5000 7 #0000ff 3",
             "CIRCLE 7288 5000 1 w5 #c0c000",
             "TEXT 7288 5000 7 #0000ff 5",
             "CIRCLE 7288 5000 1 w5 #c0c000",
             "TEXT 7288 5000 7 #0000ff 7",
             "CIRCLE 7288 5000 1 w5 #c0c000",
             "TEXT 7288 5000 7 #0000ff 8",
         }},
    };
    for (const Case &c : cases) {
        RecordingCanvas canvas;
        RedrawAirport(canvas, a, DiagramView{c.zoom, 0, 0, true, false});
        Calls calls = DiagramCalls(canvas);
        ASSERT_GE(calls.size(), kCentreAndReference.size());
        EXPECT_EQ(Calls(calls.begin() + static_cast<long>(kCentreAndReference.size()), calls.end()), c.calls)
            << "zoom " << c.zoom;
    }
    RecordingCanvas hidden;
    RedrawAirport(hidden, a, DiagramView{4, 0, 0, false, false});
    EXPECT_EQ(DiagramCalls(hidden), kCentreAndReference);
}

TEST(RedrawAirport, PanMovesTheDiagramButNotTheCentreCross) {
    SceneryAirport a = Airport();
    Add(a.taxiPoints, {"0", "NORMAL", kLat0, "E007 59.9000"}); // 1,440 units west
    RecordingCanvas canvas;
    RedrawAirport(canvas, a, DiagramView{1, 300, -200, false, false});
    EXPECT_EQ(DiagramCalls(canvas), (Calls{
                                        "LINE 6800 5000 7200 5000 w1 #000000",
                                        "LINE 7000 4800 7000 5200 w1 #000000",
                                        "CIRCLE 7300 4800 30 w1 #000000",
                                        "LINE 7200 4800 7400 4800 w1 #000000",
                                        "LINE 7300 4700 7300 4900 w1 #000000",
                                        "TEXT 7340 4800 8 #000000 ARP",
                                        "CIRCLE 5860 4800 1 w3 #0000ff",
                                    }));
    // At zoom 10 the left edge is 70,000 units (4.8611 minutes) west of the centre.
    a.taxiPoints[0].lon = "E007 55.1389"; // 4.8611 min = 69,999.84 units
    RecordingCanvas far;
    RedrawAirport(far, a, DiagramView{10, 0, 0, false, false});
    EXPECT_EQ(DiagramCalls(far).back(), "CIRCLE 0 5000 1 w3 #0000ff");
}

TEST(RedrawAirport, ApronsWithEdgeLightsAndWithoutFence) {
    SceneryAirport a = Airport();
    Add(a.apronVertices, {kLat0, kLon0});
    Add(a.apronVertices, {kLat0, "E008 00.1000"});
    Add(a.apronVertices, {"", "0"});
    Add(a.apronVertices, {"N50 00.1000", kLon0});
    Add(a.apronVertices, {"N50 00.1000", "E008 00.1000"});
    Add(a.apronVertices, {"N50 00.2000", "E008 00.1000"});
    // No boundary fence: every line is apron. The walk ends at the fence end mark (index 4).
    a.fenceEndMark = 4;
    RecordingCanvas canvas;
    RedrawAirport(canvas, a, DiagramView{1, 0, 0, false, false});
    Calls calls = DiagramCalls(canvas);
    EXPECT_EQ(Calls(calls.begin() + static_cast<long>(kCentreAndReference.size()), calls.end()),
              (Calls{
                  "LINE 7000 5000 8440 5000 w2 #bebebe",
                  "LINE 8440 5000 7000 5000 w2 #bebebe", // the separator closes the polygon
                  "LINE 7000 3560 8440 3560 w2 #bebebe",
              }));
}

TEST(RedrawAirport, WithoutReferencePointOnlyTheHeaderAndANotice) {
    SceneryAirport a;
    Add(a.taxiPoints, {"0", "NORMAL", kLat0, kLon0});
    RecordingCanvas canvas;
    DiagramReport report = RedrawAirport(canvas, a, DiagramView{});
    EXPECT_FALSE(report.placed);
    EXPECT_EQ(DiagramCalls(canvas),
              (Calls{"TEXT 200 5000 10 #c00000 No airport reference point: the diagram cannot be drawn."}));
    EXPECT_EQ(DiagramNotice(report), "no reference point, no diagram");
    EXPECT_EQ(DiagramNotice(DiagramReport{true, 0, 0}), "");
}

// Coordinates beyond their range are left out as unreadable, a point at the far side of the earth is
// drawn where it lies, on either canvas; a pan beyond reach raises Overflow for the window to trap.
TEST(RedrawAirport, FarValuesWithoutUndefinedBehaviour) {
    SceneryAirport a = Airport();
    Add(a.taxiPoints, {"0", "NORMAL", kLat0, "W1 1111111111111110"});
    Add(a.taxiPoints, {"1", "NORMAL", "N91 00.0000", kLon0});
    Add(a.taxiPoints, {"2", "NORMAL", "S89 59.9999", "E180 00.0000"});
    RecordingCanvas recording;
    QtCanvas image(kChartWidth, kChartHeight);
    for (Canvas *canvas : std::initializer_list<Canvas *>{&recording, &image}) {
        DiagramReport report = RedrawAirport(*canvas, a, DiagramView{1, 0, 0, false, false});
        EXPECT_EQ(report.unreadable, 2);
        if (canvas == &recording) {
            EXPECT_EQ(recording.calls.back(), "CIRCLE 148615000 43204999 1 w3 #0000ff");
        }
        for (int pan : {kFarthestTwips + 1, -2'147'483'000, std::numeric_limits<int>::min()}) {
            try {
                RedrawAirport(*canvas, a, DiagramView{1, pan, 0, false, false});
                ADD_FAILURE() << "no error for pan " << pan;
            } catch (const RuntimeError &e) {
                EXPECT_EQ(e.Number(), kOverflow);
            }
        }
    }
}

// A reference point without minutes is whole degrees; the header says what the file lacks.
TEST(RedrawAirport, WholeDegreesAndMissingParts) {
    struct Case {
        bool runway, cutShort;
        const char *line; // above the warning; empty for none
    } cases[] = {
        {true, false, ""},
        {false, false, "TEXT 200 9650 8 #c00000 The scenery file has no runways for EDXX."},
        {true, true,
         "TEXT 200 9650 8 #c00000 The scenery file ends before </Airport>: parts of the airport may be "
         "missing."},
    };
    for (const Case &c : cases) {
        SceneryAirport a = Airport();
        a.header.lon = "E008";
        a.cutShort = c.cutShort;
        if (c.runway)
            Add(a.runways, {"9", "NONE", kLat0, kLon0, "2000.0M", "45.0M", "90.0", "ASPHALT"});
        RecordingCanvas canvas;
        EXPECT_TRUE(RedrawAirport(canvas, a, DiagramView{}).placed);
        auto warning = std::find_if(canvas.calls.begin(), canvas.calls.end(), [](const std::string &call) {
            return call.find("DO NOT USE") != std::string::npos;
        });
        ASSERT_NE(warning, canvas.calls.begin());
        std::string before = *(warning - 1);
        EXPECT_EQ(before.rfind("TEXT 200 9650", 0) == 0 ? before : "", c.line);
    }
}

TEST(RedrawAirport, WidthsAndParkingLabels) {
    struct {
        const char *text;
        int pixels;
    } widths[] = {{"23.0M", 2}, {"25.0M", 2}, {"35.0M", 4}, {"60M", 6}, {"", 0}, {"M", 0}, {"wideM", 0}};
    for (auto w : widths)
        EXPECT_EQ(MetreTextToPixels(w.text), w.pixels) << w.text;
    struct {
        const char *name, *number, *label;
    } labels[] = {{"GATE_B", "12", "12B"}, {"PARKING", "5", "5"}, {"GATE", "7", "7"},
                  {"GATE_12", "3", "32"},  {"DOCK_B", "4", "4"},  {"GATES", "1", "1"}};
    for (auto l : labels) {
        ParkingSpot spot;
        spot.name = l.name;
        spot.number = l.number;
        EXPECT_EQ(ParkingLabel(spot), l.label) << l.name;
    }
}

// Whole multiples of 50 nearest to v.
int Round50(double v) {
    return static_cast<int>(std::lround(v / 50)) * 50;
}

TEST(DiagramBands, HeadingBandsAndReversal) {
    struct {
        int heading, band;
    } bands[] = {{0, 0},   {9, 0},   {10, 1},   {95, 9},  {359, 35},
                 {360, 0}, {365, 0}, {-10, 35}, {-1, 35}, {725, 0}};
    for (auto b : bands)
        EXPECT_EQ(HeadingBand(b.heading), b.band) << b.heading;
    EXPECT_EQ(ReverseHeading(0), 180);
    EXPECT_EQ(ReverseHeading(179), 359);
    EXPECT_EQ(ReverseHeading(180), 0);
    EXPECT_EQ(ReverseHeading(359), 179);
}

TEST(DiagramBands, ParkingTableAsGiven) {
    const BandTable &t = ParkingHeadingBands();
    EXPECT_EQ(t[0], (BandOffset{0, -10}));
    EXPECT_EQ(t[9], (BandOffset{10, 0}));
    EXPECT_EQ(t[13], (BandOffset{8, 6}));
    EXPECT_EQ(t[18], (BandOffset{0, 10}));
    EXPECT_EQ(t[27], (BandOffset{-10, 0}));
    EXPECT_EQ(t[31], (BandOffset{-6, -7}));
    EXPECT_EQ(t[32], (BandOffset{-6, -7}));
    EXPECT_EQ(t[35], (BandOffset{-2, -10}));
    // Every row is a step of about 10 along the middle heading of its band.
    for (int band = 0; band < 36; ++band) {
        double angle = (band * 10 + 5) * M_PI / 180;
        double along = t[band].dx * std::sin(angle) - t[band].dy * std::cos(angle);
        EXPECT_GT(along, 7.5) << band;
    }
}

// Every band of the 500-twip tables: the rows that the diagram has always drawn exactly, the others
// whole multiples of 50 nearest to 500 × (sin, −cos) of the band's middle heading; the VASI left
// point that point moved by the nearest multiples of 50 to 100 twips left of the heading.
TEST(DiagramBands, FiveHundredTwipTablesFollowTheirFormula) {
    std::map<int, BandOffset> labelRows = {{0, {0, -500}},   {1, {100, -500}}, {2, {150, -450}},
                                           {3, {200, -350}}, {4, {250, -300}}, {5, {300, -250}},
                                           {9, {500, 0}}};
    std::map<int, BandOffset> vasiRows = {{0, {0, -500}}};
    for (int band = 0; band < 36; ++band) {
        double angle = (band * 10 + 5) * M_PI / 180;
        BandOffset formula{Round50(500 * std::sin(angle)), Round50(-500 * std::cos(angle))};
        BandOffset label = labelRows.count(band) ? labelRows[band] : formula;
        BandOffset right = vasiRows.count(band) ? vasiRows[band] : formula;
        BandOffset left{right.dx + Round50(-100 * std::cos(angle)),
                        right.dy + Round50(-100 * std::sin(angle))};
        EXPECT_EQ(RunwayLabelBands()[band], label) << "label band " << band;
        EXPECT_EQ(VasiRightBands()[band], right) << "VASI right band " << band;
        EXPECT_EQ(VasiLeftBands()[band], left) << "VASI left band " << band;
        // The two marks stand apart: about 100 twips (70.7 to 111.8 with whole multiples of 50).
        BandOffset l = VasiLeftBands()[band], r = VasiRightBands()[band];
        double apart = std::hypot(l.dx - r.dx, l.dy - r.dy);
        EXPECT_TRUE(apart > 70 && apart < 112) << band << ": " << apart;
    }
}

} // namespace
} // namespace qelvar
