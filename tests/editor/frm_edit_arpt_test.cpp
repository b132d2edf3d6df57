// The airport editor driven offscreen: opening, typing, searching, saving, Done and closing.
#include "maps/editor/frm_edit_arpt.h"
#include "maps/navdata/loaders.h"
#include "support/kit_folder.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

class Editor : public ::testing::Test {
protected:
    Editor() {
        LoadArptftomFile(db, folder.Path(), sink);
        PlaceAirports(db);
        editor = std::make_unique<frmEditArpt>(db, sink, folder.Path(), [this] { ++redraws; });
    }
    void Type(QLineEdit *box, const char *text) {
        box->clear();
        QTest::keyClicks(box, text);
    }
    std::string Info() const { return editor->lblInfo->text().toStdString(); }

    testing::KitFolder folder;
    NavDatabase db;
    RecordingMessageSink sink;
    int redraws = 0;
    std::unique_ptr<frmEditArpt> editor;
};

TEST_F(Editor, OpensOnAirportZeroOrThePickedOne) {
    editor->Open();
    EXPECT_EQ(editor->windowTitle(), "Kordax - Edit Airports");
    EXPECT_EQ(Info(), "ArptAllNbr = 3");
    EXPECT_EQ(editor->txtICAO->text(), "EDDM");
    EXPECT_EQ(editor->txtMinX->text(), "47.2");
    EXPECT_FALSE(editor->cmdSave->isVisible());
    EXPECT_EQ(editor->cmbSuchenName->count(), 4);
    EXPECT_EQ(editor->cmbSuchenTag->count(), 3); // GRU, JFK, MUC

    db.PickedAirport = "JFK";
    db.PickedAirportIndex = 2;
    editor->Open();
    EXPECT_EQ(editor->txtICAO->text(), "KJFK");
    EXPECT_EQ(editor->State().CurrentAirport, 2);
    EXPECT_EQ(editor->cmbSuchenName->currentText(), "Arpt - Name");
    EXPECT_FALSE(editor->State().AirportChanged);

    editor->cmbSuchenTag_Click("GRU");
    EXPECT_EQ(editor->txtICAO->text(), "SBGR");
    EXPECT_EQ(editor->cmbSuchenName->currentText(), "Arpt - Name");
    editor->cmbSuchenName_Click("Oberpfaffenhofen");
    EXPECT_EQ(editor->txtICAO->text(), "EDMO");
    EXPECT_EQ(editor->cmbSuchenTag->currentText(), "Arpt - Tag");
}

// EDMO (entry 1) has no IATA code and lies between MUC and JFK: picking it opens the editor on
// EDMO itself, and an edit changes EDMO. So does an airport that shares its IATA code with another.
TEST_F(Editor, OpensOnThePickedEntryWithOrWithoutAnIataCode) {
    db.PickedAirport = "JFK";
    db.PickedAirportIndex = 2;
    editor->Open();
    ASSERT_EQ(editor->txtICAO->text(), "KJFK");

    db.PickedAirport = "";
    db.PickedAirportIndex = 1;
    editor->Open();
    EXPECT_EQ(editor->txtICAO->text(), "EDMO");
    EXPECT_EQ(editor->State().CurrentAirport, 1);
    Type(editor->txtLand, "Bavaria");
    EXPECT_EQ(db.AirportTable.entries[1].Country, "Bavaria");
    EXPECT_EQ(db.AirportTable.entries[2].Country, "United States");

    db.AirportTable.entries[3].IataCode = "JFK"; // SBGR now shares JFK's code
    db.PickedAirport = "JFK";
    db.PickedAirportIndex = 3;
    editor->Open();
    EXPECT_EQ(editor->txtICAO->text(), "SBGR");
    // The IATA search box still finds the first airport with the code.
    editor->cmbSuchenTag_Click("JFK");
    EXPECT_EQ(editor->txtICAO->text(), "KJFK");
}

