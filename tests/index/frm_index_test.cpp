// The window of Qelvar Index driven offscreen: its controls, the three searches typed and
// clicked, choosing a line, and the buttons that start the other programs through a recording
// launcher.
#include "index/frm_index.h"
#include "platform/codepage.h"
#include "platform/program_folder.h"
#include "support/kit_folder.h"

#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

namespace qelvar {
namespace {

class IndexWindow : public ::testing::Test {
protected:
    IndexWindow() {
        for (const char *program : {kAirportsProgram, kApproachProgram, kMapsProgram})
            programs.Write(program, "#!/bin/sh\n");
        form = std::make_unique<frmIndex>(IndexServices{testing::FixturesDir() / "index", programs.Path(),
                                                        launcher, sink, [this] { ++ends; }});
        form->show();
        form->Form_Load();
    }
    void Search(QLineEdit *box, const char *text, QAbstractButton *button) {
        QTest::keyClicks(box, text);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    std::vector<std::string> Lines() const { return form->ListLines(); }
    std::string Found() const { return ToWindows1252(form->lblFound->text()); }
    std::string Start(const char *program, const std::string &code) const {
        return "start " + (programs.Path() / program).string() + " " + code;
    }
    void Choose(const std::string &code) {
        for (int row = 0; row < form->lstData->count(); ++row)
            if (IcaoOfListLine(form->ListLines()[static_cast<size_t>(row)]) == code)
                form->lstData->setCurrentRow(row);
    }

    testing::KitFolder programs;
    RecordingLauncher launcher;
    RecordingMessageSink sink;
    int ends = 0;
    std::unique_ptr<frmIndex> form;
};

TEST_F(IndexWindow, CaptionsAndStartState) {
    EXPECT_EQ(form->windowTitle(), "Qelvar-Morrick     Qelvar-Index       Find Airport Data");
    EXPECT_EQ(form->cmdICAO->Caption(), "search Code");
    EXPECT_EQ(form->cmdCity->Caption(), "search City");
    EXPECT_EQ(form->cmdCountry->Caption(), "search Country");
    EXPECT_EQ(form->chkCity->text(), "Word match");
    EXPECT_EQ(form->chkCountry->text(), "Word match");
    EXPECT_EQ(form->cmdArpt->text(), "Qelvar Airports");
    EXPECT_EQ(form->cmdApp->text(), "");
    EXPECT_EQ(form->cmdMaps->text(), "Qelvar Maps");
    EXPECT_EQ(form->cmdExit->Caption(), "EXIT");
    for (QToolButton *button : {form->cmdArpt, form->cmdApp, form->cmdMaps})
        EXPECT_FALSE(button->icon().isNull()); // buttons with pictures
    EXPECT_EQ(form->lstData->font().family(), "DejaVu Sans Mono");
    EXPECT_FALSE(form->cmdArpt->isEnabled());
    EXPECT_FALSE(form->cmdApp->isEnabled());
    EXPECT_TRUE(form->cmdMaps->isEnabled());
    EXPECT_EQ(form->lstData->count(), 0);
    EXPECT_TRUE(form->txtArpt->toPlainText().isEmpty());
    EXPECT_EQ(Found(), "");
    for (const char *label : {"Search ICAO Code", "Search for City  (parts ok)",
                              "Search for Country (parts ok)", "List of Found Data", "Airport Data"}) {
        bool found = false;
        for (QLabel *shown : form->findChildren<QLabel *>())
            found = found || shown->text() == label;
        EXPECT_TRUE(found) << label;
    }
}

// A tidy column: every control inside the window, none on top of another.
TEST_F(IndexWindow, ControlsDoNotOverlap) {
    QList<QWidget *> controls = form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    ASSERT_GE(controls.size(), 20);
    for (QWidget *a : controls) {
        EXPECT_TRUE(form->rect().contains(a->geometry())) << a->metaObject()->className();
        for (QWidget *b : controls) {
            if (a != b) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << ToWindows1252(a->objectName()) << a->metaObject()->className() << " "
                    << b->metaObject()->className();
            }
        }
    }
}

TEST_F(IndexWindow, IcaoSearchListsPaddedLinesAndEmptiesTheBoxes) {
    QTest::keyClicks(form->txtCity, "Paris");
    QTest::keyClicks(form->txtCountry, "France");
    Search(form->txtICAO, "ed", form->cmdICAO);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "EDDF    Frankfurt                Germany                       ",
                           "KEDW    Edwards                  UnitedStates                  ",
                           "EDDM    Muenchen                 -Germany                      ",
                       }));
    EXPECT_EQ(form->lstData->item(1)->text().toStdString(), Lines()[1]);
    EXPECT_EQ(Found(), "Data found for ED");
    EXPECT_TRUE(form->txtICAO->text().isEmpty());
    EXPECT_TRUE(form->txtCity->text().isEmpty());
    EXPECT_TRUE(form->txtCountry->text().isEmpty());

    Search(form->txtICAO, "XXXX", form->cmdICAO);
    EXPECT_EQ(form->lstData->count(), 0);
    EXPECT_EQ(Found(), "Sorry, XXXX not in the Database");
}

