// "--pdf FILE ICAO [APPROACH]" on a viewer's command line: the chart's PDF page is written without
// a window on screen, as the chart button shows the airport, and the program ends.
#pragma once

#include "airports/window/scenery_viewer_window.h"

#include <optional>
#include <string>
#include <vector>

namespace qelvar {

struct PdfCommand {
    std::filesystem::path file;
    std::string icao;
    std::string approach; // the approach's label ("ILS 16L"); empty: none
};

// The command of the arguments (program name left out); nothing when they do not begin with
// "--pdf". `error` says what is missing when they begin with it but are incomplete.
std::optional<PdfCommand> ParsePdfCommand(const std::vector<std::string> &arguments, std::string &error);

// Searches the airport, loads its chart, lets `choose` pick the approach, and writes the page.
// Returns the program's exit code (0: written); messages go to the error stream.
int RunPdfCommand(SceneryViewerWindow &window, const PdfCommand &command,
                  const std::function<bool(const std::string &approach)> &choose = {});

// Runs the viewers without a display when they only write a page.
void UseOffscreenWithoutDisplay();

} // namespace qelvar
