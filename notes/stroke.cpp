#include "notes/stroke.h"

namespace qelvar {

namespace {

void DrawPolyline(Canvas &canvas, const StrokeBuffer &stroke) {
    for (int i = 0; i + 1 < stroke.count; ++i)
        canvas.Line(stroke.points[i].x, stroke.points[i].y, stroke.points[i + 1].x, stroke.points[i + 1].y);
}

} // namespace

void ContinueStroke(Canvas &canvas, StrokeBuffer &stroke, int x, int y) {
    canvas.SetLineWidth(kStrokeWidth);
    canvas.SetColor(kStrokeColor);
    // A dot is a line of no length: the round cap of the wide pen paints it.
    canvas.Line(x, y, x, y);
    stroke.points[stroke.count++] = {x, y};
    if (stroke.count == StrokeBuffer::kCapacity) {
        DrawPolyline(canvas, stroke);
        stroke.points[0] = stroke.points[stroke.count - 1];
        stroke.count = 1;
    }
}

void EndStroke(Canvas &canvas, StrokeBuffer &stroke) {
    DrawPolyline(canvas, stroke);
    stroke.count = 0;
}

} // namespace qelvar
