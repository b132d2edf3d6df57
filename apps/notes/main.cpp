// QelvarNotes: a scratch pad written on with the mouse.
#include "notes/frm_notes.h"
#include "platform/desktop_identity.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    qelvar::NameAfterMenuEntry("QelvarNotes");
    qelvar::frmNotes form([] { QCoreApplication::exit(0); });
    form.show();
    form.Form_Load(); // placed once shown, when the size of the frame is known
    return app.exec();
}
