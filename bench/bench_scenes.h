// The scenes that the benchmarks time and that canvas_pictures writes to PNG files: the map on the
// bundled data at its twelve scales, the five hub diagrams at zoom 1, 4 and 10, and the approach
// chart of KSEA ILS 16L. One place for them, so that the pictures compared are the ones timed.
#pragma once

#include "airports/redraw_airport.h"
#include "approach/vor_records.h"
#include "maps/mapview/map_view.h"
#include "maps/navdata/nav_database.h"
#include "scenery/scenery_airport.h"

#include <array>
#include <cstdint>
#include <string>

namespace qelvar::bench {

inline constexpr std::array<int32_t, 12> kMapScales{5000, 2500, 1250, 625, 312, 156, 78, 40, 20, 10, 5, 2};
inline constexpr std::array<const char *, 5> kHubs{"KSEA", "KLSV", "EDDF", "EGLL", "KJFK"};
inline constexpr std::array<int, 3> kHubZooms{1, 4, 10};
inline constexpr int kMapWidth = 15'615; // the main window's picture, in twips
inline constexpr int kMapHeight = 7'815;

// The bundled data, loaded once, with every layer on (the intersections too).
NavDatabase &BundledNavData();
// The view at a scale, centred on Frankfurt (50 02 N, 8 34 E) except at the world view.
MapView MapViewAt(int32_t scale);

// A bundled airport read once with the diagram's rows (ident as in kHubs).
SceneryAirport &HubDiagram(const std::string &ident);
// The diagram view at a zoom with parking spots and taxi labels on, the fullest picture.
DiagramView HubView(int zoom);

// KSEA read once with the approach rows, and the bundled VOR records.
SceneryAirport &ApproachAirport();
const VorRecords &BundledVors();
// The list index of the KSEA approach labelled "ILS 16L".
int Ils16LApproach();

} // namespace qelvar::bench
