// The one drawing interface of the kit. Every coordinate is in twips of the picture (1/1440 inch,
// x to the right, y downwards, origin top-left); line widths are in pixels; font sizes in points.
// Drawing state (colour, width, style, fill, font) stays set until changed, as on a picture box.
#pragma once

#include <cstdint>
#include <string>

namespace qelvar {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

enum class LineStyle { Solid, Dash, Dot };
enum class FillStyle { Transparent, Solid };

// "#rrggbb"
std::string HexColor(Rgb color);

class Canvas {
public:
    virtual ~Canvas() = default;

    // Wipes the picture to its background colour (white).
    virtual void Clear() = 0;
    virtual void SetColor(Rgb color) = 0;
    virtual void SetLineWidth(int pixels) = 0;
    virtual void SetLineStyle(LineStyle style) = 0;
    virtual void SetFill(Rgb color, FillStyle style) = 0;
    // Face names as the programs give them ("Small Fonts", "Lucida Console", ...).
    virtual void SetFontName(const std::string &name) = 0;

    // One pixel at the point.
    virtual void Point(int x, int y) = 0;
    // A line of no length is a dot as wide as the line.
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // A rectangle between two corners, filled by the fill style.
    virtual void Box(int x1, int y1, int x2, int y2) = 0;
    // A circle of radius r around (x, y), filled by the fill style.
    virtual void Circle(int x, int y, int r) = 0;
    // Text (Windows-1252) with its top-left corner at (x, y).
    virtual void Text(int x, int y, const std::string &text, double pointSize, bool bold = false) = 0;
};

// The state every canvas keeps; implementations share it.
struct CanvasState {
    Rgb color{0, 0, 0};
    int lineWidth = 1;
    LineStyle lineStyle = LineStyle::Solid;
    Rgb fillColor{0, 0, 0};
    FillStyle fillStyle = FillStyle::Transparent;
    std::string fontName = "Small Fonts";
};

} // namespace qelvar
