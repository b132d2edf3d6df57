#include "grid.h"

#include "platform/numbers.h"
#include "platform/runtime_error.h"

#include <cmath>

namespace qelvar {

namespace {

// A number of the coordinate text; one too large for a double is no coordinate either.
double CoordinateNumber(std::string_view text) {
    try {
        return std::fabs(ParseDecimal(text));
    } catch (const RuntimeError &) {
        throw RuntimeError(kTypeMismatch);
    }
}

// |degrees| × unitsPerDegree + |round(minutes × unitsPerDegree / 60)|, the hemisphere's sign
// separately: "N47 26.99" gives (+1, ...), "W122 18.56" gives (−1, ...). A text without minutes
// ("W122") is whole degrees. Degrees beyond the hemisphere's limit (90 or 180), minutes of 60 or
// more, and a position beyond the limit are no coordinate: Type mismatch, before anything is cast.
int64_t UnsignedGrid(const std::string &text, char negativeLetter, char positiveLetter, int limitDegrees,
                     int32_t unitsPerDegree, bool &negative) {
    if (text.empty() || (text[0] != negativeLetter && text[0] != positiveLetter))
        throw RuntimeError(kTypeMismatch);
    negative = text[0] == negativeLetter;
    size_t blank = text.find(' ');
    if (blank == 1)
        throw RuntimeError(kTypeMismatch);
    std::string_view view(text);
    double degrees = CoordinateNumber(view.substr(1, blank == std::string::npos ? blank : blank - 1));
    double minutes = blank == std::string::npos ? 0 : CoordinateNumber(view.substr(blank + 1));
    if (!(degrees <= limitDegrees) || degrees != std::trunc(degrees) || !(minutes < 60) ||
        degrees + minutes / 60 > limitDegrees)
        throw RuntimeError(kTypeMismatch);
    int64_t m = static_cast<int64_t>(RoundHalfEven(minutes * (unitsPerDegree / 60)));
    int64_t d = static_cast<int64_t>(degrees) * unitsPerDegree;
    return m + d;
}

} // namespace

int32_t LonToGrid(const std::string &text, int32_t unitsPerDegree) {
    bool west = false;
    int64_t e = UnsignedGrid(text, 'W', 'E', 180, unitsPerDegree, west);
    int64_t origin = int64_t{180} * unitsPerDegree;
    return CheckedInt32(west ? origin - e : origin + e);
}

int32_t LatToGrid(const std::string &text, int32_t unitsPerDegree) {
    bool south = false;
    int64_t e = UnsignedGrid(text, 'S', 'N', 90, unitsPerDegree, south);
    return CheckedInt32(south ? int64_t{90} * unitsPerDegree - e : e);
}

std::string MetresToFeetText(const std::string &text) {
    if (text.empty())
        return "0";
    double metres = ParseDecimal(std::string_view(text).substr(0, text.size() - 1));
    return std::to_string(RoundToInt32(metres * 3.28));
}

} // namespace qelvar
