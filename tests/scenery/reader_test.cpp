#include "platform/runtime_error.h"
#include "scenery/airport_index.h"
#include "scenery/diagram_rows.h"
#include "scenery/dispatch.h"
#include "scenery/load_notice.h"
#include "support/kit_folder.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::KitFolder;

std::filesystem::path Fixture() {
    return testing::FixturesDir() / "scenery" / "EDXX.xml";
}

SceneryLoadResult LoadDiagram(const std::filesystem::path &file, const std::string &ident,
                              SceneryAirport &a) {
    static const Dispatcher dispatcher(DiagramRows());
    return LoadSceneryAirport(file, ident, dispatcher, a);
}

// Writes an airport file of the given body lines (CR LF) and loads ident from it.
SceneryAirport LoadLines(const KitFolder &folder, const std::string &body, const std::string &ident = "EDXX",
                         SceneryLoadResult *result = nullptr) {
    folder.Write("t.xml", body);
    SceneryAirport airport;
    SceneryLoadResult r = LoadDiagram(folder.Path() / "t.xml", ident, airport);
    if (result)
        *result = r;
    return airport;
}

TEST(SceneryReader, EveryDiagramRowOfTheFixture) {
    SceneryAirport a;
    SceneryLoadResult result = LoadDiagram(Fixture(), "EDXX", a);
    EXPECT_TRUE(result.airportFound);
    EXPECT_TRUE(result.fullTables.empty());
    EXPECT_TRUE(result.problems.empty());

    const AirportHeader &h = a.header;
    EXPECT_EQ(h.ident, "EDXX");
    EXPECT_EQ(h.country, "Germany");
    EXPECT_EQ(h.state, "Hessen");
    EXPECT_EQ(h.city, "Frankfurt");
    EXPECT_EQ(h.name, "Test Field"); // not the COM name, nor the other airports' names
    EXPECT_EQ(h.lat, "N50 01.9500");
    EXPECT_EQ(h.lon, "E008 34.2000");
    EXPECT_EQ(h.alt, "111.3M");
    EXPECT_EQ(h.magvar, "357.5");
    EXPECT_EQ(h.towerLat, "N50 02.0000");
    EXPECT_EQ(h.towerLon, "E008 34.0000");
    EXPECT_EQ(h.towerAlt, "150.0M");

    ASSERT_EQ(a.coms.Count(), 2u); // the other airport's tower is not read
    EXPECT_EQ(a.coms[0].type, "TOWER");
    EXPECT_EQ(a.coms[0].frequency, "119.900");
    EXPECT_EQ(a.coms[0].name, "FRANKFURT TOWER");
    EXPECT_EQ(a.coms[1].name, "FRANKFURT ATIS");

    ASSERT_EQ(a.runways.Count(), 1u); // the blank line after "</Runway>" closes nothing
    const SceneryRunway &r = a.runways[0];
    EXPECT_EQ(r.number, "7");
    EXPECT_EQ(r.designator, "LEFT");
    EXPECT_EQ(r.lat, "N50 01.9000");
    EXPECT_EQ(r.lon, "E008 33.0000"); // not the ILS's lon
    EXPECT_EQ(r.length, "4000.0M");
    EXPECT_EQ(r.width, "60.0M");
    EXPECT_EQ(r.heading, "69.9");
    EXPECT_EQ(r.surface, "ASPHALT");

    ASSERT_EQ(a.vasis.Count(), 1u);
    EXPECT_EQ(a.vasis[0].end, "PRIMARY");
    EXPECT_EQ(a.vasis[0].side, "LEFT");
    EXPECT_EQ(a.vasis[0].type, "PAPI4");
    EXPECT_EQ(a.vasis[0].spacing, "10.0M");
    EXPECT_EQ(a.vasis[0].runway, 0); // read under the first runway

    ASSERT_EQ(a.ils.Count(), 1u);
    EXPECT_EQ(a.ils[0].ident, "IFLW");
    EXPECT_EQ(a.ils[0].frequency, "110.70");
    EXPECT_EQ(a.ils[0].heading, "69.9");
    EXPECT_EQ(a.ils[0].name, "ILS 07L");

    ASSERT_EQ(a.starts.Count(), 2u);
    EXPECT_EQ(a.starts[0].type, "RUNWAY");
    EXPECT_EQ(a.starts[0].number, "7");
    EXPECT_EQ(a.starts[0].designator, "LEFT");
    EXPECT_EQ(a.starts[0].lat, "N50 01.8000");
    EXPECT_EQ(a.starts[0].lon, "E008 32.0000");
    EXPECT_EQ(a.starts[0].alt, "111.0M");
    EXPECT_EQ(a.starts[0].heading, "69.9");
    EXPECT_EQ(a.starts[1].number, "25");
    EXPECT_EQ(a.starts[1].designator, "RIGHT");
    EXPECT_EQ(a.starts[1].heading, "249.9");

    ASSERT_EQ(a.taxiPoints.Count(), 2u);
    EXPECT_EQ(a.taxiPoints[1].index, "1");
    EXPECT_EQ(a.taxiPoints[1].type, "HOLD_SHORT");
    EXPECT_EQ(a.taxiPoints[1].lat, "N50 01.9200");
    EXPECT_EQ(a.taxiPoints[1].lon, "E008 33.2000");

    ASSERT_EQ(a.parkingSpots.Count(), 1u);
    const ParkingSpot &p = a.parkingSpots[0];
    EXPECT_EQ(p.index, "0");
    EXPECT_EQ(p.type, "GATE_MEDIUM");
    EXPECT_EQ(p.name, "GATE_B");
    EXPECT_EQ(p.number, "12");
    EXPECT_EQ(p.lat, "N50 02.1000");
    EXPECT_EQ(p.lon, "E008 34.1000");
    EXPECT_EQ(p.heading, "180.0");

    ASSERT_EQ(a.taxiNames.Count(), 2u);
    EXPECT_EQ(a.taxiNames[0].name, "A");
    EXPECT_EQ(a.taxiNames[1].name, "B");

    // The PATH has no width line: it is never closed, and the VEHICLE path overwrites it.
    ASSERT_EQ(a.taxiPaths.Count(), 2u);
    EXPECT_EQ(a.taxiPaths[0].start, "0");
    EXPECT_EQ(a.taxiPaths[0].end, "1");
    EXPECT_EQ(a.taxiPaths[0].type, "TAXI");
    EXPECT_EQ(a.taxiPaths[0].name, "1");
    EXPECT_EQ(a.taxiPaths[0].width, "23.0M");
    EXPECT_EQ(a.taxiPaths[1].start, "0");
    EXPECT_EQ(a.taxiPaths[1].end, "0");
    EXPECT_EQ(a.taxiPaths[1].type, "VEHICLE");
    EXPECT_EQ(a.taxiPaths[1].width, "5.0M");

    // Three vertices, a separator, two vertices, a separator (the blank line between the aprons adds
    // none), then the two fence vertices; the edge-light vertex is not kept.
    std::vector<std::pair<std::string, std::string>> vertices;
    for (const ApronVertex &v : a.apronVertices)
        vertices.emplace_back(v.lat, v.lon);
    EXPECT_EQ(vertices, (std::vector<std::pair<std::string, std::string>>{
                            {"N50 02.0000", "E008 34.0000"},
                            {"N50 02.1000", "E008 34.0000"},
                            {"N50 02.1000", "E008 34.1000"},
                            {"", "0"},
                            {"N50 02.2000", "E008 34.2000"},
                            {"N50 02.3000", "E008 34.2000"},
                            {"", "0"},
                            {"N50 03.0000", "E008 30.0000"},
                            {"N50 03.0000", "E008 38.0000"},
                        }));
    EXPECT_EQ(a.apronEndMark, 6);
    EXPECT_EQ(a.fenceEndMark, 8);
    EXPECT_TRUE(a.edgeLights);
}

