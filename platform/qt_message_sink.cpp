#include "qt_message_sink.h"

#include "codepage.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace qelvar {

namespace {

// Message texts keep the kit's CR LF line ends; a Qt label wants plain LF.
QString BoxText(const std::string &text) {
    return ToUnicode(text).replace("\r\n", "\n");
}

} // namespace

QtMessageSink::QtMessageSink(QString programTitle) : programTitle_(std::move(programTitle)) {}

void QtMessageSink::ShowMessage(const std::string &text) {
    QMessageBox::information(nullptr, programTitle_, BoxText(text), QMessageBox::Ok);
}

void QtMessageSink::ShowCritical(const std::string &title, const std::string &text) {
    QMessageBox::critical(nullptr, ToUnicode(title), BoxText(text), QMessageBox::Ok);
}

void QtMessageSink::EndProgram() {
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace qelvar
