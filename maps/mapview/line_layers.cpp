// Coastlines, borders, runways and the route.
#include "maps/mapview/geometry.h"
#include "maps/mapview/map_painter.h"

namespace qelvar {

namespace {

// True when a map point lands outside the clip rectangle whichever way its twips round: the
// clipper never draws a segment with both ends outside, so such segments are skipped before the
// rounding. Differences beyond 32 bits are left to ToScreen, which reports them.
class SurelyOutside {
public:
    explicit SurelyOutside(const MapView &view)
        : originX_(view.OriginX), originY_(view.OriginY), lowX_(-int64_t{view.ScaleX}),
          lowY_(-int64_t{view.ScaleY}), highX_((kClipRect.right + int64_t{1}) * view.ScaleX),
          highY_((kClipRect.bottom + int64_t{1}) * view.ScaleY) {}
    bool operator()(int32_t X, int32_t Y) const {
        int64_t dx = int64_t{X} - originX_, dy = int64_t{Y} - originY_;
        if (dx != static_cast<int32_t>(dx) || dy != static_cast<int32_t>(dy))
            return false;
        return dx < lowX_ || dx > highX_ || dy < lowY_ || dy > highY_;
    }

private:
    int64_t originX_, originY_, lowX_, lowY_, highX_, highY_;
};

// Every segment between two neighbouring entries with X != 0, through the clipper.
void DrawClippedPolylines(MapPainter &p, const PolylineLayer &layer) {
    SurelyOutside surelyOutside(p.view());
    bool startOutside = surelyOutside(layer.XAt(0), layer.YAt(0));
    for (int32_t i = 0; i <= layer.count; ++i) {
        bool endOutside = surelyOutside(layer.XAt(i + 1), layer.YAt(i + 1));
        bool bothOutside = startOutside && endOutside;
        startOutside = endOutside;
        if (layer.XAt(i) == 0 || layer.XAt(i + 1) == 0 || bothOutside)
            continue;
        TwipPoint a = p.Screen(layer.XAt(i), layer.YAt(i));
        TwipPoint b = p.Screen(layer.XAt(i + 1), layer.YAt(i + 1));
        LineClip(p.canvas, p.scene.sink, a.x, a.y, b.x, b.y);
    }
}

// Runs a layer that traps its own run-time errors: the routine message, and the layer ends.
template <typename Draw> void Trapped(MapPainter &p, const char *procedure, Draw draw) {
    try {
        draw();
    } catch (const RuntimeError &error) {
        ShowRoutineError(p.scene.sink, error, procedure, "Module3");
    }
}

} // namespace

// Scales 5,000 and 2,500: no clipping; a segment is drawn when its first point passes the origin test.
void DrawCoastDirect(MapPainter &p) {
    const PolylineLayer &coast = p.db().CoastLayer;
    p.canvas.SetColor(kCoastColor);
    for (int32_t i = 0; i <= coast.count; ++i) {
        if (coast.XAt(i) == 0 || coast.XAt(i + 1) == 0 || !p.PassesOrigin(coast.XAt(i), coast.YAt(i)))
            continue;
        TwipPoint a = p.Screen(coast.XAt(i), coast.YAt(i));
        TwipPoint b = p.Screen(coast.XAt(i + 1), coast.YAt(i + 1));
        p.canvas.Line(a.x, a.y, b.x, b.y);
    }
}

void DisplayCoast(MapPainter &p) {
    Trapped(p, "DisplayCoast", [&] {
        p.canvas.SetColor(kCoastColor);
        DrawClippedPolylines(p, p.db().CoastLayer);
    });
}

void DisplayBorder(MapPainter &p) {
    Trapped(p, "DisplayBorder", [&] {
        p.canvas.SetColor(kBorderColor);
        DrawClippedPolylines(p, p.db().BorderLayer);
    });
}

// Runways as 4-pixel lines at scales below 500, with 10 NM extended centre lines below 60.
void Displayrwy(MapPainter &p) {
    Trapped(p, "Displayrwy", [&] {
        const PointTable<Runway> &runways = p.db().RunwayTable;
        p.canvas.SetColor(kRunwayLayerColor);
        ForEachPastOrigin(runways.entries, runways.count, p.view(),
                          [&](int32_t, const Runway &r, TwipPoint at) {
                              if (r.X == 0)
                                  return;
                              if (!InClipRect(at.x, at.y))
                                  return;
                              UnitPoint end{r.X, r.Y};
                              CalcSegment(r.X, r.Y, r.Heading, r.DrawLength, end.X, end.Y);
                              TwipPoint e = p.Screen(end.X, end.Y);
                              if (p.scale() >= 500) {
                                  p.canvas.SetColor(kRunwayLayerColor);
                                  return;
                              }
                              p.canvas.SetColor(kRunwayColor);
                              p.canvas.SetLineWidth(4);
                              TwipPoint from = at;
                              LineClip(p.canvas, p.scene.sink, from.x, from.y, e.x, e.y);
                              p.canvas.SetLineWidth(1);
                              if (p.scale() < 60) {
                                  for (int32_t course : {r.Heading, ReciprocalCourse(r.Heading)}) {
                                      UnitPoint far{r.X, r.Y};
                                      CalcSegment(r.X, r.Y, course, 10, far.X, far.Y);
                                      TwipPoint f = p.Screen(far.X, far.Y);
                                      from = at;
                                      LineClip(p.canvas, p.scene.sink, from.x, from.y, f.x, f.y);
                                  }
                              }
                          });
    });
}

void DrawRoute(MapPainter &p) {
    p.canvas.SetColor(kRouteColor);
    WalkRoute(p.scene.route, p.view(),
              [&](TwipPoint from, TwipPoint to) { p.canvas.Line(from.x, from.y, to.x, to.y); });
}

} // namespace qelvar
