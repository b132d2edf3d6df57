// The scenery reader: one line loop that finds the airport, follows the element tag and hands each
// line to the rows of a dispatch table. Each viewer passes its own table (the diagram's rows, or the
// approach rows), so that the loop exists once.
#pragma once

#include "scenery_airport.h"

#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace qelvar {

// What one dispatch row reacts to.
enum class RowMatch {
    Attribute, // lines under the tag whose attribute name is the row's
    TagLine,   // once, on the line that carries the tag itself
    AnyLine,   // every line while the tag is current
};

// The line being read, handed to the row's action.
struct ReadContext {
    SceneryAirport &airport;
    std::string &elementTag; // actions may empty it
    const std::string &line; // tabs already turned into spaces
    int lineNumber;          // from 1
    // Set by an action that found fewer quoted values than it reads.
    bool missingValue = false;

    // FirstValue / SecondValue of the line, noting when the line lacks it.
    std::string First();
    std::string Second();
};

struct DispatchRow {
    const char *elementTag;
    RowMatch match;
    const char *attribute; // for RowMatch::Attribute
    void (*action)(ReadContext &context);
};

// The rows grouped by element tag, in table order, built once per table.
class Dispatcher {
public:
    explicit Dispatcher(const std::vector<DispatchRow> &rows);
    // Every row that takes this line, in table order.
    void Dispatch(ReadContext &context, const std::string &attribute, bool tagLine) const;

private:
    std::unordered_map<std::string, std::vector<DispatchRow>> rowsByTag_;
};

struct SceneryLoadResult {
    bool airportFound = false;
    // Names of the tables that overflowed ("taxi points", ...), in table order.
    std::vector<std::string> fullTables;
    // "line 12: lon has no quoted value" for lines that carried fewer values than their row reads;
    // the first few only.
    std::vector<std::string> problems;
    int problemLines = 0;     // all such lines
    int firstProblemLine = 0; // the first of them, from 1
    int longLines = 0;        // lines longer than kMaxSceneryLine, cut to it
    // The airport lacks its "</Airport>": reading stopped at the next airport, on this line (from 1).
    int nextAirportLine = 0;
    bool cutShort = false; // the file ended before the airport's "</Airport>"
};

// No line of a scenery file is anywhere near this long; longer ones are cut.
inline constexpr size_t kMaxSceneryLine = 64 * 1024;

// The XML file of an airport: the file name as the index names it in the data folder's "FSXFiles"
// sub-folder, else in the installed kit's (FindDataFile), matched without regard to case.
std::filesystem::path SceneryFilePath(const std::filesystem::path &programFolder,
                                      const std::string &fileName);

// Opens the file (when it cannot be opened, the airport keeps what it held), empties the airport,
// reads the file up to the first "</Airport>" after the airport whose "<Airport ident" value equals
// the ident exactly, and dispatches every line from that one on. An airport without "</Airport>"
// ends at the next "<Airport ident" line, or at the end of the file.
// Raises File not found (53), Path/File access error (75) or Device I/O error (57).
SceneryLoadResult LoadSceneryAirport(const std::filesystem::path &xmlFile, const std::string &ident,
                                     const Dispatcher &dispatcher, SceneryAirport &airport);

// The store actions of table rows: the value of the line goes into a field of the record at the
// table's counter; the closing forms then move the counter on.
template <auto Table, auto Field> void Store(ReadContext &context) {
    std::string value = context.First();
    if (auto *record = (context.airport.*Table).Open())
        record->*Field = std::move(value);
}

template <auto Table, auto Field> void StoreSecond(ReadContext &context) {
    std::string value = context.Second();
    if (auto *record = (context.airport.*Table).Open())
        record->*Field = std::move(value);
}

template <auto Table, auto Field> void StoreAndClose(ReadContext &context) {
    Store<Table, Field>(context);
    (context.airport.*Table).Close();
}

template <auto Table> void CloseRecord(ReadContext &context) {
    (context.airport.*Table).Close();
}

} // namespace qelvar
