// The importer on small excerpts of every source format (tests/fixtures/import): the exact lines
// it writes, and that the kit's own loaders read them back where they belong.
#include "kit_files.h"
#include "nav_lines.h"
#include "simplify.h"
#include "source_files.h"

#include "maps/navdata/loaders.h"
#include "platform/text_files.h"
#include "support/kit_folder.h"

#include <gtest/gtest.h>

namespace qelvar::import {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

fs::path Excerpts() {
    return testing::FixturesDir() / "import";
}

SourceSet ExcerptSources() {
    fs::path d = Excerpts();
    SourceSet s;
    s.aptDat = d / "apt.dat";
    s.navDat = d / "nav.dat";
    s.fixDat = d / "fix.dat";
    s.awyDat = d / "awy.dat";
    s.airportsJson = d / "airports.json";
    s.countriesJson = d / "countries.json";
    s.regionsJson = d / "regions.json";
    s.land = d / "land.json";
    s.countries = d / "countries.json.topo";
    s.peaks = d / "peaks.txt";
    s.magneticModel = testing::FixturesDir() / "wmm" / "WMMCOF2025.js";
    return s;
}

Lines LinesOf(const KitFiles &files, const std::string &name) {
    const std::string &text = files.at(name);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << name;
    Lines lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class Importer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        log = new ImportLog;
        files = new KitFiles(BuildKitFiles(ExcerptSources(), *log));
    }
    static void TearDownTestSuite() {
        delete files;
        delete log;
    }
    static KitFiles *files;
    static ImportLog *log;
};
KitFiles *Importer::files = nullptr;
ImportLog *Importer::log = nullptr;

TEST_F(Importer, WritesElevenFilesAndASceneryFileForEveryIndexedAirport) {
    Lines names;
    for (const auto &[name, content] : *files)
        names.push_back(name);
    EXPECT_EQ(names, (Lines{"Arpt index.txt", "Borders.nav", "Coast.nav", "FSXFiles/EDDM.xml",
                            "FSXFiles/EDMO.xml", "FSXFiles/SCEL.xml", "Hills.nav", "Intersection.nav",
                            "Runways.nav", "Train.nav", "arpt.nav", "ils.nav", "ndb.nav", "vor.nav"}));
    // The header joins the region's name as the state; SCEL is not in apt.dat: header and navaids only.
    Lines eddm = LinesOf(*files, "FSXFiles/EDDM.xml");
    EXPECT_EQ(eddm[4], "state=\"Bavaria\"");
    EXPECT_EQ(eddm[10], "magvar=\"355.55\""); // the World Magnetic Model's 4.45 E on 1 January 2027
    Lines scel = LinesOf(*files, "FSXFiles/SCEL.xml");
    EXPECT_EQ(std::count_if(scel.begin(), scel.end(),
                            [](const std::string &l) { return l.starts_with("<Runway"); }),
              0);
    EXPECT_EQ(scel[scel.size() - 2], "</Airport>");
}

TEST_F(Importer, AirportsWithIcaoCodesInOrder) {
    EXPECT_EQ(LinesOf(*files, "arpt.nav"),
              (Lines{"AD;MUC;EDDM;M\xfcnchen Flughafen, Franz Josef Strau\xdf;1487;11;47.17;48;21.23;123.12;"
                     "08L-26R-14975-197-ASP-110.30#08R-26L-14958-148-CON;Germany",
                     "AD-LOK;OBF;EDMO;Oberpfaffenhofen "
                     "Airport;1947;11;16.99;48;4.88;;04-22-8775-148-ASP-109.90;Germany",
                     "AD;SCL;SCEL;L\xf3"
                     "dz South;1555;-70;-47.15;-33;-23.58;;;Chile"}));
    EXPECT_EQ(LinesOf(*files, "Arpt index.txt"),
              (Lines{"EDDM;Munich;Germany;EDDM.xml", "EDMO;Wessling;Germany;EDMO.xml",
                     "SCEL;Santiago;Chile;SCEL.xml"}));
}

