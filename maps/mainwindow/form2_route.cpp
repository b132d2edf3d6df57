// The route buttons of the main window, the route pick on the map, route files and Help.
#include "maps/mainwindow/form2.h"
#include "maps/mapview/picking.h"
#include "maps/route/route_building.h"
#include "maps/route/route_files.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/program_folder.h"
#include "platform/text_files.h"

namespace qelvar {

namespace {

constexpr int kDescriptionRole = Qt::UserRole;
constexpr int kPositionRole = Qt::UserRole + 1;

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

void Form2::cmdRteEnd_Click() {
    for (CaptionButton *b : {CmdZoomPlus, CmdCenter, CmdFullDsp, CmdZoomMinus, cmdRte})
        b->SetBackColor(kInactiveViewColor);
    cmdRte->SetCaption("Route Start");
    cmdRteEnd->hide();
    ArmRoutePick();
    lstFound->hide();
    cmdRteLoad->hide();
    cmdRteSave->show();
    route_.RouteState = kCompleting;
    AddPointAndShow("Route complete", "|");
}

void Form2::AddPointAndShow(const std::string &description, const std::string &position) {
    bool completing = route_.RouteState == kCompleting;
    AddPointResult result;
    try {
        result = AddRoutePoint(route_, description, position);
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
        item->setData(kDescriptionRole, QByteArray::fromStdString(c.description));
        item->setData(kPositionRole, QByteArray::fromStdString(c.position));
    }
    lstFound->show();
    lstFound->raise();
}

void Form2::lstFound_Click(QListWidgetItem *item) {
    if (!item)
        return;
    std::string text = item->data(kDescriptionRole).toByteArray().toStdString();
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
    ShowInfo("Filename = " + route_.RouteName);
    SetBoxText(*txtDisplayRoute, "");
    txtDisplayRoute->hide();
    route_.RouteName = SafeRouteName(route_.RouteName);
    std::filesystem::path file = services_.folder / PathOfKitName(route_.RouteName + ".rte");
    try {
        WriteTextLinesAtomically(file, RouteFileLines(route_));
    } catch (const RuntimeError &error) {
        ShowInfo("Filename = " + route_.RouteName + "\r\nThe route file could not be written (" +
                 error.Description() + "): " + KitTextOfPath(file) + "\r\nNothing was saved.");
        RedrawMap();
        return;
    }
    RedrawMap();
    if (!services_.launcher.OpenTextFile(file))
        ShowInfo(BoxText(*txtDisplay) + "\r\nThe route was saved; the text editor could not be started for " +
                 KitTextOfPath(file));
    cmdRteSave->hide();
    cmdRteLoad->show();
}

void Form2::cmdRteLoad_Click() {
    route_.RouteState = kListingFiles;
    lstFound->clear();
    std::vector<std::string> names = ListRouteFiles(services_.folder);
    for (const std::string &name : names) {
        auto *item = new QListWidgetItem(ToUnicode(name), lstFound);
        item->setData(kDescriptionRole, QByteArray::fromStdString(name));
    }
    if (names.empty())
        ShowInfo(
            "There is no route file (*.rte) in the program folder yet: complete a route and press Rte Save.");
    lstFound->show();
    lstFound->raise();
}

void Form2::LoadRouteFile(const std::string &name) {
    SetBoxText(*txtDisplayRoute, "");
    std::vector<std::string> lines;
    try {
        lines = ReadTextLines(FindFile(services_.folder, name));
    } catch (const RuntimeError &error) {
        ShowInfo("The route file " + name + " cannot be opened (" + error.Description() + ").");
        lstFound->hide();
        return;
    }
    txtDisplayRoute->show();
    txtDisplayRoute->raise();
    std::string text = ReadRouteFile(name, lines, route_.RoutePoints);
    SetBoxText(*txtDisplayRoute, text);
    ShowInfo(text);
    lstFound->hide();
}

void Form2::cmdAbout_Click() {
    std::filesystem::path help = FindFile(services_.folder, "Qelvar Maps Info.txt");
    if (!services_.launcher.OpenTextFile(help))
        ShowInfo("The text editor could not be started for " + KitTextOfPath(help));
}

} // namespace qelvar
