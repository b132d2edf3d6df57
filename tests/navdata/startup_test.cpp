// The loading sequence, its fatal ends, and the start-up and exit of the two windows.
#include "maps/mainwindow/form2.h"
#include "maps/navdata/form1.h"
#include "support/kit_folder.h"

#include <QTest>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::KitFolder;

// A start-up window that writes down what the sequence asked of it and the state at that moment.
class ScreenLog : public StartupScreen {
public:
    ScreenLog(NavDatabase &db, const std::string &loadStep, std::string missingPicture = "")
        : db_(db), loadStep_(loadStep), missingPicture_(std::move(missingPicture)) {}
    void ShowPicture(const std::string &fileName) override {
        if (fileName == missingPicture_)
            throw RuntimeError(kFileNotFound);
        log.push_back(
            fileName + " step=" + loadStep_ + " int=" + std::to_string(db_.IntersectionTable.count) +
            " rwy=" + std::to_string(db_.RunwayTable.count) + " coast=" +
            std::to_string(db_.CoastLayer.count) + " arpt=" + std::to_string(db_.AirportTable.AirportCount) +
            " ils=" + std::to_string(db_.IlsTable.count) + " vor=" + std::to_string(db_.VorTable.count) +
            " ndb=" + std::to_string(db_.NdbTable.count));
    }
    void ProcessEvents() override { log.push_back("events"); }
    void OpenMainWindow() override {
        log.push_back("main window, ndb=" + std::to_string(db_.NdbTable.count) +
                      (db_.LayerFlags.Vor ? " layers on" : " layers off"));
    }
    std::vector<std::string> log;

private:
    NavDatabase &db_;
    const std::string &loadStep_;
    std::string missingPicture_;
};

TEST(LoadingSequence, LoadsInItsFixedOrderBehindThePictures) {
    KitFolder folder;
    NavDatabase db;
    RecordingMessageSink sink;
    std::string step;
    ScreenLog screen(db, step);
    RunLoadingSequence(db, folder.Path(), sink, screen, step);
    EXPECT_EQ(screen.log,
              (std::vector<std::string>{
                  "init.jpg step= int=0 rwy=0 coast=0 arpt=0 ils=0 vor=0 ndb=0",
                  "events",
                  "events",
                  "LoadCoast.jpg step= int=2 rwy=3 coast=0 arpt=0 ils=0 vor=0 ndb=0",
                  "loadarpt.jpg step=loading Coast from file int=2 rwy=3 coast=7 arpt=0 ils=0 vor=0 ndb=0",
                  "LoadILS.jpg step=loading Arpt from file int=2 rwy=3 coast=7 arpt=4 ils=0 vor=0 ndb=0",
                  "loadvor.jpg step=loading ILS from file int=2 rwy=3 coast=7 arpt=4 ils=3 vor=0 ndb=0",
                  "loadndb.jpg step=loading VOR from file int=2 rwy=3 coast=7 arpt=4 ils=3 vor=2 ndb=0",
                  "main window, ndb=2 layers off",
              }));
    EXPECT_EQ(step, "loading NDB from file");
    EXPECT_EQ(db.ZoomScale,
              (std::array<int32_t, 13>{0, 2, 5, 10, 20, 40, 78, 156, 312, 625, 1250, 2500, 5000}));
    const LayerFlagSet &f = db.LayerFlags;
    EXPECT_TRUE(f.Vor && f.Ndb && f.IntlAirports && f.LocalAirports && f.Ils && f.Hills && f.Borders &&
                f.Runways);
    EXPECT_FALSE(f.Intersections);
    EXPECT_EQ(db.AirportTable.entries[0].X, 41'425'920); // placed
    EXPECT_EQ(db.NdbTable.entries[1].Y, 19'548'000);     // placed
    EXPECT_TRUE(sink.boxes.empty());
}

struct FatalCase {
    const char *missing;
    const char *cause; // the cause line of the critical box
    size_t picturesShown;
};

