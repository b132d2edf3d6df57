#include "approach/approach_rows.h"
#include "approach/fix_position.h"
#include "approach/vor_records.h"
#include "scenery/dispatch.h"
#include "scenery/grid.h"
#include "support/kit_folder.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::KitFolder;

std::filesystem::path FixtureDir() {
    return testing::FixturesDir() / "approach";
}

SceneryLoadResult LoadApproach(const std::filesystem::path &file, const std::string &ident,
                               SceneryAirport &a) {
    static const Dispatcher dispatcher(ApproachRows());
    return LoadSceneryAirport(file, ident, dispatcher, a);
}

SceneryAirport LoadFixture(SceneryLoadResult *result = nullptr) {
    SceneryAirport a;
    SceneryLoadResult r = LoadApproach(FixtureDir() / "KXYZ.xml", "KXYZ", a);
    if (result)
        *result = r;
    return a;
}

// The fixture's vor.nav: SEA and OLM near the airport, AAL far away, EQU just south-west of 0/0.
VorRecords FixtureVors() {
    RecordingMessageSink sink;
    VorRecords vors;
    LoadVor(FixtureDir(), vors, sink);
    EXPECT_TRUE(sink.boxes.empty());
    return vors;
}

// An airport file around the given body lines.
std::string AirportFile(const std::string &body) {
    return "<Airport ident=\"KTST\"\r\n lat=\"N47 30.00\"\r\n lon=\"W122 18.00\">\r\n" + body +
           "</Airport>\r\n";
}

TEST(ApproachReader, HeaderRadiosRunwaysAndStartsAsTheDiagramReadsThem) {
    SceneryLoadResult result;
    SceneryAirport a = LoadFixture(&result);
    EXPECT_TRUE(result.airportFound);
    EXPECT_TRUE(result.fullTables.empty());
    EXPECT_TRUE(result.problems.empty());

    EXPECT_EQ(a.header.city, "Seattle");
    EXPECT_EQ(a.header.lat, "N47 30.00");
    EXPECT_EQ(a.header.magvar, "344.0");
    EXPECT_EQ(a.header.towerLon, "W122 17.00");
    ASSERT_EQ(a.coms.Count(), 4u);
    EXPECT_EQ(a.coms[3].name, "XYZ APPROACH");
    ASSERT_EQ(a.runways.Count(), 2u);
    EXPECT_EQ(a.runways[1].surface, "ASPHALT");
    ASSERT_EQ(a.ils.Count(), 1u);
    EXPECT_EQ(a.ils[0].ident, "ISNQ");
    EXPECT_EQ(a.ils[0].name, "ILS RWY 16L");

    // Each start carries its runway-end identifier; helipads have none.
    ASSERT_EQ(a.starts.Count(), 6u);
    std::vector<std::string> ends;
    for (const RunwayStart &s : a.starts)
        ends.push_back(s.endIdent);
    EXPECT_EQ(ends, (std::vector<std::string>{"RW16L", "RW34R", "RW16R", "RW34L", "", ""}));
    EXPECT_EQ(a.starts[1].lat, "N47 28.00");

    // The ground tables are not this viewer's: neither the VASI nor the taxiway point is kept.
    EXPECT_EQ(a.vasis.Count(), 0u);
    EXPECT_EQ(a.taxiPoints.Count(), 0u);
}

TEST(ApproachReader, NdbsAndWaypoints) {
    SceneryAirport a = LoadFixture();
    ASSERT_EQ(a.ndbs.Count(), 1u);
    const NdbRecord &ndb = a.ndbs[0];
    EXPECT_EQ(ndb.lat, "N47 20.00");
    EXPECT_EQ(ndb.lon, "W122 18.00");
    EXPECT_EQ(ndb.frequency, "350.0");
    EXPECT_EQ(ndb.ident, "OL");
    EXPECT_EQ(ndb.name, "OLIVE");

    ASSERT_EQ(a.waypoints.Count(), 3u);
    EXPECT_EQ(a.waypoints[0].ident, "CF16L");
    EXPECT_EQ(a.waypoints[0].lat, "N47 40.00");
    EXPECT_EQ(a.waypoints[2].ident, "SEA");
    EXPECT_EQ(a.waypoints[2].lon, "W122 24.00");
}

