// The chart on paper: the right-click menu of the viewers' picture prints the chart as it is shown,
// or saves it as a PDF kneeboard page.
#include "airports/window/scenery_viewer_window.h"
#include "platform/codepage.h"

#include <QFileDialog>
#include <QMenu>

namespace qelvar {

namespace {

std::string PageBaseName(const ChartPage &page) {
    return page.ident + " " + page.kind;
}

} // namespace

void SceneryViewerWindow::ShowChartMenu(const QPoint &globalPosition) {
    QMenu menu(this);
    QAction *print = menu.addAction("Print...");
    QAction *save = menu.addAction("Save as PDF...");
    bool loaded = ChartForPage().has_value();
    print->setEnabled(loaded);
    save->setEnabled(loaded);
    QAction *chosen = menu.exec(globalPosition);
    if (chosen == print)
        PrintChart();
    else if (chosen == save)
        SaveChartPdf();
}

void SceneryViewerWindow::PrintChart() {
    std::optional<ChartPage> page = ChartForPage();
    if (!page)
        return;
    PrintOutcome outcome = PrintChartPage(this, Folder(), PageBaseName(*page), *page, usePrinter);
    if (!outcome.error.empty())
        SetCaption(MatchedCaption() + " - the chart was not printed: " + outcome.error);
    else if (!outcome.pdf.empty())
        SetCaption(MatchedCaption() + " - no printer: the chart page was saved as " +
                   KitTextOfPath(outcome.pdf));
    else if (outcome.done)
        SetCaption(MatchedCaption() + " - the chart was sent to " + outcome.printer);
}

void SceneryViewerWindow::SaveChartPdf() {
    std::optional<ChartPage> page = ChartForPage();
    if (!page)
        return;
    std::filesystem::path suggested = Folder() / PathOfKitName(PageBaseName(*page) + ".pdf");
    std::filesystem::path file;
    if (askPdfFile) {
        file = askPdfFile(suggested);
    } else {
        QString chosen = QFileDialog::getSaveFileName(
            this, "Save as PDF", QString::fromStdString(suggested.string()), "PDF page (*.pdf)");
        file = chosen.toStdString();
        if (!chosen.isEmpty() && file.extension().empty())
            file += ".pdf";
    }
    if (file.empty())
        return;
    std::string error = WriteChartPdf(file, *page);
    SetCaption(MatchedCaption() + (error.empty()
                                       ? " - the chart page was saved as " + KitTextOfPath(file)
                                       : " - " + KitTextOfPath(file) + " could not be written: " + error));
}

} // namespace qelvar
