#include "notes/frm_notes.h"

#include "platform/numbers.h"
#include "platform/twips.h"

#include <QScreen>

namespace qelvar {

namespace {

// The pad's client area: the controls with a margin of 120 twips to the right and below.
constexpr int kClientWidth = 14055;
constexpr int kClientHeight = 4935;
constexpr int kAboveBottom = 500;

} // namespace

QPoint NotesWindowPlace(const QRect &screen, const QSize &frame) {
    return {screen.left() + screen.width() - frame.width(),
            screen.top() + screen.height() - frame.height() - TwipsToPixels(kAboveBottom)};
}

frmNotes::frmNotes(std::function<void()> endProgram) : endProgram_(std::move(endProgram)) {
    setWindowTitle("Qelvar Notes");
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

    picNotes = new PictureBox(12855, 4695, this);
    PlaceInTwips(*picNotes, 120, 120, 12855, 4695);
    cmdClear = new CaptionButton("Clear", this);
    PlaceInTwips(*cmdClear, 13200, 120, 735, 615);
    cmdExit = new CaptionButton("Exit", this);
    PlaceInTwips(*cmdExit, 13200, 3000, 735, 615);

    connect(picNotes, &PictureBox::MouseMove, this, &frmNotes::picNotes_MouseMove);
    connect(picNotes, &PictureBox::MouseUp, this, &frmNotes::picNotes_MouseUp);
    connect(cmdClear, &QPushButton::clicked, this, &frmNotes::cmdClear_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmNotes::cmdExit_Click);
}

void frmNotes::Form_Load() {
    QScreen *screen = this->screen();
    if (!screen)
        return;
    // The whole screen, as the pad has always measured it, not the area left free by panels.
    move(NotesWindowPlace(screen->geometry(), frameGeometry().size()));
}

void frmNotes::picNotes_MouseMove(int button, int, float x, float y) {
    if (!(button & kLeftButton))
        return;
    ContinueStroke(picNotes->Canvas(), stroke_, RoundToInt32(x), RoundToInt32(y));
    picNotes->update();
}

void frmNotes::picNotes_MouseUp(int, int, float, float) {
    EndStroke(picNotes->Canvas(), stroke_);
    picNotes->update();
}

void frmNotes::cmdClear_Click() {
    picNotes->Canvas().Clear();
    stroke_.count = 0;
    picNotes->update();
}

void frmNotes::cmdExit_Click() {
    endProgram_();
}

} // namespace qelvar
