// The one full redraw of the map picture: clears it, draws every layer of the current scale's
// recipe and rebuilds the hit list of drawn objects.
#pragma once

#include "maps/mapview/hit_list.h"
#include "maps/mapview/map_colors.h"
#include "maps/mapview/map_view.h"
#include "maps/mapview/route_points.h"
#include "maps/navdata/nav_database.h"
#include "platform/canvas.h"
#include "platform/messages.h"

#include <optional>
#include <string>

namespace qelvar {

// Everything the redraw reads and the hit list it writes.
struct MapScene {
    NavDatabase &db;
    MapView &view;
    HitList &hits;
    const RoutePointTable &route;
    MessageSink &sink;
};

// What the redraw asks of the main window besides the picture.
struct RedrawResult {
    std::string caption;                    // "Qelvar Maps     Zoom =  5000"
    std::string displayAppend;              // appended to txtDisplay (the ILS list at scale 2)
    std::optional<std::string> displayText; // replaces txtDisplay (the marked airport's block)
    bool ringsDrawn = false;                // the marker drew its rings: hide the route box
};

RedrawResult RedrawMap(MapScene &scene, Canvas &canvas);

// The caption of the main window for a scale.
std::string MapCaption(int32_t scale);

} // namespace qelvar
