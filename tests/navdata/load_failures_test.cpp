// How each loader fails: its own routine message, a fatal report, or an error for start-up; and
// files that hold more records than their tables.
#include "maps/navdata/loaders.h"
#include "support/kit_folder.h"

#include <functional>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::KitFolder;

std::string Repeat(const std::string &line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line + "\r\n";
    return text;
}

int RaisedError(const std::function<void()> &load) {
    try {
        load();
    } catch (const RuntimeError &e) {
        return e.Number();
    }
    return 0;
}

class LoadFailures : public ::testing::Test {
protected:
    KitFolder folder;
    NavDatabase db;
    RecordingMessageSink sink;
};

TEST_F(LoadFailures, MissingHillsShowTheRoutineMessageAndLeaveTheTableEmpty) {
    folder.Remove("Hills.nav");
    LoadHillsFromFile(db, folder.Path(), sink);
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text,
              "Error 53 (File not found) in procedure LoadHillsFromFile of Modul Module1");
    EXPECT_EQ(db.HillTable.count, 0);
    EXPECT_FALSE(sink.programEnded);
}

TEST_F(LoadFailures, BadHillKeepsThePeaksReadSoFar) {
    folder.Write("Hills.nav",
                 "# peaks\r\nZugspitze;9718;N47 25.3 E010 59.1\r\nBroken;1;X47 25.3 E010 59.1\r\n"
                 "Later;2;N1 0 E1 0\r\n");
    LoadHillsFromFile(db, folder.Path(), sink);
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, "Error 13 (Type mismatch) in procedure LoadHillsFromFile of Modul Module1");
    ASSERT_EQ(db.HillTable.count, 2);
    EXPECT_EQ(db.HillTable.entries[1].Name, "Zugspitze");
}

TEST_F(LoadFailures, BadNumberOnTheTenthAirportLineLeavesTheCountAtZero) {
    std::string good = "AD;MUC;EDDM;Muenchen;1487;11;47,2;48;21,2;123.12;08L-26R;Germany";
    folder.Write("arpt.nav", Repeat(good, 9) + "AD;XXX;XXXX;Bad;1;11;4x;48;0;;;Nowhere\r\n" + good + "\r\n");
    LoadArptftomFile(db, folder.Path(), sink);
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, "Error 13 (Type mismatch) in procedure LoadArptftomFile of Modul Module1");
    EXPECT_EQ(db.AirportTable.AirportCount, 0);
}

TEST_F(LoadFailures, LinesWithTooFewFieldsAreTypeMismatches) {
    folder.Write("arpt.nav", "AD;MUC;EDDM;Muenchen;1487;11;47,2;48;21,2;123.12;08L-26R\r\n");
    LoadArptftomFile(db, folder.Path(), sink);
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, "Error 13 (Type mismatch) in procedure LoadArptftomFile of Modul Module1");

    struct Case {
        const char *file;
        const char *content;
        std::function<void(NavDatabase &, const std::filesystem::path &, MessageSink &)> load;
    } cases[] = {
        {"vor.nav", "VOR;11;30;47;30;Muenchen;MUN\r\n", LoadVor},
        {"ndb.nav", "NDB;11;30;47\r\n", LoadNdb},
        {"ils.nav", "EDDM;08L;IMNW;N48;21.2;E011;45.1\r\n", LoadIls},
        {"Coast.nav", "N47 30.5 E011\r\n", LoadCoast},
        {"Coast.nav", "Q47 30.5 E011 20.3\r\n", LoadCoast},
        {"Coast.nav", "N47 30.5 X011 20.3\r\n", LoadCoast},
        {"Train.nav", "N47  30.5 E011 20.3\r\n", LoadTrain},
    };
    for (const Case &c : cases) {
        KitFolder other;
        other.Write(c.file, c.content);
        NavDatabase fresh;
        EXPECT_EQ(RaisedError([&] { c.load(fresh, other.Path(), sink); }), kTypeMismatch) << c.content;
    }
}