TEST_F(Importer, TheLogTellsHowAirportsWereMatchedAndElevationsFilled) {
    EXPECT_EQ(log->CountOf("airports matched by ident"), 2);
    EXPECT_EQ(log->CountOf("airports unmatched"), 1); // SCEL: apt.dat has no airport near it
    EXPECT_EQ(log->CountOf("elevations from the matched apt.dat airport"), 1);
    EXPECT_EQ(log->CountOf("localizers rejected"), 2);
    // The excerpt's localizers point the wrong way: 26R's course is 082.5, 22's (a LOC) 000.
    EXPECT_EQ(log->Notes(),
              (Lines{"magnetic variation: World Magnetic Model (epoch 2025.0) on 2027.0",
                     "EDMO: elevation 1947 ft from apt.dat EDMO (the airport itself)",
                     "EDDM: 1 localizer(s) more than 90 degrees off their runway end: not used",
                     "EDMO: 1 localizer(s) more than 90 degrees off their runway end: not used"}));
}

TEST_F(Importer, RunwaysInFixedColumns) {
    EXPECT_EQ(LinesOf(*files, "Runways.nav"), (Lines{
                                                  "EDDM08L   48.353450  11.751130  76  4564 EDDM 08L/26R",
                                                  "EDDM08R   48.339640  11.751730  76  4559 EDDM 08R/26L",
                                                  "EDMO04    48.070000  11.270000  34  2675 EDMO 04/22",
                                              }));
}

TEST_F(Importer, NavaidsKeepIdentInFieldSixAndFrequencyInSeven) {
    EXPECT_EQ(LinesOf(*files, "vor.nav"), (Lines{"VOR-DME;11;48.96;48;10.82;MUNCHEN;MUN;112.30"}));
    EXPECT_EQ(LinesOf(*files, "ndb.nav"),
              (Lines{"NDB;11;30.00;48;19.80;ERDING;ED;338", "NDB;-5;0.00;0;-30.00;ATLANTIC;AT;400"}));
    // Only the localizers of bundled airports; 360.04 is course 0.
    EXPECT_EQ(LinesOf(*files, "ils.nav"), (Lines{"EDDM;26R;IMNW 110.30;N48;21.60;E011;49.80;82.5",
                                                 "EDMO;22;IOBE 109.90;N48;4.50;E011;16.50;0"}));
}

TEST_F(Importer, AirwayFixesFirstThenNearestToAirports) {
    EXPECT_EQ(LinesOf(*files, "Intersection.nav"),
              (Lines{"BEBIX;-70;-15,00;-33;-30,00", "CLOSE;11;18,00;48;6,00", "ANORA;11;30,00;48;15,00",
                     "FARAW;100;0,00;10;0,00"}));
}

TEST_F(Importer, LineFilesSplitAtTheAntimeridianAndKeepSharedBorders) {
    EXPECT_EQ(
        LinesOf(*files, "Coast.nav"),
        (Lines{"# Coastlines: Natural Earth 1:50m land, simplified", "## N50 0.00 E010 0.00",
               "N50 0.00 E010 0.00", "N50 0.00 E011 0.00", "N51 0.00 E011 0.00", "N51 0.00 E010 0.00",
               "N50 0.00 E010 0.00", "## N00 0.00 E179 54.00", "N00 0.00 E179 54.00", "N00 0.00 E179 59.40",
               "## N00 30.00 W179 57.60", "N00 30.00 W179 57.60", "N00 30.00 W178 57.60"}));
    EXPECT_EQ(LinesOf(*files, "Borders.nav"),
              (Lines{"# Land borders: Natural Earth 1:50m countries, simplified", "## N51 0.00 E011 0.00",
                     "N51 0.00 E011 0.00", "N50 0.00 E011 0.00", "N50 0.00 E010 0.00"}));
    EXPECT_EQ(LinesOf(*files, "Train.nav"), (Lines{"# Train lines: none are drawn by the kit"}));
    EXPECT_EQ(LinesOf(*files, "Hills.nav"),
              (Lines{"# Mountain peaks: name; elevation in feet; position",
                     "Zugspitze;9718;N47 25.00 E010 59.00", "Aconcagua;22838;S32 39.00 W070 1.00"}));
}

