#include "scenery_viewer_window.h"

#include "airports/chart_colors.h"
#include "platform/codepage.h"
#include "platform/fonts.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "platform/twips.h"
#include "scenery/load_notice.h"

#include <QCoreApplication>
#include <QCursor>
#include <algorithm>

namespace qelvar {

namespace {

constexpr int kPictureLeft = 120, kPictureTop = 120, kPictureWidth = 14'415, kPictureHeight = 10'215;
constexpr int kWindowWidth = 16'815, kWindowHeight = 10'455;
constexpr int kCentreX = 7'000, kCentreY = 5'000;

QFont ControlFont(const char *name, double points) {
    QFont font(FontFamily(name));
    font.setPointSizeF(points);
    return font;
}

} // namespace

bool SceneryViewerWindow::LoadMatchedAirport(const Dispatcher &dispatcher, SceneryAirport &airport,
                                             SceneryLoadResult &result) {
    const IndexEntry &entry = *Matched();
    try {
        result =
            LoadSceneryAirport(SceneryFilePath(Folder(), entry.fileName), entry.icao, dispatcher, airport);
        return true;
    } catch (const RuntimeError &error) {
        std::string notice = UnreadableFileNotice(entry.fileName, error.Description());
        SetCaption(MatchedCaption() + " - " + notice);
        QtCanvas &canvas = picArpt->Canvas();
        canvas.Clear();
        canvas.SetColor(kDarkRed);
        canvas.Text(200, 200, notice, 10);
        canvas.SetColor(kBlack);
        picArpt->update();
        return false;
    }
}

std::string ZoomCaption(const std::string &levelLabel, int zoom) {
    return "Reset Position\r" + levelLabel + std::to_string(zoom);
}

SceneryViewerWindow::SceneryViewerWindow(ViewerLayout layout, ViewerServices services, QWidget *parent)
    : QWidget(parent), layout_(std::move(layout)), services_(std::move(services)), zoom_(layout_.zoom.start) {
    SetCaption(layout_.caption);
    setFixedSize(TwipsToPixels(kWindowWidth), TwipsToPixels(kWindowHeight));

    picArpt = new PictureBox(kPictureWidth, kPictureHeight, this);
    PlaceInTwips(*picArpt, kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);

    lblSearch = new QLabel(ToUnicode("    ICAO Code"), this);
    lblSearch->setFont(ControlFont("MS Sans Serif", 8));
    PlaceInTwips(*lblSearch, 14'520, 120, 2'175, 375);

    txtSearch = new QLineEdit(this);
    txtSearch->setFont(ControlFont("Lucida Console", 9));
    PlaceInTwips(*txtSearch, layout_.searchLeft, 600, layout_.searchWidth, 375);

    cmdSearch = AddButton("Search", 15'720, 600, 975, 735);
    cmdArpt = AddButton(layout_.chartCaption, 14'640, 1'440, 2'055, 975);
    cmdZoom = AddButton("Reset Zoom", 14'760, 5'040, 1'935, 735);
    cmdPlus = AddButton("Zoom In", 14'760, 5'880, 975, 975);
    cmdMinus = AddButton("Zoom Out", 15'720, 5'880, 975, 975);
    cmdExit = AddButton("EXIT", 15'600, 9'360, 1'095, 855);

    connect(cmdSearch, &QPushButton::clicked, this, &SceneryViewerWindow::cmdSearch_Click);
    connect(txtSearch, &QLineEdit::returnPressed, this, &SceneryViewerWindow::cmdSearch_Click);
    connect(cmdArpt, &QPushButton::clicked, this, &SceneryViewerWindow::cmdArpt_Click);
    connect(cmdZoom, &QPushButton::clicked, this, &SceneryViewerWindow::cmdZoom_Click);
    connect(cmdPlus, &QPushButton::clicked, this, &SceneryViewerWindow::cmdPlus_Click);
    connect(cmdMinus, &QPushButton::clicked, this, &SceneryViewerWindow::cmdMinus_Click);
    connect(cmdExit, &QPushButton::clicked, this, &SceneryViewerWindow::cmdExit_Click);
    connect(picArpt, &PictureBox::MouseDown, this, &SceneryViewerWindow::picArpt_MouseDown);
}

CaptionButton *SceneryViewerWindow::AddButton(const std::string &caption, int left, int top, int width,
                                              int height) {
    auto *button = new CaptionButton(caption, this);
    button->setFont(ControlFont("MS Sans Serif", 8));
    PlaceInTwips(*button, left, top, width, height);
    return button;
}

void SceneryViewerWindow::SetCaption(const std::string &caption) {
    setWindowTitle(ToUnicode(caption));
}

std::string SceneryViewerWindow::Caption() const {
    return ToWindows1252(windowTitle());
}

std::string SceneryViewerWindow::MatchedCaption() const {
    return matched_ ? IndexEntryCaption(*matched_) : layout_.caption;
}

void SceneryViewerWindow::SetViewControlsEnabled(bool enabled) {
    cmdPlus->setEnabled(enabled);
    cmdMinus->setEnabled(enabled);
}

void SceneryViewerWindow::ShowZoomCaption(const std::string &levelLabel) {
    cmdZoom->SetCaption(ZoomCaption(levelLabel, zoom_));
}

void SceneryViewerWindow::Form_Load(const std::string &commandLine) {
    if (!commandLine.empty())
        txtSearch->setText(ToUnicode(commandLine));
    zoom_ = layout_.zoom.start;
    cmdArpt->setEnabled(false);
    cmdZoom->setEnabled(false);
    SetViewControlsEnabled(false);
}

void SceneryViewerWindow::cmdSearch_Click() {
    cmdZoom->setEnabled(false);
    SetViewControlsEnabled(false);
    searchedIdent_ = SearchKey(ToWindows1252(txtSearch->text()));
    picArpt->Canvas().Clear();
    picArpt->update();
    // The window is busy while the index is read; the captions show how far the search has come.
    IndexSearchOutcome outcome =
        RunIndexSearch(services_.folder, searchedIdent_, [this](const std::string &c) {
            SetCaption(c);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    SetCaption(outcome.caption);
    if (!outcome.indexRead)
        return; // the typed ident stays in the box for another try
    txtSearch->clear();
    if (!outcome.entry)
        return; // the chart button keeps the previous match
    matched_ = outcome.entry;
    cmdArpt->SetCaption("Show " + matched_->icao + " Chart");
    cmdArpt->setEnabled(true);
}

void SceneryViewerWindow::cmdArpt_Click() {
    if (!matched_)
        return;
    zoom_ = layout_.zoom.chart;
    cmdZoom->setEnabled(true);
    ShowZoomCaption("Zoom Level= ");
    panX_ = panY_ = 0;
    LoadChart();
}

void SceneryViewerWindow::cmdPlus_Click() {
    zoom_ = std::max(zoom_ - layout_.zoom.step, layout_.zoom.least);
    ShowZoomCaption("Zoom Level=");
    Redraw();
}

void SceneryViewerWindow::cmdMinus_Click() {
    zoom_ = std::min(zoom_ + layout_.zoom.step, layout_.zoom.most);
    ShowZoomCaption("Zoom Level=");
    Redraw();
}

void SceneryViewerWindow::cmdZoom_Click() {
    panX_ = panY_ = 0;
    Redraw();
}

void SceneryViewerWindow::picArpt_MouseDown(int button, int, float x, float y) {
    if (button == kRightButton) {
        ShowChartMenu(QCursor::pos()); // the right button is for the chart's page
        return;
    }
    // Far clicks add up; the pan stays well inside the range of the picture arithmetic.
    constexpr int kPanLimit = 100'000'000;
    panX_ = std::clamp(panX_ + kCentreX - RoundToInt32(x), -kPanLimit, kPanLimit);
    panY_ = std::clamp(panY_ + kCentreY - RoundToInt32(y), -kPanLimit, kPanLimit);
    Redraw();
}

void SceneryViewerWindow::cmdExit_Click() {
    if (services_.exitProgram)
        services_.exitProgram();
}

} // namespace qelvar
