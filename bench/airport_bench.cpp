// Reading and drawing the largest scenery file of the kit: LoadSceneryAirport, then RedrawAirport
// into the 14,415 x 10,215 twip QtCanvas picture, with parking spots and taxi labels on.
// The file is the largest in the kit's FSXFiles folder (QELVAR_FSX_FOLDER, or the kit folder beside
// the benchmark); without one, a made-up hub of the size of a large real airport is written.
#include "airports/chart_frame.h"
#include "airports/redraw_airport.h"
#include "bench_scenes.h"
#include "platform/qt_canvas.h"
#include "platform/recording_canvas.h"
#include "scenery/diagram_rows.h"
#include "scenery/dispatch.h"
#include "support/synthetic_scenery.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

namespace fs = std::filesystem;

struct BenchFile {
    fs::path path;
    std::string ident;
};

// The ident of the first "<Airport ident" line of the file.
std::string FirstIdent(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        auto at = line.find("<Airport ident=\"");
        if (at != std::string::npos) {
            auto start = at + 16;
            return line.substr(start, line.find('"', start) - start);
        }
    }
    return {};
}

BenchFile LargestFile() {
    const char *folder = std::getenv("QELVAR_FSX_FOLDER");
    fs::path fsx = folder ? fs::path(folder) : fs::path(QELVAR_KIT_DIR) / "FSXFiles";
    BenchFile best;
    std::error_code ec;
    uintmax_t bestSize = 0;
    if (fs::is_directory(fsx, ec))
        for (const auto &entry : fs::directory_iterator(fsx))
            if (entry.is_regular_file() && entry.file_size() > bestSize) {
                bestSize = entry.file_size();
                best.path = entry.path();
            }
    if (!best.path.empty()) {
        best.ident = FirstIdent(best.path);
        return best;
    }
    best.path = fs::temp_directory_path() / "qelvar-bench-XLRG.xml";
    best.ident = "XLRG";
    // Size 9: about 1,950 taxi points, 2,200 paths and 580 gates, as a large real hub.
    std::ofstream(best.path, std::ios::binary)
        << qelvar::testing::SyntheticSceneryXml(qelvar::testing::SyntheticKind::LargeHub, "XLRG", 9);
    return best;
}

const BenchFile &File() {
    static const BenchFile file = [] {
        BenchFile f = LargestFile();
        std::cerr << "scenery file: " << f.path << " (" << fs::file_size(f.path) << " bytes), airport "
                  << f.ident << "\n";
        return f;
    }();
    return file;
}

const qelvar::Dispatcher &Rows() {
    static const qelvar::Dispatcher dispatcher(qelvar::DiagramRows());
    return dispatcher;
}

void ReadAndDraw(benchmark::State &state) {
    qelvar::SceneryAirport airport;
    qelvar::QtCanvas canvas(qelvar::kChartWidth, qelvar::kChartHeight);
    qelvar::DiagramView view{qelvar::kNewAirportZoom, 0, 0, true, true};
    for (auto _ : state) {
        qelvar::LoadSceneryAirport(File().path, File().ident, Rows(), airport);
        qelvar::RedrawAirport(canvas, airport, view);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
    state.counters["taxi_points"] = static_cast<double>(airport.taxiPoints.Count());
    state.counters["taxi_paths"] = static_cast<double>(airport.taxiPaths.Count());
    state.counters["parking"] = static_cast<double>(airport.parkingSpots.Count());
}
BENCHMARK(ReadAndDraw)->Unit(benchmark::kMillisecond);

void ReadOnly(benchmark::State &state) {
    qelvar::SceneryAirport airport;
    for (auto _ : state)
        qelvar::LoadSceneryAirport(File().path, File().ident, Rows(), airport);
}
BENCHMARK(ReadOnly)->Unit(benchmark::kMillisecond);

void DrawOnly(benchmark::State &state) {
    qelvar::SceneryAirport airport;
    qelvar::LoadSceneryAirport(File().path, File().ident, Rows(), airport);
    qelvar::QtCanvas canvas(qelvar::kChartWidth, qelvar::kChartHeight);
    qelvar::DiagramView view{static_cast<int>(state.range(0)), 0, 0, true, true};
    for (auto _ : state) {
        qelvar::RedrawAirport(canvas, airport, view);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}
BENCHMARK(DrawOnly)->Arg(1)->Arg(4)->Arg(10)->Unit(benchmark::kMillisecond);

// One bundled hub at a zoom, parking spots and taxi labels on: on the Qt canvas as the window draws
// it (HubDrawQt/ICAO/ZOOM), and on the recording canvas for the logic alone (HubDrawRecording/...).
void HubDrawQt(benchmark::State &state, const char *ident) {
    qelvar::SceneryAirport &airport = qelvar::bench::HubDiagram(ident);
    qelvar::QtCanvas canvas(qelvar::kChartWidth, qelvar::kChartHeight);
    qelvar::DiagramView view = qelvar::bench::HubView(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        qelvar::RedrawAirport(canvas, airport, view);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}

void HubDrawRecording(benchmark::State &state, const char *ident) {
    qelvar::SceneryAirport &airport = qelvar::bench::HubDiagram(ident);
    qelvar::RecordingCanvas canvas;
    qelvar::DiagramView view = qelvar::bench::HubView(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        canvas.calls.clear();
        qelvar::RedrawAirport(canvas, airport, view);
        benchmark::DoNotOptimize(canvas.calls.data());
    }
    state.counters["calls"] = static_cast<double>(canvas.calls.size());
}

void RegisterHubs() {
    using Draw = void (*)(benchmark::State &, const char *);
    for (auto [name, draw] : {std::pair<const char *, Draw>{"HubDrawQt", HubDrawQt},
                              std::pair<const char *, Draw>{"HubDrawRecording", HubDrawRecording}})
        for (const char *hub : qelvar::bench::kHubs) {
            auto *b = benchmark::RegisterBenchmark((std::string(name) + "/" + hub).c_str(), draw, hub);
            for (int zoom : qelvar::bench::kHubZooms)
                b->Arg(zoom);
            b->Unit(benchmark::kMillisecond);
        }
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    RegisterHubs();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
