#include "controls.h"

#include "codepage.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <qdrawutil.h>

namespace qelvar {

Rgb ButtonFace() {
    QColor face = QApplication::palette().color(QPalette::Button);
    return {static_cast<uint8_t>(face.red()), static_cast<uint8_t>(face.green()),
            static_cast<uint8_t>(face.blue())};
}

CaptionButton::CaptionButton(const std::string &caption, QWidget *parent)
    : QPushButton(ToUnicode(caption), parent), backColor_(ButtonFace()) {
    setFocusPolicy(Qt::TabFocus);
}

void CaptionButton::SetCaption(const std::string &caption) {
    setText(ToUnicode(caption));
}

std::string CaptionButton::Caption() const {
    return ToWindows1252(text());
}

void CaptionButton::SetBackColor(Rgb color) {
    backColor_ = color;
    update();
}

void CaptionButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    QColor back(backColor_.r, backColor_.g, backColor_.b);
    painter.fillRect(rect(), back);
    QPalette shades = palette();
    shades.setColor(QPalette::Light, back.lighter(150));
    shades.setColor(QPalette::Dark, back.darker(160));
    shades.setColor(QPalette::Mid, back.darker(130));
    qDrawShadePanel(&painter, rect(), shades, isDown(), 1);
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : palette().color(QPalette::Mid));
    painter.setFont(font());
    QRect inner = rect().adjusted(1, 1, -1, -1);
    if (isDown())
        inner.translate(1, 1);
    // A carriage return in a caption starts a new line, with or without a line feed after it.
    QString shown = text();
    shown.replace("\r\n", "\n").replace('\r', '\n');
    painter.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, shown);
}

void SetBoxText(QPlainTextEdit &box, const std::string &text) {
    QString shown = ToUnicode(text);
    shown.replace("\r\n", "\n");
    box.setPlainText(shown);
}

std::string BoxText(const QPlainTextEdit &box) {
    QString text = box.toPlainText();
    text.replace("\n", "\r\n");
    return ToWindows1252(text);
}

} // namespace qelvar
