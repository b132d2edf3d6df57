// Opening a text file for the user: the desktop's default application for text files first
// (xdg-open), then $VISUAL and $EDITOR. A program counts as started when it is still running after
// a short moment or has ended by then without an error status; one that cannot be started, or that
// ends at once with an error status (xdg-open without a handler, a terminal editor without a
// terminal), lets the next one try.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qelvar {

enum class LaunchOutcome {
    Running,  // still running after the moment: it has come up
    Finished, // ended within the moment with status 0 (xdg-open hands the file on and ends)
    Failed,   // could not be started, or ended within the moment with an error status or a crash
};

// Starts a command (program and its arguments) and watches it for a moment.
using CommandLauncher = std::function<LaunchOutcome(const std::vector<std::string> &command)>;

// The commands that may open a text file, in the order they are tried: xdg-open, then $VISUAL,
// then $EDITOR, each with the file as its last argument. An editor variable may carry its own
// arguments ("emacs -nw"); an unset or empty one is left out.
std::vector<std::vector<std::string>> TextEditorCommands(const std::filesystem::path &file,
                                                         const char *visual, const char *editor);

// Tries the commands in order until one starts; false when none did.
bool OpenWithFirstThatStarts(const std::vector<std::vector<std::string>> &commands,
                             const CommandLauncher &launch);

// The real launcher: starts the command detached from the kit's input and output and waits up to
// momentMs milliseconds for it to end. A command still running then is left to run on its own.
LaunchOutcome LaunchAndWatch(const std::vector<std::string> &command, int momentMs);

} // namespace qelvar
