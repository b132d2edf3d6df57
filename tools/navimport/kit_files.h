// Building the kit's nav files, airport index and peak list from the open-data sources, and
// putting them into the data folder without ever leaving it half-written.
#pragma once

#include "sources.h"

#include <filesystem>
#include <map>
#include <string>

namespace qelvar::import {

struct SourceSet {
    std::filesystem::path aptDat, navDat, fixDat, awyDat;
    std::filesystem::path airportsJson, countriesJson;
    std::filesystem::path land, countries;
    std::filesystem::path peaks;

    // The layout that tools/fetch-sources.sh leaves in the cache folder.
    static SourceSet InCache(const std::filesystem::path &cache, const std::filesystem::path &peaks);
};

// File name -> content (Windows-1252 text, CR LF line ends).
using KitFiles = std::map<std::string, std::string>;

KitFiles BuildKitFiles(const SourceSet &sources);

// Writes the files into a copy of the data folder and then swaps the copy in.
void ReplaceKitFiles(const std::filesystem::path &dataDir, const KitFiles &files);

} // namespace qelvar::import
