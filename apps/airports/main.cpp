// Qelvar Airports: the ground diagram of one airport from its scenery file.
//   Qelvar Airports [ICAO]                the window, with the ICAO code in its search box
//   Qelvar Airports --pdf FILE ICAO       the diagram's kneeboard page as a PDF file, no window
#include "airports/window/chart_pdf_command.h"
#include "airports/window/frm_arpt.h"
#include "airports/window/viewer_position.h"
#include "platform/data_folder.h"
#include "platform/desktop_identity.h"
#include "platform/qt_message_sink.h"
#include "platform/terminal_sink.h"

#include "position/qt/position_settings.h"

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char *argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string usage;
    std::optional<qelvar::PdfCommand> pdf = qelvar::ParsePdfCommand(arguments, usage);
    if (pdf)
        qelvar::UseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    qelvar::NameAfterMenuEntry("Qelvar Airports");
    qelvar::QtMessageSink boxes("Qelvar Airports");
    qelvar::TerminalMessageSink terminal("Qelvar Airports");
    qelvar::MessageSink &sink = pdf ? static_cast<qelvar::MessageSink &>(terminal) : boxes;

    qelvar::frmArpt window({qelvar::DataFolder(), [] { QCoreApplication::exit(0); }}, sink);
    if (pdf) {
        if (!usage.empty()) {
            std::fprintf(stderr, "%s\n", usage.c_str());
            return 2;
        }
        return qelvar::RunPdfCommand(window, *pdf);
    }

    // The whole command line is the ICAO code to put into the search box.
    // --nmea=SOURCE chooses where the live position comes from and is no part of it.
    std::unique_ptr<qelvar::PositionListener> position = qelvar::StartPositionListener(arguments);
    std::string commandLine;
    for (size_t i = 0; i < arguments.size(); ++i)
        commandLine += (i > 0 ? " " : "") + arguments[i];

    qelvar::AttachAirportPosition(window, position->State(), [&] {
        return position->SourceText();
    })->Follow(*position);
    window.Form_Load(commandLine);
    window.show();
    return app.exec();
}
