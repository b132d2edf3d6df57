#include "fix_position.h"

#include "platform/runtime_error.h"
#include "scenery/grid.h"

#include <algorithm>

namespace qelvar {

namespace {

std::optional<GridPoint> FromText(const std::string &lat, const std::string &lon) {
    try {
        return GridPoint{LonToGrid(lon, kApproachGridPerDegree), LatToGrid(lat, kApproachGridPerDegree)};
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

// The first record of the table whose key field equals the ident.
template <class Table, class Record>
const Record *FindByKey(const Table &table, const std::string &ident, std::string Record::*key) {
    auto found = std::find_if(table.begin(), table.end(), [&](const Record &r) { return r.*key == ident; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace

std::optional<GridPoint> FindFix(const SceneryAirport &airport, const VorRecords &vors,
                                 const std::string &ident) {
    if (ident.empty())
        return std::nullopt;
    if (const auto *w = FindByKey(airport.waypoints, ident, &WaypointRecord::ident))
        return FromText(w->lat, w->lon);
    if (const auto *n = FindByKey(airport.ndbs, ident, &NdbRecord::ident))
        return FromText(n->lat, n->lon);
    if (const auto *v = FindByKey(vors, ident, &VorRecord::ident))
        return GridPoint{v->x, v->y};
    if (const auto *s = FindByKey(airport.starts, ident, &RunwayStart::endIdent))
        return FromText(s->lat, s->lon);
    return std::nullopt;
}

int32_t FixLat(const SceneryAirport &airport, const VorRecords &vors, const std::string &ident) {
    std::optional<GridPoint> fix = FindFix(airport, vors, ident);
    return fix ? fix->y : 0;
}

int32_t FixLon(const SceneryAirport &airport, const VorRecords &vors, const std::string &ident) {
    std::optional<GridPoint> fix = FindFix(airport, vors, ident);
    return fix ? fix->x : 0;
}

} // namespace qelvar
