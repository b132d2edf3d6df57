// Qelvar Approach: the approach charts of one airport from its scenery file, with the VOR stations
// of the map's vor.nav.
#include "approach/window/frm_approach.h"
#include "platform/data_folder.h"
#include "platform/desktop_identity.h"
#include "platform/qt_message_sink.h"

#include <QApplication>
#include <string>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    qelvar::NameAfterMenuEntry("Qelvar Approach");
    qelvar::QtMessageSink sink("Qelvar Approach");

    // The whole command line is the ICAO code to put into the search box.
    std::string commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine += (i > 1 ? " " : "") + std::string(argv[i]);

    qelvar::frmApproach window({qelvar::DataFolder(), [] { QCoreApplication::exit(0); }}, sink);
    window.show();
    window.Form_Load(commandLine);
    return app.exec();
}
