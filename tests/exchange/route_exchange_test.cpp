#include "maps/exchange/fsx_plan.h"
#include "maps/exchange/route_conversion.h"
#include "maps/exchange/route_exchange.h"
#include "maps/exchange/route_import.h"
#include "maps/mapview/picking.h"
#include "maps/route/route_building.h"
#include "maps/route/route_files.h"
#include "platform/atomic_file.h"
#include "platform/text_files.h"
#include "support/kit_folder.h"

#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::FixturesDir;
using testing::KitFolder;

constexpr double kHundredthMinute = 0.01 / 60; // degrees

std::string FixtureBytes(const std::string &name) {
    std::ifstream in(FixturesDir() / "exchange" / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Expected {
    WaypointKind kind;
    std::string ident;
    double latitude, longitude;
};

void ExpectWaypoints(const std::vector<RouteWaypoint> &got, const std::vector<Expected> &expected) {
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE("waypoint " + std::to_string(i + 1));
        EXPECT_EQ(got[i].kind, expected[i].kind);
        EXPECT_EQ(got[i].ident, expected[i].ident);
        EXPECT_NEAR(got[i].latitude, expected[i].latitude, 1e-6);
        EXPECT_NEAR(got[i].longitude, expected[i].longitude, 1e-6);
    }
}

// The fixture tables: airports EDDM (48 21.2 N, 11 47.2 E, 1487 ft), EDMO (48 4.9 N, 11 17.0 E),
// KJFK, SBGR; VOR MUN and JFK; NDB ED (48 0.25 N, 11 30.5 E) and AT; intersections ANORA
// (48 15.25 N, 11 30.5 E) and BEBIX.
class RouteExchange : public ::testing::Test {
protected:
    RouteExchange() { LoadWaypointTables(db, FixturesDir(), sink); }

    // The route a pilot clicks: each kit object alone under the click, through its pick description, a bare
    // position through "Position under Cursor", then RTE End.
    void Click(RouteModel &model, const std::vector<std::pair<std::string, int32_t>> &objects,
               UnitPoint bare) {
        StartNewRoute(model);
        for (const auto &[kind, index] : objects) {
            if (index < 0) {
                std::string position = std::to_string(bare.X) + "|" + std::to_string(bare.Y);
                RouteWaypoint identity = IdentifyPickedPoint(db, kPositionUnderCursor, position);
                AddRoutePoint(model, kPositionUnderCursor, position, &identity);
                continue;
            }
            PickCandidate c = PickCandidateOf(db, kind, index);
            RouteWaypoint identity = IdentifyPickedPoint(db, c.description, c.position);
            AddRoutePoint(model, c.description, c.position, &identity);
        }
        model.RouteState = kCompleting;
        AddRoutePoint(model, "Route complete", "|");
    }
    int32_t Index(const std::string &kind, const std::string &ident) {
        for (int32_t i = 0; i < db.AirportTable.AirportCount; ++i)
            if (kind == "AD" && db.AirportTable.entries[i].LocationIndicator == ident)
                return i;
        for (int32_t i = 0; i < db.VorTable.count; ++i)
            if (kind == "VOR" && db.VorTable.entries[i].Text6 == ident)
                return i;
        for (int32_t i = 0; i < db.NdbTable.count; ++i)
            if (kind == "NDB" && db.NdbTable.entries[i].Text6 == ident)
                return i;
        for (int32_t i = 0; i < db.IntersectionTable.count; ++i)
            if (kind == "INT" && db.IntersectionTable.entries[i].Name == ident)
                return i;
        return -1;
    }
    // EDMO, NDB ED, VOR MUN, a bare position at 48 10 N 11 40 E, INT ANORA, EDDM.
    void ClickFixtureRoute(RouteModel &model) {
        Click(model,
              {{"AD-LOK", Index("AD", "EDMO")},
               {"NDB", Index("NDB", "ED")},
               {"VOR", Index("VOR", "MUN")},
               {"", -1},
               {"INT", Index("INT", "ANORA")},
               {"AD", Index("AD", "EDDM")}},
              UnitsOfDegrees(48 + 10 / 60.0, 11 + 40 / 60.0));
    }

    NavDatabase db;
    RecordingMessageSink sink;
};

TEST_F(RouteExchange, ReadsAnFsxPlanAsTheSimulatorWritesIt) {
    // UTF-8 with a byte-order mark, CR LF, degree signs, RouteType and ATCAirway entries.
    ExchangeRead read = ReadRouteDocument(RouteFormat::Fsx, FixtureBytes("EDMO-EDDM.pln"));
    ASSERT_TRUE(read.ok) << read.error;
    ExpectWaypoints(read.waypoints,
                    {{WaypointKind::Airport, "EDMO", 48 + 4 / 60.0 + 54 / 3600.0, 11 + 17 / 60.0},
                     {WaypointKind::Ndb, "ED", 48 + 15 / 3600.0, 11 + 30.5 / 60},
                     {WaypointKind::Vor, "MUN", 47 + 30.6 / 60, 11 + 30.5 / 60},
                     {WaypointKind::User, "WP4", 48 + 10 / 60.0, 11 + 40 / 60.0},
                     {WaypointKind::Intersection, "ANORA", 48 + 15.25 / 60, 11 + 30.5 / 60},
                     {WaypointKind::Airport, "EDDM", 48 + 21.2 / 60, 11 + 47.2 / 60}});
    EXPECT_EQ(read.waypoints[0].elevationFeet, 1947);
}

TEST_F(RouteExchange, ReadsAPlanThatSaysUtf8ButWasWrittenInWindows1252) {
    std::string pln = FixtureBytes("EDMO-EDDM.pln").substr(3); // no byte-order mark
    for (auto [utf8, windows1252] :
         {std::pair{"\xC2\xB0", "\xB0"}, {"\xC3\xBC", "\xFC"}, {"\xC3\x9F", "\xDF"}})
        for (size_t at; (at = pln.find(utf8)) != std::string::npos;)
            pln.replace(at, 2, windows1252);
    ExchangeRead read = ReadRouteDocument(RouteFormat::Fsx, pln);
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.waypoints.size(), 6u);
    EXPECT_NEAR(read.waypoints[5].latitude, 48 + 21.2 / 60, 1e-6);
}

