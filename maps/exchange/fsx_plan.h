// The FSX flight plan (.PLN): a SimBase.Document with one FlightPlan.FlightPlan and its list of
// ATCWaypoint entries, positions written as N50° 2' 0.00",E8° 34' 14.00",+000364.00.
#pragma once

#include "maps/exchange/exchange_types.h"
#include "maps/exchange/xml_tree.h"

#include <optional>

namespace qelvar {

ExchangeRead ReadFsxPlan(const XmlElement &root);
XmlElement FsxPlanDocument(const std::vector<RouteWaypoint> &waypoints, const PlanHeader &header);

// The simulator's position text (Windows-1252: the degree sign is one byte), seconds to two
// decimals, the elevation in feet.
std::string FsxPositionText(double latitude, double longitude, double elevationFeet);

struct FsxPosition {
    double latitude = 0, longitude = 0, elevationFeet = 0;
};
// Reads a position text; nothing when it is not one.
std::optional<FsxPosition> ReadFsxPosition(const std::string &text);

} // namespace qelvar
