// Qelvar Airports: the ground diagram of one airport from its scenery file.
//   Qelvar Airports [ICAO]                the window, with the ICAO code in its search box
//   Qelvar Airports --pdf FILE ICAO       the diagram's kneeboard page as a PDF file, no window
#include "airports/window/chart_pdf_command.h"
#include "airports/window/frm_arpt.h"
#include "platform/data_folder.h"

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

    qelvar::frmArpt window({qelvar::DataFolder(), [] { QCoreApplication::exit(0); }});
    if (pdf) {
        if (!usage.empty()) {
            std::fprintf(stderr, "%s\n", usage.c_str());
            return 2;
        }
        return qelvar::RunPdfCommand(window, *pdf);
    }

    // The whole command line is the ICAO code to put into the search box.
    std::string commandLine;
    for (size_t i = 0; i < arguments.size(); ++i)
        commandLine += (i > 0 ? " " : "") + arguments[i];
    window.Form_Load(commandLine);
    window.show();
    return app.exec();
}
