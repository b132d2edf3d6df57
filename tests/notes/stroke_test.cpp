// The strokes of the notes pad on a recording canvas: dots while moving, the polyline on release,
// and a stroke longer than the buffer that is drawn in pieces without a gap.
#include "notes/stroke.h"
#include "platform/recording_canvas.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qelvar {
namespace {

std::string Dot(int x, int y) {
    return "LINE " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(x) + " " +
           std::to_string(y) + " w3 #000000";
}

std::string Join(int x1, int y1, int x2, int y2) {
    return "LINE " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) + " " +
           std::to_string(y2) + " w3 #000000";
}

TEST(Stroke, OneMovePaintsOneDotAndTheReleaseNoLine) {
    RecordingCanvas canvas;
    StrokeBuffer stroke;
    ContinueStroke(canvas, stroke, 150, 300);
    EXPECT_EQ(canvas.calls, std::vector<std::string>{Dot(150, 300)});
    EXPECT_EQ(stroke.count, 1);
    EndStroke(canvas, stroke);
    EXPECT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(stroke.count, 0);
}

TEST(Stroke, ReleaseWithoutMovesDrawsNothing) {
    RecordingCanvas canvas;
    StrokeBuffer stroke;
    EndStroke(canvas, stroke);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(Stroke, ReleaseJoinsThePointsInOrder) {
    RecordingCanvas canvas;
    StrokeBuffer stroke;
    ContinueStroke(canvas, stroke, 0, 0);
    ContinueStroke(canvas, stroke, 600, 45);
    ContinueStroke(canvas, stroke, 615, 900);
    EndStroke(canvas, stroke);
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{Dot(0, 0), Dot(600, 45), Dot(615, 900),
                                                      Join(0, 0, 600, 45), Join(600, 45, 615, 900)}));
    // The next stroke starts afresh: its release does not join it to the last one.
    canvas.calls.clear();
    ContinueStroke(canvas, stroke, 30, 30);
    EndStroke(canvas, stroke);
    EXPECT_EQ(canvas.calls, std::vector<std::string>{Dot(30, 30)});
}

// 2500 moves, more than twice the 1001 points of the buffer: the buffer is drawn as soon as it is
// full and the stroke goes on from its last point, so every neighbouring pair of the 2500 points is
// joined exactly once and in order, and every point has its dot.
TEST(Stroke, LongStrokeIsDrawnInPiecesWithoutGapOrLoss) {
    RecordingCanvas canvas;
    StrokeBuffer stroke;
    constexpr int kMoves = 2500;
    auto x = [](int i) { return 15 * (i % 800); };
    auto y = [](int i) { return 15 * (i / 800) + i % 7; };
    std::vector<int> countAfter;
    for (int i = 0; i < kMoves; ++i) {
        ContinueStroke(canvas, stroke, x(i), y(i));
        countAfter.push_back(stroke.count);
    }
    EXPECT_EQ(countAfter[999], 1000);
    EXPECT_EQ(countAfter[1000], 1); // full at the 1001st point: drawn, point 1000 carried on
    EXPECT_EQ(countAfter[2000], 1);
    EXPECT_EQ(countAfter[kMoves - 1], 500);
    EndStroke(canvas, stroke);

    std::vector<std::string> expected;
    for (int i = 0; i < kMoves; ++i) {
        expected.push_back(Dot(x(i), y(i)));
        if (i == 1000 || i == 2000)
            for (int j = i - 1000; j < i; ++j)
                expected.push_back(Join(x(j), y(j), x(j + 1), y(j + 1)));
    }
    for (int j = 2000; j + 1 < kMoves; ++j)
        expected.push_back(Join(x(j), y(j), x(j + 1), y(j + 1)));
    EXPECT_EQ(canvas.calls, expected);
}

} // namespace
} // namespace qelvar
