#include "qt_canvas.h"

#include "codepage.h"
#include "fonts.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace qelvar {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr double kTwipsPerPoint = 20.0;
constexpr int kTwipsPerWholePixel = 15; // kTwipsPerPixel as a whole number
constexpr int kDotPhases = 4;           // positions of a stamped dot within a pixel, each way
constexpr size_t kMostCopies = 5'000;   // rings or figures kept (a few MB); past that they start anew

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// floor(value) as a whole number, without the library call: points and copies take thousands.
inline int FloorToInt(double value) {
    int whole = static_cast<int>(value);
    return whole - (value < whole);
}

int FloorDiv(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

} // namespace

QtCanvas::QtCanvas(int widthTwips, int heightTwips, double devicePixelRatio)
    : unitsPerTwip_(devicePixelRatio / kTwipsPerPixel), unitsPerPixel_(devicePixelRatio),
      widthTwips_(widthTwips), heightTwips_(heightTwips), deviceWidthTwips_(widthTwips),
      deviceHeightTwips_(heightTwips) {
    int width = static_cast<int>(std::lround(widthTwips * unitsPerTwip_));
    int height = static_cast<int>(std::lround(heightTwips * unitsPerTwip_));
    image_ = std::make_unique<QImage>(width, height, QImage::Format_RGB32);
    image_->fill(Qt::white);
    stride_ = image_->bytesPerLine();
    imageWidth_ = width;
    imageHeight_ = height;
    device_ = image_.get();
}

QtCanvas::QtCanvas(QPaintDevice &device, double deviceUnitsPerTwip, double deviceUnitsPerPixel)
    : device_(&device), unitsPerTwip_(deviceUnitsPerTwip), unitsPerPixel_(deviceUnitsPerPixel),
      widthTwips_(static_cast<int>(device.width() / deviceUnitsPerTwip)),
      heightTwips_(static_cast<int>(device.height() / deviceUnitsPerTwip)), deviceWidthTwips_(widthTwips_),
      deviceHeightTwips_(heightTwips_) {}

void QtCanvas::SetWindow(double leftTwips, double topTwips, double scale, int widthTwips, int heightTwips) {
    FlushLines();
    window_ = Window{leftTwips, topTwips, scale, widthTwips, heightTwips};
    // Shapes are skipped by the window's bounds, in the picture's own twips.
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    if (painter_)
        ApplyWindow();
}

void QtCanvas::ResetWindow() {
    FlushLines();
    window_.reset();
    widthTwips_ = deviceWidthTwips_;
    heightTwips_ = deviceHeightTwips_;
    if (painter_)
        ApplyWindow();
}

void QtCanvas::ApplyWindow() {
    painter_->resetTransform();
    if (!window_) {
        // A clip of the whole picture is no clip, but it lets the raster painter draw thin lines
        // straight into the pixels instead of through its span blender: the same pixels, several
        // times faster for the map's coasts and borders.
        if (image_)
            painter_->setClipRect(image_->rect());
        else
            painter_->setClipping(false);
        return;
    }
    const Window &w = *window_;
    painter_->setClipRect(QRectF(w.left * unitsPerTwip_, w.top * unitsPerTwip_,
                                 w.width * w.scale * unitsPerTwip_, w.height * w.scale * unitsPerTwip_));
    painter_->translate(w.left * unitsPerTwip_, w.top * unitsPerTwip_);
    painter_->scale(w.scale, w.scale);
}

QtCanvas::~QtCanvas() {
    Finish();
}

void QtCanvas::StartPainting() {
    if (painter_)
        return;
    if (image_)
        pixels_ = image_->bits(); // taken before the painter binds to the buffer
    painter_ = std::make_unique<QPainter>(device_);
    currentFont_ = nullptr;
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    ApplyWindow();
    penDirty_ = true;
}

void QtCanvas::QueueCopy(const PixelCopy &copy, int left, int top) {
    PrefetchCopy(Pixels(), copy, left, top);
    FlushCopies();
    queued_ = {&copy, left, top};
}

QPainter &QtCanvas::Painter() {
    StartPainting();
    FlushCopies(); // the painter draws straight into the pixels
    if (penDirty_)
        ApplyPen();
    return *painter_;
}

