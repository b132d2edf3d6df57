// The printed page through the recording canvas: frame, footer, layer order and every paper
// difference; and a real PDF page.
#include "../mapview/redraw_support.h"
#include "maps/route/print_map.h"
#include "platform/page_printer.h"
#include "platform/qt_canvas.h"
#include "support/kit_folder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::Calls;
using testing::kObjectX;
using testing::kObjectY;

struct PaperFixture : testing::SceneFixture {
    Calls Print() {
        canvas.calls.clear();
        MapScene scene{db, view, hits, route, sink};
        PrintMap(scene, canvas);
        return canvas.calls;
    }
    // What the layers printed, without the frame and the footer.
    Calls LayerCalls() {
        Calls calls = Print();
        return Calls(calls.begin() + 5, calls.end());
    }
};

TEST(PrintMap, FrameFooterCoastAndBlackRouteWithEveryLayerOff) {
    PaperFixture p;
    p.db.CoastLayer.X = {40'000'000, 40'010'000};
    p.db.CoastLayer.Y = {10'000'000, 10'000'000};
    p.db.CoastLayer.count = 2;
    p.route[0] = {40'000'000, 11'000'000};
    p.route[1] = {41'000'000, 11'000'000};
    Calls calls = p.Print();
    EXPECT_EQ(calls,
              (Calls{"LINE 1 1 16000 1 w5 #000000", "LINE 1 1 1 11000 w5 #000000",
                     "LINE 16000 1 16000 11000 w5 #000000", "LINE 1 11000 16000 11000 w5 #000000",
                     "TEXT 201 11200 12 #000000 Kordax       ** do not use for navigation **  Zoom: 5000",
                     "LINE 8000 2000 8002 2000 w2 #0000ff", "LINE 8000 2200 8200 2200 w1 #000000"}));
    EXPECT_EQ(PrintFooter(40), "Kordax       ** do not use for navigation **  Zoom: 40");
}

