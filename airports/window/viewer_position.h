// The live position in the windows of Qelvar Airports and Qelvar Approach: the aircraft over the
// chart at the chart's scale, a "Follow" switch and a status text in the free part of the right
// column (between the zoom buttons and EXIT), and for the diagram the offer of another airport of
// the index when the aircraft stays on the ground near it.
#pragma once

#include "airports/window/scenery_viewer_window.h"
#include "position/qt/live_position.h"
#include "position/surroundings.h"
#include "scenery/scenery_airport.h"

#include <cstdint>
#include <functional>

namespace qelvar {

class frmArpt;

// The grid of the scenery files for a position in degrees (east and north positive): eastward
// from 180° W, and northward within each hemisphere, as the reader turns the files' texts.
int64_t LongitudeToGrid(double longitude, int32_t unitsPerDegree);
int64_t LatitudeToGrid(double latitude, int32_t unitsPerDegree);
// And back.
GeoPoint GridToDegrees(int64_t x, int64_t y, int32_t unitsPerDegree, bool south);

// Where a position lands on the chart of the airport, in twips (the chart's transform, with the
// window's zoom and pan); none when the airport's reference point cannot be read.
std::optional<QPointF> ChartPicturePosition(const AirportHeader &header, int32_t unitsPerDegree, int zoom,
                                            int panX, int panY, double latitude, double longitude);

struct ViewerPositionSetup {
    int32_t unitsPerDegree = 0;
    std::function<const SceneryAirport *()> shownAirport; // none while no chart is shown
    std::function<std::string(const AircraftFix &fix)> nextPoint;
    bool offerNearbyAirports = false;
};

// Creates the live position of the window, owned by the window.
LivePosition *AttachViewerPosition(SceneryViewerWindow &window, const PositionState &state,
                                   std::function<std::string()> sourceText, ViewerPositionSetup setup);

// The button that offers another airport: "Show KBFI"; hidden while there is none to offer.
CaptionButton *NearbyAirportButton(SceneryViewerWindow &window);

// The live position of Qelvar Airports: the aircraft on the diagram, and the offer of a nearby airport.
LivePosition *AttachAirportPosition(frmArpt &window, const PositionState &state,
                                    std::function<std::string()> sourceText);

} // namespace qelvar
