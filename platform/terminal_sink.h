// Messages of a command run from a terminal: every box becomes a line on the error stream, and the
// fatal report ends the program with exit code 2.
#pragma once

#include "messages.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace qelvar {

class TerminalMessageSink : public MessageSink {
public:
    explicit TerminalMessageSink(std::string program) : program_(std::move(program)) {}
    void ShowMessage(const std::string &text) override {
        std::fprintf(stderr, "%s: %s\n", program_.c_str(), text.c_str());
    }
    void ShowCritical(const std::string &, const std::string &text) override { ShowMessage(text); }
    void EndProgram() override { std::exit(2); }

private:
    std::string program_;
};

} // namespace qelvar
