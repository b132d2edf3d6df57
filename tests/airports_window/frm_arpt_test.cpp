#include "airports/window/frm_arpt.h"
#include "platform/twips.h"
#include "support/kit_folder.h"
#include "support/twips_placement.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::KitFolder;

// A kit folder with an index of two airports and the fixture file EDXX.xml in FSXFiles. The index
// line of EDXX has spaces around its fields; MISS names a file that is not there.
class AirportWindow : public ::testing::Test {
protected:
    AirportWindow() : window({folder.Path(), [this] { ++exits; }}) {
        folder.Write("Arpt index.txt",
                     "KSEA;Seattle;USA;KSEA.xml\r\n EDXX ; Frank furt ; Germany ; EDXX.xml\r\n"
                     "MISS;Nowhere;Noland;MISS.xml\r\n");
        std::filesystem::create_directory(folder.Path() / "FSXFiles");
        std::filesystem::copy_file(testing::FixturesDir() / "scenery" / "EDXX.xml",
                                   folder.Path() / "FSXFiles" / "EDXX.xml");
        window.Form_Load("");
    }

    void Search(const char *typed) {
        window.txtSearch->setText(typed);
        QTest::mouseClick(window.cmdSearch, Qt::LeftButton);
    }

    // Which of the view buttons are enabled, in the order Reset, Taxi, Parking, Zoom In, Zoom Out.
    std::vector<bool> ViewButtons() {
        return {window.cmdZoom->isEnabled(), window.cmdTaxi->isEnabled(), window.cmdParking->isEnabled(),
                window.cmdPlus->isEnabled(), window.cmdMinus->isEnabled()};
    }

    KitFolder folder;
    int exits = 0;
    frmArpt window;
};

const std::vector<bool> kAllOff(5, false), kAllOn(5, true);

TEST_F(AirportWindow, ControlsAtTheirPlaces) {
    testing::ExpectPlacedInTwips({
        {window.picArpt, 120, 120, 14415, 10215},
        {window.lblSearch, 14520, 120, 2175, 375},
        {window.txtSearch, 14640, 600, 1095, 375},
        {window.cmdSearch, 15720, 600, 975, 735},
        {window.cmdArpt, 14640, 1440, 2055, 975},
        {window.cmdTaxi, 14640, 2520, 2055, 975},
        {window.cmdParking, 14640, 3600, 2055, 1095},
        {window.cmdZoom, 14760, 5040, 1935, 735},
        {window.cmdPlus, 14760, 5880, 975, 975},
        {window.cmdMinus, 15720, 5880, 975, 975},
        {window.cmdExit, 15600, 9360, 1095, 855},
    });
    EXPECT_EQ(window.Caption(), "Qelvar-Airport");
    EXPECT_EQ(window.lblSearch->text(), "    ICAO Code");
    EXPECT_EQ(window.cmdArpt->Caption(), "Arpt Chart");
    EXPECT_EQ(window.cmdZoom->Caption(), "Reset Zoom");
    EXPECT_EQ(window.cmdExit->Caption(), "EXIT");
}

TEST_F(AirportWindow, StartPutsTheCommandLineIntoTheBoxAndWaits) {
    frmArpt started({folder.Path(), nullptr});
    started.Form_Load("eddf");
    EXPECT_EQ(started.txtSearch->text(), "eddf");
    EXPECT_EQ(started.ZoomLevel(), 2);
    EXPECT_FALSE(started.cmdArpt->isEnabled());
    EXPECT_TRUE(started.cmdSearch->isEnabled());
    EXPECT_EQ(started.Caption(), "Qelvar-Airport"); // no search by itself
    EXPECT_FALSE(started.Matched().has_value());
}

TEST_F(AirportWindow, SearchInLowerCaseLoadAndViewButtons) {
    EXPECT_EQ(ViewButtons(), kAllOff);
    Search("edxx");
    EXPECT_EQ(window.SearchedIdent(), "EDXX");
    EXPECT_EQ(window.Caption(), "EDXX-Frankfurt-Germany-EDXX.xml");
    EXPECT_EQ(window.txtSearch->text(), "");
    EXPECT_EQ(window.cmdArpt->Caption(), "Show EDXX Chart");
    EXPECT_TRUE(window.cmdArpt->isEnabled());
    EXPECT_EQ(ViewButtons(), kAllOff);

    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_TRUE(window.ChartLoaded());
    EXPECT_EQ(window.Airport().header.name, "Test Field");
    EXPECT_EQ(window.ZoomLevel(), 4);
    EXPECT_EQ(window.cmdZoom->Caption(), "Reset Position\rZoom Level= 4");
    EXPECT_EQ(window.Caption(), "EDXX-Frankfurt-Germany-EDXX.xml"); // the fixture draws whole
    EXPECT_EQ(ViewButtons(), kAllOn);
    // Something was drawn: the picture is not white at the reference point's cross.
    QImage image = window.picArpt->Canvas().Image();
    EXPECT_NE(image.pixelColor(TwipsToPixels(7000), TwipsToPixels(5000)), QColor(Qt::white));

    // A new search disables the view buttons again until the chart is loaded.
    Search("KSEA");
    EXPECT_EQ(ViewButtons(), kAllOff);
    EXPECT_TRUE(window.cmdArpt->isEnabled());
    EXPECT_EQ(window.cmdArpt->Caption(), "Show KSEA Chart");
}

