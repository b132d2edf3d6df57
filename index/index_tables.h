// The two tables of Qelvar Index, read once at start: the airport index "Arpt index.txt" (ICAO,
// city, country) and the airport file ARPT.nav (the first twelve fields of each line).
#pragma once

#include "scenery/airport_index.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace qelvar {

inline constexpr int kIndexCapacity = 30001; // entries 0 … 30000 of each table

// Fields of an ARPT.nav line as this program uses them, numbered from 0 (the file's fields 1 … 12).
enum ArptField : int {
    kKindField = 0, // "AD" marks an international airport
    kIcaoField = 2,
    kNameField = 3,
    kElevationField = 4,
    kAtisField = 9,
    kRunwayField = 10, // runways separated by "#"
    kLastField = 11,   // shown on a line of its own
};

struct ArptRow {
    std::array<std::string, 12> fields; // missing fields stay empty
};

struct IndexTables {
    std::vector<IndexEntry> index; // at most kIndexCapacity entries
    std::vector<ArptRow> airports; // at most kIndexCapacity entries
    // Why the index could not be read, told again by every search; empty when it was read.
    std::string indexProblem;
};

// Reads "Arpt index.txt" and then ARPT.nav from the folder (names matched without regard to
// case). A missing or unreadable file leaves its table empty; lines beyond the capacity are left
// out. Returns what went wrong, for the result label, or an empty text.
std::string LoadData(const std::filesystem::path &folder, IndexTables &tables);

} // namespace qelvar
