#include "airports/chart_frame.h"
#include "airports/chart_header.h"
#include "platform/recording_canvas.h"
#include "platform/runtime_error.h"
#include "scenery/grid.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

using Calls = std::vector<std::string>;

SceneryAirport HeaderAirport() {
    SceneryAirport a;
    a.header = {"EDXX",         "Germany", "Hessen", "Frankfurt", "Test Field", "N50 01.9500",
                "E008 34.2000", "111.3M",  "357.5",  "",          "",           ""};
    auto com = [&a](const char *type, const char *frequency, const char *name) {
        *a.coms.Open() = ComRecord{type, frequency, name};
        a.coms.Close();
    };
    com("TOWER", "119.900", "FRANKFURT TOWER");
    com("GROUND", "121.800", "FRANKFURT GROUND");
    com("Approach", "120.800", "LANGEN");
    auto runway = [&a](const char *length, const char *width, const char *surface) {
        SceneryRunway *r = a.runways.Open();
        r->length = length;
        r->width = width;
        r->surface = surface;
        a.runways.Close();
    };
    runway("4000.0M", "60.0M", "ASPHALT");
    runway("30.0M", "30.0M", "GRASS");
    runway("2000.0M", "45.0M", "CONCRETE");
    auto start = [&a](const char *type, const char *number, const char *designator) {
        RunwayStart *s = a.starts.Open();
        s->type = type;
        s->number = number;
        s->designator = designator;
        a.starts.Close();
    };
    start("RUNWAY", "9", "LEFT");
    start("RUNWAY", "27", "RIGHT");
    start("HELIPAD", "1", "NONE");
    start("HELIPAD", "1", "NONE");
    start("RUNWAY", "18", "NONE");
    start("RUNWAY", "36", "NONE");
    *a.ils.Open() = IlsRecord{"IFLW", "110.70", "69.9", "ILS 09L"};
    a.ils.Close();
    return a;
}

TEST(ChartHeader, DiagramHeaderTextsInOrder) {
    SceneryAirport a = HeaderAirport();
    RecordingCanvas canvas;
    DrawChartHeader(canvas, a, HeaderStyle{});
    EXPECT_EQ(canvas.calls,
              (Calls{
                  "CLEAR",
                  "TEXT 100 100 14 bold #000000 EDXX",
                  "TEXT 2100 100 14 #000000 Frankfurt  Test Field",
                  "TEXT 10100 100 14 #000000 Hessen  Germany",
                  "LINE 0 500 14415 500 w1 #000000",
                  "TEXT 100 550 12 bold #000000 Elev: 365", // 111.3 m × 3.28 = 365.064
                  "TEXT 5100 550 10 #000000 N50 01.9500   E008 34.2000                               "
                  "Magnetic Variation: 2.50\xB0 E",
                  "LINE 0 900 14415 900 w1 #000000",
                  "TEXT 10500 1050 8 #000000 FRANKFURT TOWER TOWER  119.900",
                  "TEXT 10500 1300 8 #000000 FRANKFURT GROUND GROUND  121.800",
                  "TEXT 10500 1550 8 #000000 LANGEN Approach  120.800",
                  // The helipad pair has no line; the counter goes on without a gap.
                  "TEXT 200 1050 8 #000000 RWY- 09L-4000.0M x 60.0M - ASPHALT",
                  "TEXT 200 1300 8 #000000 RWY- 18-2000.0M x 45.0M - CONCRETE",
                  "TEXT 200 1550 8 #000000 ILS 09L-69.9\xB0-IFLW-110.70",
                  "TEXT 200 9900 8 #c00000 DO NOT USE FOR REAL NAVIGATION! FSX ONLY",
              }));
    EXPECT_EQ(a.starts[0].number, "09"); // stored padded: the next redraw draws the same
    EXPECT_EQ(a.starts[1].number, "27");
}

