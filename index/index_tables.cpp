#include "index/index_tables.h"

#include "platform/program_folder.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

#include <algorithm>

namespace qelvar {

namespace {

constexpr const char *kIndexFile = "Arpt index.txt";
constexpr const char *kAirportFile = "ARPT.nav";

// The lines of a file of the folder, or a message when it cannot be read.
std::vector<std::string> ReadLines(const std::filesystem::path &folder, const std::string &name,
                                   std::vector<std::string> &messages) {
    try {
        return ReadTextLines(FindFile(folder, name));
    } catch (const RuntimeError &error) {
        messages.push_back(name + " could not be read (" + error.Description() + ").");
        return {};
    }
}

void NoteOverflow(const std::string &name, size_t records, std::vector<std::string> &messages) {
    if (records > static_cast<size_t>(kIndexCapacity))
        messages.push_back(name + " has more than " + std::to_string(kIndexCapacity) +
                           " lines: only the first " + std::to_string(kIndexCapacity) + " are used.");
}

ArptRow ParseArptLine(const std::string &line) {
    ArptRow row;
    std::vector<std::string> fields = SplitFields(line, ';');
    std::copy_n(fields.begin(), std::min(fields.size(), row.fields.size()), row.fields.begin());
    return row;
}

} // namespace

std::string LoadData(const std::filesystem::path &folder, IndexTables &tables) {
    std::vector<std::string> messages;
    tables.index.clear();
    std::vector<std::string> indexLines = ReadLines(folder, kIndexFile, messages);
    NoteOverflow(kIndexFile, indexLines.size(), messages);
    for (size_t i = 0; i < indexLines.size() && i < static_cast<size_t>(kIndexCapacity); ++i)
        tables.index.push_back(ParseIndexLine(indexLines[i]));

    // Empty lines of the airport file are no airports, as for every reader of that file.
    tables.airports.clear();
    std::vector<std::string> airportLines = ReadLines(folder, kAirportFile, messages);
    std::erase(airportLines, std::string());
    NoteOverflow(kAirportFile, airportLines.size(), messages);
    for (size_t i = 0; i < airportLines.size() && i < static_cast<size_t>(kIndexCapacity); ++i)
        tables.airports.push_back(ParseArptLine(airportLines[i]));

    std::string text;
    for (const std::string &message : messages)
        text += (text.empty() ? "" : " ") + message;
    return text;
}

} // namespace qelvar
