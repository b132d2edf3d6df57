// Qelvar Index: finds airports by ICAO code, city or country and starts the other programs of the
// kit for the chosen one. Only one copy runs: a second start brings the first to the front.
#include "index/frm_index.h"
#include "platform/data_folder.h"
#include "platform/desktop_identity.h"
#include "platform/launcher.h"
#include "platform/program_folder.h"
#include "platform/qt_message_sink.h"
#include "platform/single_instance.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    qelvar::NameAfterMenuEntry("Qelvar Index");
    qelvar::SingleInstanceGuard guard("qelvar-index");
    if (!guard.IsFirst())
        return 0;

    qelvar::QtMessageSink sink("Qelvar Index");
    qelvar::DesktopLauncher launcher;
    qelvar::frmIndex form(
        {qelvar::DataFolder(), qelvar::ProgramFolder(), launcher, sink, [] { QCoreApplication::exit(0); }});
    QObject::connect(&guard, &qelvar::SingleInstanceGuard::ShowRequested, &form,
                     [&form] { qelvar::BringToFront(form); });
    form.show();
    form.Form_Load();
    return app.exec();
}
