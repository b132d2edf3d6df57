// Grabs the main window of Qelvar Maps on the bundled data into PNG files, to be looked at:
// the world view, scale 625 over central Europe and scale 20 over Frankfurt, every layer on.
// Usage: grab_main_window OUTPUT_FOLDER [ICAO to mark]
#include "maps/mainwindow/form2.h"
#include "maps/navdata/loading_sequence.h"

#include <QApplication>
#include <iostream>

namespace {

// The view at a scale with the map position (lon, lat) at the centre mark.
void Centre(qelvar::MapView &view, int32_t scale, double lon, double lat) {
    view.ScaleX = view.ScaleY = scale;
    view.OriginX = static_cast<int32_t>(38'880'000 + lon * 216'000) - 7'780 * scale;
    view.OriginY = static_cast<int32_t>(19'440'000 - lat * 216'000) - 3'990 * scale;
}

// The view at a scale with the airport of the ICAO code at the centre mark; false when no airport
// has the code.
bool CentreOnAirport(qelvar::Form2 &form, const qelvar::NavDatabase &db, const std::string &icao,
                     int32_t scale) {
    for (int i = 0; i < db.AirportTable.AirportCount; ++i) {
        const qelvar::Airport &a = db.AirportTable.entries[i];
        if (a.LocationIndicator == icao) {
            Centre(form.View(), scale, (a.X - 38'880'000.0) / 216'000, (19'440'000.0 - a.Y) / 216'000);
            form.RedrawMap();
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: grab_main_window OUTPUT_FOLDER [ICAO]\n";
        return 2;
    }
    QString out = argv[1];
    qelvar::NavDatabase db;
    qelvar::RecordingMessageSink sink;
    qelvar::HeadlessStartupScreen screen;
    std::string step;
    qelvar::RecordingLauncher launcher;
    qelvar::Form2 form(db, {sink, launcher, out.toStdString(), [] {}, false});
    qelvar::RunLoadingSequence(db, QELVAR_DATA_DIR, sink, screen, step);
    form.Form_Load(argc > 2 ? argv[2] : "");
    form.show();
    QCoreApplication::processEvents();
    form.grab().save(out + "/world.png");

    form.cmdInter_Click(); // every layer on
    form.cmdPrint_Click(); // the world on paper
    Centre(form.View(), 625, 8.0, 50.0);
    form.RedrawMap();
    form.grab().save(out + "/scale625-europe.png");
    Centre(form.View(), 40, 8.5706, 50.0333);
    form.RedrawMap();
    form.cmdPrint_Click(); // scale 40 over Frankfurt on paper
    Centre(form.View(), 20, 8.5706, 50.0333);
    form.RedrawMap();
    form.grab().save(out + "/scale20-eddf.png");
    Centre(form.View(), 2, 8.5706, 50.0333);
    form.RedrawMap();
    form.grab().save(out + "/scale2-eddf.png");
    // Coasts with long segments at the finest scales: every redraw without a message.
    struct Coast {
        const char *icao;
        int32_t scale;
    } coasts[] = {{"LIBR", 5}, {"SBFZ", 5}, {"FAEL", 5}, {"VVPB", 5}, {"SBTT", 5}, {"SKLT", 5}, {"OENN", 10}};
    for (const Coast &c : coasts) {
        size_t before = sink.boxes.size();
        if (!CentreOnAirport(form, db, c.icao, c.scale))
            std::cerr << c.icao << ": no such airport\n";
        std::cerr << c.icao << " at scale " << c.scale << ": " << sink.boxes.size() - before << " messages\n";
        form.grab().save(out + "/coast-" + c.icao + ".png");
    }
    // A route of five airports over Europe, picked on the map at scale 312, intersections off.
    form.cmdInter_Click();
    Centre(form.View(), 312, 14.5, 50.0);
    form.RedrawMap();
    form.cmdRte_Click();
    for (const char *icao : {"EDDF", "EDDM", "LOWW", "LKPR", "EDDB"}) {
        for (int i = 0; i < db.AirportTable.AirportCount; ++i) {
            const qelvar::Airport &a = db.AirportTable.entries[i];
            if (a.LocationIndicator != icao)
                continue;
            qelvar::TwipPoint at = qelvar::ToScreen(form.View(), a.X, a.Y);
            form.PicMap_MouseDown(1, 0, static_cast<float>(at.x), static_cast<float>(at.y));
            for (int row = 0; form.lstFound->isVisible() && row < form.lstFound->count(); ++row)
                if (form.lstFound->item(row)->text().contains(icao))
                    form.lstFound_Click(form.lstFound->item(row));
            break;
        }
    }
    form.cmdRteEnd_Click();
    form.RedrawMap();
    form.grab().save(out + "/route-europe.png");
    db.PickedAirport = "FRA";
    db.PickedAirportIndex = qelvar::FindAirportByIata(db.AirportTable, "FRA");
    form.cmdEdit_Click();
    form.Editor()->grab().save(out + "/editor.png");
    for (const auto &box : sink.boxes)
        std::cerr << "message: " << box.text << "\n";
    return 0;
}
