#include "scenery_build.h"

#include "approaches.h"
#include "nav_lines.h"
#include "pavement.h"
#include "runway_checks.h"
#include "source_files.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <set>

namespace qelvar::import {

namespace {

constexpr double kMetresPerFoot = 0.3048;

std::string Kit(const std::string &sourceBytes) {
    return KitText(DecodeSourceText(sourceBytes));
}

double Normalized(double degrees) {
    double d = std::fmod(degrees, 360);
    return d < 0 ? d + 360 : d;
}

// Along-track (ahead positive) and cross-track (right positive) metres of p seen from `from`
// looking along the heading, in the flat plane round `from`.
std::pair<double, double> AlongAndAcross(GeoPoint from, double heading, GeoPoint p) {
    constexpr double kMetresPerDegree = 6'371'008.8 * std::numbers::pi / 180;
    double east = (p.lon - from.lon) * std::cos(from.lat * std::numbers::pi / 180) * kMetresPerDegree;
    double north = (p.lat - from.lat) * kMetresPerDegree;
    double h = heading * std::numbers::pi / 180;
    return {east * std::sin(h) + north * std::cos(h), east * std::cos(h) - north * std::sin(h)};
}

bool SameEnd(const std::string &aptEnd, const SceneryRunwayEnd &end) {
    RunwayNumber n = SplitRunwayNumber(aptEnd);
    return n.number == end.number && n.designator == end.designator;
}

SceneryRunwayEnd EndOf(const AptRunwayEnd &end, const AptRunwayEnd &other, bool water) {
    RunwayNumber n = SplitRunwayNumber(end.number);
    if (water && n.designator == "NONE")
        n.designator = "WATER";
    return {n.number, n.designator, end.position,
            InitialTrueCourse(end.position.lat, end.position.lon, other.position.lat, other.position.lon),
            end.displacedThresholdMetres};
}

SceneryRunway RunwayBetween(const AptRunwayEnd (&ends)[2], double widthMetres, bool water) {
    SceneryRunway r;
    r.primary = EndOf(ends[0], ends[1], water);
    r.secondary = EndOf(ends[1], ends[0], water);
    r.widthMetres = widthMetres;
    r.lengthMetres = DistanceMetres(ends[0].position.lat, ends[0].position.lon, ends[1].position.lat,
                                    ends[1].position.lon);
    if (water) {
        r.surface = "WATER";
        r.startType = "WATER";
    }
    return r;
}

// Row 21: PAPI-4L and PAPI-4R keep their side, VASI and tri-colour lights take the side they
// stand on; shuttle-approach lights and wig-wags are not approach slope indicators.
void AddVasi(SceneryRunway &r, const AptVasi &v) {
    static const std::map<int, std::string> kTypes{
        {1, "VASI21"}, {2, "PAPI4"}, {3, "PAPI4"}, {5, "TRICOLOR"}};
    auto type = kTypes.find(v.type);
    if (type == kTypes.end())
        return;
    for (RunwayEndSide side : {RunwayEndSide::Primary, RunwayEndSide::Secondary}) {
        const SceneryRunwayEnd &end = side == RunwayEndSide::Primary ? r.primary : r.secondary;
        if (!SameEnd(v.runway, end))
            continue;
        auto [along, across] = AlongAndAcross(end.position, end.heading, v.position);
        SceneryVasi vasi;
        vasi.end = side;
        vasi.type = type->second;
        vasi.side = v.type == 2 ? "LEFT" : v.type == 3 ? "RIGHT" : across < 0 ? "LEFT" : "RIGHT";
        vasi.biasX = across;
        vasi.biasZ = along;
        vasi.pitch = v.angle;
        vasi.spacing = v.type == 1 ? 150 : 9; // the light bars' distance: a default, apt.dat has none
        r.vasis.push_back(vasi);
    }
}

void AddIls(SceneryRunway &r, const NavAid &loc, double magvar, const NavaidIndex &navaids) {
    for (RunwayEndSide side : {RunwayEndSide::Primary, RunwayEndSide::Secondary}) {
        const SceneryRunwayEnd &end = side == RunwayEndSide::Primary ? r.primary : r.secondary;
        if (!SameEnd(loc.runway, end))
            continue;
        SceneryIls ils;
        ils.end = side;
        ils.ident = loc.ident;
        ils.position = {loc.lon, loc.lat};
        ils.altMetres = loc.elevationFeet * kMetresPerFoot;
        ils.heading = Normalized(loc.course);
        ils.mhz = loc.frequency / 100.0;
        ils.rangeNm = loc.rangeNm;
        ils.magvar = magvar;
        ils.name = loc.kind + " " + RunwayEndName(end.number, end.designator);
        // Code 4 localizers come with a glide slope; its own row gives the angle where there is one.
        ils.glideSlope = loc.code == 4;
        if (const NavAid *gs = navaids.GlideSlopeOf(loc); gs && gs->glidePathDegrees > 0)
            ils.glidePathDegrees = gs->glidePathDegrees;
        if (const NavAid *dme = navaids.DmeOf(loc))
            ils.dme = GeoPoint{dme->lon, dme->lat};
        r.ils.push_back(ils);
    }
}

// The land runways with their lights and ILS. Ends whose numbers sit the wrong way round for the
// runway's heading change places (each number keeps its threshold data); a runway whose two ends
// are written like an earlier one's (06T/24T beside 06/24) is left out.
void AddRunways(SceneryAirportModel &m, const AptSceneryAirport &apt, double variationEast,
                const std::vector<const NavAid *> &locs, const NavaidIndex &navaids, ImportLog *log) {
    std::set<std::string> written;
    for (AptLandRunway land : apt.runways) {
        double heading = InitialTrueCourse(land.ends[0].position.lat, land.ends[0].position.lon,
                                           land.ends[1].position.lat, land.ends[1].position.lon);
        if (CheckEndOrder(land.ends[0].number, land.ends[1].number, heading, variationEast) ==
            EndOrder::Swapped) {
            std::swap(land.ends[0].position, land.ends[1].position);
            if (log) {
                log->Count("runways swapped");
                log->Note(m.ident + ": runway " + land.ends[0].number + "/" + land.ends[1].number +
                          " ends swapped to fit their numbers");
            }
        }
        SceneryRunway r = RunwayBetween(land.ends, land.widthMetres, false);
        std::string ends =
            r.primary.number + r.primary.designator + "/" + r.secondary.number + r.secondary.designator;
        if (!written.insert(ends).second) {
            if (log) {
                log->Count("duplicate runway rows dropped");
                log->Note(m.ident + ": runway " + land.ends[0].number + "/" + land.ends[1].number +
                          " written once");
            }
            continue;
        }
        r.surface = SurfaceName(land.surface);
        for (const AptVasi &v : apt.vasis)
            AddVasi(r, v);
        // The primary end's VASI first, so that VASI records follow the order of the starts.
        std::stable_sort(r.vasis.begin(), r.vasis.end(),
                         [](const SceneryVasi &a, const SceneryVasi &b) { return a.end < b.end; });
        for (const NavAid *loc : locs)
            AddIls(r, *loc, m.magvar, navaids);
        m.runways.push_back(std::move(r));
    }
    for (const AptWaterRunway &water : apt.waterRunways)
        m.runways.push_back(RunwayBetween(water.ends, water.widthMetres, true));
    int count = 0;
    for (const AptHelipad &h : apt.helipads) {
        std::string digits;
        for (char c : h.name)
            if (c >= '0' && c <= '9')
                digits += c;
        ++count;
        m.helipads.push_back({digits.empty() || digits.size() > 2 ? std::to_string(count) : digits,
                              h.position, h.heading, h.lengthMetres, h.widthMetres, SurfaceName(h.surface)});
    }
}

std::string ComType(int code, const std::string &name) {
    auto has = [&](const char *word) { return name.find(word) != std::string::npos; };
    switch (code) {
    case 50:
        return has("AWOS") ? "AWOS" : has("ASOS") ? "ASOS" : "ATIS";
    case 51:
        return has("CTAF") ? "CTAF" : has("MULTICOM") ? "MULTICOM" : "UNICOM";
    case 52:
        return "CLEARANCE";
    case 53:
        return "GROUND";
    case 54:
        return "TOWER";
    case 55:
        return "APPROACH";
    default:
        return "DEPARTURE";
    }
}

void AddComs(SceneryAirportModel &m, const AptSceneryAirport &apt) {
    for (const AptCom &c : apt.coms) {
        std::string name = Kit(c.name);
        std::string upper = name;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char ch) { return std::toupper(ch); });
        m.coms.push_back({ComType(c.code, upper), c.tensOfKhz / 100.0, name});
    }
}

