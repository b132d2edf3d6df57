#include "record_lines.h"

#include "maps/navdata/loaders.h"
#include "platform/program_folder.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

namespace qelvar {

std::string TableFullText(const std::string &fileName, int32_t capacity) {
    return fileName + " holds more records than its table can take. The first " + std::to_string(capacity) +
           " were loaded; the rest of the file was left out.";
}

bool IsBlankLine(const std::string &line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

RecordLines ReadRecordLines(const std::filesystem::path &folder, const std::string &fileName,
                            int32_t capacity, BlankLines blankLines, MessageSink &sink) {
    std::vector<std::string> lines = ReadTextLines(FindFile(folder, fileName));
    RecordLines records;
    records.lines.reserve(std::min<size_t>(lines.size(), static_cast<size_t>(capacity)));
    for (std::string &line : lines) {
        if (blankLines == BlankLines::AreSkipped && IsBlankLine(line))
            continue;
        if (static_cast<int32_t>(records.lines.size()) == capacity) {
            records.truncated = true;
            sink.ShowMessage(TableFullText(fileName, capacity));
            break;
        }
        records.lines.push_back(std::move(line));
    }
    return records;
}

std::vector<std::string> RecordFields(const std::string &line, char separator, size_t needed) {
    std::vector<std::string> fields = SplitFields(line, separator);
    if (fields.size() < needed)
        throw RuntimeError(kTypeMismatch);
    return fields;
}

std::string Columns(const std::string &line, size_t first, size_t length) {
    if (first - 1 >= line.size())
        return {};
    return line.substr(first - 1, length);
}

} // namespace qelvar
