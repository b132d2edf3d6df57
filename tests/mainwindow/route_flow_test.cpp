// A whole route as the pilot builds it in the main window, offscreen: Route Start, picks on the
// map, RTE End, Rte Save, Rte Load, and the route drawn again.
#include "maps/mainwindow/form2.h"
#include "maps/navdata/loaders.h"
#include "maps/navdata/loading_sequence.h"
#include "maps/route/route_building.h"
#include "support/kit_folder.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

// The blank in-flight form that ends every route file, before its point lines.
const std::string kBlankForm = "Actual Flight Nbr:______ Date:____________________________________ \r\n\r\n"
                               "Fuel DEP:  Left:_________Ctr:_________Right:_________ Tot:_________\r\n\r\n"
                               "ATIS DEP Code:___ Wind:____/___  CLOUDS: ______________ QNH:_______\r\n\r\n"
                               "DEP RWY______                                     DEP Time:_______ \r\n\r\n"
                               "Time:______ FL:______ M_____  GS_____ FF: _____  FREQ: _____________\r\n\r\n"
                               "Time:______ FL:______ M_____  GS_____ FF: _____  FREQ: _____________\r\n\r\n"
                               "Time:______ FL:______ M_____  GS_____ FF: _____  FREQ: _____________\r\n\r\n"
                               "ATIS DES Code:___ Wind:____/___  CLOUDS: ______________ QNH:_______\r\n\r\n"
                               "DEST RWY________ APP: _____________          DEST Time:____________\r\n\r\n"
                               "                                                 Fuel Dep:_________\r\n\r\n"
                               "Fuel DES:  Left:_________Ctr:_________Right:_________ Tot:_________\r\n\r\n"
                               "FLT Time:___________                            Fuel used:_________\r\n";

class RouteFlow : public ::testing::Test {
protected:
    RouteFlow() : form(db, {sink, launcher, folder.Path(), [] {}}) {
        std::filesystem::path fixtures = testing::FixturesDir();
        FillZoomScale(db);
        LoadArptftomFile(db, fixtures, sink);
        PlaceAirports(db);
        LoadVor(db, fixtures, sink);
        PlaceVors(db);
        LoadNdb(db, fixtures, sink);
        PlaceNdbs(db);
        form.Form_Load("");
        SwitchOnStartLayers(db.LayerFlags);
        form.show();
        QCoreApplication::processEvents();
    }
    // Scale 156 over Munich: EDDM at twips (1448, 613), EDMO (751, 989), VOR MUN (1051, 1772),
    // NDB ED (1063, 1097).
    void ViewMunich() {
        MapView &v = form.View();
        v.ScaleX = v.ScaleY = 156;
        v.ZoomLevel = 7;
        v.OriginX = 41'200'000;
        v.OriginY = 8'900'000;
        form.RedrawMap();
    }
    void ClickTwips(int x, int y) {
        QTest::mouseClick(form.PicMap, Qt::LeftButton, Qt::NoModifier, QPoint(x / 15, y / 15));
    }
    std::string Display() const { return BoxText(*form.txtDisplay); }

    testing::KitFolder folder;
    NavDatabase db;
    RecordingMessageSink sink;
    RecordingLauncher launcher;
    Form2 form;
};

