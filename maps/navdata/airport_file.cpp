// arpt.nav: one airport per line, twelve fields separated by ";"; empty lines are skipped.
#include "maps/navdata/loaders.h"
#include "maps/navdata/placing.h"
#include "maps/navdata/record_lines.h"
#include "platform/numbers.h"

namespace qelvar {

namespace {

Airport ReadAirport(const std::string &line) {
    std::vector<std::string> f = RecordFields(line, ';', 12);
    Airport a;
    a.Type = f[0];
    a.IataCode = f[1];
    a.LocationIndicator = f[2];
    a.Name = f[3];
    a.Elevation = f[4];
    a.LonDeg = ParseDecimal(f[5]);
    a.LonMin = ParseDecimal(f[6]);
    a.LatDeg = ParseDecimal(f[7]);
    a.LatMin = ParseDecimal(f[8]);
    a.Atis = f[9];
    a.RunwayInfo = f[10];
    a.Country = f[11];
    return a;
}

} // namespace

void LoadArptftomFile(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    AirportTableData &table = db.AirportTable;
    try {
        RecordLines records =
            ReadRecordLines(folder, "arpt.nav", table.capacity, BlankLines::AreSkipped, sink);
        table.LoadTruncated = records.truncated;
        table.entries.clear();
        table.entries.reserve(records.lines.size());
        for (const std::string &line : records.lines)
            table.entries.push_back(ReadAirport(line));
        // The count is set only once the whole file has been read: after an error the table
        // counts as empty.
        table.AirportCount = static_cast<int32_t>(table.entries.size());
    } catch (const RuntimeError &error) {
        table.LoadFailed = true;
        ShowRoutineError(sink, error, "LoadArptftomFile", "Module1");
    }
}

MapPoint PlaceAirport(const Airport &a) {
    double lonDeg = RoundToInt32(a.LonDeg);
    double latDeg = RoundToInt32(a.LatDeg);
    return {LongitudeToX(DegreesMinutesUnits(lonDeg, a.LonMin), IsNegativeHemisphere(lonDeg, a.LonMin)),
            LatitudeToY(DegreesMinutesUnits(latDeg, a.LatMin), IsNegativeHemisphere(latDeg, a.LatMin))};
}

void PlaceAirports(NavDatabase &db) {
    for (int32_t i = 0; i < db.AirportTable.AirportCount; ++i) {
        Airport &a = db.AirportTable.entries[i];
        MapPoint p = PlaceAirport(a);
        a.X = p.X;
        a.Y = p.Y;
    }
}

} // namespace qelvar
