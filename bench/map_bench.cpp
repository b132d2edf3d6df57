// The map's redraw at every scale on the bundled data with every layer on, on the recording
// canvas (the logic alone) and on the Qt canvas (real pixels); the mouse read-out; and loading
// all nav files. Run: QT_QPA_PLATFORM=offscreen build/bench/map_bench
#include "bench_scenes.h"
#include "maps/mainwindow/form2.h"
#include "maps/mapview/redraw.h"
#include "maps/navdata/loading_sequence.h"
#include "platform/qt_canvas.h"
#include "platform/recording_canvas.h"

#include <benchmark/benchmark.h>

namespace qelvar {
namespace {

template <typename CanvasType> void Redraw(benchmark::State &state, CanvasType &canvas) {
    NavDatabase &db = bench::BundledNavData();
    MapView view = bench::MapViewAt(static_cast<int32_t>(state.range(0)));
    HitList hits;
    RoutePointTable route{};
    RecordingMessageSink sink;
    MapScene scene{db, view, hits, route, sink};
    for (auto _ : state) {
        if constexpr (std::is_same_v<CanvasType, RecordingCanvas>)
            canvas.calls.clear();
        RedrawResult result = RedrawMap(scene, canvas);
        benchmark::DoNotOptimize(result);
        if constexpr (std::is_same_v<CanvasType, QtCanvas>)
            benchmark::DoNotOptimize(canvas.Image().constBits()); // all painting done
    }
    state.counters["hits"] = hits.count;
}

void RedrawRecording(benchmark::State &state) {
    RecordingCanvas canvas;
    Redraw(state, canvas);
    state.counters["calls"] = static_cast<double>(canvas.calls.size());
}

void RedrawQt(benchmark::State &state) {
    QtCanvas canvas(bench::kMapWidth, bench::kMapHeight);
    Redraw(state, canvas);
}

void Scales(benchmark::internal::Benchmark *b) {
    for (int32_t scale : bench::kMapScales)
        b->Arg(scale);
}

BENCHMARK(RedrawRecording)->Apply(Scales)->Unit(benchmark::kMillisecond);
BENCHMARK(RedrawQt)->Apply(Scales)->Unit(benchmark::kMillisecond);

void MouseMove(benchmark::State &state) {
    NavDatabase &db = bench::BundledNavData();
    RecordingMessageSink sink;
    RecordingLauncher launcher;
    Form2 form(db, {sink, launcher, ".", [] {}});
    float x = 100;
    for (auto _ : state) {
        form.PicMap_MouseMove(0, 0, x, 3'000.5f);
        x = x > 15'000 ? 100 : x + 7.5f;
    }
}
BENCHMARK(MouseMove)->Unit(benchmark::kMicrosecond);

void LoadAllNavFiles(benchmark::State &state) {
    for (auto _ : state) {
        NavDatabase db;
        RecordingMessageSink sink;
        HeadlessStartupScreen screen;
        std::string step;
        RunLoadingSequence(db, QELVAR_DATA_DIR, sink, screen, step);
        benchmark::DoNotOptimize(db.AirportTable.AirportCount);
    }
}
BENCHMARK(LoadAllNavFiles)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qelvar
