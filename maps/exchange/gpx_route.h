// GPX 1.1: a route (rte with its rtept entries), which every GPS tool reads. A file without a
// route gives its waypoints (wpt) in file order.
#pragma once

#include "maps/exchange/exchange_types.h"
#include "maps/exchange/xml_tree.h"

namespace qelvar {

ExchangeRead ReadGpxRoute(const XmlElement &root);
XmlElement GpxRouteDocument(const std::vector<RouteWaypoint> &waypoints, const PlanHeader &header);

} // namespace qelvar
