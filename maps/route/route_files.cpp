#include "maps/route/route_files.h"

#include "maps/route/route_building.h"
#include "platform/codepage.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

#include <algorithm>

namespace qelvar {

namespace {

const std::vector<std::string> kBlankForm = {
    "Actual Flight Nbr:______ Date:____________________________________ ",  "",
    "Fuel DEP:  Left:_________Ctr:_________Right:_________ Tot:_________",  "",
    "ATIS DEP Code:___ Wind:____/___  CLOUDS: ______________ QNH:_______",  "",
    "DEP RWY______                                     DEP Time:_______ ",  "",
    "Time:______ FL:______ M_____  GS_____ FF: _____  FREQ: _____________", "",
    "Time:______ FL:______ M_____  GS_____ FF: _____  FREQ: _____________", "",
    "Time:______ FL:______ M_____  GS_____ FF: _____  FREQ: _____________", "",
    "ATIS DES Code:___ Wind:____/___  CLOUDS: ______________ QNH:_______",  "",
    "DEST RWY________ APP: _____________          DEST Time:____________",  "",
    "                                                 Fuel Dep:_________",  "",
    "Fuel DES:  Left:_________Ctr:_________Right:_________ Tot:_________",  "",
    "FLT Time:___________                            Fuel used:_________",
};

bool IsPointLine(const std::string &line) {
    return !line.empty() && line[0] == '#';
}

bool ReadPointLine(std::string line, UnitPoint &point) {
    line.erase(std::remove(line.begin(), line.end(), '#'), line.end());
    std::vector<std::string> parts = SplitFields(line, '|');
    if (parts.size() < 2)
        return false;
    try {
        point = {ParseWholeNumber(parts[0]), ParseWholeNumber(parts[1])};
        return static_cast<double>(point.X) == ParseDecimal(parts[0]) &&
               static_cast<double>(point.Y) == ParseDecimal(parts[1]);
    } catch (const RuntimeError &) {
        return false;
    }
}

} // namespace

std::string SafeRouteName(const std::string &routeName) {
    std::string name = routeName;
    std::replace(name.begin(), name.end(), '/', ' ');
    std::replace(name.begin(), name.end(), ':', ' ');
    // The line end that a point name chosen from the pick list carries ("INT- name" CR LF), and any
    // other control character, has no place in a file name.
    std::erase_if(name, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    return name;
}

std::vector<std::string> RouteFileLines(const RouteModel &model) {
    std::vector<std::string> lines{"     Qelvar Maps SIMULATION ROUTE", "",
                                   "Departure ------------------------------"};
    for (int32_t i = 0; i <= model.route.LineCount; ++i)
        lines.push_back(model.route.RouteSheet[i]);
    lines.push_back("");
    lines.insert(lines.end(), kBlankForm.begin(), kBlankForm.end());
    for (int i = 0; i < kRouteSlots && !IsFreeSlot(model.RoutePoints[i]); ++i) {
        const UnitPoint &p = model.RoutePoints[i];
        const RouteWaypoint &w = model.Waypoints[i];
        lines.push_back(RoutePointLine(p, w.at.X == p.X && w.at.Y == p.Y ? &w : nullptr));
    }
    return lines;
}

std::vector<std::string> ListRouteFiles(const std::filesystem::path &folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        // Every name that ends in ".rte", in any case; ".rte" itself too (the route saved before any
        // route was completed), although the file system counts it a hidden file without extension.
        std::string name = KitNameOfPath(it->path());
        std::string ending = name.size() >= 4 ? name.substr(name.size() - 4) : std::string();
        std::transform(ending.begin(), ending.end(), ending.begin(), ::tolower);
        if (ending == ".rte" && it->is_regular_file(ec))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadRouteFile(const std::string &name, const std::vector<std::string> &lines,
                          RoutePointTable &points) {
    std::string text = " FPL-        " + name + "\r\n\r\n";
    int slot = 0;
    for (const std::string &line : lines) {
        if (!IsPointLine(line)) {
            text += line + "\r\n";
            continue;
        }
        UnitPoint point;
        if (slot < kRouteSlots && ReadPointLine(line, point))
            points[slot++] = point;
    }
    if (slot > 0)
        std::fill(points.begin() + slot, points.end(), UnitPoint{});
    return text;
}

std::vector<RouteWaypoint> RouteFileWaypoints(const std::vector<std::string> &lines) {
    std::vector<RouteWaypoint> waypoints;
    for (const std::string &line : lines) {
        if (!IsPointLine(line) || waypoints.size() >= static_cast<size_t>(kRouteSlots))
            continue;
        if (std::optional<RouteWaypoint> w = WaypointOfPointLine(line))
            waypoints.push_back(*w);
    }
    return waypoints;
}

} // namespace qelvar
