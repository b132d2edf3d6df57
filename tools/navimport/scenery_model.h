// One airport as the kit's scenery files describe it: the tables that the diagram and approach
// viewers read, and the few further attributes an airport XML file needs. Filled by the importer
// from open data and by the converter from a pilot's own airport XML; written by scenery_writer.
// Texts are Windows-1252 bytes; distances in metres, altitudes as noted, angles in degrees.
#pragma once

#include "sources.h"

#include <optional>
#include <string>
#include <vector>

namespace qelvar::import {

struct SceneryTower {
    GeoPoint position;
    double altMetres = 0;
};

struct SceneryCom {
    std::string type; // ATIS, TOWER, GROUND, ...
    double mhz = 0;
    std::string name;
};

enum class RunwayEndSide { Primary, Secondary };

struct SceneryVasi {
    RunwayEndSide end = RunwayEndSide::Primary;
    std::string type; // PAPI4, VASI21, TRICOLOR, ...
    std::string side; // LEFT or RIGHT
    double biasX = 0, biasZ = 0, spacing = 0, pitch = 3;
};

struct SceneryIls {
    RunwayEndSide end = RunwayEndSide::Primary;
    std::string ident;
    GeoPoint position;
    double altMetres = 0;
    double heading = 0; // true course of the localizer
    double mhz = 0;
    double rangeNm = 18;
    double magvar = 0; // as the airport header writes it
    double width = 5;
    bool backCourse = false;
    std::string name;
    // Not written into the file; what the approach synthesis needs: whether a glide slope goes with
    // the localizer (an ILS approach), its angle, and the DME that works with it.
    bool glideSlope = false;
    double glidePathDegrees = 3;
    std::optional<GeoPoint> dme;
};

struct SceneryRunwayEnd {
    std::string number;                  // "16", "09", "NORTH"
    std::string designator;              // NONE LEFT RIGHT CENTER WATER ...
    GeoPoint position;                   // the end of the drawn runway
    double heading = 0;                  // true, towards the other end
    double displacedThresholdMetres = 0; // the landing threshold lies this far inside the end

    // The start position a pilot's file gives for the end; without one the start is the end.
    std::optional<GeoPoint> start = std::nullopt;
};

struct SceneryRunway {
    SceneryRunwayEnd primary, secondary;
    std::string surface = "ASPHALT";
    double lengthMetres = 0, widthMetres = 0;
    std::string startType = "RUNWAY"; // RUNWAY or WATER
    std::vector<SceneryVasi> vasis;
    std::vector<SceneryIls> ils;
};

struct SceneryHelipad {
    std::string number; // written as the number of both of its starts
    GeoPoint position;
    double heading = 0, lengthMetres = 0, widthMetres = 0;
    std::string surface = "ASPHALT";
};

struct SceneryTaxiPoint {
    std::string type = "NORMAL"; // NORMAL, HOLD_SHORT, ILS_HOLD_SHORT, ...
    GeoPoint position;
};

struct SceneryParking {
    GeoPoint position;
    double heading = 0, radiusMetres = 10;
    std::string type = "RAMP_GA"; // GATE_HEAVY, RAMP_GA_SMALL, FUEL, ...
    std::string name = "PARKING"; // PARKING, GATE, GATE_A ... GATE_Z, ...
    int number = 0;
};

struct SceneryTaxiPath {
    std::string type = "TAXI"; // TAXI, RUNWAY, PATH, PARKING, VEHICLE, CLOSED
    int start = 0, end = 0;    // taxi-point numbers (for PARKING paths, end is a parking number)
    int name = 0;              // taxi-name number (not written for RUNWAY paths)
    std::string runwayNumber, runwayDesignator = "NONE"; // RUNWAY paths
    double widthMetres = 0;
    std::string surface = "ASPHALT";
};

using SceneryRing = std::vector<GeoPoint>;

struct SceneryApron {
    std::string surface = "ASPHALT";
    SceneryRing vertices; // open ring: the first vertex is not repeated
};

struct SceneryLeg {
    std::string type;    // IF, CF, TF, ...
    std::string fixType; // TERMINAL_WAYPOINT, RUNWAY, VOR, NDB, ...
    std::string fixIdent;
    std::optional<double> magneticCourse;
    std::optional<double> rhoMetres;
    std::string altitudeDescriptor; // A, +, -, ...
    std::optional<double> altitudeFeet;
    std::string recommendedType, recommendedIdent;
};

struct SceneryTransition {
    std::string transitionType = "FULL";
    std::string fixType, fixIdent;
    double altitudeFeet = 0;
    std::vector<SceneryLeg> legs;
};

struct SceneryApproach {
    std::string type; // ILS, GPS, ...
    std::string runway, designator = "NONE";
    std::string fixType, fixIdent; // the final approach fix
    double altitudeFeet = 0;
    double heading = 0; // magnetic final approach course
    std::vector<SceneryLeg> legs;
    std::vector<SceneryTransition> transitions;
};

struct SceneryWaypoint {
    std::string type = "NAMED"; // NAMED, VOR, NDB, FAF, IAF, ...
    std::string ident;
    GeoPoint position;
};

struct SceneryNdb {
    std::string type = "H"; // H, HH, MH, COMPASS_POINT
    double khz = 0;
    GeoPoint position;
    double altMetres = 0, rangeNm = 0;
    std::string ident, name;
};

struct SceneryAirportModel {
    std::string ident, country, state, city, name;
    GeoPoint position;
    double altMetres = 0;
    double magvar = 0; // west positive, 0 ... 360: an east variation of 15 is 345
    std::optional<SceneryTower> tower;
    std::vector<SceneryCom> coms;
    std::vector<SceneryRunway> runways;
    std::vector<SceneryHelipad> helipads;
    std::vector<SceneryApron> aprons;
    SceneryRing boundaryFence;
    std::vector<SceneryTaxiPoint> taxiPoints;
    std::vector<SceneryParking> parking;
    std::vector<std::string> taxiNames;
    std::vector<SceneryTaxiPath> taxiPaths;
    std::vector<SceneryApproach> approaches;
    std::vector<SceneryWaypoint> waypoints;
    std::vector<SceneryNdb> ndbs;
};

} // namespace qelvar::import
