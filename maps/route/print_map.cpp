#include "maps/route/print_map.h"

#include "maps/mapview/geometry.h"
#include "maps/mapview/symbols.h"
#include "maps/route/print_recipes.h"

namespace qelvar {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kThresholdColor{128, 0, 64};
constexpr Rgb kPaperIlsColor{0, 128, 0};
constexpr Rgb kPaperIntersectionColor{255, 0, 255};

// The page being drawn: the scene, the canvas, and the font size in effect (labels may use it).
struct Page {
    MapScene &scene;
    Canvas &canvas;
    double fontSize = 0;

    const NavDatabase &db() const { return scene.db; }
    int32_t scale() const { return scene.view.ScaleX; }
    TwipPoint At(int32_t X, int32_t Y) const { return ToScreen(scene.view, X, Y); }
    bool PassesOrigin(int32_t X, int32_t Y) const { return PassesOriginTest(scene.view, X, Y); }
    void Text(int32_t x, int32_t y, const std::string &text, double size) {
        if (size != kSizeInEffect)
            fontSize = size;
        canvas.Text(x, y, text, fontSize);
    }
    void Clip(TwipPoint a, TwipPoint b) { LineClip(canvas, scene.sink, a.x, a.y, b.x, b.y, kPageFrame); }
};

template <typename Draw> void Trapped(Page &page, const char *procedure, Draw draw) {
    try {
        draw();
    } catch (const RuntimeError &error) {
        ShowRoutineError(page.scene.sink, error, procedure, "Module3");
    }
}

void PrintCoast(Page &page) {
    Trapped(page, "DisplayCoast", [&] {
        const PolylineLayer &coast = page.db().CoastLayer;
        page.canvas.SetLineWidth(2);
        page.canvas.SetColor(kCoastColor);
        for (int32_t i = 0; i <= coast.count; ++i)
            if (coast.XAt(i) != 0 && coast.XAt(i + 1) != 0 && page.PassesOrigin(coast.XAt(i), coast.YAt(i)))
                page.Clip(page.At(coast.XAt(i), coast.YAt(i)), page.At(coast.XAt(i + 1), coast.YAt(i + 1)));
        page.canvas.SetLineWidth(1);
    });
}

void PrintBorders(Page &page) {
    if (!page.db().LayerFlags.Borders)
        return;
    Trapped(page, "DisplayBorder", [&] {
        const PolylineLayer &borders = page.db().BorderLayer;
        page.canvas.SetColor(kBlack);
        for (int32_t i = 0; i <= borders.count; ++i)
            if (borders.XAt(i) != 0 && borders.XAt(i + 1) != 0)
                page.Clip(page.At(borders.XAt(i), borders.YAt(i)),
                          page.At(borders.XAt(i + 1), borders.YAt(i + 1)));
    });
}

TwipPoint RunwayEnd(const Page &page, const Runway &r, int32_t course, double distance) {
    UnitPoint end{r.X, r.Y};
    CalcSegment(r.X, r.Y, course, distance, end.X, end.Y);
    return page.At(end.X, end.Y);
}

// A point at every threshold; the runway line below 1,000; close in the extended centre lines
// and the runway drawn again wide.
void PrintRunways(Page &page) {
    if (!page.db().LayerFlags.Runways)
        return;
    Trapped(page, "Displayrwy", [&] {
        const PointTable<Runway> &runways = page.db().RunwayTable;
        ForEachPastOrigin(runways.entries, runways.count, page.scene.view,
                          [&](int32_t, const Runway &r, TwipPoint at) {
                              if (r.X == 0)
                                  return;
                              if (!InClipRect(at.x, at.y)) // the screen's rectangle, not the page's
                                  return;
                              page.canvas.SetColor(kThresholdColor);
                              page.canvas.Point(at.x, at.y);
                              if (page.scale() >= 1000)
                                  return;
                              TwipPoint end = RunwayEnd(page, r, r.Heading, r.DrawLength);
                              page.canvas.SetColor(kBlack);
                              page.canvas.SetLineWidth(4);
                              page.Clip(at, end);
                              page.canvas.SetLineWidth(1);
                              if (page.scale() < 60) {
                                  page.canvas.SetLineWidth(2);
                                  page.Clip(at, RunwayEnd(page, r, r.Heading, 10));
                                  page.Clip(at, RunwayEnd(page, r, ReciprocalCourse(r.Heading), 10));
                                  page.canvas.SetLineWidth(15);
                                  page.Clip(at, end);
                                  page.canvas.SetLineWidth(1);
                              }
                          });
    });
}

void PrintIls(Page &page) {
    if (!page.db().LayerFlags.Ils)
        return;
    const PointTable<IlsEntry> &table = page.db().IlsTable;
    page.canvas.SetColor(kPaperIlsColor);
    auto forEachOnPage = [&](auto draw) {
        ForEachPastOrigin(table.entries, table.count, page.scene.view,
                          [&](int32_t i, const IlsEntry &ils, TwipPoint at) {
                              if (InClipRect(at.x, at.y, kPageFrame))
                                  draw(i, ils, at);
                          });
    };
    if (page.scale() == 2)
        forEachOnPage([&](int32_t i, const IlsEntry &ils, TwipPoint at) {
            page.scene.hits.Append(i, "ILS", at.x, at.y);
            page.canvas.Point(at.x, at.y);
            page.canvas.Circle(at.x, at.y, 10);
            page.canvas.Circle(at.x, at.y, 40);
            int32_t labelX = ils.Course <= 180 ? at.x + 150 : at.x - 800;
            page.Text(labelX, at.y - 100, ils.Text0 + " " + ils.Text1, 8);
            page.Text(labelX, at.y + 50, ils.Text2 + " - " + ShortestDecimal(ils.Course) + " DEG", 8);
        });
    forEachOnPage([&](int32_t i, const IlsEntry &ils, TwipPoint at) {
        page.canvas.Point(at.x, at.y);
        page.canvas.Circle(at.x, at.y, 10);
        TwipPoint end = IlsCourseEnd(page.scene.view, ils);
        page.canvas.Line(at.x, at.y, end.x, end.y);
        page.scene.hits.Append(i, "ILS", at.x, at.y);
    });
}

void PrintIntersections(Page &page) {
    if (!page.db().LayerFlags.Intersections)
        return;
    Trapped(page, "DisplayIntersection", [&] {
        const PointTable<Intersection> &table = page.db().IntersectionTable;
        page.canvas.SetColor(kPaperIntersectionColor);
        ForEachPastOrigin(table.entries, table.count, page.scene.view,
                          [&](int32_t, const Intersection &fix, TwipPoint at) {
                              if (!InClipRect(at.x, at.y, kPageFrame))
                                  return;
                              page.canvas.Point(at.x, at.y);
                              page.canvas.Line(at.x, at.y, at.x + 40, at.y);
                              page.canvas.Line(at.x + 40, at.y, at.x + 20, at.y - 40);
                              page.canvas.Line(at.x + 20, at.y - 40, at.x, at.y);
                              page.Text(at.x - 200, at.y - 150, fix.Name, 6);
                          });
    });
}

void PrintHills(Page &page) {
    const PaperHillRow *row = PaperHillRowFor(page.scale());
    if (!page.db().LayerFlags.Hills || !row)
        return;
    const PointTable<Hill> &table = page.db().HillTable;
    page.canvas.SetColor(kBlack);
    ForEachPastOrigin(table.entries, table.count, page.scene.view,
                      [&](int32_t, const Hill &hill, TwipPoint at) {
                          if (hill.X == 0)
                              return; // a comment line's empty entry: no peak
                          if (!InClipRect(at.x, at.y, kPageFrame))
                              return;
                          if (row->crossArm == 0)
                              page.canvas.Point(at.x, at.y);
                          else
                              Cross(page.canvas, at, row->crossArm);
                          if (row->nameSize != 0)
                              page.Text(at.x - 200, at.y - 200, hill.Name, row->nameSize);
                          if (row->elevationSize != 0)
                              page.Text(at.x - 200, at.y - 300, hill.Elevation, row->elevationSize);
                      });
}

// VOR, NDB and airports are drawn without the page test at the two coarsest scales.
bool OnPage(const Page &page, TwipPoint at) {
    return page.scale() == 5000 || page.scale() == 2500 || InClipRect(at.x, at.y, kPageFrame);
}

void PrintVors(Page &page) {
    const PaperVorRow *row = PaperVorRowFor(page.scale());
    if (!page.db().LayerFlags.Vor || !row)
        return;
    const PointTable<VorStation> &table = page.db().VorTable;
    page.canvas.SetColor(kVorColor);
    ForEachPastOrigin(table.entries, table.count, page.scene.view,
                      [&](int32_t, const VorStation &vor, TwipPoint at) {
                          if (!OnPage(page, at))
                              return;
                          if (row->point)
                              page.canvas.Point(at.x, at.y);
                          if (row->circle != 0)
                              page.canvas.Circle(at.x, at.y, row->circle);
                          for (const VorLabel &label : row->labels)
                              page.Text(at.x, at.y + label.dy, StationTextOf(vor, label.text), label.size);
                      });
}

void PrintNdbs(Page &page) {
    const PaperNdbRow *row = PaperNdbRowFor(page.scale());
    if (!page.db().LayerFlags.Ndb || !row)
        return;
    const PointTable<NdbStation> &table = page.db().NdbTable;
    page.canvas.SetColor(kNdbColor);
    ForEachPastOrigin(
        table.entries, table.count, page.scene.view, [&](int32_t, const NdbStation &ndb, TwipPoint at) {
            if (!OnPage(page, at))
                return;
            if (row->point)
                page.canvas.Point(at.x, at.y);
            for (int r : row->circles)
                page.canvas.Circle(at.x, at.y, r);
            for (const NdbLabel &label : row->labels) {
                page.Text(LabelLeftOf(at.x, label.perCharacter, StationTextOf(ndb, label.lengthOf).size()),
                          at.y + label.dy, StationTextOf(ndb, label.text), label.size);
            }
        });
}

void PrintAirports(Page &page) {
    const AirportRow *row = PaperAirportRowFor(page.scale());
    const LayerFlagSet &flags = page.db().LayerFlags;
    if (!flags.IntlAirports || !row)
        return;
    const AirportTableData &table = page.db().AirportTable;
    ForEachPastOrigin(table.entries, table.AirportCount, page.scene.view,
                      [&](int32_t, const Airport &airport, TwipPoint at) {
                          if (row->inViewOnly && !InClipRect(at.x, at.y, kPageFrame))
                              return;
                          bool international = airport.Type == "AD";
                          if (!international && !flags.LocalAirports)
                              return;
                          const AirportStyle &style = international ? row->international : row->local;
                          page.canvas.SetColor(international ? kBlack : kLocalColor);
                          if (style.point)
                              page.canvas.Point(at.x, at.y);
                          for (int r : style.circles)
                              page.canvas.Circle(at.x, at.y, r);
                          for (const AirportLabel &label : style.labels)
                              page.Text(at.x + label.dx, at.y + label.dy, AirportTextOf(airport, label.text),
                                        label.size);
                      });
}

// The route in black, walked as on the map, not clipped.
void PrintRoute(Page &page) {
    page.canvas.SetColor(kBlack);
    WalkRoute(page.scene.route, page.scene.view,
              [&](TwipPoint from, TwipPoint to) { page.canvas.Line(from.x, from.y, to.x, to.y); });
}

void ClampScale(MapView &view) {
    view.ScaleX = std::max(view.ScaleX, 2);
    view.ScaleY = std::max(view.ScaleY, 2);
}

} // namespace

std::string PrintFooter(int32_t scale) {
    return "Kordax" + std::string(7, ' ') + "** do not use for navigation **" +
           "  Zoom: " + std::to_string(scale);
}

void PrintMap(MapScene &scene, Canvas &canvas) {
    Page page{scene, canvas};
    canvas.SetFontName("Small Fonts");
    canvas.SetLineStyle(LineStyle::Solid);
    canvas.SetLineWidth(5);
    canvas.SetColor(kBlack);
    canvas.Line(1, 1, 16'000, 1);
    canvas.Line(1, 1, 1, 11'000);
    canvas.Line(16'000, 1, 16'000, 11'000);
    canvas.Line(1, 11'000, 16'000, 11'000);
    page.Text(201, 11'200, PrintFooter(scene.view.ScaleX), 12);
    canvas.SetLineWidth(1);
    ClampScale(scene.view);
    PrintCoast(page);
    PrintBorders(page);
    PrintRunways(page);
    PrintIls(page);
    PrintIntersections(page);
    PrintHills(page);
    PrintVors(page);
    PrintNdbs(page);
    PrintAirports(page);
    PrintRoute(page);
    ClampScale(scene.view);
}

} // namespace qelvar
