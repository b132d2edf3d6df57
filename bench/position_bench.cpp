// The live position: parsing NMEA sentences, and one update of the aircraft over a map picture
// (a new fix read, the overlay told, and the window system repainting what changed).
// Run: QT_QPA_PLATFORM=offscreen build/bench/position_bench
#include "flight_track.h"
#include "platform/picture_box.h"
#include "position/nmea_writer.h"
#include "position/qt/aircraft_overlay.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace qelvar {
namespace {

// The demonstration track as single sentences, RMC and GGA alternating, each with its CR LF.
const std::vector<std::string> &TrackSentences() {
    static const std::vector<std::string> sentences = [] {
        std::vector<std::string> lines;
        for (const TrackFix &fix : DemoFlightTrack(43200)) {
            lines.push_back(RmcSentence(fix, "010126"));
            lines.push_back(GgaSentence(fix));
        }
        return lines;
    }();
    return sentences;
}

// 10,000 sentences through FeedLine, 10 ms apart (under the rate cap, so every one is read).
void ParseTenThousandSentences(benchmark::State &state) {
    const std::vector<std::string> &lines = TrackSentences();
    const PositionTime start = PositionClock::now();
    for (auto _ : state) {
        PositionState position;
        for (int i = 0; i < 10'000; ++i)
            FeedLine(position, lines[static_cast<size_t>(i) % lines.size()], start + std::chrono::milliseconds(10 * i));
        benchmark::DoNotOptimize(position.counts.positions);
    }
}
BENCHMARK(ParseTenThousandSentences)->Unit(benchmark::kMicrosecond);

// One update on the map picture of Qelvar Maps (15,615 x 7,815 twips) with a picture drawn in it
// and three minutes of trail: the fix's datagram fed, the overlay refreshed, and the repaint of the
// changed region processed, as the window does for each datagram.
void OverlayUpdate(benchmark::State &state) {
    PictureBox picture(15'615, 7'815);
    QtCanvas &canvas = picture.Canvas();
    canvas.SetColor({0, 0, 255});
    for (int x = 0; x < 15'615; x += 150)
        canvas.Line(x, 0, 15'615 - x, 7'815); // something under the aircraft to repaint
    PositionState position;
    // The picture shows about 1.2° x 0.6° around the start of the track.
    const double west = -122.9, north = 47.75, twipsPerDegree = 15'615 / 1.2;
    AircraftOverlay overlay(picture, position, [&](double lat, double lon) -> std::optional<QPointF> {
        return QPointF((lon - west) * twipsPerDegree, (north - lat) * twipsPerDegree);
    });
    picture.show();
    QCoreApplication::processEvents();

    std::vector<TrackFix> track = DemoFlightTrack(43200);
    PositionTime now = PositionClock::now();
    size_t i = 0;
    for (size_t k = 0; k < 180; ++k, ++i) { // three minutes of trail first
        now += std::chrono::seconds(1);
        FeedDatagram(position, RmcSentence(track[i], "010126") + GgaSentence(track[i]), now);
    }
    std::vector<std::string> datagrams;
    for (const TrackFix &fix : track)
        datagrams.push_back(RmcSentence(fix, "010126") + GgaSentence(fix));
    for (auto _ : state) {
        now += std::chrono::seconds(1);
        FeedDatagram(position, datagrams[i++ % datagrams.size()], now);
        overlay.Refresh();
        QCoreApplication::processEvents(); // the repaint of the dirty region
    }
}
BENCHMARK(OverlayUpdate)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qelvar