TEST(SceneryReader, TabsAndSpacesReadTheSame) {
    KitFolder folder;
    std::string tabs =
        "<Airport ident=\"EDXX\"\r\n\tname=\"T\"\r\n\t<Com\ttype=\"ATIS\"\r\n\t\tfrequency=\"1\"\r\n"
        "\t\tname=\"N\"/>\r\n</Airport>\r\n";
    std::string spaces = tabs;
    for (char &c : spaces)
        if (c == '\t')
            c = ' ';
    for (const std::string &text : {tabs, spaces}) {
        SceneryAirport a = LoadLines(folder, text);
        EXPECT_EQ(a.header.name, "T");
        ASSERT_EQ(a.coms.Count(), 1u);
        EXPECT_EQ(a.coms[0].type, "ATIS");
        EXPECT_EQ(a.coms[0].name, "N");
    }
}

TEST(SceneryReader, IdentMustMatchExactly) {
    KitFolder folder;
    SceneryLoadResult result;
    SceneryAirport a =
        LoadLines(folder, "<Airport ident=\"edxx\"\r\nname=\"lower\"\r\n</Airport>\r\n", "EDXX", &result);
    EXPECT_FALSE(result.airportFound);
    EXPECT_EQ(a.header.name, "");
    EXPECT_EQ(a.header.ident, "");

    // A prefix is no match either.
    LoadLines(folder, "<Airport ident=\"EDXXA\"\r\nname=\"long\"\r\n</Airport>\r\n", "EDXX", &result);
    EXPECT_FALSE(result.airportFound);
}

