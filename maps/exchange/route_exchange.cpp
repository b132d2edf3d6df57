#include "maps/exchange/route_exchange.h"

#include "maps/exchange/flightgear_route.h"
#include "maps/exchange/fsx_plan.h"
#include "maps/exchange/gpx_route.h"
#include "platform/atomic_file.h"
#include "platform/runtime_error.h"

#include <algorithm>
#include <fstream>

namespace qelvar {

RouteFormat FormatOfFile(const std::filesystem::path &file) {
    std::string ending = file.extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (ending == ".rte")
        return RouteFormat::KitRoute;
    if (ending == ".pln")
        return RouteFormat::Fsx;
    if (ending == ".xml")
        return RouteFormat::FlightGear;
    if (ending == ".gpx")
        return RouteFormat::Gpx;
    return RouteFormat::Unknown;
}

ExchangeRead ReadRouteDocument(RouteFormat format, const std::string &bytes) {
    XmlParse parse = ParseXml(bytes);
    if (!parse.ok)
        return ExchangeFailure("it is not well-formed XML (" + parse.error + ")");
    switch (format) {
    case RouteFormat::Fsx:
        return ReadFsxPlan(parse.root);
    case RouteFormat::FlightGear:
        return ReadFlightGearRoute(parse.root);
    case RouteFormat::Gpx:
        return ReadGpxRoute(parse.root);
    default:
        return ExchangeFailure("its ending is none of .pln, .xml and .gpx");
    }
}

ExchangeRead ReadRouteExchangeFile(const std::filesystem::path &file) {
    RouteFormat format = FormatOfFile(file);
    if (format == RouteFormat::Unknown || format == RouteFormat::KitRoute)
        return ExchangeFailure("its ending is none of .pln, .xml and .gpx");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return ExchangeFailure("the file does not exist or is not a file");
    std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec)
        return ExchangeFailure("the file cannot be read (" + ec.message() + ")");
    if (size > kLargestExchangeFile)
        return ExchangeFailure("the file is larger than 16 MB, far more than a route holds");
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size)))
        return ExchangeFailure("the file cannot be read");
    return ReadRouteDocument(format, bytes);
}

std::vector<RouteWaypoint> NamedForExport(std::vector<RouteWaypoint> waypoints) {
    for (size_t i = 0; i < waypoints.size(); ++i)
        if (waypoints[i].ident.empty())
            waypoints[i].ident = "WP" + std::to_string(i + 1);
    return waypoints;
}

std::string RouteDocument(RouteFormat format, const std::vector<RouteWaypoint> &waypoints,
                          const PlanHeader &header) {
    std::vector<RouteWaypoint> named = NamedForExport(waypoints);
    switch (format) {
    case RouteFormat::Fsx:
        // The simulator writes its plans in UTF-8 with a byte-order mark.
        return WriteXml(FsxPlanDocument(named, header), true);
    case RouteFormat::FlightGear:
        return WriteXml(FlightGearRouteDocument(named, header));
    case RouteFormat::Gpx:
        return WriteXml(GpxRouteDocument(named, header));
    default:
        return {};
    }
}

std::string WriteRouteExchangeFile(const std::filesystem::path &file,
                                   const std::vector<RouteWaypoint> &waypoints, const PlanHeader &header) {
    RouteFormat format = FormatOfFile(file);
    if (format == RouteFormat::Unknown || format == RouteFormat::KitRoute)
        return "the ending is none of .pln, .xml and .gpx";
    if (waypoints.size() < 2)
        return "a route needs at least two points";
    std::error_code ec;
    std::filesystem::path folder =
        file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    if (!std::filesystem::is_directory(folder, ec))
        return "the folder does not exist";
    try {
        WriteFileAtomically(file, RouteDocument(format, waypoints, header));
    } catch (const RuntimeError &error) {
        // QSaveFile fails on a folder or a file that may not be written, or a full disk.
        return error.Description() + ": the folder or the file may not be written, or the disk is full";
    }
    return {};
}

} // namespace qelvar
