#include "platform/messages.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

TEST(ErrorDescriptions, ClassicNumbersKeepTheirTexts) {
    struct Case {
        int number;
        const char *text;
    } cases[] = {{6, "Overflow"},        {9, "Subscript out of range"},  {13, "Type mismatch"},
                 {53, "File not found"}, {62, "Input past end of file"}, {75, "Path/File access error"}};
    for (const Case &c : cases) {
        RuntimeError error(c.number);
        EXPECT_EQ(error.Number(), c.number);
        EXPECT_EQ(error.Description(), c.text);
    }
}

TEST(MessageTexts, RoutineFormAndFatal) {
    EXPECT_EQ(RoutineErrorText(RuntimeError(kFileNotFound), "LoadHillsFromFile", "Module1"),
              "Error 53 (File not found) in procedure LoadHillsFromFile of Modul Module1");
    EXPECT_EQ(FormErrorText(RuntimeError(kTypeMismatch), "cmdSave_Click", "frmEditArpt"),
              "Error 13 (Type mismatch) in procedure cmdSave_Click of Formular frmEditArpt");
    EXPECT_EQ(FatalErrorText("Kordax", "Form_Load", "loading VOR from file"),
              " Error in Module: Kordax\r\n Function: Form_Load\r\n Cause: loading VOR from file");
}

TEST(MessageSinks, FatalReportShowsTheCriticalBoxAndEndsTheProcedure) {
    RecordingMessageSink sink;
    ShowRoutineError(sink, RuntimeError(kOverflow), "LineClip", "Module5");
    EXPECT_THROW(
        ReportFatalError(sink, "LoadData", "LoadRunwayDataFromFile", "Fehler beim Laden der Runways!"),
        ProgramEnded);
    ASSERT_EQ(sink.boxes.size(), 2u);
    EXPECT_EQ(sink.boxes[0].title, "");
    EXPECT_EQ(sink.boxes[0].text, "Error 6 (Overflow) in procedure LineClip of Modul Module5");
    EXPECT_EQ(sink.boxes[1].title, "Kordax Critical Error!!!!");
    EXPECT_EQ(sink.boxes[1].text, " Error in Module: LoadData\r\n Function: LoadRunwayDataFromFile\r\n "
                                  "Cause: Fehler beim Laden der Runways!");
    EXPECT_TRUE(sink.programEnded);
}

} // namespace
} // namespace qelvar
