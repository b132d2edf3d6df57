// Number rules shared by every program: rounding, parsing and the text forms of numbers.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace qelvar {

// Raises Overflow (6); kept out of line so that the checks below stay small enough to inline.
[[noreturn]] void RaiseOverflow();

// Rounds to the nearest whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double RoundHalfEven(double value) {
    // Adding and taking away 2^52 leaves a magnitude below 2^52 rounded to a whole number by the
    // FPU's default round-to-nearest-even mode: the sum lies in [2^52, 2^53), where the doubles are
    // exactly the whole numbers. From 2^52 on every double is whole already (infinities and NaN
    // stay as they are).
    constexpr double kTwoPow52 = 4503599627370496.0;
    double magnitude = std::fabs(value);
    if (!(magnitude < kTwoPow52))
        return value;
    double rounded = (magnitude + kTwoPow52) - kTwoPow52;
    return std::copysign(rounded, value);
}

// Raises Overflow (6) unless the value fits a signed 32-bit integer.
inline int32_t CheckedInt32(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        RaiseOverflow();
    return static_cast<int32_t>(value);
}

inline int32_t CheckedInt32(double value) {
    if (!(value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max()))
        RaiseOverflow();
    return static_cast<int32_t>(value);
}

// RoundHalfEven into a signed 32-bit integer; raises Overflow (6) outside the range.
inline int32_t RoundToInt32(double value) {
    return CheckedInt32(RoundHalfEven(value));
}

enum class DecimalSeparators { PointOrComma, CommaOnly };

// Reads a decimal number: surrounding spaces, an optional leading sign, digits with at most one
// decimal separator. Raises Type mismatch (13) for anything else, an empty text included.
double ParseDecimal(std::string_view text, DecimalSeparators separators = DecimalSeparators::PointOrComma);

// A decimal number rounded half to even into a signed 32-bit integer.
int32_t ParseWholeNumber(std::string_view text,
                         DecimalSeparators separators = DecimalSeparators::PointOrComma);

// The shortest text that reads back as the same double, "." as separator, never an exponent:
// 12.5, -8, 266.5.
std::string ShortestDecimal(double value);

// Exactly `decimals` decimals with "." as separator, no grouping: 30.50, -0.25.
std::string FixedDecimals(double value, int decimals);

// Two decimals with "." as separator and "," grouping the thousands: 1,234.56, -0.50; infinities
// and NaN as "inf", "-inf" and "nan".
std::string TwoDecimals(double value);

} // namespace qelvar
