#include "vor_records.h"

#include "maps/navdata/loaders.h"
#include "maps/navdata/placing.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "scenery/grid.h"

#include <cmath>
#include <cstdlib>

namespace qelvar {

namespace {

VorRecord ToRecord(const NdbStation &station) {
    VorRecord vor;
    vor.ident = station.Text6;
    vor.lat = VorCoordinateText(station.LatDeg, station.LatMin, 'N', 'S');
    vor.lon = VorCoordinateText(station.LonDeg, station.LonMin, 'E', 'W');
    vor.name = station.Text5;
    vor.frequency = station.Text7;
    vor.x = LonToGrid(vor.lon, kApproachGridPerDegree);
    vor.y = LatToGrid(vor.lat, kApproachGridPerDegree);
    return vor;
}

} // namespace

std::string VorCoordinateText(int32_t degrees, double minutes, char positiveLetter, char negativeLetter) {
    char letter = IsNegativeHemisphere(degrees, minutes) ? negativeLetter : positiveLetter;
    return letter + std::to_string(std::abs(int64_t{degrees})) + " " + ShortestDecimal(std::fabs(minutes));
}

std::string VorFileMissingText() {
    return "vor.nav was not found in the program folder. The approach charts are drawn without VOR stations.";
}

std::string VorFileBrokenText(const RuntimeError &error, size_t stationsRead) {
    return "vor.nav could not be read past station " + std::to_string(stationsRead) + ": Error " +
           std::to_string(error.Number()) + " (" + error.Description() + ") on line " +
           std::to_string(stationsRead + 1) + ". The approach charts show only the stations before it.";
}

void LoadVor(const std::filesystem::path &folder, VorRecords &vors, MessageSink &sink) {
    vors.clear();
    PointTable<NdbStation> stations{static_cast<int32_t>(kVorCapacity)};
    try {
        LoadVorStationsAsWritten(stations, folder, sink);
    } catch (const RuntimeError &error) {
        if (error.Number() == kFileNotFound) {
            sink.ShowMessage(VorFileMissingText());
            return;
        }
        sink.ShowMessage(VorFileBrokenText(error, static_cast<size_t>(stations.count)));
    }
    vors.reserve(static_cast<size_t>(stations.count));
    try {
        for (int32_t i = 0; i < stations.count; ++i)
            vors.push_back(ToRecord(stations.entries[i]));
    } catch (const RuntimeError &error) { // a position beyond the grid's range
        sink.ShowMessage(VorFileBrokenText(error, vors.size()));
    }
}

} // namespace qelvar
