#include "page_printer.h"

#include "codepage.h"
#include "qt_canvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace qelvar {

namespace {

constexpr int kPrinterDpi = 600;

} // namespace

std::filesystem::path FreePdfName(const std::filesystem::path &folder, const std::string &baseName) {
    std::filesystem::path path = folder / PathOfKitName(baseName + ".pdf");
    for (int n = 2; std::filesystem::exists(path); ++n)
        path = folder / PathOfKitName(baseName + " (" + std::to_string(n) + ").pdf");
    return path;
}

PrintOutcome PrintOnePage(const std::filesystem::path &pdfFolder, const std::string &pdfBaseName,
                          const std::function<void(Canvas &)> &draw, bool usePrinter) {
    PrintOutcome outcome;
    QPrinter printer(QPrinter::HighResolution);
    QPrinterInfo defaultPrinter = usePrinter ? QPrinterInfo::defaultPrinter() : QPrinterInfo();
    if (!defaultPrinter.isNull()) {
        printer.setPrinterName(defaultPrinter.printerName());
        outcome.printer = ToWindows1252(defaultPrinter.printerName());
    } else {
        outcome.pdf = FreePdfName(pdfFolder, pdfBaseName);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(outcome.pdf.string()));
    }
    printer.setResolution(kPrinterDpi);
    printer.setColorMode(QPrinter::Color);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);

    QtCanvas canvas(printer, printer.resolution() / 1440.0, 1.0);
    draw(canvas);
    canvas.Finish();
    if (!outcome.pdf.empty()) {
        std::error_code ec;
        if (!std::filesystem::exists(outcome.pdf, ec) || std::filesystem::file_size(outcome.pdf, ec) == 0) {
            std::filesystem::remove(outcome.pdf, ec);
            outcome.error = "the PDF file could not be written: " + KitTextOfPath(outcome.pdf);
            outcome.pdf.clear();
            return outcome;
        }
    }
    outcome.done = true;
    return outcome;
}

} // namespace qelvar