TEST_F(RouteFlow, StartPickCompleteSaveAndLoad) {
    QTest::mouseClick(form.cmdRte, Qt::LeftButton);
    EXPECT_EQ(Display(), "Choose Startpoint");
    EXPECT_EQ(form.cmdRte->Caption(), "Route Next");
    EXPECT_EQ(form.cmdRte->BackColor(), (Rgb{0, 192, 0}));
    EXPECT_TRUE(form.cmdRteEnd->isVisible());
    EXPECT_EQ(form.MapClickMode(), 5);
    ViewMunich();

    ClickTwips(1448, 613); // EDDM alone: taken at once
    EXPECT_FALSE(form.lstFound->isVisible());
    EXPECT_EQ(form.Route().RouteState, 1);
    ClickTwips(1051, 1772); // VOR MUN
    ClickTwips(9000, 6000); // nothing near: the list offers the position under the cursor
    ASSERT_TRUE(form.lstFound->isVisible());
    ASSERT_EQ(form.lstFound->count(), 1);
    EXPECT_EQ(form.lstFound->item(0)->text(), "Position under Cursor");
    form.lstFound_Click(form.lstFound->item(0));
    EXPECT_FALSE(form.lstFound->isVisible());
    ClickTwips(1063, 1097); // NDB ED
    ClickTwips(751, 989);   // EDMO
    EXPECT_EQ(form.Route().route.LineCount, 9);

    QTest::mouseClick(form.cmdRteEnd, Qt::LeftButton);
    EXPECT_EQ(form.Route().RouteState, 0);
    EXPECT_FALSE(form.cmdRteEnd->isVisible());
    EXPECT_FALSE(form.cmdRteLoad->isVisible());
    EXPECT_TRUE(form.cmdRteSave->isVisible());
    EXPECT_EQ(form.cmdRte->Caption(), "Route Start");
    EXPECT_TRUE(form.txtDisplayRoute->isVisible());
    // Legs: EDDM to MUN 51.50 NM south-south-west, on to the bare position (17 14.44 E,
    // 44 27.78 N), back to ED, and 10.15 NM to EDMO.
    const std::string sheet = "ARPT- M\xfcnchen Franz Josef Strau\xdf   MUC   Germany\r\n"
                              "EDDM    ATIS: 123.12      Elev: 1487\r\n" +
                              std::string(30, ' ') + "08L-26R-13123-197-ASP-110.30\r\n" +
                              std::string(30, ' ') +
                              "08R-26L-13123-197-CON\r\n"
                              "\r\n"
                              "                    DEP: 193 - 012 ARR   NM  51.50     51.50\r\n"
                              "VOR- MUN   112.30   M\xfcnchen\r\n"
                              "                    DEP: 125 - 309 ARR   NM  301.23     352.72\r\n"
                              "UserPos: E17 14.44  N44 27.78\r\n"
                              "                    DEP: 313 - 129 ARR   NM  318.78     671.50\r\n"
                              "NDB- ED   338   Erding\r\n"
                              "                    DEP: 297 - 117 ARR   NM  10.15     681.66\r\n"
                              "ARPT- Oberpfaffenhofen      Germany\r\n"
                              "EDMO    ATIS:       Elev: 1947\r\n" +
                              std::string(30, ' ') +
                              "04-22-7523-148-ASP\r\n"
                              "\r\n"
                              "Destination ------------------------\r\n"
                              " Route Planning for B737-800 \r\n"
                              "\r\n"
                              " Flight Distance :  681.66 NM    Estimated Flight Time: 01:53\r\n"
                              " Estimated Fuel  :  19301  lbs         Max FlightLevel:  400\r\n" +
                              std::string(68, '-') + "\r\n";
    // Each point line names what the point is, after its map units; the bare position needs no more.
    const std::string points = "#41425920|8995680|APT|EDDM|48.35333333333333|11.786666666666667|1487\r\n"
                               "#41364000|9176400|VOR|MUN|47.516666666666666|11.5|\r\n"
                               "#42604000|9836000\r\n"
                               "#41365800|9071100|NDB|ED|48.00416666666667|11.508333333333333|\r\n"
                               "#41317200|9054360|APT|EDMO|48.08166666666666|11.283333333333333|1947\r\n";
    EXPECT_EQ(BoxText(*form.txtDisplayRoute),
              "     Qelvar Maps SIMULATION ROUTE\r\nDeparture ------------------------------\r\n" + sheet +
                  "\r\n");
    EXPECT_EQ(Display(), sheet + "\r\n");
    EXPECT_EQ(form.Route().RouteName, "ARPT-M\xfcnchen to ARPT-Oberpfaffe");

    QTest::mouseClick(form.cmdRteSave, Qt::LeftButton);
    EXPECT_EQ(Display(), "Filename = ARPT-M\xfcnchen to ARPT-Oberpfaffe");
    EXPECT_FALSE(form.txtDisplayRoute->isVisible());
    EXPECT_FALSE(form.cmdRteSave->isVisible());
    EXPECT_TRUE(form.cmdRteLoad->isVisible());
    std::filesystem::path file = folder.Path() / "ARPT-M\xc3\xbcnchen to ARPT-Oberpfaffe.rte";
    ASSERT_TRUE(std::filesystem::exists(file));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0], "edit " + file.string());
    std::string saved = folder.Read(file.filename().string());
    EXPECT_EQ(saved, "     Qelvar Maps SIMULATION ROUTE\r\n\r\nDeparture ------------------------------\r\n" +
                         sheet + "\r\n\r\n" + kBlankForm + points);

    // A new route empties the points; loading the file brings them back.
    RoutePointTable before = form.Route().RoutePoints;
    QTest::mouseClick(form.cmdRte, Qt::LeftButton);
    EXPECT_TRUE(IsFreeSlot(form.Route().RoutePoints[0]));
    QTest::mouseClick(form.cmdRteLoad, Qt::LeftButton);
    EXPECT_EQ(form.Route().RouteState, 3);
    ASSERT_EQ(form.lstFound->count(), 1);
    form.lstFound_Click(form.lstFound->item(0));
    EXPECT_EQ(form.Route().RouteState, 4);
    EXPECT_FALSE(form.lstFound->isVisible());
    EXPECT_TRUE(form.txtDisplayRoute->isVisible());
    for (int i = 0; i < kRouteSlots; ++i) {
        EXPECT_EQ(form.Route().RoutePoints[i].X, before[i].X) << i;
        EXPECT_EQ(form.Route().RoutePoints[i].Y, before[i].Y) << i;
    }
    std::string loaded = BoxText(*form.txtDisplayRoute);
    std::string header = " FPL-        ARPT-M\xfcnchen to ARPT-Oberpfaffe.rte\r\n\r\n";
    EXPECT_EQ(loaded.substr(0, header.size()), header);
    // The same text as saved, apart from the header and the point lines.
    EXPECT_EQ(loaded.substr(header.size()), saved.substr(0, saved.find(points)));
    EXPECT_EQ(Display(), loaded);

    // The next redraw draws the loaded route in magenta: the first leg's middle is magenta.
    form.RedrawMap();
    const QImage &image = form.PicMap->Canvas().Image();
    QPoint middle((1448 + 1051) / 2 / 15, (613 + 1772) / 2 / 15);
    bool magenta = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            QColor c = image.pixelColor(middle + QPoint(dx, dy));
            magenta |= c.red() > 200 && c.blue() > 200 && c.green() < 120;
        }
    EXPECT_TRUE(magenta);
}

