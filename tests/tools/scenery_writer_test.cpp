// The scenery writer: the exact lines of every element, coordinate texts, and the geometry of the
// synthesized approaches against positions and altitudes worked out by hand.
#include "approaches.h"
#include "scenery_writer.h"

#include <gtest/gtest.h>

namespace qelvar::import {
namespace {

using Lines = std::vector<std::string>;

Lines LinesOf(const std::string &text) {
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    Lines lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        EXPECT_EQ(text.substr(start, end - start).find('\n'), std::string::npos);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(SceneryWriter, CoordinatesAsHemisphereDegreesAndMinutesWithFourDecimals) {
    struct Case {
        double degrees;
        std::string lat, lon;
    } cases[] = {
        {47.449853333, "N47 26.9912", "E47 26.9912"},
        {-122.30935, "S122 18.5610", "W122 18.5610"},
        {0, "N0 00.0000", "E0 00.0000"},
        {-0.000000001, "N0 00.0000", "E0 00.0000"},   // rounds to zero: no southern zero
        {8.0000001, "N8 00.0000", "E8 00.0000"},      // zero minutes keep the hemisphere
        {10.999999999, "N11 00.0000", "E11 00.0000"}, // 59.99999' carries into the degree
        {-0.5, "S0 30.0000", "W0 30.0000"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(LatitudeText(c.degrees), c.lat) << c.degrees;
        EXPECT_EQ(LongitudeText(c.degrees), c.lon) << c.degrees;
    }
    EXPECT_EQ(XmlAttributeText("A&B <\"C\">\t"), "A&amp;B &lt;&quot;C&quot;&gt; ");
}

SceneryAirportModel SmallAirport() {
    SceneryAirportModel a;
    a.ident = "XTST";
    a.country = "Testland";
    a.state = "North";
    a.city = "Testville";
    a.name = "Test & Co";
    a.position = {-122.5, 47.25};
    a.altMetres = 100;
    a.magvar = 345; // 15 degrees east
    a.tower = SceneryTower{{-122.5, 47.26}, 120};
    a.coms = {{"TOWER", 118.1, "TWR"}};
    SceneryRunway r;
    r.primary = {"16", "LEFT", {-122.5, 47.3}, 180};
    r.secondary = {"34", "RIGHT", {-122.5, 47.2}, 0};
    r.surface = "CONCRETE";
    r.lengthMetres = 3000;
    r.widthMetres = 45;
    r.vasis = {{RunwayEndSide::Primary, "PAPI4", "LEFT", -20, 300, 9, 3}};
    SceneryIls ils;
    ils.end = RunwayEndSide::Primary;
    ils.ident = "ITST";
    ils.position = {-122.5, 47.19};
    ils.altMetres = 95;
    ils.heading = 180;
    ils.mhz = 110.3;
    ils.rangeNm = 18;
    ils.magvar = 345;
    ils.name = "ILS-cat-I 16L";
    r.ils = {ils};
    a.runways = {r};
    a.helipads = {{"1", {-122.49, 47.25}, 90, 20, 20, "GRASS"}};
    a.aprons = {{"ASPHALT", {{-122.5, 47.25}, {-122.49, 47.25}, {-122.49, 47.24}}}};
    a.boundaryFence = {{-122.6, 47.1}, {-122.4, 47.1}, {-122.4, 47.4}};
    a.taxiPoints = {{"NORMAL", {-122.501, 47.25}}, {"HOLD_SHORT", {-122.502, 47.25}}};
    SceneryParking spot;
    spot.position = {-122.503, 47.25};
    spot.heading = 359.96;
    spot.radiusMetres = 20;
    spot.type = "GATE_MEDIUM";
    spot.name = "GATE_A";
    spot.number = 12;
    a.parking = {spot};
    a.taxiNames = {"A"};
    SceneryTaxiPath taxi;
    taxi.start = 0;
    taxi.end = 1;
    taxi.widthMetres = 23;
    SceneryTaxiPath runwayPath;
    runwayPath.type = "RUNWAY";
    runwayPath.start = 1;
    runwayPath.end = 0;
    runwayPath.runwayNumber = "16";
    runwayPath.runwayDesignator = "LEFT";
    runwayPath.widthMetres = 45;
    a.taxiPaths = {taxi, runwayPath};
    SceneryApproach ap;
    ap.type = "ILS";
    ap.runway = "16";
    ap.designator = "LEFT";
    ap.fixType = "TERMINAL_WAYPOINT";
    ap.fixIdent = "FF16L";
    ap.altitudeFeet = 2000;
    ap.heading = 195;
    SceneryLeg leg;
    leg.type = "IF";
    leg.fixType = "TERMINAL_WAYPOINT";
    leg.fixIdent = "CF16L";
    leg.magneticCourse = 195;
    leg.altitudeFeet = 3600;
    ap.legs = {leg};
    SceneryTransition t;
    t.fixType = "VOR";
    t.fixIdent = "TST";
    t.altitudeFeet = 3600;
    SceneryLeg tf = leg;
    tf.type = "TF";
    tf.magneticCourse = 0; // north is written 360.0
    tf.recommendedType = "VOR";
    tf.recommendedIdent = "TST";
    tf.rhoMetres = 9260;
    t.legs = {tf};
    ap.transitions = {t};
    a.approaches = {ap};
    a.waypoints = {{"NAMED", "CF16L", {-122.5, 47.45}}};
    a.ndbs = {{"H", 338, {-122.4, 47.3}, 0, 50, "TS", "TEST NDB"}};
    return a;
}

TEST(SceneryWriter, ExactLinesOfEveryElement) {
    EXPECT_EQ(LinesOf(SceneryFileText(SmallAirport())),
              (Lines{
                  "<?xml version=\"1.0\" encoding=\"Windows-1252\"?>",
                  "<FSData version=\"9.0\">",
                  "<Airport ident=\"XTST\"",
                  "country=\"Testland\"",
                  "state=\"North\"",
                  "city=\"Testville\"",
                  "name=\"Test &amp; Co\"",
                  "lat=\"N47 15.0000\"",
                  "lon=\"W122 30.0000\"",
                  "alt=\"100.0M\"",
                  "magvar=\"345.00\"",
                  "airportTestRadius=\"5000.0M\"",
                  "trafficScalar=\"0.7\">",
                  // The tower's opening line carries no attribute: lat, lon and alt are all read.
                  "<Tower",
                  "lat=\"N47 15.6000\"",
                  "lon=\"W122 30.0000\"",
                  "alt=\"120.0M\"/>",
                  "<Com type=\"TOWER\"",
                  "frequency=\"118.100\"",
                  "name=\"TWR\"/>",
                  "<Runway number=\"16\" designator=\"LEFT\"",
                  "lat=\"N47 15.0000\"",
                  "lon=\"W122 30.0000\"",
                  "alt=\"100.0M\"",
                  "surface=\"CONCRETE\"",
                  "heading=\"180.0\"",
                  "length=\"3000.0M\"",
                  "width=\"45.0M\">",
                  "<Vasi end=\"PRIMARY\" side=\"LEFT\"",
                  "type=\"PAPI4\"",
                  "biasX=\"-20.0M\"",
                  "biasZ=\"300.0M\"",
                  "pitch=\"3.00\"",
                  "spacing=\"9.0M\"/>",
                  "<Ils end=\"PRIMARY\" ident=\"ITST\"",
                  "lat=\"N47 11.4000\"",
                  "lon=\"W122 30.0000\"",
                  "alt=\"95.0M\"",
                  "heading=\"180.0\"",
                  "frequency=\"110.300\"",
                  "range=\"18N\"",
                  "magvar=\"345.00\"",
                  "width=\"5.0\"",
                  "backCourse=\"FALSE\"",
                  "name=\"ILS-cat-I 16L\"/>",
                  "</Runway>",
                  "<Start type=\"RUNWAY\"",
                  "number=\"16\" designator=\"LEFT\"",
                  "lat=\"N47 18.0000\"",
                  "lon=\"W122 30.0000\"",
                  "alt=\"100.0M\"",
                  "heading=\"180.0\"/>",
                  "<Start type=\"RUNWAY\"",
                  "number=\"34\" designator=\"RIGHT\"",
                  "lat=\"N47 12.0000\"",
                  "lon=\"W122 30.0000\"",
                  "alt=\"100.0M\"",
                  "heading=\"0.0\"/>",
                  "<Helipad type=\"H\"",
                  "lat=\"N47 15.0000\"",
                  "lon=\"W122 29.4000\"",
                  "alt=\"100.0M\"",
                  "surface=\"GRASS\"",
                  "heading=\"90.0\"",
                  "length=\"20.0M\"",
                  "width=\"20.0M\"/>",
                  "<Start type=\"HELIPAD\"",
                  "number=\"1\" designator=\"NONE\"",
                  "lat=\"N47 15.0000\"",
                  "lon=\"W122 29.4000\"",
                  "alt=\"100.0M\"",
                  "heading=\"90.0\"/>",
                  "<Start type=\"HELIPAD\"",
                  "number=\"1\" designator=\"NONE\"",
                  "lat=\"N47 15.0000\"",
                  "lon=\"W122 29.4000\"",
                  "alt=\"100.0M\"",
                  "heading=\"90.0\"/>",
                  "<Aprons>",
                  "<Apron surface=\"ASPHALT\">",
                  "<Vertex lat=\"N47 15.0000\" lon=\"W122 30.0000\"/>",
                  "<Vertex lat=\"N47 15.0000\" lon=\"W122 29.4000\"/>",
                  "<Vertex lat=\"N47 14.4000\" lon=\"W122 29.4000\"/>",
                  "</Apron>",
                  "</Aprons>",
                  "<BoundaryFence profile=\"{00000000-0000-0000-0000-000000000000}\">",
                  "<Vertex lat=\"N47 06.0000\" lon=\"W122 36.0000\"/>",
                  "<Vertex lat=\"N47 06.0000\" lon=\"W122 24.0000\"/>",
                  "<Vertex lat=\"N47 24.0000\" lon=\"W122 24.0000\"/>",
                  "<Vertex lat=\"N47 06.0000\" lon=\"W122 36.0000\"/>",
                  "</BoundaryFence>",
                  "<TaxiwayPoint index=\"0\"",
                  "type=\"NORMAL\"",
                  "lat=\"N47 15.0000\"",
                  "lon=\"W122 30.0600\"/>",
                  "<TaxiwayPoint index=\"1\"",
                  "type=\"HOLD_SHORT\"",
                  "lat=\"N47 15.0000\"",
                  "lon=\"W122 30.1200\"/>",
                  "<TaxiwayParking index=\"0\"",
                  "lat=\"N47 15.0000\"",
                  "lon=\"W122 30.1800\"",
                  "radius=\"20.0M\"",
                  "type=\"GATE_MEDIUM\"",
                  "name=\"GATE_A\"",
                  "number=\"12\"",
                  "heading=\"0.0\"/>", // 359.96 rounds to 360.0, written 0.0
                  "<TaxiName index=\"0\" name=\"A\"/>",
                  "<TaxiwayPath start=\"0\" end=\"1\"",
                  "type=\"TAXI\"",
                  "name=\"0\"",
                  "surface=\"ASPHALT\"",
                  "width=\"23.0M\"/>",
                  "<TaxiwayPath start=\"1\" end=\"0\"",
                  "type=\"RUNWAY\"",
                  "number=\"16\"",
                  "designator=\"LEFT\"",
                  "surface=\"ASPHALT\"",
                  "width=\"45.0M\"/>",
                  "<Approach type=\"ILS\"",
                  "runway=\"16\"",
                  "designator=\"LEFT\"",
                  "fixType=\"TERMINAL_WAYPOINT\"",
                  "fixIdent=\"FF16L\"",
                  "altitude=\"2000F\"",
                  "heading=\"195.0\">",
                  "<ApproachLegs>",
                  "<Leg type=\"IF\"",
                  "fixType=\"TERMINAL_WAYPOINT\"",
                  "fixIdent=\"CF16L\"",
                  "magneticCourse=\"195.0\"",
                  "altitude1=\"3600F\"",
                  "/>",
                  "</ApproachLegs>",
                  "<Transition transitionType=\"FULL\"",
                  "fixType=\"VOR\"",
                  "fixIdent=\"TST\"",
                  "altitude=\"3600F\">",
                  "<TransitionLegs>",
                  "<Leg type=\"TF\"",
                  "fixType=\"TERMINAL_WAYPOINT\"",
                  "fixIdent=\"CF16L\"",
                  "recommendedType=\"VOR\"",
                  "recommendedIdent=\"TST\"",
                  "rho=\"5.000N\"",
                  "magneticCourse=\"360.0\"",
                  "altitude1=\"3600F\"",
                  "/>",
                  "</TransitionLegs>",
                  "</Transition>",
                  "</Approach>",
                  "<Waypoint waypointType=\"NAMED\"",
                  "waypointIdent=\"CF16L\"",
                  "lat=\"N47 27.0000\"",
                  "lon=\"W122 30.0000\"/>",
                  "<Ndb type=\"H\"",
                  "frequency=\"338.0\"",
                  "lat=\"N47 18.0000\"",
                  "lon=\"W122 24.0000\"",
                  "range=\"50N\"",
                  "ident=\"TS\"",
                  "name=\"TEST NDB\"/>",
                  "</Airport>",
                  "</FSData>",
              }));
}

// Runway 36 on the meridian at the equator: threshold at 0 N, the localizer antenna 0.033 degrees
// north of it, course 360. On the earth's mean radius (6,371,008.8 m) a nautical mile of latitude
// is 1852 / 6371008.8 rad = 0.0166553 degrees = 0.999317 arc minutes, so 10 NM south of the threshold
// is S0 09.9932 and 5 NM is S0 04.9966.
FinalApproachCourse Runway36() {
    return {"ILS", "36", "NONE", "36", {0, 0}, {0, 0.033}, 360, "IXNT"};
}

TEST(StraightInApproaches, FixesOnTheFinalCourseAtTenAndFiveMiles) {
    FinalApproachCourse final = Runway36();
    EXPECT_EQ(LatitudeText(FixOnFinal(final, 10).lat), "S0 09.9932");
    EXPECT_EQ(LongitudeText(FixOnFinal(final, 10).lon), "E0 00.0000");
    EXPECT_EQ(LatitudeText(FixOnFinal(final, 5).lat), "S0 04.9966");
    // A threshold 0.001 degrees (111 m) east of the localizer line: the fixes stay on the line, 10 NM
    // from the threshold's foot point.
    final.threshold = {0.001, 0};
    EXPECT_EQ(LatitudeText(FixOnFinal(final, 10).lat), "S0 09.9932");
    EXPECT_EQ(LongitudeText(FixOnFinal(final, 10).lon), "E0 00.0000");
    // A GPS approach to runway 09 at the equator: its line starts at the threshold, course 090.
    FinalApproachCourse gps{"GPS", "09", "NONE", "09", {0, 0}, {0, 0}, 90, ""};
    EXPECT_EQ(LongitudeText(FixOnFinal(gps, 10).lon), "W0 09.9932");
    EXPECT_EQ(LatitudeText(FixOnFinal(gps, 10).lat), "N0 00.0000");
}

TEST(StraightInApproaches, AltitudesOfAThreeDegreePathRoundedUp) {
    // tan 3 deg = 0.0524078; 10 NM = 18520 m rise 970.59 m = 3184.4 ft; 5 NM 1592.2 ft; plus 50 ft
    // over the threshold.
    struct Case {
        double thresholdFeet, nm, feet;
    } cases[] = {{0, 10, 3300},   {0, 5, 1700}, {433, 10, 3700}, {433, 5, 2100},
                 {1000, 0, 1100}, {7, 0, 100},  {1, 5, 1700}};
    for (const Case &c : cases)
        EXPECT_EQ(GlidePathAltitudeFeet(c.thresholdFeet, c.nm), c.feet) << c.thresholdFeet << " " << c.nm;
}

TEST(StraightInApproaches, LegsTransitionsAndMagneticCourses) {
    // Variation 5 W (east positive -5): magnetic = true + 5.
    StraightInApproach built =
        BuildStraightInApproach(Runway36(), 0, -5, {{"VOR", "TST", {0.1, 0.1}}, {"NDB", "XN", {0.05, 0.2}}});
    const SceneryApproach &ap = built.approach;
    EXPECT_EQ(ap.type, "ILS");
    EXPECT_EQ(ap.fixIdent, "FF36");
    EXPECT_EQ(ap.altitudeFeet, 1700);
    EXPECT_DOUBLE_EQ(ap.heading, 5);
    ASSERT_EQ(ap.legs.size(), 3u);
    struct Leg {
        std::string type, fixType, ident;
        double feet;
    } legs[] = {{"IF", "TERMINAL_WAYPOINT", "CF36", 3300},
                {"CF", "TERMINAL_WAYPOINT", "FF36", 1700},
                {"CF", "RUNWAY", "RW36", 50}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(ap.legs[i].type, legs[i].type);
        EXPECT_EQ(ap.legs[i].fixType, legs[i].fixType);
        EXPECT_EQ(ap.legs[i].fixIdent, legs[i].ident);
        EXPECT_EQ(*ap.legs[i].altitudeFeet, legs[i].feet);
        EXPECT_DOUBLE_EQ(*ap.legs[i].magneticCourse, 5);
    }
    EXPECT_EQ(ap.legs[1].recommendedIdent, "IXNT");
    ASSERT_EQ(ap.transitions.size(), 2u);
    EXPECT_EQ(ap.transitions[0].fixType, "VOR");
    EXPECT_EQ(ap.transitions[0].fixIdent, "TST");
    ASSERT_EQ(ap.transitions[0].legs.size(), 1u);
    EXPECT_EQ(ap.transitions[0].legs[0].type, "TF");
    EXPECT_EQ(ap.transitions[0].legs[0].fixIdent, "CF36");
    // From (0.1 N, 0.1 E) to (0.16655 S, 0 E): true course 200.6 (atan2(-0.1, -0.26655)), magnetic 205.6.
    EXPECT_NEAR(*ap.transitions[0].legs[0].magneticCourse, 205.6, 0.05);
    ASSERT_EQ(built.fixes.size(), 2u);
    EXPECT_EQ(built.fixes[0].ident, "CF36");
    EXPECT_EQ(built.fixes[1].ident, "FF36");
    EXPECT_EQ(built.fixes[1].type, "FAF");
    EXPECT_EQ(RunwayEndName("9", "LEFT"), "09L");
    EXPECT_EQ(RunwayEndName("16", "NONE"), "16");
    EXPECT_EQ(RunwayEndName("NORTH", "NONE"), "");
}

} // namespace
} // namespace qelvar::import
