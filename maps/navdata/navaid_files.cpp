// vor.nav, ndb.nav and ils.nav, and their placing passes.
#include "maps/navdata/loaders.h"
#include "maps/navdata/placing.h"
#include "maps/navdata/record_lines.h"
#include "platform/numbers.h"

namespace qelvar {

namespace {

// VOR and NDB lines share one layout: tag; lon deg; lon min; lat deg; lat min; three label texts.
template <typename Station, typename ReadMinutes>
void LoadStations(PointTable<Station> &table, const std::filesystem::path &folder,
                  const std::string &fileName, MessageSink &sink, ReadMinutes readMinutes) {
    RecordLines records = ReadRecordLines(folder, fileName, table.capacity, BlankLines::AreSkipped, sink);
    table.entries.clear();
    table.count = 0;
    for (const std::string &line : records.lines) {
        std::vector<std::string> f = RecordFields(line, ';', 8);
        Station s;
        s.LonDeg = ParseWholeNumber(f[1]);
        s.LonMin = readMinutes(f[2]);
        s.LatDeg = ParseWholeNumber(f[3]);
        s.LatMin = readMinutes(f[4]);
        s.Text5 = f[5];
        s.Text6 = f[6];
        s.Text7 = f[7];
        table.entries.push_back(std::move(s));
        table.count = static_cast<int32_t>(table.entries.size());
    }
}

template <typename Entry> void PlaceAll(PointTable<Entry> &table) {
    for (int32_t i = 0; i < table.count; ++i) {
        Entry &e = table.entries[i];
        e.X = LongitudeToX(DegreesMinutesUnits(e.LonDeg, e.LonMin), IsNegativeHemisphere(e.LonDeg, e.LonMin));
        e.Y = LatitudeToY(DegreesMinutesUnits(e.LatDeg, e.LatMin), IsNegativeHemisphere(e.LatDeg, e.LatMin));
    }
}

// "N47" -> 47 and "S47" -> -47: the first character is dropped when it is the positive letter
// and replaced by a minus sign otherwise.
int32_t LetteredDegrees(const std::string &field, char positive, bool &negative) {
    negative = field.empty() || field[0] != positive;
    std::string digits = field.empty() ? std::string() : field.substr(1);
    return ParseWholeNumber(negative ? "-" + digits : digits);
}

IlsEntry ReadIls(const std::string &line) {
    std::vector<std::string> f = RecordFields(line, ';', 8);
    IlsEntry e;
    e.Text0 = f[0];
    e.Text1 = f[1];
    e.Text2 = f[2];
    bool south = false;
    bool west = false;
    e.LatDeg = LetteredDegrees(f[3], 'N', south);
    e.LatMin = ParseDecimal(f[4]);
    if (south)
        e.LatMin = -e.LatMin;
    e.LonDeg = LetteredDegrees(f[5], 'E', west);
    e.LonMin = ParseDecimal(f[6]);
    if (west)
        e.LonMin = -e.LonMin;
    e.Course = ParseDecimal(f[7]);
    return e;
}

} // namespace

void LoadVor(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    LoadVorStations(db.VorTable, folder, sink);
}

void LoadVorStations(PointTable<VorStation> &table, const std::filesystem::path &folder, MessageSink &sink) {
    LoadStations(table, folder, "vor.nav", sink, [](const std::string &f) { return ParseWholeNumber(f); });
}

void LoadVorStationsAsWritten(PointTable<NdbStation> &table, const std::filesystem::path &folder,
                              MessageSink &sink) {
    LoadStations(table, folder, "vor.nav", sink, [](const std::string &f) { return ParseDecimal(f); });
}

void PlaceVors(NavDatabase &db) {
    PlaceAll(db.VorTable);
}

void LoadNdb(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    LoadStations(db.NdbTable, folder, "ndb.nav", sink, [](const std::string &f) { return ParseDecimal(f); });
}

void PlaceNdbs(NavDatabase &db) {
    PlaceAll(db.NdbTable);
}

void LoadIls(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    PointTable<IlsEntry> &table = db.IlsTable;
    RecordLines records = ReadRecordLines(folder, "ils.nav", table.capacity, BlankLines::AreSkipped, sink);
    table.entries.clear();
    table.count = 0;
    for (const std::string &line : records.lines) {
        table.entries.push_back(ReadIls(line));
        table.count = static_cast<int32_t>(table.entries.size());
    }
}

void PlaceIls(NavDatabase &db) {
    PlaceAll(db.IlsTable);
}

} // namespace qelvar
