#include "leg_values.h"

#include "platform/numbers.h"
#include "platform/runtime_error.h"

#include <cctype>

namespace qelvar {

namespace {

std::optional<double> Decimal(const std::string &text) {
    try {
        return ParseDecimal(text);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

} // namespace

std::optional<int> WholeUnitNumber(const std::string &text) {
    if (text.empty())
        return std::nullopt;
    bool wholeWithoutUnit = std::isdigit(static_cast<unsigned char>(text.back())) &&
                            text.find_first_of(".,") == std::string::npos;
    std::string number = wholeWithoutUnit ? text : text.substr(0, text.size() - 1);
    try {
        return RoundToInt32(ParseDecimal(number));
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

std::optional<double> RhoNauticalMiles(const std::string &rho) {
    if (rho.empty())
        return std::nullopt;
    auto last = static_cast<unsigned char>(rho.back());
    if (std::isdigit(last) || last == '.' || last == ',') {
        std::optional<double> bare = Decimal(rho);
        return bare ? std::optional<double>(*bare / kBareRhoPerNauticalMile) : std::nullopt;
    }
    double unitsPerNauticalMile = 0;
    switch (std::toupper(last)) {
    case 'N':
        unitsPerNauticalMile = 1;
        break;
    case 'M':
        unitsPerNauticalMile = 1852;
        break;
    case 'F':
        unitsPerNauticalMile = 6076.12;
        break;
    default:
        return std::nullopt;
    }
    std::optional<double> value = Decimal(rho.substr(0, rho.size() - 1));
    return value ? std::optional<double>(*value / unitsPerNauticalMile) : std::nullopt;
}

} // namespace qelvar
