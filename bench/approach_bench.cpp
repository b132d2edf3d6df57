// Loading the largest scenery file of the kit with the approach reader and drawing its first
// approach, together and apart, on the Qt canvas (real pixels) and on the recording canvas. The file
// is the largest one in data/FSXFiles; without bundled files it is a made-up large airport (taxi
// network of size 4, with approaches). Run: QT_QPA_PLATFORM=offscreen build/bench/approach_bench
#include "airports/chart_frame.h"
#include "approach/approach_chart.h"
#include "approach/approach_rows.h"
#include "platform/qt_canvas.h"
#include "platform/recording_canvas.h"
#include "scenery/dispatch.h"
#include "scenery/line_reader.h"
#include "support/synthetic_approaches.h"
#include "support/synthetic_scenery.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace qelvar {
namespace {

struct BenchFile {
    std::filesystem::path path;
    std::string ident;
};

// The ident of the first airport in the file.
std::string FirstIdent(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        TabsToSpaces(line);
        if (AttributeName(line) == "<Airport ident")
            return FirstValue(line);
    }
    return {};
}

const BenchFile &LargestFile() {
    static const BenchFile file = [] {
        BenchFile largest;
        std::filesystem::path bundled = std::filesystem::path(QELVAR_DATA_DIR) / "FSXFiles";
        std::error_code ec;
        uintmax_t size = 0;
        for (const auto &entry : std::filesystem::directory_iterator(bundled, ec))
            if (entry.path().extension() == ".xml" && entry.file_size() > size) {
                size = entry.file_size();
                largest.path = entry.path();
            }
        if (largest.path.empty()) {
            largest.path = std::filesystem::temp_directory_path() / "qelvar-approach-bench.xml";
            std::ofstream(largest.path, std::ios::binary) << testing::WithSyntheticApproaches(
                testing::SyntheticSceneryXml(testing::SyntheticKind::LargeHub, "XAPP", 4));
            size = std::filesystem::file_size(largest.path);
        }
        largest.ident = FirstIdent(largest.path);
        std::cerr << "scenery file: " << largest.path << " (" << size / 1024 << " KiB, " << largest.ident
                  << ")\n";
        return largest;
    }();
    return file;
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

const Dispatcher &Rows() {
    static const Dispatcher dispatcher(ApproachRows());
    return dispatcher;
}

// The first approach, or none when the airport has none.
ApproachView FirstApproachView(const SceneryAirport &airport) {
    ApproachView view;
    if (airport.approaches.Count() > 0)
        view.approach = 0;
    return view;
}

void LoadAndDrawFirstApproach(benchmark::State &state) {
    const BenchFile &file = LargestFile();
    const VorRecords &vors = BundledVors();
    QtCanvas canvas(kChartWidth, kChartHeight);
    SceneryAirport airport;
    for (auto _ : state) {
        LoadSceneryAirport(file.path, file.ident, Rows(), airport);
        RedrawApproachChart(canvas, airport, vors, FirstApproachView(airport));
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
    state.counters["legs"] = static_cast<double>(airport.legs.Count());
}
BENCHMARK(LoadAndDrawFirstApproach)->Unit(benchmark::kMillisecond);

void LoadOnly(benchmark::State &state) {
    const BenchFile &file = LargestFile();
    SceneryAirport airport;
    for (auto _ : state)
        LoadSceneryAirport(file.path, file.ident, Rows(), airport);
}
BENCHMARK(LoadOnly)->Unit(benchmark::kMillisecond);

template <typename CanvasType> void DrawFirstApproach(benchmark::State &state, CanvasType &canvas) {
    SceneryAirport airport;
    LoadSceneryAirport(LargestFile().path, LargestFile().ident, Rows(), airport);
    ApproachView view = FirstApproachView(airport);
    for (auto _ : state) {
        if constexpr (std::is_same_v<CanvasType, RecordingCanvas>)
            canvas.calls.clear();
        RedrawApproachChart(canvas, airport, BundledVors(), view);
    }
}

void DrawQt(benchmark::State &state) {
    QtCanvas canvas(kChartWidth, kChartHeight);
    DrawFirstApproach(state, canvas);
}
BENCHMARK(DrawQt)->Unit(benchmark::kMillisecond);

void DrawRecording(benchmark::State &state) {
    RecordingCanvas canvas;
    DrawFirstApproach(state, canvas);
}
BENCHMARK(DrawRecording)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qelvar
