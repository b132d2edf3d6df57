// The canvas that paints real pixels with QPainter: into a retained QImage that keeps what was
// drawn until the next Clear (the picture of a picture box), or onto a printer page.
#pragma once

#include "canvas.h"
#include "flat_hash_map.h"
#include "pixel_copy.h"

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPen>
#include <QStaticText>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <unordered_map>

class QPainter;
class QPaintDevice;

namespace qelvar {

class QtCanvas : public Canvas {
public:
    // A white picture of the given size in twips, 15 twips to a screen pixel, held in device
    // pixels (devicePixelRatio per screen pixel) so that it stays crisp on hi-DPI screens.
    QtCanvas(int widthTwips, int heightTwips, double devicePixelRatio = 1.0);
    // Paints onto a device that is already set up (a printer): deviceUnitsPerTwip converts
    // coordinates, deviceUnitsPerPixel converts line widths.
    QtCanvas(QPaintDevice &device, double deviceUnitsPerTwip, double deviceUnitsPerPixel);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas &) = delete;
    QtCanvas &operator=(const QtCanvas &) = delete;

    // The retained picture, with all drawing so far in it (null for a printer canvas).
    const QImage &Image();
    int WidthTwips() const { return widthTwips_; }
    int HeightTwips() const { return heightTwips_; }

    // Ends painting on the device (for a printer: before the document is finished).
    void Finish();

    // Draws what follows into a window of a printer page: the picture's twips (0, 0) to (width,
    // height) land at (left, top) twips of the page, scaled by `scale` (fonts too; line widths stay
    // as the canvas was made), and nothing is drawn outside the window. ResetWindow draws on the
    // whole page again.
    void SetWindow(double leftTwips, double topTwips, double scale, int widthTwips, int heightTwips);
    void ResetWindow();

    void Clear() override;
    void SetColor(Rgb color) override;
    void SetLineWidth(int pixels) override;
    void SetLineStyle(LineStyle style) override;
    void SetFill(Rgb color, FillStyle style) override;
    void SetFontName(const std::string &name) override;
    void Point(int x, int y) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Box(int x1, int y1, int x2, int y2) override;
    void Circle(int x, int y, int r) override;
    void Text(int x, int y, const std::string &text, double pointSize, bool bold = false) override;

private:
    struct Window {
        double left, top, scale;
        int width, height;
    };
    void ApplyWindow();

    // Fonts by face, pixel size and weight, each with its laid-out labels by text: a redraw
    // draws the same labels again and again.
    // A laid-out label, and its copy in the colour it was first drawn in (null until it is drawn a
    // second time in that colour, and always when the font's glyphs do not land as whole-pixel
    // moves of one picture: then every label goes through the painter).
    struct Label {
        QStaticText text;
        bool drawn = false;
        Rgb copyColor;
        PixelCopy copy;
    };
    struct FontLabels {
        QFont font;
        FlatStringMap<Label> labels;
        bool copiesChecked = false;
        bool copiable = false;
        // How many pixels lower than at a whole pixel a label lands, by its twip within a pixel.
        std::array<int, 15> rowShift{}; // by twip 0 to 14
    };
    // True when nothing of a shape with these twip bounds can land on the picture: such shapes are
    // skipped before they reach QPainter, which keeps full redraws of dense layers fast.
    bool OutsidePicture(double left, double top, double right, double bottom) const {
        return right < -margin_ || bottom < -margin_ || left > widthTwips_ + margin_ ||
               top > heightTwips_ + margin_;
    }
    // Begins painting on the device; the pen is applied by Painter, when the painter draws.
    void StartPainting();
    QPainter &Painter();
    void ApplyPen();
    // Lines in a row with one pen go to QPainter together; anything else drawn or a change of the
    // pen first sends the lines waiting, so the order of drawing holds.
    void FlushLines();
    // The font of the current face at a size; the last one found is kept, since labels come in runs.
    FontLabels &FontFor(double pointSize, bool bold);
    FontLabels &FindFont(double pointSize, bool bold);
    // True when lines of the current pen are drawn flat-ended with a round dot stamped on each end.
    bool StampsLineEnds() const;
    // The round dot of the current colour and line width, its centre moved right and down by
    // phaseX and phaseY quarters of a pixel from the middle of the image.
    const QImage &Dot(int phaseX, int phaseY);
    // Copies the dot of the current pen centred on a device point, to the nearest quarter pixel.
    void StampDot(QPointF centre);
    // The picture's pixels, for copies blended straight into them.
    PixelRows Pixels() const { return {pixels_, stride_, imageWidth_, imageHeight_}; }
    // A copy waits for the next drawing call before it is blended, its pixels asked for meanwhile:
    // the memory then fetches them while the canvas takes that call, not while the blend waits.
    void QueueCopy(const PixelCopy &copy, int left, int top);
    // Blends the copy waiting: before anything else touches the pixels or moves the copies.
    void FlushCopies() {
        if (queued_.copy) {
            BlendCopy(Pixels(), *queued_.copy, queued_.left, queued_.top);
            queued_.copy = nullptr;
        }
    }
    struct QueuedCopy {
        const PixelCopy *copy = nullptr;
        int left = 0, top = 0;
    } queued_;
    // Checks once per font whether labels may be copied, and how far each place within a pixel moves them.
    void CheckLabelCopies(FontLabels &font);
    // Copies the label of the current colour with its top-left corner at (x, y); false when it
    // must go through the painter.
    bool StampLabel(FontLabels &font, Label &label, int x, int y);
    // Draws the outline of a circle of the current pen, from a copy made for its place within a pixel.
    void StampRing(QPointF centre, double radius);

