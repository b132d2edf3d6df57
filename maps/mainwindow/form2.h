// The main window of Qelvar Maps: the map picture and the column of switches, view, route and
// program buttons beside it, the information box and the coordinate read-out.
#pragma once

#include "maps/editor/frm_edit_arpt.h"
#include "maps/mapview/hit_list.h"
#include "maps/mapview/map_view.h"
#include "maps/navdata/nav_database.h"
#include "maps/route/route_model.h"
#include "platform/controls.h"
#include "platform/launcher.h"
#include "platform/messages.h"
#include "platform/picture_box.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

namespace qelvar {

inline constexpr Rgb kLayerOffColor{255, 128, 128};
inline constexpr Rgb kNdbButtonFace{190, 190, 190};
inline constexpr Rgb kActiveViewColor{0, 192, 0};
inline constexpr Rgb kInactiveViewColor{192, 192, 192};
inline constexpr Rgb kRouteGrowingColor{192, 64, 0};
inline constexpr Rgb kRouteArmedColor{0, 192, 0};
inline constexpr Rgb kRouteRearmedColor{0, 128, 0};

// What the main window needs from the program around it.
struct MainWindowServices {
    MessageSink &sink;
    ProgramLauncher &launcher;
    std::filesystem::path folder;      // the program folder: route files and the information file
    std::function<void()> exitProgram; // shows the farewell picture and ends the program
    bool usePrinter = true;            // false: prints always go to a PDF file (tests)
};

// What a left click on the map does.
enum MapClickModes : int32_t {
    kClickCentre0 = 0,
    kClickZoomIn = 1,
    kClickZoomOut = 2,
    kClickCentre = 3,
    kClickRoutePick = 5
};

class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2(NavDatabase &db, MainWindowServices services);

    // The main window's own start-up; commandLine is the program's whole command line.
    void Form_Load(const std::string &commandLine);
    // The map is redrawn when the window is painted, unless the airport marker's rings are shown.
    void Form_Paint();
    // The one full redraw of the map picture.
    void RedrawMap();

    void cmdVOR_Click();
    void cmdNDB_Click();
    void cmdILS_Click();
    void cmdHills_Click();
    void cmdBorder_Click();
    void cmdRwy_Click();
    void cmdInter_Click();
    void cmdArpt_Click();
    void cmdArptLoc_Click();
    void CmdZoomPlus_Click();
    void CmdZoomMinus_Click();
    void CmdCenter_Click();
    void CmdFullDsp_Click();
    void cmdExit_Click();
    void cmdRte_Click();
    void cmdRteEnd_Click();
    void cmdRteSave_Click();
    void cmdRteLoad_Click();
    void cmdAbout_Click();
    // The route to and from the flight plans of simulators and GPS tools (FSX, FlightGear, GPX).
    void cmdRteExport_Click();
    void cmdRteImport_Click();
    // Asks for the file of a route export (save true) or import: the desktop's file dialog, which
    // tests replace. `suggested` is the folder and name to offer; an empty path means cancelled.
    std::function<std::filesystem::path(bool save, const std::filesystem::path &suggested)> askRouteFile;
    void cmdPrint_Click();
    void cmdEdit_Click();
    frmEditArpt *Editor() { return editor_.get(); }
    void lstFound_Click(QListWidgetItem *item);
    void PicMap_MouseDown(int button, int shift, float x, float y);
    void PicMap_MouseMove(int button, int shift, float x, float y);

    MapView &View() { return view_; }
    const HitList &Hits() const { return hits_; }
    int32_t MapClickMode() const { return mapClickMode_; }
    int32_t CrossCursorArmed() const { return crossCursorArmed_; }
    bool RingsShown() const { return ringsShown_; }
    RouteModel &Route() { return route_; }

    PictureBox *PicMap;
    CaptionButton *cmdVOR, *cmdNDB, *cmdInter, *cmdArpt, *cmdArptLoc, *cmdRwy, *cmdILS, *cmdBorder, *cmdHills;
    CaptionButton *CmdZoomPlus, *CmdFullDsp, *CmdCenter, *CmdZoomMinus;
    CaptionButton *cmdRte, *cmdRteEnd, *cmdRteSave, *cmdRteLoad;
    CaptionButton *cmdEdit, *cmdAbout, *cmdPrint, *cmdExit;
    CaptionButton *cmdRteExport, *cmdRteImport; // below the map, beside the column
    QPlainTextEdit *txtDisplay;
    QPlainTextEdit *txtDisplayRoute;
    QListWidget *lstFound;
    QComboBox *cmbSearch;
    QLabel *lblCoords;

    // Shown by Rte Load when the program folder holds no route file.
    static constexpr const char *kNoRouteFileText =
        "There is no route file (*.rte) in the program folder yet: complete a route and press Rte Save.";

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    CaptionButton *AddButton(const std::string &caption, int left, int top, int width, int height,
                             const char *fontName = "Small Fonts");
    void AddSeparator(int top);
    void ShowLayerSwitch(CaptionButton &button, bool on, const std::string &onCaption,
                         const std::string &offCaption, Rgb onColor);
    void SwitchLayer(bool &flag, CaptionButton &button, const std::string &onCaption,
                     const std::string &offCaption, Rgb onColor = ButtonFace());
    void ColourViewButtons(CaptionButton *active);
    void ArmClickMode(CaptionButton *button, int32_t mode);
    void SetMapCursor();
    void ArmRoutePick();
    // Adds a picked point to the route and shows the sheet, or why the point was refused.
    void AddPointAndShow(const std::string &description, const std::string &position);
    void RoutePickAt(int32_t x, int32_t y);
    void SaveRoute();
    void LoadRouteFile(const std::string &name);
    void ShowInfo(const std::string &text);
    void AddExchangeButtons();
    // Shows a route completed by an import as RTE End shows a clicked one.
    void ShowCompletedRoute();
    void ShowRouteEndControls();
    // A message that names a file: the box wraps its lines until it shows another text, so that
    // the whole name can be read.
    void ShowFileInfo(const std::string &text);

    NavDatabase &db_;
    MessageSink &sink_;
    MainWindowServices services_;
    MapView view_;
    HitList hits_;
    RouteModel route_;
    std::unique_ptr<frmEditArpt> editor_; // created on the first Edit Arpt
    std::filesystem::path exchangeFolder_; // the folder of the last route export or import
    int32_t stateBeforeListing_ = 0;      // the route state that closing the route file list returns to
    int32_t mapClickMode_ = 0;
    int32_t crossCursorArmed_ = 0;
    bool ringsShown_ = false;
    bool showingFileInfo_ = false;
};

} // namespace qelvar
