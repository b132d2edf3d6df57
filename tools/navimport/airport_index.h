// The lines of "Arpt index.txt" (ICAO;city;country;file name) with one airport added or replaced.
#pragma once

#include <string>
#include <vector>

namespace qelvar::import {

// Replaces the first line whose ICAO field (blanks removed) is the ident, or adds the line at the
// end; further lines of the same ident are dropped, so that the index names one file per airport.
std::vector<std::string> IndexWithAirport(const std::vector<std::string> &lines, const std::string &icao,
                                          const std::string &city, const std::string &country,
                                          const std::string &fileName);

} // namespace qelvar::import
