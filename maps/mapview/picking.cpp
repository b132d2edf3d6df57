#include "maps/mapview/picking.h"

#include "maps/mapview/marker.h"
#include "platform/text_files.h"

namespace qelvar {

namespace {

const std::string kCrLf = "\r\n";

std::string Spaces(size_t n) {
    return std::string(n, ' ');
}

// Every part of every runway item followed by "-", a line break after the fourth part.
std::string InfoRunwayLines(const std::string &runwayInfo) {
    std::string text;
    for (const std::string &item : RunwayItems(runwayInfo)) {
        std::vector<std::string> parts = SplitFields(item, '-');
        for (size_t i = 0; i < parts.size(); ++i) {
            text += parts[i] + "-";
            if (i == 3)
                text += kCrLf + Spaces(5);
        }
        text += kCrLf;
    }
    return text;
}

std::string StationBlock(const char *kind, const std::string &t5, const std::string &t6,
                         const std::string &t7) {
    return std::string(kind) + Spaces(2) + t5 + kCrLf + Spaces(2) + t6 + Spaces(5) + t7 + kCrLf;
}

std::string AirportBlock(const Airport &a) {
    return a.LocationIndicator + Spaces(3) + (a.Type == "AD" ? "Intl ARPT" : "Local ARPT") + kCrLf + a.Name +
           kCrLf + a.Country + kCrLf + "Elev: " + a.Elevation + kCrLf + "ATIS: " + a.Atis + kCrLf +
           InfoRunwayLines(a.RunwayInfo) + kCrLf;
}

bool IsAirportKind(const std::string &kind) {
    return kind.rfind("AD", 0) == 0;
}

std::string Position(int32_t x, int32_t y) {
    return std::to_string(x) + "|" + std::to_string(y);
}

template <typename Station> std::string StationPickText(const char *kind, const Station &s) {
    return std::string(kind) + s.Text6 + "   " + s.Text7 + "   " + s.Text5;
}

} // namespace

bool NearClick(const HitEntry &entry, double cx, double cy) {
    return cx - 200 < entry.x && entry.x < cx + 200 && cy - 200 < entry.y && entry.y < cy + 200;
}

std::string ShowObjectInfo(const NavDatabase &db, const HitList &hits, double cx, double cy,
                           std::string &pickedAirport, int32_t &pickedIndex) {
    std::string text;
    for (int32_t i = 0; i < hits.count; ++i) {
        const HitEntry &e = hits.entries[i];
        if (!NearClick(e, cx, cy))
            continue;
        if (e.kind == "INT") {
            text += "INT" + Spaces(5) + db.IntersectionTable.entries[e.index].Name + kCrLf;
        } else if (e.kind == "VOR") {
            const VorStation &v = db.VorTable.entries[e.index];
            text += StationBlock("VOR", v.Text5, v.Text6, v.Text7);
        } else if (e.kind == "NDB") {
            const NdbStation &n = db.NdbTable.entries[e.index];
            text += StationBlock("NDB", n.Text5, n.Text6, n.Text7);
        } else if (e.kind == "AD" || e.kind == "AD-LOK") {
            const Airport &a = db.AirportTable.entries[e.index];
            text += AirportBlock(a);
            pickedAirport = a.IataCode;
            pickedIndex = e.index;
        }
    }
    return text.empty() ? "NO HIT" : text;
}

PickCandidate PickCandidateOf(const NavDatabase &db, const std::string &kind, int32_t index) {
    if (kind == "INT") {
        const Intersection &fix = db.IntersectionTable.entries[index];
        return {"INT- " + fix.Name + kCrLf, "INT- " + fix.Name, Position(fix.X, fix.Y)};
    }
    if (kind == "VOR") {
        const VorStation &v = db.VorTable.entries[index];
        return {StationPickText("VOR - ", v), StationPickText("VOR- ", v), Position(v.X, v.Y)};
    }
    if (kind == "NDB") {
        const NdbStation &n = db.NdbTable.entries[index];
        return {StationPickText("NDB - ", n), StationPickText("NDB- ", n), Position(n.X, n.Y)};
    }
    const Airport &a = db.AirportTable.entries[index];
    std::string text = "ARPT- " + a.Name + "   " + a.IataCode + "   " + a.Country + kCrLf +
                       a.LocationIndicator + "    ATIS: " + a.Atis + "      Elev: " + a.Elevation + kCrLf;
    for (const std::string &item : RunwayItems(a.RunwayInfo))
        text += Spaces(30) + item + kCrLf;
    return {text, text, Position(a.X, a.Y)};
}

std::vector<PickCandidate> RoutePick(const NavDatabase &db, const HitList &hits, const MapView &view,
                                     int32_t x, int32_t y) {
    std::vector<PickCandidate> candidates;
    for (int32_t i = 0; i < hits.count; ++i) {
        const HitEntry &e = hits.entries[i];
        if (NearClick(e, x, y) &&
            (e.kind == "INT" || e.kind == "VOR" || e.kind == "NDB" || IsAirportKind(e.kind)))
            candidates.push_back(PickCandidateOf(db, e.kind, e.index));
    }
    if (candidates.empty()) {
        UnitPoint at = ToMap(view, static_cast<float>(x), static_cast<float>(y));
        candidates.push_back({kPositionUnderCursor, kPositionUnderCursor, Position(at.X, at.Y)});
    }
    return candidates;
}

} // namespace qelvar
