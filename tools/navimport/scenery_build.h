// One bundled airport's scenery model from the open data: apt.dat for the ground layout, nav.dat
// for localizers, variation, NDBs and transitions, fix.dat for the named fixes around it.
#pragma once

#include "approaches.h"
#include "apt_scenery.h"
#include "import_log.h"
#include "navaid_index.h"
#include "scenery_model.h"

#include <QString>
#include <string>
#include <vector>

namespace qelvar::import {

// Navaids within this distance of the airport go into its file, and of the named fixes within it
// the nearest six (all of them would make the scenery folder a third larger; no viewer draws them).
constexpr double kNavaidReachNm = 40;
constexpr size_t kNamedFixesPerAirport = 6;
// Taxiways of the taxi network have no width in apt.dat: the width of an ICAO code E taxiway.
constexpr double kNetworkTaxiwayWidthMetres = 23;
// A legacy taxiway rectangle wider than any taxiway is an apron: written as its outline.
constexpr double kWidestTaxiwayMetres = 60;

// What the kit knows of the airport apart from apt.dat (OurAirports and the importer's choices).
struct SceneryAirportSource {
    std::string icao;
    QString name, city, country, state;
    GeoPoint position;
    double elevationFeet = 0;
    bool scheduledService = false;
    double variationEast = 0; // the World Magnetic Model's at the airport
};

// apt.dat's airport may be missing: the file then has the header and the navaids only. What was
// mended (runway ends swapped, duplicate runways, localizers not used) is counted into the log.
SceneryAirportModel BuildSceneryAirport(const SceneryAirportSource &source, const AptSceneryAirport *apt,
                                        const NavaidIndex &navaids, ImportLog *log = nullptr);

// The two stations (VOR or NDB) nearest a position within reach, where the transitions of its
// synthesized approaches start; idents that two of them share are passed over, so that every
// transition names one place.
std::vector<TransitionStart> TransitionStartsNear(GeoPoint centre, const NavaidIndex &navaids);

// Runway end texts: "07C" -> "07" + "CENTER", "9" -> "09" + "NONE", "36W" -> "36" + "WATER".
struct RunwayNumber {
    std::string number, designator;
};
RunwayNumber SplitRunwayNumber(const std::string &end);

// Variation (east positive) as the airport header writes it: west positive, 0 ... 360.
double HeaderMagvar(double variationEast);

// apt.dat surface codes as the scenery's surface names.
std::string SurfaceName(int aptSurface);

// The parking record of a start-up spot: type from the 1300 type and classes (RAMP_GA for row
// 15), name GATE_x and number when the name ends in a letter and digits, a bare number when it
// ends in digits, otherwise PARKING and the next free sequential number.
SceneryParking ParkingOf(const AptStartup &spot, int &sequentialNumber);

} // namespace qelvar::import