TEST_F(IndexWindow, CityAndCountrySearchesWithWordMatch) {
    Search(form->txtCity, "york", form->cmdCity);
    EXPECT_EQ(form->lstData->count(), 4);
    EXPECT_EQ(Found(), "Data found for York");
    form->chkCity->setChecked(true);
    Search(form->txtCity, "york", form->cmdCity);
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_EQ(IcaoOfListLine(Lines()[0]), "EGXZ");

    QTest::keyClicks(form->txtCity, "left over");
    Search(form->txtCountry, "-Germany", form->cmdCountry);
    EXPECT_EQ(Found(), "Sorry, -Germany not in the Database");
    EXPECT_TRUE(form->txtCity->text().isEmpty());
    form->chkCountry->setChecked(true);
    Search(form->txtCountry, "germany", form->cmdCountry);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "EDDF    Frankfurt                Germany                       ",
                           "EDDM    Muenchen                 Germany                       ",
                       }));
}

TEST_F(IndexWindow, ChoosingALineShowsItsDataAndReadiesTheButtons) {
    Search(form->txtICAO, "ED", form->cmdICAO);
    Choose("EDDF");
    EXPECT_EQ(BoxText(*form->txtArpt), "International Airport    EDDF\r\n"
                                       "Frankfurt Main    \r\n"
                                       "Germany\r\n"
                                       "\r\n"
                                       "Alt: 364 FT   ATIS:  118.02 Mhz\r\n"
                                       "\r\n"
                                       "Runway Data: \r\n"
                                       "07C-25C-13123\r\n"
                                       "07R-25L-13123\r\n"
                                       "18-36-13123\r\n");
    EXPECT_EQ(Found(), "");
    EXPECT_EQ(form->SelectedIcao(), "EDDF");
    for (QToolButton *button : {form->cmdArpt, form->cmdApp, form->cmdMaps}) {
        EXPECT_EQ(button->text(), "EDDF");
        EXPECT_TRUE(button->isEnabled());
    }

    // A new search disables the Airports and Approach buttons and empties the data box.
    Search(form->txtCity, "york", form->cmdCity);
    EXPECT_FALSE(form->cmdArpt->isEnabled());
    EXPECT_FALSE(form->cmdApp->isEnabled());
    EXPECT_TRUE(form->txtArpt->toPlainText().isEmpty());
    Choose("EGXZ"); // in the index, not in ARPT.nav
    EXPECT_EQ(BoxText(*form->txtArpt),
              "EGXZ is in the index but not in ARPT.nav: no airport data to show.\r\n");
    EXPECT_EQ(form->cmdApp->text(), "EGXZ");
    EXPECT_TRUE(form->cmdApp->isEnabled());
}

TEST_F(IndexWindow, ButtonsStartTheProgramsOfTheKitFolderWithTheCode) {
    Search(form->txtICAO, "EDDM", form->cmdICAO);
    Choose("EDDM");
    QTest::mouseClick(form->cmdArpt, Qt::LeftButton);
    QTest::mouseClick(form->cmdApp, Qt::LeftButton);
    QTest::mouseClick(form->cmdMaps, Qt::LeftButton);
    EXPECT_EQ(launcher.started,
              (std::vector<std::string>{Start(kAirportsProgram, "EDDM"), Start(kApproachProgram, "EDDM"),
                                        Start(kMapsProgram, "EDDM")}));
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(IndexWindow, MissingOrFailingProgramGivesAMessageAndChangesNothingElse) {
    Search(form->txtICAO, "KEDW", form->cmdICAO);
    Choose("KEDW");
    std::string box = BoxText(*form->txtArpt);
    programs.Remove(kApproachProgram);
    QTest::mouseClick(form->cmdApp, Qt::LeftButton);
    EXPECT_TRUE(launcher.started.empty());
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text,
              "Qelvar Approach was not found: " + (programs.Path() / kApproachProgram).string());

    launcher.succeeds = false;
    QTest::mouseClick(form->cmdMaps, Qt::LeftButton);
    EXPECT_EQ(launcher.started, std::vector<std::string>{Start(kMapsProgram, "KEDW")});
    ASSERT_EQ(sink.boxes.size(), 2u);
    EXPECT_EQ(sink.boxes[1].text,
              "Qelvar Maps could not be started: " + (programs.Path() / kMapsProgram).string());

    EXPECT_EQ(form->SelectedIcao(), "KEDW");
    EXPECT_EQ(BoxText(*form->txtArpt), box);
    EXPECT_EQ(form->lstData->count(), 1);
    EXPECT_TRUE(form->cmdArpt->isEnabled());
    EXPECT_EQ(ends, 0);
}

TEST_F(IndexWindow, MissingFilesShowTheMessageInTheResultLabel) {
    testing::KitFolder empty;
    empty.Remove("arpt.nav");
    frmIndex window({empty.Path(), programs.Path(), launcher, sink, [] {}});
    window.Form_Load();
    EXPECT_EQ(
        window.lblFound->text().toStdString(),
        "Arpt index.txt could not be read (File not found). ARPT.nav could not be read (File not found).");
    QTest::keyClicks(window.txtICAO, "ED");
    QTest::mouseClick(window.cmdICAO, Qt::LeftButton);
    EXPECT_EQ(window.lblFound->text().toStdString(), "Arpt index.txt could not be read (File not found).");
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(IndexWindow, ExitEndsTheProgram) {
    QTest::mouseClick(form->cmdExit, Qt::LeftButton);
    EXPECT_EQ(ends, 1);
}

// The programs are started from the folder of the running program, not from the current folder.
TEST(IndexProgramFolder, IsTheFolderOfTheRunningProgramWhateverTheCurrentFolder) {
    std::filesystem::path before = ProgramFolder();
    std::filesystem::path current = std::filesystem::current_path();
    std::filesystem::current_path("/");
    EXPECT_EQ(ProgramFolder(), before);
    std::filesystem::current_path(current);
    EXPECT_TRUE(std::filesystem::exists(before / "index_tests"));
}

} // namespace
} // namespace qelvar
