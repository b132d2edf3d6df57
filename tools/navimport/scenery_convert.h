// The converter behind qelvar-scenery: a pilot's airport XML into the kit folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qelvar::import {

struct ConversionResult {
    bool written = false;
    std::vector<std::string> idents; // the airports written
    std::string message;             // what went wrong, naming the file (and line and column)
};

// Reads the whole file first; only when every airport in it is sound are the scenery files written
// to KIT/FSXFiles/ICAO.xml and "Arpt index.txt" rewritten, each replaced whole or not at all.
ConversionResult ConvertSceneryFile(const std::filesystem::path &source, const std::filesystem::path &kit);

} // namespace qelvar::import