void QtCanvas::ApplyPen() {
    uint64_t key = (uint64_t{state_.color.r} << 40) | (uint64_t{state_.color.g} << 32) |
                   (uint64_t{state_.color.b} << 24) | (static_cast<uint64_t>(state_.lineStyle) << 16) |
                   static_cast<uint16_t>(state_.lineWidth);
    auto found = pens_.find(key);
    if (found == pens_.end()) {
        Qt::PenStyle style = Qt::SolidLine;
        if (state_.lineStyle == LineStyle::Dash)
            style = Qt::DashLine;
        else if (state_.lineStyle == LineStyle::Dot)
            style = Qt::DotLine;
        // Wide solid lines on the picture are drawn flat-ended, their round ends stamped on after
        // (see FlushLines): Qt draws round-capped wide lines several times slower.
        Qt::PenCapStyle cap = StampsLineEnds() ? Qt::FlatCap : Qt::RoundCap;
        QPen pen(ToQColor(state_.color), std::max(1, state_.lineWidth) * unitsPerPixel_, style, cap,
                 Qt::RoundJoin);
        pen.setCosmetic(true); // widths are device pixels already; the cosmetic stroker is the fast one
        found = pens_.emplace(key, pen).first;
    }
    painter_->setPen(found->second);
    penDirty_ = false;
}

bool QtCanvas::StampsLineEnds() const {
    return image_ && state_.lineWidth > 1 && state_.lineStyle == LineStyle::Solid;
}

void QtCanvas::FlushLines() {
    if (pendingLines_.empty())
        return;
    if (StampSmallFigure()) {
        pendingLines_.clear();
        return;
    }
    QPainter &p = Painter();
    p.drawLines(pendingLines_.data(), static_cast<int>(pendingLines_.size()));
    if (StampsLineEnds())
        for (const QLineF &line : pendingLines_) {
            StampDot(line.p1());
            StampDot(line.p2());
        }
    pendingLines_.clear();
}

const QImage &QtCanvas::Image() {
    Finish(); // the lines waiting too
    static const QImage none;
    return image_ ? *image_ : none;
}

void QtCanvas::Finish() {
    FlushLines();
    FlushCopies();
    if (painter_) {
        painter_->end();
        painter_.reset();
        pixels_ = nullptr;
    }
}

void QtCanvas::Clear() {
    pendingLines_.clear();
    queued_.copy = nullptr;
    if (image_) {
        Finish();
        image_->fill(Qt::white);
    }
}

void QtCanvas::SetColor(Rgb color) {
    if (color == state_.color)
        return;
    FlushLines();
    state_.color = color;
    colorRgb_ = qRgb(color.r, color.g, color.b);
    penDirty_ = true; // applied when the painter draws next: copies and points need the colour alone
}

void QtCanvas::SetLineWidth(int pixels) {
    if (pixels == state_.lineWidth)
        return;
    FlushLines();
    state_.lineWidth = pixels;
    penDirty_ = true;
}

void QtCanvas::SetLineStyle(LineStyle style) {
    FlushLines();
    state_.lineStyle = style;
    penDirty_ = true;
}

void QtCanvas::SetFill(Rgb color, FillStyle style) {
    state_.fillColor = color;
    state_.fillStyle = style;
}

void QtCanvas::SetFontName(const std::string &name) {
    if (name == state_.fontName)
        return;
    state_.fontName = name;
    lastFont_ = nullptr;
}