TEST_F(LoadFailures, LineFilesAndNavaidsPassTheirErrorsOn) {
    for (const char *file : {"Coast.nav", "Borders.nav", "Train.nav", "vor.nav", "ndb.nav", "ils.nav"})
        folder.Remove(file);
    EXPECT_EQ(RaisedError([&] { LoadCoast(db, folder.Path(), sink); }), kFileNotFound);
    EXPECT_EQ(RaisedError([&] { LoadBorders(db, folder.Path(), sink); }), kFileNotFound);
    EXPECT_EQ(RaisedError([&] { LoadTrain(db, folder.Path(), sink); }), kFileNotFound);
    EXPECT_EQ(RaisedError([&] { LoadVor(db, folder.Path(), sink); }), kFileNotFound);
    EXPECT_EQ(RaisedError([&] { LoadNdb(db, folder.Path(), sink); }), kFileNotFound);
    EXPECT_EQ(RaisedError([&] { LoadIls(db, folder.Path(), sink); }), kFileNotFound);
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(LoadFailures, PlacingOutsideThe32BitRangeIsAnOverflow) {
    folder.Write("vor.nav", "VOR;9999;0;47;0;A;B;C\r\n");
    LoadVor(db, folder.Path(), sink);
    EXPECT_EQ(RaisedError([&] { PlaceVors(db); }), kOverflow);
}

TEST_F(LoadFailures, RunwayAndIntersectionErrorsEndTheProgram) {
    struct Case {
        const char *file;
        const char *content; // nullptr: the file is missing
        std::function<void(NavDatabase &, const std::filesystem::path &, MessageSink &)> load;
        const char *text;
    } cases[] = {
        {"Runways.nav", nullptr, LoadRunwayDataFromFile,
         " Error in Module: LoadData\r\n Function: LoadRunwayDataFromFile\r\n Cause: Fehler beim Laden der "
         "Runways!"},
        {"Runways.nav", "EDDM08L     48.3535    11.7511  82  40x0\r\n", LoadRunwayDataFromFile,
         " Error in Module: LoadData\r\n Function: LoadRunwayDataFromFile\r\n Cause: Fehler beim Laden der "
         "Runways!"},
        {"Runways.nav", "EDDM08L     48.3535    11.7511  82\r\n", LoadRunwayDataFromFile,
         " Error in Module: LoadData\r\n Function: LoadRunwayDataFromFile\r\n Cause: Fehler beim Laden der "
         "Runways!"},
        {"Intersection.nav", nullptr, LoadIntersectionDataFromFile,
         " Error in Module: LoadData\r\n Function: LoadIntersectionDataFromFile\r\n"
         " Cause: Fehler beim Laden der Intersections!"},
        {"Intersection.nav", "ANORA;11;30.5;48;15\r\n", LoadIntersectionDataFromFile,
         " Error in Module: LoadData\r\n Function: LoadIntersectionDataFromFile\r\n"
         " Cause: Fehler beim Laden der Intersections!"},
    };
    for (const Case &c : cases) {
        KitFolder other;
        if (c.content)
            other.Write(c.file, c.content);
        else
            other.Remove(c.file);
        RecordingMessageSink fatal;
        NavDatabase fresh;
        EXPECT_THROW(c.load(fresh, other.Path(), fatal), ProgramEnded);
        ASSERT_EQ(fatal.boxes.size(), 1u);
        EXPECT_EQ(fatal.boxes[0].title, "Kordax Critical Error!!!!");
        EXPECT_EQ(fatal.boxes[0].text, c.text);
    }
}

TEST_F(LoadFailures, FullTablesKeepWhatFitsAndSayItOnce) {
    folder.Write("Hills.nav", Repeat("Peak;1000;N10 0 E10 0", 1'003));
    LoadHillsFromFile(db, folder.Path(), sink);
    EXPECT_EQ(db.HillTable.count, 1'001);
    EXPECT_EQ(db.HillTable.entries.size(), 1'001u);
    EXPECT_EQ(db.HillTable.entries[1'000].Name, "Peak");

    folder.Write("Borders.nav", Repeat("N10 0 E10 0", 10'002));
    LoadBorders(db, folder.Path(), sink);
    EXPECT_EQ(db.BorderLayer.count, 10'001);

    folder.Write("arpt.nav",
                 Repeat("AD;A;AAAA;A;1;1;0;1;0;;;X", 100'001) + "\r\n" + "AD;B;BBBB;B;1;1;0;1;0;;;X\r\n");
    LoadArptftomFile(db, folder.Path(), sink);
    EXPECT_EQ(db.AirportTable.AirportCount, 100'001);
    EXPECT_TRUE(db.AirportTable.LoadTruncated); // the editor must not write this table back

    folder.Write("ils.nav", Repeat("EDDM;08L;IMNW;N48;21.2;E011;45.1;82", 3'201) + "\r\n\r\n");
    LoadIls(db, folder.Path(), sink);
    EXPECT_EQ(db.IlsTable.count, 3'201);

    ASSERT_EQ(sink.boxes.size(), 3u);
    EXPECT_EQ(sink.boxes[0].text, "Hills.nav holds more records than its table can take. The first 1001 were "
                                  "loaded; the rest of the file was left out.");
    EXPECT_EQ(sink.boxes[1].text, TableFullText("Borders.nav", 10'001));
    EXPECT_EQ(sink.boxes[2].text, TableFullText("arpt.nav", 100'001));
}

} // namespace
} // namespace qelvar
