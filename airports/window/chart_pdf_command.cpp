#include "airports/window/chart_pdf_command.h"

#include "platform/codepage.h"

#include <QtGlobal>
#include <cstdio>

namespace qelvar {

std::optional<PdfCommand> ParsePdfCommand(const std::vector<std::string> &arguments, std::string &error) {
    if (arguments.empty() || arguments[0] != "--pdf")
        return std::nullopt;
    if (arguments.size() < 3 || arguments.size() > 4) {
        error = "usage: --pdf FILE ICAO [APPROACH]";
        return PdfCommand{};
    }
    PdfCommand command{arguments[1], arguments[2], arguments.size() == 4 ? arguments[3] : std::string()};
    return command;
}

int RunPdfCommand(SceneryViewerWindow &window, const PdfCommand &command,
                  const std::function<bool(const std::string &approach)> &choose) {
    window.Form_Load(command.icao);
    window.cmdSearch_Click();
    if (!window.Matched() || window.SearchedIdent() != window.Matched()->icao) {
        std::fprintf(stderr, "%s\n", window.Caption().c_str());
        return 1;
    }
    window.cmdArpt_Click();
    if (!command.approach.empty() && (!choose || !choose(command.approach))) {
        std::fprintf(stderr, "%s has no approach \"%s\"\n", command.icao.c_str(), command.approach.c_str());
        return 1;
    }
    std::optional<ChartPage> page = window.ChartForPage();
    if (!page) {
        std::fprintf(stderr, "%s\n", window.Caption().c_str());
        return 1;
    }
    std::string error = WriteChartPdf(command.file, *page);
    if (!error.empty()) {
        std::fprintf(stderr, "%s could not be written: %s\n", KitTextOfPath(command.file).c_str(),
                     error.c_str());
        return 1;
    }
    return 0;
}

void UseOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace qelvar
