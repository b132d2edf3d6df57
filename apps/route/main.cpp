// qelvar-route IN OUT: converts between the kit's route file (.rte) and the flight plans of the
// simulators and GPS tools (FSX .pln, FlightGear .xml, GPX .gpx), chosen by the files' endings.
#include "maps/exchange/route_conversion.h"
#include "maps/navdata/nav_database.h"
#include "platform/data_folder.h"
#include "platform/terminal_sink.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: qelvar-route IN OUT\n"
                             "  converts a route file (.rte) to an FSX flight plan (.pln), a FlightGear\n"
                             "  route (.xml) or a GPX route (.gpx), or one of those to a route file.\n");
        return 2;
    }
    qelvar::TerminalMessageSink sink("qelvar-route");
    std::unique_ptr<qelvar::NavDatabase> db;
    auto database = [&]() -> const qelvar::NavDatabase & {
        if (!db) {
            db = std::make_unique<qelvar::NavDatabase>();
            qelvar::LoadWaypointTables(*db, qelvar::DataFolder(), sink);
        }
        return *db;
    };
    qelvar::ConversionOutcome outcome = qelvar::ConvertRouteFile(argv[1], argv[2], database);
    std::fprintf(outcome.ok ? stdout : stderr, "%s\n", outcome.message.c_str());
    return outcome.ok ? 0 : 1;
}