void QtCanvas::Point(int x, int y) {
    int left = FloorToInt(x * unitsPerTwip_);
    int top = FloorToInt(y * unitsPerTwip_);
    if (image_ && pointSize_ == 1) {
        // The usual case: the world map has tens of thousands of them, one store each. The raster
        // painter draws straight into the same pixels, so the order of drawing holds.
        if (left < 0 || top < 0 || left >= imageWidth_ || top >= imageHeight_)
            return;
        if (!pendingLines_.empty())
            FlushLines();
        StartPainting();
        FlushCopies();
        reinterpret_cast<QRgb *>(pixels_ + top * stride_)[left] = colorRgb_;
        return;
    }
    if (OutsidePicture(x, y, x, y))
        return;
    FlushLines();
    QPainter &p = Painter();
    int size = pointSize_;
    if (pixels_) {
        QRgb rgb = colorRgb_;
        for (int row = std::max(0, top); row < std::min(imageHeight_, top + size); ++row) {
            auto *line = reinterpret_cast<QRgb *>(pixels_ + row * stride_);
            for (int column = std::max(0, left); column < std::min(imageWidth_, left + size); ++column)
                line[column] = rgb;
        }
        return;
    }
    p.fillRect(QRect(left, top, size, size), ToQColor(state_.color));
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
    if (OutsidePicture(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)))
        return;
    if (x1 == x2 && y1 == y2 && state_.lineWidth > 1) {
        // A line of no length of a wide pen is a dot as wide as the pen (the stroker would draw
        // nothing). Thin ones are left to the stroker: the map's polylines have thousands of them,
        // inside lines that cover them anyway.
        FlushLines();
        QPointF at(x1 * unitsPerTwip_, y1 * unitsPerTwip_);
        if (StampsLineEnds()) {
            StartPainting();
            StampDot(at);
        } else {
            Painter().drawPoint(at);
        }
        return;
    }
    pendingLines_.emplace_back(x1 * unitsPerTwip_, y1 * unitsPerTwip_, x2 * unitsPerTwip_,
                               y2 * unitsPerTwip_);
}

void QtCanvas::Box(int x1, int y1, int x2, int y2) {
    if (OutsidePicture(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)))
        return;
    FlushLines();
    QPainter &p = Painter();
    if (state_.fillStyle == FillStyle::Solid)
        p.setBrush(ToQColor(state_.fillColor));
    else
        p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(x1 * unitsPerTwip_, y1 * unitsPerTwip_),
                      QPointF(x2 * unitsPerTwip_, y2 * unitsPerTwip_))
                   .normalized());
    p.setBrush(Qt::NoBrush);
}

void QtCanvas::Circle(int x, int y, int r) {
    if (OutsidePicture(x - r, y - r, x + r, y + r))
        return;
    if (r * unitsPerTwip_ < 0.5 && state_.lineWidth <= 1) {
        Point(x, y); // a thin circle smaller than a pixel shows as its centre pixel
        return;
    }
    FlushLines();
    StartPainting();
    if (r * unitsPerTwip_ < 0.5 && !image_) {
        // On paper the dot is the wide pen's round point, a shape rather than a picture.
        Painter().drawPoint(QPointF(x * unitsPerTwip_, y * unitsPerTwip_));
        return;
    }
    if (r * unitsPerTwip_ < 0.5) {
        // A wide pen round a tiny circle is a dot as wide as the pen.
        const QImage &dot = Dot(0, 0);
        FlushCopies();
        if (image_)
            BlendImage(Pixels(), dot, qRound(x * unitsPerTwip_ - dot.width() / 2.0),
                       qRound(y * unitsPerTwip_ - dot.height() / 2.0));
        else
            Painter().drawImage(
                QPointF(x * unitsPerTwip_ - dot.width() / 2.0, y * unitsPerTwip_ - dot.height() / 2.0), dot);
        return;
    }
    QPointF centre(x * unitsPerTwip_, y * unitsPerTwip_);
    if (image_ && state_.fillStyle == FillStyle::Transparent && r * unitsPerTwip_ >= 1.5) {
        StampRing(centre, r * unitsPerTwip_);
        return;
    }
    QPainter &p = Painter();
    if (state_.fillStyle == FillStyle::Solid)
        p.setBrush(ToQColor(state_.fillColor));
    p.drawEllipse(centre, r * unitsPerTwip_, r * unitsPerTwip_);
    p.setBrush(Qt::NoBrush);
}

