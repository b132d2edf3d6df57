// nav.dat (VOR, NDB, localizers, glide slopes, DMEs), fix.dat and awy.dat.
#include "source_files.h"
#include "sources.h"
#include "tokens.h"

#include <cmath>

namespace qelvar::import {

std::vector<NavAid> ReadNavDat(const std::filesystem::path &file) {
    std::vector<NavAid> aids;
    ForEachDataRow(file, [&](const Tokens &t) {
        int code = t.Int(0);
        if ((code < 2 || code > 6) && code != 12)
            return;
        if (code == 6 && t.size() < 11)
            return; // a glide slope row without its airport
        NavAid aid;
        aid.code = code;
        aid.lat = t.Number(1);
        aid.lon = t.Number(2);
        aid.elevationFeet = t.Number(3);
        aid.frequency = t.Int(4);
        aid.rangeNm = t.Number(5);
        aid.ident = t.Text(7);
        if (code == 2 || code == 3) {
            t.Require(10, "a VOR or NDB row ends with its name and type");
            std::string words = t.Rest(8);
            size_t lastBlank = words.rfind(' ');
            aid.kind = words.substr(lastBlank + 1);
            aid.name = DecodeSourceText(words.substr(0, lastBlank));
            if (code == 3)
                aid.variation = t.Number(6);
        } else if (code == 12) {
            t.Require(9, "a DME row ends with its name");
            if (t.size() >= 11 && t.Text(t.size() - 1) == "DME-ILS") {
                aid.airport = t.Text(8);
                aid.runway = t.Text(9);
                aid.kind = "DME-ILS";
            }
        } else {
            t.Require(11, code == 6 ? "a glide slope row ends with airport, runway and type"
                                    : "a localizer row ends with airport, runway and type");
            aid.airport = t.Text(8);
            aid.runway = t.Text(9);
            aid.kind = t.Text(10);
            if (code == 6) {
                // Angle times 100,000 plus the course: 300281.700 is 3.00 degrees and 281.7.
                double packed = t.Number(6);
                aid.glidePathDegrees = std::floor(packed / 1000) / 100;
                aid.course = packed - std::floor(packed / 1000) * 1000;
            } else {
                aid.course = t.Number(6);
            }
        }
        aids.push_back(std::move(aid));
    });
    return aids;
}

std::vector<Fix> ReadFixDat(const std::filesystem::path &file) {
    std::vector<Fix> fixes;
    ForEachDataRow(file, [&](const Tokens &t) {
        t.Require(3, "a fix row has latitude, longitude and ident");
        fixes.push_back({t.Text(2), t.Number(0), t.Number(1)});
    });
    return fixes;
}

std::vector<Fix> ReadAirwayPoints(const std::filesystem::path &file) {
    std::vector<Fix> points;
    ForEachDataRow(file, [&](const Tokens &t) {
        t.Require(10, "an airway segment has two named points, type, levels and names");
        points.push_back({t.Text(0), t.Number(1), t.Number(2)});
        points.push_back({t.Text(3), t.Number(4), t.Number(5)});
    });
    return points;
}

} // namespace qelvar::import
