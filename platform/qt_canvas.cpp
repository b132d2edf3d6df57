#include "qt_canvas.h"

#include "codepage.h"
#include "fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace qelvar {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr double kTwipsPerPoint = 20.0;

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

} // namespace

QtCanvas::QtCanvas(int widthTwips, int heightTwips, double devicePixelRatio)
    : unitsPerTwip_(devicePixelRatio / kTwipsPerPixel), unitsPerPixel_(devicePixelRatio), widthTwips_(widthTwips),
      heightTwips_(heightTwips) {
    int width = static_cast<int>(std::lround(widthTwips * unitsPerTwip_));
    int height = static_cast<int>(std::lround(heightTwips * unitsPerTwip_));
    image_ = std::make_unique<QImage>(width, height, QImage::Format_ARGB32_Premultiplied);
    image_->fill(Qt::white);
    device_ = image_.get();
}

QtCanvas::QtCanvas(QPaintDevice &device, double deviceUnitsPerTwip, double deviceUnitsPerPixel)
    : device_(&device), unitsPerTwip_(deviceUnitsPerTwip), unitsPerPixel_(deviceUnitsPerPixel) {}

QtCanvas::~QtCanvas() { Finish(); }

QPainter &QtCanvas::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(device_);
        painter_->setRenderHint(QPainter::Antialiasing, true);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
        penDirty_ = true;
    }
    if (penDirty_)
        ApplyPen();
    return *painter_;
}

void QtCanvas::ApplyPen() {
    Qt::PenStyle style = Qt::SolidLine;
    if (state_.lineStyle == LineStyle::Dash)
        style = Qt::DashLine;
    else if (state_.lineStyle == LineStyle::Dot)
        style = Qt::DotLine;
    QPen pen(ToQColor(state_.color), std::max(1, state_.lineWidth) * unitsPerPixel_, style, Qt::RoundCap,
             Qt::RoundJoin);
    painter_->setPen(pen);
    penDirty_ = false;
}

const QImage &QtCanvas::Image() {
    if (painter_)
        Finish();
    static const QImage none;
    return image_ ? *image_ : none;
}

void QtCanvas::Finish() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void QtCanvas::Clear() {
    if (image_) {
        Finish();
        image_->fill(Qt::white);
    }
}

void QtCanvas::SetColor(Rgb color) {
    state_.color = color;
    penDirty_ = true;
}

void QtCanvas::SetLineWidth(int pixels) {
    state_.lineWidth = pixels;
    penDirty_ = true;
}

void QtCanvas::SetLineStyle(LineStyle style) {
    state_.lineStyle = style;
    penDirty_ = true;
}

void QtCanvas::SetFill(Rgb color, FillStyle style) {
    state_.fillColor = color;
    state_.fillStyle = style;
}

void QtCanvas::SetFontName(const std::string &name) { state_.fontName = name; }

void QtCanvas::Point(int x, int y) {
    QPainter &p = Painter();
    double size = std::max(1.0, unitsPerPixel_);
    p.fillRect(QRectF(x * unitsPerTwip_, y * unitsPerTwip_, size, size), ToQColor(state_.color));
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
    Painter().drawLine(QPointF(x1 * unitsPerTwip_, y1 * unitsPerTwip_), QPointF(x2 * unitsPerTwip_, y2 * unitsPerTwip_));
}

void QtCanvas::Box(int x1, int y1, int x2, int y2) {
    QPainter &p = Painter();
    if (state_.fillStyle == FillStyle::Solid)
        p.setBrush(ToQColor(state_.fillColor));
    else
        p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(x1 * unitsPerTwip_, y1 * unitsPerTwip_), QPointF(x2 * unitsPerTwip_, y2 * unitsPerTwip_))
                   .normalized());
    p.setBrush(Qt::NoBrush);
}

void QtCanvas::Circle(int x, int y, int r) {
    QPainter &p = Painter();
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(x * unitsPerTwip_, y * unitsPerTwip_), r * unitsPerTwip_, r * unitsPerTwip_);
}

const QFont &QtCanvas::FontFor(double pointSize, bool bold) {
    int pixels = std::max(1, static_cast<int>(std::lround(pointSize * kTwipsPerPoint * unitsPerTwip_)));
    auto key = std::make_tuple(state_.fontName, pixels, bold);
    auto found = fonts_.find(key);
    if (found != fonts_.end())
        return found->second;
    QFont font(FontFamily(state_.fontName));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return fonts_.emplace(key, font).first->second;
}

void QtCanvas::Text(int x, int y, const std::string &text, double pointSize, bool bold) {
    QPainter &p = Painter();
    const QFont &font = FontFor(pointSize, bold);
    p.setFont(font);
    QFontMetricsF metrics(font, device_);
    p.drawText(QPointF(x * unitsPerTwip_, y * unitsPerTwip_ + metrics.ascent()), ToUnicode(text));
}

} // namespace qelvar
