// Window controls as the kit's windows use them: buttons with a back colour and a word-wrapped
// caption, and text boxes that hold the kit's Windows-1252 text with CR LF line ends.
#pragma once

#include "canvas.h"

#include <QPushButton>
#include <string>

class QPlainTextEdit;

namespace qelvar {

// The system's button face colour.
Rgb ButtonFace();

// A push button whose caption wraps inside the button ("Bor- der" on two lines) and whose back
// colour the program sets.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    CaptionButton(const std::string &caption, QWidget *parent);

    void SetCaption(const std::string &caption);
    std::string Caption() const;
    void SetBackColor(Rgb color);
    Rgb BackColor() const { return backColor_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Rgb backColor_;
};

// Text boxes: the kit's text has CR LF line ends, the box shows plain lines.
void SetBoxText(QPlainTextEdit &box, const std::string &text);
std::string BoxText(const QPlainTextEdit &box);

} // namespace qelvar
