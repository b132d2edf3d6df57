#include "bench_scenes.h"

#include "approach/approach_rows.h"
#include "maps/navdata/loading_sequence.h"
#include "platform/messages.h"
#include "scenery/diagram_rows.h"
#include "scenery/dispatch.h"

#include <map>
#include <stdexcept>

namespace qelvar::bench {

NavDatabase &BundledNavData() {
    static NavDatabase *db = [] {
        auto *loaded = new NavDatabase;
        RecordingMessageSink sink;
        HeadlessStartupScreen screen;
        std::string step;
        RunLoadingSequence(*loaded, QELVAR_DATA_DIR, sink, screen, step);
        loaded->LayerFlags.Intersections = true;
        return loaded;
    }();
    return *db;
}

MapView MapViewAt(int32_t scale) {
    MapView view;
    if (scale == 5000)
        return view;
    view.ScaleX = view.ScaleY = scale;
    view.OriginX = (38'880'000 + 8 * 216'000 + 34 * 3'600) - 7'780 * scale;
    view.OriginY = (19'440'000 - 50 * 216'000 - 2 * 3'600) - 3'990 * scale;
    return view;
}

namespace {

void LoadBundled(const std::string &ident, const std::vector<DispatchRow> &rows, SceneryAirport &airport) {
    SceneryLoadResult result = LoadSceneryAirport(SceneryFilePath(QELVAR_DATA_DIR, ident + ".xml"), ident,
                                                  Dispatcher(rows), airport);
    if (!result.airportFound)
        throw std::runtime_error(ident + " is not in the bundled scenery files");
}

} // namespace

SceneryAirport &HubDiagram(const std::string &ident) {
    static std::map<std::string, SceneryAirport> hubs;
    auto found = hubs.find(ident);
    if (found == hubs.end()) {
        found = hubs.emplace(ident, SceneryAirport{}).first;
        LoadBundled(ident, DiagramRows(), found->second);
    }
    return found->second;
}

DiagramView HubView(int zoom) {
    return DiagramView{zoom, 0, 0, true, true};
}

SceneryAirport &ApproachAirport() {
    static SceneryAirport *airport = [] {
        auto *loaded = new SceneryAirport;
        LoadBundled("KSEA", ApproachRows(), *loaded);
        return loaded;
    }();
    return *airport;
}

const VorRecords &BundledVors() {
    static const VorRecords vors = [] {
        VorRecords loaded;
        RecordingMessageSink sink;
        LoadVor(QELVAR_DATA_DIR, loaded, sink);
        return loaded;
    }();
    return vors;
}

int Ils16LApproach() {
    const SceneryAirport &airport = ApproachAirport();
    for (size_t i = 0; i < airport.approaches.Count(); ++i)
        if (ApproachLabel(airport.approaches[i]) == "ILS 16L")
            return static_cast<int>(i);
    throw std::runtime_error("KSEA has no ILS 16L approach");
}

} // namespace qelvar::bench
