#include "recording_canvas.h"

#include "numbers.h"

#include <cstdio>

namespace qelvar {

std::string HexColor(Rgb color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", color.r, color.g, color.b);
    return buffer;
}

namespace {

std::string Numbers(std::initializer_list<int> values) {
    std::string text;
    for (int v : values)
        text += " " + std::to_string(v);
    return text;
}

} // namespace

std::string RecordingCanvas::Pen() const {
    std::string pen = " w" + std::to_string(state_.lineWidth) + " " + HexColor(state_.color);
    if (state_.lineStyle == LineStyle::Dash)
        pen += " dash";
    else if (state_.lineStyle == LineStyle::Dot)
        pen += " dot";
    return pen;
}

void RecordingCanvas::Clear() {
    calls.push_back("CLEAR");
}

void RecordingCanvas::Point(int x, int y) {
    calls.push_back("POINT" + Numbers({x, y}) + " " + HexColor(state_.color));
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2) {
    calls.push_back("LINE" + Numbers({x1, y1, x2, y2}) + Pen());
}

void RecordingCanvas::Box(int x1, int y1, int x2, int y2) {
    std::string fill = state_.fillStyle == FillStyle::Solid ? " fill " + HexColor(state_.fillColor)
                                                            : std::string(" fill none");
    calls.push_back("BOX" + Numbers({x1, y1, x2, y2}) + Pen() + fill);
}

void RecordingCanvas::Circle(int x, int y, int r) {
    // Circles are mostly unfilled: only a solid fill is written down.
    std::string fill = state_.fillStyle == FillStyle::Solid ? " fill " + HexColor(state_.fillColor) : "";
    calls.push_back("CIRCLE" + Numbers({x, y, r}) + Pen() + fill);
}

void RecordingCanvas::Text(int x, int y, const std::string &text, double pointSize, bool bold) {
    calls.push_back("TEXT" + Numbers({x, y}) + " " + ShortestDecimal(pointSize) + (bold ? " bold " : " ") +
                    HexColor(state_.color) + " " + text);
}

} // namespace qelvar