int TaxiNameNumber(SceneryAirportModel &m, const std::string &name) {
    std::string shortName = name.substr(0, 8);
    auto found = std::find(m.taxiNames.begin(), m.taxiNames.end(), shortName);
    if (found != m.taxiNames.end())
        return static_cast<int>(found - m.taxiNames.begin());
    m.taxiNames.push_back(shortName);
    return static_cast<int>(m.taxiNames.size()) - 1;
}

// The taxi network: nodes become points, edges paths. A node between a taxiway edge in a hot zone
// (1204 rows) and an ordinary taxiway is where aircraft hold short (in front of an ILS zone:
// ILS_HOLD_SHORT). Runway edges say nothing about it: their nodes lie on the centre line.
void AddTaxiNetwork(SceneryAirportModel &m, const AptSceneryAirport &apt) {
    std::map<int, int> numberOfId;
    for (const AptTaxiNode &n : apt.taxiNodes)
        numberOfId.emplace(n.id, static_cast<int>(numberOfId.size()));
    std::vector<bool> hot(apt.taxiNodes.size()), cold(apt.taxiNodes.size()), ils(apt.taxiNodes.size());
    for (const AptTaxiEdge &e : apt.taxiEdges) {
        auto from = numberOfId.find(e.from), to = numberOfId.find(e.to);
        if (from == numberOfId.end() || to == numberOfId.end())
            continue;
        for (int n : {from->second, to->second}) {
            if (e.runway)
                continue;
            (e.hotZone.empty() ? cold : hot)[n] = true;
            if (e.hotZone == "ils")
                ils[n] = true;
        }
        SceneryTaxiPath path;
        path.start = from->second;
        path.end = to->second;
        path.widthMetres = kNetworkTaxiwayWidthMetres;
        std::string name = Kit(e.name);
        if (e.runway) {
            RunwayNumber n = SplitRunwayNumber(name.substr(0, name.find('/')));
            path.type = "RUNWAY";
            path.runwayNumber = n.number;
            path.runwayDesignator = n.designator;
        } else {
            path.name = TaxiNameNumber(m, name);
        }
        m.taxiPaths.push_back(path);
    }
    for (size_t i = 0; i < apt.taxiNodes.size(); ++i) {
        SceneryTaxiPoint p;
        p.position = apt.taxiNodes[i].position;
        if (hot[i] && cold[i])
            p.type = ils[i] ? "ILS_HOLD_SHORT" : "HOLD_SHORT";
        m.taxiPoints.push_back(p);
    }
}

