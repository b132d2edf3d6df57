// qelvar-scenery: a pilot's hand-written airport XML (tests/fixtures/scenery-import/handmade.xml,
// attributes in mixed order, several on a line) converted into a kit folder and read back by the
// kit's scenery reader; files that are not sound leave the folder as it was.
#include "airport_index.h"
#include "fsx_airport_xml.h"
#include "scenery_check.h"
#include "scenery_convert.h"

#include "platform/data_folder.h"
#include "scenery/airport_index.h"
#include "scenery/diagram_rows.h"
#include "scenery/dispatch.h"
#include "support/kit_folder.h"

#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
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
    // The file's own start of 09L is kept; 27R, which has none, starts 1500 m east of the centre.
    ASSERT_EQ(a.starts.Count(), 2u);
    EXPECT_EQ(a.starts[0].number + a.starts[0].designator + " " + a.starts[0].lon + " " + a.starts[0].heading,
              "09LEFT W122 01.0000 90.0");
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
        EXPECT_EQ(result.message.find(".. "), std::string::npos) << result.message; // one full stop
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

// A file of one airport at N47 30 E7 30 with a 09/27 runway, whatever else the test puts in.
std::string AirportXml(const std::string &ident, const std::string &inside = "",
                       const std::string &header = "") {
    return "<FSData>\n<Airport ident=\"" + ident + "\" lat=\"N47 30.00\" lon=\"E7 30.0000\" alt=\"100F\"" +
           header +
           ">\n<Runway lat=\"N47 30.00\" lon=\"E7 30.00\" heading=\"90\" length=\"2000M\" width=\"45M\" " +
           "number=\"9\">\n" + inside + "</Runway>\n</Airport>\n</FSData>\n";
}

TEST(SceneryConverter, ValuesOutOfRangeAreRefusedWithLineAndColumnAndNothingIsWritten) {
    struct Case {
        std::string xml, message;
    } cases[] = {
        {"<FSData>\n<Airport ident=\"XBAD\" lat=\"N95 00.00\" lon=\"E1 0\"/>\n</FSData>",
         "line 2, column 50: attribute lat is out of range: N95 00.00"},
        {"<FSData>\n<Airport ident=\"XBAD\" lat=\"N1 0\" lon=\"W181 00.00\"/>\n</FSData>",
         "line 2, column 51: attribute lon is out of range: W181 00.00"},
        {"<FSData>\n<Airport ident=\"XBAD\" lat=\"N47 11111111111111111111111111111111111.0\" lon=\"E1 0\"/>",
         "attribute lat: minutes or seconds of 60 or more: N47 11111111111111111111111111111111111.0"},
        {AirportXml("XBAD", "", "").replace(AirportXml("XBAD").find("2000M"), 5, "1e306N"),
         "line 3, column 91: attribute length is out of range: 1e306N"},
        {AirportXml("XBAD", "<Ils lat=\"N47 30\" lon=\"E7 31\" heading=\"inf\"/>\n"),
         "attribute heading is not a number: inf"},
        {AirportXml("XBAD", "<Vasi spacing=\"1e400\"/>\n"), "attribute spacing is out of range: 1e400"},
    };
    for (const Case &c : cases) {
        KitFolder folder;
        folder.Write("Arpt index.txt", "AAAA;A;B;AAAA.xml\r\n");
        folder.Write("bad.xml", c.xml);
        ConversionResult result = ConvertSceneryFile(folder.Path() / "bad.xml", folder.Path());
        EXPECT_FALSE(result.written) << c.message;
        EXPECT_NE(result.message.find(c.message + ". Nothing was written."), std::string::npos)
            << result.message;
        EXPECT_FALSE(fs::exists(folder.Path() / "FSXFiles"));
        EXPECT_EQ(folder.Read("Arpt index.txt"), "AAAA;A;B;AAAA.xml\r\n");
    }
    std::string rho =
        "<FSData>\n<Airport ident=\"XBAD\" lat=\"N1 0\" lon=\"E1 0\">\n<Approach type=\"GPS\">\n"
        "<Leg type=\"CF\" rho=\"1e300\" magneticCourse=\"90\"/>\n</Approach>\n</Airport>\n</FSData>";
    EXPECT_THROW(ReadSceneryXml(QByteArray::fromStdString(rho)), SceneryXmlError);
    rho.replace(rho.find("1e300"), 5, "1");
    std::string course = rho.replace(rho.find("\"90\""), 4, "\"2147483647\"");
    EXPECT_THROW(ReadSceneryXml(QByteArray::fromStdString(course)), SceneryXmlError);
}

