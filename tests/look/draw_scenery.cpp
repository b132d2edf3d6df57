// Not a test: draws bundled airports from their scenery files into PNG files to look at, with the
// kit's scenery reader and grid: aprons (light grey) and fence (green), taxi paths at their widths
// (dark grey with a yellow centre line), runways between their paired starts (black), parking spots
// (yellow dots), taxi points (blue dots). 1 pixel = 24 grid units (about 3 m) round the reference point.
//   draw_scenery OUTPUT_FOLDER ICAO...
#include "scenery/diagram_rows.h"
#include "scenery/dispatch.h"
#include "platform/codepage.h"
#include "scenery/grid.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <iostream>

namespace {

using namespace qelvar;

constexpr int kSize = 1600;
constexpr double kUnitsPerPixel = 24;

struct View {
    int32_t x0 = 0, y0 = 0;
    QPointF At(const std::string &lat, const std::string &lon) const {
        double x = (LonToGrid(lon, kDiagramGridPerDegree) - x0) / kUnitsPerPixel + kSize / 2.0;
        double y = kSize / 2.0 - (LatToGrid(lat, kDiagramGridPerDegree) - y0) / kUnitsPerPixel;
        return {x, y};
    }
};

double WidthPixels(const std::string &metres) {
    constexpr double kMetresPerUnit = 6'371'008.8 * 3.14159265358979 / 180 / kDiagramGridPerDegree;
    return metres.empty()
               ? 1
               : std::stod(metres.substr(0, metres.size() - 1)) / (kUnitsPerPixel * kMetresPerUnit);
}

void Draw(const std::filesystem::path &out, const std::string &icao) {
    SceneryAirport a;
    SceneryLoadResult r = LoadSceneryAirport(SceneryFilePath(QELVAR_DATA_DIR, icao + ".xml"), icao,
                                             Dispatcher(DiagramRows()), a);
    if (!r.airportFound) {
        std::cerr << icao << ": not found\n";
        return;
    }
    View v{LonToGrid(a.header.lon, kDiagramGridPerDegree), LatToGrid(a.header.lat, kDiagramGridPerDegree)};
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Aprons and fence: polygons separated by lon "0"; below the apron end mark grey, after it green.
    QPolygonF polygon;
    size_t fenceFrom = a.apronEndMark ? static_cast<size_t>(*a.apronEndMark) + 1 : a.apronVertices.Count();
    for (size_t i = 0; i <= a.apronVertices.Count(); ++i) {
        bool end = i == a.apronVertices.Count() || a.apronVertices[i].lon == "0";
        if (end || i == fenceFrom) {
            p.setPen(QPen(i <= fenceFrom ? QColor(190, 190, 190) : QColor(0, 128, 0), 2));
            if (i <= fenceFrom)
                p.drawPolygon(polygon);
            else
                p.drawPolyline(polygon);
            polygon.clear();
        }
        if (!end)
            polygon << v.At(a.apronVertices[i].lat, a.apronVertices[i].lon);
    }
    for (const TaxiPath &path : a.taxiPaths) {
        size_t s = std::stoul(path.start), e = std::stoul(path.end);
        if (path.type != "TAXI" || s >= a.taxiPoints.Count() || e >= a.taxiPoints.Count())
            continue;
        QPointF from = v.At(a.taxiPoints[s].lat, a.taxiPoints[s].lon),
                to = v.At(a.taxiPoints[e].lat, a.taxiPoints[e].lon);
        p.setPen(QPen(QColor(64, 64, 64, 120), WidthPixels(path.width), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(from, to);
        p.setPen(QPen(QColor(192, 192, 0), 1));
        p.drawLine(from, to);
    }
    for (const TaxiPoint &t : a.taxiPoints) {
        p.setPen(QPen(t.type == "NORMAL" ? QColor(0, 0, 255) : QColor(192, 64, 0), 4));
        p.drawPoint(v.At(t.lat, t.lon));
    }
    for (size_t s = 0; s + 1 < a.starts.Count(); s += 2) {
        QPointF t1 = v.At(a.starts[s].lat, a.starts[s].lon),
                t2 = v.At(a.starts[s + 1].lat, a.starts[s + 1].lon);
        if (a.starts[s].type == "HELIPAD") {
            p.setPen(QPen(Qt::black, 1));
            p.drawEllipse(t1, 6, 6);
            continue;
        }
        double width = s / 2 < a.runways.Count() ? WidthPixels(a.runways[s / 2].width) : 4;
        p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(t1, t2);
        p.setPen(QPen(Qt::red));
        p.drawText(t1 + QPointF(4, -4), QString::fromStdString(a.starts[s].number));
        p.drawText(t2 + QPointF(4, -4), QString::fromStdString(a.starts[s + 1].number));
    }
    for (const ParkingSpot &s : a.parkingSpots) {
        p.setPen(QPen(QColor(192, 192, 0), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(v.At(s.lat, s.lon));
    }
    p.setPen(Qt::black);
    p.drawText(10, 20,
               QString::fromStdString(icao + "  " + a.header.name + "  runways " +
                                      std::to_string(a.runways.Count()) + ", taxi points " +
                                      std::to_string(a.taxiPoints.Count()) + ", paths " +
                                      std::to_string(a.taxiPaths.Count()) + ", vertices " +
                                      std::to_string(a.apronVertices.Count()) + ", parking " +
                                      std::to_string(a.parkingSpots.Count())));
    p.end();
    image.save(QString::fromStdString((out / (icao + ".png")).string()));
    std::cout << (out / (icao + ".png")).string() << "\n";
}

} // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::cerr << "usage: draw_scenery OUTPUT_FOLDER ICAO...\n";
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    for (int i = 2; i < argc; ++i)
        Draw(argv[1], argv[i]);
    return 0;
}