// The four corners of a legacy rectangle: front left, front right, back right, back left.
SceneryRing RectangleCorners(const AptLegacyTaxiway &t) {
    double halfLength = t.lengthFeet * kMetresPerFoot / 2, halfWidth = t.widthFeet * kMetresPerFoot / 2;
    GeoPoint ahead = DestinationPoint(t.centre, t.heading, halfLength);
    GeoPoint behind = DestinationPoint(t.centre, Normalized(t.heading + 180), halfLength);
    double left = Normalized(t.heading - 90), right = Normalized(t.heading + 90);
    return {DestinationPoint(ahead, left, halfWidth), DestinationPoint(ahead, right, halfWidth),
            DestinationPoint(behind, right, halfWidth), DestinationPoint(behind, left, halfWidth)};
}

// The old taxiway rectangles as centre lines with their widths; ends that meet share a point. The
// largest rectangles go first, so that an airport with more than the points the reader holds
// loses its smallest pieces. Rectangles wider than a taxiway are aprons: their outlines.
void AddLegacyTaxiways(SceneryAirportModel &m, const AptSceneryAirport &apt) {
    std::vector<const AptLegacyTaxiway *> order;
    for (const AptLegacyTaxiway &t : apt.legacyTaxiways)
        order.push_back(&t);
    std::stable_sort(order.begin(), order.end(), [](const AptLegacyTaxiway *a, const AptLegacyTaxiway *b) {
        return a->lengthFeet * a->widthFeet > b->lengthFeet * b->widthFeet;
    });
    std::map<std::pair<long long, long long>, int> pointAt; // positions rounded to 1e-5 degree
    auto pointNumber = [&](GeoPoint p, bool add) {
        std::pair<long long, long long> key{std::llround(p.lat * 1e5), std::llround(p.lon * 1e5)};
        auto found = pointAt.find(key);
        if (found != pointAt.end())
            return found->second;
        if (!add)
            return -1;
        m.taxiPoints.push_back({"NORMAL", p});
        return pointAt[key] = static_cast<int>(m.taxiPoints.size()) - 1;
    };
    if (!order.empty())
        m.taxiNames = {""}; // apt.dat gives these taxiways no names
    for (const AptLegacyTaxiway *t : order) {
        double half = t->lengthFeet * kMetresPerFoot / 2;
        if (t->widthFeet * kMetresPerFoot > kWidestTaxiwayMetres) {
            m.aprons.push_back({SurfaceName(t->surface), RectangleCorners(*t)});
            continue;
        }
        GeoPoint a = DestinationPoint(t->centre, Normalized(t->heading + 180), half);
        GeoPoint b = DestinationPoint(t->centre, t->heading, half);
        int newPoints = (pointNumber(a, false) < 0) + (pointNumber(b, false) < 0);
        if (m.taxiPoints.size() + newPoints > 2001 || m.taxiPaths.size() == 5001)
            break;
        SceneryTaxiPath path;
        path.start = pointNumber(a, true);
        path.end = pointNumber(b, true);
        path.widthMetres = t->widthFeet * kMetresPerFoot;
        path.surface = SurfaceName(t->surface);
        m.taxiPaths.push_back(path);
    }
}