TEST_F(RouteExchange, ImportBuildsTheSheetOfTheSameRouteClicked) {
    ExchangeRead read = ReadRouteDocument(RouteFormat::Fsx, FixtureBytes("EDMO-EDDM.pln"));
    RouteModel imported, clicked;
    ImportOutcome outcome = BuildRouteFromWaypoints(db, imported, read.waypoints);
    ASSERT_TRUE(outcome.ok) << outcome.message;
    EXPECT_EQ(outcome.message, "6 waypoints: 5 of the kit's objects, 1 bare position.");
    ClickFixtureRoute(clicked);
    EXPECT_EQ(SheetText(imported.route), SheetText(clicked.route));
    EXPECT_EQ(imported.RouteName, "ARPT-Oberpfaffe to ARPT-M\xFCnchen");
    EXPECT_EQ(imported.RouteState, kWaitingForStart);
    EXPECT_EQ(imported.route.RouteSheet[6], "UserPos: E11 40.00  N48 10.00");
    // The bare position keeps the file's name and degrees.
    EXPECT_EQ(imported.Waypoints[3].ident, "WP4");
}

TEST_F(RouteExchange, ReadsAFlightGearRouteAsTheRouteManagerSavesIt) {
    ExchangeRead read = ReadRouteDocument(RouteFormat::FlightGear, FixtureBytes("EDMO-EDDM.xml"));
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.leftOut, 1); // the heading-to-altitude leg has no position
    ExpectWaypoints(read.waypoints, {{WaypointKind::Airport, "EDMO", 0, 0},
                                     {WaypointKind::Navaid, "ED", 48.004167, 11.508333},
                                     {WaypointKind::User, "WPT4", 48 + 10 / 60.0, 11 + 40 / 60.0},
                                     {WaypointKind::Navaid, "ANORA", 48.254167, 11.508333},
                                     {WaypointKind::Airport, "EDDM", 0, 0}});
    RouteModel model;
    ImportOutcome outcome = BuildRouteFromWaypoints(db, model, read.waypoints, read.leftOut);
    ASSERT_TRUE(outcome.ok) << outcome.message;
    EXPECT_EQ(outcome.message, "5 waypoints: 4 of the kit's objects, 1 bare position; 1 entries of the file "
                               "without a position were left out.");
    EXPECT_EQ(model.route.RouteSheet[2].rfind("NDB- ED", 0), 0u);
}

