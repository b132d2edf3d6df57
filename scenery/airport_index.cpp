#include "airport_index.h"

#include "platform/codepage.h"
#include "platform/data_folder.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

#include <algorithm>

namespace qelvar {

IndexEntry ParseIndexLine(const std::string &line) {
    std::string compact = line;
    compact.erase(std::remove(compact.begin(), compact.end(), ' '), compact.end());
    std::vector<std::string> fields = SplitFields(compact, ';');
    fields.resize(std::max<size_t>(fields.size(), 4));
    return IndexEntry{fields[0], fields[1], fields[2], fields[3]};
}

bool IsBlankIndexLine(const std::string &line) {
    return line.find_first_not_of(' ') == std::string::npos;
}

std::string SearchKey(const std::string &text) {
    std::string key = text;
    key.erase(std::remove(key.begin(), key.end(), ' '), key.end());
    return UpperCase(key);
}

std::string SearchingCaption(long linesPassed, const std::string &ident) {
    if (linesPassed < 0 || linesPassed > 21000 || linesPassed % 3000 != 0)
        return {};
    std::string dots(static_cast<size_t>(linesPassed / 3000), '.');
    return "searching for " + (dots.empty() ? std::string() : dots + " ") + ident;
}

std::string NotInIndexCaption(const std::string &ident) {
    return "Sorry, " + ident + " is not in the Index!";
}

std::optional<IndexEntry> SearchAirportIndex(const std::filesystem::path &folder, const std::string &ident,
                                             const std::function<void(long linesPassed)> &onLinePassed) {
    TextLineReader reader(FindDataFile(folder, kAirportIndexFile));
    std::string key = SearchKey(ident);
    if (key.empty())
        return std::nullopt;
    std::string line;
    long passed = 0;
    while (reader.Next(line)) {
        if (!IsBlankIndexLine(line)) {
            IndexEntry entry = ParseIndexLine(line);
            if (SearchKey(entry.icao) == key)
                return entry;
        }
        if (onLinePassed)
            onLinePassed(passed);
        ++passed;
    }
    return std::nullopt;
}

IndexSearchOutcome RunIndexSearch(const std::filesystem::path &folder, const std::string &ident,
                                  const std::function<void(const std::string &caption)> &showCaption) {
    IndexSearchOutcome outcome;
    try {
        outcome.entry = SearchAirportIndex(folder, ident, [&](long linesPassed) {
            std::string caption = SearchingCaption(linesPassed, ident);
            if (!caption.empty() && showCaption)
                showCaption(caption);
        });
    } catch (const RuntimeError &error) {
        outcome.caption = std::string(kAirportIndexFile) + " could not be read (" + error.Description() + ")";
        outcome.indexRead = false;
        return outcome;
    }
    if (!outcome.entry) {
        outcome.caption = NotInIndexCaption(ident);
        return outcome;
    }
    outcome.caption = IndexEntryCaption(*outcome.entry);
    return outcome;
}

std::string IndexEntryCaption(const IndexEntry &e) {
    return e.icao + "-" + e.city + "-" + e.country + "-" + e.fileName;
}

IndexTable ReadIndexTable(const std::filesystem::path &folder, size_t capacity) {
    TextLineReader reader(FindDataFile(folder, kAirportIndexFile));
    IndexTable table;
    std::string line;
    while (reader.Next(line)) {
        if (IsBlankIndexLine(line))
            continue;
        if (table.entries.size() == capacity) {
            table.truncated = true;
            break;
        }
        table.entries.push_back(ParseIndexLine(line));
    }
    return table;
}

} // namespace qelvar