void AddParking(SceneryAirportModel &m, const AptSceneryAirport &apt) {
    int sequential = 0;
    for (const AptStartup &s : apt.startups.empty() ? apt.ramps : apt.startups)
        m.parking.push_back(ParkingOf(s, sequential));
}

void AddOutlines(SceneryAirportModel &m, const AptSceneryAirport &apt) {
    for (const AptOutline &o : apt.pavements)
        if (!o.rings.empty()) // holes (the later rings) cannot be told to the reader
            m.aprons.push_back({SurfaceName(o.surface), FlattenRing(o.rings.front())});
    if (!apt.boundaries.empty() && !apt.boundaries.front().rings.empty())
        m.boundaryFence = FlattenRing(apt.boundaries.front().rings.front());
}

std::string NdbType(const NavAid &n) {
    if (n.kind == "LOM")
        return "COMPASS_POINT";
    return n.rangeNm >= 75 ? "HH" : n.rangeNm >= 50 ? "H" : "MH";
}

// The synthesized approaches, then the named fixes of fix.dat around the airport (none that has the
// name of a fix the approaches use, nor a runway fix's "RW" name), then the NDBs.
void AddApproachesAndNavaids(SceneryAirportModel &m, const SceneryAirportSource &s,
                             const NavaidIndex &navaids, ImportLog *log) {
    ApproachCounts counts = SynthesizeApproaches(
        m, {s.elevationFeet, s.variationEast, s.scheduledService, TransitionStartsNear(s.position, navaids)});
    if (log) {
        log->Count("approaches ILS", counts.ils);
        log->Count("approaches GPS", counts.gps);
        log->Count("localizers rejected", counts.localizersRejected);
        log->Count("runways without approach (end numbers unclear)", counts.runwaysUnclear);
        if (counts.localizersRejected > 0)
            log->Note(s.icao + ": " + std::to_string(counts.localizersRejected) +
                      " localizer(s) more than 90 degrees off their runway end: not used");
        if (counts.runwaysUnclear > 0)
            log->Note(s.icao + ": " + std::to_string(counts.runwaysUnclear) +
                      " runway(s) whose end numbers fit neither way round: no approach");
    }
    std::set<std::string> idents;
    for (const SceneryWaypoint &w : m.waypoints)
        idents.insert(w.ident);
    for (const SceneryRunway &r : m.runways)
        for (const SceneryRunwayEnd *end : {&r.primary, &r.secondary})
            idents.insert("RW" + RunwayEndName(end->number, end->designator));
    double reach = kNavaidReachNm * kMetresPerNm;
    size_t named = 0;
    for (const Fix *f : navaids.FixesWithin(s.position, reach))
        if (named < kNamedFixesPerAirport && !f->ident.empty() && idents.insert(f->ident).second) {
            m.waypoints.push_back({"NAMED", f->ident, {f->lon, f->lat}});
            ++named;
        }
    for (const NavAid *n : navaids.StationsWithin(s.position, reach, 2))
        m.ndbs.push_back({NdbType(*n),
                          static_cast<double>(n->frequency),
                          {n->lon, n->lat},
                          n->elevationFeet * kMetresPerFoot,
                          n->rangeNm,
                          n->ident,
                          KitText(n->name)});
}

} // namespace

