#include "messages.h"

#include <cstdlib>

namespace qelvar {

namespace {

std::string ErrorHead(const RuntimeError &error, const std::string &procedure) {
    return "Error " + std::to_string(error.Number()) + " (" + error.Description() + ") in procedure " +
           procedure;
}

} // namespace

std::string RoutineErrorText(const RuntimeError &error, const std::string &procedure,
                             const std::string &module) {
    return ErrorHead(error, procedure) + " of Modul " + module;
}

std::string FormErrorText(const RuntimeError &error, const std::string &procedure, const std::string &form) {
    return ErrorHead(error, procedure) + " of Formular " + form;
}

void ShowRoutineError(MessageSink &sink, const RuntimeError &error, const std::string &procedure,
                      const std::string &module) {
    sink.ShowMessage(RoutineErrorText(error, procedure, module));
}

void ShowFormError(MessageSink &sink, const RuntimeError &error, const std::string &procedure,
                   const std::string &form) {
    sink.ShowMessage(FormErrorText(error, procedure, form));
}

std::string FatalErrorText(const std::string &module, const std::string &function, const std::string &cause) {
    return " Error in Module: " + module + "\r\n Function: " + function + "\r\n Cause: " + cause;
}

void ReportFatalError(MessageSink &sink, const std::string &module, const std::string &function,
                      const std::string &cause) {
    sink.ShowCritical(kFatalTitle, FatalErrorText(module, function, cause));
    sink.EndProgram();
    std::abort(); // a sink's EndProgram either ends the process or throws
}

void RecordingMessageSink::ShowMessage(const std::string &text) {
    boxes.push_back({"", text});
}

void RecordingMessageSink::ShowCritical(const std::string &title, const std::string &text) {
    boxes.push_back({title, text});
}

void RecordingMessageSink::EndProgram() {
    programEnded = true;
    throw ProgramEnded{};
}

} // namespace qelvar
