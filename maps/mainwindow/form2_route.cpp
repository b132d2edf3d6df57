// The route buttons of the main window, the route pick on the map, route files and Help.
#include "maps/exchange/route_import.h"
#include "maps/mainwindow/form2.h"
#include "maps/mapview/picking.h"
#include "maps/route/route_building.h"
#include "maps/route/route_files.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/program_folder.h"
#include "platform/text_files.h"

#include <QKeyEvent>

namespace qelvar {

namespace {

constexpr int kEntryTextRole = Qt::UserRole; // the entry's own text, or the route file's name
constexpr int kPositionRole = Qt::UserRole + 1;

// Why a file did not open: every way of opening it was tried.
std::string EditorFailureText(const std::filesystem::path &file) {
    return "The text editor could not be started for " + KitTextOfPath(file) +
           "\r\n(neither xdg-open nor $VISUAL or $EDITOR opened it).";
}

void ShowSheetAtEnd(QPlainTextEdit &box, const std::string &text) {
    SetBoxText(box, text);
    box.moveCursor(QTextCursor::End);
}

} // namespace

void Form2::ArmRoutePick() {
    mapClickMode_ = kClickRoutePick;
    crossCursorArmed_ = 1;
    PicMap->setCursor(Qt::CrossCursor);
}

void Form2::cmdRte_Click() {
    // Route Start while the route files are listed closes the list first and acts on the state
    // from before Rte Load.
    if (route_.RouteState == kListingFiles)
        lstFound->hide();
    if (route_.RouteState == kWaitingForStart || route_.RouteState == kFileShown) {
        StartNewRoute(route_);
        ColourViewButtons(nullptr);
        cmdRte->SetBackColor(kRouteArmedColor);
        cmdRte->SetCaption("Route Next");
        cmdRteEnd->show();
        ArmRoutePick();
        cmbSearch->hide();
        lstFound->hide();
        txtDisplayRoute->hide();
        ShowInfo("Choose Startpoint");
    } else if (route_.RouteState == kAddingPoints) {
        for (CaptionButton *b : {CmdZoomPlus, CmdCenter, CmdFullDsp, CmdZoomMinus})
            b->SetBackColor(kInactiveViewColor);
        cmdRte->SetBackColor(kRouteRearmedColor);
        cmdRte->SetCaption("Route Next");
        ArmRoutePick();
        lstFound->hide();
        if (txtDisplayRoute->isVisible()) {
            ResetRouteSheet(route_.route);
            ShowInfo("Choose Startpoint");
        }
    }
}

// The controls of a finished route: the view buttons idle, Route Start again, Rte Save offered.
void Form2::ShowRouteEndControls() {
    for (CaptionButton *b : {CmdZoomPlus, CmdCenter, CmdFullDsp, CmdZoomMinus, cmdRte})
        b->SetBackColor(kInactiveViewColor);
    cmdRte->SetCaption("Route Start");
    cmdRteEnd->hide();
    ArmRoutePick();
    lstFound->hide();
    cmdRteLoad->hide();
    cmdRteSave->show();
}

void Form2::cmdRteEnd_Click() {
    ShowRouteEndControls();
    route_.RouteState = kCompleting;
    AddPointAndShow("Route complete", "|");
}

void Form2::AddPointAndShow(const std::string &description, const std::string &position) {
    bool completing = route_.RouteState == kCompleting;
    AddPointResult result;
    try {
        RouteWaypoint identity = IdentifyPickedPoint(db_, description, position);
        result = AddRoutePoint(route_, description, position, &identity);
    } catch (const RuntimeError &error) {
        ShowFormError(sink_, error, "AddRoutePoint", "Form2");
        return;
    }
    if (!result.refusal.empty()) {
        ShowInfo(SheetText(route_.route) + result.refusal + "\r\n");
        txtDisplay->moveCursor(QTextCursor::End);
        return;
    }
    if (!result.added)
        return;
    ShowSheetAtEnd(*txtDisplay, SheetText(route_.route));
    if (completing) {
        SetBoxText(*txtDisplayRoute, RouteBoxText(route_.route));
        txtDisplayRoute->show();
        txtDisplayRoute->raise();
    }
}

void Form2::RoutePickAt(int32_t x, int32_t y) {
    std::vector<PickCandidate> candidates = RoutePick(db_, hits_, view_, x, y);
    lstFound->clear();
    if (candidates.size() == 1 && candidates[0].listText != kPositionUnderCursor) {
        lstFound->hide();
        AddPointAndShow(candidates[0].description, candidates[0].position);
        return;
    }
    for (const PickCandidate &c : candidates) {
        auto *item = new QListWidgetItem(ToUnicode(c.listText).replace("\r\n", "\n").trimmed(), lstFound);
        item->setData(kEntryTextRole, QByteArray::fromStdString(c.listText));
        item->setData(kPositionRole, QByteArray::fromStdString(c.position));
    }
    lstFound->show();
    lstFound->raise();
}

void Form2::lstFound_Click(QListWidgetItem *item) {
    if (!item)
        return;
    std::string text = item->data(kEntryTextRole).toByteArray().toStdString();
    if (route_.RouteState == kListingFiles) {
        route_.RouteState = kFileShown;
        LoadRouteFile(text);
        return;
    }
    AddPointAndShow(text, item->data(kPositionRole).toByteArray().toStdString());
    lstFound->hide();
    RedrawMap();
}

void Form2::cmdRteSave_Click() {
    SaveRoute();
}

void Form2::SaveRoute() {
    ShowFileInfo("Filename = " + route_.RouteName);
    SetBoxText(*txtDisplayRoute, "");
    txtDisplayRoute->hide();
    route_.RouteName = SafeRouteName(route_.RouteName);
    std::filesystem::path file = services_.folder / PathOfKitName(route_.RouteName + ".rte");
    try {
        WriteTextLinesAtomically(file, RouteFileLines(route_));
    } catch (const RuntimeError &error) {
        ShowFileInfo("Filename = " + route_.RouteName + "\r\nThe route file could not be written (" +
                     error.Description() + "): " + KitTextOfPath(file) + "\r\nNothing was saved.");
        RedrawMap();
        return;
    }
    RedrawMap();
    if (!services_.launcher.OpenTextFile(file))
        ShowFileInfo(BoxText(*txtDisplay) + "\r\nThe route was saved. " + EditorFailureText(file));
    cmdRteSave->hide();
    cmdRteLoad->show();
}

void Form2::cmdRteLoad_Click() {
    std::vector<std::string> names = ListRouteFiles(services_.folder);
    if (names.empty()) {
        lstFound->hide(); // a list still open goes back to the state before it
        ShowInfo(kNoRouteFileText);
        return;
    }
    if (route_.RouteState != kListingFiles)
        stateBeforeListing_ = route_.RouteState;
    route_.RouteState = kListingFiles;
    lstFound->clear();
    for (const std::string &name : names) {
        auto *item = new QListWidgetItem(ToUnicode(name), lstFound);
        item->setData(kEntryTextRole, QByteArray::fromStdString(name));
    }
    lstFound->show();
    lstFound->raise();
    lstFound->setFocus();
}

bool Form2::eventFilter(QObject *watched, QEvent *event) {
    if (watched == lstFound) {
        // Escape closes the pick list; closing the route file list without a choice, by any way,
        // returns to the route state from before Rte Load.
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            lstFound->hide();
            return true;
        }
        // (A spontaneous hide comes from the window system, when the whole window is minimised.)
        if (event->type() == QEvent::Hide && !event->spontaneous() && route_.RouteState == kListingFiles)
            route_.RouteState = stateBeforeListing_;
    }
    return QWidget::eventFilter(watched, event);
}

void Form2::LoadRouteFile(const std::string &name) {
    SetBoxText(*txtDisplayRoute, "");
    std::vector<std::string> lines;
    try {
        lines = ReadTextLines(FindFile(services_.folder, name));
    } catch (const RuntimeError &error) {
        ShowFileInfo("The route file " + name + " cannot be opened (" + error.Description() + ").");
        route_.RouteState = stateBeforeListing_; // nothing was loaded
        lstFound->hide();
        return;
    }
    txtDisplayRoute->show();
    txtDisplayRoute->raise();
    std::string text = ReadRouteFile(name, lines, route_.RoutePoints);
    std::vector<RouteWaypoint> waypoints =
        RouteFileWaypoints(lines); // what each point is, when the file says
    for (size_t i = 0; i < waypoints.size(); ++i)
        route_.Waypoints[i] = IdentifyByPosition(db_, waypoints[i]);
    SetBoxText(*txtDisplayRoute, text);
    ShowInfo(text);
    lstFound->hide();
}

void Form2::cmdAbout_Click() {
    std::filesystem::path help = FindFile(services_.folder, "Qelvar Maps Info.txt");
    if (!services_.launcher.OpenTextFile(help))
        ShowFileInfo(EditorFailureText(help));
}

} // namespace qelvar