// The user's locale writes numbers with a comma; the files always use a point.
class GermanLocale {
public:
    GermanLocale() : before_(std::setlocale(LC_ALL, nullptr)) {
        if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
            return;
        // Not generated on this machine: made for the test from the locales package's sources.
        std::string made = locales_.path().toStdString();
        std::string command = "localedef -i de_DE -f UTF-8 '" + made + "/de_DE.UTF-8' 2>/dev/null";
        if (std::system(command.c_str()) == 0) {
            setenv("LOCPATH", made.c_str(), 1);
            std::setlocale(LC_ALL, "de_DE.UTF-8");
        }
    }
    ~GermanLocale() {
        std::setlocale(LC_ALL, before_.c_str());
        unsetenv("LOCPATH");
    }
    bool Active() const { return std::string(std::setlocale(LC_NUMERIC, nullptr)) == "de_DE.UTF-8"; }

private:
    std::string before_;
    QTemporaryDir locales_;
};

TEST(SceneryConverter, ReadsTheFilesNumbersInEveryLocale) {
    GermanLocale german;
    ASSERT_TRUE(german.Active()) << "the locale de_DE.UTF-8 could not be made (package locales)";
    ASSERT_EQ(std::stod("1,5"), 1.5); // the locale reads a comma
    KitFolder folder;
    ConversionResult result = ConvertSceneryFile(Handmade(), folder.Path());
    ASSERT_TRUE(result.written) << result.message;
    EXPECT_NE(folder.Read("FSXFiles/XHND.xml").find("lat=\"N47 30.0000\""), std::string::npos);
    EXPECT_NE(folder.Read("FSXFiles/XHND.xml").find("length=\"3000.0M\""), std::string::npos);
}

TEST(SceneryConverter, OfTwoAirportsWithOneIdentTheFirstIsConverted) {
    KitFolder folder;
    std::string first = AirportXml("XTWO", "", " city=\"First\"");
    std::string second = AirportXml("xtwo", "", " city=\"Second\"");
    folder.Write("two.xml",
                 first.substr(0, first.rfind("</FSData>")) + second.substr(second.find("<Airport")));
    ConversionResult result = ConvertSceneryFile(folder.Path() / "two.xml", folder.Path());
    ASSERT_TRUE(result.written) << result.message;
    EXPECT_EQ(result.idents, std::vector<std::string>{"XTWO"});
    EXPECT_EQ(result.notes.at(0),
              (folder.Path() / "two.xml").string() +
                  " holds XTWO more than once: the first is converted, the later one is left out.");
    EXPECT_EQ(folder.Read("Arpt index.txt"), "XTWO;First;;XTWO.xml\r\n");
}

