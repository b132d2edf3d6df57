// The airport diagram: the header, then a to-scale ground diagram centred on the airport reference
// point, drawn from the tables of one scenery file with the window's view state.
#pragma once

#include "platform/canvas.h"
#include "scenery/scenery_airport.h"

#include <string>

namespace qelvar {

inline constexpr int kFirstZoom = 1; // grid units per twip at the closest view
inline constexpr int kLastZoom = 10;
inline constexpr int kNewAirportZoom = 4;

struct DiagramView {
    int zoom = kNewAirportZoom; // grid units per twip, 1 to 10
    int panX = 0, panY = 0;     // twips added to every diagram position
    bool parking = false;       // parking spots shown
    bool taxiLabels = false;    // taxiway names shown
};

// What the diagram could not draw. Records are left out whole; nothing is drawn from a record that
// does not exist.
struct DiagramReport {
    bool placed = false;    // the reference point could be read: the diagram was drawn
    int unreadable = 0;     // records left out for a coordinate text that cannot be read
    int missingRecords = 0; // paths, runways and labels that refer to a record the file lacks
};

// Draws the header and then the diagram: centre cross, reference point, tower, taxi points, aprons
// and fences, taxi paths, parking spots, runways. Without a readable reference point only the
// header and a line saying so are drawn. Raises Overflow (6) for a pan beyond kFarthestTwips.
DiagramReport RedrawAirport(Canvas &canvas, SceneryAirport &airport, const DiagramView &view);

// A short sentence on what the diagram left out; empty when it drew everything.
std::string DiagramNotice(const DiagramReport &report);

// A line width in screen pixels from a metre text with its unit letter: "23.0M" gives 2 (the number
// divided by 10, rounded half to even). An empty or unreadable text gives 0.
int MetreTextToPixels(const std::string &text);

// The label of a parking spot: its number, and for a name of at least 6 characters that begins with
// "GATE" the name's last character ("12" and "GATE_B" give "12B").
std::string ParkingLabel(const ParkingSpot &spot);

} // namespace qelvar
