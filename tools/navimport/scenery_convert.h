// The converter behind qelvar-scenery: a pilot's airport XML into the user's data folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qelvar::import {

struct ConversionResult {
    bool written = false;
    std::vector<std::string> idents; // the airports written
    // What the pilot is told, one full sentence each: later airports of an ident already read,
    // approaches synthesized, and every file written, named with its whole path.
    std::vector<std::string> notes;
    std::string message; // what went wrong, naming the file (and line and column)
};

// Reads the whole file first; only when every airport in it is sound are the scenery files written
// to DATA/FSXFiles/ICAO.xml and DATA/"Arpt index.txt" rewritten, each replaced whole or not at all.
// The index grows from the one the readers find (the data folder's, else the installed kit's);
// a link to an installed file or folder is replaced by a file or folder of the data folder's own,
// so that an installed kit is never written. Of two airports with one ident the first is
// converted. An airport without approaches gets the synthesized ones (converted_approaches.h).
ConversionResult ConvertSceneryFile(const std::filesystem::path &source,
                                    const std::filesystem::path &dataFolder,
                                    const std::filesystem::path &installedFolder);
// The same with the running program's folder as the installed kit.
ConversionResult ConvertSceneryFile(const std::filesystem::path &source,
                                    const std::filesystem::path &dataFolder);

} // namespace qelvar::import