void QtCanvas::StampRing(QPointF centre, double radius) {
    // The ring is drawn once into a transparent image at the same place within a pixel, and copied
    // onto the picture at whole pixels. The pixels are the painter's but where its pen blends one
    // twice (a few at the joints of a ring's segments): the copy blends those once.
    double left = FloorToInt(centre.x()), top = FloorToInt(centre.y());
    RingKey key{state_.color, state_.lineWidth,  state_.lineStyle,
                radius,       centre.x() - left, centre.y() - top};
    PixelCopy *found = rings_.Find(key);
    int margin = static_cast<int>(std::ceil(radius + state_.lineWidth * unitsPerPixel_)) + 2;
    if (!found) {
        FlushCopies(); // a ring added may move the one waiting
        if (rings_.Size() > kMostCopies)
            rings_.Clear();
        QImage ring(2 * margin + 1, 2 * margin + 1, QImage::Format_ARGB32_Premultiplied);
        ring.fill(Qt::transparent);
        QPainter painter(&ring);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Painter().pen());
        painter.drawEllipse(QPointF(margin + key.phaseX, margin + key.phaseY), radius, radius);
        painter.end();
        found = &rings_.Insert(key, InkedPart(ring, colorRgb_));
    }
    QueueCopy(*found, static_cast<int>(left) - margin, static_cast<int>(top) - margin);
}

bool QtCanvas::StampSmallFigure() {
    constexpr size_t kMostLines = 4;
    constexpr double kLargestSide = 24; // device units
    if (!image_ || StampsLineEnds() || pendingLines_.size() > kMostLines)
        return false;
    double left = pendingLines_[0].x1(), top = pendingLines_[0].y1(), right = left, bottom = top;
    for (const QLineF &line : pendingLines_) {
        left = std::min({left, line.x1(), line.x2()});
        right = std::max({right, line.x1(), line.x2()});
        top = std::min({top, line.y1(), line.y2()});
        bottom = std::max({bottom, line.y1(), line.y2()});
    }
    if (right - left > kLargestSide || bottom - top > kLargestSide)
        return false;
    // The figure relative to the whole pixel at its top-left corner: the same figure at the same
    // place within a pixel is the same picture.
    double originX = FloorToInt(left), originY = FloorToInt(top);
    FigureKey key{
        state_.color, state_.lineWidth, state_.lineStyle, static_cast<int>(pendingLines_.size()), {}};
    // Places are whole twips, multiples of 64 of these: any rounding keeps them apart (the units
    // are at least 0 from the origin, so truncating rounds down).
    auto fine = [](double units) { return static_cast<int32_t>(units * 960 + 0.5); };
    size_t at = 0;
    for (const QLineF &line : pendingLines_)
        for (double units :
             {line.x1() - originX, line.y1() - originY, line.x2() - originX, line.y2() - originY})
            key.points[at++] = fine(units);
    int margin = static_cast<int>(std::ceil(state_.lineWidth * unitsPerPixel_)) + 2;
    PixelCopy *found = figures_.Find(key);
    if (!found) {
        FlushCopies(); // a figure added may move the one waiting
        if (figures_.Size() > kMostCopies)
            figures_.Clear();
        QImage figure(static_cast<int>(std::ceil(right - originX)) + 1 + 2 * margin,
                      static_cast<int>(std::ceil(bottom - originY)) + 1 + 2 * margin,
                      QImage::Format_ARGB32_Premultiplied);
        figure.fill(Qt::transparent);
        QPainter painter(&figure);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Painter().pen());
        std::vector<QLineF> moved;
        for (const QLineF &line : pendingLines_)
            moved.push_back(line.translated(margin - originX, margin - originY));
        painter.drawLines(moved.data(), static_cast<int>(moved.size()));
        painter.end();
        found = &figures_.Insert(key, InkedPart(figure, colorRgb_));
    }
    StartPainting();
    QueueCopy(*found, static_cast<int>(originX) - margin, static_cast<int>(originY) - margin);
    return true;
}

size_t QtCanvas::FigureKeyHash::operator()(const FigureKey &k) const {
    size_t h = (static_cast<size_t>(k.color.r) << 16 | k.color.g << 8 | k.color.b) ^
               (static_cast<size_t>(k.width) << 40) ^ (static_cast<size_t>(k.style) << 56) ^
               (static_cast<size_t>(k.lines) << 48);
    for (int32_t v : k.points)
        h = h * 1'000'003 ^ static_cast<uint32_t>(v);
    return h;
}

size_t QtCanvas::RingKeyHash::operator()(const RingKey &k) const {
    size_t h = std::hash<double>()(k.radius) ^ (std::hash<double>()(k.phaseX) << 1) ^
               (std::hash<double>()(k.phaseY) << 2);
    return h ^ (static_cast<size_t>(k.color.r) << 16 | k.color.g << 8 | k.color.b) ^
           (static_cast<size_t>(k.width) << 40) ^ (static_cast<size_t>(k.style) << 56);
}

