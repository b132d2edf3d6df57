#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/program_folder.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"
#include "support/kit_folder.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::KitFolder;
using Lines = std::vector<std::string>;

TEST(TextFiles, LinesLoseTheirEndsAndTheLastEndMakesNoRecord) {
    KitFolder folder;
    struct Case {
        const char *bytes;
        Lines lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"\r\n", {""}},
        {"", {}},
        {"x;y;\r\n", {"x;y;"}},
        // Lone CRs end lines as well; CR LF stays one line end.
        {"a\rb\rc\r", {"a", "b", "c"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r", {"a"}},
        // A UTF-8 byte-order mark at the start is skipped; elsewhere its bytes are text.
        {"\xEF\xBB\xBF"
         "a\r\nb",
         {"a", "b"}},
        {"\xEF\xBB\xBF", {}},
        {"a\r\n\xEF\xBB\xBF"
         "b",
         {"a", "\xEF\xBB\xBF"
               "b"}},
        // After the mark the file is UTF-8, turned into Windows-1252; "?" for what it cannot hold.
        {"\xEF\xBB\xBF"
         "Reykjav\xC3\xADk;\xE2\x82\xAC\r\n\xC5\x81\xC3\xB3"
         "d\xC5\xBA\r\n",
         {"Reykjav\xEDk;\x80", "?\xF3"
                               "d?"}},
        // Without it the bytes are Windows-1252 already.
        {"Reykjav\xEDk\r\n", {"Reykjav\xEDk"}},
    };
    for (const Case &c : cases) {
        folder.Write("t.txt", c.bytes);
        EXPECT_EQ(ReadTextLines(folder.Path() / "t.txt"), c.lines) << c.bytes;
    }
}

TEST(TextFiles, CrLfSplitAcrossReadBlocksIsOneLineEnd) {
    KitFolder folder;
    // The reader takes 65,536 bytes at a time: the CR ends the first block, its LF begins the next.
    std::string first(65535, 'x');
    folder.Write("t.txt", first + "\r\nlast\r\n");
    EXPECT_EQ(ReadTextLines(folder.Path() / "t.txt"), (Lines{first, "last"}));
}

TEST(TextFiles, MissingFileIsError53) {
    KitFolder folder;
    try {
        ReadTextLines(folder.Path() / "nothing.nav");
        FAIL() << "no error raised";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.Number(), kFileNotFound);
    }
}

TEST(TextFiles, FieldsAreTakenUnchanged) {
    EXPECT_EQ(SplitFields("a;;b ; c", ';'), (Lines{"a", "", "b ", " c"}));
    EXPECT_EQ(SplitFields("", ';'), (Lines{""}));
    EXPECT_EQ(SplitFields("x;", ';'), (Lines{"x", ""}));
}

TEST(Codepage, Windows1252RoundTrip) {
    std::string bytes = "M\xfcnchen \x80 \x96 Stra\xdf"
                        "e";
    QString text = ToUnicode(bytes);
    EXPECT_EQ(text, QString::fromUtf8("München € – Straße"));
    EXPECT_EQ(ToWindows1252(text), bytes);
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("Łódź")), "?\xf3"
                                                        "d?");
}

TEST(ProgramFolder, FileNamesMatchWithoutRegardToCase) {
    KitFolder folder;
    for (const char *name : {"arpt.nav", "Arpt.nav", "ARPT.nav", "ARPT.NAV"})
        EXPECT_EQ(FindFile(folder.Path(), name), folder.Path() / "arpt.nav") << name;
    EXPECT_EQ(FindFile(folder.Path(), "Coast.nav"), folder.Path() / "Coast.nav");
    EXPECT_EQ(FindFile(folder.Path(), "missing.nav"), folder.Path() / "missing.nav");
    EXPECT_TRUE(std::filesystem::is_directory(ProgramFolder()));
}

TEST(AtomicFile, WritesWholeFileWithCrLf) {
    KitFolder folder;
    WriteTextLinesAtomically(folder.Path() / "Arpt.nav", {"AD;A", "AD;B"});
    EXPECT_EQ(folder.Read("Arpt.nav"), "AD;A\r\nAD;B\r\n");
}

TEST(AtomicFile, ReplacesAnOldFileAndLeavesNoTemporaryBehind) {
    KitFolder folder;
    WriteFileAtomically(folder.Path() / "arpt.nav", "AD;X\r\n");
    EXPECT_EQ(folder.Read("arpt.nav"), "AD;X\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(folder.Path()))
        ++files;
    EXPECT_EQ(files, 10); // the ten fixture files, nothing else
}

TEST(AtomicFile, AFolderInTheWayIsRefusedAndKept) {
    KitFolder folder;
    std::filesystem::create_directory(folder.Path() / "route.rte");
    try {
        WriteFileAtomically(folder.Path() / "route.rte", "x");
        FAIL() << "no error raised";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.Number(), kPathFileAccessError);
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "route.rte"));
}

TEST(AtomicFile, UnwritableFolderRaisesAccessError) {
    KitFolder folder;
    try {
        WriteFileAtomically(folder.Path() / "no such folder" / "x.rte", "x");
        FAIL() << "no error raised";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.Number(), kPathFileAccessError);
    }
}

} // namespace
} // namespace qelvar
