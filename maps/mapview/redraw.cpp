#include "redraw.h"

#include "maps/mapview/map_painter.h"
#include "maps/mapview/map_recipes.h"

namespace qelvar {

std::string MapCaption(int32_t scale) {
    return "Qelvar Maps     Zoom =  " + std::to_string(scale);
}

namespace {

void ClampScale(MapView &view) {
    if (view.ScaleX < 2)
        view.ScaleX = 2;
    if (view.ScaleY < 2)
        view.ScaleY = 2;
}

void DrawLayer(MapPainter &p, MapLayer layer, CoastDrawing coast) {
    const LayerFlagSet &flags = p.db().LayerFlags;
    switch (layer) {
    case MapLayer::Coast:
        coast == CoastDrawing::Direct ? DrawCoastDirect(p) : DisplayCoast(p);
        break;
    case MapLayer::Borders:
        if (flags.Borders)
            DisplayBorder(p);
        break;
    case MapLayer::Runways:
        if (flags.Runways)
            Displayrwy(p);
        break;
    case MapLayer::Intersections:
        if (flags.Intersections)
            DisplayIntersection(p);
        break;
    case MapLayer::Hills:
        if (flags.Hills)
            DisplayHills(p);
        break;
    case MapLayer::Vor:
        if (flags.Vor)
            DisplayVors(p);
        break;
    case MapLayer::Ndb:
        if (flags.Ndb)
            DisplayNdbs(p);
        break;
    case MapLayer::Ils:
        if (flags.Ils)
            DisplayIls(p);
        break;
    case MapLayer::Route:
        DrawRoute(p);
        break;
    case MapLayer::Airports:
        if (flags.IntlAirports)
            DisplayAirports(p);
        break;
    case MapLayer::Marker:
        if (!p.db().MarkedAirport.empty())
            MarkAirport(p, p.db().MarkedAirport);
        break;
    }
}

} // namespace

RedrawResult RedrawMap(MapScene &scene, Canvas &canvas) {
    RedrawResult result;
    MapPainter painter{scene, canvas, result};
    canvas.Clear();
    canvas.SetLineWidth(1);
    canvas.SetLineStyle(LineStyle::Solid);
    canvas.SetFontName("Small Fonts");
    canvas.SetColor(kCentreMarkColor);
    canvas.Circle(7'780, 3'990, 200);
    ClampScale(scene.view);
    scene.hits.Clear();
    result.caption = MapCaption(scene.view.ScaleX);
    if (const LevelRecipe *level = LevelFor(scene.view.ScaleX))
        for (MapLayer layer : level->order)
            DrawLayer(painter, layer, level->coast);
    ClampScale(scene.view);
    return result;
}

} // namespace qelvar
