// The window skeleton that both scenery viewers share: the chart picture, the ICAO search box with
// its index search, the chart button, the zoom buttons, click-to-centre and EXIT. A viewer derives
// from it, adds its own controls and fills in three hooks:
//   LoadChart()                the chart button was pressed (zoom and pan are already reset):
//                              read the airport's scenery file and draw it;
//   Redraw()                   draw again with the current zoom and pan (after Zoom In, Zoom Out,
//                              Reset and a click on the picture); must cope with nothing loaded;
//   SetViewControlsEnabled()   enable or disable the view controls (the base handles Zoom In and
//                              Zoom Out; a viewer adds its switches or lists).
#pragma once

#include "platform/chart_page.h"
#include "platform/controls.h"
#include "platform/picture_box.h"
#include "scenery/airport_index.h"
#include "scenery/dispatch.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace qelvar {

// The zoom levels of a viewer, in grid units per twip.
struct ZoomRange {
    int start = 2; // at program start
    int chart = 4; // set by the chart button
    int least = 1; // Zoom In stops here
    int most = 10; // Zoom Out stops here
    int step = 1;  // one press of Zoom In or Zoom Out
};

// What differs between the viewers' skeletons.
struct ViewerLayout {
    std::string caption;      // the window caption at start: "Qelvar-Airport"
    std::string chartCaption; // the chart button at start: "Arpt Chart"
    int searchLeft = 14640;   // the ICAO box, twips
    int searchWidth = 1095;
    ZoomRange zoom;
};

// What the window needs from the program around it.
struct ViewerServices {
    std::filesystem::path folder;      // the program folder: "Arpt index.txt" and "FSXFiles"
    std::function<void()> exitProgram; // EXIT: ends the program
};

class SceneryViewerWindow : public QWidget {
    Q_OBJECT
public:
    SceneryViewerWindow(ViewerLayout layout, ViewerServices services, QWidget *parent = nullptr);

    // Start: the command line (the whole of it) goes into the ICAO box; the zoom level is the start
    // level; the chart and view buttons are disabled. The search waits for the Search button.
    void Form_Load(const std::string &commandLine);

    // Search: disables the view controls, takes the ICAO box upper-cased and without spaces as the
    // searched ident,
    // clears the picture and searches "Arpt index.txt", showing "searching for " captions. On a
    // match the caption names the airport, the box is emptied and the chart button reads
    // "Show " + ICAO + " Chart"; otherwise the caption says why and the previous match stays.
    void cmdSearch_Click();
    // Chart button: zoom level := the chart level, Reset enabled with its zoom caption, pan := 0,
    // then LoadChart().
    void cmdArpt_Click();
    void cmdPlus_Click();  // zoom in one step, not below the least level; Redraw()
    void cmdMinus_Click(); // zoom out one step, not above the most level; Redraw()
    void cmdZoom_Click();  // pan := 0, zoom unchanged; Redraw()
    // Any button on the picture: the clicked point becomes the picture's centre; Redraw().
    void picArpt_MouseDown(int button, int shift, float x, float y);
    void cmdExit_Click();

    // The chart on paper (chart_page_menu.cpp): the right button on the picture opens a menu with
    // "Print..." and "Save as PDF...".
    void ShowChartMenu(const QPoint &globalPosition);
    // Prints the chart as it is shown, or writes its PDF page into the data folder without a printer.
    void PrintChart();
    // Writes the chart's PDF page to a file the pilot chooses.
    void SaveChartPdf();
    // The chart as it is shown, as a kneeboard page; nothing before a chart is loaded.
    virtual std::optional<ChartPage> ChartForPage() { return std::nullopt; }
    // Asks for the PDF file (the desktop's save dialog; tests answer it); empty when cancelled.
    std::function<std::filesystem::path(const std::filesystem::path &suggested)> askPdfFile;
    bool usePrinter = true; // false: Print always writes the PDF file (tests)

    int ZoomLevel() const { return zoom_; }
    int PanX() const { return panX_; }
    int PanY() const { return panY_; }
    const std::string &SearchedIdent() const { return searchedIdent_; }
    // The index line of the last successful search (spaces removed).
    const std::optional<IndexEntry> &Matched() const { return matched_; }
    // The caption that names the matched airport: ICAO-city-country-file.
    std::string MatchedCaption() const;
    const std::filesystem::path &Folder() const { return services_.folder; }

    // The window caption in the kit's Windows-1252 text.
    void SetCaption(const std::string &caption);
    std::string Caption() const;

    PictureBox *picArpt;
    QLabel *lblSearch;
    QLineEdit *txtSearch;
    CaptionButton *cmdSearch, *cmdArpt, *cmdZoom, *cmdPlus, *cmdMinus, *cmdExit;

protected:
    virtual void LoadChart() = 0;
    virtual void Redraw() = 0;
    virtual void SetViewControlsEnabled(bool enabled);

    // Reads the matched airport's scenery file with the viewer's rows into the airport. When the file
    // cannot be read, the caption and the picture say so, the tables keep what they held, and false
    // comes back.
    bool LoadMatchedAirport(const Dispatcher &dispatcher, SceneryAirport &airport, SceneryLoadResult &result);

    // A button of the viewer's own, placed in twips with the skeleton's font.
    CaptionButton *AddButton(const std::string &caption, int left, int top, int width, int height);

private:
    void ShowZoomCaption(const std::string &levelLabel);

    ViewerLayout layout_;
    ViewerServices services_;
    int zoom_;
    int panX_ = 0, panY_ = 0;
    std::string searchedIdent_;
    std::optional<IndexEntry> matched_;
};

// "Reset Position", a carriage return, "Zoom Level=" and the level: levelLabel is "Zoom Level= "
// after the chart button and "Zoom Level=" after Zoom In and Zoom Out.
std::string ZoomCaption(const std::string &levelLabel, int zoom);

} // namespace qelvar
