#include "grid.h"

#include "platform/numbers.h"
#include "platform/runtime_error.h"

#include <cstdlib>

namespace qelvar {

namespace {

// |degrees| × unitsPerDegree + |round(minutes × unitsPerDegree / 60)|, the hemisphere's sign
// separately: "N47 26.99" gives (+1, ...), "W122 18.56" gives (−1, ...).
int64_t UnsignedGrid(const std::string &text, char negativeLetter, char positiveLetter,
                     int32_t unitsPerDegree, bool &negative) {
    if (text.empty() || (text[0] != negativeLetter && text[0] != positiveLetter))
        throw RuntimeError(kTypeMismatch);
    negative = text[0] == negativeLetter;
    size_t blank = text.find(' ');
    if (blank == std::string::npos || blank == 1)
        throw RuntimeError(kTypeMismatch);
    double degrees = ParseDecimal(std::string_view(text).substr(1, blank - 1));
    if (degrees != static_cast<int64_t>(degrees))
        throw RuntimeError(kTypeMismatch);
    double minutes = ParseDecimal(std::string_view(text).substr(blank + 1));
    int64_t m = static_cast<int64_t>(RoundHalfEven(std::abs(minutes) * (unitsPerDegree / 60)));
    int64_t d = static_cast<int64_t>(std::abs(degrees)) * unitsPerDegree;
    return m + d;
}

} // namespace

int32_t LonToGrid(const std::string &text, int32_t unitsPerDegree) {
    bool west = false;
    int64_t e = UnsignedGrid(text, 'W', 'E', unitsPerDegree, west);
    int64_t origin = int64_t{180} * unitsPerDegree;
    return CheckedInt32(west ? origin - e : origin + e);
}

int32_t LatToGrid(const std::string &text, int32_t unitsPerDegree) {
    bool south = false;
    int64_t e = UnsignedGrid(text, 'S', 'N', unitsPerDegree, south);
    return CheckedInt32(south ? int64_t{90} * unitsPerDegree - e : e);
}

std::string MetresToFeetText(const std::string &text) {
    if (text.empty())
        return "0";
    double metres = ParseDecimal(std::string_view(text).substr(0, text.size() - 1));
    return std::to_string(RoundToInt32(metres * 3.28));
}

} // namespace qelvar