TEST_F(RouteExchange, ReadsGpxRoutePointsAndFilesWithOnlyWaypoints) {
    ExchangeRead route = ReadRouteDocument(RouteFormat::Gpx, FixtureBytes("EDMO-EDDM.gpx"));
    ASSERT_TRUE(route.ok) << route.error;
    ExpectWaypoints(route.waypoints, {{WaypointKind::Airport, "EDMO", 48.081667, 11.283333},
                                      {WaypointKind::Navaid, "ED", 48.004167, 11.508333},
                                      {WaypointKind::Navaid, "TURN 1", 48.1666667, 11.6666667},
                                      {WaypointKind::Airport, "EDDM", 48.353333, 11.786667}});
    EXPECT_NEAR(*route.waypoints[3].elevationFeet, 1486.9, 0.1); // 453.2 m
    ExchangeRead points = ReadRouteDocument(RouteFormat::Gpx, FixtureBytes("waypoints-only.gpx"));
    ASSERT_TRUE(points.ok) << points.error;
    ExpectWaypoints(points.waypoints, {{WaypointKind::Airport, "KJFK", 40.64, -73.778333333},
                                       {WaypointKind::Navaid, "JFK", 40.631667, -73.803333},
                                       {WaypointKind::Ndb, "AT", -0.5, -5}});
    RouteModel model;
    ASSERT_TRUE(BuildRouteFromWaypoints(db, model, points.waypoints).ok);
    std::vector<RouteWaypoint> built = RouteWaypoints(model);
    EXPECT_EQ(built[1].kind, WaypointKind::Vor); // the named point of no kind is the kit's VOR JFK
    EXPECT_EQ(built[2].kind, WaypointKind::Ndb);
}

TEST_F(RouteExchange, MatchesOnlyTheSameKindAndIdentWithinOneNauticalMile) {
    RouteWaypoint ed{WaypointKind::Ndb, "ed", 48 + 0.25 / 60, 11 + 30.5 / 60, {}, true, {}};
    struct Case {
        const char *what;
        WaypointKind kind;
        double northMinutes; // moved north of the beacon
        bool matches;
    };
    for (const Case &c : {Case{"the beacon itself, ident in small letters", WaypointKind::Ndb, 0, true},
                          Case{"0.99 NM north", WaypointKind::Ndb, 0.99, true},
                          Case{"1.01 NM north", WaypointKind::Ndb, 1.01, false},
                          Case{"a navaid of no stated kind", WaypointKind::Navaid, 0, true},
                          Case{"a VOR of that ident", WaypointKind::Vor, 0, false},
                          Case{"a bare position", WaypointKind::User, 0, false}}) {
        RouteWaypoint w = ed;
        w.kind = c.kind;
        w.latitude += c.northMinutes / 60;
        EXPECT_EQ(MatchKitObject(db, w).has_value(), c.matches) << c.what;
    }
}

// Every bad file gives its reason and leaves the route that was there.
TEST_F(RouteExchange, BadFilesGiveTheirReasonAndLeaveTheRoute) {
    std::string pln = FixtureBytes("EDMO-EDDM.pln");
    std::string gpx = FixtureBytes("EDMO-EDDM.gpx");
    std::string deep = "<gpx>" + std::string(40 * 5, ' ');
    for (int i = 0; i < 40; ++i)
        deep += "<a>";
    std::string many = "<gpx><rte>";
    for (int i = 0; i < 24; ++i)
        many += "<rtept lat=\"48\" lon=\"" + std::to_string(11 + i * 0.01) + "\"/>";
    many += "</rte></gpx>";
    struct Case {
        RouteFormat format;
        std::string bytes;
        std::string error;
    };
    const Case cases[] = {
        {RouteFormat::Fsx, pln.substr(0, pln.size() / 2), "it is not well-formed XML (line "},
        {RouteFormat::Fsx, "", "it is not well-formed XML (line 1, column 0: Premature end of document.)"},
        {RouteFormat::Fsx, "plain text, no XML", "it is not well-formed XML (line 1, column "},
        {RouteFormat::Fsx, gpx, "it is not an FSX flight plan"},
        {RouteFormat::Fsx, std::string(pln).replace(pln.find("N48\xC2\xB0 0'"), 1, "X"),
         "waypoint 2 (ED) has no position of the form"},
        {RouteFormat::FlightGear, pln, "it is not a FlightGear route"},
        {RouteFormat::Gpx, "<gpx><rte><rtept lat=\"91\" lon=\"0\"/></rte></gpx>",
         "rtept 1 has no lat and lon on the globe"},
        {RouteFormat::Gpx, "<gpx><wpt lon=\"0\"/></gpx>", "wpt 1 has no lat and lon on the globe"},
        {RouteFormat::Gpx, deep, "the elements nest too deeply"},
        {RouteFormat::Gpx, "<gpx><rte><rtept lat=\"48\" lon=\"11\"/></rte></gpx>",
         "it holds 1 waypoint; a route needs at least two"},
        {RouteFormat::Gpx, many, "it holds 24 waypoints; a route holds at most 23 (the sheet's 50 lines)"},
    };
    RouteModel model;
    ClickFixtureRoute(model);
    std::string sheet = SheetText(model.route);
    for (const Case &c : cases) {
        ExchangeRead read = ReadRouteDocument(c.format, c.bytes);
        std::string error = read.error;
        if (read.ok)
            error = BuildRouteFromWaypoints(db, model, read.waypoints).message;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_EQ(SheetText(model.route), sheet);
    }
}