// Qt's line edit keeps a pasted line break; the box refuses it, and Arpt.nav stays loadable.
TEST_F(Editor, APastedLineBreakIsRefused) {
    editor->Open();
    QApplication::clipboard()->setText("MUNICH\nRIEM");
    editor->txtName->selectAll();
    editor->txtName->paste();
    if (!editor->txtName->text().contains('\n'))
        editor->txtName->setText("MUNICH\nRIEM"); // where the clipboard or the line edit drops it
    EXPECT_EQ(Info(),
              "Line breaks and other control characters cannot be stored in Arpt.nav: nothing changed.");
    EXPECT_EQ(db.AirportTable.entries[0].Name, "M\xfcnchen Franz Josef Strau\xdf");
    EXPECT_FALSE(editor->State().AirportChanged);
    EXPECT_FALSE(editor->cmdSave->isVisible());

    Type(editor->txtName, "RIEM");
    QTest::mouseClick(editor->cmdSave, Qt::LeftButton);
    NavDatabase reloaded;
    LoadArptftomFile(reloaded, folder.Path(), sink);
    EXPECT_TRUE(sink.boxes.empty());
    EXPECT_EQ(reloaded.AirportTable.AirportCount, 4);
    EXPECT_EQ(reloaded.AirportTable.entries[0].Name, "RIEM");
}

TEST_F(Editor, TypingFollowsTheChangeRules) {
    editor->Open();
    Type(editor->txtGradX, "-");
    EXPECT_EQ(Info(), "X-Grad invalid");
    EXPECT_FALSE(editor->State().AirportChanged);
    QTest::keyClicks(editor->txtGradX, "8");
    EXPECT_EQ(Info(), "Arpt PosX has changed!");
    EXPECT_EQ(db.AirportTable.entries[0].LonDeg, -8);
    EXPECT_LT(db.AirportTable.entries[0].X, 38'880'000);
    EXPECT_TRUE(editor->cmdSave->isVisible());

    Type(editor->txtMinY, "12,");
    EXPECT_EQ(Info(), "Arpt Y-Minutes has changed!");
    EXPECT_DOUBLE_EQ(db.AirportTable.entries[0].LatMin, 12); // "12" was stored on the way
    QTest::keyClicks(editor->txtMinY, "5");
    EXPECT_DOUBLE_EQ(db.AirportTable.entries[0].LatMin, 12.5);

    Type(editor->txtName, "riem");
    EXPECT_EQ(db.AirportTable.entries[0].Name, "RIEM");
    EXPECT_EQ(editor->txtName->text(), "riem"); // the box keeps what was typed
    QTest::keyClicks(editor->txtName, ";");
    EXPECT_EQ(db.AirportTable.entries[0].Name, "RIEM");
    EXPECT_EQ(Info(), "\";\" separates the fields of Arpt.nav and cannot be stored: nothing changed.");

    // Re-opening the airport shows the edited minutes.
    editor->ShowAirportInEditor(1);
    editor->ShowAirportInEditor(0);
    EXPECT_EQ(editor->txtMinY->text(), "12.5");
}

TEST_F(Editor, NewSaveDoneAndClose) {
    editor->Open();
    QTest::mouseClick(editor->cmdNew, Qt::LeftButton);
    EXPECT_EQ(db.AirportTable.AirportCount, 5);
    EXPECT_EQ(editor->txtICAO->text(), "");
    Type(editor->txtICAO, "edxx");
    QTest::mouseClick(editor->cmdSave, Qt::LeftButton);
    EXPECT_FALSE(editor->cmdSave->isVisible());
    EXPECT_EQ(Info(), "");
    std::string saved = folder.Read("arpt.nav");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 5);
    EXPECT_NE(saved.find(";EDXX;"), std::string::npos);

    db.AirportTable.AirportCount = 8'500;
    QTest::mouseClick(editor->cmdNew, Qt::LeftButton);
    EXPECT_EQ(Info(), "no more space.....");
    EXPECT_EQ(db.AirportTable.AirportCount, 8'500);
    db.AirportTable.AirportCount = 5;

    Type(editor->txtLand, "Nowhere");
    QTest::mouseClick(editor->cmdExit, Qt::LeftButton);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(redraws, 1);
    EXPECT_NE(folder.Read("arpt.nav").find(";Nowhere\r\n"), std::string::npos);

    // Closing through the window system saves like Done and does not end the program.
    editor->Open();
    Type(editor->txtLand, "Elsewhere");
    editor->close();
    EXPECT_EQ(redraws, 2);
    EXPECT_NE(folder.Read("arpt.nav").find(";Elsewhere\r\n"), std::string::npos);
}

