// The main window of Qelvar Maps: the map picture and the column of switches, view, route and
// program buttons beside it, the information box and the coordinate read-out.
#pragma once

#include "maps/mapview/map_view.h"
#include "maps/navdata/nav_database.h"
#include "platform/controls.h"
#include "platform/messages.h"
#include "platform/picture_box.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>
#include <functional>

namespace qelvar {

inline constexpr Rgb kLayerOffColor{255, 128, 128};
inline constexpr Rgb kNdbButtonFace{190, 190, 190};

class Form2 : public QWidget {
    Q_OBJECT
public:
    // exitProgram shows the farewell picture and ends the program.
    Form2(NavDatabase &db, MessageSink &sink, std::function<void()> exitProgram);

    // The main window's own start-up; commandLine is the program's whole command line.
    void Form_Load(const std::string &commandLine);

    void cmdExit_Click();

    MapView &View() { return view_; }

    PictureBox *PicMap;
    CaptionButton *cmdVOR, *cmdNDB, *cmdInter, *cmdArpt, *cmdArptLoc, *cmdRwy, *cmdILS, *cmdBorder, *cmdHills;
    CaptionButton *CmdZoomPlus, *CmdFullDsp, *CmdCenter, *CmdZoomMinus;
    CaptionButton *cmdRte, *cmdRteEnd, *cmdRteSave, *cmdRteLoad;
    CaptionButton *cmdEdit, *cmdAbout, *cmdPrint, *cmdExit;
    QPlainTextEdit *txtDisplay;
    QPlainTextEdit *txtDisplayRoute;
    QListWidget *lstFound;
    QLabel *lblCoords;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    CaptionButton *AddButton(const std::string &caption, int left, int top, int width, int height,
                             const char *fontName = "Small Fonts");
    void AddSeparator(int top);

    NavDatabase &db_;
    MessageSink &sink_;
    std::function<void()> exitProgram_;
    MapView view_;
};

} // namespace qelvar
