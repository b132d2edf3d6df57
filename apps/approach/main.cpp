// Qelvar Approach: the approach charts of one airport from its scenery file, with the VOR stations
// of the map's vor.nav.
//   Qelvar Approach [ICAO]                       the window, with the ICAO code in its search box
//   Qelvar Approach --pdf FILE ICAO [APPROACH]   the chart's kneeboard page as a PDF file, no window
#include "airports/window/chart_pdf_command.h"
#include "approach/window/approach_position.h"
#include "approach/window/frm_approach.h"
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
    qelvar::NameAfterMenuEntry("Qelvar Approach");
    qelvar::QtMessageSink boxes("Qelvar Approach");
    qelvar::TerminalMessageSink terminal("Qelvar Approach");
    qelvar::MessageSink &sink = pdf ? static_cast<qelvar::MessageSink &>(terminal) : boxes;

    qelvar::frmApproach window({qelvar::DataFolder(), [] { QCoreApplication::exit(0); }}, sink);
    if (pdf) {
        if (!usage.empty()) {
            std::fprintf(stderr, "%s\n", usage.c_str());
            return 2;
        }
        window.Form_Load(pdf->icao); // reads vor.nav
        return qelvar::RunPdfCommand(
            window, *pdf, [&](const std::string &approach) { return window.ChooseApproach(approach); });
    }

    // The whole command line is the ICAO code to put into the search box.
    // --nmea=SOURCE chooses where the live position comes from and is no part of it.
    std::unique_ptr<qelvar::PositionListener> position = qelvar::StartPositionListener(arguments);
    std::string commandLine;
    for (size_t i = 0; i < arguments.size(); ++i)
        commandLine += (i > 0 ? " " : "") + arguments[i];

    qelvar::AttachApproachPosition(window, position->State(), [&] {
        return position->SourceText();
    })->Follow(*position);
    window.show();
    window.Form_Load(commandLine);
    return app.exec();
}