TEST(ApproachReader, ApproachesWithTheirLabels) {
    SceneryAirport a = LoadFixture();
    ASSERT_EQ(a.approaches.Count(), 4u);
    const ApproachRecord &ils = a.approaches[0];
    EXPECT_EQ(ils.type, "ILS");
    EXPECT_EQ(ils.runway, "16");
    EXPECT_EQ(ils.designator, "LEFT");
    EXPECT_EQ(ils.heading, "162.0");
    EXPECT_EQ(ils.altitude, "914.4M"); // the approach's, not the transition's 1524.0M
    std::vector<std::string> labels;
    for (const ApproachRecord &r : a.approaches)
        labels.push_back(r.label);
    // The NDB approach has no "<ApproachLegs>": its label is made when it closes.
    EXPECT_EQ(labels, (std::vector<std::string>{"ILS 16L", "VORDME 34R", "GPS 0", "NDB 34L"}));
}

TEST(ApproachReader, TransitionsBelongToTheirApproach) {
    SceneryAirport a = LoadFixture();
    // The blank line after the first "</Transition>" closes no second record.
    ASSERT_EQ(a.transitions.Count(), 3u);
    EXPECT_EQ(a.transitions[0].approach, 0);
    EXPECT_EQ(a.transitions[0].fixType, "VOR");
    EXPECT_EQ(a.transitions[0].fixIdent, "SEA");
    EXPECT_EQ(a.transitions[1].approach, 0);
    EXPECT_EQ(a.transitions[1].fixType, "INT");
    EXPECT_EQ(a.transitions[1].fixIdent, "ABBEY");
    EXPECT_EQ(a.transitions[2].approach, 1);
    EXPECT_EQ(a.transitions[2].fixType, "NDB");
}

