#include "replay_log.h"

#include "nmea_sentence.h"

#include <optional>
#include <set>

namespace qelvar {

namespace {

struct RawCycle {
    std::string datagram;
    std::optional<int> stamp; // seconds of the day
};

std::optional<int> Stamp(const NmeaSentence &s) {
    if ((s.type != "RMC" && s.type != "GGA") || s.fieldCount == 0 || s.fields[0].size() < 6)
        return std::nullopt;
    std::string_view t = s.fields[0];
    for (int i = 0; i < 6; ++i)
        if (t[i] < '0' || t[i] > '9')
            return std::nullopt;
    auto two = [&](int i) { return (t[i] - '0') * 10 + (t[i + 1] - '0'); };
    return two(0) * 3600 + two(2) * 60 + two(4);
}

} // namespace

std::vector<ReplayCycle> CutIntoCycles(const std::string &log) {
    std::vector<RawCycle> raw(1);
    std::set<std::string> types;
    std::size_t at = 0;
    while (at < log.size()) {
        std::size_t end = log.find('\n', at);
        std::size_t next = end == std::string::npos ? log.size() : end + 1;
        std::string line = log.substr(at, next - at);
        at = next;
        NmeaSentence sentence;
        std::string type;
        std::optional<int> stamp;
        if (CheckSentence(line, sentence) == LineVerdict::Sentence) {
            type = std::string(sentence.talker) + std::string(sentence.type);
            stamp = Stamp(sentence);
        }
        if (!type.empty() && types.count(type)) {
            raw.emplace_back();
            types.clear();
        }
        if (!type.empty())
            types.insert(type);
        if (stamp && !raw.back().stamp)
            raw.back().stamp = stamp;
        raw.back().datagram += line;
    }
    if (raw.back().datagram.empty())
        raw.pop_back();

    // Seconds since the first stamp, counting days.
    std::vector<std::optional<double>> second(raw.size());
    int day = 0;
    std::optional<int> first, last;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (!raw[i].stamp)
            continue;
        if (last && *raw[i].stamp < *last)
            ++day;
        last = raw[i].stamp;
        if (!first)
            first = raw[i].stamp;
        second[i] = day * 86400.0 + *raw[i].stamp - *first;
    }
    std::vector<ReplayCycle> cycles;
    double previous = 0;
    for (std::size_t i = 0; i < raw.size();) {
        // The run of cycles that share this stamp (or have none) is spread over its second.
        std::size_t j = i + 1;
        while (j < raw.size() && (!second[j] || (second[i] && *second[j] == *second[i])))
            ++j;
        double start = second[i].value_or(previous);
        for (std::size_t k = i; k < j; ++k)
            cycles.push_back(
                {raw[k].datagram, start + static_cast<double>(k - i) / static_cast<double>(j - i)});
        previous = start;
        i = j;
    }
    return cycles;
}

} // namespace qelvar
