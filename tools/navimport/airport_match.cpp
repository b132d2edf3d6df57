#include "airport_match.h"

#include "nav_lines.h"

#include <cmath>

namespace qelvar::import {

namespace {

std::pair<int, int> CellOf(GeoPoint p) {
    return {static_cast<int>(std::floor(p.lat)), static_cast<int>(std::floor(p.lon))};
}

GeoPoint Centre(const AptRunway &r) {
    return {(r.lon1 + r.lon2) / 2, (r.lat1 + r.lat2) / 2};
}

} // namespace

double NearestRunwayMetres(const AptAirport &airport, GeoPoint p) {
    double best = -1;
    for (const AptRunway &r : airport.runways) {
        GeoPoint c = Centre(r);
        double d = DistanceMetres(p.lat, p.lon, c.lat, c.lon);
        if (best < 0 || d < best)
            best = d;
    }
    return best;
}

AptAirportFinder::AptAirportFinder(const std::map<std::string, AptAirport> &airports) : airports_(airports) {
    for (const auto &[ident, a] : airports) {
        std::set<std::pair<int, int>> cells;
        for (const AptRunway &r : a.runways)
            cells.insert(CellOf(Centre(r)));
        for (auto cell : cells)
            cells_[cell].push_back(&a);
    }
}

const AptAirport *AptAirportFinder::ByCode(const std::string &code, GeoPoint p, double &metres) const {
    auto found = code.empty() ? airports_.end() : airports_.find(code);
    if (found == airports_.end())
        return nullptr;
    metres = NearestRunwayMetres(found->second, p);
    return metres >= 0 && metres <= kCodeMatchMetres ? &found->second : nullptr;
}

std::vector<AptMatch> AptAirportFinder::Match(const std::vector<MatchRequest> &requests) const {
    std::vector<AptMatch> matches(requests.size());
    std::set<const AptAirport *> taken;
    for (size_t i = 0; i < requests.size(); ++i) {
        AptMatch &m = matches[i];
        for (MatchKind kind : {MatchKind::Ident, MatchKind::OtherCode})
            for (const std::string &code :
                 kind == MatchKind::Ident ? requests[i].idents : requests[i].otherCodes)
                if (!m.airport && (m.airport = ByCode(code, requests[i].position, m.metres))) {
                    m.kind = kind;
                    m.code = code;
                    taken.insert(m.airport);
                }
    }
    // Position last, so that an airport that another one's code names is not taken twice.
    for (size_t i = 0; i < requests.size(); ++i) {
        AptMatch &m = matches[i];
        if (m.airport)
            continue;
        GeoPoint p = requests[i].position;
        auto [row, column] = CellOf(p);
        for (int r = row - 1; r <= row + 1; ++r)
            for (int c = column - 1; c <= column + 1; ++c) {
                auto cell = cells_.find({r, ((c + 180) % 360 + 360) % 360 - 180});
                if (cell == cells_.end())
                    continue;
                for (const AptAirport *a : cell->second) {
                    double d = NearestRunwayMetres(*a, p);
                    // Equal distances go to the smaller ident, so that the choice never depends on order.
                    if (d <= kPositionMatchMetres && !taken.count(a) &&
                        (!m.airport || d < m.metres || (d == m.metres && a->ident < m.airport->ident))) {
                        m.airport = a;
                        m.metres = d;
                    }
                }
            }
        if (m.airport) {
            m.kind = MatchKind::Position;
            m.code = m.airport->ident;
            taken.insert(m.airport);
        }
    }
    return matches;
}

const AptAirport *AptAirportFinder::Nearest(GeoPoint p, double &metres) const {
    const AptAirport *best = nullptr;
    for (const auto &[ident, a] : airports_) {
        double d = NearestRunwayMetres(a, p);
        if (d >= 0 && (!best || d < metres)) {
            best = &a;
            metres = d;
        }
    }
    return best;
}

} // namespace qelvar::import
