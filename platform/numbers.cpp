#include "numbers.h"

#include "runtime_error.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace qelvar {

void RaiseOverflow() {
    throw RuntimeError(kOverflow);
}

namespace {

bool IsSeparator(char c, DecimalSeparators separators) {
    return c == ',' || (c == '.' && separators == DecimalSeparators::PointOrComma);
}

} // namespace

double ParseDecimal(std::string_view text, DecimalSeparators separators) {
    size_t begin = text.find_first_not_of(' ');
    size_t end = text.find_last_not_of(' ');
    if (begin == std::string_view::npos)
        throw RuntimeError(kTypeMismatch);
    std::string_view body = text.substr(begin, end - begin + 1);

    std::string normalised;
    normalised.reserve(body.size());
    size_t i = 0;
    if (body[0] == '-' || body[0] == '+') {
        if (body[0] == '-')
            normalised.push_back('-');
        i = 1;
    }
    bool digits = false;
    bool separatorSeen = false;
    for (; i < body.size(); ++i) {
        char c = body[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            normalised.push_back(c);
        } else if (IsSeparator(c, separators) && !separatorSeen) {
            separatorSeen = true;
            normalised.push_back('.');
        } else {
            throw RuntimeError(kTypeMismatch);
        }
    }
    if (!digits)
        throw RuntimeError(kTypeMismatch);

    double value = 0;
    const char *first = normalised.data();
    auto [ptr, ec] = std::from_chars(first, first + normalised.size(), value);
    if (ec == std::errc::result_out_of_range)
        throw RuntimeError(kOverflow);
    if (ec != std::errc() || ptr != first + normalised.size())
        throw RuntimeError(kTypeMismatch);
    return value;
}

int32_t ParseWholeNumber(std::string_view text, DecimalSeparators separators) {
    return RoundToInt32(ParseDecimal(text, separators));
}

std::string ShortestDecimal(double value) {
    if (value == 0)
        return "0"; // also for -0, which would otherwise read "-0"
    char buffer[400];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return "0";
    return std::string(buffer, ptr);
}

std::string FixedDecimals(double value, int decimals) {
    char buffer[400];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return "0";
    std::string text(buffer, ptr);
    // A negative value that rounds to zero is written without its sign.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string TwoDecimals(double value) {
    // Infinities and NaN have no digits to group: written as they are.
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buffer[400];
    auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 2);
    if (ec != std::errc())
        return "0.00";
    std::string plain(buffer, ptr);
    size_t point = plain.find('.');
    std::string grouped;
    for (size_t i = 0; i < point; ++i) {
        if (i > 0 && (point - i) % 3 == 0)
            grouped.push_back(',');
        grouped.push_back(plain[i]);
    }
    grouped += plain.substr(point);
    bool negative = value < 0 && grouped.find_first_not_of("0.,") != std::string::npos;
    return negative ? "-" + grouped : grouped;
}

} // namespace qelvar
