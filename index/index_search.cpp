#include "index/index_search.h"

#include "platform/codepage.h"

#include <algorithm>

namespace qelvar {

namespace {

constexpr const char *kCrLf = "\r\n";

// The text with its first character upper-cased, as the city and country searches take it.
std::string FirstLetterUpper(const std::string &text) {
    return text.empty() ? text : UpperCase(text.substr(0, 1)) + text.substr(1);
}

bool Matches(const std::string &field, const std::string &key, bool wordMatch) {
    std::string fieldKey = SearchKey(field);
    return wordMatch ? fieldKey == key : fieldKey.find(key) != std::string::npos;
}

std::string FoundMessage(const IndexTables &tables, const SearchResult &result) {
    if (!tables.indexProblem.empty())
        return tables.indexProblem;
    return result.lines.empty() ? "Sorry, " + result.searched + " not in the Database"
                                : "Data found for " + result.searched;
}

// Lists the entries whose field, by its search key, the test accepts; nothing is searched for a text
// without characters.
template <typename Accepts>
SearchResult Search(const IndexTables &tables, std::string searched, Accepts accepts) {
    SearchResult result;
    result.searched = std::move(searched);
    std::string key = SearchKey(result.searched);
    if (!key.empty())
        for (const IndexEntry &entry : tables.index)
            if (accepts(entry, key))
                result.lines.push_back(ListLine(entry));
    result.message = FoundMessage(tables, result);
    return result;
}

} // namespace

std::string dhPadRight(const std::string &text, int width) {
    std::string padded = text.substr(0, static_cast<size_t>(width));
    padded.resize(static_cast<size_t>(width), ' ');
    return padded;
}

std::string ListLine(const IndexEntry &entry) {
    return dhPadRight(entry.icao, 8) + dhPadRight(entry.city, 25) + dhPadRight(entry.country, 30);
}

SearchResult SearchByIcao(const IndexTables &tables, const std::string &text) {
    return Search(tables, UpperCase(text),
                  [](const IndexEntry &e, const std::string &key) { return Matches(e.icao, key, false); });
}

SearchResult SearchByCity(const IndexTables &tables, const std::string &text, bool wordMatch) {
    return Search(tables, FirstLetterUpper(text), [wordMatch](const IndexEntry &e, const std::string &key) {
        return Matches(e.city, key, wordMatch);
    });
}

SearchResult SearchByCountry(IndexTables &tables, const std::string &text, bool wordMatch) {
    // Every country compared loses a leading "-" in the table itself, so later lists show it without.
    if (!SearchKey(text).empty())
        for (IndexEntry &entry : tables.index)
            if (!entry.country.empty() && entry.country[0] == '-')
                entry.country.erase(0, 1);
    return Search(tables, FirstLetterUpper(text), [wordMatch](const IndexEntry &e, const std::string &key) {
        return Matches(e.country, key, wordMatch);
    });
}

std::string IcaoOfListLine(const std::string &line) {
    std::string icao = line.substr(0, 4);
    icao.erase(std::remove(icao.begin(), icao.end(), ' '), icao.end());
    return icao;
}

const ArptRow *FindAirport(const IndexTables &tables, const std::string &icao) {
    auto found = std::find_if(tables.airports.begin(), tables.airports.end(),
                              [&](const ArptRow &row) { return row.fields[kIcaoField] == icao; });
    return found == tables.airports.end() ? nullptr : &*found;
}

std::string AirportDataText(const ArptRow &airport) {
    const auto &f = airport.fields;
    std::string runways;
    for (char c : f[kRunwayField])
        runways += c == '#' ? std::string(kCrLf) : std::string(1, c);
    std::string kind = f[kKindField] == "AD" ? "International Airport" : "Local Airport";
    return kind + "    " + f[kIcaoField] + kCrLf +                                           //
           f[kNameField] + "    " + kCrLf +                                                  //
           f[kLastField] + kCrLf +                                                           //
           kCrLf +                                                                           //
           "Alt: " + f[kElevationField] + " FT   ATIS:  " + f[kAtisField] + " Mhz" + kCrLf + //
           kCrLf +                                                                           //
           "Runway Data: " + kCrLf +                                                         //
           runways + kCrLf;
}

std::string MissingAirportText(const std::string &icao) {
    return icao + " is in the index but not in ARPT.nav: no airport data to show." + kCrLf;
}

} // namespace qelvar