TEST(LoadingSequence, UnhandledErrorsEndStartUpWithTheCurrentStep) {
    FatalCase cases[] = {
        {"vor.nav", " Cause: loading VOR from file", 5},
        {"ndb.nav", " Cause: loading NDB from file", 6},
        {"ils.nav", " Cause: loading ILS from file", 4},
        {"Train.nav", " Cause: loading Coast from file", 2},
        {"Coast.nav", " Cause: loading Coast from file", 2},
        {"Runways.nav", " Cause: Fehler beim Laden der Runways!", 1},
        {"Intersection.nav", " Cause: Fehler beim Laden der Intersections!", 1},
        {"LoadCoast.jpg", " Cause: ", 1},
        {"loadvor.jpg", " Cause: loading ILS from file", 4},
    };
    for (const FatalCase &c : cases) {
        KitFolder folder;
        folder.Remove(c.missing);
        NavDatabase db;
        RecordingMessageSink sink;
        std::string step;
        ScreenLog screen(db, step, c.missing);
        EXPECT_THROW(RunLoadingSequence(db, folder.Path(), sink, screen, step), ProgramEnded) << c.missing;
        ASSERT_EQ(sink.boxes.size(), 1u) << c.missing;
        EXPECT_EQ(sink.boxes[0].title, "Kordax Critical Error!!!!");
        std::string text = sink.boxes[0].text;
        EXPECT_EQ(text.substr(text.rfind("\r\n") + 2), c.cause) << c.missing;
        size_t pictures = 0;
        for (const std::string &entry : screen.log)
            pictures += entry.find(".jpg") != std::string::npos;
        EXPECT_EQ(pictures, c.picturesShown) << c.missing;
        EXPECT_EQ(screen.log.back().rfind("main window", 0), std::string::npos) << c.missing;
    }
    EXPECT_EQ(FatalErrorText("Kordax", "Form_Load", "loading VOR from file"),
              " Error in Module: Kordax\r\n Function: Form_Load\r\n Cause: loading VOR from file");
}

TEST(LoadingSequence, HillsAndAirportErrorsAreReportedAndStartUpGoesOn) {
    KitFolder folder;
    folder.Remove("Hills.nav");
    folder.Remove("arpt.nav");
    NavDatabase db;
    RecordingMessageSink sink;
    std::string step;
    ScreenLog screen(db, step);
    RunLoadingSequence(db, folder.Path(), sink, screen, step);
    ASSERT_EQ(sink.boxes.size(), 2u);
    EXPECT_EQ(sink.boxes[0].text,
              "Error 53 (File not found) in procedure LoadHillsFromFile of Modul Module1");
    EXPECT_EQ(sink.boxes[1].text, "Error 53 (File not found) in procedure LoadArptftomFile of Modul Module1");
    EXPECT_EQ(db.AirportTable.AirportCount, 0);
    EXPECT_EQ(db.NdbTable.count, 2);
    EXPECT_EQ(screen.log.back(), "main window, ndb=2 layers off");
}

// Both windows as the program wires them, on a kit folder with the pictures.
struct Windows {
    explicit Windows(const std::filesystem::path &folder, const std::string &commandLine = "")
        : form2(db, {sink, launcher, folder, [this] { form1.ShowFarewell(); }}),
          form1(
              db, folder, sink,
              [this, commandLine] {
                  form2.Form_Load(commandLine);
                  form2.show();
              },
              [this] { ++programEnds; }) {}
    NavDatabase db;
    RecordingMessageSink sink;
    RecordingLauncher launcher;
    int programEnds = 0;
    Form2 form2;
    Form1 form1;
};

