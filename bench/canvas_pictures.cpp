// Writes the pictures that the benchmarks time, drawn on the Qt canvas as the windows draw them, to
// PNG files, and compares two such folders pixel by pixel, so that a change to the canvas can be
// shown to leave every picture as it was.
//   canvas_pictures write FOLDER      the 15 hub diagrams, the 12 map scales and KSEA ILS 16L
//   canvas_pictures redraw NAME N     redraws one of them (diagram-KSEA-1, map-312, ...) N times
//   canvas_pictures compare OLD NEW   every PNG of OLD against the same name in NEW; exit 1 on a change.
//                                     For a picture that changed, closeup-NAME in NEW shows both round
//                                     the largest change, four times enlarged (old left, new right).
#include "airports/chart_frame.h"
#include "approach/approach_chart.h"
#include "bench_scenes.h"
#include "maps/mapview/redraw.h"
#include "platform/qt_canvas.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>

namespace qelvar::bench {
namespace {

bool Save(QtCanvas &canvas, const QDir &folder, const QString &name) {
    if (canvas.Image().save(folder.filePath(name + ".png")))
        return true;
    std::cerr << "cannot write " << folder.filePath(name + ".png").toStdString() << "\n";
    return false;
}

// The names of the pictures: diagram-KSEA-1, map-312, approach-KSEA-ILS16L, ...
QStringList PictureNames() {
    QStringList names;
    for (const char *hub : kHubs)
        for (int zoom : kHubZooms)
            names << QString("diagram-%1-%2").arg(hub).arg(zoom);
    for (int32_t scale : kMapScales)
        names << QString("map-%1").arg(scale);
    names << "approach-KSEA-ILS16L";
    return names;
}

// A canvas of the picture's size, and its redraw.
struct Picture {
    std::unique_ptr<QtCanvas> canvas;
    std::function<void()> redraw;
};

Picture PictureNamed(const QString &name) {
    QStringList parts = name.split('-');
    Picture picture;
    if (parts[0] == "diagram") {
        picture.canvas = std::make_unique<QtCanvas>(kChartWidth, kChartHeight);
        std::string hub = parts[1].toStdString();
        DiagramView view = HubView(parts[2].toInt());
        picture.redraw = [&canvas = *picture.canvas, hub, view] {
            RedrawAirport(canvas, HubDiagram(hub), view);
        };
    } else if (parts[0] == "map") {
        picture.canvas = std::make_unique<QtCanvas>(kMapWidth, kMapHeight);
        int32_t scale = parts[1].toInt();
        picture.redraw = [&canvas = *picture.canvas, scale] {
            MapView view = MapViewAt(scale);
            HitList hits;
            RoutePointTable route{};
            RecordingMessageSink sink;
            MapScene scene{BundledNavData(), view, hits, route, sink};
            RedrawMap(scene, canvas);
        };
    } else {
        picture.canvas = std::make_unique<QtCanvas>(kChartWidth, kChartHeight);
        picture.redraw = [&canvas = *picture.canvas] {
            ApproachView view;
            view.approach = Ils16LApproach();
            RedrawApproachChart(canvas, ApproachAirport(), BundledVors(), view);
        };
    }
    return picture;
}

int Write(const QString &path) {
    QDir folder(path);
    if (!folder.mkpath(".")) {
        std::cerr << "cannot make " << path.toStdString() << "\n";
        return 2;
    }
    bool saved = true;
    for (const QString &name : PictureNames()) {
        Picture picture = PictureNamed(name);
        picture.redraw();
        picture.canvas->Image();
        picture.redraw(); // the second redraw, as the benchmarks time it: the canvas's copies are made
        saved &= Save(*picture.canvas, folder, name);
    }
    return saved ? 0 : 2;
}

// Redraws one picture a number of times, for a profiler or an instruction count.
int Redraw(const QString &name, int count) {
    if (!PictureNames().contains(name)) {
        std::cerr << "no picture " << name.toStdString() << "\n";
        return 2;
    }
    Picture picture = PictureNamed(name);
    for (int i = 0; i < count; ++i) {
        picture.redraw();
        picture.canvas->Image();
    }
    return 0;
}

struct Difference {
    qint64 pixels = -1;  // pixels that differ; -1 when the sizes differ or a file cannot be read
    int largestStep = 0; // the largest difference of one colour channel, 0 to 255
    QPoint largestAt;    // where it is
};

Difference Differences(const QString &oldFile, const QString &newFile) {
    QImage a = QImage(oldFile).convertToFormat(QImage::Format_RGB32);
    QImage b = QImage(newFile).convertToFormat(QImage::Format_RGB32);
    Difference d;
    if (a.isNull() || b.isNull() || a.size() != b.size())
        return d;
    d.pixels = 0;
    for (int y = 0; y < a.height(); ++y) {
        auto *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        auto *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (lineA[x] == lineB[x])
                continue;
            ++d.pixels;
            int step = std::max({std::abs(qRed(lineA[x]) - qRed(lineB[x])),
                                 std::abs(qGreen(lineA[x]) - qGreen(lineB[x])),
                                 std::abs(qBlue(lineA[x]) - qBlue(lineB[x]))});
            if (step > d.largestStep) {
                d.largestStep = step;
                d.largestAt = QPoint(x, y);
            }
        }
    }
    return d;
}

// The 80 x 60 pixels round a point (inside the picture) of both pictures, side by side, four times enlarged.
void WriteCloseUp(const QString &oldFile, const QString &newFile, QPoint at, const QString &out) {
    QImage oldImage(oldFile), newImage(newFile);
    QRect area(std::clamp(at.x() - 40, 0, std::max(0, oldImage.width() - 80)),
               std::clamp(at.y() - 30, 0, std::max(0, oldImage.height() - 60)), 80, 60);
    QImage pair(2 * 4 * area.width() + 8, 4 * area.height(), QImage::Format_RGB32);
    pair.fill(Qt::red);
    QPainter painter(&pair);
    painter.drawImage(QRect(0, 0, 4 * area.width(), 4 * area.height()), oldImage.copy(area));
    painter.drawImage(QRect(4 * area.width() + 8, 0, 4 * area.width(), 4 * area.height()),
                      newImage.copy(area));
    painter.end();
    pair.save(out);
}

int Compare(const QString &oldPath, const QString &newPath) {
    QDir oldFolder(oldPath), newFolder(newPath);
    QStringList names = oldFolder.entryList({"*.png"}, QDir::Files, QDir::Name);
    names.removeIf([](const QString &name) { return name.startsWith("closeup-"); });
    if (names.isEmpty()) {
        std::cerr << "no PNG files in " << oldPath.toStdString() << "\n";
        return 2;
    }
    int changed = 0;
    for (const QString &name : names) {
        Difference d = Differences(oldFolder.filePath(name), newFolder.filePath(name));
        std::cout << name.toStdString() << ": ";
        if (d.pixels < 0)
            std::cout << "missing or of another size\n";
        else
            std::cout << d.pixels << " pixels differ, by up to " << d.largestStep << " in a channel\n";
        if (d.pixels > 0)
            WriteCloseUp(oldFolder.filePath(name), newFolder.filePath(name), d.largestAt,
                         newFolder.filePath("closeup-" + name));
        changed += d.pixels != 0;
    }
    std::cout << changed << " of " << names.size() << " pictures differ\n";
    return changed == 0 ? 0 : 1;
}

} // namespace
} // namespace qelvar::bench

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "write")
        return qelvar::bench::Write(args[2]);
    if (args.size() == 4 && args[1] == "redraw")
        return qelvar::bench::Redraw(args[2], args[3].toInt());
    if (args.size() == 4 && args[1] == "compare")
        return qelvar::bench::Compare(args[2], args[3]);
    std::cerr << "usage: canvas_pictures write FOLDER | compare OLD NEW | redraw NAME COUNT\n";
    return 2;
}
