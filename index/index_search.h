// The searches of Qelvar Index over the index table, the lines of its result list, and the airport
// data box of a chosen line.
#pragma once

#include "index/index_tables.h"

#include <optional>
#include <string>
#include <vector>

namespace qelvar {

// The text cut to the width, or filled up with spaces on the right to the width.
std::string dhPadRight(const std::string &text, int width);

// One line of the result list: ICAO in 8 columns, city in 25, country in 30.
std::string ListLine(const IndexEntry &entry);

struct SearchResult {
    std::string searched;           // the text searched for, as compared
    std::vector<std::string> lines; // list lines of the entries found, in index order
    std::string message;            // the result label
};

// The searches compare the search keys of the text and the field (SearchKey: without spaces and
// without regard to case); a text without characters finds nothing. The result's message names the
// text as searched, and, when the index could not be read, says so instead.

// Entries whose ICAO contains the text; the message names the text upper-cased.
SearchResult SearchByIcao(const IndexTables &tables, const std::string &text);
// Entries whose city contains the text, or equals it with wordMatch; the message names the text with
// its first character upper-cased.
SearchResult SearchByCity(const IndexTables &tables, const std::string &text, bool wordMatch);
// As by city, on the country; a country written with a leading "-" loses it in the table for good.
SearchResult SearchByCountry(IndexTables &tables, const std::string &text, bool wordMatch);

// The ICAO code of a list line: its first four characters without spaces.
std::string IcaoOfListLine(const std::string &line);

// The first airport of ARPT.nav with the ICAO code, if any.
const ArptRow *FindAirport(const IndexTables &tables, const std::string &icao);

// The airport data box for a row, line by line, every line ended by CR LF.
std::string AirportDataText(const ArptRow &airport);

// The data box when the code is not in ARPT.nav.
std::string MissingAirportText(const std::string &icao);

} // namespace qelvar