TEST(SceneryReader, ReadingStopsAtTheAirportsEnd) {
    SceneryAirport a;
    LoadDiagram(Fixture(), "XOTH", a);
    EXPECT_EQ(a.header.name, "Other Field");
    ASSERT_EQ(a.coms.Count(), 1u);
    EXPECT_EQ(a.coms[0].name, "WRONG AIRPORT");
    EXPECT_EQ(a.runways.Count(), 0u); // EDXX's runway is after XOTH's "</Airport>"
}

// An airport without its "</Airport>" ends at the next airport's line, and the notice says so; a
// file that ends before it marks the airport as cut short.
TEST(SceneryReader, AirportWithoutEndTag) {
    const std::string runway = "<Runway number=\"9\" designator=\"NONE\"\r\nsurface=\"GRASS\">\r\n";
    struct Case {
        std::string body;
        size_t runways;
        int nextAirportLine;
        bool cutShort;
        std::string notice;
    } cases[] = {
        {"<Airport ident=\"QQQQ\"\r\n" + runway + "</Runway>\r\n</Airport>\r\n<Airport ident=\"KJFK\"\r\n" +
             runway + "</Runway>\r\n</Airport>\r\n",
         1, 0, false, ""},
        {"<Airport ident=\"QQQQ\"\r\n" + runway + "</Runway>\r\n<Airport ident=\"KJFK\"\r\n" + runway +
             "</Runway>\r\n</Airport>\r\n",
         1, 5, false, "</Airport> is missing: read up to the next airport on line 5"},
        // The same ident twice: the second is another airport too.
        {"<Airport ident=\"QQQQ\"\r\n" + runway + "</Runway>\r\n<Airport ident=\"QQQQ\"\r\n" + runway, 1, 5,
         false, "</Airport> is missing: read up to the next airport on line 5"},
        {"<Airport ident=\"QQQQ\"\r\n" + runway + "</Runway>\r\n" + runway, 1, 0, true, ""},
    };
    KitFolder folder;
    for (const Case &c : cases) {
        SceneryLoadResult result;
        SceneryAirport a = LoadLines(folder, c.body, "QQQQ", &result);
        EXPECT_EQ(a.runways.Count(), c.runways) << c.body;
        EXPECT_EQ(result.nextAirportLine, c.nextAirportLine) << c.body;
        EXPECT_EQ(result.cutShort, c.cutShort) << c.body;
        EXPECT_EQ(a.cutShort, c.cutShort) << c.body;
        EXPECT_EQ(LoadNotice(result, "QQQQ", "t.xml"), c.notice) << c.body;
    }
}

TEST(SceneryReader, VasiRecordsKeepTheRunwayTheyWereReadUnder) {
    KitFolder folder;
    SceneryAirport a = LoadLines(folder, "<Airport ident=\"EDXX\"\r\n<Runway number=\"9\"\r\n</Runway>\r\n"
                                         "<Runway number=\"18\"\r\n<Vasi end=\"SECONDARY\" side=\"LEFT\"\r\n"
                                         "spacing=\"9M\"/>\r\n<Vasi end=\"PRIMARY\" side=\"RIGHT\"\r\n"
                                         "spacing=\"9M\"/>\r\n</Runway>\r\n</Airport>\r\n");
    ASSERT_EQ(a.vasis.Count(), 2u);
    EXPECT_EQ(a.vasis[0].runway, 1);
    EXPECT_EQ(a.vasis[0].end, "SECONDARY");
    EXPECT_EQ(a.vasis[1].runway, 1);
}