const QImage &QtCanvas::Dot(int phaseX, int phaseY) {
    uint64_t key = (uint64_t{state_.color.r} << 40) | (uint64_t{state_.color.g} << 32) |
                   (uint64_t{state_.color.b} << 24) | (uint64_t(phaseX) << 20) | (uint64_t(phaseY) << 16) |
                   static_cast<uint16_t>(state_.lineWidth);
    auto found = dots_.find(key);
    if (found != dots_.end())
        return found->second;
    double diameter = state_.lineWidth * unitsPerPixel_;
    int size = static_cast<int>(std::ceil(diameter)) + 2;
    QImage dot(size, size, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(state_.color));
    painter.drawEllipse(
        QPointF(size / 2.0 + phaseX / double(kDotPhases), size / 2.0 + phaseY / double(kDotPhases)),
        diameter / 2, diameter / 2);
    painter.end();
    return dots_.emplace(key, std::move(dot)).first->second;
}

void QtCanvas::StampDot(QPointF centre) {
    // The dot is drawn at the quarter pixel nearest to the centre, and copied to whole pixels.
    double half = (std::ceil(state_.lineWidth * unitsPerPixel_) + 2) / 2; // as in Dot
    double left = centre.x() - half, top = centre.y() - half;
    int quartersX = static_cast<int>(std::lround(left * kDotPhases));
    int quartersY = static_cast<int>(std::lround(top * kDotPhases));
    int phaseX = ((quartersX % kDotPhases) + kDotPhases) % kDotPhases;
    int phaseY = ((quartersY % kDotPhases) + kDotPhases) % kDotPhases;
    FlushCopies();
    BlendImage(Pixels(), Dot(phaseX, phaseY), (quartersX - phaseX) / kDotPhases, (quartersY - phaseY) / kDotPhases);
}

QtCanvas::FontLabels &QtCanvas::FontFor(double pointSize, bool bold) {
    if (lastFont_ && lastPointSize_ == pointSize && lastBold_ == bold)
        return *lastFont_;
    lastFont_ = &FindFont(pointSize, bold);
    lastPointSize_ = pointSize;
    lastBold_ = bold;
    return *lastFont_;
}

QtCanvas::FontLabels &QtCanvas::FindFont(double pointSize, bool bold) {
    int pixels = std::max(1, static_cast<int>(std::lround(pointSize * kTwipsPerPoint * unitsPerTwip_)));
    auto key = std::make_tuple(state_.fontName, pixels, bold);
    auto found = fonts_.find(key);
    if (found != fonts_.end())
        return found->second;
    QFont font(FontFamily(state_.fontName));
    font.setPixelSize(pixels);
    font.setBold(bold);
    // Whole-pixel glyph positions: crisper at the map's small sizes, and faster to draw.
    font.setHintingPreference(QFont::PreferFullHinting);
    FontLabels labels;
    labels.font = font;
    return fonts_.emplace(key, std::move(labels)).first->second;
}

