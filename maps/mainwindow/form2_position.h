// The live position in the main window of Qelvar Maps: the aircraft over the map picture at every
// scale, and below the map a "Follow" switch and a status line (ground speed, track, altitude, the
// age of the fix, the next route point, what was dropped, the source).
#pragma once

#include "maps/mainwindow/form2.h"
#include "position/qt/live_position.h"

namespace qelvar {

// Where a position lands on the map picture (twips, as every map object: map units rounded, then
// ToScreen); none beyond the map's 32-bit range.
std::optional<QPointF> MapPicturePosition(const MapView &view, double latitude, double longitude);

// The next point of the route shown ("next route point 3 12.3 NM 245°"); empty without a route.
std::string NextRoutePointText(const RoutePointTable &route, const AircraftFix &fix);

// Creates the live position of the window, owned by the window.
LivePosition *AttachLivePosition(Form2 &form, const PositionState &state,
                                 std::function<std::string()> sourceText);

} // namespace qelvar
