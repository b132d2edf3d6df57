// qelvar-scenery: a pilot's hand-written airport XML (tests/fixtures/scenery-import/handmade.xml,
// attributes in mixed order, several on a line) converted into a kit folder and read back by the
// kit's scenery reader; files that are not sound leave the folder as it was.
#include "airport_index.h"
#include "fsx_airport_xml.h"
#include "scenery_check.h"
#include "scenery_convert.h"

#include "scenery/diagram_rows.h"
#include "scenery/dispatch.h"
#include "support/kit_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace qelvar::import {
namespace {

namespace fs = std::filesystem;
using qelvar::testing::KitFolder;

fs::path Handmade() {
    return qelvar::testing::FixturesDir() / "scenery-import" / "handmade.xml";
}

qelvar::SceneryAirport ReadBack(const KitFolder &folder, const std::string &ident) {
    qelvar::SceneryAirport a;
    qelvar::SceneryLoadResult r =
        qelvar::LoadSceneryAirport(qelvar::SceneryFilePath(folder.Path(), ident + ".xml"), ident,
                                   qelvar::Dispatcher(qelvar::DiagramRows()), a);
    EXPECT_TRUE(r.airportFound);
    EXPECT_TRUE(r.problems.empty());
    return a;
}

TEST(SceneryConverter, AHandWrittenFileIsReadBackWithTheExpectedTables) {
    KitFolder folder;
    folder.Write("Arpt index.txt",
                 "AAAA;A;B;AAAA.xml\r\n XHND ; Old ; Old ;old.xml\r\nZZZZ;Z;Z;ZZZZ.xml\r\n");
    ConversionResult result = ConvertSceneryFile(Handmade(), folder.Path());
    ASSERT_TRUE(result.written) << result.message;
    EXPECT_EQ(result.idents, (std::vector<std::string>{"XHND"}));
    // The airport's line is replaced in place, the others stay.
    EXPECT_EQ(folder.Read("Arpt index.txt"),
              "AAAA;A;B;AAAA.xml\r\nXHND;Hand Town;Testland;XHND.xml\r\nZZZZ;Z;Z;ZZZZ.xml\r\n");

    qelvar::SceneryAirport a = ReadBack(folder, "XHND"); // the ident was upper-cased
    EXPECT_EQ(a.header.name, "Handmade Field");
    EXPECT_EQ(a.header.lat + " " + a.header.lon, "N47 30.0000 W122 00.5000"); // degrees, minutes, seconds
    EXPECT_EQ(a.header.alt, "30.5M");                                         // 100 ft
    EXPECT_EQ(a.header.magvar, "345.00");                                     // -15: 15 degrees east
    EXPECT_EQ(a.header.towerLat + " " + a.header.towerLon, "N47 30.6000 W122 00.6000");
    ASSERT_EQ(a.coms.Count(), 1u);
    EXPECT_EQ(a.coms[0].type + " " + a.coms[0].frequency + " " + a.coms[0].name, "TOWER 118.500 HAND TWR");
    ASSERT_EQ(a.runways.Count(), 1u);
    EXPECT_EQ(a.runways[0].number + " " + a.runways[0].designator + " " + a.runways[0].width + " " +
                  a.runways[0].length,
              "09 LEFT 45.7M 3000.0M");
    // The ends 1500 m either side of the centre along heading 090; the file's own <Start> is left out.
    ASSERT_EQ(a.starts.Count(), 2u);
    EXPECT_EQ(a.starts[0].number + a.starts[0].designator + " " + a.starts[0].lon + " " + a.starts[0].heading,
              "09LEFT W122 01.1980 90.0");
    EXPECT_EQ(a.starts[1].number + a.starts[1].designator + " " + a.starts[1].lon + " " + a.starts[1].heading,
              "27RIGHT W121 58.8020 270.0");
    ASSERT_EQ(a.ils.Count(), 1u);
    EXPECT_EQ(a.ils[0].ident + " " + a.ils[0].frequency + " " + a.ils[0].name, "IHND 110.500 ILS 27R");
    ASSERT_EQ(a.vasis.Count(), 1u);
    EXPECT_EQ(a.vasis[0].end + " " + a.vasis[0].side + " " + a.vasis[0].spacing, "SECONDARY LEFT 9.0M");
    // Points numbered in file order (index 10 is point 0); the paths follow.
    ASSERT_EQ(a.taxiPoints.Count(), 2u);
    EXPECT_EQ(a.taxiPoints[0].type, "HOLD_SHORT");
    ASSERT_EQ(a.taxiPaths.Count(), 2u);
    EXPECT_EQ(a.taxiPaths[0].start + "-" + a.taxiPaths[0].end + " " + a.taxiPaths[0].type + " " +
                  a.taxiPaths[0].name,
              "0-1 TAXI 0");
    EXPECT_EQ(a.taxiPaths[1].start + "-" + a.taxiPaths[1].end + " " + a.taxiPaths[1].type, "1-0 PARKING");
    ASSERT_EQ(a.taxiNames.Count(), 1u);
    EXPECT_EQ(a.taxiNames[0].name, "ALPHA");
    ASSERT_EQ(a.parkingSpots.Count(), 1u);
    EXPECT_EQ(a.parkingSpots[0].name + " " + a.parkingSpots[0].number + " " + a.parkingSpots[0].heading,
              "GATE_B 5 180.0");
    // Three apron vertices (the repeated first one dropped) and the separator.
    ASSERT_EQ(a.apronVertices.Count(), 4u);
    EXPECT_EQ(a.apronVertices[3].lon, "0");
}

TEST(SceneryConverter, ApproachesKeepTheirLegsInTheKitsUnits) {
    KitFolder folder;
    ASSERT_TRUE(ConvertSceneryFile(Handmade(), folder.Path()).written);
    QFile file(QString::fromStdString((folder.Path() / "FSXFiles" / "XHND.xml").string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<SceneryAirportModel> back = ReadSceneryXml(file.readAll());
    ASSERT_EQ(back.size(), 1u);
    const SceneryApproach &ap = back[0].approaches.at(0);
    ASSERT_EQ(ap.legs.size(), 3u);                     // the missed-approach leg is left out
    EXPECT_EQ(*ap.legs[1].altitudeFeet, 2000);         // altitude1 is the one kept
    EXPECT_DOUBLE_EQ(*ap.legs[1].magneticCourse, 255); // true 270 with 15 degrees east
    ASSERT_EQ(ap.transitions.size(), 1u);
    EXPECT_EQ(ap.transitions[0].fixIdent, "SEA");
    EXPECT_NEAR(*ap.transitions[0].legs[0].altitudeFeet, 3000, 0.5); // 914.4 m
    // The waypoint outside the airport went into it, so that CF27R is found.
    bool found = false;
    ASSERT_TRUE(testing::FixPosition(back[0], {}, "CF27R", found).has_value());
    EXPECT_EQ(testing::FixPosition(back[0], {}, "RW27R", found)->lon,
              back[0].runways[0].secondary.position.lon);
    // The approach reader closes a leg only on a line of its own.
    std::string text = folder.Read("FSXFiles/XHND.xml");
    EXPECT_NE(text.find("\r\naltitude1=\"2000F\"\r\n/>\r\n"), std::string::npos);
}

TEST(SceneryConverter, FaultyFilesAreNamedAndNothingIsWritten) {
    struct Case {
        std::string xml, message;
    } cases[] = {
        {"<FSData>\n<Airport ident=\"XBAD\" lat=\"N1 0\" lon=\"E1 0\">\n<Tower lat=\"N1 0\" lon=\"E1 "
         "0\">\n</Airport>",
         "line 4, column 10: Opening and ending tag mismatch."},
        {"<FSData>\n<Airport ident=\"../etc\" lat=\"N1 0\" lon=\"E1 0\"/>\n</FSData>",
         "line 2, column 47: the <Airport> ident \"../ETC\" is not one to five letters and digits"},
        {"<FSData>\n<Airport ident=\"XBAD\" lat=\"north\" lon=\"E1 0\"/>\n</FSData>",
         "line 2, column 46: attribute lat: not a coordinate: north"},
        {"<FSData/>", "holds no <Airport>"},
    };
    for (const Case &c : cases) {
        KitFolder folder;
        folder.Write("Arpt index.txt", "AAAA;A;B;AAAA.xml\r\n");
        folder.Write("bad.xml", c.xml);
        ConversionResult result = ConvertSceneryFile(folder.Path() / "bad.xml", folder.Path());
        EXPECT_FALSE(result.written);
        EXPECT_NE(result.message.find(c.message), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("Nothing was written."), std::string::npos);
        EXPECT_FALSE(fs::exists(folder.Path() / "FSXFiles"));
        EXPECT_EQ(folder.Read("Arpt index.txt"), "AAAA;A;B;AAAA.xml\r\n");
    }
}

TEST(SceneryConverter, CoordinateAndDistanceForms) {
    EXPECT_DOUBLE_EQ(ParseSceneryCoordinate("N47 30.00"), 47.5);
    EXPECT_DOUBLE_EQ(ParseSceneryCoordinate("S33 30 36"), -(33 + 30.0 / 60 + 36.0 / 3600));
    EXPECT_DOUBLE_EQ(ParseSceneryCoordinate("W122* 30.00'"), -122.5);
    EXPECT_DOUBLE_EQ(ParseSceneryCoordinate("-122.25"), -122.25);
    EXPECT_THROW(ParseSceneryCoordinate("N47 x"), std::invalid_argument);
    EXPECT_DOUBLE_EQ(ParseSceneryDistance("100F"), 30.48);
    EXPECT_DOUBLE_EQ(ParseSceneryDistance("2N"), 3704);
    EXPECT_DOUBLE_EQ(ParseSceneryDistance("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(ParseSceneryDistance("12.5M"), 12.5);
    EXPECT_EQ(IndexWithAirport({}, "XNEW", "City", "Land", "XNEW.xml"),
              (std::vector<std::string>{"XNEW;City;Land;XNEW.xml"}));
    EXPECT_EQ(IndexWithAirport({"XNEW;a;b;c", "XNEW;d;e;f"}, "XNEW", "C", "L", "XNEW.xml"),
              (std::vector<std::string>{"XNEW;C;L;XNEW.xml"}));
}

} // namespace
} // namespace qelvar::import