// Closing the route file list without a choice, by any way, returns to the route state from
// before Rte Load, so that Route Start and the picks work on.
TEST_F(RouteFlow, ClosingTheRouteFileListReturnsToTheStateBefore) {
    QTest::mouseClick(form.cmdRte, Qt::LeftButton);
    ViewMunich();
    ClickTwips(1448, 613); // EDDM alone: the route has its start point
    ASSERT_EQ(form.Route().RouteState, 1);
    folder.Write("old.rte", "old route\r\n");

    struct Close {
        const char *how;
        std::function<void()> close;
    } closes[] = {
        {"Escape", [&] { QTest::keyClick(form.lstFound, Qt::Key_Escape); }},
        {"a click on the map", [&] { ClickTwips(9000, 6000); }},
        {"the zoom button", [&] { QTest::mouseClick(form.CmdZoomPlus, Qt::LeftButton); }},
        {"the All button", [&] { QTest::mouseClick(form.CmdFullDsp, Qt::LeftButton); }},
    };
    for (const Close &c : closes) {
        QTest::mouseClick(form.cmdRteLoad, Qt::LeftButton);
        ASSERT_TRUE(form.lstFound->isVisible()) << c.how;
        ASSERT_EQ(form.Route().RouteState, 3);
        c.close();
        EXPECT_FALSE(form.lstFound->isVisible()) << c.how;
        EXPECT_EQ(form.Route().RouteState, 1) << c.how;
        EXPECT_EQ(form.Route().route.LineCount, 1) << c.how; // the map click added no point
    }
    ViewMunich();

    // Route Start with the list open closes it and re-arms the growing route.
    QTest::mouseClick(form.cmdRteLoad, Qt::LeftButton);
    QTest::mouseClick(form.cmdRte, Qt::LeftButton);
    EXPECT_FALSE(form.lstFound->isVisible());
    EXPECT_EQ(form.Route().RouteState, 1);
    EXPECT_EQ(form.cmdRte->BackColor(), (Rgb{0, 128, 0}));
    EXPECT_EQ(form.MapClickMode(), 5);
    ClickTwips(1051, 1772); // VOR MUN: the route goes on
    EXPECT_EQ(form.Route().route.LineCount, 3);

    // Without any route file the list does not open, the state stays and the box says why.
    folder.Remove("old.rte");
    QTest::mouseClick(form.cmdRteLoad, Qt::LeftButton);
    EXPECT_FALSE(form.lstFound->isVisible());
    EXPECT_EQ(form.Route().RouteState, 1);
    EXPECT_EQ(Display(), Form2::kNoRouteFileText);
    QTest::mouseClick(form.cmdRteEnd, Qt::LeftButton);
    EXPECT_EQ(form.Route().RouteState, 0);
    QTest::mouseClick(form.cmdRte, Qt::LeftButton);
    EXPECT_EQ(Display(), "Choose Startpoint");
}

// Rte Save before any route writes ".rte", a hidden file on Linux; Rte Load lists it as it is and
// loads it.
TEST_F(RouteFlow, ARouteSavedWithoutANameLoadsAgain) {
    QTest::mouseClick(form.cmdRteSave, Qt::LeftButton);
    EXPECT_EQ(Display(), "Filename = ");
    ASSERT_TRUE(std::filesystem::exists(folder.Path() / ".rte"));
    QTest::mouseClick(form.cmdRteLoad, Qt::LeftButton);
    ASSERT_EQ(form.lstFound->count(), 1);
    EXPECT_EQ(form.lstFound->item(0)->text(), ".rte");
    form.lstFound_Click(form.lstFound->item(0));
    EXPECT_EQ(form.Route().RouteState, 4);
    const std::string shown =
        " FPL-        .rte\r\n\r\n     Qelvar Maps SIMULATION ROUTE\r\n\r\nDeparture ---";
    EXPECT_EQ(BoxText(*form.txtDisplayRoute).substr(0, shown.size()), shown);
}

