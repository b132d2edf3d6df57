// Qelvar Maps: the world map, route planner and airport editor.
#include "maps/mainwindow/form2.h"
#include "maps/navdata/form1.h"
#include "platform/data_folder.h"
#include "platform/desktop_identity.h"
#include "platform/launcher.h"
#include "platform/qt_message_sink.h"

#include <QApplication>
#include <string>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    qelvar::NameAfterMenuEntry("Qelvar Maps");
    qelvar::QtMessageSink sink("Qelvar Maps");
    qelvar::NavDatabase db;

    // The whole command line is the ICAO code of the airport to mark.
    std::string commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine += (i > 1 ? " " : "") + std::string(argv[i]);

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

    form1.Form_Load();
    return app.exec();
}
