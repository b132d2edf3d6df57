#include "frm_approach.h"

#include "airports/chart_colors.h"
#include "approach/approach_rows.h"
#include "platform/codepage.h"
#include "platform/fonts.h"
#include "platform/runtime_error.h"
#include "platform/twips.h"
#include "scenery/dispatch.h"
#include "scenery/load_notice.h"

namespace qelvar {

namespace {

QComboBox *AddList(QWidget *parent, const std::string &text, int left, int top, int width, int height) {
    auto *list = new QComboBox(parent);
    QFont font(FontFamily("Lucida Console"));
    font.setPointSizeF(9);
    list->setFont(font);
    list->setPlaceholderText(ToUnicode(text));
    PlaceInTwips(*list, left, top, width, height);
    return list;
}

} // namespace

ViewerLayout ApproachViewerLayout() {
    ViewerLayout layout;
    layout.caption = "Qelvar Approach";
    layout.chartCaption = "APP Chart";
    layout.searchLeft = 14'520;
    layout.searchWidth = 1'215;
    layout.zoom = ZoomRange{2, 16, 2, 50, 2};
    return layout;
}

frmApproach::frmApproach(ViewerServices services, MessageSink &sink, QWidget *parent)
    : SceneryViewerWindow(ApproachViewerLayout(), std::move(services), parent), sink_(sink) {
    cmbAPP = AddList(this, "Approach", 14'640, 2'520, 2'055, 405);
    cmbTerm = AddList(this, "Terminal", 14'640, 3'960, 2'055, 405);
    connect(cmbAPP, &QComboBox::activated, this, &frmApproach::cmbAPP_Click);
    // cmbTerm has no handler: choosing a transition changes nothing.
}

void frmApproach::Form_Load(const std::string &commandLine) {
    SceneryViewerWindow::Form_Load(commandLine);
    transition_.reset();
    LoadVor(Folder(), vors_, sink_);
}

ApproachView frmApproach::View() const {
    return ApproachView{ZoomLevel(), PanX(), PanY(), approach_, transition_};
}

void frmApproach::SetViewControlsEnabled(bool enabled) {
    SceneryViewerWindow::SetViewControlsEnabled(enabled);
    cmbAPP->setEnabled(enabled);
    if (!enabled)
        cmbTerm->setEnabled(false); // enabled again when an approach is chosen
}

void frmApproach::ResetList(QComboBox &list, const std::string &text) {
    list.clear();
    list.setPlaceholderText(ToUnicode(text));
    list.setCurrentIndex(-1);
}

void frmApproach::LoadChart() {
    static const Dispatcher dispatcher(ApproachRows());
    const IndexEntry &entry = *Matched();
    transition_.reset();
    approach_.reset();
    ResetList(*cmbAPP, entry.icao + " APP");
    ResetList(*cmbTerm, entry.icao + " Term");
    cmbTerm->setEnabled(false);
    SceneryLoadResult result;
    if (!LoadMatchedAirport(dispatcher, airport_, result)) {
        // Nothing is shown of the airport before.
        chartLoaded_ = false;
        SetViewControlsEnabled(false);
        return;
    }
    chartLoaded_ = true;
    ApproachChartOutcome outcome = DrawChart();
    for (const ApproachRecord &approach : airport_.approaches)
        cmbAPP->addItem(ToUnicode(approach.label));
    cmbAPP->setCurrentIndex(-1);

    std::string notice = LoadNotice(result, entry.icao, entry.fileName);
    if (result.airportFound && outcome.noReferencePoint)
        notice += (notice.empty() ? "" : "; ") + std::string("the airport's position cannot be read");
    SetCaption(notice.empty() ? MatchedCaption() : MatchedCaption() + " - " + notice);
}

void frmApproach::cmbAPP_Click(int index) {
    if (!chartLoaded_ || index < 0)
        return;
    approach_ = index;
    transition_.reset();
    ResetList(*cmbTerm, Matched()->icao + " Term");
    cmbTerm->setEnabled(true);
    ApproachChartOutcome outcome = DrawChart();
    for (const std::string &entry : outcome.transitionEntries)
        cmbTerm->addItem(ToUnicode(entry));
    cmbTerm->setCurrentIndex(-1);
}

std::optional<ChartPage> frmApproach::ChartForPage() {
    if (!chartLoaded_)
        return std::nullopt;
    std::string kind = "Approach Chart";
    if (approach_ && static_cast<size_t>(*approach_) < airport_.approaches.Count())
        kind += " " + airport_.approaches[*approach_].label;
    return ChartPage{picArpt->Canvas().WidthTwips(),
                     picArpt->Canvas().HeightTwips(),
                     airport_.header.ident,
                     kind,
                     TodayText(),
                     [this](Canvas &canvas) { RedrawApproachChart(canvas, airport_, vors_, View()); }};
}

bool frmApproach::ChooseApproach(const std::string &label) {
    auto squeezed = [](std::string text) {
        std::erase(text, ' ');
        return UpperCase(text);
    };
    for (int i = 0; i < cmbAPP->count(); ++i)
        if (squeezed(ToWindows1252(cmbAPP->itemText(i))) == squeezed(label)) {
            cmbAPP->setCurrentIndex(i);
            cmbAPP_Click(i);
            return true;
        }
    return false;
}

void frmApproach::Redraw() {
    if (chartLoaded_)
        DrawChart(); // the transition list keeps what the approach's choice put there
}

ApproachChartOutcome frmApproach::DrawChart() {
    ApproachChartOutcome outcome;
    try {
        outcome = RedrawApproachChart(picArpt->Canvas(), airport_, vors_, View());
    } catch (const RuntimeError &error) {
        ShowRoutineError(sink_, error, "RedrawApproachChart", "basAPP");
    }
    picArpt->update();
    SceneryViewerWindow::SetViewControlsEnabled(true);
    cmbAPP->setEnabled(true);
    cmdSearch->setEnabled(true);
    return outcome;
}

} // namespace qelvar
