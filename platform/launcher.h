// Starting other programs without waiting for them: the desktop's text editor for a file, and the
// kit's own programs by path. Behind an interface so that tests can see what would be started.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qelvar {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Opens the text file in the desktop's default application for text files, else in $VISUAL or
    // $EDITOR (text_editor.h); false when none of them could be started.
    virtual bool OpenTextFile(const std::filesystem::path &file) = 0;
    // Starts the program with the command line as its one argument; false when it could not start.
    virtual bool StartProgram(const std::filesystem::path &program, const std::string &commandLine) = 0;
};

class DesktopLauncher : public ProgramLauncher {
public:
    bool OpenTextFile(const std::filesystem::path &file) override;
    bool StartProgram(const std::filesystem::path &program, const std::string &commandLine) override;
};

// Writes down what would have been started ("edit PATH", "start PATH ARGUMENT").
class RecordingLauncher : public ProgramLauncher {
public:
    bool OpenTextFile(const std::filesystem::path &file) override;
    bool StartProgram(const std::filesystem::path &program, const std::string &commandLine) override;
    std::vector<std::string> started;
    bool succeeds = true;
};

} // namespace qelvar
