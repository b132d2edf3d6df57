// Route files of other programs, told apart by their ending: FSX flight plans (.pln), FlightGear
// routes (.xml) and GPX (.gpx); the kit's own route files (.rte) are the fourth kind.
#pragma once

#include "maps/exchange/exchange_types.h"

#include <filesystem>

namespace qelvar {

enum class RouteFormat { Unknown, KitRoute, Fsx, FlightGear, Gpx };

RouteFormat FormatOfFile(const std::filesystem::path &file);

// A file larger than this is no route: it is refused before it is read.
inline constexpr std::uintmax_t kLargestExchangeFile = 16 * 1024 * 1024;

// The route of a document of one of the three exchange formats.
ExchangeRead ReadRouteDocument(RouteFormat format, const std::string &bytes);
// Reads the file (by its ending); the error names what is wrong, not the file.
ExchangeRead ReadRouteExchangeFile(const std::filesystem::path &file);

// Bare positions without a name are called WP1, WP2, ... by their place in the route.
std::vector<RouteWaypoint> NamedForExport(std::vector<RouteWaypoint> waypoints);

// The document of the route in the format (at least two waypoints).
std::string RouteDocument(RouteFormat format, const std::vector<RouteWaypoint> &waypoints,
                          const PlanHeader &header);
// Writes it atomically; returns why it could not be written, or "" when it was.
std::string WriteRouteExchangeFile(const std::filesystem::path &file,
                                   const std::vector<RouteWaypoint> &waypoints, const PlanHeader &header);

} // namespace qelvar
