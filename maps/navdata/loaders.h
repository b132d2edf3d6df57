// The loaders that fill the navigation database from the ten nav files in the program folder,
// and the placing passes that turn the degrees and minutes of four tables into map units.
//
// Errors: the line-file, VOR, NDB and ILS loaders raise RuntimeError to their caller; the hills
// and airport loaders show the routine message and return; the runway and intersection loaders
// end the program through ReportFatalError. A file with more records than its table holds keeps
// the records that fit and says so in one message. Blank lines are skipped in the files where every
// line is a record, and read like comments (an empty entry) in the line files and Hills.nav.
#pragma once

#include "maps/navdata/nav_database.h"
#include "maps/navdata/placing.h"
#include "platform/messages.h"

#include <filesystem>
#include <string>

namespace qelvar {

void LoadCoast(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink);
void LoadBorders(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink);
void LoadTrain(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink);
void LoadHillsFromFile(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink);

void LoadArptftomFile(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink);
void PlaceAirports(NavDatabase &db);
// The map position of one airport from its four coordinate fields (degrees rounded to whole).
MapPoint PlaceAirport(const Airport &airport);

void LoadVor(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink);
// vor.nav into a station table of any capacity, the minutes rounded to whole ones as the map keeps them.
void LoadVorStations(PointTable<VorStation> &table, const std::filesystem::path &folder, MessageSink &sink);
// vor.nav with its minutes as written, in records of the NDB layout, which keeps decimal minutes: the
// approach chart places its stations where they are.
void LoadVorStationsAsWritten(PointTable<NdbStation> &table, const std::filesystem::path &folder,
                              MessageSink &sink);
void PlaceVors(NavDatabase &db);
void LoadNdb(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink);
void PlaceNdbs(NavDatabase &db);
void LoadIls(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink);
void PlaceIls(NavDatabase &db);

void LoadRunwayDataFromFile(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink);
void LoadIntersectionDataFromFile(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink);

// The message shown when a file holds more records than its table.
std::string TableFullText(const std::string &fileName, int32_t capacity);

} // namespace qelvar
