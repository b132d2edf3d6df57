// What a viewer tells the user about a load that did not take the whole airport: the ident missing
// from its file, full tables, lines without their values.
#pragma once

#include "dispatch.h"

#include <string>

namespace qelvar {

// "KSEA is not in KSEA.xml", "table full: taxi paths, parking spots", "values missing from line
// 12 on"; the parts joined by "; ", empty when the load took everything.
std::string LoadNotice(const SceneryLoadResult &result, const std::string &ident,
                       const std::string &fileName);

// "FSXFiles/KSEA.xml could not be read (File not found)"
std::string UnreadableFileNotice(const std::string &fileName, const std::string &description);

} // namespace qelvar
