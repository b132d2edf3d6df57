// Opening a text file: xdg-open first, $VISUAL and $EDITOR only when it is missing or fails, with
// the launcher replaced; and the real launcher on small system programs.
#include "platform/text_editor.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

using Command = std::vector<std::string>;

TEST(TextEditor, XdgOpenFirstThenVisualThenEditor) {
    const std::filesystem::path file = "/kit/Qelvar Maps Info.txt";
    EXPECT_EQ(TextEditorCommands(file, nullptr, nullptr),
              (std::vector<Command>{{"xdg-open", file.string()}}));
    EXPECT_EQ(TextEditorCommands(file, "", "  "), (std::vector<Command>{{"xdg-open", file.string()}}));
    EXPECT_EQ(TextEditorCommands(file, "gedit", "emacs -nw"),
              (std::vector<Command>{
                  {"xdg-open", file.string()}, {"gedit", file.string()}, {"emacs", "-nw", file.string()}}));
    EXPECT_EQ(TextEditorCommands(file, nullptr, "vi"),
              (std::vector<Command>{{"xdg-open", file.string()}, {"vi", file.string()}}));
}

TEST(TextEditor, TheFirstCommandThatStartsIsTheOnlyOneStarted) {
    const std::vector<Command> commands{{"xdg-open", "f"}, {"gedit", "f"}, {"vi", "f"}};
    struct Case {
        std::vector<LaunchOutcome> outcomes; // of xdg-open, gedit, vi in turn
        bool opened;
        size_t tried;
    } cases[] = {
        {{LaunchOutcome::Finished}, true, 1}, // xdg-open handed the file on and ended
        {{LaunchOutcome::Running}, true, 1},
        {{LaunchOutcome::Failed, LaunchOutcome::Running}, true, 2},
        {{LaunchOutcome::Failed, LaunchOutcome::Failed, LaunchOutcome::Finished}, true, 3},
        {{LaunchOutcome::Failed, LaunchOutcome::Failed, LaunchOutcome::Failed}, false, 3},
    };
    for (const Case &c : cases) {
        std::vector<std::string> tried;
        bool opened = OpenWithFirstThatStarts(commands, [&](const Command &command) {
            tried.push_back(command[0]);
            return c.outcomes.at(tried.size() - 1);
        });
        EXPECT_EQ(opened, c.opened);
        EXPECT_EQ(tried.size(), c.tried);
    }
}

// A program that cannot start, or that ends at once with an error status (as a terminal editor
// without a terminal does), fails; one that ends cleanly or is still running has started.
TEST(TextEditor, TheRealLauncherWatchesTheFirstMoment) {
    EXPECT_EQ(LaunchAndWatch({"/no/such/editor", "f"}, 2'000), LaunchOutcome::Failed);
    EXPECT_EQ(LaunchAndWatch({"false"}, 2'000), LaunchOutcome::Failed);
    EXPECT_EQ(LaunchAndWatch({"sh", "-c", "exit 3"}, 2'000), LaunchOutcome::Failed);
    EXPECT_EQ(LaunchAndWatch({"sh", "-c", "kill -9 $$"}, 2'000), LaunchOutcome::Failed);
    EXPECT_EQ(LaunchAndWatch({"true"}, 2'000), LaunchOutcome::Finished);
    EXPECT_EQ(LaunchAndWatch({"sleep", "1"}, 100), LaunchOutcome::Running); // ends on its own
    EXPECT_EQ(LaunchAndWatch({}, 100), LaunchOutcome::Failed);
}

} // namespace
} // namespace qelvar