TEST(PrintMap, LayersInTheirFixedOrder) {
    PaperFixture p;
    LayerFlagSet &f = p.db.LayerFlags;
    f.Vor = f.Ndb = f.IntlAirports = f.Ils = f.Hills = f.Borders = f.Runways = f.Intersections = true;
    p.db.CoastLayer.X = {kObjectX, kObjectX + 100};
    p.db.CoastLayer.Y = {kObjectY, kObjectY};
    p.db.CoastLayer.count = 2;
    p.db.BorderLayer = p.db.CoastLayer;
    p.db.RunwayTable.entries = {{kObjectX, kObjectY, 90, 1.0}};
    p.db.IlsTable.entries = {{"I", "I", "I", 0, 0, 0, 0, 90, kObjectX, kObjectY}};
    p.db.IntersectionTable.entries = {{"ANORA", kObjectX, kObjectY}};
    p.db.HillTable.entries = {{"Peak", "1", kObjectX, kObjectY}};
    p.db.VorTable.entries = {{0, 0, 0, 0, "V", "V", "V", kObjectX, kObjectY}};
    p.db.NdbTable.entries = {{0, 0, 0, 0, "N", "N", "N", kObjectX, kObjectY}};
    p.db.AirportTable.entries = {{"AD", "MUC", "EDDM", "M", "1", 0, 0, 0, 0, "", "", "", kObjectX, kObjectY}};
    p.db.RunwayTable.count = p.db.IlsTable.count = p.db.IntersectionTable.count = p.db.HillTable.count = 1;
    p.db.VorTable.count = p.db.NdbTable.count = p.db.AirportTable.AirportCount = 1;
    p.route[0] = {kObjectX, kObjectY};
    p.route[1] = {kObjectX + 5'000, kObjectY};
    p.ViewAt(2500);
    // The first call of each layer, by its colour and width.
    Calls firsts;
    for (const std::string &call : p.LayerCalls()) {
        std::string color = call.substr(call.find('#'), 7);
        std::string layer = color == "#0000ff"   ? (call.find("w2") != std::string::npos ? "coast" : "VOR")
                            : color == "#800040" ? "runways"
                            : color == "#008000" ? "ILS"
                            : color == "#ff00ff" ? "INT"
                            : color == "#ff0000" ? "NDB"
                                                 : "black";
        if (firsts.empty() || firsts.back() != layer)
            firsts.push_back(layer);
    }
    // borders, peaks, airports and route are black
    EXPECT_EQ(firsts, (Calls{"coast", "black", "runways", "ILS", "INT", "black", "VOR", "NDB", "black"}));
    EXPECT_EQ(p.HitKinds(), std::vector<std::string>{"ILS 0 1000 2000"}); // only the ILS enter
}

TEST(PrintMap, PaperRecipesOfTheNavaids) {
    PaperFixture p;
    p.db.LayerFlags.Vor = p.db.LayerFlags.Ndb = true;
    p.db.VorTable.entries = {{0, 0, 0, 0, "MUNCHEN", "MUN", "112.30", kObjectX, kObjectY}};
    p.db.NdbTable.entries = {{0, 0, 0, 0, "ERDING", "ED", "338", kObjectX, kObjectY + 2}};
    p.db.VorTable.count = p.db.NdbTable.count = 1;
    struct Case {
        int32_t scale;
        Calls calls;
    } cases[] = {
        {2500, {"CIRCLE 1000 2000 5 w1 #0000ff", "CIRCLE 1000 2000 3 w1 #ff0000"}},
        {1250,
         {"POINT 1000 2000 #0000ff", "CIRCLE 1000 2000 10 w1 #0000ff", "POINT 1000 2000 #ff0000",
          "CIRCLE 1000 2000 10 w1 #ff0000"}},
        {625,
         {"POINT 1000 2000 #0000ff", "CIRCLE 1000 2000 30 w1 #0000ff", "TEXT 1000 2040 4 #0000ff MUN",
          "POINT 1000 2000 #ff0000", "CIRCLE 1000 2000 5 w1 #ff0000", "CIRCLE 1000 2000 20 w1 #ff0000",
          "TEXT 850 1960 4 #ff0000 ED"}},
        {20,
         {"POINT 1000 2000 #0000ff", "CIRCLE 1000 2000 80 w1 #0000ff", "TEXT 1000 2110 5 #0000ff MUNCHEN",
          "TEXT 1000 2220 7 #0000ff MUN", "TEXT 1000 2340 6 #0000ff 112.30", "POINT 1000 2000 #ff0000",
          "CIRCLE 1000 2000 10 w1 #ff0000", "CIRCLE 1000 2000 40 w1 #ff0000",
          "CIRCLE 1000 2000 60 w1 #ff0000", "TEXT 700 1960 8 #ff0000 ED", "TEXT 730 2100 7 #ff0000 338",
          "TEXT 730 2220 6 #ff0000 ERDING"}},
        {2,
         {"POINT 1000 2000 #0000ff", "CIRCLE 1000 2000 150 w1 #0000ff", "TEXT 1000 2140 7 #0000ff MUNCHEN",
          "TEXT 1000 2240 8 #0000ff MUN", "TEXT 1000 2420 9 #0000ff 112.30", "POINT 1000 2001 #ff0000",
          "CIRCLE 1000 2001 10 w1 #ff0000", "CIRCLE 1000 2001 40 w1 #ff0000",
          "CIRCLE 1000 2001 60 w1 #ff0000", "TEXT 700 1961 8 #ff0000 ED", "TEXT 730 2101 7 #ff0000 338",
          "TEXT 730 2221 6 #ff0000 ERDING"}},
    };
    for (const Case &c : cases) {
        p.ViewAt(c.scale);
        EXPECT_EQ(p.LayerCalls(), c.calls) << c.scale;
    }
    // Inside the page frame but outside the screen's rectangle: printed.
    p.ViewAt(625, kObjectX, kObjectY, 15'500, 9'000);
    EXPECT_EQ(p.LayerCalls().at(0), "POINT 15500 9000 #0000ff");
    p.ViewAt(625, kObjectX, kObjectY, 16'001, 9'000);
    EXPECT_EQ(p.LayerCalls(), Calls{});
}

TEST(PrintMap, RunwaysIlsIntersectionsAndPeaksOnPaper) {
    PaperFixture p;
    p.db.LayerFlags.Runways = true;
    p.db.RunwayTable.entries = {{kObjectX, kObjectY, 270, 1.0}};
    p.db.RunwayTable.count = 1;
    p.ViewAt(625); // the screen draws no runway line at 625; paper does
    EXPECT_EQ(p.LayerCalls(), (Calls{"POINT 1000 2000 #800040", "LINE 1000 2000 994 2000 w4 #000000"}));
    p.ViewAt(5000);
    EXPECT_EQ(p.LayerCalls(), (Calls{"POINT 1000 2000 #800040"}));
    p.ViewAt(40);
    EXPECT_EQ(p.LayerCalls(),
              (Calls{"POINT 1000 2000 #800040", "LINE 1000 2000 910 2000 w4 #000000",
                     "LINE 1000 2000 100 2000 w2 #000000", "LINE 1000 2000 1900 2000 w2 #000000",
                     "LINE 1000 2000 910 2000 w15 #000000"}));
    p.ViewAt(625, kObjectX, kObjectY, 15'500, 2'000); // in the page frame, outside the screen's rectangle
    EXPECT_EQ(p.LayerCalls(), Calls{});

    p.db.LayerFlags.Runways = false;
    p.db.LayerFlags.Ils = true;
    p.db.IlsTable.entries = {{"EDDM", "26R", "IMNW 110.30", 0, 0, 0, 0, 90, kObjectX, kObjectY}};
    p.db.IlsTable.count = 1;
    p.ViewAt(40); // width 1 on paper, 2 on screen
    EXPECT_EQ(p.LayerCalls(), (Calls{"POINT 1000 2000 #008000", "CIRCLE 1000 2000 10 w1 #008000",
                                     "LINE 1000 2000 100 2000 w1 #008000"}));
    p.ViewAt(5000);
    EXPECT_EQ(p.LayerCalls().size(), 3u);
    p.ViewAt(2);
    p.hits.Clear(); // printing appends its ILS to the hit list of the last redraw
    Calls at2 = p.LayerCalls();
    ASSERT_EQ(at2.size(), 8u);
    EXPECT_EQ(at2[3], "TEXT 1150 1900 8 #008000 EDDM 26R");
    EXPECT_EQ(at2[4], "TEXT 1150 2050 8 #008000 IMNW 110.30 - 90 DEG");
    EXPECT_EQ(p.hits.count, 2);

    p.db.LayerFlags.Ils = false;
    p.db.LayerFlags.Intersections = p.db.LayerFlags.Hills = true;
    p.db.IntersectionTable.entries = {{"ANORA", kObjectX, kObjectY}};
    p.db.HillTable.entries = {{"Zugspitze", "9718", kObjectX + 1, kObjectY}};
    p.db.IntersectionTable.count = p.db.HillTable.count = 1;
    p.ViewAt(5000);
    EXPECT_EQ(p.LayerCalls(),
              (Calls{"POINT 1000 2000 #ff00ff", "LINE 1000 2000 1040 2000 w1 #ff00ff",
                     "LINE 1040 2000 1020 1960 w1 #ff00ff", "LINE 1020 1960 1000 2000 w1 #ff00ff",
                     "TEXT 800 1850 6 #ff00ff ANORA", "POINT 1000 2000 #000000"}));
    p.ViewAt(20);
    Calls at20 = p.LayerCalls();
    EXPECT_EQ(at20.size(), 5u + 124u + 2u);
    EXPECT_EQ(at20[at20.size() - 2], "TEXT 800 1800 7 #000000 Zugspitze");
    EXPECT_EQ(at20.back(), "TEXT 800 1700 7 #000000 9718");
}

TEST(PrintMap, AirportsOnPaper) {
    PaperFixture p;
    p.db.LayerFlags.IntlAirports = p.db.LayerFlags.LocalAirports = true;
    Airport intl{"AD", "MUC",    "EDDM",  "Muenchen Franz Josef Strauss", "1487", 0, 0, 0, 0, "123.12", "",
                 "",   kObjectX, kObjectY};
    Airport local{"AD-LOK", "OBF", "EDMO", "Oberpfaffenhofen", "1947",  0, 0, 0, 0,
                  "",       "",    "",     kObjectX,           kObjectY};
    p.db.AirportTable.entries = {intl, local};
    p.db.AirportTable.AirportCount = 2;
    struct Case {
        int32_t scale;
        Calls calls;
    } cases[] = {
        {5000, {"CIRCLE 1000 2000 10 w1 #000000", "POINT 1000 2000 #404040"}},
        {625,
         {"CIRCLE 1000 2000 3 w1 #000000", "CIRCLE 1000 2000 10 w1 #000000", "TEXT 1050 2000 7 #000000 EDDM",
          "CIRCLE 1000 2000 5 w1 #404040", "TEXT 1000 2000 7 #404040 OBF", "TEXT 1050 2000 5 #404040 EDMO"}},
        {312,
         {"CIRCLE 1000 2000 3 w1 #000000", "CIRCLE 1000 2000 10 w1 #000000", "CIRCLE 1000 2000 20 w1 #000000",
          "TEXT 1100 1820 4 #000000 Muenchen Franz Josef Strauss", "TEXT 1100 1880 4 #000000 MUC",
          "TEXT 1100 2000 5 #000000 EDDM", "CIRCLE 1000 2000 10 w1 #404040", "TEXT 1100 1900 4 #404040 OBF",
          "TEXT 1100 2000 4 #404040 EDMO"}},
        {20,
         {"CIRCLE 1000 2000 3 w1 #000000", "CIRCLE 1000 2000 10 w1 #000000", "CIRCLE 1000 2000 20 w1 #000000",
          "CIRCLE 1000 2000 30 w1 #000000", "CIRCLE 1000 2000 40 w1 #000000",
          "TEXT 1100 1660 7 #000000 Muenchen Franz Josef Strauss", "TEXT 1100 1800 7 #000000 EDDM  1487",
          "TEXT 1100 2000 7 #000000 123.12", "CIRCLE 1000 2000 10 w1 #404040",
          "CIRCLE 1000 2000 20 w1 #404040", "CIRCLE 1000 2000 30 w1 #404040",
          "TEXT 1100 1730 6 #404040 Oberpfaffenhofen", "TEXT 1100 1840 6 #404040 EDMO  1947",
          "TEXT 1100 2000 6 #404040 "}},
    };
    for (const Case &c : cases) {
        p.ViewAt(c.scale);
        EXPECT_EQ(p.LayerCalls(), c.calls) << c.scale;
    }
    EXPECT_EQ(p.hits.count, 0);
}

TEST(PrintMap, ARealPdfPageCarriesTheFooter) {
    testing::KitFolder folder;
    testing::SceneFixture s;
    s.db.CoastLayer.X = {40'000'000, 41'000'000};
    s.db.CoastLayer.Y = {10'000'000, 11'000'000};
    s.db.CoastLayer.count = 2;
    MapScene scene{s.db, s.view, s.hits, s.route, s.sink};
    PrintOutcome first = PrintOnePage(
        folder.Path(), "map print", [&](Canvas &page) { PrintMap(scene, page); }, false);
    PrintOutcome second = PrintOnePage(
        folder.Path(), "map print", [&](Canvas &page) { PrintMap(scene, page); }, false);
    ASSERT_TRUE(first.done);
    EXPECT_EQ(first.pdf, folder.Path() / "map print.pdf");
    EXPECT_EQ(second.pdf, folder.Path() / "map print (2).pdf"); // an earlier print is never overwritten
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", QString::fromStdString(first.pdf.string()), "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30'000));
    // pdftotext renders the blanks of a line as it measures them: compare with the runs folded.
    QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains("Kordax ** do not use for navigation ** Zoom: 5000")) << text.toStdString();

    PrintOutcome refused = PrintOnePage(
        folder.Path() / "missing folder", "x", [](Canvas &) {}, false);
    EXPECT_FALSE(refused.done);
    EXPECT_NE(refused.error.find("could not be written"), std::string::npos);
}

} // namespace
} // namespace qelvar