TEST(ApproachReader, LegsInTableOrder) {
    SceneryAirport a = LoadFixture();
    struct Expected {
        int approach, transition;
        const char *type, *fix, *rho, *course, *altitude, *recommended;
    };
    const std::vector<Expected> expected = {
        // altitude2 replaces altitude1
        {0, kApproachLeg, "IF", "CF16L", "20530.0", "", "3000.0F", "ISNQ"},
        {0, kApproachLeg, "CF", "FF16L", "", "160.8", "2000.0F", ""},
        {0, kApproachLeg, "CF", "RW16L", "", "162.0", "431.0F", ""},
        // transition legs keep no recommended ident
        {0, 0, "IF", "SEA", "", "", "", ""},
        {0, 0, "TF", "CF16L", "", "45.0", "", ""},
        {0, 1, "IF", "ABBEY", "", "", "", ""},
        {1, kApproachLeg, "IF", "OLM", "", "", "3000.0F", "OLM"},
        // closed on the line of its last attribute: still a leg of its own
        {1, kApproachLeg, "TF", "RW34R", "", "120.0", "", ""},
        {1, kApproachLeg, "TF", "OL", "", "180.0", "", ""},
        {1, 2, "IF", "OL", "", "", "", ""},
        {2, kApproachLeg, "IF", "SEA", "", "", "", ""},
    };
    ASSERT_EQ(a.legs.Count(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("leg " + std::to_string(i));
        const LegRecord &leg = a.legs[i];
        const Expected &e = expected[i];
        EXPECT_EQ(leg.approach, e.approach);
        EXPECT_EQ(leg.transition, e.transition);
        EXPECT_EQ(leg.type, e.type);
        EXPECT_EQ(leg.fixIdent, e.fix);
        EXPECT_EQ(leg.rho, e.rho);
        EXPECT_EQ(leg.magneticCourse, e.course);
        EXPECT_EQ(leg.altitude, e.altitude);
        EXPECT_EQ(leg.recommendedIdent, e.recommended);
    }
}

TEST(ApproachReader, RunwayEndIdentsAndLabels) {
    struct Case {
        const char *type, *number, *designator, *endIdent;
    };
    for (const Case &c : std::vector<Case>{
             {"RUNWAY", "16", "LEFT", "RW16L"},
             {"RUNWAY", "9", "NONE", "RW09"},
             {"RUNWAY", "34", "RIGHT", "RW34R"},
             {"RUNWAY", "36", "CENTER", "RW36C"},
             {"HELIPAD", "1", "NONE", ""},
             {"RUNWAY", "101", "NONE", ""}, // longer than two characters
             {"RUNWAY", "", "NONE", ""},
         }) {
        RunwayStart start;
        start.type = c.type;
        start.number = c.number;
        start.designator = c.designator;
        EXPECT_EQ(RunwayEndIdent(start), c.endIdent) << c.number << c.designator;
    }
    EXPECT_EQ(ApproachLabel({"ILS", "16", "LEFT", "", "", ""}), "ILS 16L");
    EXPECT_EQ(ApproachLabel({"RNAV", "9", "NONE", "", "", ""}), "RNAV 9");
}

TEST(ApproachReader, LegEndsOnItsLastAttributeLineOrOnALineOfItsOwn) {
    KitFolder folder;
    // The first leg ends "/>" on its attribute line, the second on a line of its own; a line such as
    // "  />  " with spaces around it closes too, and the line after "/>" opens no further leg.
    folder.Write("t.xml", AirportFile("<Approach type=\"GPS\"\r\n runway=\"16\"\r\n designator=\"NONE\">\r\n"
                                      "<ApproachLegs>\r\n"
                                      "<Leg type=\"IF\"\r\n fixIdent=\"ONE\"\r\n altitude1=\"1000F\"/>\r\n"
                                      "<Leg type=\"TF\"\r\n fixIdent=\"TWO\"\r\n  />  \r\n\r\n"
                                      "</ApproachLegs>\r\n</Approach>\r\n"));
    SceneryAirport a;
    LoadApproach(folder.Path() / "t.xml", "KTST", a);
    ASSERT_EQ(a.legs.Count(), 2u);
    EXPECT_EQ(a.legs[0].fixIdent, "ONE");
    EXPECT_EQ(a.legs[0].altitude, "1000F");
    EXPECT_EQ(a.legs[1].fixIdent, "TWO");
    EXPECT_EQ(a.legs[1].altitude, ""); // nothing carried over from the first leg
}

TEST(ApproachReader, FullTablesKeepTheirCapacity) {
    KitFolder folder;
    // 52 approaches of one leg each: the 52nd approach is beyond the table of 51, and its leg is
    // kept with approach number 51, which no list entry names.
    std::string body;
    for (int i = 0; i < 52; ++i)
        body += "<Approach type=\"GPS\"\r\n runway=\"" + std::to_string(i) +
                "\"\r\n designator=\"NONE\">\r\n<ApproachLegs>\r\n<Leg type=\"IF\"\r\n fixIdent=\"F" +
                std::to_string(i) + "\"\r\n />\r\n</ApproachLegs>\r\n</Approach>\r\n";
    folder.Write("t.xml", AirportFile(body));
    SceneryAirport a;
    SceneryLoadResult result = LoadApproach(folder.Path() / "t.xml", "KTST", a);
    EXPECT_EQ(a.approaches.Count(), 51u);
    EXPECT_EQ(a.approaches[50].label, "GPS 50");
    EXPECT_EQ(a.legs.Count(), 52u);
    EXPECT_EQ(a.legs[51].approach, 51);
    EXPECT_EQ(result.fullTables, std::vector<std::string>{"approaches"});

    // 1,002 legs: the table keeps 1,001.
    std::string legs =
        "<Approach type=\"GPS\"\r\n runway=\"1\"\r\n designator=\"NONE\">\r\n<ApproachLegs>\r\n";
    for (int i = 0; i < 1002; ++i)
        legs += "<Leg type=\"TF\"\r\n fixIdent=\"L" + std::to_string(i) + "\"\r\n />\r\n";
    legs += "</ApproachLegs>\r\n</Approach>\r\n";
    folder.Write("t.xml", AirportFile(legs));
    result = LoadApproach(folder.Path() / "t.xml", "KTST", a);
    EXPECT_EQ(a.approaches.Count(), 1u);
    ASSERT_EQ(a.legs.Count(), 1001u);
    EXPECT_EQ(a.legs[1000].fixIdent, "L1000");
    EXPECT_EQ(result.fullTables, std::vector<std::string>{"approach legs"});
}

TEST(VorStations, ReadThroughTheMapsVorFile) {
    VorRecords vors = FixtureVors();
    ASSERT_EQ(vors.size(), 4u);
    const VorRecord &sea = vors[0];
    EXPECT_EQ(sea.ident, "SEA");
    EXPECT_EQ(sea.name, "SEATTLE");
    EXPECT_EQ(sea.frequency, "116.80");
    EXPECT_EQ(sea.lat, "N47 26");
    EXPECT_EQ(sea.lon, "W122 19");
    EXPECT_EQ(sea.x, LonToGrid("W122 19.00", kApproachGridPerDegree));
    EXPECT_EQ(sea.y, LatToGrid("N47 26.00", kApproachGridPerDegree));
    // The minutes as written (the map rounds them to whole ones for itself).
    EXPECT_EQ(vors[1].lon, "W122 30.4");
    EXPECT_EQ(vors[1].lat, "N47 44.6");
    EXPECT_EQ(vors[1].x, LonToGrid("W122 30.40", kApproachGridPerDegree));
    EXPECT_EQ(vors[2].lon, "E9 59.73");
    EXPECT_EQ(vors[2].x, LonToGrid("E009 59.73", kApproachGridPerDegree));
    // Degrees 0 with negative minutes lie west and south.
    EXPECT_EQ(vors[3].lon, "W0 30");
    EXPECT_EQ(vors[3].lat, "S0 30");
    EXPECT_EQ(VorCoordinateText(-5, 0, 'E', 'W'), "W5 0");
    EXPECT_EQ(VorCoordinateText(5, 0, 'E', 'W'), "E5 0");
    EXPECT_EQ(VorCoordinateText(0, -30.25, 'N', 'S'), "S0 30.25");
}

TEST(VorStations, MissingOrBrokenFileIsToldOnce) {
    KitFolder folder;
    folder.Remove("vor.nav");
    RecordingMessageSink sink;
    VorRecords vors = {VorRecord{}};
    LoadVor(folder.Path(), vors, sink);
    EXPECT_TRUE(vors.empty());
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, VorFileMissingText());
    EXPECT_EQ(
        sink.boxes[0].text,
        "vor.nav was not found in the program folder. The approach charts are drawn without VOR stations.");

    // A line whose degrees are not a number ends the reading there; the stations before it stay.
    folder.Write("vor.nav", "VOR;-122;-19;47;26;SEATTLE;SEA;116.80\r\nVOR;x;0;47;0;BAD;BAD;1\r\n"
                            "VOR;-122;0;47;0;LATER;LTR;1\r\n");
    sink.boxes.clear();
    LoadVor(folder.Path(), vors, sink);
    ASSERT_EQ(vors.size(), 1u);
    EXPECT_EQ(vors[0].ident, "SEA");
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text,
              "vor.nav could not be read past station 1: Error 13 (Type mismatch) on line 2. "
              "The approach charts show only the stations before it.");
    EXPECT_FALSE(sink.programEnded);
}

