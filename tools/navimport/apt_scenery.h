// The rows of apt.dat that describe an airport's ground layout, for the scenery files: read only
// for the airports asked for, in file order, with positions in degrees as apt.dat gives them.
#pragma once

#include "sources.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace qelvar::import {

struct AptRunwayEnd {
    std::string number;                  // "07C", "9", "H1"
    GeoPoint position;                   // physical end
    double displacedThresholdMetres = 0; // land runways: how far the landing threshold lies inside
};

struct AptLandRunway {
    double widthMetres = 0;
    int surface = 0;
    AptRunwayEnd ends[2];
};

struct AptWaterRunway {
    double widthMetres = 0;
    AptRunwayEnd ends[2];
};

struct AptHelipad {
    std::string name;
    GeoPoint position;
    double heading = 0, lengthMetres = 0, widthMetres = 0;
    int surface = 0;
};

struct AptCom {
    int code = 0;      // 50 ... 56
    int tensOfKhz = 0; // 12047 = 120.47 MHz
    std::string name;  // as in the file (UTF-8 or Latin-1)
};

struct AptVasi {
    GeoPoint position;
    int type = 0;
    double heading = 0, angle = 0;
    std::string runway;
};

struct AptTower {
    GeoPoint position;
    double heightFeet = 0;
};

struct AptStartup { // rows 1300 (type and classes given) and 15 (both empty)
    GeoPoint position;
    double heading = 0;
    std::string type, classes, name;
};

struct AptTaxiNode {
    GeoPoint position;
    int id = 0;
};

struct AptTaxiEdge {
    int from = 0, to = 0;
    bool runway = false;
    std::string name;
    std::string hotZone; // from the 1204 rows below the edge: "arrival", "departure" or "ils" (the last one)
};

struct AptLegacyTaxiway { // row 10 with "xxx": a rectangle round its centre
    GeoPoint centre;
    double heading = 0, lengthFeet = 0, widthFeet = 0;
    int surface = 0;
};

struct AptPathNode { // rows 111 ... 116
    GeoPoint position;
    bool bezier = false;
    GeoPoint control; // the control point on the leaving side (112, 114, 116)
};

struct AptOutline { // row 110 (pavement) or 130 (boundary): rings, the first the outer one
    int surface = 0;
    std::vector<std::vector<AptPathNode>> rings;
};

struct AptSceneryAirport {
    std::string ident;
    double elevationFeet = 0;
    std::string name;
    std::vector<AptLandRunway> runways;
    std::vector<AptWaterRunway> waterRunways;
    std::vector<AptHelipad> helipads;
    std::vector<AptCom> coms;
    std::vector<AptVasi> vasis;
    std::vector<AptTower> towers;
    std::vector<AptStartup> startups; // rows 1300
    std::vector<AptStartup> ramps;    // rows 15
    std::vector<AptTaxiNode> taxiNodes;
    std::vector<AptTaxiEdge> taxiEdges;
    std::vector<AptLegacyTaxiway> legacyTaxiways;
    std::vector<AptOutline> pavements;
    std::vector<AptOutline> boundaries;
};

std::map<std::string, AptSceneryAirport> ReadAptScenery(const std::filesystem::path &file,
                                                        const std::set<std::string> &idents);

} // namespace qelvar::import
