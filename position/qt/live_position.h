// The live position in one window: the aircraft over the window's picture, a "Follow" switch and a
// status text, kept up to date from the position state. What differs between the windows (how a
// position lands on the picture, how the picture recentres, the next point of a route or approach,
// what else the window watches) comes in as hooks.
#pragma once

#include "position/qt/aircraft_overlay.h"
#include "position/qt/position_listener.h"

#include <QCheckBox>
#include <QLabel>
#include <QRect>
#include <functional>
#include <string>

namespace qelvar {

struct LivePositionHooks {
    PictureProjection projection;
    // Follow: makes the picture point (twips) the centre of the picture, at the current scale.
    std::function<void(QPointF twips)> recentre;
    // "next SEA 12.3 NM 245°", or empty when there is no next point.
    std::function<std::string(const AircraftFix &fix)> nextPoint;
    // Called after every update with a valid position, for what else the window watches.
    std::function<void(const AircraftFix &fix, PositionTime now, bool stale)> watch;
};

struct LivePositionLayout {
    QRect follow; // twips of the window: the Follow switch
    QRect status; // twips of the window: the status text
    bool statusOnOneLine = false;
};

class LivePosition : public QObject {
    Q_OBJECT
public:
    // sourceText names the source in the status.
    LivePosition(QWidget &window, PictureBox &picture, const PositionState &state,
                 std::function<std::string()> sourceText, LivePositionHooks hooks, LivePositionLayout layout);

    // Shows the state: the aircraft, the status, and with Follow on a recentred picture when the
    // aircraft nears its edge.
    void Update();
    // Takes the listener's changes from now on.
    void Follow(PositionListener &listener);

    QCheckBox *chkFollow;
    QLabel *lblPosition;
    AircraftOverlay *overlay;

private:
    void FollowIfNeeded();

    PictureBox &picture_;
    const PositionState &state_;
    std::function<std::string()> sourceText_;
    LivePositionHooks hooks_;
    bool oneLine_;
};

} // namespace qelvar
