// Made-up airports in the scenery XML layout, for the window grabs and the benchmark: a large
// airport with a taxi network, gates and aprons; a field with legacy taxiways only (plain paths,
// no taxiway names); a small field without ILS.
#pragma once

#include <string>

namespace qelvar::testing {

enum class SyntheticKind {
    LargeHub,       // parallel runways and a crossing one, ILS, taxi network with names, gates, aprons, fence
    LegacyTaxiways, // two runways, taxiways drawn as plain paths, a few ramp spots
    NoIls,          // one grass runway, a water runway and a helipad, no ILS
};

// The whole file text (CR LF lines, tab indents) with one airport of the given ident. For LargeHub,
// size scales the taxi network: about 220 taxi points, 240 paths and 64 gates for each unit (9 gives
// about 1,950 points, near the table's 2,001).
std::string SyntheticSceneryXml(SyntheticKind kind, const std::string &ident, int size = 1);

} // namespace qelvar::testing
