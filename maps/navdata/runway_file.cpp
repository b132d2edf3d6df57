// Runways.nav: fixed columns, one runway per line.
#include "maps/navdata/loaders.h"
#include "maps/navdata/placing.h"
#include "maps/navdata/record_lines.h"
#include "platform/numbers.h"

#include <cmath>

namespace qelvar {

namespace {

// A coordinate in decimal degrees: D = v truncated toward zero, M = (v - D) x 60; the sign is the
// hemisphere.
double DecimalDegreeUnits(double v, bool &negative) {
    double degrees = std::trunc(v);
    double minutes = (v - degrees) * 60;
    negative = IsNegativeHemisphere(degrees, minutes);
    return CombinedUnits(degrees, minutes);
}

Runway ReadRunway(const std::string &line) {
    // Columns: 1-10 identifier, 10-19 latitude (starting in the identifier's last column),
    // 20-30 longitude, 32-34 heading, 36-40 length with "," as its only decimal separator.
    double latitude = ParseDecimal(Columns(line, 10, 10));
    double longitude = ParseDecimal(Columns(line, 20, 11));
    Runway r;
    r.Heading = ParseWholeNumber(Columns(line, 32, 3));
    r.DrawLength = ParseDecimal(Columns(line, 36, 5), DecimalSeparators::CommaOnly) / 1800;
    bool south = false;
    bool west = false;
    double latUnits = DecimalDegreeUnits(latitude, south);
    double lonUnits = DecimalDegreeUnits(longitude, west);
    r.X = LongitudeToX(lonUnits, west);
    r.Y = LatitudeToY(latUnits, south);
    return r;
}

} // namespace

void LoadRunwayDataFromFile(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    PointTable<Runway> &table = db.RunwayTable;
    try {
        RecordLines records =
            ReadRecordLines(folder, "Runways.nav", table.capacity, BlankLines::AreSkipped, sink);
        table.entries.clear();
        table.entries.reserve(records.lines.size());
        for (const std::string &line : records.lines) {
            table.entries.push_back(ReadRunway(line));
            table.count = static_cast<int32_t>(table.entries.size());
        }
    } catch (const RuntimeError &) {
        ReportFatalError(sink, "LoadData", "LoadRunwayDataFromFile", "Fehler beim Laden der Runways!");
    }
}

} // namespace qelvar
