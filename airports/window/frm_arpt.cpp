#include "frm_arpt.h"

#include "airports/chart_colors.h"
#include "platform/qt_message_sink.h"
#include "platform/runtime_error.h"
#include "scenery/diagram_rows.h"
#include "scenery/dispatch.h"
#include "scenery/load_notice.h"

namespace qelvar {

ViewerLayout AirportViewerLayout() {
    ViewerLayout layout;
    layout.caption = "Qelvar-Airport";
    layout.chartCaption = "Arpt Chart";
    layout.searchLeft = 14'640;
    layout.searchWidth = 1'095;
    layout.zoom = ZoomRange{2, kNewAirportZoom, kFirstZoom, kLastZoom, 1};
    return layout;
}

frmArpt::frmArpt(ViewerServices services, QWidget *parent)
    : SceneryViewerWindow(AirportViewerLayout(), std::move(services), parent),
      ownSink_(std::make_unique<QtMessageSink>("Qelvar Airports")), sink_(*ownSink_) {
    AddSwitches();
}

frmArpt::frmArpt(ViewerServices services, MessageSink &sink, QWidget *parent)
    : SceneryViewerWindow(AirportViewerLayout(), std::move(services), parent), sink_(sink) {
    AddSwitches();
}

void frmArpt::AddSwitches() {
    cmdTaxi = AddButton("Taxi Labels", 14'640, 2'520, 2'055, 975);
    cmdParking = AddButton("Parking", 14'640, 3'600, 2'055, 1'095);
    connect(cmdTaxi, &QPushButton::clicked, this, &frmArpt::cmdTaxi_Click);
    connect(cmdParking, &QPushButton::clicked, this, &frmArpt::cmdParking_Click);
}

DiagramView frmArpt::View() const {
    return DiagramView{ZoomLevel(), PanX(), PanY(), parking_, taxiLabels_};
}

void frmArpt::SetViewControlsEnabled(bool enabled) {
    SceneryViewerWindow::SetViewControlsEnabled(enabled);
    cmdTaxi->setEnabled(enabled);
    cmdParking->setEnabled(enabled);
}

void frmArpt::LoadChart() {
    static const Dispatcher dispatcher(DiagramRows());
    const IndexEntry &entry = *Matched();
    SceneryLoadResult result;
    if (!LoadMatchedAirport(dispatcher, airport_, result))
        return; // the tables keep the airport they held
    chartLoaded_ = true;
    DiagramReport report = DrawDiagram();
    std::string notice = LoadNotice(result, entry.icao, entry.fileName);
    std::string drawn = result.airportFound ? DiagramNotice(report) : std::string();
    if (!drawn.empty())
        notice += (notice.empty() ? "" : "; ") + drawn;
    SetCaption(notice.empty() ? MatchedCaption() : MatchedCaption() + " - " + notice);
}

void frmArpt::Redraw() {
    if (chartLoaded_)
        DrawDiagram();
}

DiagramReport frmArpt::DrawDiagram() {
    DiagramReport report;
    try {
        report = RedrawAirport(picArpt->Canvas(), airport_, View());
    } catch (const RuntimeError &error) {
        ShowRoutineError(sink_, error, "RedrawAirport", "basDisplay");
    }
    picArpt->update();
    SetViewControlsEnabled(true);
    cmdSearch->setEnabled(true);
    return report;
}

std::optional<ChartPage> frmArpt::ChartForPage() {
    if (!chartLoaded_)
        return std::nullopt;
    return ChartPage{picArpt->Canvas().WidthTwips(),
                     picArpt->Canvas().HeightTwips(),
                     airport_.header.ident,
                     "Airport Diagram",
                     TodayText(),
                     [this](Canvas &canvas) { RedrawAirport(canvas, airport_, View()); }};
}

void frmArpt::cmdParking_Click() {
    parking_ = !parking_;
    cmdParking->SetCaption(parking_ ? "Parking ON" : "Parking OFF");
    Redraw();
}

void frmArpt::cmdTaxi_Click() {
    taxiLabels_ = !taxiLabels_;
    cmdTaxi->SetCaption(taxiLabels_ ? "Taxi Labels ON" : "Taxi Labels OFF");
    Redraw();
}

} // namespace qelvar
