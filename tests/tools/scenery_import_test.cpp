// The scenery files the importer builds from small excerpts (tests/fixtures/scenery-import): an
// airport with a taxi network, parking rows, an ILS and a PAPI (XNET), one with legacy taxiway
// rectangles and ramp starts (XLEG), one with pavement Beziers, a hole and a boundary (XPAV), one
// with a displaced threshold, a 2.5-degree glide slope, an ILS DME and a localizer filed the wrong
// way round (XDSP), one with swapped, duplicate and unclear runway rows (XSWP). Each is written and
// read back by the kit's own scenery reader.
#include "apt_scenery.h"
#include "fsx_airport_xml.h"
#include "navaid_index.h"
#include "pavement.h"
#include "scenery_build.h"
#include "scenery_check.h"
#include "scenery_fit.h"
#include "scenery_writer.h"

#include "platform/numbers.h"

#include "scenery/diagram_rows.h"
#include "scenery/dispatch.h"
#include "support/kit_folder.h"

#include <gtest/gtest.h>

namespace qelvar::import {
namespace {

namespace fs = std::filesystem;

fs::path Excerpt(const char *name) {
    return qelvar::testing::FixturesDir() / "scenery-import" / name;
}

struct Sources {
    std::vector<NavAid> aids = ReadNavDat(Excerpt("nav.dat"));
    std::vector<Fix> fixes = ReadFixDat(Excerpt("fix.dat"));
    NavaidIndex navaids{aids, fixes};
    std::map<std::string, AptSceneryAirport> apt =
        ReadAptScenery(Excerpt("apt.dat"), {"XNET", "XLEG", "XPAV", "XDSP", "XSWP"});
};

const Sources &TheSources() {
    static const Sources sources;
    return sources;
}

SceneryAirportModel Model(const std::string &ident, GeoPoint position, bool scheduled, double variationEast,
                          ImportLog *log = nullptr, double elevationFeet = 0) {
    SceneryAirportSource s{ident,    "Field",       "City",    "Country",    "State",
                           position, elevationFeet, scheduled, variationEast};
    SceneryAirportModel m = BuildSceneryAirport(s, &TheSources().apt.at(ident), TheSources().navaids, log);
    FitToReaderCapacities(m, 2);
    return m;
}

// Written into a folder and read back by the diagram viewer's reader.
qelvar::SceneryAirport ReadBack(const SceneryAirportModel &m) {
    qelvar::testing::KitFolder folder;
    fs::create_directories(folder.Path() / "FSXFiles");
    folder.Write("FSXFiles/" + m.ident + ".xml", SceneryFileText(m));
    qelvar::SceneryAirport a;
    qelvar::SceneryLoadResult r =
        qelvar::LoadSceneryAirport(folder.Path() / "FSXFiles" / (m.ident + ".xml"), m.ident,
                                   qelvar::Dispatcher(qelvar::DiagramRows()), a);
    EXPECT_TRUE(r.airportFound);
    EXPECT_TRUE(r.fullTables.empty());
    EXPECT_TRUE(r.problems.empty());
    return a;
}

TEST(SceneryImport, NetworkAirportHeaderRadiosRunwaysAndLights) {
    qelvar::SceneryAirport a = ReadBack(Model("XNET", {0, 0.015}, true, -5));
    EXPECT_EQ(a.header.lat, "N0 00.9000");
    EXPECT_EQ(a.header.magvar, "5.00"); // 5 W
    ASSERT_EQ(a.coms.Count(), 3u);
    EXPECT_EQ(a.coms[0].type + " " + a.coms[0].frequency + " " + a.coms[0].name, "ATIS 123.450 ATIS");
    EXPECT_EQ(a.coms[1].type + " " + a.coms[1].frequency + " " + a.coms[1].name, "CTAF 122.800 CTAF");
    EXPECT_EQ(a.coms[2].type + " " + a.coms[2].frequency + " " + a.coms[2].name, "TOWER 118.100 XNET TWR");
    EXPECT_EQ(a.header.towerAlt, "15.2M"); // 50 ft above an airport at 0 ft
    // 0.03 degrees of latitude on the mean radius of 6,371,008.8 m: 3335.852 m.
    ASSERT_EQ(a.runways.Count(), 1u);
    EXPECT_EQ(a.runways[0].number + a.runways[0].designator, "36NONE");
    EXPECT_EQ(a.runways[0].length, "3335.9M");
    EXPECT_EQ(a.runways[0].width, "45.0M");
    EXPECT_EQ(a.runways[0].surface, "CONCRETE");
    ASSERT_EQ(a.starts.Count(), 2u);
    EXPECT_EQ(a.starts[0].number + " " + a.starts[0].lat + " " + a.starts[0].heading, "36 N0 00.0000 0.0");
    EXPECT_EQ(a.starts[1].number + " " + a.starts[1].lat + " " + a.starts[1].heading, "18 N0 01.8000 180.0");
    ASSERT_EQ(a.vasis.Count(), 1u);
    EXPECT_EQ(a.vasis[0].end + " " + a.vasis[0].side + " " + a.vasis[0].type, "PRIMARY LEFT PAPI4");
    ASSERT_EQ(a.ils.Count(), 1u);
    EXPECT_EQ(a.ils[0].ident + " " + a.ils[0].frequency + " " + a.ils[0].heading + " " + a.ils[0].name,
              "IXNT 109.900 0.0 ILS-cat-I 36");
}

TEST(SceneryImport, TaxiNetworkHoldShortNamesAndParking) {
    qelvar::SceneryAirport a = ReadBack(Model("XNET", {0, 0.015}, true, -5));
    // Node 2 joins A and B to an ILS zone edge: ILS_HOLD_SHORT. Node 1 joins taxiway A to the runway
    // edge, whose departure zone tells nothing: it lies on the centre line and stays NORMAL.
    std::vector<std::string> types;
    for (const auto &p : a.taxiPoints)
        types.push_back(p.type);
    EXPECT_EQ(types, (std::vector<std::string>{"NORMAL", "ILS_HOLD_SHORT", "NORMAL", "NORMAL", "NORMAL"}));
    ASSERT_EQ(a.taxiNames.Count(), 2u);
    EXPECT_EQ(a.taxiNames[0].name, "A");
    EXPECT_EQ(a.taxiNames[1].name, "BRAVO-LO"); // at most eight characters
    std::vector<std::string> paths;
    for (const auto &p : a.taxiPaths)
        paths.push_back(p.start + "-" + p.end + " " + p.type + " " + p.name + " " + p.width);
    EXPECT_EQ(paths, (std::vector<std::string>{"0-1 TAXI 0 23.0M", "1-2 TAXI 1 23.0M", "3-0 RUNWAY  23.0M",
                                               "1-4 TAXI 0 23.0M"}));
    std::vector<std::string> spots;
    for (const auto &s : a.parkingSpots)
        spots.push_back(s.type + " " + s.name + " " + s.number + " " + s.heading);
    EXPECT_EQ(spots, (std::vector<std::string>{"GATE_HEAVY GATE_A 12 90.0", "RAMP_GA_SMALL PARKING 1 270.0",
                                               "GATE_MEDIUM GATE 7 180.0"}));
}

TEST(SceneryImport, ApproachesTransitionsAndNavaids) {
    SceneryAirportModel m = Model("XNET", {0, 0.015}, true, -5);
    // Read back as XML: ILS 36 (the localizer), GPS 18 (scheduled service, no ILS).
    std::vector<SceneryAirportModel> back = ReadSceneryXml(QByteArray::fromStdString(SceneryFileText(m)));
    ASSERT_EQ(back.size(), 1u);
    const SceneryAirportModel &b = back[0];
    ASSERT_EQ(b.approaches.size(), 2u);
    EXPECT_EQ(b.approaches[0].type + " " + b.approaches[0].runway, "ILS 36");
    EXPECT_EQ(b.approaches[1].type + " " + b.approaches[1].runway, "GPS 18");
    // Magnetic course 5.0 (true 360 with 5 W); runway 18's course 180 + 5.
    EXPECT_DOUBLE_EQ(*b.approaches[0].legs[0].magneticCourse, 5);
    EXPECT_DOUBLE_EQ(*b.approaches[1].legs[0].magneticCourse, 185);
    ASSERT_EQ(b.approaches[0].transitions.size(), 2u);
    EXPECT_EQ(b.approaches[0].transitions[0].fixIdent, "TST"); // 7.9 NM away
    EXPECT_EQ(b.approaches[0].transitions[1].fixIdent, "XN");  // 11.5 NM away
    // The synthesized fixes, then the transition stations, then the named fixes within 40 NM (CF36 of
    // fix.dat would shadow the approach's own CF36 and is left out; FARFX is 59 NM away).
    std::vector<std::string> idents;
    for (const SceneryWaypoint &w : b.waypoints)
        idents.push_back(w.ident);
    EXPECT_EQ(idents, (std::vector<std::string>{"CF36", "FF36", "CF18", "FF18", "TST", "XN", "FIXAA"}));
    ASSERT_EQ(b.ndbs.size(), 1u); // ZZ is 60 NM away
    EXPECT_EQ(b.ndbs[0].ident, "XN");
    EXPECT_EQ(LatitudeText(b.waypoints[0].position.lat), "S0 09.9932"); // 10 NM south of the threshold
    EXPECT_EQ(LatitudeText(b.waypoints[2].position.lat), "N0 11.7932"); // 10 NM north of runway 18's end
    // Every fix of every leg is found where the approach reader looks, at the place it was built for.
    for (const SceneryApproach &ap : b.approaches)
        for (const SceneryLeg &leg : ap.legs) {
            bool found = false;
            EXPECT_TRUE(testing::FixPosition(b, {}, leg.fixIdent, found).has_value()) << leg.fixIdent;
        }
}

TEST(SceneryImport, LegacyTaxiwaysBecomeCentreLinesWithTheirWidths) {
    SceneryAirportModel m = Model("XLEG", {10.005, 10}, false, 10);
    EXPECT_TRUE(m.approaches.empty()); // no ILS and no scheduled service
    qelvar::SceneryAirport a = ReadBack(m);
    EXPECT_EQ(a.header.magvar, "350.00"); // 10 E
    ASSERT_EQ(a.taxiPoints.Count(), 4u);
    // The larger rectangle first: 656 ft north-south round 10.004 N, 10.005 E, so its ends lie
    // 99.97 m (0.000899 degrees, 0.0539') south and north of the centre.
    EXPECT_EQ(a.taxiPoints[0].lat, "N10 00.1861");
    EXPECT_EQ(a.taxiPoints[1].lat, "N10 00.2939");
    EXPECT_EQ(a.taxiPoints[0].lon, "E10 00.3000");
    std::vector<std::string> paths;
    for (const auto &p : a.taxiPaths)
        paths.push_back(p.start + "-" + p.end + " " + p.type + " " + p.name + " " + p.width);
    EXPECT_EQ(paths, (std::vector<std::string>{"0-1 TAXI 0 15.2M", "2-3 TAXI 0 22.9M"})); // 50 and 75 ft
    // The 250 ft (76 m) wide rectangle is an apron: its four corners, 400 ft east-west round 10.006 N,
    // 10.008 E (61 m to either side, 38 m north and south).
    ASSERT_EQ(m.aprons.size(), 1u);
    ASSERT_EQ(m.aprons[0].vertices.size(), 4u);
    std::vector<std::string> corners;
    for (GeoPoint p : m.aprons[0].vertices)
        corners.push_back(LatitudeText(p.lat) + " " + LongitudeText(p.lon));
    EXPECT_EQ(corners, (std::vector<std::string>{"N10 00.3806 E10 00.5134", "N10 00.3394 E10 00.5134",
                                                 "N10 00.3394 E10 00.4466", "N10 00.3806 E10 00.4466"}));
    ASSERT_EQ(a.taxiNames.Count(), 1u);
    EXPECT_EQ(a.taxiNames[0].name, "");
    std::vector<std::string> spots;
    for (const auto &s : a.parkingSpots)
        spots.push_back(s.type + " " + s.name + " " + s.number + " " + s.heading);
    EXPECT_EQ(spots, (std::vector<std::string>{"RAMP_GA PARKING 3 45.0", "RAMP_GA PARKING 1 100.0"}));
}

TEST(SceneryImport, PavementBeziersAreFlattenedAndHolesDropped) {
    const AptSceneryAirport &apt = TheSources().apt.at("XPAV");
    ASSERT_EQ(apt.pavements.size(), 1u);
    ASSERT_EQ(apt.pavements[0].rings.size(), 2u); // the outline and its hole; the line's nodes go nowhere
    SceneryRing ring = FlattenRing(apt.pavements[0].rings[0]);
    // A, seven pieces, B, seven pieces, C, D: the first curve is a quadratic through B's mirrored
    // control point (20.0005 E, 19.9995 N): at t = 1/2, 0.25 A + 0.5 M + 0.25 B.
    ASSERT_EQ(ring.size(), 18u);
    EXPECT_DOUBLE_EQ(ring[4].lon, 20.0005);
    EXPECT_DOUBLE_EQ(ring[4].lat, 19.99975);
    EXPECT_EQ(ring[8], (GeoPoint{20.001, 20.0}));
    EXPECT_DOUBLE_EQ(ring[12].lon, 20.00125); // B's own control point (20.0015 E, 20.0005 N)
    EXPECT_DOUBLE_EQ(ring[12].lat, 20.0005);
    EXPECT_EQ(ring[16], (GeoPoint{20.001, 20.001}));
    EXPECT_EQ(ring[17], (GeoPoint{20.0, 20.001}));

    qelvar::SceneryAirport a = ReadBack(Model("XPAV", {20.0005, 20.0005}, false, 0));
    // One apron (its corners kept), its separator, then the fence of four corners drawn closed.
    size_t count = a.apronVertices.Count();
    ASSERT_TRUE(a.apronEndMark.has_value());
    size_t apron = static_cast<size_t>(*a.apronEndMark) + 1;
    EXPECT_EQ(count - apron, 5u);
    EXPECT_EQ(a.apronVertices[apron - 1].lon, "0");
    EXPECT_GT(apron, 6u);
    EXPECT_LE(apron, 19u);
    EXPECT_EQ(a.apronVertices[0].lat + " " + a.apronVertices[0].lon, "N20 00.0000 E20 00.0000");
    EXPECT_EQ(a.apronVertices[apron].lat + " " + a.apronVertices[apron].lon, "N19 59.9400 E19 59.9400");
    EXPECT_EQ(a.apronVertices[count - 1].lat, a.apronVertices[apron].lat);
}

TEST(SceneryImport, AnAirportThatAptDatLacksGetsItsHeaderAndNavaids) {
    SceneryAirportSource s{"XNOA", "No Apt", "Town", "Land", "", {0.05, 0.05}, 100, true, 0};
    SceneryAirportModel m = BuildSceneryAirport(s, nullptr, TheSources().navaids);
    EXPECT_TRUE(m.runways.empty());
    EXPECT_TRUE(m.approaches.empty());
    EXPECT_EQ(m.ndbs.size(), 1u);
    qelvar::SceneryAirport a = ReadBack(m);
    EXPECT_EQ(a.header.name, "No Apt");
    EXPECT_EQ(a.header.alt, "30.5M");
}

TEST(SceneryImport, RunwayNumbersParkingNamesAndVariation) {
    struct Case {
        std::string end, number, designator;
    } cases[] = {{"07C", "07", "CENTER"}, {"9", "09", "NONE"},   {"9L", "09", "LEFT"},
                 {"36W", "36", "WATER"},  {"23H", "23", "NONE"}, {"xxx", "xxx", "NONE"}};
    for (const Case &c : cases) {
        RunwayNumber n = SplitRunwayNumber(c.end);
        EXPECT_EQ(n.number + " " + n.designator, c.number + " " + c.designator) << c.end;
    }
    EXPECT_DOUBLE_EQ(HeaderMagvar(15), 345);
    EXPECT_DOUBLE_EQ(HeaderMagvar(-16), 16);
    EXPECT_DOUBLE_EQ(HeaderMagvar(0), 0);
    int sequential = 0;
    struct Spot {
        AptStartup row;
        std::string type, name;
        int number;
    } spots[] = {
        {{{}, 0, "gate", "heavy|jets", "B7"}, "GATE_HEAVY", "GATE_B", 7},
        {{{}, 0, "gate", "all", "Gate 12"}, "GATE_HEAVY", "GATE", 12},
        {{{}, 0, "misc", "turboprops|props", "Apron north"}, "RAMP_GA_MEDIUM", "PARKING", 1},
        {{{}, 0, "hangar", "props", "Hangar"}, "RAMP_GA_SMALL", "PARKING", 2},
        {{{}, 0, "", "", "Stand 5"}, "RAMP_GA", "PARKING", 5},
    };
    for (const Spot &s : spots) {
        SceneryParking p = ParkingOf(s.row, sequential);
        EXPECT_EQ(p.type + " " + p.name + " " + std::to_string(p.number),
                  s.type + " " + s.name + " " + std::to_string(s.number))
            << s.row.name;
    }
}

// The ILS of runway 09 has a 2.5-degree glide slope and a DME; its threshold lies 300 m inside the
// runway end. The localizer filed under 27 points east, the wrong way: 27 gets a GPS approach.
TEST(SceneryImport, DisplacedThresholdGlideSlopeDmeAndAReversedLocalizer) {
    ImportLog log;
    SceneryAirportModel m = Model("XDSP", {30.015, 30}, false, 4, &log, 100);
    std::vector<SceneryAirportModel> back = ReadSceneryXml(QByteArray::fromStdString(SceneryFileText(m)));
    ASSERT_EQ(back.size(), 1u);
    const SceneryAirportModel &b = back[0];
    ASSERT_EQ(b.approaches.size(), 2u);
    EXPECT_EQ(b.approaches[0].type + " " + b.approaches[0].runway, "ILS 09");
    EXPECT_EQ(b.approaches[1].type + " " + b.approaches[1].runway, "GPS 27");
    EXPECT_EQ(log.CountOf("localizers rejected"), 1);
    // 100 ft + 50 ft over the threshold + 10 NM (5 NM) of a 2.5-degree path: 2,803 (1,476) ft.
    // The DME stands 0.05 NM beyond the threshold.
    std::vector<std::string> legs;
    for (const SceneryLeg &l : b.approaches[0].legs)
        legs.push_back(l.fixIdent + " " + FixedDecimals(*l.altitudeFeet, 0) + " " +
                       (l.rhoMetres ? FixedDecimals(*l.rhoMetres / 1852, 1) : "-"));
    EXPECT_EQ(legs, (std::vector<std::string>{"CF09 2900 10.0", "FF09 1500 5.0", "RW09 150 0.1"}));
    for (const SceneryLeg &l : b.approaches[1].legs)
        EXPECT_FALSE(l.rhoMetres.has_value()) << l.fixIdent;
    // The runway fix is a waypoint at the threshold, 300 m east of the start; fix.dat's RW09 (at the
    // runway end) is left out. The start stays at the physical end.
    std::vector<std::string> fixes;
    for (const SceneryWaypoint &w : b.waypoints)
        fixes.push_back(w.ident + " " + LongitudeText(w.position.lon));
    ASSERT_GE(fixes.size(), 3u);
    EXPECT_EQ(fixes[2], "RW09 E30 00.1869");
    EXPECT_EQ(
        std::count_if(fixes.begin(), fixes.end(), [](const std::string &f) { return f.starts_with("RW09"); }),
        1);
    EXPECT_EQ(LongitudeText(b.runways[0].primary.position.lon), "E30 00.0000");
    bool found = false;
    EXPECT_EQ(LongitudeText(testing::FixPosition(b, {}, "RW09", found)->lon), "E30 00.1869");
}

// Row 1 names its east end 09; row 2 is the same runway again (09S/27S); row 3 runs east-west under
// the numbers 18/36. The first gets its ends swapped, the second is dropped, the third gets no approach.
TEST(SceneryImport, SwappedDuplicateAndUnclearRunways) {
    ImportLog log;
    SceneryAirportModel m = Model("XSWP", {40.005, 40.01}, true, 6, &log);
    ASSERT_EQ(m.runways.size(), 2u);
    EXPECT_EQ(m.runways[0].primary.number + " " + LongitudeText(m.runways[0].primary.position.lon) + " " +
                  FixedDecimals(m.runways[0].primary.heading, 1),
              "09 E40 00.0000 90.0");
    EXPECT_EQ(m.runways[1].primary.number, "18");
    std::vector<std::string> approaches;
    for (const SceneryApproach &ap : m.approaches)
        approaches.push_back(ap.type + " " + ap.runway + " " + FixedDecimals(ap.heading, 1));
    EXPECT_EQ(approaches, (std::vector<std::string>{"GPS 09 84.0", "GPS 27 264.0"}));
    EXPECT_EQ(log.CountOf("runways swapped"), 1);
    EXPECT_EQ(log.CountOf("duplicate runway rows dropped"), 1);
    EXPECT_EQ(log.CountOf("runways without approach (end numbers unclear)"), 1);
}

} // namespace
} // namespace qelvar::import