TEST_F(Editor, AFailedSaveSaysSoAndKeepsTheEdits) {
    editor->Open();
    Type(editor->txtLand, "Changed");
    folder.Remove("arpt.nav");
    std::filesystem::create_directory(folder.Path() / "arpt.nav"); // cannot be replaced by a file
    QTest::mouseClick(editor->cmdSave, Qt::LeftButton);
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text,
              "Error 75 (Path/File access error) in procedure cmdSave_Click of Formular frmEditArpt");
    EXPECT_TRUE(editor->cmdSave->isVisible());
    EXPECT_TRUE(editor->State().AirportChanged);
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "arpt.nav"));
    QTest::mouseClick(editor->cmdExit, Qt::LeftButton);
    EXPECT_TRUE(editor->isVisible()); // Done stays open when the table was not written
    EXPECT_EQ(db.AirportTable.entries[0].Country, "Changed");
}

// arpt.nav with one airport more than the table takes: the load keeps what fits and says so, and
// Save would rewrite the file without the rest; it is refused, and the file keeps every line.
TEST_F(Editor, RefusesToWriteOverAFileLoadedOnlyInPart) {
    std::string line = "AD;A;AAAA;A;1;1;0;1;0;;;X\r\n";
    std::string file;
    for (int i = 0; i < AirportTableData::capacity + 1; ++i)
        file += line;
    folder.Write("arpt.nav", file);
    NavDatabase partly;
    LoadArptftomFile(partly, folder.Path(), sink);
    ASSERT_EQ(sink.boxes.size(), 1u); // the table-full message
    EXPECT_TRUE(partly.AirportTable.LoadTruncated);
    frmEditArpt partlyEditor(partly, sink, folder.Path(), [] {});
    partlyEditor.Open();
    partlyEditor.txtLand->setText("Changed");
    QTest::mouseClick(partlyEditor.cmdSave, Qt::LeftButton);
    EXPECT_EQ(partlyEditor.lblInfo->text().toStdString(),
              "Arpt.nav holds more airports than the table takes and was loaded only in part: saving now "
              "would drop the rest. The edits stay in memory.");
    EXPECT_TRUE(partlyEditor.State().AirportChanged);
    EXPECT_EQ(folder.Read("arpt.nav"), file);
    QTest::mouseClick(partlyEditor.cmdExit, Qt::LeftButton);
    EXPECT_TRUE(partlyEditor.isVisible()); // Done stays open: the table was not written
    EXPECT_EQ(sink.boxes.size(), 1u);
}

TEST_F(Editor, RefusesToWriteOverAFileThatFailedToLoad) {
    db.AirportTable.LoadFailed = true;
    editor->Open();
    Type(editor->txtLand, "Changed");
    QTest::mouseClick(editor->cmdSave, Qt::LeftButton);
    EXPECT_EQ(Info().substr(0, 43), "Arpt.nav could not be read at start-up: sav");
    EXPECT_TRUE(editor->State().AirportChanged);
    EXPECT_EQ(folder.Read("arpt.nav").find("Changed"), std::string::npos);
    EXPECT_TRUE(sink.boxes.empty());
}

} // namespace
} // namespace qelvar
