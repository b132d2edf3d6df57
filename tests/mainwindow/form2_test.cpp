// The main window's switches and view buttons, driven offscreen as a user would.
#include "maps/mainwindow/form2.h"
#include "maps/navdata/loaders.h"
#include "maps/navdata/loading_sequence.h"
#include "maps/route/route_model.h"
#include "support/kit_folder.h"

#include <QTest>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

class MainWindow : public ::testing::Test {
protected:
    MainWindow() : form(db, {sink, launcher, folder.Path(), [this] { ++exits; }}) {
        std::filesystem::path fixtures = testing::FixturesDir();
        FillZoomScale(db);
        LoadArptftomFile(db, fixtures, sink);
        PlaceAirports(db);
        LoadVor(db, fixtures, sink);
        PlaceVors(db);
        LoadCoast(db, fixtures, sink);
        form.Form_Load("");
        SwitchOnStartLayers(db.LayerFlags);
        form.show();
        QCoreApplication::processEvents(); // the first paint draws the map
    }
    void ClickMap(int pixelX, int pixelY, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(form.PicMap, button, Qt::NoModifier, QPoint(pixelX, pixelY));
    }

    testing::KitFolder folder;
    NavDatabase db;
    RecordingMessageSink sink;
    RecordingLauncher launcher;
    int exits = 0;
    Form2 form;
};

