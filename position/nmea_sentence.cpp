#include "nmea_sentence.h"

namespace qelvar {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool IsAddressChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Printable ASCII only: a sentence holds nothing else.
bool IsSentenceChar(char c) {
    return c >= 0x20 && c <= 0x7e;
}

} // namespace

unsigned char NmeaChecksum(std::string_view body) {
    unsigned char sum = 0;
    for (char c : body)
        sum ^= static_cast<unsigned char>(c);
    return sum;
}

LineVerdict CheckSentence(std::string_view line, NmeaSentence &sentence) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' '))
        line.remove_suffix(1);
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    if (line.empty())
        return LineVerdict::Empty;
    if (line.size() > kMaxSentenceChars)
        return LineVerdict::Oversized;
    // "$" + two letters of talker + three of type + "," at the least.
    if (line.size() < 7 || line[0] != '$' || line[6] != ',')
        return LineVerdict::Garbage;
    for (std::size_t i = 1; i < 6; ++i)
        if (!IsAddressChar(line[i]))
            return LineVerdict::Garbage;
    for (char c : line)
        if (!IsSentenceChar(c))
            return LineVerdict::Garbage;

    std::size_t star = line.rfind('*');
    if (star == std::string_view::npos || star + 3 != line.size())
        return LineVerdict::Truncated;
    int high = HexValue(line[star + 1]), low = HexValue(line[star + 2]);
    if (high < 0 || low < 0)
        return LineVerdict::Truncated;
    std::string_view body = line.substr(1, star - 1);
    if (body.find('*') != std::string_view::npos || body.find('$') != std::string_view::npos)
        return LineVerdict::Garbage; // two sentences run together
    if (NmeaChecksum(body) != high * 16 + low)
        return LineVerdict::BadChecksum;

    sentence.talker = body.substr(0, 2);
    sentence.type = body.substr(2, 3);
    sentence.fieldCount = 0;
    std::string_view rest = body.substr(6);
    while (true) {
        if (sentence.fieldCount == kMaxSentenceFields)
            return LineVerdict::Oversized;
        std::size_t comma = rest.find(',');
        sentence.fields[sentence.fieldCount++] = rest.substr(0, comma);
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
    return LineVerdict::Sentence;
}

} // namespace qelvar
