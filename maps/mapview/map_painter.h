// The state one redraw passes between its layers: the scene, the canvas and what it reports.
#pragma once

#include "maps/mapview/redraw.h"

namespace qelvar {

struct MapPainter {
    MapScene &scene;
    Canvas &canvas;
    RedrawResult &result;

    const NavDatabase &db() const { return scene.db; }
    const MapView &view() const { return scene.view; }
    int32_t scale() const { return scene.view.ScaleX; }
    TwipPoint Screen(int32_t X, int32_t Y) const { return ToScreen(scene.view, X, Y); }
    // Point objects and route points are considered only right and below the view origin.
    bool PassesOrigin(int32_t X, int32_t Y) const { return PassesOriginTest(scene.view, X, Y); }
};

// The line layers and the route (line_layers.cpp).
void DrawCoastDirect(MapPainter &p);
void DisplayCoast(MapPainter &p);
void DisplayBorder(MapPainter &p);
void Displayrwy(MapPainter &p);
void DrawRoute(MapPainter &p);

// The point layers (point_layers.cpp).
void DisplayHills(MapPainter &p);
void DisplayVors(MapPainter &p);
void DisplayNdbs(MapPainter &p);
void DisplayIls(MapPainter &p);
void DisplayIntersection(MapPainter &p);
void DisplayAirports(MapPainter &p);

// The airport marker (marker.cpp).
void MarkAirport(MapPainter &p, const std::string &code);

} // namespace qelvar
