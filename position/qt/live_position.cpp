#include "live_position.h"

#include "platform/codepage.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "position/position_text.h"
#include "position/surroundings.h"

namespace qelvar {

LivePosition::LivePosition(QWidget &window, PictureBox &picture, const PositionState &state,
                           std::function<std::string()> sourceText, LivePositionHooks hooks,
                           LivePositionLayout layout)
    : QObject(&window), picture_(picture), state_(state), sourceText_(std::move(sourceText)),
      hooks_(std::move(hooks)), oneLine_(layout.statusOnOneLine) {
    QFont font(FontFamily("MS Sans Serif"));
    font.setPointSizeF(7);
    chkFollow = new QCheckBox("Follow", &window);
    chkFollow->setFont(font);
    PlaceInTwips(*chkFollow, layout.follow.x(), layout.follow.y(), layout.follow.width(),
                 layout.follow.height());
    lblPosition = new QLabel(&window);
    lblPosition->setFont(font);
    lblPosition->setWordWrap(!oneLine_);
    lblPosition->setAlignment(Qt::AlignLeft | (oneLine_ ? Qt::AlignVCenter : Qt::AlignTop));
    PlaceInTwips(*lblPosition, layout.status.x(), layout.status.y(), layout.status.width(),
                 layout.status.height());
    overlay = new AircraftOverlay(picture, state, hooks_.projection);
    connect(chkFollow, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            FollowIfNeeded();
    });
    Update();
}

void LivePosition::Follow(PositionListener &listener) {
    connect(&listener, &PositionListener::Changed, this, &LivePosition::Update);
    Update();
}

void LivePosition::Update() {
    PositionTime now = PositionClock::now();
    bool stale = IsStale(state_, now);
    std::string next =
        state_.fix && !stale && hooks_.nextPoint ? hooks_.nextPoint(*state_.fix) : std::string();
    std::vector<std::string> parts =
        StatusParts(state_, now, next, sourceText_ ? sourceText_() : std::string());
    std::string text;
    for (const std::string &part : parts)
        text += (text.empty() ? "" : oneLine_ ? "     " : "\n") + part;
    lblPosition->setText(ToUnicode(text));
    lblPosition->setEnabled(!stale); // greyed while there is no fresh position
    if (state_.fix && hooks_.watch)
        hooks_.watch(*state_.fix, now, stale);
    FollowIfNeeded();
    overlay->Refresh();
}

void LivePosition::FollowIfNeeded() {
    if (!chkFollow->isChecked() || !hooks_.recentre || IsStale(state_, PositionClock::now()))
        return;
    std::optional<QPointF> at = overlay->AircraftAt();
    QSizeF size = QSizeF(picture_.size()) * kTwipsPerPixel;
    if (at && NearPictureEdge(at->x(), at->y(), size.width(), size.height()))
        hooks_.recentre(*at);
}

} // namespace qelvar