TEST_F(MainWindow, FirstPaintDrawsTheWorld) {
    EXPECT_EQ(form.windowTitle(), "Qelvar Maps     Zoom =  5000");
    EXPECT_EQ(form.Hits().count, 4); // the four fixture airports at the world view
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(MainWindow, LayerSwitchesToggleFlagCaptionAndColour) {
    struct Case {
        CaptionButton *button;
        bool LayerFlagSet::*flag;
        const char *off;
        const char *on;
        Rgb onColor;
    } cases[] = {
        {form.cmdVOR, &LayerFlagSet::Vor, "VOR off", "VOR", ButtonFace()},
        {form.cmdNDB, &LayerFlagSet::Ndb, "NDB off", "NDB", Rgb{190, 190, 190}},
        {form.cmdILS, &LayerFlagSet::Ils, "ILS off", "ILS", ButtonFace()},
        {form.cmdHills, &LayerFlagSet::Hills, "Mtn off", "Mtn Peak", ButtonFace()},
        {form.cmdBorder, &LayerFlagSet::Borders, "Bdr off", "Bor- der", ButtonFace()},
        {form.cmdRwy, &LayerFlagSet::Runways, "RWY off", "RWY", ButtonFace()},
    };
    for (const Case &c : cases) {
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_FALSE(db.LayerFlags.*c.flag) << c.on;
        EXPECT_EQ(c.button->Caption(), c.off);
        EXPECT_EQ(c.button->BackColor(), (Rgb{255, 128, 128}));
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_TRUE(db.LayerFlags.*c.flag) << c.on;
        EXPECT_EQ(c.button->Caption(), c.on);
        EXPECT_EQ(c.button->BackColor(), c.onColor);
    }
    // The intersections start off.
    QTest::mouseClick(form.cmdInter, Qt::LeftButton);
    EXPECT_TRUE(db.LayerFlags.Intersections);
    EXPECT_EQ(form.cmdInter->Caption(), "INT");
    QTest::mouseClick(form.cmdInter, Qt::LeftButton);
    EXPECT_EQ(form.cmdInter->Caption(), "INT off");
    // Switching the VOR off takes them out of the redraw.
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(MainWindow, AirportSwitchesAreCoupled) {
    QTest::mouseClick(form.cmdArptLoc, Qt::LeftButton);
    EXPECT_FALSE(db.LayerFlags.LocalAirports);
    EXPECT_EQ(form.cmdArptLoc->Caption(), "LOC off");
    QTest::mouseClick(form.cmdArpt, Qt::LeftButton);
    EXPECT_FALSE(db.LayerFlags.IntlAirports);
    EXPECT_EQ(form.cmdArpt->Caption(), "APT off");
    EXPECT_EQ(form.cmdArpt->BackColor(), (Rgb{255, 128, 128}));
    EXPECT_EQ(form.Hits().count, 0);
    // Local airports cannot come back alone.
    QTest::mouseClick(form.cmdArptLoc, Qt::LeftButton);
    EXPECT_FALSE(db.LayerFlags.LocalAirports);
    EXPECT_EQ(form.cmdArptLoc->Caption(), "LOC off");
    EXPECT_EQ(form.cmdArptLoc->BackColor(), (Rgb{255, 128, 128}));
    // Arpt brings both back.
    QTest::mouseClick(form.cmdArpt, Qt::LeftButton);
    EXPECT_TRUE(db.LayerFlags.IntlAirports);
    EXPECT_TRUE(db.LayerFlags.LocalAirports);
    EXPECT_EQ(form.cmdArpt->Caption(), "Arpt");
    EXPECT_EQ(form.cmdArptLoc->Caption(), "LOC");
    EXPECT_EQ(form.cmdArptLoc->BackColor(), ButtonFace());
    EXPECT_EQ(form.Hits().count, 4);
}

TEST_F(MainWindow, ViewButtonsArmAModeThatTheNextClickUses) {
    QTest::mouseClick(form.CmdZoomPlus, Qt::LeftButton);
    EXPECT_EQ(form.MapClickMode(), 1);
    EXPECT_EQ(form.CrossCursorArmed(), 1);
    EXPECT_EQ(form.PicMap->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(form.CmdZoomPlus->BackColor(), (Rgb{0, 192, 0}));
    for (CaptionButton *other : {form.CmdCenter, form.CmdFullDsp, form.CmdZoomMinus})
        EXPECT_EQ(other->BackColor(), (Rgb{192, 192, 192}));
    EXPECT_EQ(form.View().ScaleX, 5000); // nothing changes until the map is clicked

    ClickMap(1, 2, Qt::RightButton); // a right click does not zoom
    EXPECT_EQ(form.View().ScaleX, 5000);
    ClickMap(1, 2); // 15 x 30 twips: the new centre is (75,000, 150,000)
    EXPECT_EQ(form.View().ScaleX, 2500);
    EXPECT_EQ(form.View().OriginX, 75'000 - 19'440'000);
    EXPECT_EQ(form.View().OriginY, 150'000 - 9'720'000);
    EXPECT_EQ(form.windowTitle(), "Qelvar Maps     Zoom =  2500");
    EXPECT_EQ(form.PicMap->cursor().shape(), Qt::CrossCursor);

    QTest::mouseClick(form.CmdZoomMinus, Qt::LeftButton);
    EXPECT_EQ(form.MapClickMode(), 2);
    ClickMap(1, 2);
    EXPECT_EQ(form.View().ScaleX, 5000);

    QTest::mouseClick(form.CmdCenter, Qt::LeftButton);
    EXPECT_EQ(form.MapClickMode(), 3);
    EXPECT_EQ(form.CmdCenter->BackColor(), (Rgb{0, 192, 0}));
    EXPECT_EQ(form.CmdZoomMinus->BackColor(), (Rgb{192, 192, 192}));
}

TEST_F(MainWindow, AllResetsTheViewAndKeepsTheMode) {
    QTest::mouseClick(form.CmdZoomPlus, Qt::LeftButton);
    ClickMap(300, 200);
    ClickMap(300, 200);
    EXPECT_EQ(form.View().ScaleX, 1250);
    QTest::mouseClick(form.CmdFullDsp, Qt::LeftButton);
    EXPECT_EQ(form.View().ScaleX, 5000);
    EXPECT_EQ(form.View().OriginX, 0);
    EXPECT_EQ(form.View().CentreX, 38'880'000);
    EXPECT_EQ(form.MapClickMode(), 1);
    EXPECT_EQ(form.CmdFullDsp->BackColor(), (Rgb{0, 192, 0}));
    EXPECT_EQ(form.CmdZoomPlus->BackColor(), (Rgb{192, 192, 192}));
    EXPECT_EQ(form.windowTitle(), "Qelvar Maps     Zoom =  5000");
}

TEST_F(MainWindow, MouseMovesShowThePositionUnderThePointer) {
    QTest::mouseMove(form.PicMap, QPoint(518, 259)); // 7,770 x 3,885 twips at scale 5,000
    EXPECT_EQ(form.lblCoords->text(), "W0 8.33\n N0 4.17");
    QTest::mouseMove(form.PicMap, QPoint(600, 100));
    EXPECT_EQ(form.lblCoords->text(), "E28 20.00\n N55 16.67"); // 9,000 x 1,500 twips
}

TEST_F(MainWindow, RepaintsNeverRedrawAndTheRingsStopThePaintRedraw) {
    form.View().ScaleX = form.View().ScaleY = 2500; // changed behind the window's back
    form.repaint();
    form.PicMap->repaint();
    EXPECT_EQ(form.windowTitle(), "Qelvar Maps     Zoom =  5000");
    form.Form_Paint();
    EXPECT_EQ(form.windowTitle(), "Qelvar Maps     Zoom =  2500");

    db.MarkedAirport = "EDDM";
    QTest::mouseClick(form.CmdFullDsp, Qt::LeftButton);
    EXPECT_TRUE(form.RingsShown());
    EXPECT_EQ(BoxText(*form.txtDisplay).substr(0, 20), "--- INTL ARPT ---MUC");
    form.View().ScaleX = form.View().ScaleY = 2500;
    form.Form_Paint();
    EXPECT_EQ(form.windowTitle(), "Qelvar Maps     Zoom =  5000");
}

TEST_F(MainWindow, RightClickShowsWhatIsNearAndPicksTheAirport) {
    // At the world view the fixture airports are in the hit list; EDDM lies at twips (8285, 1799).
    db.PickedAirport = "XXX";
    QTest::mouseClick(form.PicMap, Qt::RightButton, Qt::NoModifier, QPoint(552, 120));
    std::string info = BoxText(*form.txtDisplay);
    EXPECT_EQ(info.substr(0, 20), "EDDM   Intl ARPT\r\nM\xfc");
    EXPECT_NE(info.find("EDMO   Local ARPT"), std::string::npos);
    EXPECT_EQ(db.PickedAirport, ""); // EDMO (no IATA code) is the last airport in the list
    EXPECT_EQ(db.PickedAirportIndex, 1);
    QTest::mouseClick(form.PicMap, Qt::RightButton, Qt::NoModifier, QPoint(100, 500));
    EXPECT_EQ(BoxText(*form.txtDisplay), "NO HIT");
    EXPECT_EQ(db.PickedAirportIndex, 1); // nothing picked: the last pick stays

    // The editor opens on EDMO itself, although it has no IATA code, after JFK was shown.
    QTest::mouseClick(form.PicMap, Qt::RightButton, Qt::NoModifier, QPoint(306, 142)); // KJFK alone
    QTest::mouseClick(form.cmdEdit, Qt::LeftButton);
    ASSERT_EQ(form.Editor()->txtICAO->text(), "KJFK");
    form.Editor()->hide();
    QTest::mouseClick(form.PicMap, Qt::RightButton, Qt::NoModifier, QPoint(552, 120));
    QTest::mouseClick(form.cmdEdit, Qt::LeftButton);
    EXPECT_EQ(form.Editor()->txtICAO->text(), "EDMO");
}

// Qt delivers the second press of a double-click as a double-click event; the map takes the whole
// double-click as one click: with the zoom armed it zooms in once.
TEST_F(MainWindow, ADoubleClickIsOneClick) {
    QTest::mouseClick(form.CmdZoomPlus, Qt::LeftButton);
    QPoint at(518, 260);
    QTest::mouseClick(form.PicMap, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(form.PicMap, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(form.PicMap, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(form.View().ScaleX, 2500);
    EXPECT_EQ(form.View().ZoomLevel, 11);
    EXPECT_EQ(form.windowTitle(), "Qelvar Maps     Zoom =  2500");
    // A second, separate click zooms again.
    QTest::mouseClick(form.PicMap, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(form.View().ScaleX, 1250);
}

TEST_F(MainWindow, RouteFilesAndHelpNeverFailSilently) {
    QTest::mouseClick(form.cmdRteLoad, Qt::LeftButton);
    EXPECT_FALSE(form.lstFound->isVisible());
    EXPECT_EQ(form.Route().RouteState, 0);
    EXPECT_EQ(
        BoxText(*form.txtDisplay),
        "There is no route file (*.rte) in the program folder yet: complete a route and press Rte Save.");

    folder.Write("gone.rte", "x");
    QTest::mouseClick(form.cmdRteLoad, Qt::LeftButton);
    ASSERT_EQ(form.lstFound->count(), 1);
    folder.Remove("gone.rte");
    form.lstFound_Click(form.lstFound->item(0));
    EXPECT_EQ(BoxText(*form.txtDisplay), "The route file gone.rte cannot be opened (File not found).");
    EXPECT_FALSE(form.txtDisplayRoute->isVisible());
    EXPECT_EQ(form.Route().RouteState, 0); // nothing was loaded: back to the state before Rte Load

    // A route name that is a folder cannot be written: the message says so and Rte Save stays.
    form.Route().RouteName = "blocked";
    std::filesystem::create_directory(folder.Path() / "blocked.rte");
    QTest::mouseClick(form.cmdRteSave, Qt::LeftButton);
    EXPECT_EQ(BoxText(*form.txtDisplay).substr(0, 67),
              "Filename = blocked\r\nThe route file could not be written (Path/File ");
    EXPECT_TRUE(form.cmdRteSave->isVisible());
    EXPECT_TRUE(launcher.started.empty());

    QTest::mouseClick(form.cmdAbout, Qt::LeftButton);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0], "edit " + (folder.Path() / "Qelvar Maps Info.txt").string());
    launcher.succeeds = false;
    QTest::mouseClick(form.cmdAbout, Qt::LeftButton);
    EXPECT_EQ(BoxText(*form.txtDisplay), "The text editor could not be started for " +
                                             (folder.Path() / "Qelvar Maps Info.txt").string() +
                                             "\r\n(neither xdg-open nor $VISUAL or $EDITOR opened it).");

    // A saved route whose editor does not start: the route is saved and the box says so.
    form.Route().RouteName = "saved";
    QTest::mouseClick(form.cmdRteSave, Qt::LeftButton);
    EXPECT_EQ(BoxText(*form.txtDisplay),
              "Filename = saved\r\nThe route was saved. The text editor could not be "
              "started for " +
                  (folder.Path() / "saved.rte").string() +
                  "\r\n(neither xdg-open nor $VISUAL or $EDITOR opened it).");
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "saved.rte"));
    EXPECT_FALSE(form.cmdRteSave->isVisible());
    // The message names a file: its lines wrap, so the whole name can be read; the next text of
    // the box (here the route's first prompt) keeps its lines whole again.
    EXPECT_EQ(form.txtDisplay->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QTest::mouseClick(form.cmdRte, Qt::LeftButton);
    EXPECT_EQ(BoxText(*form.txtDisplay), "Choose Startpoint");
    EXPECT_EQ(form.txtDisplay->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(MainWindow, TheEditorOpensOnThePickedAirportAndDoneShowsTheMovedAirport) {
    QTest::mouseClick(form.PicMap, Qt::RightButton, Qt::NoModifier, QPoint(306, 142)); // KJFK alone
    EXPECT_EQ(db.PickedAirport, "JFK");
    QTest::mouseClick(form.cmdEdit, Qt::LeftButton);
    frmEditArpt *editor = form.Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->txtICAO->text(), "KJFK");
    auto jfkHit = [&] {
        for (int32_t i = 0; i < form.Hits().count; ++i)
            if (form.Hits().entries[i].index == 2)
                return form.Hits().entries[i];
        return HitEntry{};
    };
    EXPECT_EQ(jfkHit().x, 4589);
    editor->txtGradX->setText("-70"); // three degrees east
    QTest::mouseClick(editor->cmdExit, Qt::LeftButton);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(jfkHit().x, 4718); // X = 23,591,880 at scale 5,000: redrawn at once
    EXPECT_NE(folder.Read("arpt.nav").find(";-70;-46.7;"), std::string::npos);
}

TEST_F(MainWindow, AFullRouteIsRefusedWithAMessage) {
    QTest::mouseClick(form.cmdRte, Qt::LeftButton);
    RouteModel &route = form.Route();
    for (auto &slot : route.RoutePoints)
        slot = {1, 1};
    QTest::mouseClick(form.PicMap, Qt::LeftButton, Qt::NoModifier, QPoint(306, 142)); // KJFK alone
    EXPECT_NE(BoxText(*form.txtDisplay).find("The route holds 201 points"), std::string::npos);
    EXPECT_EQ(route.route.LineCount, 0);
}

} // namespace
} // namespace qelvar
