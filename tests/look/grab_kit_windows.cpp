// Grabs windows of the kit's programs on the bundled data into PNG files, to be looked at and to
// show in the README. Each program has one function below that brings its window into a typical
// state; a program added to the kit adds its function to the table.
// Usage: grab_kit_windows OUTPUT_FOLDER [PROGRAM ...]   (all programs of the table by default)
//        grab_kit_windows --start KIT_FOLDER PROGRAM SCREEN.png
//   The second form, for a real display (xvfb-run): Qelvar Index chooses KJFK and presses the
//   button of the program, which the desktop launcher starts from the kit folder; ten seconds
//   later the whole screen is saved.
#include "airports/window/frm_arpt.h"
#include "approach/window/frm_approach.h"
#include "index/frm_index.h"
#include "notes/frm_notes.h"
#include "platform/launcher.h"
#include "platform/messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

// Index with KJFK chosen after a city search.
void ChooseKjfk(qelvar::frmIndex &form) {
    QTest::keyClicks(form.txtCity, "york");
    form.cmdCity_Click();
    for (int row = 0; row < form.lstData->count(); ++row)
        if (form.ListLines()[static_cast<size_t>(row)].starts_with("KJFK"))
            form.lstData->setCurrentRow(row);
}

// The pilot's search: the city "york", then the line of KJFK.
QImage GrabIndex() {
    qelvar::RecordingLauncher launcher;
    qelvar::RecordingMessageSink sink;
    qelvar::frmIndex form({QELVAR_DATA_DIR, QELVAR_DATA_DIR, launcher, sink, [] {}});
    form.show();
    form.Form_Load();
    ChooseKjfk(form);
    QCoreApplication::processEvents();
    return form.grab().toImage();
}

// A frequency, a runway and a clearance limit written with the mouse.
QImage GrabNotes() {
    qelvar::frmNotes form([] {});
    form.show();
    QCoreApplication::processEvents();
    using Stroke = std::vector<QPoint>;
    const std::vector<Stroke> strokes = {
        // "118.02" as strokes in pixels of the pad
        {{40, 60}, {50, 50}, {50, 120}},
        {{70, 60}, {80, 50}, {80, 120}},
        {{125, 50}, {110, 55}, {110, 80}, {125, 85}, {140, 80}, {140, 55}, {125, 50}},
        {{125, 85}, {108, 92}, {108, 115}, {125, 120}, {142, 115}, {142, 92}, {125, 85}},
        {{155, 118}, {157, 120}},
        {{185, 50}, {170, 60}, {168, 100}, {185, 120}, {200, 100}, {200, 65}, {185, 50}},
        {{215, 62}, {230, 50}, {248, 58}, {245, 80}, {215, 120}, {250, 120}},
        // an underline, then "RWY 25C" as a quick scribble and a circle round it
        {{30, 140}, {270, 145}},
        {{330, 60}, {330, 120}},
        {{330, 60}, {360, 65}, {360, 85}, {330, 90}, {365, 120}},
        {{380, 60}, {392, 120}, {405, 80}, {418, 120}, {430, 60}},
        {{445, 60}, {465, 90}, {485, 60}},
        {{465, 90}, {465, 120}},
        {{520, 70}, {540, 58}, {560, 70}, {520, 120}, {565, 120}},
        {{610, 60}, {585, 60}, {582, 88}, {605, 85}, {612, 105}, {598, 122}, {580, 115}},
        {{660, 65}, {640, 58}, {625, 75}, {625, 105}, {642, 122}, {662, 113}},
        {{300, 40},
         {500, 30},
         {690, 45},
         {700, 100},
         {680, 140},
         {480, 150},
         {310, 140},
         {295, 90},
         {305, 45}},
        // a heading bug: "HDG 250" arrow
        {{60, 230}, {250, 230}},
        {{230, 215}, {250, 230}, {230, 245}},
    };
    QWidget *pad = form.picNotes;
    for (const Stroke &stroke : strokes) {
        QTest::mousePress(pad, Qt::LeftButton, Qt::NoModifier, stroke.front());
        // Moves every few pixels along each leg, as a hand drags the mouse.
        for (size_t i = 1; i < stroke.size(); ++i) {
            QPoint from = stroke[i - 1], to = stroke[i];
            int steps = std::max(1, static_cast<int>(QLineF(from, to).length() / 6));
            for (int s = 1; s <= steps; ++s)
                QTest::mouseMove(pad, from + (to - from) * s / steps);
        }
        QTest::mouseRelease(pad, Qt::LeftButton, Qt::NoModifier, stroke.back());
    }
    QCoreApplication::processEvents();
    return form.grab().toImage();
}

