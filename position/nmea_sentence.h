// One NMEA 0183 sentence: "$" + talker + type + "," + fields + "*" + two hex digits of checksum,
// ended by CR LF or LF alone. The checks here decide whether a line is a sentence at all; what its
// fields mean is read by the position state.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace qelvar {

// Longer lines are not NMEA 0183 (the standard allows 82 characters with CR LF); a little room is
// left for receivers that add decimals.
inline constexpr std::size_t kMaxSentenceChars = 120;
inline constexpr std::size_t kMaxSentenceFields = 32;

enum class LineVerdict {
    Sentence,    // a checked sentence
    Empty,       // nothing but line-end characters or blanks: not counted
    Garbage,     // not "$" + five letters and digits + "," (or a line with bytes no sentence holds)
    Truncated,   // no "*" and two hex digits at the end
    BadChecksum, // the checksum does not match the characters
    Oversized,   // longer than kMaxSentenceChars, or more fields than kMaxSentenceFields
};

struct NmeaSentence {
    std::string_view talker; // "GP", "GN", "GL", ...
    std::string_view type;   // "RMC", "GGA", ...
    std::array<std::string_view, kMaxSentenceFields> fields{};
    std::size_t fieldCount = 0; // fields after the address, up to the "*"
};

// XOR of every character between "$" and "*".
unsigned char NmeaChecksum(std::string_view body);

// Checks one line (line-end characters at its end are ignored) and splits a sentence into fields.
LineVerdict CheckSentence(std::string_view line, NmeaSentence &sentence);

} // namespace qelvar
