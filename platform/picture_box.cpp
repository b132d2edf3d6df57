#include "picture_box.h"

#include "twips.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace qelvar {

namespace {

int ButtonValue(Qt::MouseButtons buttons) {
    int value = 0;
    if (buttons & Qt::LeftButton)
        value |= kLeftButton;
    if (buttons & Qt::RightButton)
        value |= kRightButton;
    if (buttons & Qt::MiddleButton)
        value |= kMiddleButton;
    return value;
}

int ShiftValue(Qt::KeyboardModifiers modifiers) {
    int value = 0;
    if (modifiers & Qt::ShiftModifier)
        value |= kShiftKey;
    if (modifiers & Qt::ControlModifier)
        value |= kCtrlKey;
    if (modifiers & Qt::AltModifier)
        value |= kAltKey;
    return value;
}

float Twips(double pixels) {
    return static_cast<float>(pixels * kTwipsPerPixel);
}

} // namespace

PictureBox::PictureBox(int widthTwips, int heightTwips, QWidget *parent)
    : QWidget(parent), canvas_(std::make_unique<QtCanvas>(widthTwips, heightTwips,
                                                          qGuiApp ? qGuiApp->devicePixelRatio() : 1.0)) {
    resize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.fillRect(rect(), Qt::white);
    const QImage &image = canvas_->Image();
    QRectF target(0, 0, canvas_->WidthTwips() / kTwipsPerPixel, canvas_->HeightTwips() / kTwipsPerPixel);
    painter.drawImage(target, image);
}

void PictureBox::mousePressEvent(QMouseEvent *event) {
    emit MouseDown(ButtonValue(event->button()), ShiftValue(event->modifiers()), Twips(event->position().x()),
                   Twips(event->position().y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent *event) {
    emit MouseMove(ButtonValue(event->buttons()), ShiftValue(event->modifiers()),
                   Twips(event->position().x()), Twips(event->position().y()));
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event) {
    // QWidget's default would deliver it as another press.
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
    emit MouseUp(ButtonValue(event->button()), ShiftValue(event->modifiers()), Twips(event->position().x()),
                 Twips(event->position().y()));
}

} // namespace qelvar
