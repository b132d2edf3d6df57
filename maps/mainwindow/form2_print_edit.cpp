// The print button (the map as shown, on one page) and the airport editor's button.
#include "maps/mainwindow/form2.h"
#include "maps/route/print_map.h"
#include "platform/codepage.h"
#include "platform/page_printer.h"

#include <QDateTime>

namespace qelvar {

void Form2::cmdPrint_Click() {
    PicMap->setCursor(Qt::WaitCursor);
    MapScene scene{db_, view_, hits_, route_.RoutePoints, sink_};
    std::string when = QDateTime::currentDateTime().toString("yyyy-MM-dd HH-mm-ss").toStdString();
    PrintOutcome outcome;
    try {
        outcome = PrintOnePage(
            services_.folder, "Qelvar Maps print " + when, [&](Canvas &page) { PrintMap(scene, page); },
            services_.usePrinter);
    } catch (const RuntimeError &error) {
        ShowFormError(sink_, error, "cmdPrint_Click", "Form2");
    }
    SetMapCursor();
    if (!outcome.done)
        ShowFileInfo("The map was not printed: " + outcome.error);
    else if (!outcome.printer.empty())
        ShowInfo("The map was sent to the printer " + outcome.printer + ".");
    else
        ShowFileInfo("No printer was found: the map was printed to the PDF file\r\n" +
                     KitTextOfPath(outcome.pdf));
}

void Form2::cmdEdit_Click() {
    try {
        if (!editor_)
            editor_ = std::make_unique<frmEditArpt>(db_, sink_, services_.folder, [this] { RedrawMap(); });
        editor_->Open();
    } catch (const RuntimeError &error) {
        ShowFormError(sink_, error, "cmdEdit_Click", "Form2");
    }
}

} // namespace qelvar
