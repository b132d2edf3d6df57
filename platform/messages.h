// The kit's message boxes: the routine error report, the fatal report that ends the program, and
// plain notices. Every one goes through a MessageSink, so that the programs show Qt message boxes
// and the tests record what would have been shown.
#pragma once

#include "runtime_error.h"

#include <string>
#include <vector>

namespace qelvar {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A box with an OK button; the program goes on.
    virtual void ShowMessage(const std::string &text) = 0;
    // The box with the critical-error icon.
    virtual void ShowCritical(const std::string &title, const std::string &text) = 0;
    // Ends the program at once. A sink whose program must live on (a test) throws ProgramEnded.
    virtual void EndProgram() = 0;
};

// Thrown by a sink that must not end the process, so that the procedure that reported a fatal
// error stops where the program would have ended.
struct ProgramEnded {};

// "Error 53 (File not found) in procedure LoadHillsFromFile of Modul Module1"
std::string RoutineErrorText(const RuntimeError &error, const std::string &procedure,
                             const std::string &module);
// "... in procedure cmdSave_Click of Formular frmEditArpt"
std::string FormErrorText(const RuntimeError &error, const std::string &procedure, const std::string &form);

void ShowRoutineError(MessageSink &sink, const RuntimeError &error, const std::string &procedure,
                      const std::string &module);
void ShowFormError(MessageSink &sink, const RuntimeError &error, const std::string &procedure,
                   const std::string &form);

inline constexpr const char *kFatalTitle = "Kordax Critical Error!!!!";

// " Error in Module: " module CR LF " Function: " function CR LF " Cause: " cause
std::string FatalErrorText(const std::string &module, const std::string &function, const std::string &cause);

// Shows the critical box and ends the program; never returns.
[[noreturn]] void ReportFatalError(MessageSink &sink, const std::string &module, const std::string &function,
                                   const std::string &cause);

// Records every box instead of showing it; EndProgram throws ProgramEnded.
class RecordingMessageSink : public MessageSink {
public:
    struct Box {
        std::string title; // empty for a plain box
        std::string text;
    };
    void ShowMessage(const std::string &text) override;
    void ShowCritical(const std::string &title, const std::string &text) override;
    void EndProgram() override;

    std::vector<Box> boxes;
    bool programEnded = false;
};

} // namespace qelvar
