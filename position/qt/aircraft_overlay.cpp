#include "aircraft_overlay.h"

#include "platform/twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTransform>

namespace qelvar {

namespace {

constexpr double kSymbolRadius = 14; // pixels from the centre to the nose
constexpr double kTrailWidth = 2;

QColor Colour(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

// An aircraft seen from above, nose up, centred on (0, 0), at most kSymbolRadius from it.
const QPolygonF &AircraftShape() {
    static const QPolygonF shape = [] {
        QPolygonF p;
        for (auto [x, y] : {std::pair{0.0, -14.0},
                            {2.0, -10.0},
                            {2.0, -4.0},
                            {12.0, 2.0},
                            {12.0, 5.0},
                            {2.0, 2.0},
                            {2.0, 8.0},
                            {6.0, 11.0},
                            {6.0, 13.0},
                            {0.0, 11.5}})
            p << QPointF(x, y);
        for (int i = p.size() - 2; i >= 1; --i) // the left half mirrors the right
            p << QPointF(-p[i].x(), p[i].y());
        return p;
    }();
    return shape;
}

} // namespace

AircraftOverlay::AircraftOverlay(PictureBox &picture, const PositionState &state,
                                 PictureProjection projection)
    : QWidget(&picture), state_(state), projection_(std::move(projection)) {
    setAttribute(Qt::WA_TransparentForMouseEvents); // clicks reach the picture
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(picture.rect());
    show();
}

AircraftOverlay::Mark AircraftOverlay::Compute() const {
    Mark mark;
    if (!state_.fix)
        return mark;
    std::optional<QPointF> at = projection_(state_.fix->latitude, state_.fix->longitude);
    if (!at)
        return mark;
    mark.shown = true;
    mark.stale = IsStale(state_, PositionClock::now());
    mark.at = *at / kTwipsPerPixel;
    mark.track = state_.fix->trackDeg;
    for (const TrailPoint &p : state_.trail)
        if (std::optional<QPointF> t = projection_(p.latitude, p.longitude))
            mark.trail << *t / kTwipsPerPixel;
    mark.trail << mark.at;
    return mark;
}

QRectF AircraftOverlay::SymbolBounds(const Mark &mark) {
    if (!mark.shown)
        return {};
    double r = kSymbolRadius + 2;
    return QRectF(mark.at.x() - r, mark.at.y() - r, 2 * r, 2 * r);
}

std::optional<QPointF> AircraftOverlay::AircraftAt() const {
    Mark mark = Compute();
    if (!mark.shown)
        return std::nullopt;
    return mark.at * kTwipsPerPixel;
}

void AircraftOverlay::Refresh() {
    Mark next = Compute();
    const Mark &old = painted_;
    // The trail moves at its ends only: its newest segments and, when the oldest point went, its
    // first one. Anything else (a new start, the colour of a stale position) repaints the whole.
    bool sameStart = old.trail.size() < 2 || next.trail.size() < 2 || old.trail[0] == next.trail[0] ||
                     old.trail[1] == next.trail[0];
    if (old.shown != next.shown || old.stale != next.stale || !sameStart) {
        update();
    } else if (next.shown) {
        auto tail = [](const QPolygonF &trail) {
            QPolygonF end;
            for (qsizetype i = std::max<qsizetype>(0, trail.size() - 3); i < trail.size(); ++i)
                end << trail[i];
            return end.boundingRect();
        };
        QRectF dirty = SymbolBounds(old) | SymbolBounds(next) | tail(old.trail) | tail(next.trail);
        if (old.trail.size() >= 2 && old.trail[0] != next.trail[0])
            dirty |= QRectF(old.trail[0], old.trail[1]).normalized();
        update(dirty.adjusted(-kTrailWidth - 1, -kTrailWidth - 1, kTrailWidth + 1, kTrailWidth + 1)
                   .toAlignedRect());
    }
    painted_ = next;
}

void AircraftOverlay::paintEvent(QPaintEvent *) {
    painted_ = Compute();
    if (!painted_.shown)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QColor colour = Colour(painted_.stale ? kStaleAircraftColor : kAircraftColor);

    QPen trailPen(colour, kTrailWidth, painted_.stale ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap);
    painter.setPen(trailPen);
    painter.drawPolyline(painted_.trail);

    QTransform placed;
    placed.translate(painted_.at.x(), painted_.at.y());
    if (painted_.track) {
        placed.rotate(*painted_.track); // y grows downwards: a clockwise turn from north
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(colour);
        painter.drawPolygon(placed.map(AircraftShape()));
    } else {
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(colour);
        painter.drawEllipse(painted_.at, 6.0, 6.0);
    }
}

} // namespace qelvar