TEST(SceneryReader, EveryLoadStartsFromEmptyTables) {
    SceneryAirport a;
    LoadDiagram(Fixture(), "EDXX", a);
    ASSERT_EQ(a.runways.Count(), 1u);
    SceneryLoadResult result = LoadDiagram(Fixture(), "NONE", a);
    EXPECT_FALSE(result.airportFound);
    EXPECT_EQ(a.runways.Count(), 0u);
    EXPECT_EQ(a.apronVertices.Count(), 0u);
    EXPECT_FALSE(a.apronEndMark.has_value());
    EXPECT_FALSE(a.fenceEndMark.has_value());
    EXPECT_FALSE(a.edgeLights);
}

TEST(SceneryReader, FullTablesTakeNoMoreButReadingGoesOn) {
    KitFolder folder;
    std::string body = "<Airport ident=\"EDXX\"\r\n";
    for (int i = 0; i < 105; ++i)
        body += "<Com type=\"T\"\r\nfrequency=\"" + std::to_string(i) + "\"\r\nname=\"C\"/>\r\n";
    body += "<Tower\r\nlat=\"N1 0.0\"\r\n</Airport>\r\n";
    SceneryLoadResult result;
    SceneryAirport a = LoadLines(folder, body, "EDXX", &result);
    EXPECT_EQ(a.coms.Count(), 101u);
    EXPECT_EQ(a.coms[100].frequency, "100");
    EXPECT_EQ(a.header.towerLat, "N1 0.0"); // read after the table was full
    EXPECT_EQ(result.fullTables, std::vector<std::string>{"COM frequencies"});
}

TEST(SceneryReader, LinesWithoutTheirValuesAreNoted) {
    KitFolder folder;
    SceneryLoadResult result;
    SceneryAirport a = LoadLines(folder,
                                 "<Airport ident=\"EDXX\"\r\n<TaxiwayPath start=\"3\"\r\n"
                                 "type=\"TAXI\"\r\nwidth=\r\n</Airport>\r\n",
                                 "EDXX", &result);
    ASSERT_EQ(a.taxiPaths.Count(), 1u);
    EXPECT_EQ(a.taxiPaths[0].start, "3");
    EXPECT_EQ(a.taxiPaths[0].end, "");
    EXPECT_EQ(a.taxiPaths[0].width, "");
    EXPECT_EQ(result.problems, (std::vector<std::string>{
                                   "line 2: <TaxiwayPath start has fewer quoted values than it needs",
                                   "line 4: width has fewer quoted values than it needs",
                               }));
    EXPECT_EQ(result.problemLines, 2);
    EXPECT_EQ(result.firstProblemLine, 2);
}

TEST(SceneryReader, FileThatCannotBeOpenedLeavesTheAirportAsItWas) {
    SceneryAirport a;
    LoadDiagram(Fixture(), "EDXX", a);
    EXPECT_THROW(LoadDiagram("/nonexistent/EDYY.xml", "EDYY", a), RuntimeError);
    EXPECT_EQ(a.header.ident, "EDXX");
    EXPECT_EQ(a.runways.Count(), 1u);
}

TEST(SceneryReader, EndlessLinesAreCutAndTheRestIsRead) {
    KitFolder folder;
    std::string endless(kMaxSceneryLine * 3, 'x');
    SceneryLoadResult result;
    SceneryAirport a = LoadLines(folder,
                                 "<Airport ident=\"EDXX\"\r\nname=\"" + endless +
                                     "\"\r\ncity=\"Frankfurt\"\r\n" + endless + "\r\n</Airport>\r\n",
                                 "EDXX", &result);
    EXPECT_EQ(result.longLines, 2);
    EXPECT_EQ(a.header.city, "Frankfurt");
    EXPECT_EQ(a.header.name, ""); // its closing quote was cut off: the line lacks its value
    EXPECT_EQ(result.problemLines, 1);
    EXPECT_EQ(LoadNotice(result, "EDXX", "t.xml"),
              "1 line lacks a value, the first is line 2; 2 lines were too long and cut");
}

