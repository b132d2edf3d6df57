#include "navaid_index.h"

#include "nav_lines.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace qelvar::import {

namespace {

// Cells of one degree of latitude and longitude.
std::pair<int, int> CellOf(double lat, double lon) {
    return {static_cast<int>(std::floor(lat)), static_cast<int>(std::floor(lon))};
}

double Metres(GeoPoint a, double lat, double lon) {
    return DistanceMetres(a.lat, a.lon, lat, lon);
}

} // namespace

NavaidIndex::NavaidIndex(const std::vector<NavAid> &aids, const std::vector<Fix> &fixes) {
    for (const NavAid &a : aids) {
        if (a.code == 2)
            ndbs_[CellOf(a.lat, a.lon)].push_back(&a);
        else if (a.code == 3)
            vors_[CellOf(a.lat, a.lon)].push_back(&a);
        else if (a.code == 4 || a.code == 5)
            localizers_.emplace(a.airport, &a);
        else if (a.code == 6)
            glideSlopes_.emplace(std::make_pair(a.airport, a.runway), &a);
        else if (a.code == 12)
            dmes_[CellOf(a.lat, a.lon)].push_back(&a);
    }
    for (const Fix &f : fixes)
        fixes_[CellOf(f.lat, f.lon)].push_back(&f);
}

template <class T>
std::vector<const T *> NavaidIndex::Within(const Cells<T> &cells, GeoPoint centre, double metres) const {
    double latSpan = metres / 111'000.0 + 1;
    double shrink =
        std::max(std::cos(std::min(89.0, std::fabs(centre.lat) + latSpan) * 3.14159265 / 180), 0.02);
    int lonCells = std::min(180, static_cast<int>(std::ceil(latSpan / shrink)));
    auto [row, column] = CellOf(centre.lat, centre.lon);
    std::vector<std::pair<double, const T *>> found;
    for (int r = row - static_cast<int>(std::ceil(latSpan)); r <= row + static_cast<int>(std::ceil(latSpan));
         ++r)
        for (int c = column - lonCells; c <= column + lonCells; ++c) {
            int wrapped = ((c + 180) % 360 + 360) % 360 - 180;
            auto cell = cells.find({r, wrapped});
            if (cell == cells.end())
                continue;
            for (const T *item : cell->second) {
                double d = Metres(centre, item->lat, item->lon);
                if (d <= metres)
                    found.push_back({d, item});
            }
        }
    std::sort(found.begin(), found.end(), [](const auto &x, const auto &y) {
        return std::tie(x.first, x.second->ident, x.second->lat, x.second->lon) <
               std::tie(y.first, y.second->ident, y.second->lat, y.second->lon);
    });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const auto &x, const auto &y) { return x.second == y.second; }),
                found.end());
    std::vector<const T *> result;
    for (const auto &[d, item] : found)
        result.push_back(item);
    return result;
}

std::vector<const NavAid *> NavaidIndex::StationsWithin(GeoPoint centre, double metres, int code) const {
    return Within(code == 2 ? ndbs_ : vors_, centre, metres);
}

std::vector<const Fix *> NavaidIndex::FixesWithin(GeoPoint centre, double metres) const {
    return Within(fixes_, centre, metres);
}

std::vector<const NavAid *> NavaidIndex::LocalizersOf(const std::string &airport) const {
    std::vector<const NavAid *> result;
    auto [first, last] = localizers_.equal_range(airport);
    for (auto it = first; it != last; ++it)
        result.push_back(it->second);
    return result;
}

const NavAid *NavaidIndex::GlideSlopeOf(const NavAid &localizer) const {
    const NavAid *found = nullptr;
    auto [first, last] = glideSlopes_.equal_range({localizer.airport, localizer.runway});
    for (auto it = first; it != last; ++it)
        if (!found || (it->second->ident == localizer.ident && found->ident != localizer.ident))
            found = it->second;
    return found;
}

const NavAid *NavaidIndex::DmeOf(const NavAid &localizer) const {
    GeoPoint antenna{localizer.lon, localizer.lat};
    std::vector<const NavAid *> near = Within(dmes_, antenna, kDmeIdentReachNm * 1852);
    for (const NavAid *d : near)
        if (d->ident == localizer.ident)
            return d;
    if (!near.empty() && Metres(antenna, near.front()->lat, near.front()->lon) <= kDmeSamePlaceMetres)
        return near.front();
    return nullptr;
}

} // namespace qelvar::import
