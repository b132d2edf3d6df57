#include "index/index_tables.h"

#include "platform/program_folder.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

#include <algorithm>

namespace qelvar {

namespace {

constexpr const char *kAirportFile = "ARPT.nav";

std::string UnreadableText(const std::string &name, const RuntimeError &error) {
    return name + " could not be read (" + error.Description() + ").";
}

std::string TruncatedText(const std::string &name) {
    std::string capacity = std::to_string(kIndexCapacity);
    return name + " has more than " + capacity + " lines: only the first " + capacity + " are used.";
}

ArptRow ParseArptLine(const std::string &line) {
    ArptRow row;
    std::vector<std::string> fields = SplitFields(line, ';');
    std::copy_n(fields.begin(), std::min(fields.size(), row.fields.size()), row.fields.begin());
    return row;
}

// ARPT.nav up to the capacity; empty lines are no airports, as for every reader of that file.
// Returns whether lines were left out.
bool ReadAirports(const std::filesystem::path &folder, std::vector<ArptRow> &airports) {
    TextLineReader reader(FindFile(folder, kAirportFile));
    std::string line;
    while (reader.Next(line)) {
        if (line.empty())
            continue;
        if (airports.size() == static_cast<size_t>(kIndexCapacity))
            return true;
        airports.push_back(ParseArptLine(line));
    }
    return false;
}

} // namespace

std::string LoadData(const std::filesystem::path &folder, IndexTables &tables) {
    std::vector<std::string> messages;
    tables.index.clear();
    tables.indexProblem.clear();
    try {
        IndexTable index = ReadIndexTable(folder, kIndexCapacity);
        tables.index = std::move(index.entries);
        if (index.truncated)
            messages.push_back(TruncatedText(kAirportIndexFile));
    } catch (const RuntimeError &error) {
        tables.index.clear();
        tables.indexProblem = UnreadableText(kAirportIndexFile, error);
        messages.push_back(tables.indexProblem);
    }

    tables.airports.clear();
    try {
        if (ReadAirports(folder, tables.airports))
            messages.push_back(TruncatedText(kAirportFile));
    } catch (const RuntimeError &error) {
        tables.airports.clear();
        messages.push_back(UnreadableText(kAirportFile, error));
    }

    std::string text;
    for (const std::string &message : messages)
        text += (text.empty() ? "" : " ") + message;
    return text;
}

} // namespace qelvar