TEST_F(RouteExchange, AnFsxPlanCarriesTheSimulatorsHeaderAndPositions) {
    RouteModel model;
    ClickFixtureRoute(model);
    std::vector<RouteWaypoint> waypoints = RouteWaypoints(model);
    std::string doc = RouteDocument(RouteFormat::Fsx, waypoints, PlanHeaderOf(waypoints));
    EXPECT_EQ(doc.substr(0, 3), "\xEF\xBB\xBF");
    for (const char *line :
         {"<Title>EDMO to EDDM</Title>", "<FPType>IFR</FPType>",
          "<CruisingAlt>9000</CruisingAlt>", // 99.79 NM: flight level 90
          "<DepartureID>EDMO</DepartureID>",
          "<DepartureLLA>N48\xC2\xB0 4' 54.00\",E11\xC2\xB0 17' 0.00\",+001947.00</DepartureLLA>",
          "<DestinationLLA>N48\xC2\xB0 21' 12.00\",E11\xC2\xB0 47' 12.00\",+001487.00</DestinationLLA>",
          "<ATCWaypoint id=\"WP4\">", "<ATCWaypointType>User</ATCWaypointType>",
          "<ATCWaypointType>NDB</ATCWaypointType>", "<ICAOIdent>ANORA</ICAOIdent>",
          "<WorldPosition>N48\xC2\xB0 0' 15.00\",E11\xC2\xB0 30' 30.00\",+000000.00</WorldPosition>"})
        EXPECT_NE(doc.find(line), std::string::npos) << line;
}

TEST_F(RouteExchange, AnOlderRouteFileIsMadeOfTheObjectsAtItsPoints) {
    KitFolder folder;
    // EDMO, NDB ED and a bare position, as route files held them before points kept their identity.
    folder.Write("old.rte", "     Qelvar Maps SIMULATION ROUTE\r\n#41317200|9054360\r\n#41365800|9071100\r\n"
                            "#41400000|9036000\r\n");
    ConversionOutcome outcome = ConvertRouteFile(folder.Path() / "old.rte", folder.Path() / "old.gpx",
                                                 [this]() -> const NavDatabase & { return db; });
    ASSERT_TRUE(outcome.ok) << outcome.message;
    ExchangeRead read = ReadRouteExchangeFile(folder.Path() / "old.gpx");
    ExpectWaypoints(read.waypoints, {{WaypointKind::Airport, "EDMO", 48 + 4.9 / 60, 11 + 17.0 / 60},
                                     {WaypointKind::Ndb, "ED", 48 + 0.25 / 60, 11 + 30.5 / 60},
                                     {WaypointKind::User, "WP3", 48 + 10 / 60.0, 11 + 40 / 60.0}});
}

TEST(FsxPosition, SecondsToTheHundredthWithTheirCarry) {
    struct Case {
        double lat, lon, feet;
        const char *text;
    };
    for (const Case &c :
         {Case{50 + 2 / 60.0, 8 + 34 / 60.0 + 14 / 3600.0, 364,
               "N50\xB0 2' 0.00\",E8\xB0 34' 14.00\",+000364.00"},
          Case{-33.946530, -118.408, -12.5, "S33\xB0 56' 47.51\",W118\xB0 24' 28.80\",-000012.50"},
          Case{10 + 59.99999 / 60, 0, 0, "N11\xB0 0' 0.00\",E0\xB0 0' 0.00\",+000000.00"}})
        EXPECT_EQ(FsxPositionText(c.lat, c.lon, c.feet), c.text);
    std::optional<FsxPosition> p = ReadFsxPosition("S33\xB0 56' 47.51\",W118\xB0 24' 28.80\",-000012.50");
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->latitude, -33.946530, 1e-6);
    EXPECT_NEAR(p->longitude, -118.408, 1e-6);
    EXPECT_EQ(p->elevationFeet, -12.5);
    EXPECT_FALSE(ReadFsxPosition("N95\xB0 0' 0.00\",E0\xB0 0' 0.00\",+0"));
}