// An airport without approaches gets those of the bundled files, from the kit's stations.
TEST(SceneryConverter, AnAirportWithoutApproachesGetsTheSynthesizedOnes) {
    KitFolder folder;
    folder.Write("vor.nav", "VOR-DME;7;45.00;47;30.00;NEAR;NER;112.00\r\nVOR;20;0;10;0;FAR;FAR;113.00\r\n");
    folder.Write("ndb.nav", "NDB;7;30;47;40.00;CLOSE;CL;400\r\n");
    folder.Write("own.xml", AirportXml("XAPP", "<Ils lat=\"N47 30.00\" lon=\"E7 31.00\" heading=\"270\" "
                                               "end=\"SECONDARY\" ident=\"IAPP\" frequency=\"110.1\">\n"
                                               "<GlideSlope lat=\"N47 30.00\" lon=\"E7 31.00\" pitch=\"3.00\"/>\n"
                                               "</Ils>\n"));
    ConversionResult result = ConvertSceneryFile(folder.Path() / "own.xml", folder.Path(), folder.Path());
    ASSERT_TRUE(result.written) << result.message;
    EXPECT_EQ(result.notes.at(0), "XAPP brings no approaches: the kit synthesized 2 straight-in approaches "
                                  "(GPS 09, ILS 27), as for the bundled airports.");
    QFile file(QString::fromStdString((folder.Path() / "FSXFiles" / "XAPP.xml").string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<SceneryAirportModel> back = ReadSceneryXml(file.readAll());
    ASSERT_EQ(back.at(0).approaches.size(), 2u);
    const SceneryApproach &ils = back[0].approaches[1];
    EXPECT_EQ(ils.type + " " + ils.runway + " " + ils.fixIdent, "ILS 27 FF27");
    EXPECT_EQ(ils.legs.at(1).recommendedIdent, "IAPP");
    ASSERT_EQ(ils.transitions.size(), 2u); // the two nearest stations: the NDB 10', the VOR 15' away
    EXPECT_EQ(ils.transitions[0].fixIdent + " " + ils.transitions[1].fixIdent, "CL NER");
    bool found = false;
    EXPECT_TRUE(testing::FixPosition(back[0], {}, "CF27", found).has_value());
    // A longitude of 7.5 degrees keeps its minutes whole.
    EXPECT_NE(folder.Read("FSXFiles/XAPP.xml").find("lon=\"E7 30.0000\""), std::string::npos);
}

TEST(SceneryConverter, RhoIsWrittenInNauticalMilesWithItsUnit) {
    KitFolder folder;
    std::string xml =
        "<FSData>\n<Airport ident=\"XRHO\" lat=\"N1 0\" lon=\"E1 0\">\n<Approach type=\"GPS\">\n"
        "<ApproachLegs><Leg type=\"CF\" rho=\"3704M\" fixIdent=\"X\"/></ApproachLegs>\n"
        "</Approach>\n</Airport>\n</FSData>";
    folder.Write("rho.xml", xml);
    ASSERT_TRUE(ConvertSceneryFile(folder.Path() / "rho.xml", folder.Path()).written);
    EXPECT_NE(folder.Read("FSXFiles/XRHO.xml").find("\r\nrho=\"2.0N\"\r\n"), std::string::npos);
}

// An installed kit is read, never written: the airport goes to the user's own folder, where the
// readers find it beside the installed ones.
TEST(SceneryConverter, AUserOfAnInstalledKitGetsTheAirportInTheirOwnFolder) {
    KitFolder installed;
    installed.Write("Arpt index.txt", "EDDF;Frankfurt;Germany;EDDF.xml\r\n");
    fs::create_directory(installed.Path() / "FSXFiles");
    installed.Write("FSXFiles/EDDF.xml", "<Airport ident=\"EDDF\"/>\r\n");
    installed.Write(kInstalledKitMark, "installed\r\n");
    QTemporaryDir home;
    fs::path user = fs::path(home.path().toStdString()) / "qelvar-kit";
    ASSERT_EQ(ChooseDataFolder(installed.Path(), user, IsOwnKitFolder(installed.Path())), user);
    fs::permissions(installed.Path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    ConversionResult result = ConvertSceneryFile(Handmade(), user, installed.Path());
    fs::permissions(installed.Path(), fs::perms::owner_write, fs::perm_options::add);
    ASSERT_TRUE(result.written) << result.message;
    EXPECT_EQ(result.notes.back(), (user / "Arpt index.txt").string() + " names XHND.");
    EXPECT_EQ(installed.Read("Arpt index.txt"), "EDDF;Frankfurt;Germany;EDDF.xml\r\n");
    EXPECT_FALSE(fs::exists(installed.Path() / "FSXFiles" / "XHND.xml"));
    EXPECT_FALSE(fs::is_symlink(user / "Arpt index.txt"));
    EXPECT_FALSE(fs::is_symlink(user / "FSXFiles"));
    for (const std::string ident : {"EDDF", "XHND"}) {
        std::optional<qelvar::IndexEntry> entry = qelvar::SearchAirportIndex(user, ident, nullptr);
        ASSERT_TRUE(entry.has_value()) << ident;
        EXPECT_TRUE(fs::exists(FindDataFile(user, installed.Path(), "FSXFiles/" + entry->fileName))) << ident;
    }
}

} // namespace
} // namespace qelvar::import