RunwayNumber SplitRunwayNumber(const std::string &end) {
    size_t digits = 0;
    while (digits < end.size() && end[digits] >= '0' && end[digits] <= '9')
        ++digits;
    if (digits == 0 || digits > 2)
        return {end, "NONE"};
    std::string number = digits == 1 ? "0" + end.substr(0, 1) : end.substr(0, 2);
    std::string suffix = end.substr(digits);
    static const std::map<std::string, std::string> kDesignators{
        {"L", "LEFT"}, {"R", "RIGHT"}, {"C", "CENTER"}, {"W", "WATER"}};
    auto designator = kDesignators.find(suffix);
    return {number, designator != kDesignators.end() ? designator->second : "NONE"};
}

double HeaderMagvar(double variationEast) {
    double v = std::fmod(-variationEast, 360);
    return v < 0 ? v + 360 : v;
}

std::string SurfaceName(int aptSurface) {
    switch (aptSurface) {
    case 1:
        return "ASPHALT";
    case 2:
        return "CONCRETE";
    case 3:
        return "GRASS";
    case 4:
        return "DIRT";
    case 5:
        return "GRAVEL";
    case 12:
        return "SAND"; // dry lakebed
    case 13:
        return "WATER";
    case 14:
        return "SNOW";
    default:
        return "UNKNOWN";
    }
}

