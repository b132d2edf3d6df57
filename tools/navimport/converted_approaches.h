// Approaches for a pilot's airport that brings none: the straight-in approaches of the bundled
// files (approaches.h), an ILS approach for each runway end with a localizer in the file and a GPS
// approach for every other runway end, with transitions from the two VOR or NDB stations of the
// kit's vor.nav and ndb.nav nearest the airport.
#pragma once

#include "scenery_model.h"
#include "sources.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qelvar::import {

// The stations of a vor.nav or ndb.nav file of the kit ("tag;lonDeg;lonMin;latDeg;
// latMin;name;ident;frequency"), as nav.dat code 3 or 2. A missing file gives none; lines that are
// not stations are passed over.
std::vector<NavAid> ReadKitStations(const std::filesystem::path &file, int code);

// Adds the approaches, their fixes and the transitions' stations (as waypoints) to an airport that
// has no approach; returns their names ("ILS 27R", "GPS 09L") in the order added.
std::vector<std::string> SynthesizeApproaches(SceneryAirportModel &airport,
                                              const std::vector<NavAid> &stations);

} // namespace qelvar::import
