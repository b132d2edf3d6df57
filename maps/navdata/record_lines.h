// What every nav-file loader shares: finding and reading its file, splitting fields, and stopping
// with one message when the table is full.
#pragma once

#include "platform/messages.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qelvar {

// Blank lines (empty, or blanks and tabs only), such as a text editor leaves at the end of a file:
// skipped in the files where every line is a record, kept where every line takes an entry (the
// line files and Hills.nav), whose loaders leave the entry empty as for a comment.
enum class BlankLines { AreKept, AreSkipped };

bool IsBlankLine(const std::string &line);

struct RecordLines {
    std::vector<std::string> lines;
    bool truncated = false; // the file holds more records than the table takes
};

// The record lines of a nav file, at most `capacity` of them. Raises File not found (53) when the
// file is missing. When the file holds more records, the rest is left out, `truncated` is set and
// the sink shows TableFullText once.
RecordLines ReadRecordLines(const std::filesystem::path &folder, const std::string &fileName,
                            int32_t capacity, BlankLines blankLines, MessageSink &sink);

// The fields of a record; a record with fewer than `needed` fields is a Type mismatch (13), like a
// field that is not a number.
std::vector<std::string> RecordFields(const std::string &line, char separator, size_t needed);

// Characters first ... first + length - 1 of the line, counted from 1; shorter near the end.
std::string Columns(const std::string &line, size_t first, size_t length);

} // namespace qelvar