TEST(StartupWindows, MainWindowOpensWithItsStartState) {
    KitFolder folder(KitFolder::NavFilesAndPictures);
    Windows w(folder.Path(), "EDDM");
    w.form1.Form_Load();
    EXPECT_TRUE(w.sink.boxes.empty());
    EXPECT_EQ(w.form1.windowTitle(), "Qelvar Maps");
    EXPECT_FALSE(w.form1.isVisible());
    EXPECT_TRUE(w.form2.isVisible());
    EXPECT_EQ(w.db.MarkedAirport, "EDDM");

    const MapView &v = w.form2.View();
    EXPECT_EQ(v.ZoomLevel, 12);
    EXPECT_EQ(v.ScaleX, 5000);
    EXPECT_EQ(v.ScaleY, 5000);
    EXPECT_EQ(v.ExtentX, 77'760'000);
    EXPECT_EQ(v.ExtentY, 38'880'000);
    EXPECT_EQ(v.OriginX, 0);
    EXPECT_EQ(v.OriginY, 0);
    EXPECT_EQ(v.CentreX, 38'880'000);
    EXPECT_EQ(v.CentreY, 19'440'000);

    EXPECT_FALSE(w.db.LayerFlags.Intersections);
    EXPECT_TRUE(w.db.LayerFlags.Runways);
    EXPECT_EQ(w.form2.cmdInter->Caption(), "INT off");
    EXPECT_EQ(w.form2.cmdInter->BackColor(), (Rgb{255, 128, 128}));
    EXPECT_EQ(w.form2.cmdRwy->Caption(), "RWY");
    EXPECT_EQ(w.form2.cmdRwy->BackColor(), ButtonFace());
    EXPECT_EQ(w.form2.cmdNDB->BackColor(), (Rgb{190, 190, 190}));
    EXPECT_EQ(w.form2.cmdBorder->Caption(), "Bor- der");
    EXPECT_EQ(w.form2.cmdRte->Caption(), "Route Start");
    EXPECT_FALSE(w.form2.txtDisplayRoute->isVisible());
    EXPECT_FALSE(w.form2.lstFound->isVisible());
    EXPECT_FALSE(w.form2.cmdRteEnd->isVisible());
    EXPECT_TRUE(w.form2.cmdRteSave->isVisible());
    EXPECT_TRUE(w.form2.cmdRteLoad->isVisible());
    EXPECT_EQ(BoxText(*w.form2.txtDisplay), "For Details Right Mouse Button  \r\n");
    EXPECT_EQ(w.form2.PicMap->geometry(), QRect(8, 8, 1041, 521));
    EXPECT_EQ(w.form2.cmdExit->geometry(), QRect(1152, 544, 73, 33));
}

TEST(StartupWindows, NoCommandLineMarksNothing) {
    KitFolder folder(KitFolder::NavFilesAndPictures);
    Windows w(folder.Path());
    w.form1.Form_Load();
    EXPECT_EQ(w.db.MarkedAirport, "");
}

TEST(StartupWindows, ExitAndClosingShowTheFarewellAndEndTheProgram) {
    KitFolder folder(KitFolder::NavFilesAndPictures);
    Windows w(folder.Path());
    w.form1.Form_Load();
    QImage lastLoadPicture = w.form1.Picture();
    QTest::mouseClick(w.form2.cmdExit, Qt::LeftButton);
    EXPECT_EQ(w.programEnds, 1);
    EXPECT_TRUE(w.form1.isVisible());
    EXPECT_FALSE(w.form1.Picture().isNull());
    EXPECT_NE(w.form1.Picture(), lastLoadPicture); // bye.jpg, not the last progress picture

    w.form2.close();
    EXPECT_EQ(w.programEnds, 2);
    EXPECT_TRUE(w.form2.isVisible()); // the program ends; the window is not just closed
}

TEST(StartupWindows, MissingProgressPictureIsFatal) {
    KitFolder folder(KitFolder::NavFilesAndPictures);
    folder.Remove("loadarpt.jpg");
    Windows w(folder.Path());
    EXPECT_THROW(w.form1.Form_Load(), ProgramEnded);
    ASSERT_EQ(w.sink.boxes.size(), 1u);
    EXPECT_EQ(w.sink.boxes[0].text,
              " Error in Module: Kordax\r\n Function: Form_Load\r\n Cause: loading Coast from file");
    EXPECT_FALSE(w.form2.isVisible());
}

} // namespace
} // namespace qelvar
