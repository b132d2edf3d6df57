// FlightGear's route-manager file: a PropertyList of version 2 with the departure and destination
// airports and the route's wp entries (navaids, bare positions, runways).
#pragma once

#include "maps/exchange/exchange_types.h"
#include "maps/exchange/xml_tree.h"

namespace qelvar {

// Airports named only by their ICAO code (departure, destination, runway entries) come without a
// position: the kit places them by their ident alone.
ExchangeRead ReadFlightGearRoute(const XmlElement &root);
XmlElement FlightGearRouteDocument(const std::vector<RouteWaypoint> &waypoints, const PlanHeader &header);

} // namespace qelvar
