// Coast.nav, Borders.nav, Train.nav and Hills.nav: one entry per line, comments and blank lines
// included.
#include "maps/navdata/loaders.h"
#include "maps/navdata/placing.h"
#include "maps/navdata/record_lines.h"

namespace qelvar {

namespace {

// A comment, or a blank line: its entry stays empty.
bool IsComment(const std::string &line) {
    return (!line.empty() && line[0] == '#') || IsBlankLine(line);
}

// Every line takes the next entry; a comment (and a "##" segment start, and a blank line) stays
// X = Y = 0 and so ends the polyline before it.
void LoadPolylineLayer(PolylineLayer &layer, const std::filesystem::path &folder, const std::string &fileName,
                       MessageSink &sink) {
    std::vector<std::string> lines =
        ReadRecordLines(folder, fileName, layer.capacity, BlankLines::AreKept, sink).lines;
    layer.X.assign(lines.size(), 0);
    layer.Y.assign(lines.size(), 0);
    layer.count = 0;
    for (const std::string &line : lines) {
        if (!IsComment(line)) {
            MapPoint p = ParsePositionText(line);
            layer.X[layer.count] = p.X;
            layer.Y[layer.count] = p.Y;
        }
        ++layer.count;
    }
}

} // namespace

void LoadCoast(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    LoadPolylineLayer(db.CoastLayer, folder, "Coast.nav", sink);
}

void LoadBorders(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    LoadPolylineLayer(db.BorderLayer, folder, "Borders.nav", sink);
}

void LoadTrain(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    LoadPolylineLayer(db.TrainLayer, folder, "Train.nav", sink);
}

void LoadHillsFromFile(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    PointTable<Hill> &table = db.HillTable;
    try {
        std::vector<std::string> lines =
            ReadRecordLines(folder, "Hills.nav", table.capacity, BlankLines::AreKept, sink).lines;
        for (const std::string &line : lines) {
            Hill hill;
            if (!IsComment(line)) {
                std::vector<std::string> fields = RecordFields(line, ';', 3);
                MapPoint p = ParsePositionText(fields[2]);
                hill = {fields[0], fields[1], p.X, p.Y};
            }
            table.entries.push_back(std::move(hill));
            table.count = static_cast<int32_t>(table.entries.size());
        }
    } catch (const RuntimeError &error) {
        ShowRoutineError(sink, error, "LoadHillsFromFile", "Module1");
    }
}

} // namespace qelvar