TEST(SceneryReader, EnormousAirportFillsEveryTableToItsSizeOnly) {
    KitFolder folder;
    std::string body = "<Airport ident=\"EDXX\"\r\n";
    for (int i = 0; i < 2100; ++i)
        body += "<TaxiwayPoint index=\"" + std::to_string(i) +
                "\"\r\ntype=\"NORMAL\"\r\nlat=\"N50 00.00\"\r\n"
                "lon=\"E008 00.00\"/>\r\n";
    for (int i = 0; i < 5100; ++i)
        body += "<TaxiwayPath start=\"0\" end=\"" + std::to_string(i) +
                "\"\r\ntype=\"TAXI\"\r\nwidth=\"20M\"/>\r\n";
    for (int i = 0; i < 510; ++i)
        body += "<TaxiName index=\"" + std::to_string(i) + "\" name=\"N" + std::to_string(i) + "\"/>\r\n";
    body += "<Tower\r\nlat=\"N1 0.0\"\r\n</Airport>\r\n";
    SceneryLoadResult result;
    SceneryAirport a = LoadLines(folder, body, "EDXX", &result);
    EXPECT_EQ(a.taxiPoints.Count(), 2001u);
    EXPECT_EQ(a.taxiPaths.Count(), 5001u);
    EXPECT_EQ(a.taxiPaths[5000].end, "5000");
    EXPECT_EQ(a.taxiNames.Count(), 501u);
    EXPECT_EQ(a.taxiNames[500].name, "N500");
    EXPECT_EQ(a.header.towerLat, "N1 0.0");
    EXPECT_EQ(LoadNotice(result, "EDXX", "t.xml"),
              "table full, the rest left out: taxi points, taxi names, taxi paths");
}

TEST(SceneryReader, LoadNotices) {
    SceneryLoadResult missing;
    EXPECT_EQ(LoadNotice(missing, "EDYZ", "EDXX.xml"), "EDYZ is not in EDXX.xml");
    SceneryLoadResult clean;
    clean.airportFound = true;
    EXPECT_EQ(LoadNotice(clean, "EDXX", "EDXX.xml"), "");
    SceneryLoadResult lines = clean;
    lines.problemLines = 3;
    lines.firstProblemLine = 17;
    lines.fullTables = {"runways"};
    EXPECT_EQ(LoadNotice(lines, "EDXX", "EDXX.xml"),
              "table full, the rest left out: runways; 3 lines lack a value, the first is line 17");
    EXPECT_EQ(UnreadableFileNotice("KSEA.xml", "File not found"),
              "FSXFiles/KSEA.xml could not be read (File not found)");
}

TEST(SceneryReader, MissingFileIsError53) {
    SceneryAirport a;
    try {
        LoadDiagram("/nonexistent/EDXX.xml", "EDXX", a);
        FAIL() << "no error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.Number(), kFileNotFound);
    }
}

TEST(SceneryReader, FilesAreFoundInFsxFilesWithoutRegardToCase) {
    KitFolder folder;
    std::filesystem::create_directory(folder.Path() / "FSXFiles");
    folder.Write("FSXFiles/Edxx.XML", "x");
    EXPECT_EQ(SceneryFilePath(folder.Path(), "EDXX.xml"), folder.Path() / "FSXFiles" / "Edxx.XML");
}

TEST(AirportIndex, LinesLoseTheirSpaces) {
    IndexEntry e = ParseIndexLine(" KJFK ; New York ; United States ; KJFK.xml ;extra");
    EXPECT_EQ(e.icao, "KJFK");
    EXPECT_EQ(e.city, "NewYork");
    EXPECT_EQ(e.country, "UnitedStates");
    EXPECT_EQ(e.fileName, "KJFK.xml");
    IndexEntry shortLine = ParseIndexLine("EDDF;Frankfurt");
    EXPECT_EQ(shortLine.city, "Frankfurt");
    EXPECT_EQ(shortLine.country, "");
    EXPECT_EQ(shortLine.fileName, "");
}

TEST(AirportIndex, SearchingCaptions) {
    struct Case {
        long passed;
        const char *caption;
    } cases[] = {
        {0, "searching for KSEA"},
        {1, ""},
        {2999, ""},
        {3000, "searching for . KSEA"},
        {6000, "searching for .. KSEA"},
        {9000, "searching for ... KSEA"},
        {12000, "searching for .... KSEA"},
        {15000, "searching for ..... KSEA"},
        {18000, "searching for ...... KSEA"},
        {21000, "searching for ....... KSEA"},
        {24000, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SearchingCaption(c.passed, "KSEA"), c.caption) << c.passed;
    EXPECT_EQ(NotInIndexCaption("ZZZZ"), "Sorry, ZZZZ is not in the Index!");
}

TEST(AirportIndex, SearchReportsTheLinesPassedAndStopsAtTheMatch) {
    KitFolder folder;
    folder.Write("arpt INDEX.txt",
                 "EDDF;Frankfurt;Germany;EDDF.xml\r\n KSEA ;Seattle;USA; KSEA .xml\r\nKSEA;2;3;4\r\n");
    std::vector<long> passed;
    auto found = SearchAirportIndex(folder.Path(), "KSEA", [&](long n) { passed.push_back(n); });
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->city, "Seattle");
    EXPECT_EQ(found->fileName, "KSEA.xml");
    EXPECT_EQ(passed, std::vector<long>{0});

    passed.clear();
    EXPECT_FALSE(SearchAirportIndex(folder.Path(), "KSEB", [&](long n) { passed.push_back(n); }).has_value());
    EXPECT_EQ(passed, (std::vector<long>{0, 1, 2}));
}

