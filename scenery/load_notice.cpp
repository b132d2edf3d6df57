#include "load_notice.h"

namespace qelvar {

std::string LoadNotice(const SceneryLoadResult &result, const std::string &ident,
                       const std::string &fileName) {
    if (!result.airportFound)
        return ident + " is not in " + fileName;
    std::string notice;
    auto add = [&notice](const std::string &part) { notice += (notice.empty() ? "" : "; ") + part; };
    if (!result.fullTables.empty()) {
        std::string tables;
        for (const std::string &table : result.fullTables)
            tables += (tables.empty() ? "" : ", ") + table;
        add("table full, the rest left out: " + tables);
    }
    if (result.problemLines > 0)
        add(std::to_string(result.problemLines) + (result.problemLines == 1 ? " line lacks" : " lines lack") +
            " a value, the first is line " + std::to_string(result.firstProblemLine));
    if (result.nextAirportLine > 0)
        add("</Airport> is missing: read up to the next airport on line " +
            std::to_string(result.nextAirportLine));
    if (result.longLines > 0)
        add(std::to_string(result.longLines) + (result.longLines == 1 ? " line was" : " lines were") +
            " too long and cut");
    return notice;
}

std::string UnreadableFileNotice(const std::string &fileName, const std::string &description) {
    return "FSXFiles/" + fileName + " could not be read (" + description + ")";
}

} // namespace qelvar