TEST(ChartHeader, ApproachHeaderFiltersRadiosAndDrawsTheScale) {
    SceneryAirport a = HeaderAirport();
    a.ils.Clear();
    RecordingCanvas canvas;
    DrawChartHeader(canvas, a, HeaderStyle{true, 16});
    Calls expectedTail = {
        "TEXT 10500 1050 8 #000000 FRANKFURT TOWER TOWER  119.900",
        "TEXT 10500 1300 8 #000000 LANGEN Approach  120.800", // "Approach" matches without regard to case
        "TEXT 200 1050 8 #000000 RWY- 09L-4000.0M x 60.0M - ASPHALT",
        "TEXT 200 1300 8 #000000 RWY- 18-2000.0M x 45.0M - CONCRETE",
        "TEXT 200 9900 8 #c00000 DO NOT USE FOR REAL NAVIGATION! FSX ONLY     NM SCALE ->",
        "LINE 6000 9920 9000 9920 w1 #c00000", // step = 4800 / 16 = 300
    };
    for (int i = 0; i <= 10; ++i)
        expectedTail.push_back("TEXT " + std::to_string(6000 + 300 * i) + " 9900 8 #c00000 " +
                               std::to_string(i));
    ASSERT_GE(canvas.calls.size(), expectedTail.size());
    EXPECT_EQ(Calls(canvas.calls.end() - static_cast<long>(expectedTail.size()), canvas.calls.end()),
              expectedTail);
}

TEST(ChartHeader, ScaleStepRoundsHalfToEven) {
    SceneryAirport a;
    for (auto [zoom, end] : {std::pair{2, 30000}, {50, 6960}, {14, 9430}, {32, 7500}}) {
        // 4800 / 14 = 342.857 -> 343; 4800 / 50 = 96; 4800 / 32 = 150
        RecordingCanvas canvas;
        DrawChartHeader(canvas, a, HeaderStyle{true, zoom});
        std::string line = "LINE 6000 9920 " + std::to_string(end) + " 9920 w1 #c00000";
        EXPECT_NE(std::find(canvas.calls.begin(), canvas.calls.end(), line), canvas.calls.end()) << zoom;
    }
}

TEST(ChartHeader, VariationDesignatorAndNumberForms) {
    EXPECT_EQ(MagneticVariationText(""), "");
    EXPECT_EQ(MagneticVariationText("3"), "3.00\xB0 W");
    EXPECT_EQ(MagneticVariationText("179.999"), "180.00\xB0 W");
    EXPECT_EQ(MagneticVariationText("180"), "180.00\xB0 E");
    EXPECT_EQ(MagneticVariationText("357.5"), "2.50\xB0 E");
    EXPECT_THROW(MagneticVariationText("east"), RuntimeError);
    EXPECT_EQ(PaddedRunwayNumber("9"), "09");
    EXPECT_EQ(PaddedRunwayNumber("09"), "09");
    EXPECT_EQ(PaddedRunwayNumber("EAST"), "EAST");
    EXPECT_EQ(DesignatorLetter("NONE"), "");
    EXPECT_EQ(DesignatorLetter("LEFT"), "L");
    EXPECT_EQ(DesignatorLetter("CENTER"), "C");
    EXPECT_EQ(DesignatorLetter(""), "");
}

TEST(ChartHeader, NoIlsLinesWhenTheFirstIlsHasNoName) {
    SceneryAirport a = HeaderAirport();
    a.ils[0].name = "";
    RecordingCanvas canvas;
    DrawChartHeader(canvas, a, HeaderStyle{});
    for (const std::string &call : canvas.calls)
        EXPECT_EQ(call.find("IFLW"), std::string::npos) << call;
}

TEST(ChartFrame, ReferencePointLandsAtTheCentreAndZoomScales) {
    AirportHeader h;
    h.lat = "N50 00.0000";
    h.lon = "E008 00.0000";
    int32_t x = LonToGrid(h.lon, kDiagramGridPerDegree), y = LatToGrid(h.lat, kDiagramGridPerDegree);
    ChartFrame frame = MakeChartFrame(h, kDiagramGridPerDegree, 4, 0, 0);
    EXPECT_EQ(GridToPicture(frame, x, y), (PicturePoint{7000, 5000}));
    // 7,000 twips to the left edge are 28,000 grid units at zoom 4; north is up.
    EXPECT_EQ(GridToPicture(frame, x - 28000, y + 20000), (PicturePoint{0, 0}));
    // Halves to the even neighbour: 2 / 4 = 0.5 -> 0, 6 / 4 = 1.5 -> 2.
    EXPECT_EQ(GridToPicture(frame, x + 2, y - 6), (PicturePoint{7000, 5002}));
    ChartFrame panned = MakeChartFrame(h, kDiagramGridPerDegree, 1, 300, -200);
    EXPECT_EQ(GridToPicture(panned, x + 7000, y), (PicturePoint{14300, 4800}));
    EXPECT_EQ(CoordinatesToPicture(panned, "N50 00.0000", "E008 00.0000"), (PicturePoint{7300, 4800}));
    h.lat = "50.0";
    EXPECT_THROW(MakeChartFrame(h, kDiagramGridPerDegree, 4, 0, 0), RuntimeError);
}

} // namespace
} // namespace qelvar
