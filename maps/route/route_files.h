// Route files: the completed sheet under a header, a blank in-flight form, and the route's points
// as "#x|y" lines, so that a loaded route is drawn again.
#pragma once

#include "maps/route/route_model.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qelvar {

// The route name with every "/" and ":" replaced by a blank and control characters (line ends)
// left out.
std::string SafeRouteName(const std::string &routeName);

// The lines of the route file of the model's route.
std::vector<std::string> RouteFileLines(const RouteModel &model);

// The names (Windows-1252) of the files of the folder whose names end in ".rte" (hidden ones and
// ".rte" itself included), sorted.
std::vector<std::string> ListRouteFiles(const std::filesystem::path &folder);

// What a route file shows: " FPL-        " + name, an empty line, then every line that is not a
// route point line. Route point lines ("#x|y") fill the points from slot 0; when a file has any,
// the slots after them are freed so that no point of an earlier route hangs on. A point line that
// is not two integers, or one beyond the 201 slots, is skipped.
std::string ReadRouteFile(const std::string &name, const std::vector<std::string> &lines,
                          RoutePointTable &points);

// The route points of a route file's lines, in the order ReadRouteFile takes them, each with the
// identity its line carries.
std::vector<RouteWaypoint> RouteFileWaypoints(const std::vector<std::string> &lines);

} // namespace qelvar