// A viewer with an airport searched and its chart loaded, as the pilot gets there.
void SearchAndLoad(qelvar::SceneryViewerWindow &form, const char *ident) {
    form.show();
    QTest::keyClicks(form.txtSearch, ident);
    form.cmdSearch_Click();
    form.cmdArpt_Click();
}

// Seattle-Tacoma at the diagram's first zoom, with parking spots and taxi labels on.
QImage GrabAirports() {
    qelvar::frmArpt form({QELVAR_DATA_DIR, [] {}});
    form.Form_Load("");
    SearchAndLoad(form, "KSEA");
    form.cmdParking_Click();
    form.cmdTaxi_Click();
    QCoreApplication::processEvents();
    return form.grab().toImage();
}

// Seattle-Tacoma's first approach, at the chart's first zoom.
QImage GrabApproach() {
    qelvar::RecordingMessageSink sink;
    qelvar::frmApproach form({QELVAR_DATA_DIR, [] {}}, sink);
    form.Form_Load("");
    SearchAndLoad(form, "KSEA");
    form.cmbAPP->setCurrentIndex(0);
    form.cmbAPP_Click(0);
    QCoreApplication::processEvents();
    return form.grab().toImage();
}

int StartFromIndex(const std::string &kit, const std::string &program, const QString &screenFile) {
    qelvar::DesktopLauncher launcher;
    qelvar::RecordingMessageSink sink;
    qelvar::frmIndex form({kit, kit, launcher, sink, [] {}});
    form.move(20, 20);
    form.show();
    form.Form_Load();
    ChooseKjfk(form);
    std::map<std::string, QAbstractButton *> buttons = {{qelvar::kAirportsProgram, form.cmdArpt},
                                                        {qelvar::kApproachProgram, form.cmdApp},
                                                        {qelvar::kMapsProgram, form.cmdMaps}};
    if (!buttons.count(program)) {
        std::cerr << "no button starts " << program << "\n";
        return 2;
    }
    QTest::mouseClick(buttons[program], Qt::LeftButton);
    for (const auto &box : sink.boxes)
        std::cerr << "message: " << box.text << "\n";
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    return QGuiApplication::primaryScreen()->grabWindow(0).save(screenFile) ? 0 : 1;
}

struct Grab {
    const char *program; // the program's file name
    const char *file;    // the PNG written
    std::function<QImage()> grab;
};

const std::vector<Grab> kGrabs = {
    {"Qelvar Index", "qelvar-index.png", GrabIndex},
    {"QelvarNotes", "qelvar-notes.png", GrabNotes},
    {"Qelvar Airports", "qelvar-airports.png", GrabAirports},
    {"Qelvar Approach", "qelvar-approach.png", GrabApproach},
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc == 5 && std::string(argv[1]) == "--start")
        return StartFromIndex(argv[2], argv[3], argv[4]);
    if (argc < 2) {
        std::cerr << "usage: grab_kit_windows OUTPUT_FOLDER [PROGRAM ...]\n"
                     "       grab_kit_windows --start KIT_FOLDER PROGRAM SCREEN.png\n";
        return 2;
    }
    QString out = argv[1];
    std::vector<std::string> wanted(argv + 2, argv + argc);
    int written = 0;
    for (const Grab &grab : kGrabs) {
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), grab.program) == wanted.end())
            continue;
        QString file = out + "/" + grab.file;
        if (!grab.grab().save(file)) {
            std::cerr << "could not write " << file.toStdString() << "\n";
            return 1;
        }
        std::cout << grab.program << ": " << file.toStdString() << "\n";
        ++written;
    }
    return written > 0 ? 0 : 1;
}
