// The start-up window of Qelvar Maps: shows a progress picture while the navigation database
// loads, and the farewell picture when the program ends.
#pragma once

#include "maps/navdata/loading_sequence.h"

#include <QImage>
#include <QWidget>
#include <filesystem>
#include <functional>

namespace qelvar {

class Form1 : public QWidget, public StartupScreen {
    Q_OBJECT
public:
    // openMainWindow runs the main window's start-up and shows it; endProgram ends the process.
    Form1(NavDatabase &db, std::filesystem::path folder, MessageSink &sink,
          std::function<void()> openMainWindow, std::function<void()> endProgram);

    // The loading sequence; returns once the main window is open (or never, on a fatal error).
    void Form_Load();

    // Exit: the farewell picture, then the end of the program; nothing is asked or saved.
    void ShowFarewell();

    const std::string &LoadStep() const { return loadStep_; }
    const QImage &Picture() const { return picture_; }

    void ShowPicture(const std::string &fileName) override;
    void ProcessEvents() override;
    void OpenMainWindow() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    NavDatabase &db_;
    std::filesystem::path folder_;
    MessageSink &sink_;
    std::function<void()> openMainWindow_;
    std::function<void()> endProgram_;
    std::string loadStep_;
    QImage picture_;
};

} // namespace qelvar
