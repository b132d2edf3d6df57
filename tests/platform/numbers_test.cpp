#include "platform/numbers.h"
#include "platform/runtime_error.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace qelvar {
namespace {

int ErrorOf(auto &&call) {
    try {
        call();
    } catch (const RuntimeError &e) {
        return e.Number();
    }
    return 0;
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double in;
        double out;
    } cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},           {-0.5, -0}, {-1.5, -2},
                 {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {109800.0, 109800}, {30.5, 30}, {30.6, 31}};
    for (const Case &c : cases)
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

// Between 2^51 and 2^52 the doubles are spaced a half apart: the halves there must still go to the
// even neighbour. From 2^52 on every double is whole and stays as it is.
TEST(Rounding, HalvesUpTo2Pow52AreRoundedAndLargerValuesStay) {
    constexpr double k51 = 2251799813685248.0; // 2^51
    constexpr double k52 = 4503599627370496.0; // 2^52
    struct Case {
        double in;
        double out;
    } cases[] = {
        {k51 + 0.5, k51},     {k51 + 1.5, k51 + 2},       {k51 + 2.5, k51 + 2},
        {-(k51 + 0.5), -k51}, {-(k51 + 1.5), -(k51 + 2)}, {k52 - 0.5, k52},
        {k52 - 1.5, k52 - 2}, {k51 - 0.5, k51},           {k51 - 1.5, k51 - 2},
        {k52, k52},           {k52 + 1, k52 + 1},         {-(k52 + 2), -(k52 + 2)},
        {1e300, 1e300},       {0.49999999999999994, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << std::fixed << c.in;
    EXPECT_TRUE(std::signbit(RoundHalfEven(-0.3))); // a negative value rounding to zero keeps its sign
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::infinity()),
              std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::numeric_limits<double>::quiet_NaN())));
}

TEST(Rounding, Int32RangeRaisesOverflow) {
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32(-2147483648.0), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ErrorOf([] { RoundToInt32(2147483647.5); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { RoundToInt32(-2147483649.0); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { CheckedInt32(int64_t{2147483648}); }), kOverflow);
    EXPECT_EQ(CheckedInt32(int64_t{-2147483648}), std::numeric_limits<int32_t>::min());
}

TEST(ParseDecimal, AcceptsPointCommaSpacesAndSign) {
    struct Case {
        const char *text;
        double value;
    } cases[] = {{"30.5", 30.5}, {"30,5", 30.5}, {"  -46.7 ", -46.7}, {"+3", 3},      {"011", 11},
                 {"-0", 0},      {".5", 0.5},    {"5.", 5},           {"-,25", -0.25}};
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(ParseDecimal(c.text), c.value) << c.text;
}

TEST(ParseDecimal, AnythingElseIsATypeMismatch) {
    for (const char *text : {"", "   ", "-", "1.2.3", "1,2.3", "12a", "N47", "1 2", "--1", "1e5", "."})
        EXPECT_EQ(ErrorOf([&] { ParseDecimal(text); }), kTypeMismatch) << '"' << text << '"';
}

TEST(ParseDecimal, CommaOnlyRefusesThePoint) {
    EXPECT_DOUBLE_EQ(ParseDecimal("15,25", DecimalSeparators::CommaOnly), 15.25);
    EXPECT_EQ(ErrorOf([] { ParseDecimal("15.25", DecimalSeparators::CommaOnly); }), kTypeMismatch);
}

TEST(ParseWholeNumber, RoundsHalfToEvenAndChecksRange) {
    EXPECT_EQ(ParseWholeNumber("30.5"), 30);
    EXPECT_EQ(ParseWholeNumber("31,5"), 32);
    EXPECT_EQ(ParseWholeNumber(" 82"), 82);
    EXPECT_EQ(ErrorOf([] { ParseWholeNumber("99999999999"); }), kOverflow);
}

TEST(TextForms, ShortestDecimalAndTwoDecimals) {
    EXPECT_EQ(ShortestDecimal(12.5), "12.5");
    EXPECT_EQ(ShortestDecimal(-8), "-8");
    EXPECT_EQ(ShortestDecimal(266.5), "266.5");
    EXPECT_EQ(ShortestDecimal(0.1), "0.1");
    EXPECT_EQ(ShortestDecimal(-0.0), "0");
    EXPECT_EQ(ShortestDecimal(1e20), "100000000000000000000");
    EXPECT_EQ(TwoDecimals(1234.56), "1,234.56");
    EXPECT_EQ(TwoDecimals(0), "0.00");
    EXPECT_EQ(TwoDecimals(999.999), "1,000.00");
    EXPECT_EQ(TwoDecimals(1234567.891), "1,234,567.89");
    EXPECT_EQ(TwoDecimals(-0.5), "-0.50");
    EXPECT_EQ(TwoDecimals(-0.001), "0.00");
    EXPECT_EQ(TwoDecimals(100), "100.00");
}

// Infinities and NaN have no decimal point to group around; they are written as they are.
TEST(TextForms, TwoDecimalsOfNonFiniteValues) {
    EXPECT_EQ(TwoDecimals(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(TwoDecimals(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(TwoDecimals(std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(TwoDecimals(std::numeric_limits<double>::max()).size(),
              309u + 102u + 3u); // 309 digits, 102 commas
}

} // namespace
} // namespace qelvar
