// Qelvar Airports: the ground diagram of one airport from its scenery file.
#include "airports/window/frm_arpt.h"
#include "airports/window/viewer_position.h"
#include "platform/data_folder.h"
#include "platform/qt_message_sink.h"

#include "position/qt/position_settings.h"

#include <QApplication>
#include <string>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    qelvar::QtMessageSink sink("Qelvar Airports");

    // The whole command line is the ICAO code to put into the search box.
    // --nmea=SOURCE chooses where the live position comes from and is no part of it.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::unique_ptr<qelvar::PositionListener> position = qelvar::StartPositionListener(arguments);
    std::string commandLine;
    for (size_t i = 0; i < arguments.size(); ++i)
        commandLine += (i > 0 ? " " : "") + arguments[i];

    qelvar::frmArpt window({qelvar::DataFolder(), [] { QCoreApplication::exit(0); }}, sink);
    qelvar::AttachAirportPosition(window, position->State(), [&] {
        return position->SourceText();
    })->Follow(*position);
    window.Form_Load(commandLine);
    window.show();
    return app.exec();
}
