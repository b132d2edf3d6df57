#include "runway_checks.h"

#include <cctype>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace qelvar::import {

namespace {

struct EndNumber {
    int number = 0;
    bool trueNorth = false;
};

std::optional<EndNumber> NumberOf(const std::string &end) {
    size_t digits = 0;
    while (digits < end.size() && digits < 3 && std::isdigit(static_cast<unsigned char>(end[digits])))
        ++digits;
    if (digits == 0 || digits > 2)
        return std::nullopt;
    int n = std::stoi(end.substr(0, digits));
    if (n < 1 || n > 36)
        return std::nullopt;
    return EndNumber{n, end.substr(digits) == "T"};
}

} // namespace

double AngleBetween(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

EndOrder CheckEndOrder(const std::string &number1, const std::string &number2, double trueHeading1,
                       double variationEast) {
    std::vector<double> offsets;
    for (auto [end, heading] : {std::pair{number1, trueHeading1}, std::pair{number2, trueHeading1 + 180}})
        if (std::optional<EndNumber> n = NumberOf(end))
            offsets.push_back(AngleBetween(heading - (n->trueNorth ? 0 : variationEast), n->number * 10.0));
    bool right = true, swapped = true;
    for (double off : offsets) {
        right &= off < 90;
        swapped &= off >= 135;
    }
    if (right)
        return EndOrder::Right;
    return swapped ? EndOrder::Swapped : EndOrder::Unclear;
}

bool LocalizerFitsEnd(double localizerTrueCourse, double endTrueHeading) {
    return AngleBetween(localizerTrueCourse, endTrueHeading) <= kLocalizerToleranceDegrees;
}

} // namespace qelvar::import
