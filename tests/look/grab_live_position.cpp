// Grabs the three windows with the aircraft of the kit's demonstration track on the bundled data,
// into PNG files to be looked at: the map near Seattle during the climb-out with a route, the
// diagram of Boeing Field during the taxi, and the ILS 13R chart of Boeing Field on the final.
// Usage: grab_live_position OUTPUT_FOLDER
#include "airports/window/frm_arpt.h"
#include "airports/window/viewer_position.h"
#include "approach/window/approach_position.h"
#include "flight_track.h"
#include "maps/mainwindow/form2_position.h"
#include "maps/navdata/loading_sequence.h"
#include "position/nmea_writer.h"

#include <QApplication>
#include <filesystem>
#include <iostream>

namespace {

using namespace qelvar;

// The fixes first ... last of the track fed one a second, the last one just now.
void Fly(PositionState &state, const std::vector<TrackFix> &track, size_t first, size_t last) {
    PositionTime now = PositionClock::now();
    for (size_t i = first; i <= last; ++i)
        FeedDatagram(state, RmcSentence(track[i], "010126") + GgaSentence(track[i]),
                     now - std::chrono::seconds(static_cast<int64_t>(last - i)));
}

void Grab(QWidget &window, LivePosition &live, const std::filesystem::path &file) {
    live.Update();
    QCoreApplication::processEvents();
    window.grab().save(QString::fromStdString(file.string()));
    std::cout << file.filename().string() << ": " << live.lblPosition->text().toStdString() << "\n";
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: grab_live_position OUTPUT_FOLDER\n";
        return 2;
    }
    std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out);
    std::vector<TrackFix> track = DemoFlightTrack(43200);
    auto source = [] { return std::string("UDP 127.0.0.1:10110"); };

    NavDatabase db;
    RecordingMessageSink sink;
    HeadlessStartupScreen screen;
    std::string step;
    RunLoadingSequence(db, QELVAR_DATA_DIR, sink, screen, step);
    RecordingLauncher launcher;
    Form2 form(db, {sink, launcher, QELVAR_DATA_DIR, [] {}, false});
    form.Form_Load("");
    PositionState mapState;
    Fly(mapState, track, 0, 200);
    LivePosition *mapLive = AttachLivePosition(form, mapState, source);
    form.show();
    QCoreApplication::processEvents();
    std::optional<QPointF> at = mapLive->overlay->AircraftAt();
    for (int i = 0; i < 8 && at; ++i) { // to scale 20, zooming in at the aircraft
        ZoomInAt(form.View(), db.ZoomScale, static_cast<int32_t>(at->x()), static_cast<int32_t>(at->y()));
        form.RedrawMap();
        at = mapLive->overlay->AircraftAt();
    }
    auto unit = [](const TrackFix &f) {
        return UnitPoint{static_cast<int32_t>(std::lround(38'880'000 + f.longitude * 216'000)),
                         static_cast<int32_t>(std::lround(19'440'000 - f.latitude * 216'000))};
    };
    form.Route().RoutePoints[0] = unit(track[0]);
    form.Route().RoutePoints[1] = unit(track[240]);
    form.Route().RoutePoints[2] = unit(track[420]);
    form.Route().RoutePoints[3] = unit(track[700]);
    form.RedrawMap();
    mapLive->chkFollow->setChecked(true);
    Grab(form, *mapLive, out / "maps-climb-out.png");

    frmArpt diagram({QELVAR_DATA_DIR, [] {}});
    PositionState taxiState;
    LivePosition *diagramLive = AttachAirportPosition(diagram, taxiState, source);
    diagram.Form_Load("KBFI");
    diagram.show();
    diagram.cmdSearch_Click();
    diagram.cmdArpt_Click();
    diagram.cmdPlus_Click();
    Fly(taxiState, track, track.size() - 110, track.size() - 30);
    Grab(diagram, *diagramLive, out / "airports-kbfi-taxi.png");

    RecordingMessageSink approachSink;
    frmApproach chart({QELVAR_DATA_DIR, [] {}}, approachSink);
    PositionState finalState;
    LivePosition *chartLive = AttachApproachPosition(chart, finalState, source);
    chart.show();
    chart.Form_Load("KBFI");
    chart.cmdSearch_Click();
    chart.cmdArpt_Click();
    for (int i = 0; i < chart.cmbAPP->count(); ++i)
        if (chart.cmbAPP->itemText(i) == "ILS 13R")
            chart.cmbAPP_Click(i);
    Fly(finalState, track, 600, 720);
    Grab(chart, *chartLive, out / "approach-kbfi-final.png");
    return 0;
}
