// The aircraft over a window's picture: a transparent widget on top of the picture box that draws
// the aircraft at its position, pointing along its track, with the trail of the last minutes. The
// chart below stays as it was drawn; a new position repaints only the few pixels the aircraft
// leaves and enters. A stale position is drawn grey.
#pragma once

#include "platform/canvas.h"
#include "platform/picture_box.h"
#include "position/position_state.h"

#include <QPolygonF>
#include <QWidget>
#include <functional>
#include <optional>

namespace qelvar {

// No layer of the map or the charts uses it.
inline constexpr Rgb kAircraftColor{0, 160, 176};
inline constexpr Rgb kStaleAircraftColor{150, 150, 150};

// Where a position lands on the picture, in twips; none while the picture cannot place it (no
// chart loaded).
using PictureProjection = std::function<std::optional<QPointF>(double latitude, double longitude)>;

class AircraftOverlay : public QWidget {
    Q_OBJECT
public:
    AircraftOverlay(PictureBox &picture, const PositionState &state, PictureProjection projection);

    // The position changed (or its age): repaints what the aircraft left and where it is now.
    void Refresh();
    // Where the aircraft is drawn now, in twips of the picture; none when it is not drawn.
    std::optional<QPointF> AircraftAt() const;
    bool DrawnStale() const { return painted_.stale; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What is drawn, in pixels of the widget.
    struct Mark {
        bool shown = false;
        bool stale = false;
        QPointF at;
        std::optional<double> track;
        QPolygonF trail; // oldest first, ending at the aircraft
    };
    Mark Compute() const;
    static QRectF SymbolBounds(const Mark &mark);

    const PositionState &state_;
    PictureProjection projection_;
    Mark painted_; // the mark of the last Refresh or paint
};

} // namespace qelvar