TEST(VorStations, MoreThanTheTableTakes) {
    KitFolder folder;
    std::string lines;
    for (size_t i = 0; i < kVorCapacity + 1; ++i)
        lines += "VOR;10;0;50;0;N;V" + std::to_string(i) + ";1\r\n";
    folder.Write("vor.nav", lines);
    RecordingMessageSink sink;
    VorRecords vors;
    LoadVor(folder.Path(), vors, sink);
    ASSERT_EQ(vors.size(), 8001u);
    EXPECT_EQ(vors.back().ident, "V8000");
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_NE(sink.boxes[0].text.find("The first 8001 were loaded"), std::string::npos) << sink.boxes[0].text;
}

TEST(FixLookUp, WaypointThenNdbThenVorThenRunwayEnd) {
    SceneryAirport a = LoadFixture();
    VorRecords vors = FixtureVors();
    auto grid = [](const char *lat, const char *lon) {
        return GridPoint{LonToGrid(lon, kApproachGridPerDegree), LatToGrid(lat, kApproachGridPerDegree)};
    };
    // SEA is both a waypoint of the file and a VOR: the waypoint wins.
    EXPECT_EQ(FindFix(a, vors, "SEA"), grid("N47 35.00", "W122 24.00"));
    EXPECT_EQ(FindFix(a, vors, "OL"), grid("N47 20.00", "W122 18.00"));    // the NDB
    EXPECT_EQ(FindFix(a, vors, "OLM"), grid("N47 44.60", "W122 30.40"));   // the VOR
    EXPECT_EQ(FindFix(a, vors, "RW34R"), grid("N47 28.00", "W122 18.00")); // start 34 RIGHT
    EXPECT_EQ(FindFix(a, vors, "RW16L"), grid("N47 32.00", "W122 18.00"));
    EXPECT_FALSE(FindFix(a, vors, "NOWHERE"));
    EXPECT_FALSE(FindFix(a, vors, ""));

    EXPECT_EQ(FixLat(a, vors, "RW34R"), 47 * 216000 + 28 * 3600);
    EXPECT_EQ(FixLon(a, vors, "RW34R"), (180 - 122) * 216000 - 18 * 3600);
    EXPECT_EQ(FixLat(a, vors, "NOWHERE"), 0);
    EXPECT_EQ(FixLon(a, vors, "NOWHERE"), 0);

    // Without the waypoint the VOR of the same ident is taken; a waypoint whose coordinates cannot be
    // read gives no position at all.
    a.waypoints[2].ident = "XXX";
    EXPECT_EQ(FindFix(a, vors, "SEA"), grid("N47 26.00", "W122 19.00"));
    a.waypoints[0].lat = "47 40";
    EXPECT_FALSE(FindFix(a, vors, "CF16L"));
}

} // namespace
} // namespace qelvar
