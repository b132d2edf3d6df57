// A map scene for redraw tests: an empty database, all layers off, and a view that puts a chosen
// map position at a chosen picture position.
#pragma once

#include "maps/mapview/redraw.h"
#include "platform/recording_canvas.h"

#include <string>
#include <vector>

namespace qelvar::testing {

using Calls = std::vector<std::string>;

// The map position every test object sits on.
inline constexpr int32_t kObjectX = 40'000'000;
inline constexpr int32_t kObjectY = 10'000'000;

struct SceneFixture {
    NavDatabase db;
    MapView view;
    HitList hits;
    RoutePointTable route{};
    RecordingMessageSink sink;
    RecordingCanvas canvas;

    // The view at `scale` with (X, Y) at picture position (px, py).
    void ViewAt(int32_t scale, int32_t X = kObjectX, int32_t Y = kObjectY, int32_t px = 1'000,
                int32_t py = 2'000) {
        view.ScaleX = view.ScaleY = scale;
        view.OriginX = X - px * scale;
        view.OriginY = Y - py * scale;
    }
    RedrawResult Draw() {
        canvas.calls.clear();
        MapScene scene{db, view, hits, route, sink};
        return RedrawMap(scene, canvas);
    }
    // What the layers drew, without the clearing and the centre mark.
    Calls LayerCalls() {
        Draw();
        return Calls(canvas.calls.begin() + 2, canvas.calls.end());
    }
    std::vector<std::string> HitKinds() const {
        std::vector<std::string> kinds;
        for (int32_t i = 0; i < hits.count; ++i)
            kinds.push_back(hits.entries[i].kind + " " + std::to_string(hits.entries[i].index) + " " +
                            std::to_string(hits.entries[i].x) + " " + std::to_string(hits.entries[i].y));
        return kinds;
    }
};

} // namespace qelvar::testing
