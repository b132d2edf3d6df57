// The airport index "Arpt index.txt": one airport a line, "ICAO;city;country;file name". Spaces
// carry no meaning and are removed from every field. The two viewers search it for one ident; the
// index browser reads it whole.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qelvar {

inline constexpr const char *kAirportIndexFile = "Arpt index.txt";

struct IndexEntry {
    std::string icao, city, country, fileName;
};

// All spaces removed, split at ";", the first four fields; missing ones stay empty.
IndexEntry ParseIndexLine(const std::string &line);

// A line of nothing but spaces: no airport.
bool IsBlankIndexLine(const std::string &line);

// The form in which typed text and the index's fields are compared, so that a pilot finds an airport
// as he types it: all spaces removed, upper-cased (Windows-1252 letters included). "New York" and
// "newyork" both give "NEWYORK".
std::string SearchKey(const std::string &text);

// The viewers' caption while the search passes the given number of lines: "searching for " with one
// more dot for every 3,000 lines up to 21,000, followed by the ident; empty for the other counts.
std::string SearchingCaption(long linesPassed, const std::string &ident);

// "Sorry, " + ident + " is not in the Index!"
std::string NotInIndexCaption(const std::string &ident);

// Reads the index in the folder line by line until the first line whose ICAO has the ident's search
// key. Before each line that does not match, onLinePassed is told how many lines were passed
// (0, 1, 2, ...). Blank lines are no airports, and an ident without characters finds none. Raises
// File not found (53) when the index is missing.
std::optional<IndexEntry> SearchAirportIndex(const std::filesystem::path &folder, const std::string &ident,
                                             const std::function<void(long linesPassed)> &onLinePassed);

// The caption of a matched airport: ICAO + "-" + city + "-" + country + "-" + file name.
std::string IndexEntryCaption(const IndexEntry &entry);

// The whole search as both viewers run it: the "searching for " captions go to showCaption while the
// index is read; the result holds the matched entry, if any, and the window's caption afterwards:
// ICAO + "-" + city + "-" + country + "-" + file name on a match, the not-in-index caption without
// one, and a message naming the file when the index cannot be read.
struct IndexSearchOutcome {
    std::optional<IndexEntry> entry;
    std::string caption;
    bool indexRead = true; // false when the index could not be read
};
IndexSearchOutcome RunIndexSearch(const std::filesystem::path &folder, const std::string &ident,
                                  const std::function<void(const std::string &caption)> &showCaption);

struct IndexTable {
    std::vector<IndexEntry> entries;
    bool truncated = false; // the file had more lines than the capacity
};

// The index's lines but the blank ones, at most capacity of them. Raises File not found (53) when the
// index is missing.
IndexTable ReadIndexTable(const std::filesystem::path &folder, size_t capacity);

} // namespace qelvar
