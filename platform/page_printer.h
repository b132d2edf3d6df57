// One printed page: to the system's default printer when there is one, without a dialog, or else
// into a new PDF file, so that a print never vanishes silently. Landscape A4, in colour.
#pragma once

#include "canvas.h"

#include <filesystem>
#include <functional>
#include <string>

namespace qelvar {

struct PrintOutcome {
    bool done = false;
    std::string printer;       // the printer's name, when it went to one
    std::filesystem::path pdf; // the PDF file, when it went to one
    std::string error;         // why nothing was printed
};

// folder/baseName.pdf, or with " (2)", " (3)", ... added when that file exists already.
std::filesystem::path FreePdfName(const std::filesystem::path &folder, const std::string &baseName);

// Draws the page through `draw` on a canvas in page twips (line widths in printer pixels).
// `pdfFolder` and `pdfBaseName` name the PDF file when no printer is found (a number is added
// rather than overwriting an earlier one); `usePrinter` false always writes the PDF.
PrintOutcome PrintOnePage(const std::filesystem::path &pdfFolder, const std::string &pdfBaseName,
                          const std::function<void(Canvas &)> &draw, bool usePrinter = true);

} // namespace qelvar
