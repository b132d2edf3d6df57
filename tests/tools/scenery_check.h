// Checks shared by the scenery tests: where the approach reader would place a fix ident.
#pragma once

#include "approaches.h"
#include "scenery_model.h"

#include <optional>
#include <set>
#include <string>

namespace qelvar::import::testing {

// The look-up order of the approach reader: waypoints of the file, its NDBs, the VORs of vor.nav
// (only their idents are needed to tell that one would be found), the runway ends by "RW" + name.
// Returns the position where the file itself places the fix, or nothing when only vor.nav has it or
// no one does; `foundAnywhere` tells the two apart.
inline std::optional<GeoPoint> FixPosition(const SceneryAirportModel &a,
                                           const std::set<std::string> &vorIdents, const std::string &ident,
                                           bool &foundAnywhere) {
    foundAnywhere = true;
    for (const SceneryWaypoint &w : a.waypoints)
        if (w.ident == ident)
            return w.position;
    for (const SceneryNdb &n : a.ndbs)
        if (n.ident == ident)
            return n.position;
    if (vorIdents.count(ident))
        return std::nullopt;
    for (const SceneryRunway &r : a.runways)
        for (const SceneryRunwayEnd *end : {&r.primary, &r.secondary})
            if (!RunwayEndName(end->number, end->designator).empty() &&
                "RW" + RunwayEndName(end->number, end->designator) == ident)
                return end->position;
    foundAnywhere = false;
    return std::nullopt;
}

} // namespace qelvar::import::testing
