#include "approach_chart.h"

#include "airports/chart_colors.h"
#include "airports/chart_frame.h"
#include "airports/chart_header.h"
#include "approach/approach_rows.h"
#include "approach/bearing.h"
#include "approach/fix_position.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "scenery/grid.h"

#include <algorithm>

namespace qelvar {

namespace {

constexpr const char *kDegree = "\xB0"; // "°" in Windows-1252
constexpr int kVorRightEdge = 14000;    // VORs are drawn when 0 < x < 14000 before the pan
constexpr int kTitleY = 3000;

// The title stands at y 3000, or below the header's runway list when a long list (eight lines and
// more) reaches down to it.
int TitleY(int headerListLines) {
    return std::max(kTitleY, 800 + 250 * (headerListLines + 1) + 100);
}

std::optional<PicturePoint> Place(const ChartFrame &frame, const std::string &lat, const std::string &lon) {
    try {
        return CoordinatesToPicture(frame, lat, lon);
    } catch (const RuntimeError &) {
        return std::nullopt; // a coordinate that cannot be read is not drawn
    }
}

void DrawAirport(Canvas &canvas, const SceneryAirport &airport, const ChartFrame &frame, PicturePoint arp) {
    canvas.SetColor(kOliveYellow);
    canvas.Line(6800, 5000, 7200, 5000);
    canvas.Line(7000, 4800, 7000, 5200);
    canvas.Circle(arp.x, arp.y, 30);
    canvas.SetColor(kBlack);
    canvas.Line(arp.x - 100, arp.y, arp.x + 100, arp.y);
    canvas.Line(arp.x, arp.y - 100, arp.x, arp.y + 100);
    canvas.Text(arp.x + 40, arp.y, "ARP", 8);

    canvas.SetLineWidth(5);
    for (size_t p = 0; 2 * p + 1 < airport.starts.Count(); ++p) {
        const RunwayStart &first = airport.starts[2 * p], &second = airport.starts[2 * p + 1];
        if (first.type == "HELIPAD")
            continue;
        auto t1 = Place(frame, first.lat, first.lon), t2 = Place(frame, second.lat, second.lon);
        if (t1 && t2)
            canvas.Line(t1->x, t1->y, t2->x, t2->y);
    }
    canvas.SetLineWidth(1);
}

void DrawNdbs(Canvas &canvas, const SceneryAirport &airport, const ChartFrame &frame) {
    canvas.SetColor(kDarkRed);
    canvas.SetLineWidth(1);
    for (const NdbRecord &ndb : airport.ndbs) {
        auto n = Place(frame, ndb.lat, ndb.lon);
        if (!n)
            continue;
        canvas.Circle(n->x, n->y, 30);
        canvas.Circle(n->x, n->y, 60);
        canvas.Text(n->x, n->y - 800, ndb.ident, 10);
        canvas.Text(n->x, n->y - 600, ndb.frequency, 10);
    }
    canvas.SetColor(kBlack);
}

void DrawVors(Canvas &canvas, const VorRecords &vors, const ChartFrame &frame) {
    ChartFrame unpanned = frame;
    unpanned.panX = unpanned.panY = 0;
    canvas.SetColor(kBlue);
    for (const VorRecord &vor : vors) {
        PicturePoint v = GridToPicture(unpanned, vor.x, vor.y);
        if (v.x <= 0 || v.x >= kVorRightEdge)
            continue;
        v.x += frame.panX;
        v.y += frame.panY;
        canvas.Circle(v.x, v.y, 30);
        canvas.Circle(v.x, v.y, 60);
        canvas.Circle(v.x, v.y, 90);
        canvas.Text(v.x + 500, v.y, vor.ident, 10, true);
        canvas.Text(v.x + 500, v.y + 200, vor.frequency, 10);
    }
    canvas.SetColor(kBlack);
}

// Lines from the tip to the points `length` twips away at course − spread and course + spread, the
// magnetic course turned by the variation east so that the arrowhead points along the drawn path.
void DrawArrowhead(Canvas &canvas, PicturePoint tip, int course, double eastVariation, int length,
                   int spread) {
    for (int side : {-spread, spread}) {
        PicturePoint d = BearingOffset(length, CheckedInt32(int64_t{course} + side) + eastVariation);
        canvas.Line(tip.x, tip.y, tip.x + d.x, tip.y + d.y);
    }
}

std::string PaddedCourse(int course) {
    std::string text = std::to_string(course);
    return text.size() < 3 ? std::string(3 - text.size(), '0') + text : text;
}

void DrawFixSymbol(Canvas &canvas, const LegRecord &leg, PicturePoint p) {
    canvas.SetColor(kBlack);
    canvas.SetLineWidth(2);
    canvas.Circle(p.x, p.y, 30);
    canvas.Text(p.x - 100, p.y, leg.fixIdent, 8);
    if (std::optional<int> altitude = WholeUnitNumber(leg.altitude))
        canvas.Text(p.x - 100, p.y + 200, std::to_string(*altitude), 10);
    if (std::optional<double> miles = RhoNauticalMiles(leg.rho))
        canvas.Text(p.x - 100, p.y + 400, std::to_string(RoundToInt32(*miles)) + " DME", 10);
}

// The path segment to this fix, with the course arrow and label at its midpoint.
void DrawPathSegment(Canvas &canvas, PicturePoint from, PicturePoint to, std::optional<int> course,
                     double eastVariation) {
    canvas.SetColor(kGreen);
    canvas.SetLineWidth(1);
    canvas.SetLineStyle(LineStyle::Dot);
    canvas.Line(from.x, from.y, to.x, to.y);
    canvas.SetLineStyle(LineStyle::Solid);
    canvas.SetColor(kBlack);
    if (!course)
        return;
    PicturePoint m{from.x + RoundToInt32((to.x - from.x) / 2.0),
                   from.y + RoundToInt32((to.y - from.y) / 2.0)};
    canvas.SetLineWidth(2);
    DrawArrowhead(canvas, m, *course, eastVariation, 216, 160);
    canvas.Text(m.x + 50, m.y - 400, PaddedCourse(*course) + kDegree, 10, true);
}

bool IsRunwayEnd(const std::string &fixIdent) {
    return fixIdent.rfind("RW", 0) == 0;
}

void DrawApproach(Canvas &canvas, const SceneryAirport &airport, const VorRecords &vors,
                  const ChartFrame &frame, int number, int titleY, ApproachChartOutcome &outcome) {
    double eastVariation = 0;
    try {
        eastVariation = EastVariation(airport.header.magvar);
    } catch (const RuntimeError &) {
        // a variation that cannot be read turns nothing; the header shows it as written
    }
    const ApproachRecord &approach = airport.approaches[static_cast<size_t>(number)];
    canvas.SetColor(kBlack);
    canvas.Text(200, titleY, ApproachTitle(airport, vors, number), 14, true);

    bool ils = approach.type == "ILS";
    bool hasLegs = false;
    std::optional<PicturePoint> previous;
    for (const LegRecord &leg : airport.legs) {
        if (leg.approach != number || leg.transition != kApproachLeg)
            continue;
        hasLegs = true;
        if (leg.fixIdent.empty())
            continue;
        std::optional<GridPoint> fix = FindFix(airport, vors, leg.fixIdent);
        if (!fix) {
            outcome.dataCorrupt = true; // the path goes on from the last fix that was found
            continue;
        }
        PicturePoint p = GridToPicture(frame, fix->x, fix->y);
        if (p.y >= 1 && p.y <= 9999)
            DrawFixSymbol(canvas, leg, p);
        std::optional<int> course = WholeUnitNumber(leg.magneticCourse);
        if (course && !(ils && IsRunwayEnd(leg.fixIdent))) {
            canvas.SetColor(kGreen);
            canvas.SetLineWidth(2);
            DrawArrowhead(canvas, p, *course, eastVariation, 360, 130);
            canvas.SetColor(kBlack);
        }
        if (previous)
            DrawPathSegment(canvas, *previous, p, course, eastVariation);
        previous = p;
    }
    canvas.SetLineWidth(1);
    canvas.SetColor(kBlack);
    if (!hasLegs) {
        canvas.SetColor(kDarkRed);
        canvas.Text(200, titleY + 400, kNoLegsNote, 10, true);
    }
    if (outcome.dataCorrupt) {
        canvas.SetColor(kDarkRed);
        canvas.Text(200, 8800, kCorruptDataWarning, 14, true);
    }
    canvas.SetColor(kBlack);

    for (const TransitionRecord &transition : airport.transitions)
        if (transition.approach == number && transition.fixType != "INT" && transition.fixType != "WAYPOINT")
            outcome.transitionEntries.push_back(transition.fixType + " " + transition.fixIdent);
}

} // namespace

HeaderStyle ApproachHeaderStyle(int zoom) {
    return HeaderStyle{true, zoom, false};
}

std::string ApproachTitle(const SceneryAirport &airport, const VorRecords &vors, int number) {
    const ApproachRecord &approach = airport.approaches[static_cast<size_t>(number)];
    std::string runwayText = PaddedRunwayNumber(approach.runway) + DesignatorLetter(approach.designator);
    if (approach.type == "ILS") {
        for (const IlsRecord &ils : airport.ils)
            if (ils.name.find(runwayText) != std::string::npos)
                return ils.name + "  " + ils.frequency + "   " + ils.ident + "  " + ils.heading + kDegree;
    } else if (approach.type.find("VOR") != std::string::npos) {
        std::string recommended;
        for (const LegRecord &leg : airport.legs)
            if (leg.approach == number && leg.transition == kApproachLeg && !leg.recommendedIdent.empty()) {
                recommended = leg.recommendedIdent;
                break;
            }
        for (const VorRecord &vor : vors)
            if (!recommended.empty() && vor.ident == recommended)
                return vor.name + "  " + vor.frequency + "   " + vor.ident;
    }
    if (runwayText == "00")
        return "Visual APP";
    return approach.label.empty() ? ApproachLabel(approach) : approach.label;
}

ApproachChartOutcome RedrawApproachChart(Canvas &canvas, SceneryAirport &airport, const VorRecords &vors,
                                         const ApproachView &view) {
    ApproachChartOutcome outcome;
    int headerListLines = DrawChartHeader(canvas, airport, ApproachHeaderStyle(view.zoom));

    ChartFrame frame;
    PicturePoint arp;
    try {
        frame = MakeChartFrame(airport.header, kApproachGridPerDegree, view.zoom, view.panX, view.panY);
        arp = CoordinatesToPicture(frame, airport.header.lat, airport.header.lon);
    } catch (const RuntimeError &error) {
        if (error.Number() != kTypeMismatch)
            throw;                       // a pan beyond reach: no fault of the file
        outcome.noReferencePoint = true; // nothing to centre the chart on
        return outcome;
    }
    DrawAirport(canvas, airport, frame, arp);
    DrawNdbs(canvas, airport, frame);
    DrawVors(canvas, vors, frame);

    bool chosen = view.approach && *view.approach >= 0 &&
                  static_cast<size_t>(*view.approach) < airport.approaches.Count();
    if (chosen && !view.transition)
        DrawApproach(canvas, airport, vors, frame, *view.approach, TitleY(headerListLines), outcome);
    return outcome;
}

} // namespace qelvar