TEST_F(AirportWindow, ZoomLimitsAndCaptions) {
    Search("EDXX");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    for (int expected : {3, 2, 1, 1}) {
        QTest::mouseClick(window.cmdPlus, Qt::LeftButton);
        EXPECT_EQ(window.ZoomLevel(), expected);
        EXPECT_EQ(window.cmdZoom->Caption(), "Reset Position\rZoom Level=" + std::to_string(expected));
    }
    for (int i = 0; i < 12; ++i)
        QTest::mouseClick(window.cmdMinus, Qt::LeftButton);
    EXPECT_EQ(window.ZoomLevel(), 10);
    EXPECT_EQ(window.View().zoom, 10);
    EXPECT_EQ(window.cmdZoom->Caption(), "Reset Position\rZoom Level=10");
}

TEST_F(AirportWindow, SwitchCaptions) {
    Search("EDXX");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_EQ(window.cmdParking->Caption(), "Parking");
    EXPECT_EQ(window.cmdTaxi->Caption(), "Taxi Labels");
    struct Step {
        CaptionButton *button;
        const char *caption;
        bool parking, labels;
    } steps[] = {
        {window.cmdParking, "Parking ON", true, false},
        {window.cmdTaxi, "Taxi Labels ON", true, true},
        {window.cmdParking, "Parking OFF", false, true},
        {window.cmdTaxi, "Taxi Labels OFF", false, false},
    };
    for (const Step &s : steps) {
        QTest::mouseClick(s.button, Qt::LeftButton);
        EXPECT_EQ(s.button->Caption(), s.caption);
        EXPECT_EQ(window.View().parking, s.parking) << s.caption;
        EXPECT_EQ(window.View().taxiLabels, s.labels) << s.caption;
    }
}

TEST_F(AirportWindow, ClickCentresAndResetReturns) {
    Search("EDXX");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    // Pixel (600, 400) is twip (9000, 6000): the point moves to the centre (7000, 5000).
    QTest::mouseClick(window.picArpt, Qt::LeftButton, {}, QPoint(600, 400));
    EXPECT_EQ(window.PanX(), -2000);
    EXPECT_EQ(window.PanY(), -1000);
    // The middle button centres too; the right one opens the chart's page menu.
    QTest::mouseClick(window.picArpt, Qt::MiddleButton, {}, QPoint(400, 300));
    EXPECT_EQ(window.PanX(), -2000 + 1000);
    EXPECT_EQ(window.PanY(), -1000 + 500);
    QTest::mouseClick(window.cmdZoom, Qt::LeftButton);
    EXPECT_EQ(window.PanX(), 0);
    EXPECT_EQ(window.PanY(), 0);
    // The chart button starts the airport again at zoom 4 without pan.
    QTest::mouseClick(window.cmdMinus, Qt::LeftButton);
    QTest::mouseClick(window.picArpt, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_EQ(window.ZoomLevel(), 4);
    EXPECT_EQ(window.PanX(), 0);
}

TEST_F(AirportWindow, NotInIndexKeepsThePreviousMatch) {
    Search("EDXX");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    Search("zzzz");
    EXPECT_EQ(window.Caption(), "Sorry, ZZZZ is not in the Index!");
    EXPECT_EQ(window.txtSearch->text(), "");
    EXPECT_EQ(window.cmdArpt->Caption(), "Show EDXX Chart");
    ASSERT_TRUE(window.cmdArpt->isEnabled());
    // The chart button loads the previous match under its own ident, not the failed one.
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_EQ(window.Airport().header.ident, "EDXX");
    EXPECT_EQ(window.Caption(), "EDXX-Frankfurt-Germany-EDXX.xml");
}

TEST_F(AirportWindow, BadInputGivesCaptionsAndTheWindowGoesOn) {
    // A missing XML file: the caption says so, the tables keep the airport before.
    Search("EDXX");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    Search("MISS");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_EQ(window.Caption(),
              "MISS-Nowhere-Noland-MISS.xml - FSXFiles/MISS.xml could not be read (File not found)");
    EXPECT_EQ(window.Airport().header.ident, "EDXX");

    // An ident that the file does not hold.
    folder.Write("Arpt index.txt", "EDYZ;Somewhere;Germany;EDXX.xml\r\n");
    Search("EDYZ");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_EQ(window.Caption(), "EDYZ-Somewhere-Germany-EDXX.xml - EDYZ is not in EDXX.xml");
    EXPECT_EQ(window.Airport().runways.Count(), 0u);
    QTest::mouseClick(window.cmdPlus, Qt::LeftButton); // a redraw without a reference point
    QTest::mouseClick(window.picArpt, Qt::LeftButton, {}, QPoint(100, 100));

    // A missing index: the typed ident stays for another try.
    folder.Remove("Arpt index.txt");
    Search("EDXX");
    EXPECT_EQ(window.Caption(), "Arpt index.txt could not be read (File not found)");
    EXPECT_EQ(window.txtSearch->text(), "EDXX");
    EXPECT_TRUE(window.cmdSearch->isEnabled());
}

TEST_F(AirportWindow, PictureIsRetained) {
    Search("EDXX");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    window.show();
    QImage before = window.picArpt->grab().toImage();
    ASSERT_NE(before.pixelColor(TwipsToPixels(7000), TwipsToPixels(5000)), QColor(Qt::white));
    // With the tables emptied behind the window's back, covering and uncovering repaints the same.
    ClearSceneryAirport(window.Airport());
    window.hide();
    window.show();
    window.picArpt->repaint();
    EXPECT_EQ(window.picArpt->grab().toImage(), before);
}

TEST_F(AirportWindow, ExitEndsTheProgram) {
    QTest::mouseClick(window.cmdExit, Qt::LeftButton);
    EXPECT_EQ(exits, 1);
}

} // namespace
} // namespace qelvar
