// The start-up of the main program: filling the navigation database in its fixed order while the
// start-up window shows what is being loaded.
#pragma once

#include "maps/navdata/nav_database.h"
#include "platform/messages.h"

#include <filesystem>
#include <string>

namespace qelvar {

// What the loading sequence asks of the start-up window.
class StartupScreen {
public:
    virtual ~StartupScreen() = default;
    // Sets the window's background picture from a JPEG in the program folder, shows the window;
    // raises RuntimeError when the picture cannot be loaded.
    virtual void ShowPicture(const std::string &fileName) = 0;
    // Lets the windowing system paint what is pending.
    virtual void ProcessEvents() = 0;
    // Opens the main window (which runs its own start-up) and hides the start-up window.
    virtual void OpenMainWindow() = 0;
};

// A start-up screen that shows nothing: loading without a window (benchmarks, tools, tests).
class HeadlessStartupScreen : public StartupScreen {
public:
    void ShowPicture(const std::string &) override {}
    void ProcessEvents() override {}
    void OpenMainWindow() override {}
};

// Levels 1 ... 12: 2, 5, 10, 20, 40, 78, 156, 312, 625, 1250, 2500, 5000.
void FillZoomScale(NavDatabase &db);

// Every layer but the intersections on.
void SwitchOnStartLayers(LayerFlagSet &flags);

// The loading sequence. Any error that no loader handles itself ends the program through
// ReportFatalError with module "Kordax", function "Form_Load" and loadStep as the cause.
void RunLoadingSequence(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink,
                        StartupScreen &screen, std::string &loadStep);

} // namespace qelvar
