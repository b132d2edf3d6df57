// A chart on a kneeboard page: portrait, the chart across the page's width in a thin frame, drawn
// as vector lines and text through the same Canvas as on screen, and a footer line that names the
// airport, the chart, the date and says "For simulation only".
#pragma once

#include "canvas.h"
#include "page_printer.h"

#include <filesystem>
#include <functional>
#include <string>

class QPagedPaintDevice;
class QWidget;

namespace qelvar {

struct ChartPage {
    int widthTwips = 0, heightTwips = 0; // the chart picture
    std::string ident;                   // "KSEA"
    std::string kind;                    // "Airport Diagram", "Approach Chart ILS 16L"
    std::string date;                    // "2026-12-07"
    std::function<void(Canvas &)> draw;  // draws the chart in its own twips
};

// "KSEA   Airport Diagram   2026-12-07   For simulation only"
std::string ChartFooterText(const ChartPage &page);
// Today's date as the footer gives it: "2026-12-07".
std::string TodayText();

// Paints the page on a printer or PDF writer, whatever its page size.
void PaintChartPage(QPagedPaintDevice &device, const ChartPage &page);

// Writes the page as a one-page A4 PDF, atomically; returns why it could not, or "".
std::string WriteChartPdf(const std::filesystem::path &file, const ChartPage &page);

// Prints the page: with a printer, through the desktop's print dialog (nothing is printed when it is
// cancelled: done and error both stay empty); without one (or usePrinter false), into a new PDF
// file folder/baseName.pdf, as the map's PRT does.
PrintOutcome PrintChartPage(QWidget *parent, const std::filesystem::path &pdfFolder,
                            const std::string &pdfBaseName, const ChartPage &page, bool usePrinter = true);

} // namespace qelvar
