#include "redraw_airport.h"

#include "chart_colors.h"
#include "chart_frame.h"
#include "chart_header.h"
#include "diagram_bands.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "scenery/grid.h"

#include <charconv>
#include <optional>

namespace qelvar {

namespace {

constexpr int kCentreX = 7000, kCentreY = 5000;

// A record number as paths and names give it ("12"); nullopt when it is not a number of a record
// that the table holds.
template <class Record>
std::optional<size_t> RecordNumber(const std::string &text, const SceneryTable<Record> &table) {
    size_t number = 0;
    const char *end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end || text.empty() || number >= table.Count())
        return std::nullopt;
    return number;
}

// A heading text ("69.9") as a whole number of degrees; nullopt when unreadable.
std::optional<int> WholeHeading(const std::string &text) {
    try {
        return ParseWholeNumber(text);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

// One redraw: the canvas, where grid positions land, and what was left out.
class DiagramPainter {
public:
    DiagramPainter(Canvas &canvas, const ChartFrame &frame, const DiagramView &view, DiagramReport &report)
        : c_(canvas), frame_(frame), view_(view), report_(report) {}

    void Draw(SceneryAirport &airport) {
        DrawCentreCross();
        DrawReferencePoint();
        DrawTower(airport.header);
        DrawTaxiPoints(airport);
        DrawAprons(airport);
        DrawTaxiPaths(airport);
        if (view_.parking)
            DrawParkingSpots(airport);
        DrawRunways(airport);
    }

private:
    // The picture position of a coordinate pair; nullopt (and noted) when a text cannot be read.
    std::optional<PicturePoint> Place(const std::string &lat, const std::string &lon) {
        try {
            return CoordinatesToPicture(frame_, lat, lon);
        } catch (const RuntimeError &) {
            ++report_.unreadable;
            return std::nullopt;
        }
    }

    void Cross(PicturePoint p, int arm) {
        c_.Line(p.x - arm, p.y, p.x + arm, p.y);
        c_.Line(p.x, p.y - arm, p.x, p.y + arm);
    }

    void Dot(PicturePoint p, Rgb color, int width) {
        c_.SetColor(color);
        c_.SetLineWidth(width);
        c_.Circle(p.x, p.y, 1);
    }

    void DrawCentreCross() {
        c_.Line(kCentreX - 200, kCentreY, kCentreX + 200, kCentreY);
        c_.Line(kCentreX, kCentreY - 200, kCentreX, kCentreY + 200);
    }

    // The reference point is the picture centre moved by the pan.
    void DrawReferencePoint() {
        PicturePoint p{kCentreX + frame_.panX, kCentreY + frame_.panY};
        c_.Circle(p.x, p.y, 30);
        Cross(p, 100);
        c_.Text(p.x + 40, p.y, "ARP", 8);
    }

    void DrawTower(const AirportHeader &h) {
        if (h.towerLat.empty() && h.towerLon.empty())
            return; // the file has no tower
        if (auto p = Place(h.towerLat, h.towerLon)) {
            c_.Circle(p->x, p->y, 40);
            c_.Text(p->x + 50, p->y, "TWR", 8);
        }
    }

    void DrawTaxiPoints(const SceneryAirport &a) {
        for (const TaxiPoint &point : a.taxiPoints) {
            if (point.type != "NORMAL" && point.type != "HOLD_SHORT" && point.type != "ILS_HOLD_SHORT")
                continue;
            auto p = Place(point.lat, point.lon);
            if (!p)
                continue;
            if (point.type == "NORMAL") {
                Dot(*p, kBlue, 3);
            } else if (point.type == "HOLD_SHORT") {
                c_.SetColor(kOrangeBrown);
                c_.SetLineWidth(1);
                Cross(*p, 120);
            } else {
                c_.SetColor(kDarkRed);
                c_.SetLineWidth(2);
                Cross(*p, 150);
            }
            c_.SetColor(kBlack);
        }
    }

    // One list of vertices for every apron and fence: a vertex with lon "0" closes the open polygon.
    // Lines to vertices below the apron end mark are aprons (light grey), the rest fences (green).
    void DrawAprons(const SceneryAirport &a) {
        int last = a.fenceEndMark.value_or(static_cast<int>(a.apronVertices.Count()) - 1);
        std::optional<PicturePoint> first, previous;
        bool joined = false; // the open polygon has a line
        for (int i = 0; i <= last && i < static_cast<int>(a.apronVertices.Count()); ++i) {
            const ApronVertex &v = a.apronVertices[static_cast<size_t>(i)];
            if (v.lon == "0") {
                if (joined)
                    c_.Line(previous->x, previous->y, first->x, first->y);
                first.reset();
                previous.reset();
                joined = false;
                continue;
            }
            auto p = Place(v.lat, v.lon);
            if (!p)
                continue; // the outline goes on from the vertex before
            if (!first) {
                first = previous = p;
                continue;
            }
            bool apron = !a.apronEndMark || i < *a.apronEndMark;
            c_.SetColor(apron ? kLightGrey : kGreen);
            c_.SetLineWidth(apron ? 2 : 1);
            c_.Line(previous->x, previous->y, p->x, p->y);
            previous = p;
            joined = true;
        }
        c_.SetColor(kBlack);
        c_.SetLineWidth(1);
    }

    void DrawTaxiPaths(const SceneryAirport &a) {
        bool firstTaxi = true;
        for (const TaxiPath &path : a.taxiPaths) {
            if (path.type != "TAXI" && path.type != "PATH" && path.type != "VEHICLE")
                continue;
            auto from = RecordNumber(path.start, a.taxiPoints);
            auto to = RecordNumber(path.end, a.taxiPoints);
            if (!from || !to) {
                ++report_.missingRecords;
                continue;
            }
            const TaxiPoint &p1 = a.taxiPoints[*from], &p2 = a.taxiPoints[*to];
            auto s = Place(p1.lat, p1.lon);
            auto e = Place(p2.lat, p2.lon);
            if (!s || !e)
                continue;
            if (path.type == "TAXI") {
                c_.SetColor(kDarkGrey);
                c_.SetLineWidth(MetreTextToPixels(path.width) + 2);
                c_.Line(s->x, s->y, e->x, e->y);
                c_.SetColor(kOliveYellow);
                c_.SetLineWidth(1);
                c_.Line(s->x, s->y, e->x, e->y);
                c_.SetColor(kBlack);
                if (view_.taxiLabels && !firstTaxi)
                    DrawTaxiLabel(a, path, *s, *e);
                firstTaxi = false;
            } else if (path.type == "PATH") {
                c_.SetColor(kOliveYellow);
                c_.SetLineWidth(2);
                c_.Line(s->x, s->y, e->x, e->y);
            } else {
                c_.SetColor(kDarkGrey);
                c_.SetLineWidth(1);
                c_.Line(s->x, s->y, e->x, e->y);
                c_.Line(s->x + 25, s->y + 25, e->x + 25, e->y + 25);
            }
        }
        c_.SetColor(kBlack);
        c_.SetLineWidth(1);
    }

    // The taxiway's name in an olive yellow box at the segment's midpoint.
    void DrawTaxiLabel(const SceneryAirport &a, const TaxiPath &path, PicturePoint s, PicturePoint e) {
        auto number = RecordNumber(path.name, a.taxiNames);
        if (!number) {
            ++report_.missingRecords;
            return;
        }
        const std::string &name = a.taxiNames[*number].name;
        int mx = s.x + RoundToInt32((e.x - s.x) / 2.0);
        int my = s.y + RoundToInt32((e.y - s.y) / 2.0);
        c_.SetFill(kOliveYellow, FillStyle::Solid);
        c_.Box(mx, my, mx + 150 * static_cast<int>(name.size()), my - 170);
        c_.SetFill(kBlack, FillStyle::Transparent);
        c_.SetLineWidth(2);
        c_.Text(mx + 30, my - 200, name, 8);
    }

    void DrawParkingSpots(const SceneryAirport &a) {
        for (const ParkingSpot &spot : a.parkingSpots) {
            auto s = Place(spot.lat, spot.lon);
            if (!s)
                continue;
            if (view_.zoom > 4) {
                Dot(*s, kOliveYellow, 5);
                c_.SetColor(kBlue);
                c_.Text(s->x, s->y, spot.number, 7);
            } else if (spot.type == "FUEL") {
                Dot(*s, kDarkRed, 5);
                c_.Text(s->x - 400, s->y - 150, spot.type, 6);
            } else {
                Dot(*s, kOliveYellow, 5);
                DrawParkingHeading(spot, *s);
                c_.SetColor(kBlue);
                c_.Text(s->x, s->y, ParkingLabel(spot), 7);
            }
        }
        c_.SetColor(kBlack);
        c_.SetLineWidth(1);
    }

    // A short line from the spot, opposite to its heading.
    void DrawParkingHeading(const ParkingSpot &spot, PicturePoint s) {
        auto heading = WholeHeading(spot.heading);
        if (!heading) {
            ++report_.unreadable;
            return;
        }
        BandOffset d = ParkingHeadingBands()[HeadingBand(ReverseHeading(*heading))];
        int a = view_.zoom == 1 ? 30 : 20;
        c_.SetColor(kOliveYellow);
        c_.SetLineWidth(2);
        c_.Line(s.x, s.y, s.x + d.dx * a, s.y + d.dy * a);
    }

    void DrawRunways(const SceneryAirport &a) {
        for (size_t p = 0; 2 * p < a.starts.Count(); ++p) {
            if (2 * p + 1 >= a.starts.Count()) {
                ++report_.missingRecords; // a runway end without its opposite end
                break;
            }
            const RunwayStart &end1 = a.starts[2 * p], &end2 = a.starts[2 * p + 1];
            auto t1 = Place(end1.lat, end1.lon);
            auto t2 = Place(end2.lat, end2.lon);
            if (!t1 || !t2)
                continue;
            if (end1.type == "HELIPAD") {
                DrawHelipad(*t1);
                DrawHelipad(*t2);
                continue;
            }
            if (p >= a.runways.Count()) {
                ++report_.missingRecords;
                continue;
            }
            const SceneryRunway &runway = a.runways[p];
            c_.SetColor(SurfaceColor(runway.surface));
            c_.SetLineWidth(MetreTextToPixels(runway.width) + 3);
            c_.Line(t1->x, t1->y, t2->x, t2->y);
            c_.SetColor(kWhite);
            c_.SetLineWidth(1);
            c_.SetLineStyle(LineStyle::Dash);
            c_.Line(t1->x, t1->y, t2->x, t2->y);
            c_.SetLineStyle(LineStyle::Solid);
            c_.SetColor(kBlack);
            bool firstIsPrimary = IsPrimaryEnd(end1, runway) || !IsPrimaryEnd(end2, runway);
            DrawRunwayEnd(a, 2 * p, *t1, FindVasi(a, p, firstIsPrimary));
            DrawRunwayEnd(a, 2 * p + 1, *t2, FindVasi(a, p, !firstIsPrimary));
        }
        c_.SetColor(kBlack);
        c_.SetLineWidth(1);
    }

    static Rgb SurfaceColor(const std::string &surface) {
        if (surface == "GRASS")
            return kGreen;
        if (surface == "WATER")
            return kBlue;
        if (surface == "GRAVEL")
            return kDarkGrey;
        if (surface == "CORAL")
            return kLightGrey;
        return kBlack;
    }

    void DrawHelipad(PicturePoint t) {
        c_.SetFill(kBlack, FillStyle::Transparent);
        c_.SetColor(kBlack);
        c_.SetLineStyle(LineStyle::Solid);
        c_.SetLineWidth(1);
        c_.Circle(t.x, t.y, 80);
        c_.Text(t.x - 50, t.y - 90, "H", 8);
    }

    // The end that carries the runway's own number and designator is its primary end.
    static bool IsPrimaryEnd(const RunwayStart &start, const SceneryRunway &runway) {
        return PaddedRunwayNumber(start.number) == PaddedRunwayNumber(runway.number) &&
               DesignatorLetter(start.designator) == DesignatorLetter(runway.designator);
    }

    // The first VASI record read under the runway for its primary or secondary end; none when the
    // end has no lights.
    static const VasiRecord *FindVasi(const SceneryAirport &a, size_t runway, bool primary) {
        const char *end = primary ? "PRIMARY" : "SECONDARY";
        for (const VasiRecord &vasi : a.vasis)
            if (vasi.runway == static_cast<int>(runway) && vasi.end == end)
                return &vasi;
        return nullptr;
    }

    // The end's number label behind the threshold and its VASI mark along the runway.
    void DrawRunwayEnd(const SceneryAirport &a, size_t startNumber, PicturePoint t, const VasiRecord *vasi) {
        if (t == PicturePoint{0, 0})
            return;
        const RunwayStart &start = a.starts[startNumber];
        auto heading = WholeHeading(start.heading);
        if (!heading) {
            ++report_.unreadable;
            return;
        }
        BandOffset l = RunwayLabelBands()[HeadingBand(ReverseHeading(*heading))];
        PicturePoint label{t.x + l.dx, t.y + l.dy};
        c_.SetColor(kBlack);
        c_.Text(label.x - 100, label.y - 200, start.number + DesignatorLetter(start.designator), 14, true);
        c_.Text(label.x - 100, label.y + 100, start.heading + "\xB0", 7);

        if (!vasi)
            return; // no lights at this end
        int band = HeadingBand(*heading);
        c_.SetColor(kBlack);
        c_.SetLineWidth(1);
        c_.SetLineStyle(LineStyle::Solid);
        if (vasi->side == "LEFT") {
            BandOffset left = VasiLeftBands()[band];
            PicturePoint q{t.x + left.dx, t.y + left.dy};
            c_.SetFill(kWhite, FillStyle::Solid);
            c_.Circle(q.x, q.y, 40);
            c_.SetFill(kDarkRed, FillStyle::Solid);
            c_.Circle(q.x + 50, q.y + 50, 40);
        } else {
            BandOffset right = VasiRightBands()[band];
            c_.SetFill(kDarkRed, FillStyle::Solid);
            c_.Circle(t.x + right.dx, t.y + right.dy, 40);
        }
        c_.SetFill(kBlack, FillStyle::Transparent);
        c_.SetColor(kBlack);
    }

    Canvas &c_;
    const ChartFrame &frame_;
    const DiagramView &view_;
    DiagramReport &report_;
};

} // namespace

int MetreTextToPixels(const std::string &text) {
    if (text.empty())
        return 0;
    try {
        return RoundToInt32(ParseDecimal(std::string_view(text).substr(0, text.size() - 1)) / 10);
    } catch (const RuntimeError &) {
        return 0;
    }
}

std::string ParkingLabel(const ParkingSpot &spot) {
    bool gate = spot.name.rfind("GATE", 0) == 0 && spot.name.size() >= 6;
    return spot.number + (gate ? spot.name.substr(spot.name.size() - 1) : std::string());
}

DiagramReport RedrawAirport(Canvas &canvas, SceneryAirport &airport, const DiagramView &view) {
    DiagramReport report;
    DrawChartHeader(canvas, airport, HeaderStyle{});
    ChartFrame frame;
    try {
        frame = MakeChartFrame(airport.header, kDiagramGridPerDegree, view.zoom, view.panX, view.panY);
    } catch (const RuntimeError &error) {
        if (error.Number() != kTypeMismatch)
            throw; // a pan beyond reach: no fault of the file
        canvas.SetColor(kDarkRed);
        canvas.Text(200, 5000, "No airport reference point: the diagram cannot be drawn.", 10);
        canvas.SetColor(kBlack);
        return report;
    }
    report.placed = true;
    DiagramPainter(canvas, frame, view, report).Draw(airport);
    return report;
}

std::string DiagramNotice(const DiagramReport &report) {
    if (!report.placed)
        return "no reference point, no diagram";
    std::string notice;
    auto add = [&notice](int count, const std::string &what) {
        if (count == 0)
            return;
        notice += (notice.empty() ? "" : ", ") + std::to_string(count) + " " + what;
    };
    add(report.unreadable, report.unreadable == 1 ? "value unreadable" : "values unreadable");
    add(report.missingRecords,
        report.missingRecords == 1 ? "reference to a missing record" : "references to missing records");
    return notice.empty() ? notice : "not drawn: " + notice;
}

} // namespace qelvar
