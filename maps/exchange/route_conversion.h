// The conversions of the qelvar-route command: the kit's route file (.rte) to and from the three
// exchange formats, by the files' endings, through the same reading, matching and building as the
// Qelvar Maps window.
#pragma once

#include "maps/navdata/nav_database.h"
#include "platform/messages.h"

#include <filesystem>
#include <functional>
#include <string>

namespace qelvar {

// Loads the tables a route's points are matched against: airports, VOR, NDB and intersections.
void LoadWaypointTables(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink);

struct ConversionOutcome {
    bool ok = false;
    std::string message; // what was written, or why nothing was
};

// Converts `in` to `out`. `database` gives the tables when the conversion needs them (reading an
// exchange file builds the kit's route from it).
ConversionOutcome ConvertRouteFile(const std::filesystem::path &in, const std::filesystem::path &out,
                                   const std::function<const NavDatabase &()> &database);

} // namespace qelvar
