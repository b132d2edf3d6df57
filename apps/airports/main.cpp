// Qelvar Airports: the ground diagram of one airport from its scenery file.
#include "airports/window/frm_arpt.h"
#include "platform/data_folder.h"
#include "platform/desktop_identity.h"

#include <QApplication>
#include <string>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    qelvar::NameAfterMenuEntry("Qelvar Airports");

    // The whole command line is the ICAO code to put into the search box.
    std::string commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine += (i > 1 ? " " : "") + std::string(argv[i]);

    qelvar::frmArpt window({qelvar::DataFolder(), [] { QCoreApplication::exit(0); }});
    window.Form_Load(commandLine);
    window.show();
    return app.exec();
}