SceneryParking ParkingOf(const AptStartup &s, int &sequentialNumber) {
    SceneryParking p;
    p.position = s.position;
    p.heading = Normalized(s.heading);
    auto has = [&](const char *cls) {
        return s.classes.find(cls) != std::string::npos || s.classes == "all";
    };
    bool large = has("heavy") || has("jets");
    if (s.type == "gate") {
        p.type = has("heavy") ? "GATE_HEAVY" : has("jets") ? "GATE_MEDIUM" : "GATE_SMALL";
        p.radiusMetres = has("heavy") ? 30 : has("jets") ? 20 : 15;
    } else if (!s.type.empty()) {
        p.type = large ? "RAMP_GA_LARGE" : has("turboprops") ? "RAMP_GA_MEDIUM" : "RAMP_GA_SMALL";
        p.radiusMetres = large ? 20 : has("turboprops") ? 15 : 10;
    }
    std::string last =
        s.name.substr(s.name.find_last_of(' ') == std::string::npos ? 0 : s.name.find_last_of(' ') + 1);
    auto allDigits = [](const std::string &t) {
        return !t.empty() && t.size() <= 4 &&
               std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    char letter = last.empty() ? 0 : static_cast<char>(std::toupper(static_cast<unsigned char>(last[0])));
    if (letter >= 'A' && letter <= 'Z' && allDigits(last.substr(1))) {
        p.name = std::string("GATE_") + letter;
        p.number = std::stoi(last.substr(1));
    } else if (allDigits(last)) {
        p.name = s.type == "gate" ? "GATE" : "PARKING";
        p.number = std::stoi(last);
    } else {
        p.name = "PARKING";
        p.number = ++sequentialNumber;
    }
    return p;
}

SceneryAirportModel BuildSceneryAirport(const SceneryAirportSource &s, const AptSceneryAirport *apt,
                                        const NavaidIndex &navaids, ImportLog *log) {
    SceneryAirportModel m;
    m.ident = s.icao;
    m.country = KitText(s.country);
    m.state = KitText(s.state);
    m.city = KitText(s.city);
    m.name = KitText(s.name);
    m.position = s.position;
    m.altMetres = s.elevationFeet * kMetresPerFoot;
    m.magvar = HeaderMagvar(s.variationEast);
    std::vector<const NavAid *> locs = navaids.LocalizersOf(s.icao);
    if (apt) {
        if (apt->ident != s.icao)
            for (const NavAid *l : navaids.LocalizersOf(apt->ident))
                locs.push_back(l);
        if (!apt->towers.empty())
            m.tower = SceneryTower{apt->towers.front().position,
                                   (apt->elevationFeet + apt->towers.front().heightFeet) * kMetresPerFoot};
        AddComs(m, *apt);
        AddRunways(m, *apt, s.variationEast, locs, navaids, log);
        if (!apt->taxiNodes.empty())
            AddTaxiNetwork(m, *apt);
        else
            AddLegacyTaxiways(m, *apt);
        AddParking(m, *apt);
        AddOutlines(m, *apt);
    }
    AddApproachesAndNavaids(m, s, navaids, log);
    return m;
}

std::vector<TransitionStart> TransitionStartsNear(GeoPoint centre, const NavaidIndex &navaids) {
    double reach = kNavaidReachNm * kMetresPerNm;
    std::vector<std::pair<double, TransitionStart>> stations;
    for (int code : {3, 2})
        for (const NavAid *a : navaids.StationsWithin(centre, reach, code))
            stations.push_back({DistanceMetres(centre.lat, centre.lon, a->lat, a->lon),
                                {code == 3 ? "VOR" : "NDB", a->ident, {a->lon, a->lat}}});
    std::stable_sort(stations.begin(), stations.end(), [](const auto &x, const auto &y) {
        return std::tie(x.first, x.second.ident) < std::tie(y.first, y.second.ident);
    });
    std::vector<TransitionStart> starts;
    std::set<std::string> taken;
    for (const auto &[d, station] : stations)
        if (starts.size() < 2 && taken.insert(station.ident).second)
            starts.push_back(station);
    return starts;
}

} // namespace qelvar::import