TEST_F(Importer, TheKitsLoadersReadEveryFileBack) {
    testing::KitFolder folder;
    ReplaceKitFiles(folder.Path(), *files);
    NavDatabase db;
    RecordingMessageSink sink;
    LoadIntersectionDataFromFile(db, folder.Path(), sink);
    LoadRunwayDataFromFile(db, folder.Path(), sink);
    LoadCoast(db, folder.Path(), sink);
    LoadBorders(db, folder.Path(), sink);
    LoadTrain(db, folder.Path(), sink);
    LoadHillsFromFile(db, folder.Path(), sink);
    LoadArptftomFile(db, folder.Path(), sink);
    PlaceAirports(db);
    LoadIls(db, folder.Path(), sink);
    PlaceIls(db);
    LoadVor(db, folder.Path(), sink);
    PlaceVors(db);
    LoadNdb(db, folder.Path(), sink);
    PlaceNdbs(db);
    EXPECT_TRUE(sink.boxes.empty());
    // EDDM at 11 47.17 E, 48 21.23 N; SCEL at 70 47.15 W, 33 23.58 S
    EXPECT_EQ(db.AirportTable.entries[0].X, 38'880'000 + 11 * 216'000 + 169'812);
    EXPECT_EQ(db.AirportTable.entries[0].Y, 19'440'000 - 48 * 216'000 - 76'428);
    EXPECT_EQ(db.AirportTable.entries[2].X, 38'880'000 - 70 * 216'000 - 169'740);
    EXPECT_EQ(db.AirportTable.entries[2].Y, 19'440'000 + 33 * 216'000 + 84'888);
    // The runway threshold at 48.353450 N 11.751130 E, heading 76, 4564 m
    EXPECT_EQ(db.RunwayTable.entries[0].Y, 19'440'000 - 10'444'345);
    EXPECT_EQ(db.RunwayTable.entries[0].X, 38'880'000 + 2'538'244);
    EXPECT_EQ(db.RunwayTable.entries[0].Heading, 76);
    EXPECT_DOUBLE_EQ(db.RunwayTable.entries[0].DrawLength, 4564.0 / 1800);
    EXPECT_EQ(db.VorTable.entries[0].Text6, "MUN");
    EXPECT_EQ(db.VorTable.entries[0].Text7, "112.30");
    EXPECT_EQ(db.NdbTable.entries[1].X, 38'880'000 - 5 * 216'000);
    EXPECT_EQ(db.NdbTable.entries[1].Y, 19'440'000 + 108'000);
    EXPECT_EQ(db.IntersectionTable.entries[0].Y, 19'440'000 + 33 * 216'000 + 108'000);
    EXPECT_EQ(db.CoastLayer.count, 13);
    EXPECT_EQ(db.CoastLayer.XAt(7), 0); // the segment start before the second polyline
    EXPECT_EQ(db.CoastLayer.XAt(9), 38'880'000 + 179 * 216'000 + 213'840); // E179 59.40
    EXPECT_EQ(db.HillTable.entries[2].Y, 19'440'000 + 32 * 216'000 + 39 * 3'600);
    EXPECT_EQ(db.IlsTable.entries[1].Course, 0);
}

TEST(ImporterPieces, DegreesMinutesCarryAndSigns) {
    DegreesMinutes dm = SplitDegrees(-0.5, 2);
    EXPECT_EQ(SignedDegrees(dm), "0");
    EXPECT_EQ(SignedMinutes(dm, 2), "-30.00");
    dm = SplitDegrees(10.99999999, 2); // 59.9999994 minutes round to 60.00 and carry
    EXPECT_EQ(dm.degrees, 11);
    EXPECT_EQ(SignedMinutes(dm, 2), "0.00");
    dm = SplitDegrees(-0.0000001, 2);
    EXPECT_FALSE(dm.negative);
    EXPECT_EQ(PositionText(-33.5, -70.25), "S33 30.00 W070 15.00");
    EXPECT_EQ(PositionText(0, 0), "N00 0.00 E000 0.00");
    EXPECT_EQ(RunwayLine("LONGIDENTIFIER", -23.4322, -158.617996, 5, 950, "x"),
              "LONGIDENT-23.432200-158.617996   5   950x");
}

TEST(ImporterPieces, TextForTheKitNeverSplitsALine) {
    EXPECT_EQ(KitText(QString::fromUtf8("Zürich; Kloten\r\nAirport")), "Z\xfcrich, Kloten  Airport");
    EXPECT_EQ(KitText(QString::fromUtf8("Łódź Władysław Reymont")), "L\xf3"
                                                                    "dz Wladyslaw Reymont");
    EXPECT_EQ(KitText(QString::fromUtf8("東京")), "??");
    EXPECT_EQ(DecodeSourceText("Copyright \xa9 2013"), QString::fromUtf8("Copyright © 2013"));
    EXPECT_EQ(DecodeSourceText("M\xc3\xbcnchen"), QString::fromUtf8("München"));
}

TEST(ImporterPieces, SimplifyingFitsTheBudgetAndKeepsEnds) {
    GeoLine wiggly;
    for (int i = 0; i <= 1000; ++i)
        wiggly.push_back({i * 0.01, (i % 2) * 0.001 + (i == 500 ? 3.0 : 0.0)});
    std::vector<GeoLine> lines{wiggly, {{50, 50}, {50.0001, 50}}};
    std::vector<GeoLine> fitted = FitToBudget(lines, 10);
    EXPECT_LE(FileLinesNeeded(fitted), 10u);
    ASSERT_GE(fitted.size(), 1u);
    EXPECT_EQ(fitted[0].front(), wiggly.front());
    EXPECT_EQ(fitted[0].back(), wiggly.back());
    bool peakKept = false;
    for (GeoPoint p : fitted[0])
        peakKept |= p.lat > 2.9;
    EXPECT_TRUE(peakKept);
    EXPECT_EQ(FitToBudget(lines, 5000).size(), 2u); // fits as it is

    std::vector<GeoLine> split =
        SplitForFlatMap({{{170, 0}, {180, 0}, {180, -10}, {-170, -10}, {-160, -10}}});
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0].back().lon, 179.9999); // pulled inside the map edge
    EXPECT_EQ(split[1].front().lon, -170);
}

