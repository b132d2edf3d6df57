// Look-ups of the navaids and fixes around a point, over the whole of nav.dat and fix.dat.
#pragma once

#include "sources.h"

#include <map>
#include <string>
#include <vector>

namespace qelvar::import {

class NavaidIndex {
public:
    NavaidIndex(const std::vector<NavAid> &aids, const std::vector<Fix> &fixes);

    // Stations of the nav.dat code (2 NDB, 3 VOR) within the distance, nearest first.
    std::vector<const NavAid *> StationsWithin(GeoPoint centre, double metres, int code) const;
    std::vector<const Fix *> FixesWithin(GeoPoint centre, double metres) const;
    // The localizers (codes 4 and 5) that nav.dat files under the airport ident, in file order.
    std::vector<const NavAid *> LocalizersOf(const std::string &airport) const;
    // The glide slope (code 6) filed under the localizer's airport and runway, the one of the same
    // ident first; none when nav.dat has none.
    const NavAid *GlideSlopeOf(const NavAid &localizer) const;
    // The DME (code 12) that works with the localizer: one of the same ident within kDmeIdentReachNm,
    // else the nearest within kDmeSamePlaceMetres of the antenna; none otherwise.
    const NavAid *DmeOf(const NavAid &localizer) const;
    static constexpr double kDmeIdentReachNm = 10, kDmeSamePlaceMetres = 300;

private:
    template <class T> using Cells = std::map<std::pair<int, int>, std::vector<const T *>>;
    template <class T>
    std::vector<const T *> Within(const Cells<T> &cells, GeoPoint centre, double metres) const;

    Cells<NavAid> ndbs_, vors_, dmes_;
    Cells<Fix> fixes_;
    std::multimap<std::string, const NavAid *> localizers_;
    std::multimap<std::pair<std::string, std::string>, const NavAid *> glideSlopes_; // by airport, runway
};

} // namespace qelvar::import
