// The route exchange of the main window: Rte Export writes the route as an FSX flight plan, a
// FlightGear route or a GPX route; Rte Import opens one of them as a new, completed route.
#include "maps/exchange/route_exchange.h"
#include "maps/exchange/route_import.h"
#include "maps/mainwindow/form2.h"
#include "maps/route/route_building.h"
#include "maps/route/route_files.h"
#include "platform/codepage.h"

#include <QFileDialog>

namespace qelvar {

namespace {

const char *const kExportFilters = "FSX flight plan (*.pln);;FlightGear route (*.xml);;GPX route (*.gpx)";
const char *const kImportFilter =
    "Flight plans and routes (*.pln *.PLN *.xml *.XML *.gpx *.GPX);;"
    "FSX flight plan (*.pln *.PLN);;FlightGear route (*.xml *.XML);;GPX route (*.gpx *.GPX)";

// The desktop's file dialog. A name typed without an ending takes the chosen file type's.
std::filesystem::path AskWithDialog(QWidget *parent, bool save, const std::filesystem::path &suggested) {
    QString start = QString::fromStdString(suggested.string());
    if (!save) {
        QString file = QFileDialog::getOpenFileName(parent, "Rte Import", start, kImportFilter);
        return file.toStdString();
    }
    QString filter;
    QString file = QFileDialog::getSaveFileName(parent, "Rte Export", start, kExportFilters, &filter);
    if (file.isEmpty())
        return {};
    std::filesystem::path path = file.toStdString();
    if (FormatOfFile(path) == RouteFormat::Unknown || FormatOfFile(path) == RouteFormat::KitRoute) {
        int open = filter.indexOf("(*");
        path += filter.mid(open + 2, 4).toStdString(); // ".pln", ".xml" or ".gpx"
    }
    return path;
}

} // namespace

void Form2::AddExchangeButtons() {
    cmdRteExport = AddButton("Rte Export", 13'320, 8'160, 1'095, 495);
    cmdRteImport = AddButton("Rte Import", 14'520, 8'160, 1'095, 495);
    connect(cmdRteExport, &QPushButton::clicked, this, &Form2::cmdRteExport_Click);
    connect(cmdRteImport, &QPushButton::clicked, this, &Form2::cmdRteImport_Click);
    askRouteFile = [this](bool save, const std::filesystem::path &suggested) {
        return AskWithDialog(this, save, suggested);
    };
}

void Form2::cmdRteExport_Click() {
    std::vector<RouteWaypoint> waypoints = RouteWaypoints(route_);
    if (waypoints.size() < 2) {
        ShowInfo(
            "A route needs at least two points to be exported: press Route Start and pick them on the map, "
            "or Rte Import a flight plan.");
        return;
    }
    PlanHeader header = PlanHeaderOf(waypoints);
    std::string name = SafeRouteName(route_.RouteName);
    if (name.empty() || name == " to ")
        name = SafeRouteName(header.title);
    std::filesystem::path folder = exchangeFolder_.empty() ? services_.folder : exchangeFolder_;
    std::filesystem::path file = askRouteFile(true, folder / PathOfKitName(name + ".pln"));
    if (file.empty())
        return;
    exchangeFolder_ = file.parent_path();
    std::string error = WriteRouteExchangeFile(file, waypoints, header);
    if (!error.empty()) {
        sink_.ShowMessage("The route could not be exported to " + KitTextOfPath(file) + ": " + error +
                          ". Nothing was written.");
        return;
    }
    ShowInfo("The route " + header.title + " (" + std::to_string(waypoints.size()) +
             " points) was exported to " + KitTextOfPath(file) + ".");
}

void Form2::cmdRteImport_Click() {
    std::filesystem::path folder = exchangeFolder_.empty() ? services_.folder : exchangeFolder_;
    std::filesystem::path file = askRouteFile(false, folder);
    if (file.empty())
        return;
    exchangeFolder_ = file.parent_path();
    ExchangeRead read = ReadRouteExchangeFile(file);
    ImportOutcome outcome;
    if (read.ok)
        outcome = BuildRouteFromWaypoints(db_, route_, read.waypoints, read.leftOut);
    if (!read.ok || !outcome.ok) {
        sink_.ShowMessage(KitTextOfPath(file) + " cannot be opened as a route: " +
                          (read.ok ? outcome.message : read.error) + ". The route stays as it was.");
        return;
    }
    ShowCompletedRoute();
    ShowInfo(SheetText(route_.route) + "Rte Import " + KitNameOfPath(file) + ": " + outcome.message + "\r\n");
    txtDisplay->moveCursor(QTextCursor::End);
    RedrawMap();
}

void Form2::ShowCompletedRoute() {
    ShowRouteEndControls();
    cmbSearch->hide();
    SetBoxText(*txtDisplayRoute, RouteBoxText(route_.route));
    txtDisplayRoute->show();
    txtDisplayRoute->raise();
}

} // namespace qelvar
