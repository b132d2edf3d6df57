#include "chart_page.h"

#include "atomic_file.h"
#include "codepage.h"
#include "qt_canvas.h"
#include "runtime_error.h"

#include <QBuffer>
#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace qelvar {

namespace {

constexpr int kDpi = 600;
constexpr double kTwipsPerPixel = 15; // of the chart picture on screen
constexpr int kMargin = 720;          // half an inch round the page
constexpr int kFooterHeight = 360;

void SetUpPage(QPagedPaintDevice &device) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(0, 0, 0, 0));
}

} // namespace

std::string ChartFooterText(const ChartPage &page) {
    return page.ident + "   " + page.kind + "   " + page.date + "   For simulation only";
}

std::string TodayText() {
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

void PaintChartPage(QPagedPaintDevice &device, const ChartPage &page) {
    double unitsPerTwip = device.logicalDpiX() / 1440.0;
    double pageWidth = device.width() / unitsPerTwip;
    double pageHeight = device.height() / unitsPerTwip;
    double chartWidth = pageWidth - 2 * kMargin;
    double scale = chartWidth / page.widthTwips;
    double chartHeight = page.heightTwips * scale;
    // Line widths are the chart's screen pixels, scaled with the chart.
    QtCanvas canvas(device, unitsPerTwip, kTwipsPerPixel * scale * unitsPerTwip);
    canvas.SetFontName("Lucida Sans Unicode");
    canvas.SetWindow(kMargin, kMargin, scale, page.widthTwips, page.heightTwips);
    page.draw(canvas);
    canvas.ResetWindow();
    canvas.SetColor({0, 0, 0});
    canvas.SetLineWidth(1);
    canvas.SetLineStyle(LineStyle::Solid);
    canvas.SetFill({0, 0, 0}, FillStyle::Transparent);
    int left = kMargin, top = kMargin;
    int right = static_cast<int>(kMargin + chartWidth), bottom = static_cast<int>(kMargin + chartHeight);
    canvas.Box(left, top, right, bottom);
    canvas.SetFontName("Lucida Sans Unicode");
    canvas.Text(left, static_cast<int>(pageHeight - kMargin - kFooterHeight), ChartFooterText(page), 10);
    canvas.Finish();
}

std::string WriteChartPdf(const std::filesystem::path &file, const ChartPage &page) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kDpi);
        writer.setCreator("Qelvar");
        writer.setTitle(ToUnicode(page.ident + " " + page.kind));
        SetUpPage(writer);
        PaintChartPage(writer, page);
    }
    buffer.close();
    if (buffer.data().isEmpty())
        return "the page could not be drawn";
    try {
        WriteFileAtomically(file, buffer.data().toStdString());
    } catch (const RuntimeError &error) {
        return error.Description() + ": the folder or the file may not be written, or the disk is full";
    }
    return {};
}

PrintOutcome PrintChartPage(QWidget *parent, const std::filesystem::path &pdfFolder,
                            const std::string &pdfBaseName, const ChartPage &page, bool usePrinter) {
    PrintOutcome outcome;
    QPrinterInfo defaultPrinter = usePrinter ? QPrinterInfo::defaultPrinter() : QPrinterInfo();
    if (defaultPrinter.isNull()) {
        std::filesystem::path pdf = FreePdfName(pdfFolder, pdfBaseName);
        outcome.error = WriteChartPdf(pdf, page);
        outcome.done = outcome.error.empty();
        if (outcome.done)
            outcome.pdf = pdf;
        return outcome;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(defaultPrinter.printerName());
    printer.setResolution(kDpi);
    printer.setColorMode(QPrinter::Color);
    SetUpPage(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return outcome;
    printer.setFullPage(true);
    PaintChartPage(printer, page);
    outcome.done = true;
    outcome.printer = ToWindows1252(printer.printerName());
    return outcome;
}

} // namespace qelvar