void QtCanvas::Text(int x, int y, const std::string &text, double pointSize, bool bold) {
    // No glyph is wider or taller than twice the font size.
    double extent = 2 * pointSize * kTwipsPerPoint;
    if (OutsidePicture(x, y, x + extent * static_cast<double>(text.size()), y + extent))
        return;
    FlushLines();
    StartPainting();
    FontLabels &font = FontFor(pointSize, bold);
    Label *found = font.labels.Find(text);
    if (!found) {
        FlushCopies(); // a label added may move the one waiting
        if (font.labels.Size() > 30'000)
            font.labels.Clear();
        QStaticText label(ToUnicode(text));
        label.setTextFormat(Qt::PlainText);
        label.setPerformanceHint(QStaticText::AggressiveCaching);
        label.prepare(QTransform(), font.font);
        found = &font.labels.Insert(text, Label{std::move(label), false, {}, {}});
    }
    if (StampLabel(font, *found, x, y))
        return;
    QPainter &p = Painter();
    if (currentFont_ != &font.font) {
        p.setFont(font.font);
        currentFont_ = &font.font;
    }
    p.drawStaticText(QPointF(x * unitsPerTwip_, y * unitsPerTwip_), found->text);
}

void QtCanvas::CheckLabelCopies(FontLabels &font) {
    font.copiesChecked = true;
    // Large glyphs are few and the painter blends them faster than a copy.
    constexpr int kLargestCopiedPixels = 11;
    if (!image_ || unitsPerPixel_ != 1.0 || font.font.pixelSize() > kLargestCopiedPixels)
        return;
    // A probe with ascenders and descenders, drawn black at every twip within a pixel.
    QStaticText probe(QStringLiteral("HgW0|"));
    probe.setTextFormat(Qt::PlainText);
    probe.prepare(QTransform(), font.font);
    int width = static_cast<int>(probe.size().width()) + 8,
        height = static_cast<int>(probe.size().height()) + 8;
    auto draw = [&](int twipX, int twipY) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(font.font);
        painter.setPen(Qt::black);
        painter.drawStaticText(QPointF((30 + twipX) * unitsPerTwip_, (30 + twipY) * unitsPerTwip_), probe);
        return picture;
    };
    QImage whole = draw(0, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            QRgb pixel = whole.pixel(x, y);
            if (qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel))
                return; // coloured fringes: the glyphs are blended per colour channel
        }
    for (int twip = 1; twip < kTwipsPerWholePixel; ++twip)
        if (draw(twip, 0) != whole)
            return;
    QImage lower(width, height, QImage::Format_RGB32);
    lower.fill(Qt::white);
    for (int y = 1; y < height; ++y)
        std::copy_n(whole.constScanLine(y - 1), whole.bytesPerLine(), lower.scanLine(y));
    for (int twip = 0; twip < kTwipsPerWholePixel; ++twip) {
        QImage moved = draw(0, twip);
        if (moved == whole)
            font.rowShift[twip] = 0;
        else if (moved == lower)
            font.rowShift[twip] = 1;
        else
            return;
    }
    // The copy of the probe, blended onto white, must give the painter's pixels.
    QImage copy(width, height, QImage::Format_ARGB32_Premultiplied);
    copy.fill(Qt::transparent);
    QPainter painter(&copy);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font.font);
    painter.setPen(Qt::black);
    painter.drawStaticText(QPointF(2, 2), probe);
    painter.end();
    QImage blended(width, height, QImage::Format_RGB32);
    blended.fill(Qt::white);
    BlendImage(PixelRows{blended.bits(), blended.bytesPerLine(), width, height}, copy, 0, 0);
    font.copiable = blended == whole;
}

bool QtCanvas::StampLabel(FontLabels &font, Label &label, int x, int y) {
    // Labels are drawn as copies from their second time on: the glyphs of a fully hinted font land
    // on whole pixels, so a label's picture only moves with its place, by whole pixels (checked per
    // font with a probe), and copying it skips the painter's work for every glyph.
    if (!font.copiesChecked)
        CheckLabelCopies(font);
    if (!font.copiable)
        return false;
    if (!label.drawn) {
        label.drawn = true; // the first time through the painter: most labels of a view are drawn again
        label.copyColor = state_.color;
        return false;
    }
    if (!(label.copyColor == state_.color))
        return false; // copied in the colour it had first only: no copy made anew at every change
    PixelCopy &copy = label.copy;
    if (copy.IsNull()) {
        constexpr int kMargin = 4;
        QImage drawn(static_cast<int>(std::ceil(label.text.size().width())) + 2 * kMargin,
                     static_cast<int>(std::ceil(label.text.size().height())) + 2 * kMargin,
                     QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(font.font);
        painter.setPen(ToQColor(state_.color));
        painter.drawStaticText(QPointF(kMargin, kMargin), label.text);
        painter.end();
        copy = InkedPart(drawn, colorRgb_);
        copy.left -= kMargin;
        copy.top -= kMargin;
    }
    int column = FloorDiv(x, kTwipsPerWholePixel), row = FloorDiv(y, kTwipsPerWholePixel);
    QueueCopy(copy, column, row + font.rowShift[y - kTwipsPerWholePixel * row]);
    return true;
}

} // namespace qelvar
