// Qelvar Approach: the approach charts of one airport from its scenery file, with the VOR stations
// of the map's vor.nav.
#include "approach/window/approach_position.h"
#include "approach/window/frm_approach.h"
#include "platform/data_folder.h"
#include "platform/qt_message_sink.h"

#include "position/qt/position_settings.h"

#include <QApplication>
#include <string>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    qelvar::QtMessageSink sink("Qelvar Approach");

    // The whole command line is the ICAO code to put into the search box.
    // --nmea=SOURCE chooses where the live position comes from and is no part of it.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::unique_ptr<qelvar::PositionListener> position = qelvar::StartPositionListener(arguments);
    std::string commandLine;
    for (size_t i = 0; i < arguments.size(); ++i)
        commandLine += (i > 0 ? " " : "") + arguments[i];

    qelvar::frmApproach window({qelvar::DataFolder(), [] { QCoreApplication::exit(0); }}, sink);
    qelvar::AttachApproachPosition(window, position->State(), [&] {
        return position->SourceText();
    })->Follow(*position);
    window.show();
    window.Form_Load(commandLine);
    return app.exec();
}