// The typed ident and the index's ICAO are compared without spaces and without regard to case; blank
// lines are no airports, and an empty search finds none.
TEST(AirportIndex, SearchAsThePilotTypes) {
    KitFolder folder;
    folder.Write("Arpt index.txt",
                 "\r\n   \r\nksea;Seattle;USA;KSEA.xml\r\nEDDF;Frankfurt am Main;Germany;EDDF.xml\r\n");
    struct Case {
        const char *typed;
        const char *found; // the file name of the entry found; empty for none
    } cases[] = {{"KSEA", "KSEA.xml"}, {" ksea", "KSEA.xml"}, {"e d d f", "EDDF.xml"}, {"", ""}, {"  ", ""},
                 {"EDD", ""}};
    for (const Case &c : cases) {
        auto found = SearchAirportIndex(folder.Path(), c.typed, nullptr);
        EXPECT_EQ(found ? found->fileName : "", c.found) << "'" << c.typed << "'";
    }
    EXPECT_EQ(SearchKey(" New York "), "NEWYORK");
    EXPECT_EQ(SearchKey("Reykjav\xEDk"), "REYKJAV\xCDK");
    IndexTable table = ReadIndexTable(folder.Path(), 10);
    ASSERT_EQ(table.entries.size(), 2u); // the blank lines are left out
    EXPECT_EQ(table.entries[1].city, "FrankfurtamMain");
}

TEST(AirportIndex, SearchOutcomeCaptions) {
    KitFolder folder;
    std::string index;
    for (int i = 0; i < 21001; ++i)
        index += "X" + std::to_string(i) + ";c;k;f\r\n";
    folder.Write("Arpt index.txt", index + " KSEA ; Seattle ; United States ; KSEA.xml\r\n");
    std::vector<std::string> shown;
    IndexSearchOutcome found =
        RunIndexSearch(folder.Path(), "KSEA", [&](const std::string &c) { shown.push_back(c); });
    ASSERT_TRUE(found.entry.has_value());
    EXPECT_EQ(found.caption, "KSEA-Seattle-UnitedStates-KSEA.xml");
    // All eight animation captions pass by, in order.
    ASSERT_EQ(shown.size(), 8u);
    EXPECT_EQ(shown.front(), "searching for KSEA");
    EXPECT_EQ(shown.back(), "searching for ....... KSEA");

    IndexSearchOutcome missing = RunIndexSearch(folder.Path(), "ZZZZ", nullptr);
    EXPECT_FALSE(missing.entry.has_value());
    EXPECT_EQ(missing.caption, "Sorry, ZZZZ is not in the Index!");

    folder.Remove("Arpt index.txt");
    IndexSearchOutcome noIndex = RunIndexSearch(folder.Path(), "KSEA", nullptr);
    EXPECT_FALSE(noIndex.entry.has_value());
    EXPECT_EQ(noIndex.caption, "Arpt index.txt could not be read (File not found)");
}

TEST(AirportIndex, TableKeepsItsCapacity) {
    KitFolder folder;
    folder.Write("Arpt index.txt", "A;1;x\r\nB;2;y\r\nC;3;z\r\n");
    IndexTable table = ReadIndexTable(folder.Path(), 2);
    ASSERT_EQ(table.entries.size(), 2u);
    EXPECT_EQ(table.entries[1].icao, "B");
    EXPECT_TRUE(table.truncated);
    EXPECT_FALSE(ReadIndexTable(folder.Path(), 3).truncated);
    folder.Remove("Arpt index.txt");
    EXPECT_THROW(ReadIndexTable(folder.Path(), 3), RuntimeError);
}

} // namespace
} // namespace qelvar
