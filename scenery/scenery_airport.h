// The tables read from one airport's scenery XML file. Every value is kept as the text read; the
// drawings convert coordinates and numbers when they draw. The diagram viewer fills the airport's
// ground tables, the approach viewer its procedure tables; each reads only what its dispatch rows name.
#pragma once

#include "scenery_table.h"

#include <optional>
#include <string>

namespace qelvar {

struct AirportHeader {
    std::string ident, country, state, city, name, lat, lon, alt, magvar;
    std::string towerLat, towerLon, towerAlt;
};

struct SceneryRunway {
    std::string number, designator, lat, lon, length, width, heading, surface;
};

struct RunwayStart {
    std::string type, number, designator, lat, lon, alt, heading;
    std::string endIdent; // "RW16L": the runway-end identifier that approach fixes name
};

struct IlsRecord {
    std::string ident, frequency, heading, name;
};

struct ComRecord {
    std::string type, frequency, name;
};

struct VasiRecord {
    std::string end, side, type, spacing;
    int runway = -1; // the runway it was read under: the runway counter when its line was read
};

struct TaxiPoint {
    std::string index, type, lat, lon;
};

struct TaxiName {
    std::string name;
};

struct ParkingSpot {
    std::string index, type, name, number, lat, lon, heading;
};

struct TaxiPath {
    std::string start, end, type, name, width;
};

// One vertex of the apron and fence outlines; lon "0" separates two polygons.
struct ApronVertex {
    std::string lat, lon;
};

struct NdbRecord {
    std::string lat, lon, frequency, ident, name;
};

struct WaypointRecord {
    std::string ident, lat, lon;
};

struct ApproachRecord {
    std::string type, runway, designator, heading, altitude, label;
};

struct TransitionRecord {
    int approach = 0; // the owning approach's number
    std::string fixType, fixIdent;
};

inline constexpr int kApproachLeg = 1000; // the transition number of a leg of the approach itself

struct LegRecord {
    int approach = 0;
    int transition = kApproachLeg;
    std::string type, fixIdent, rho, magneticCourse, altitude, recommendedIdent;
};

struct SceneryAirport {
    AirportHeader header;
    SceneryTable<SceneryRunway> runways{101};
    SceneryTable<RunwayStart> starts{101};
    SceneryTable<IlsRecord> ils{101};
    SceneryTable<ComRecord> coms{101};
    SceneryTable<VasiRecord> vasis{101};
    SceneryTable<TaxiPoint> taxiPoints{2001};
    SceneryTable<TaxiName> taxiNames{501};
    SceneryTable<ParkingSpot> parkingSpots{5001};
    SceneryTable<TaxiPath> taxiPaths{5001};
    SceneryTable<ApronVertex> apronVertices{5001};
    // Index of the last vertex stored before the latest "<BoundaryFence" line, and before the
    // "<EdgeLights>" line; unset until their line is met.
    std::optional<int> apronEndMark;
    std::optional<int> fenceEndMark;
    bool edgeLights = false; // vertices after "<EdgeLights>" are not stored

    SceneryTable<NdbRecord> ndbs{8001};
    SceneryTable<WaypointRecord> waypoints{1001};
    SceneryTable<ApproachRecord> approaches{51};
    SceneryTable<TransitionRecord> transitions{1001};
    SceneryTable<LegRecord> legs{1001};
    // While the approach reader is inside a transition, the legs belong to it.
    bool legsInTransition = false;

    // The file ended before the airport's "</Airport>": the airport may lack its later parts.
    bool cutShort = false;
};

// Empties every text of the header and every table, count, mark and flag.
void ClearSceneryAirport(SceneryAirport &airport);

} // namespace qelvar
