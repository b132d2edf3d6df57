// Which apt.dat airport describes an airport of the index. apt.dat reuses idents (an ident that an
// airport gave up may now name another one far away), so a code alone is never trusted: the
// apt.dat airport's runways must lie near the OurAirports position.
#pragma once

#include "sources.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace qelvar::import {

// How near the runways must lie: an airport found by a code within kCodeMatchMetres (its nearest
// runway centre), one found by position alone within kPositionMatchMetres.
constexpr double kCodeMatchMetres = 5000, kPositionMatchMetres = 3000;

// The distance from the point to the nearest runway centre of the airport; -1 without runways.
double NearestRunwayMetres(const AptAirport &airport, GeoPoint p);

struct MatchRequest {
    GeoPoint position;
    std::vector<std::string> idents;     // the ICAO code and OurAirports' ident
    std::vector<std::string> otherCodes; // gps_code, local_code, iata_code
};

enum class MatchKind { Ident, OtherCode, Position, Unmatched };

struct AptMatch {
    const AptAirport *airport = nullptr;
    MatchKind kind = MatchKind::Unmatched;
    std::string code;  // the code it was found by (the apt.dat ident for a position match)
    double metres = 0; // from the requested position to its nearest runway centre
};

class AptAirportFinder {
public:
    explicit AptAirportFinder(const std::map<std::string, AptAirport> &airports);

    // For each request, in this order: an airport filed under one of its idents, then under one of
    // its other codes, whose runways lie within kCodeMatchMetres; then the nearest airport with
    // runways within kPositionMatchMetres that no request found by a code.
    std::vector<AptMatch> Match(const std::vector<MatchRequest> &requests) const;

    // The nearest airport with runways and its distance, at any distance (none when there is none).
    const AptAirport *Nearest(GeoPoint p, double &metres) const;

private:
    const AptAirport *ByCode(const std::string &code, GeoPoint p, double &metres) const;

    const std::map<std::string, AptAirport> &airports_;
    std::map<std::pair<int, int>, std::vector<const AptAirport *>> cells_; // by runway centre, 1 degree
};

} // namespace qelvar::import
