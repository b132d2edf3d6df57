// The information block of an airport, as the marker of the command-line airport shows it.
#pragma once

#include "maps/navdata/nav_database.h"

#include <string>

namespace qelvar {

// "--- INTL ARPT ---" or "--- LOCAL ARPT ---" with the IATA code, name and country, ICAO,
// elevation and ATIS, one line per runway item, and a final empty line. "searching..." for an
// airport of any other type.
std::string AirportInfoText(const Airport &airport);

// The runway items of RunwayInfo: all spaces removed, split at "#"; none when it is empty.
std::vector<std::string> RunwayItems(const std::string &runwayInfo);

} // namespace qelvar