// A VOR, an NDB and an intersection on one spot: every pick offers the list, and each chosen entry
// goes into the route with its own list text ("VOR - ...", "NDB - ...", "INT- " + name + CR LF).
class PickListFlow : public ::testing::Test {
protected:
    static constexpr int32_t kX = 41'000'000, kY = 9'000'000;
    PickListFlow() : form(db, {sink, launcher, folder.Path(), [] {}}) {
        FillZoomScale(db);
        db.VorTable.entries = {{0, 0, 0, 0, "MUNCHEN", "MUN", "112.30", kX, kY}};
        db.VorTable.count = 1;
        db.NdbTable.entries = {{0, 0, 0, 0, "ERDING", "ED", "338", kX, kY}};
        db.NdbTable.count = 1;
        db.IntersectionTable.entries = {{"ANORA", kX, kY}};
        db.IntersectionTable.count = 1;
        form.Form_Load("");
        SwitchOnStartLayers(db.LayerFlags);
        db.LayerFlags.Intersections = true;
        form.show();
        QCoreApplication::processEvents();
        // Scale 156 with the three at twips (1,000, 1,000).
        MapView &v = form.View();
        v.ScaleX = v.ScaleY = 156;
        v.ZoomLevel = 7;
        v.OriginX = kX - 1'000 * 156;
        v.OriginY = kY - 1'000 * 156;
        form.RedrawMap();
    }
    // Clicks on the spot and chooses the list entry that begins with the text.
    void Choose(const char *begin) {
        QTest::mouseClick(form.PicMap, Qt::LeftButton, Qt::NoModifier, QPoint(66, 66));
        ASSERT_TRUE(form.lstFound->isVisible());
        ASSERT_EQ(form.lstFound->count(), 3);
        for (int i = 0; i < form.lstFound->count(); ++i)
            if (form.lstFound->item(i)->text().startsWith(begin)) {
                form.lstFound_Click(form.lstFound->item(i));
                return;
            }
        FAIL() << begin;
    }

    testing::KitFolder folder;
    NavDatabase db;
    RecordingMessageSink sink;
    RecordingLauncher launcher;
    Form2 form;
};

TEST_F(PickListFlow, TheChosenEntrysOwnTextGoesIntoTheSheetAndTheFile) {
    QTest::mouseClick(form.cmdRte, Qt::LeftButton);
    Choose("VOR");
    Choose("NDB");
    Choose("INT");
    EXPECT_EQ(form.Route().DepartureName, "VOR-");
    EXPECT_EQ(form.Route().ArrivalName, "INT-ANORA\r\n");
    QTest::mouseClick(form.cmdRteEnd, Qt::LeftButton);
    // Legs of no length: courses 000 and 0.00 NM; then the flight-plan summary of 0 NM.
    const std::string leg = std::string(20, ' ') + "DEP: 000 - 000 ARR   NM  0.00     0.00\r\n";
    const std::string sheet = "VOR - MUN   112.30   MUNCHEN\r\n" + leg + "NDB - ED   338   ERDING\r\n" + leg +
                              "INT- ANORA\r\n\r\n"
                              "Destination ------------------------\r\n"
                              " Route Planning for B737-800 \r\n\r\n"
                              " Flight Distance :  0.00 NM    Estimated Flight Time: 00:18\r\n"
                              " Estimated Fuel  :  5000  lbs         Max FlightLevel:  0\r\n" +
                              std::string(68, '-') + "\r\n\r\n";
    EXPECT_EQ(BoxText(*form.txtDisplay), sheet);
    EXPECT_EQ(form.Route().RouteName, "VOR- to INT-ANORA\r\n");

    QTest::mouseClick(form.cmdRteSave, Qt::LeftButton);
    EXPECT_EQ(BoxText(*form.txtDisplay), "Filename = VOR- to INT-ANORA\r\n");
    EXPECT_EQ(folder.Read("VOR- to INT-ANORA.rte"),
              "     Qelvar Maps SIMULATION ROUTE\r\n\r\nDeparture ------------------------------\r\n" +
                  sheet + "\r\n" + kBlankForm +
                  "#41000000|9000000|VOR|MUN|48.333333333333336|9.814814814814815|\r\n"
                  "#41000000|9000000|NDB|ED|48.333333333333336|9.814814814814815|\r\n"
                  "#41000000|9000000|INT|ANORA|48.333333333333336|9.814814814814815|\r\n");
}

} // namespace
} // namespace qelvar
