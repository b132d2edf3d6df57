#include "approach_rows.h"

#include "airports/chart_header.h"
#include "scenery/diagram_rows.h"
#include "scenery/line_reader.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string_view>

namespace qelvar {

namespace {

using A = SceneryAirport;

constexpr auto Attr = RowMatch::Attribute;
constexpr auto Any = RowMatch::AnyLine;

// The diagram's ground tables, which this viewer does not read.
bool IsGroundTag(std::string_view tag) {
    static const std::set<std::string_view> ground = {
        "<Vasi",          "<TaxiwayPoint", "<TaxiName", "<TaxiwayParking", "<TaxiwayPath",
        "<BoundaryFence", "<EdgeLights>",  "<Vertex",   "</Apron>",
    };
    return ground.count(tag) > 0;
}

bool SameKey(const DispatchRow &a, const DispatchRow &b) {
    auto same = [](const char *x, const char *y) { return (x && y) ? std::strcmp(x, y) == 0 : x == y; };
    return same(a.elementTag, b.elementTag) && a.match == b.match && same(a.attribute, b.attribute);
}

int CurrentNumber(size_t count) {
    return static_cast<int>(count);
}

void StartNumber(ReadContext &c) {
    std::string number = c.First(), designator = c.Second();
    if (RunwayStart *s = c.airport.starts.Open()) {
        s->number = number;
        s->designator = designator;
        s->endIdent = RunwayEndIdent(*s);
    }
}

void ApproachLegsBegin(ReadContext &c) {
    if (ApproachRecord *approach = c.airport.approaches.Open())
        approach->label = ApproachLabel(*approach);
    c.airport.legsInTransition = false;
}

void TransitionLine(ReadContext &c) {
    c.airport.legsInTransition = true;
    if (TransitionRecord *transition = c.airport.transitions.Open())
        transition->approach = CurrentNumber(c.airport.approaches.Count());
}

void LegLine(ReadContext &c) {
    if (LegRecord *leg = c.airport.legs.Open()) {
        leg->approach = CurrentNumber(c.airport.approaches.Count());
        leg->transition =
            c.airport.legsInTransition ? CurrentNumber(c.airport.transitions.Count()) : kApproachLeg;
    }
}

void LegRecommendedIdent(ReadContext &c) {
    if (!c.airport.legsInTransition)
        Store<&A::legs, &LegRecord::recommendedIdent>(c);
}

bool EndsWithClose(const std::string &line) {
    size_t end = line.find_last_not_of(' ');
    return end != std::string::npos && end >= 1 && line.compare(end - 1, 2, "/>") == 0;
}

// A leg whose last attribute line also carries the "/>" is closed there too, so that its values are
// not overwritten by the next leg. The "/>" line of its own is closed by its row.
void LegClosedOnAttributeLine(ReadContext &c) {
    if (EndsWithClose(c.line) && AttributeName(c.line) != "/>")
        c.airport.legs.Close();
}

void TransitionEnd(ReadContext &c) {
    c.airport.transitions.Close();
    c.elementTag.clear();
    c.airport.legsInTransition = false;
}

void ApproachEnd(ReadContext &c) {
    // An approach without "<ApproachLegs>" still gets its label for the approach list.
    if (ApproachRecord *approach = c.airport.approaches.Open(); approach && approach->label.empty())
        approach->label = ApproachLabel(*approach);
    c.airport.approaches.Close();
    c.elementTag.clear();
}

// The rows that replace a diagram row with the same key, or are added after the diagram's rows.
const std::vector<DispatchRow> &OwnRows() {
    static const std::vector<DispatchRow> rows = {
        {"<Start", Attr, "number", StartNumber},

        {"<Ndb", Attr, "lat", Store<&A::ndbs, &NdbRecord::lat>},
        {"<Ndb", Attr, "lon", Store<&A::ndbs, &NdbRecord::lon>},
        {"<Ndb", Attr, "frequency", Store<&A::ndbs, &NdbRecord::frequency>},
        {"<Ndb", Attr, "ident", Store<&A::ndbs, &NdbRecord::ident>},
        {"<Ndb", Attr, "name", StoreAndClose<&A::ndbs, &NdbRecord::name>},

        {"<Waypoint", Attr, "waypointIdent", Store<&A::waypoints, &WaypointRecord::ident>},
        {"<Waypoint", Attr, "lat", Store<&A::waypoints, &WaypointRecord::lat>},
        {"<Waypoint", Attr, "lon", StoreAndClose<&A::waypoints, &WaypointRecord::lon>},

        {"<Approach", Attr, "<Approach type", Store<&A::approaches, &ApproachRecord::type>},
        {"<Approach", Attr, "runway", Store<&A::approaches, &ApproachRecord::runway>},
        {"<Approach", Attr, "designator", Store<&A::approaches, &ApproachRecord::designator>},
        {"<Approach", Attr, "heading", Store<&A::approaches, &ApproachRecord::heading>},
        {"<Approach", Attr, "altitude", Store<&A::approaches, &ApproachRecord::altitude>},
        {"<ApproachLegs>", Any, nullptr, ApproachLegsBegin},

        {"<Transition", Any, nullptr, TransitionLine},
        {"<Transition", Attr, "fixType", Store<&A::transitions, &TransitionRecord::fixType>},
        {"<Transition", Attr, "fixIdent", Store<&A::transitions, &TransitionRecord::fixIdent>},

        {"<Leg", Any, nullptr, LegLine},
        {"<Leg", Attr, "<Leg type", Store<&A::legs, &LegRecord::type>},
        {"<Leg", Attr, "fixIdent", Store<&A::legs, &LegRecord::fixIdent>},
        {"<Leg", Attr, "rho", Store<&A::legs, &LegRecord::rho>},
        {"<Leg", Attr, "magneticCourse", Store<&A::legs, &LegRecord::magneticCourse>},
        // A later altitude line replaces an earlier one: altitude2 wins when both are present.
        {"<Leg", Attr, "altitude1", Store<&A::legs, &LegRecord::altitude>},
        {"<Leg", Attr, "altitude2", Store<&A::legs, &LegRecord::altitude>},
        {"<Leg", Attr, "recommendedIdent", LegRecommendedIdent},
        {"<Leg", Attr, "/>", CloseRecord<&A::legs>},
        {"<Leg", Any, nullptr, LegClosedOnAttributeLine},

        {"</Transition>", Any, nullptr, TransitionEnd},
        {"</Approach>", Any, nullptr, ApproachEnd},
        // "<Markings", "<Lights" and "<Vasi" lines have no rows: nothing is kept.
    };
    return rows;
}

std::vector<DispatchRow> ComposeApproachRows() {
    const std::vector<DispatchRow> &own = OwnRows();
    std::vector<bool> used(own.size(), false);
    std::vector<DispatchRow> rows;
    for (const DispatchRow &row : DiagramRows()) {
        if (IsGroundTag(row.elementTag))
            continue;
        auto replacement =
            std::find_if(own.begin(), own.end(), [&](const auto &o) { return SameKey(o, row); });
        if (replacement == own.end()) {
            rows.push_back(row);
            continue;
        }
        rows.push_back(*replacement);
        used[replacement - own.begin()] = true;
    }
    for (size_t i = 0; i < own.size(); ++i)
        if (!used[i])
            rows.push_back(own[i]);
    return rows;
}

} // namespace

const std::vector<DispatchRow> &ApproachRows() {
    static const std::vector<DispatchRow> rows = ComposeApproachRows();
    return rows;
}

std::string RunwayEndIdent(const RunwayStart &start) {
    if (start.type == "HELIPAD" || start.number.empty() || start.number.size() > 2)
        return {};
    return "RW" + PaddedRunwayNumber(start.number) + DesignatorLetter(start.designator);
}

std::string ApproachLabel(const ApproachRecord &approach) {
    return approach.type + " " + approach.runway + DesignatorLetter(approach.designator);
}

} // namespace qelvar