    std::unique_ptr<QImage> image_;
    uchar *pixels_ = nullptr; // the image's pixels while painting: single points go straight in
    QPaintDevice *device_;
    std::unique_ptr<QPainter> painter_;
    double unitsPerTwip_;
    double unitsPerPixel_;
    int pointSize_ = std::max(1, static_cast<int>(std::lround(unitsPerPixel_))); // device units
    double margin_ = 8 * unitsPerPixel_ / unitsPerTwip_; // twips round the picture: pen widths, antialiasing
    qsizetype stride_ = 0;                                                       // of the image's lines
    int imageWidth_ = 0, imageHeight_ = 0;                                       // in pixels
    int widthTwips_ = 0;
    int heightTwips_ = 0;
    CanvasState state_;
    std::optional<Window> window_;
    int deviceWidthTwips_ = 0, deviceHeightTwips_ = 0;
    std::vector<QLineF> pendingLines_;
    // Pens by colour, width and style: layers switch between a few of them for every symbol.
    std::unordered_map<uint64_t, QPen> pens_;
    // Round dots of a wide pen by colour, width and quarter-pixel position, drawn once and then
    // copied: airport diagrams draw thousands of them, and the ends of their wide lines.
    std::unordered_map<uint64_t, QImage> dots_;
    // Circle outlines by pen, radius and place within a pixel (device units): the map draws the same
    // rings round thousands of stations.
    struct RingKey {
        Rgb color;
        int width;
        LineStyle style;
        double radius, phaseX, phaseY;
        friend bool operator==(const RingKey &, const RingKey &) = default;
    };
    struct RingKeyHash {
        size_t operator()(const RingKey &key) const;
    };
    FlatHashMap<RingKey, PixelCopy, RingKeyHash> rings_;
    // Draws the thin lines waiting when they are a few within a small square (the map's symbols),
    // from a copy made for their place within a pixel; false when they are not.
    bool StampSmallFigure();
    struct FigureKey {
        Rgb color;
        int width;
        LineStyle style;
        int lines;
        // x1 y1 x2 y2 of each line from the figure's top-left pixel, in 1/960 device units (a twip
        // is 64 of them on a plain picture); unused ones are 0
        std::array<int32_t, 16> points{};
        friend bool operator==(const FigureKey &, const FigureKey &) = default;
    };
    struct FigureKeyHash {
        size_t operator()(const FigureKey &key) const;
    };
    FlatHashMap<FigureKey, PixelCopy, FigureKeyHash> figures_;
    QRgb colorRgb_ = 0xff000000; // the current colour as a pixel
    bool penDirty_ = true;
    std::map<std::tuple<std::string, int, bool>, FontLabels> fonts_; // entries never move
    const QFont *currentFont_ = nullptr;                             // the painter's font
    FontLabels *lastFont_ = nullptr;                                 // what FontFor found last, for these:
    double lastPointSize_ = 0;
    bool lastBold_ = false;
};

} // namespace qelvar
