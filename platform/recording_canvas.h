// A canvas that records every drawing call as one readable line, so that tests can assert what
// was drawn, in which order, where, how large and in which colour:
//   CLEAR
//   POINT 10 20 #0000ff
//   LINE 0 100 100 100 w1 #0000ff            (" dash" / " dot" follow for those styles)
//   BOX 0 0 50 50 w1 #000000 fill #ff0000    ("fill none" when transparent)
//   CIRCLE 7780 3990 200 w1 #ffff00
//   TEXT 110 -90 5 #000000 EDDF              (" bold" follows the size for bold text)
#pragma once

#include "canvas.h"

#include <string>
#include <vector>

namespace qelvar {

class RecordingCanvas : public Canvas {
public:
    void Clear() override;
    void SetColor(Rgb color) override { state_.color = color; }
    void SetLineWidth(int pixels) override { state_.lineWidth = pixels; }
    void SetLineStyle(LineStyle style) override { state_.lineStyle = style; }
    void SetFill(Rgb color, FillStyle style) override {
        state_.fillColor = color;
        state_.fillStyle = style;
    }
    void SetFontName(const std::string &name) override { state_.fontName = name; }
    void Point(int x, int y) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Box(int x1, int y1, int x2, int y2) override;
    void Circle(int x, int y, int r) override;
    void Text(int x, int y, const std::string &text, double pointSize, bool bold = false) override;

    const CanvasState &State() const { return state_; }

    std::vector<std::string> calls;

private:
    std::string Pen() const;
    CanvasState state_;
};

} // namespace qelvar