TEST_F(RouteExchange, EveryFormatGivesBackTheSameRoute) {
    RouteModel clicked;
    ClickFixtureRoute(clicked);
    std::vector<RouteWaypoint> before = NamedForExport(RouteWaypoints(clicked));
    for (RouteFormat format : {RouteFormat::Fsx, RouteFormat::FlightGear, RouteFormat::Gpx}) {
        SCOPED_TRACE(static_cast<int>(format));
        ExchangeRead read = ReadRouteDocument(format, RouteDocument(format, before, PlanHeaderOf(before)));
        ASSERT_TRUE(read.ok) << read.error;
        RouteModel imported;
        ASSERT_TRUE(BuildRouteFromWaypoints(db, imported, read.waypoints).ok);
        std::vector<RouteWaypoint> after = RouteWaypoints(imported);
        ASSERT_EQ(after.size(), before.size());
        for (size_t i = 0; i < after.size(); ++i) {
            EXPECT_EQ(after[i].kind, before[i].kind) << i;
            EXPECT_EQ(after[i].ident, before[i].ident) << i;
            EXPECT_NEAR(after[i].latitude, before[i].latitude, kHundredthMinute) << i;
            EXPECT_NEAR(after[i].longitude, before[i].longitude, kHundredthMinute) << i;
        }
        EXPECT_EQ(SheetText(imported.route), SheetText(clicked.route));
    }
}

TEST_F(RouteExchange, ARouteFileKeepsWhatItsPointsAre) {
    RouteModel clicked;
    ClickFixtureRoute(clicked);
    std::vector<std::string> lines = RouteFileLines(clicked);
    std::vector<RouteWaypoint> read = RouteFileWaypoints(lines);
    std::vector<RouteWaypoint> clickedPoints = RouteWaypoints(clicked);
    ASSERT_EQ(read.size(), 6u);
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].kind, clickedPoints[i].kind);
        EXPECT_EQ(read[i].ident, clickedPoints[i].ident);
        EXPECT_EQ(read[i].latitude, clickedPoints[i].latitude); // exactly: the shortest exact decimals
    }
    // "#x|y" first, for readers that know only those.
    EXPECT_EQ(lines[lines.size() - 6],
              "#41317200|9054360|APT|EDMO|48.08166666666666|11.283333333333333|1947");
}

// The command converts through the same code; gpsbabel reads what it wrote as a second reader.
TEST_F(RouteExchange, TheCommandWritesAGpxThatGpsbabelReads) {
    KitFolder folder;
    RouteModel clicked;
    ClickFixtureRoute(clicked);
    WriteTextLinesAtomically(folder.Path() / "EDMO to EDDM.rte", RouteFileLines(clicked));
    auto tables = [this]() -> const NavDatabase & { return db; };
    ConversionOutcome outcome =
        ConvertRouteFile(folder.Path() / "EDMO to EDDM.rte", folder.Path() / "out.gpx", tables);
    ASSERT_TRUE(outcome.ok) << outcome.message;
    EXPECT_NE(outcome.message.find("out.gpx: 6 waypoints written"), std::string::npos);
    EXPECT_FALSE(ConvertRouteFile(folder.Path() / "out.gpx", folder.Path() / "x.pln", tables).ok);

    if (QStandardPaths::findExecutable("gpsbabel").isEmpty())
        GTEST_SKIP() << "gpsbabel is not installed (scripts/install-packages.sh installs it)";
    QProcess babel;
    babel.start("gpsbabel",
                {"-r", "-i", "gpx", "-f", QString::fromStdString((folder.Path() / "out.gpx").string()), "-o",
                 "unicsv", "-F", "-"});
    ASSERT_TRUE(babel.waitForFinished(20000));
    EXPECT_EQ(babel.exitCode(), 0) << babel.readAllStandardError().toStdString();
    QStringList rows = QString::fromUtf8(babel.readAllStandardOutput()).trimmed().split('\n');
    ASSERT_EQ(rows.size(), 7) << rows.join('|').toStdString(); // a header and six points
    QStringList names;
    for (const QString &row : rows.mid(1))
        names << row.split(',').value(3).remove('"');
    EXPECT_EQ(names.join(' ').toStdString(), "EDMO ED MUN WP4 ANORA EDDM");
    QStringList first = rows[1].split(',');
    EXPECT_NEAR(first.value(1).toDouble(), 48 + 4.9 / 60, 1e-6);
    EXPECT_NEAR(first.value(2).toDouble(), 11 + 17.0 / 60, 1e-6);
}

} // namespace
} // namespace qelvar
