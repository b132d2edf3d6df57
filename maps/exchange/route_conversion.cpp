#include "maps/exchange/route_conversion.h"

#include "maps/exchange/route_exchange.h"
#include "maps/exchange/route_import.h"
#include "maps/navdata/loaders.h"
#include "maps/route/route_building.h"
#include "maps/route/route_files.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

#include <memory>

namespace qelvar {

void LoadWaypointTables(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    LoadIntersectionDataFromFile(db, folder, sink);
    LoadArptftomFile(db, folder, sink);
    PlaceAirports(db);
    LoadVor(db, folder, sink);
    PlaceVors(db);
    LoadNdb(db, folder, sink);
    PlaceNdbs(db);
}

ConversionOutcome ConvertRouteFile(const std::filesystem::path &in, const std::filesystem::path &out,
                                   const std::function<const NavDatabase &()> &database) {
    RouteFormat from = FormatOfFile(in);
    RouteFormat to = FormatOfFile(out);
    std::string inName = KitTextOfPath(in), outName = KitTextOfPath(out);
    if (from == RouteFormat::Unknown || to == RouteFormat::Unknown)
        return {false, "the files must end in .rte, .pln, .xml or .gpx"};
    if ((from == RouteFormat::KitRoute) == (to == RouteFormat::KitRoute))
        return {false, "one of the two files must be a route file (.rte) of the kit"};

    if (from == RouteFormat::KitRoute) {
        std::vector<std::string> lines;
        try {
            lines = ReadTextLines(in);
        } catch (const RuntimeError &error) {
            return {false, inName + " cannot be read (" + error.Description() + ")"};
        }
        std::vector<RouteWaypoint> waypoints = RouteFileWaypoints(lines);
        if (waypoints.size() < 2)
            return {false, inName + " holds fewer than two route points"};
        for (RouteWaypoint &w : waypoints)
            if (w.kind == WaypointKind::User && w.ident.empty())
                w = IdentifyByPosition(database(), w); // a file from before points kept their identity
        std::string error = WriteRouteExchangeFile(out, waypoints, PlanHeaderOf(waypoints));
        if (!error.empty())
            return {false, outName + " could not be written: " + error + "; nothing was written"};
        return {true, outName + ": " + std::to_string(waypoints.size()) + " waypoints written"};
    }

    ExchangeRead read = ReadRouteExchangeFile(in);
    if (!read.ok)
        return {false, inName + " cannot be read as a route: " + read.error};
    auto model = std::make_unique<RouteModel>();
    ImportOutcome built = BuildRouteFromWaypoints(database(), *model, read.waypoints, read.leftOut);
    if (!built.ok)
        return {false, inName + " cannot be read as a route: " + built.message};
    try {
        WriteTextLinesAtomically(out, RouteFileLines(*model));
    } catch (const RuntimeError &error) {
        return {false, outName + " could not be written (" + error.Description() + "); nothing was written"};
    }
    return {true, outName + ": " + built.message};
}

} // namespace qelvar
