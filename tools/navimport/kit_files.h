// Building the kit's nav files, airport index and peak list from the open-data sources, and
// putting them into the data folder without ever leaving it half-written.
#pragma once

#include "import_log.h"
#include "sources.h"

#include <filesystem>
#include <map>
#include <string>

namespace qelvar::import {

struct SourceSet {
    std::filesystem::path aptDat, navDat, fixDat, awyDat;
    std::filesystem::path airportsJson, countriesJson, regionsJson;
    std::filesystem::path land, countries;
    std::filesystem::path magneticModel; // the WMM coefficients of the npm package magvar
    std::filesystem::path peaks;

    // The layout that tools/fetch-sources.sh leaves in the cache folder.
    static SourceSet InCache(const std::filesystem::path &cache, const std::filesystem::path &peaks);
};

// The sub-folder of the scenery files, and the Douglas-Peucker tolerance of their outlines: 6 m is
// under one screen pixel at the diagram's first view (zoom 4) and about three at its closest; it
// keeps the whole folder under 60 MB.
inline const std::string kSceneryFolder = "FSXFiles";
constexpr double kApronToleranceMetres = 6;

// The magnetic variation is the World Magnetic Model's on this date (1 January 2027), whatever the
// day of the import, so that the same sources always give the same files.
constexpr double kVariationYear = 2027.0;

// File name (with "FSXFiles/" for the scenery files) -> content (Windows-1252 text, CR LF line ends).
using KitFiles = std::map<std::string, std::string>;

// Builds every file; what the import decided about airports, runways and localizers goes to the log.
KitFiles BuildKitFiles(const SourceSet &sources, ImportLog &log);

// Writes the files into a copy of the data folder and then swaps the copy in.
void ReplaceKitFiles(const std::filesystem::path &dataDir, const KitFiles &files);

} // namespace qelvar::import
