// Qelvar Maps: the world map, route planner and airport editor.
#include "maps/mainwindow/form2.h"
#include "maps/mainwindow/form2_position.h"
#include "maps/navdata/form1.h"
#include "platform/data_folder.h"
#include "platform/desktop_identity.h"
#include "platform/launcher.h"
#include "platform/qt_message_sink.h"

#include "position/qt/position_settings.h"

#include <QApplication>
#include <string>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    qelvar::NameAfterMenuEntry("Qelvar Maps");
    qelvar::QtMessageSink sink("Qelvar Maps");
    qelvar::NavDatabase db;

    // The whole command line is the ICAO code of the airport to mark.
    // --nmea=SOURCE chooses where the live position comes from and is no part of it.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::unique_ptr<qelvar::PositionListener> position = qelvar::StartPositionListener(arguments);
    std::string commandLine;
    for (size_t i = 0; i < arguments.size(); ++i)
        commandLine += (i > 0 ? " " : "") + arguments[i];

    qelvar::DesktopLauncher launcher;
    std::filesystem::path folder = qelvar::DataFolder(); // read-only installed kits: a per-user copy
    qelvar::Form1 *startup = nullptr;
    qelvar::Form2 mainWindow(db, {sink, launcher, folder, [&] { startup->ShowFarewell(); }});
    qelvar::Form1 form1(
        db, folder, sink,
        [&] {
            mainWindow.Form_Load(commandLine);
            mainWindow.show();
        },
        [] { QCoreApplication::exit(0); });
    startup = &form1;
    qelvar::AttachLivePosition(mainWindow, position->State(), [&] {
        return position->SourceText();
    })->Follow(*position);

    form1.Form_Load();
    return app.exec();
}
