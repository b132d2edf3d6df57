#include "converted_approaches.h"

#include "approaches.h"
#include "nav_lines.h"
#include "navaid_index.h"
#include "scenery_build.h"
#include "scenery_fit.h"

#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

namespace qelvar::import {

namespace {

namespace fs = std::filesystem;

// Degrees and minutes as the kit's nav files write them: west and south when either is negative.
double Degrees(const std::string &degrees, const std::string &minutes) {
    double d = ParseDecimal(degrees), m = ParseDecimal(minutes);
    double value = std::fabs(d) + std::fabs(m) / 60;
    return d < 0 || m < 0 ? -value : value;
}

// The header's variation is west positive in 0 ... 360; the approaches take it east positive.
double VariationEast(double headerMagvar) {
    double east = std::fmod(-headerMagvar, 360.0);
    return east <= -180 ? east + 360 : east > 180 ? east - 360 : east;
}

} // namespace

std::vector<NavAid> ReadKitStations(const fs::path &file, int code) {
    std::vector<NavAid> stations;
    std::vector<std::string> lines;
    try {
        lines = ReadTextLines(file);
    } catch (const RuntimeError &) {
        return stations;
    }
    for (const std::string &line : lines) {
        std::vector<std::string> f = SplitFields(line, ';');
        if (f.size() < 7 || f[6].empty())
            continue;
        try {
            NavAid a;
            a.code = code;
            a.lon = Degrees(f[1], f[2]);
            a.lat = Degrees(f[3], f[4]);
            a.ident = f[6];
            if (std::fabs(a.lat) <= 90 && std::fabs(a.lon) <= 180)
                stations.push_back(std::move(a));
        } catch (const RuntimeError &) {
            // a comment or a broken line: not a station
        }
    }
    return stations;
}

std::vector<std::string> SynthesizeApproaches(SceneryAirportModel &a, const std::vector<NavAid> &stations) {
    std::vector<std::string> names;
    if (!a.approaches.empty())
        return names;
    NavaidIndex index(stations, {});
    // The bundled airports' rules, as for an airport with scheduled service: a pilot's airport gets
    // an approach at every runway end, ILS where its file gives a localizer with glide slope.
    ApproachSite site;
    site.thresholdFeet = a.altMetres / 0.3048;
    site.variationEast = VariationEast(a.magvar);
    site.scheduledService = true;
    site.starts = TransitionStartsNear(a.position, index);
    SynthesizeApproaches(a, site);
    for (const SceneryApproach &ap : a.approaches)
        names.push_back(ap.type + " " + RunwayEndName(ap.runway, ap.designator));
    return names;
}

} // namespace qelvar::import
