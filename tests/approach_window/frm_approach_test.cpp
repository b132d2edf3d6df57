#include "approach/window/frm_approach.h"
#include "platform/twips.h"
#include "support/kit_folder.h"
#include "support/twips_placement.h"

#include <QTest>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::KitFolder;

// A kit folder with the approach fixture KXYZ.xml and its vor.nav, and an index of three airports:
// KXYZ, MISS whose file is not there, and EMPT whose file has no approaches.
class ApproachWindow : public ::testing::Test {
protected:
    ApproachWindow() : window({folder.Path(), [this] { ++exits; }}, sink) {
        folder.Write("Arpt index.txt", "KXYZ;Seattle;USA;KXYZ.xml\r\nMISS;Nowhere;Noland;MISS.xml\r\n"
                                       "EMPT;Empty;Noland;EMPT.xml\r\n");
        std::filesystem::create_directory(folder.Path() / "FSXFiles");
        std::filesystem::copy_file(testing::FixturesDir() / "approach" / "KXYZ.xml",
                                   folder.Path() / "FSXFiles" / "KXYZ.xml");
        folder.Write("FSXFiles/EMPT.xml",
                     "<Airport ident=\"EMPT\"\r\n lat=\"N10 00.00\"\r\n lon=\"E010 00.00\">\r\n"
                     "</Airport>\r\n");
        std::filesystem::copy_file(testing::FixturesDir() / "approach" / "vor.nav", folder.Path() / "vor.nav",
                                   std::filesystem::copy_options::overwrite_existing);
        window.Form_Load("");
    }

    void Search(const char *typed) {
        window.txtSearch->setText(typed);
        QTest::mouseClick(window.cmdSearch, Qt::LeftButton);
    }

    void LoadKxyz() {
        Search("kxyz");
        QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    }

    std::vector<std::string> Items(const QComboBox &list) {
        std::vector<std::string> items;
        for (int i = 0; i < list.count(); ++i)
            items.push_back(list.itemText(i).toStdString());
        return items;
    }

    // Reset, Zoom In, Zoom Out, approach list, transition list.
    std::vector<bool> ViewControls() {
        return {window.cmdZoom->isEnabled(), window.cmdPlus->isEnabled(), window.cmdMinus->isEnabled(),
                window.cmbAPP->isEnabled(), window.cmbTerm->isEnabled()};
    }

    KitFolder folder;
    RecordingMessageSink sink;
    int exits = 0;
    frmApproach window;
};

TEST_F(ApproachWindow, ControlsAtTheirPlaces) {
    testing::ExpectPlacedInTwips({
        {window.picArpt, 120, 120, 14415, 10215},
        {window.lblSearch, 14520, 120, 2175, 375},
        {window.txtSearch, 14520, 600, 1215, 375},
        {window.cmdSearch, 15720, 600, 975, 735},
        {window.cmdArpt, 14640, 1440, 2055, 975},
        {window.cmbAPP, 14640, 2520, 2055, 405},
        {window.cmbTerm, 14640, 3960, 2055, 405},
        {window.cmdZoom, 14760, 5040, 1935, 735},
        {window.cmdPlus, 14760, 5880, 975, 975},
        {window.cmdMinus, 15720, 5880, 975, 975},
        {window.cmdExit, 15600, 9360, 1095, 855},
    });
    EXPECT_EQ(window.Caption(), "Qelvar Approach");
    EXPECT_EQ(window.cmdArpt->Caption(), "APP Chart");
    EXPECT_EQ(window.cmbAPP->placeholderText(), "Approach");
    EXPECT_EQ(window.cmbTerm->placeholderText(), "Terminal");
    EXPECT_EQ(window.cmdZoom->Caption(), "Reset Zoom");
    EXPECT_EQ(window.cmdExit->Caption(), "EXIT");
}

