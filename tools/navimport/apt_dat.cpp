// apt.dat: airport headers (1, 16, 17), land runways (100) and the ATIS frequency (50).
#include "source_files.h"
#include "sources.h"
#include "tokens.h"

#include "platform/numbers.h"

#include <cmath>

namespace qelvar::import {

std::map<std::string, AptAirport> ReadAptDat(const std::filesystem::path &file) {
    std::map<std::string, AptAirport> airports;
    AptAirport *current = nullptr;
    ForEachDataRow(file, [&](const Tokens &t) {
        const std::string &code = t.Text(0);
        if (code == "1" || code == "16" || code == "17") {
            t.Require(5, "an airport header needs elevation, tower, (unused) and ident");
            AptAirport airport;
            airport.ident = t.Text(4);
            airport.elevationFeet = static_cast<int>(std::lround(t.Number(1)));
            auto [it, added] = airports.emplace(airport.ident, airport);
            current = added ? &it->second : nullptr; // a repeated ident keeps the first airport
        } else if (code == "100" && current) {
            t.Require(26, "a runway row has 26 fields");
            AptRunway r;
            r.widthMetres = t.Number(1);
            r.surface = t.Int(2);
            r.end1 = t.Text(8);
            r.lat1 = t.Number(9);
            r.lon1 = t.Number(10);
            r.end2 = t.Text(17);
            r.lat2 = t.Number(18);
            r.lon2 = t.Number(19);
            current->runways.push_back(r);
        } else if (code == "50" && current && current->atisMhz.empty()) {
            t.Require(2, "a frequency row needs its frequency");
            current->atisMhz = FixedDecimals(t.Int(1) / 100.0, 2); // 12047 = 120.47 MHz
        }
    });
    return airports;
}

} // namespace qelvar::import
