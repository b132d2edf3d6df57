// The loaders on the fixture set in tests/fixtures; every expected X/Y is worked out by hand from
// X = 38,880,000 +/- A and Y = 19,440,000 -/+ A with A = |D x 216,000| + |round(M x 3,600)|.
#include "maps/navdata/loaders.h"
#include "support/kit_folder.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::FixturesDir;

class Loaders : public ::testing::Test {
protected:
    NavDatabase db;
    RecordingMessageSink sink;
};

TEST_F(Loaders, CoastCountsEveryLineAndCommentsSeparate) {
    LoadCoast(db, FixturesDir(), sink);
    const PolylineLayer &c = db.CoastLayer;
    ASSERT_EQ(c.count, 7);
    // "##" first line, three points, "#" line, two points
    EXPECT_EQ(c.XAt(0), 0);
    EXPECT_EQ(c.YAt(0), 0);
    EXPECT_EQ(c.XAt(1), 38'880'000 - 5 * 216'000);
    EXPECT_EQ(c.YAt(1), 19'440'000 - 50 * 216'000);
    EXPECT_EQ(c.XAt(2), 38'880'000 - 4 * 216'000);
    EXPECT_EQ(c.YAt(2), 19'440'000 - (50 * 216'000 + 109'800));
    EXPECT_EQ(c.YAt(3), 19'440'000 - 51 * 216'000); // "00,0" minutes
    EXPECT_EQ(c.XAt(4), 0);
    EXPECT_EQ(c.YAt(4), 0);
    EXPECT_EQ(c.XAt(5), 41'329'080); // N47 30.5 E011 20.3
    EXPECT_EQ(c.YAt(5), 9'178'200);
    EXPECT_EQ(c.XAt(6), 38'880'000 + 12 * 216'000); // S10 15.0 E012 00.0
    EXPECT_EQ(c.YAt(6), 19'440'000 + 10 * 216'000 + 54'000);
    EXPECT_EQ(c.XAt(7), 0); // beyond the count
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(Loaders, BordersAndTrain) {
    LoadBorders(db, FixturesDir(), sink);
    LoadTrain(db, FixturesDir(), sink);
    EXPECT_EQ(db.BorderLayer.count, 3);
    EXPECT_EQ(db.BorderLayer.XAt(1), 38'880'000 + 10 * 216'000);
    EXPECT_EQ(db.BorderLayer.YAt(2), 19'440'000 - 48 * 216'000);
    EXPECT_EQ(db.TrainLayer.count, 1);
    EXPECT_EQ(db.TrainLayer.XAt(0), 0);
}

TEST_F(Loaders, HillsKeepCommentEntriesEmpty) {
    LoadHillsFromFile(db, FixturesDir(), sink);
    const auto &h = db.HillTable;
    ASSERT_EQ(h.count, 4);
    EXPECT_EQ(h.entries[0].Name, "");
    EXPECT_EQ(h.entries[0].X, 0);
    EXPECT_EQ(h.entries[1].Name, "Zugspitze");
    EXPECT_EQ(h.entries[1].Elevation, "9718");
    EXPECT_EQ(h.entries[1].X, 41'252'760);
    EXPECT_EQ(h.entries[1].Y, 9'196'920);
    EXPECT_EQ(h.entries[3].Name, "Aconcagua");
    EXPECT_EQ(h.entries[3].X, 23'757'480); // W070 00.7
    EXPECT_EQ(h.entries[3].Y, 26'493'120); // S32 39.2
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(Loaders, AirportsSkipEmptyLinesKeepFieldsAndArePlaced) {
    LoadArptftomFile(db, FixturesDir(), sink);
    PlaceAirports(db);
    const auto &t = db.AirportTable;
    ASSERT_EQ(t.AirportCount, 4);
    const Airport &muc = t.entries[0];
    EXPECT_EQ(muc.Type, "AD");
    EXPECT_EQ(muc.IataCode, "MUC");
    EXPECT_EQ(muc.LocationIndicator, "EDDM");
    EXPECT_EQ(muc.Name, "M\xfcnchen Franz Josef Strau\xdf");
    EXPECT_EQ(muc.Elevation, "1487");
    EXPECT_DOUBLE_EQ(muc.LonDeg, 11);
    EXPECT_DOUBLE_EQ(muc.LonMin, 47.2);
    EXPECT_DOUBLE_EQ(muc.LatDeg, 48);
    EXPECT_DOUBLE_EQ(muc.LatMin, 21.2);
    EXPECT_EQ(muc.Atis, "123.12");
    EXPECT_EQ(muc.RunwayInfo, "08L-26R-13123-197-ASP-110.30#08R-26L-13123-197-CON");
    EXPECT_EQ(muc.Country, "Germany");
    EXPECT_EQ(muc.X, 41'425'920);
    EXPECT_EQ(muc.Y, 8'995'680);

    struct Expected {
        const char *icao;
        const char *type;
        int32_t x, y;
    } expected[] = {{"EDMO", "AD-LOK", 41'317'200, 9'054'360},
                    {"KJFK", "AD", 22'943'880, 10'661'760},
                    {"SBGR", "AD", 28'841'760, 24'501'960}};
    for (int i = 0; i < 3; ++i) {
        const Airport &a = t.entries[i + 1];
        EXPECT_EQ(a.LocationIndicator, expected[i].icao);
        EXPECT_EQ(a.Type, expected[i].type);
        EXPECT_EQ(a.X, expected[i].x) << a.LocationIndicator;
        EXPECT_EQ(a.Y, expected[i].y) << a.LocationIndicator;
    }
    EXPECT_EQ(t.entries[1].IataCode, "");
}

TEST_F(Loaders, VorMinutesAreRoundedHalfToEven) {
    LoadVor(db, FixturesDir(), sink);
    PlaceVors(db);
    ASSERT_EQ(db.VorTable.count, 2);
    const VorStation &mun = db.VorTable.entries[0];
    EXPECT_EQ(mun.LonMin, 30); // written 30.5
    EXPECT_EQ(mun.LatMin, 31); // written 30.6
    EXPECT_EQ(mun.Text5, "M\xfcnchen");
    EXPECT_EQ(mun.Text6, "MUN");
    EXPECT_EQ(mun.Text7, "112.30");
    EXPECT_EQ(mun.X, 41'364'000);
    EXPECT_EQ(mun.Y, 9'176'400);
    const VorStation &jfk = db.VorTable.entries[1];
    EXPECT_EQ(jfk.LonMin, -48);
    EXPECT_EQ(jfk.X, 22'939'200);
    EXPECT_EQ(jfk.Y, 10'663'200);
}

TEST_F(Loaders, NdbMinutesStayDecimal) {
    LoadNdb(db, FixturesDir(), sink);
    PlaceNdbs(db);
    ASSERT_EQ(db.NdbTable.count, 2);
    const NdbStation &ed = db.NdbTable.entries[0];
    EXPECT_DOUBLE_EQ(ed.LonMin, 30.5);
    EXPECT_DOUBLE_EQ(ed.LatMin, 0.25); // written "0,25"
    EXPECT_EQ(ed.X, 41'365'800);
    EXPECT_EQ(ed.Y, 9'071'100);
    const NdbStation &at = db.NdbTable.entries[1];
    EXPECT_EQ(at.X, 37'800'000); // -5 degrees 0 minutes: west
    EXPECT_EQ(at.Y, 19'548'000); // 0 degrees -30 minutes: south
    EXPECT_EQ(at.Text6, "AT");
}

TEST_F(Loaders, IlsLettersGiveTheSigns) {
    LoadIls(db, FixturesDir(), sink);
    PlaceIls(db);
    const auto &t = db.IlsTable;
    ASSERT_EQ(t.count, 3); // the empty line takes no entry
    EXPECT_EQ(t.entries[0].Text0, "EDDM");
    EXPECT_EQ(t.entries[0].Text1, "08L");
    EXPECT_EQ(t.entries[0].Text2, "IMNW 110.30");
    EXPECT_DOUBLE_EQ(t.entries[0].Course, 82.5);
    EXPECT_EQ(t.entries[0].X, 41'418'360);
    EXPECT_EQ(t.entries[0].Y, 8'995'680);
    EXPECT_EQ(t.entries[1].LonDeg, -73);
    EXPECT_DOUBLE_EQ(t.entries[1].LonMin, -46.5);
    EXPECT_EQ(t.entries[1].X, 22'944'600);
    EXPECT_EQ(t.entries[1].Y, 10'663'560);
    EXPECT_EQ(t.entries[2].LatDeg, -23);
    EXPECT_DOUBLE_EQ(t.entries[2].LatMin, -26.0);
    EXPECT_EQ(t.entries[2].X, 28'843'200);
    EXPECT_EQ(t.entries[2].Y, 24'501'600);
}

TEST_F(Loaders, RunwaysReadTheirFixedColumns) {
    LoadRunwayDataFromFile(db, FixturesDir(), sink);
    const auto &t = db.RunwayTable;
    ASSERT_EQ(t.count, 3);
    EXPECT_EQ(t.entries[0].X, 41'418'238); // 11.7511: round(2,538,237.6)
    EXPECT_EQ(t.entries[0].Y, 8'995'644);  // 48.3535
    EXPECT_EQ(t.entries[0].Heading, 82);
    EXPECT_DOUBLE_EQ(t.entries[0].DrawLength, 4000.0 / 1800);
    EXPECT_EQ(t.entries[1].X, 28'841'810);                   // -46.4731: west
    EXPECT_EQ(t.entries[1].Y, 24'501'355);                   // -23.4322: south
    EXPECT_DOUBLE_EQ(t.entries[1].DrawLength, 950.5 / 1800); // "950,5"
    EXPECT_EQ(t.entries[2].X, 38'880'000);
    EXPECT_EQ(t.entries[2].Y, 9'072'000); // exactly 48: north
    EXPECT_EQ(t.entries[2].Heading, 360);
    EXPECT_DOUBLE_EQ(t.entries[2].DrawLength, 1.0);
}

TEST_F(Loaders, IntersectionsUseCommaDecimals) {
    LoadIntersectionDataFromFile(db, FixturesDir(), sink);
    const auto &t = db.IntersectionTable;
    ASSERT_EQ(t.count, 2);
    EXPECT_EQ(t.entries[0].Name, "ANORA");
    EXPECT_EQ(t.entries[0].X, 41'365'800);
    EXPECT_EQ(t.entries[0].Y, 9'017'100);
    EXPECT_EQ(t.entries[1].X, 37'692'000); // -5, -30
    EXPECT_EQ(t.entries[1].Y, 19'495'800); // -0, -15,5: south
}

} // namespace
} // namespace qelvar
