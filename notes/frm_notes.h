// The window of QelvarNotes "Qelvar Notes": a white pad written on with the mouse, Clear and Exit.
// Nothing is saved.
#pragma once

#include "notes/stroke.h"
#include "platform/controls.h"
#include "platform/picture_box.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>

namespace qelvar {

// The top-left corner of the pad's window (frame included) on a screen, in pixels: at the right
// edge, 500 twips above the bottom.
QPoint NotesWindowPlace(const QRect &screen, const QSize &frame);

class frmNotes : public QWidget {
    Q_OBJECT
public:
    // endProgram ends the program (Exit).
    explicit frmNotes(std::function<void()> endProgram);

    // Places the window on its screen.
    void Form_Load();
    void picNotes_MouseMove(int button, int shift, float x, float y);
    void picNotes_MouseUp(int button, int shift, float x, float y);
    void cmdClear_Click();
    void cmdExit_Click();

    const StrokeBuffer &Stroke() const { return stroke_; }

    PictureBox *picNotes;
    CaptionButton *cmdClear, *cmdExit;

private:
    std::function<void()> endProgram_;
    StrokeBuffer stroke_;
};

} // namespace qelvar
