// Intersection.nav: name; lon deg; lon min; lat deg; lat min, with "," as the decimal separator.
#include "maps/navdata/loaders.h"
#include "maps/navdata/placing.h"
#include "maps/navdata/record_lines.h"
#include "platform/numbers.h"

namespace qelvar {

namespace {

Intersection ReadIntersection(const std::string &line) {
    std::vector<std::string> f = RecordFields(line, ';', 5);
    double lonDeg = ParseDecimal(f[1], DecimalSeparators::CommaOnly);
    double lonMin = ParseDecimal(f[2], DecimalSeparators::CommaOnly);
    double latDeg = ParseDecimal(f[3], DecimalSeparators::CommaOnly);
    double latMin = ParseDecimal(f[4], DecimalSeparators::CommaOnly);
    return {f[0], LongitudeToX(CombinedUnits(lonDeg, lonMin), IsNegativeHemisphere(lonDeg, lonMin)),
            LatitudeToY(CombinedUnits(latDeg, latMin), IsNegativeHemisphere(latDeg, latMin))};
}

} // namespace

void LoadIntersectionDataFromFile(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    PointTable<Intersection> &table = db.IntersectionTable;
    try {
        RecordLines records =
            ReadRecordLines(folder, "Intersection.nav", table.capacity, BlankLines::AreSkipped, sink);
        table.entries.clear();
        table.entries.reserve(records.lines.size());
        for (const std::string &line : records.lines) {
            table.entries.push_back(ReadIntersection(line));
            table.count = static_cast<int32_t>(table.entries.size());
        }
    } catch (const RuntimeError &) {
        ReportFatalError(sink, "LoadData", "LoadIntersectionDataFromFile",
                         "Fehler beim Laden der Intersections!");
    }
}

} // namespace qelvar
