// Mountain peaks, VOR, NDB, ILS, intersections and airports: symbols and labels by the recipe of
// the current scale, and the hit-list entries of the objects drawn in view.
#include "maps/mapview/geometry.h"
#include "maps/mapview/map_painter.h"
#include "maps/mapview/map_recipes.h"
#include "maps/mapview/symbols.h"
#include "platform/numbers.h"

#include <cstdlib>

namespace qelvar {

namespace {

// The drawing colour of a peak. The name is read as a number first (its leading numeric part);
// every peak gets the same colour whatever it is.
void HillColor(Canvas &canvas, const std::string &name) {
    [[maybe_unused]] double number = std::strtod(name.c_str(), nullptr);
    canvas.SetColor(kHillColor);
}

// Scale 2 only: every ILS in view with two rings and its labels, listed in the information box.
void IlsListPass(MapPainter &p) {
    const PointTable<IlsEntry> &table = p.db().IlsTable;
    p.result.displayAppend += "\r\n----- ILS -----\r\n";
    ForEachPastOrigin(table.entries, table.count, p.view(),
                      [&](int32_t i, const IlsEntry &ils, TwipPoint at) {
                          if (!InClipRect(at.x, at.y))
                              return;
                          p.scene.hits.Append(i, "ILS", at.x, at.y);
                          p.canvas.SetColor(kIlsColor);
                          p.canvas.Point(at.x, at.y);
                          p.canvas.Circle(at.x, at.y, 10);
                          p.canvas.Circle(at.x, at.y, 40);
                          std::string course = ShortestDecimal(ils.Course);
                          int32_t labelX = ils.Course <= 180 ? at.x + 150 : at.x - 800;
                          p.canvas.SetColor(kIlsLabelColor);
                          p.canvas.Text(labelX, at.y - 100, ils.Text0 + " " + ils.Text1, 6);
                          p.canvas.Text(labelX, at.y + 50, ils.Text2 + " - " + course + " DEG", 6);
                          p.result.displayAppend +=
                              ils.Text0 + " " + ils.Text1 + " " + ils.Text2 + " - " + course + " DEG\r\n";
                      });
}

} // namespace

void DisplayHills(MapPainter &p) {
    const HillRow *row = HillRowFor(p.scale());
    if (!row)
        return;
    const PointTable<Hill> &table = p.db().HillTable;
    ForEachPastOrigin(table.entries, table.count, p.view(), [&](int32_t, const Hill &hill, TwipPoint at) {
        if (hill.X == 0)
            return; // a comment line's empty entry: no peak
        try {
            HillColor(p.canvas, hill.Name);
        } catch (const RuntimeError &error) {
            ShowRoutineError(p.scene.sink, error, "HillColor", "Module3");
        }
        if (row->crossArm == 0)
            p.canvas.Point(at.x, at.y);
        else
            Cross(p.canvas, at, row->crossArm);
        p.canvas.SetColor(kHillLabelColor);
        if (row->name)
            p.canvas.Text(at.x - 200, at.y - 150, hill.Name, 5);
        if (row->elevation)
            p.canvas.Text(at.x - 200, at.y - 250, hill.Elevation, 5);
    });
}

void DisplayVors(MapPainter &p) {
    const VorRow *row = VorRowFor(p.scale());
    if (!row)
        return;
    const PointTable<VorStation> &table = p.db().VorTable;
    p.canvas.SetColor(kVorColor);
    ForEachPastOrigin(
        table.entries, table.count, p.view(), [&](int32_t i, const VorStation &vor, TwipPoint at) {
            if (row->circle == 0) {
                p.canvas.Point(at.x, at.y);
                return;
            }
            if (!InClipRect(at.x, at.y))
                return;
            p.canvas.Point(at.x, at.y);
            p.canvas.Circle(at.x, at.y, row->circle);
            for (const VorLabel &label : row->labels)
                p.canvas.Text(at.x, at.y + label.dy, StationTextOf(vor, label.text), label.size);
            p.scene.hits.Append(i, "VOR", at.x, at.y);
        });
}

void DisplayNdbs(MapPainter &p) {
    const NdbRow *row = NdbRowFor(p.scale());
    if (!row)
        return;
    const PointTable<NdbStation> &table = p.db().NdbTable;
    p.canvas.SetColor(kNdbColor);
    ForEachPastOrigin(table.entries, table.count, p.view(),
                      [&](int32_t i, const NdbStation &ndb, TwipPoint at) {
                          if (row->circles.empty()) {
                              p.canvas.Point(at.x, at.y);
                              return;
                          }
                          if (!InClipRect(at.x, at.y))
                              return;
                          p.canvas.Point(at.x, at.y);
                          for (int r : row->circles)
                              p.canvas.Circle(at.x, at.y, r);
                          for (const NdbLabel &label : row->labels) {
                              p.canvas.Text(LabelLeftOf(at.x, label.perCharacter,
                                                        StationTextOf(ndb, label.lengthOf).size()),
                                            at.y + label.dy, StationTextOf(ndb, label.text), label.size);
                          }
                          p.scene.hits.Append(i, "NDB", at.x, at.y);
                      });
}

void DisplayIls(MapPainter &p) {
    const IlsRow *row = IlsRowFor(p.scale());
    if (!row)
        return;
    if (p.scale() == 2)
        IlsListPass(p);
    const PointTable<IlsEntry> &table = p.db().IlsTable;
    ForEachPastOrigin(table.entries, table.count, p.view(),
                      [&](int32_t i, const IlsEntry &ils, TwipPoint at) {
                          if (!InClipRect(at.x, at.y))
                              return;
                          p.canvas.SetColor(kIlsColor);
                          p.canvas.Point(at.x, at.y);
                          p.canvas.Circle(at.x, at.y, 10);
                          p.canvas.SetLineWidth(row->courseLineWidth);
                          TwipPoint end = IlsCourseEnd(p.view(), ils);
                          p.canvas.Line(at.x, at.y, end.x, end.y);
                          p.canvas.SetLineWidth(1);
                          p.scene.hits.Append(i, "ILS", at.x, at.y);
                      });
}

void DisplayIntersection(MapPainter &p) {
    try {
        const IntersectionRow *row = IntersectionRowFor(p.scale());
        if (!row)
            return;
        const PointTable<Intersection> &table = p.db().IntersectionTable;
        ForEachPastOrigin(table.entries, table.count, p.view(),
                          [&](int32_t i, const Intersection &fix, TwipPoint at) {
                              p.canvas.SetColor(kIntersectionColor);
                              if (row->triangle == 0) {
                                  p.canvas.Point(at.x, at.y);
                              } else {
                                  int n = row->triangle;
                                  p.canvas.Line(at.x, at.y, at.x + n, at.y);
                                  p.canvas.Line(at.x + n, at.y, at.x + n / 2, at.y - n);
                                  p.canvas.Line(at.x + n / 2, at.y - n, at.x, at.y);
                              }
                              if (row->label) {
                                  p.canvas.SetColor(kIntersectionLabelColor);
                                  p.canvas.Text(at.x + row->dx, at.y + row->dy, fix.Name, row->size);
                              }
                              if (InClipRect(at.x, at.y))
                                  p.scene.hits.Append(i, "INT", at.x, at.y);
                          });
    } catch (const RuntimeError &error) {
        ShowRoutineError(p.scene.sink, error, "DisplayIntersection", "Module3");
    }
}

void DisplayAirports(MapPainter &p) {
    const AirportRow *row = AirportRowFor(p.scale());
    if (!row)
        return;
    const AirportTableData &table = p.db().AirportTable;
    bool localsShown = p.db().LayerFlags.LocalAirports;
    ForEachPastOrigin(table.entries, table.AirportCount, p.view(),
                      [&](int32_t i, const Airport &airport, TwipPoint at) {
                          if (row->inViewOnly && !InClipRect(at.x, at.y))
                              return;
                          p.scene.hits.Append(i, airport.Type, at.x, at.y);
                          bool international = airport.Type == "AD";
                          if (!international && !localsShown)
                              return;
                          const AirportStyle &style = international ? row->international : row->local;
                          p.canvas.SetColor(international ? kInternationalColor : kLocalColor);
                          if (style.point)
                              p.canvas.Point(at.x, at.y);
                          for (int r : style.circles)
                              p.canvas.Circle(at.x, at.y, r);
                          for (const AirportLabel &label : style.labels)
                              p.canvas.Text(at.x + label.dx, at.y + label.dy,
                                            AirportTextOf(airport, label.text), label.size);
                      });
}

} // namespace qelvar
