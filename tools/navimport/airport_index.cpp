#include "airport_index.h"

#include <algorithm>

namespace qelvar::import {

namespace {

std::string FirstFieldWithoutBlanks(const std::string &line) {
    std::string field = line.substr(0, line.find(';'));
    field.erase(std::remove(field.begin(), field.end(), ' '), field.end());
    return field;
}

} // namespace

std::vector<std::string> IndexWithAirport(const std::vector<std::string> &lines, const std::string &icao,
                                          const std::string &city, const std::string &country,
                                          const std::string &fileName) {
    std::string entry = icao + ";" + city + ";" + country + ";" + fileName;
    std::vector<std::string> result;
    bool placed = false;
    for (const std::string &line : lines) {
        if (FirstFieldWithoutBlanks(line) != icao) {
            result.push_back(line);
        } else if (!placed) {
            result.push_back(entry);
            placed = true;
        }
    }
    if (!placed)
        result.push_back(entry);
    return result;
}

} // namespace qelvar::import
