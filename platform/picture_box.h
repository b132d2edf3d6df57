// A picture on a window: shows the retained image of its QtCanvas scaled to the widget and reports
// mouse events with positions in twips of the picture. A double-click is one MouseDown: press,
// release, then only the release of the second click.
#pragma once

#include "qt_canvas.h"

#include <QWidget>
#include <memory>

namespace qelvar {

// Mouse buttons and shift keys as the kit's handlers receive them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftKey : int { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(int widthTwips, int heightTwips, QWidget *parent = nullptr);

    QtCanvas &Canvas() { return *canvas_; }

signals:
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The second press of a double-click: not a further MouseDown (its release is a MouseUp).
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<QtCanvas> canvas_;
};

} // namespace qelvar