TEST(ImporterFailures, NameTheFileAndLine) {
    testing::KitFolder folder;
    folder.Write("apt.dat", "I\r\n1000 Version\r\n1 100 0 0 EDDM Muenchen\r\n100 60 1 1 0.00 1 2 1 08L\r\n");
    folder.Write("nav.dat", "I\r\n810 Version\r\n3 48.18 11.81 1802 11x30 40 1.0 MUN MUNCHEN VOR-DME\r\n");
    folder.Write("bad.json", "[{\"ident\": ");
    struct Case {
        std::function<void()> read;
        std::string message;
    } cases[] = {
        {[&] { ReadAptDat(folder.Path() / "apt.dat"); },
         (folder.Path() / "apt.dat").string() + ", line 4: a runway row has 26 fields (found 9 columns)"},
        {[&] { ReadNavDat(folder.Path() / "nav.dat"); },
         (folder.Path() / "nav.dat").string() + ", line 3: column 5 is not a number: 11x30"},
        {[&] { ReadFixDat(folder.Path() / "fix.dat"); },
         (folder.Path() / "fix.dat").string() + ": the file is missing"},
        {[&] {
             ReadOurAirports(folder.Path() / "bad.json", Excerpts() / "countries.json",
                             Excerpts() / "regions.json");
         },
         (folder.Path() / "bad.json").string() + ": not valid JSON at byte 11: unterminated object"},
        {[&] { ReadTopologyArcs(Excerpts() / "land.json", "rivers"); },
         (Excerpts() / "land.json").string() + ": the topology has no object \"rivers\""},
    };
    for (const Case &c : cases) {
        try {
            c.read();
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const ImportError &e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(ImporterFailures, AFailedImportLeavesTheDataFolderAsItWas) {
    testing::KitFolder folder;
    ImportLog log;
    std::string before = folder.Read("arpt.nav");
    SourceSet sources = ExcerptSources();
    sources.awyDat = folder.Path() / "missing-awy.dat";
    EXPECT_THROW(ReplaceKitFiles(folder.Path(), BuildKitFiles(sources, log)), ImportError);
    EXPECT_EQ(folder.Read("arpt.nav"), before);

    // A successful one replaces the generated files and keeps every other file of the folder.
    folder.Write("bye.jpg", "picture");
    ReplaceKitFiles(folder.Path(), BuildKitFiles(ExcerptSources(), log));
    EXPECT_EQ(folder.Read("bye.jpg"), "picture");
    EXPECT_EQ(folder.Read("arpt.nav").substr(0, 12), "AD;MUC;EDDM;");
    // The scenery folder is written whole: a file the sources no longer give is gone.
    EXPECT_TRUE(fs::exists(folder.Path() / "FSXFiles" / "EDDM.xml"));
    folder.Write("FSXFiles/XXXX.xml", "old");
    ReplaceKitFiles(folder.Path(), BuildKitFiles(ExcerptSources(), log));
    EXPECT_FALSE(fs::exists(folder.Path() / "FSXFiles" / "XXXX.xml"));
    EXPECT_FALSE(fs::exists(folder.Path().string() + ".import-new"));
    EXPECT_FALSE(fs::exists(folder.Path().string() + ".import-old"));
}

} // namespace
} // namespace qelvar::import
