#include "dispatch.h"

#include "line_reader.h"
#include "platform/data_folder.h"
#include "platform/text_files.h"

namespace qelvar {

namespace {

constexpr size_t kMaxProblems = 20;

// The tables in the order a message lists them.
std::vector<std::string> FullTables(const SceneryAirport &a) {
    std::vector<std::string> full;
    auto note = [&full](bool overflowed, const char *name) {
        if (overflowed)
            full.emplace_back(name);
    };
    note(a.runways.Overflowed(), "runways");
    note(a.starts.Overflowed(), "runway starts");
    note(a.ils.Overflowed(), "ILS");
    note(a.coms.Overflowed(), "COM frequencies");
    note(a.vasis.Overflowed(), "VASI");
    note(a.taxiPoints.Overflowed(), "taxi points");
    note(a.taxiNames.Overflowed(), "taxi names");
    note(a.parkingSpots.Overflowed(), "parking spots");
    note(a.taxiPaths.Overflowed(), "taxi paths");
    note(a.apronVertices.Overflowed(), "apron vertices");
    note(a.ndbs.Overflowed(), "NDBs");
    note(a.waypoints.Overflowed(), "waypoints");
    note(a.approaches.Overflowed(), "approaches");
    note(a.transitions.Overflowed(), "transitions");
    note(a.legs.Overflowed(), "approach legs");
    return full;
}

} // namespace

std::string ReadContext::First() {
    if (!HasFirstValue(line))
        missingValue = true;
    return FirstValue(line);
}

std::string ReadContext::Second() {
    if (!HasSecondValue(line))
        missingValue = true;
    return SecondValue(line);
}

Dispatcher::Dispatcher(const std::vector<DispatchRow> &rows) {
    for (const DispatchRow &row : rows)
        rowsByTag_[row.elementTag].push_back(row);
}

void Dispatcher::Dispatch(ReadContext &context, const std::string &attribute, bool tagLine) const {
    auto found = rowsByTag_.find(context.elementTag);
    if (found == rowsByTag_.end())
        return;
    const std::vector<DispatchRow> &rows = found->second;
    for (const DispatchRow &row : rows) {
        bool takes = row.match == RowMatch::AnyLine || (row.match == RowMatch::TagLine && tagLine) ||
                     (row.match == RowMatch::Attribute && attribute == row.attribute);
        if (takes)
            row.action(context);
    }
}

std::filesystem::path SceneryFilePath(const std::filesystem::path &programFolder,
                                      const std::string &fileName) {
    return FindDataFile(programFolder, "FSXFiles/" + fileName);
}

SceneryLoadResult LoadSceneryAirport(const std::filesystem::path &xmlFile, const std::string &ident,
                                     const Dispatcher &dispatcher, SceneryAirport &airport) {
    TextLineReader reader(xmlFile);
    reader.SetMaxLineLength(kMaxSceneryLine);
    ClearSceneryAirport(airport);
    SceneryLoadResult result;
    std::string line;
    std::string elementTag;
    int lineNumber = 0;
    bool endTag = false; // the airport's "</Airport>" was read
    while (reader.Next(line)) {
        ++lineNumber;
        if (reader.LastLineCut())
            ++result.longLines;
        TabsToSpaces(line);
        std::string attribute = AttributeName(line);
        bool airportLine = attribute == "<Airport ident";
        if (!result.airportFound) {
            if (!airportLine || FirstValue(line) != ident)
                continue;
            result.airportFound = true;
            airport.header.ident = ident;
        } else if (airportLine) {
            result.nextAirportLine = lineNumber;
            break;
        }
        bool tagLine = UpdateElementTag(line, elementTag);
        if (elementTag == "</Airport>") {
            endTag = true;
            break;
        }
        ReadContext context{airport, elementTag, line, lineNumber};
        dispatcher.Dispatch(context, attribute, tagLine);
        if (!context.missingValue)
            continue;
        if (result.problemLines++ == 0)
            result.firstProblemLine = lineNumber;
        if (result.problems.size() < kMaxProblems)
            result.problems.push_back("line " + std::to_string(lineNumber) + ": " + attribute +
                                      " has fewer quoted values than it needs");
    }
    if (result.airportFound && !endTag && result.nextAirportLine == 0)
        result.cutShort = airport.cutShort = true;
    result.fullTables = FullTables(airport);
    return result;
}

} // namespace qelvar