TEST_F(ApproachWindow, StartReadsTheVorsAndWaits) {
    frmApproach started({folder.Path(), nullptr}, sink);
    started.Form_Load("kxyz");
    EXPECT_EQ(started.txtSearch->text(), "kxyz");
    EXPECT_EQ(started.ZoomLevel(), 2);
    EXPECT_EQ(started.Vors().size(), 4u);
    EXPECT_FALSE(started.cmdArpt->isEnabled());
    EXPECT_FALSE(started.cmdZoom->isEnabled());
    EXPECT_FALSE(started.cmdPlus->isEnabled());
    EXPECT_FALSE(started.cmbAPP->isEnabled());
    EXPECT_FALSE(started.cmbTerm->isEnabled());
    EXPECT_FALSE(started.View().transition);
    EXPECT_EQ(started.Caption(), "Qelvar Approach");
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(ApproachWindow, ChartButtonFillsTheApproachList) {
    Search("kxyz");
    EXPECT_EQ(window.Caption(), "KXYZ-Seattle-USA-KXYZ.xml");
    EXPECT_EQ(window.cmdArpt->Caption(), "Show KXYZ Chart");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_TRUE(window.ChartLoaded());
    EXPECT_EQ(window.ZoomLevel(), 16);
    EXPECT_EQ(window.cmdZoom->Caption(), "Reset Position\rZoom Level= 16");
    EXPECT_EQ(Items(*window.cmbAPP), (std::vector<std::string>{"ILS 16L", "VORDME 34R", "GPS 0", "NDB 34L"}));
    EXPECT_EQ(window.cmbAPP->currentIndex(), -1);
    EXPECT_EQ(window.cmbAPP->placeholderText(), "KXYZ APP");
    EXPECT_EQ(window.cmbTerm->placeholderText(), "KXYZ Term");
    EXPECT_EQ(ViewControls(), (std::vector<bool>{true, true, true, true, false}));
    EXPECT_FALSE(window.View().approach);
    EXPECT_EQ(window.Caption(), "KXYZ-Seattle-USA-KXYZ.xml");
    // The reference point's olive yellow cross is drawn at the centre.
    QImage image = window.picArpt->Canvas().Image();
    EXPECT_NE(image.pixelColor(TwipsToPixels(7150), TwipsToPixels(5000)), QColor(Qt::white));
}

TEST_F(ApproachWindow, ChoosingAnApproachOffersItsTransitions) {
    LoadKxyz();
    window.cmbAPP->setCurrentIndex(0);
    window.cmbAPP_Click(0);
    EXPECT_EQ(window.View().approach, 0);
    EXPECT_FALSE(window.View().transition);
    EXPECT_TRUE(window.cmbTerm->isEnabled());
    EXPECT_EQ(Items(*window.cmbTerm), std::vector<std::string>{"VOR SEA"});
    EXPECT_EQ(window.cmbTerm->currentIndex(), -1);
    // Choosing a transition changes nothing; choosing another approach empties the list again.
    window.cmbTerm->setCurrentIndex(0);
    EXPECT_FALSE(window.View().transition);
    window.cmbAPP_Click(1);
    EXPECT_EQ(window.View().approach, 1);
    EXPECT_EQ(Items(*window.cmbTerm), std::vector<std::string>{"NDB OL"});
    EXPECT_EQ(window.cmbTerm->currentIndex(), -1);
    EXPECT_EQ(window.cmbTerm->placeholderText(), "KXYZ Term");

    // Zooming redraws the same choice and does not add the transitions again.
    QTest::mouseClick(window.cmdMinus, Qt::LeftButton);
    EXPECT_EQ(window.View().approach, 1);
    EXPECT_EQ(Items(*window.cmbTerm), std::vector<std::string>{"NDB OL"});

    // Loading the chart again forgets the choice.
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_FALSE(window.View().approach);
    EXPECT_TRUE(Items(*window.cmbTerm).empty());
    EXPECT_FALSE(window.cmbTerm->isEnabled());
}

TEST_F(ApproachWindow, ApproachChosenInTheListIsDrawn) {
    LoadKxyz();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Step onto the list's first entry with the keyboard, as a user would.
    window.cmbAPP->setFocus();
    QTest::keyClick(window.cmbAPP, Qt::Key_Down);
    EXPECT_EQ(window.View().approach, 0);
    EXPECT_EQ(Items(*window.cmbTerm), std::vector<std::string>{"VOR SEA"});
    // The green path runs from CF16L (7000, 2750) to FF16L (7000, 3650).
    QImage image = window.picArpt->Canvas().Image();
    int greenish = 0;
    for (int x = TwipsToPixels(7000) - 2; x <= TwipsToPixels(7000) + 2; ++x)
        for (int y = TwipsToPixels(2900); y < TwipsToPixels(3500); ++y) {
            QColor c = image.pixelColor(x, y);
            greenish += c.green() > c.red() + 40 && c.green() > c.blue() + 40;
        }
    EXPECT_GT(greenish, 5);
}

TEST_F(ApproachWindow, ZoomInStepsOfTwoFromTwoToFifty) {
    LoadKxyz();
    for (int expected : {14, 12, 10, 8, 6, 4, 2, 2}) {
        QTest::mouseClick(window.cmdPlus, Qt::LeftButton);
        EXPECT_EQ(window.ZoomLevel(), expected);
        EXPECT_EQ(window.cmdZoom->Caption(), "Reset Position\rZoom Level=" + std::to_string(expected));
    }
    for (int i = 0; i < 30; ++i)
        QTest::mouseClick(window.cmdMinus, Qt::LeftButton);
    EXPECT_EQ(window.ZoomLevel(), 50);
    EXPECT_EQ(window.View().zoom, 50);
    // A new load starts at 16 again.
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_EQ(window.ZoomLevel(), 16);
}

TEST_F(ApproachWindow, ClickCentresAndResetReturns) {
    LoadKxyz();
    window.cmbAPP_Click(0);
    // Pixel (600, 400) is twip (9000, 6000): the point moves to the centre (7000, 5000).
    QTest::mouseClick(window.picArpt, Qt::LeftButton, {}, QPoint(600, 400));
    EXPECT_EQ(window.PanX(), -2000);
    EXPECT_EQ(window.PanY(), -1000);
    EXPECT_EQ(window.View().approach, 0);
    QTest::mouseClick(window.cmdZoom, Qt::LeftButton);
    EXPECT_EQ(window.PanX(), 0);
    EXPECT_EQ(window.PanY(), 0);
    EXPECT_EQ(window.ZoomLevel(), 16);
}

TEST_F(ApproachWindow, AirportWithoutApproaches) {
    Search("EMPT");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_TRUE(window.ChartLoaded());
    EXPECT_EQ(window.cmbAPP->count(), 0);
    EXPECT_EQ(window.Caption(), "EMPT-Empty-Noland-EMPT.xml");
    QTest::mouseClick(window.cmdPlus, Qt::LeftButton);
    EXPECT_EQ(window.ZoomLevel(), 14);
}

TEST_F(ApproachWindow, BadInputGivesMessagesAndTheWindowGoesOn) {
    // A missing XML file: the caption and the picture say so; the lists stay empty.
    LoadKxyz();
    Search("MISS");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_EQ(window.Caption(),
              "MISS-Nowhere-Noland-MISS.xml - FSXFiles/MISS.xml could not be read (File not found)");
    EXPECT_FALSE(window.ChartLoaded());
    EXPECT_EQ(window.cmbAPP->count(), 0);
    EXPECT_FALSE(window.cmbAPP->isEnabled());
    QTest::mouseClick(window.cmdZoom, Qt::LeftButton); // nothing to redraw, nothing breaks

    // An ident the file does not hold.
    folder.Write("Arpt index.txt", "KABC;Somewhere;USA;KXYZ.xml\r\n");
    Search("KABC");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_EQ(window.Caption(), "KABC-Somewhere-USA-KXYZ.xml - KABC is not in KXYZ.xml");
    EXPECT_EQ(window.cmbAPP->count(), 0);
    QTest::mouseClick(window.picArpt, Qt::LeftButton, {}, QPoint(100, 100));

    // More than 51 approaches: the caption names the full table.
    std::string body = "<Airport ident=\"KABC\"\r\n lat=\"N47 30.00\"\r\n lon=\"W122 18.00\">\r\n";
    for (int i = 0; i < 52; ++i)
        body += "<Approach type=\"GPS\"\r\n runway=\"" + std::to_string(i % 36 + 1) +
                "\"\r\n designator=\"NONE\">\r\n</Approach>\r\n";
    folder.Write("FSXFiles/KXYZ.xml", body + "</Airport>\r\n");
    QTest::mouseClick(window.cmdArpt, Qt::LeftButton);
    EXPECT_EQ(window.Caption(), "KABC-Somewhere-USA-KXYZ.xml - table full, the rest left out: approaches");
    EXPECT_EQ(window.cmbAPP->count(), 51);
    window.cmbAPP_Click(50); // an approach without legs
    EXPECT_EQ(window.View().approach, 50);

    // A missing index: the typed ident stays for another try.
    folder.Remove("Arpt index.txt");
    Search("KXYZ");
    EXPECT_EQ(window.Caption(), "Arpt index.txt could not be read (File not found)");
    EXPECT_EQ(window.txtSearch->text(), "KXYZ");
    EXPECT_TRUE(window.cmdSearch->isEnabled());
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(ApproachWindow, MissingVorFileIsToldOnceAndTheChartGoesOn) {
    folder.Remove("vor.nav");
    RecordingMessageSink ownSink;
    frmApproach started({folder.Path(), nullptr}, ownSink);
    started.Form_Load("");
    ASSERT_EQ(ownSink.boxes.size(), 1u);
    EXPECT_EQ(ownSink.boxes[0].text, VorFileMissingText());
    EXPECT_TRUE(started.Vors().empty());
    started.txtSearch->setText("KXYZ");
    QTest::mouseClick(started.cmdSearch, Qt::LeftButton);
    QTest::mouseClick(started.cmdArpt, Qt::LeftButton);
    started.cmbAPP_Click(1); // the VOR approach: its VOR fix is not found now
    EXPECT_TRUE(started.ChartLoaded());
    QTest::mouseClick(started.cmdPlus, Qt::LeftButton);
    EXPECT_EQ(ownSink.boxes.size(), 1u); // no further message on redraws
}

// A file whose numbers no picture can hold: every redraw tells the run-time error in the routine
// message naming the procedure, and the window goes on.
TEST_F(ApproachWindow, RedrawErrorsAreToldAndTheWindowGoesOn) {
    std::string text = folder.Read("FSXFiles/KXYZ.xml");
    const std::string rho = "rho=\"20530.0\"";
    text.replace(text.find(rho), rho.size(), "rho=\"9000000000000\""); // 4.4e9 DME
    folder.Write("FSXFiles/KXYZ.xml", text);
    LoadKxyz();
    EXPECT_TRUE(sink.boxes.empty()); // no approach chosen yet
    window.cmbAPP_Click(0);
    QTest::mouseClick(window.cmdPlus, Qt::LeftButton);
    const std::string message = "Error 6 (Overflow) in procedure RedrawApproachChart of Modul basAPP";
    ASSERT_EQ(sink.boxes.size(), 2u);
    EXPECT_EQ(sink.boxes[0].text, message);
    EXPECT_EQ(sink.boxes[1].text, message);
    EXPECT_EQ(window.ZoomLevel(), 14);
    window.cmbAPP_Click(1); // the other approaches draw
    EXPECT_EQ(sink.boxes.size(), 2u);
    EXPECT_TRUE(window.cmdPlus->isEnabled());
}

// Typed with a space in front and in lower case, the ident is found.
TEST_F(ApproachWindow, IdentFoundAsTyped) {
    Search(" k x y z ");
    EXPECT_EQ(window.Caption(), "KXYZ-Seattle-USA-KXYZ.xml");
    EXPECT_TRUE(window.cmdArpt->isEnabled());
}

TEST_F(ApproachWindow, ExitEndsTheProgram) {
    QTest::mouseClick(window.cmdExit, Qt::LeftButton);
    EXPECT_EQ(exits, 1);
}

// The chart's page names the approach shown; --pdf chooses it by its label, spaces and case aside.
TEST_F(ApproachWindow, ThePageNamesTheChosenApproach) {
    EXPECT_FALSE(window.ChartForPage());
    LoadKxyz();
    EXPECT_EQ(window.ChartForPage()->kind, "Approach Chart");
    EXPECT_FALSE(window.ChooseApproach("ILS 34R"));
    ASSERT_TRUE(window.ChooseApproach("vordme34r"));
    EXPECT_EQ(window.cmbAPP->currentIndex(), 1);
    std::optional<ChartPage> page = window.ChartForPage();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->ident, "KXYZ");
    EXPECT_EQ(page->kind, "Approach Chart VORDME 34R");
}

} // namespace
} // namespace qelvar
