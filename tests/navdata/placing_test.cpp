#include "maps/navdata/placing.h"
#include "platform/runtime_error.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

TEST(Placing, HemispheresFromSignsAndLetters) {
    struct Case {
        double degrees, minutes;
        int32_t x; // as a longitude
        int32_t y; // as a latitude
    } cases[] = {
        {0, 0, 38'880'000, 19'440'000},
        {10, 0, 38'880'000 + 2'160'000, 19'440'000 - 2'160'000},
        {-10, 0, 38'880'000 - 2'160'000, 19'440'000 + 2'160'000},
        {0, -30, 38'880'000 - 108'000, 19'440'000 + 108'000},
        {-180, 0, 0, 19'440'000 + 38'880'000},
        {180, 0, 77'760'000, 19'440'000 - 38'880'000},
        {11, 47.2, 41'425'920, 19'440'000 - 2'545'920},
        {5, 0.000069444, 38'880'000 + 1'080'000, 19'440'000 - 1'080'000}, // 0.25 unit rounds to 0
    };
    for (const Case &c : cases) {
        bool negative = IsNegativeHemisphere(c.degrees, c.minutes);
        EXPECT_EQ(LongitudeToX(DegreesMinutesUnits(c.degrees, c.minutes), negative), c.x) << c.degrees;
        EXPECT_EQ(LatitudeToY(DegreesMinutesUnits(c.degrees, c.minutes), negative), c.y) << c.degrees;
    }
}

TEST(Placing, CombinedSumIsRoundedOnce) {
    EXPECT_EQ(CombinedUnits(11, 45.066), 2'538'238); // 2,538,237.6
    EXPECT_EQ(CombinedUnits(-5, -30), 1'188'000);
    EXPECT_EQ(CombinedUnits(1.0 / 128, 0), 1'688); // 1,687.5: half to even
    EXPECT_EQ(CombinedUnits(3.0 / 128, 0), 5'062); // 5,062.5: half to even
    EXPECT_EQ(CombinedUnits(-3.0 / 128, 0), 5'062);
}

TEST(Placing, PositionTextLettersDecideAndSignsAreIgnored) {
    struct Case {
        const char *text;
        int32_t x, y;
    } cases[] = {
        {"N47 30.5 E011 20.3", 41'329'080, 9'178'200},
        {"N47 30,5 E011 20,3", 41'329'080, 9'178'200},
        {"S47 30.5 W011 20.3", 38'880'000 - 2'449'080, 19'440'000 + 10'261'800},
        {"S-47 -30.5 W-011 -20.3", 38'880'000 - 2'449'080, 19'440'000 + 10'261'800},
        {"N0 0 W180 0", 0, 19'440'000},
        {"N90 0 E0 0", 38'880'000, 0},
    };
    for (const Case &c : cases) {
        MapPoint p = ParsePositionText(c.text);
        EXPECT_EQ(p.X, c.x) << c.text;
        EXPECT_EQ(p.Y, c.y) << c.text;
    }
}

TEST(Placing, MalformedPositionTextsAreTypeMismatches) {
    for (const char *text : {"", "N47 30.5 E011", "47 30.5 E011 20.3", "N47 30.5 011 20.3",
                             "n47 30.5 e011 20.3", "N47  30.5 E011 20.3", "Nxx 30.5 E011 20.3"}) {
        try {
            ParsePositionText(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.Number(), kTypeMismatch) << text;
        }
    }
}

TEST(Placing, OutsideThe32BitRangeIsAnOverflow) {
    EXPECT_THROW(LongitudeToX(DegreesMinutesUnits(9'800, 0), false), RuntimeError);
    EXPECT_THROW(LatitudeToY(DegreesMinutesUnits(0, 1e9), true), RuntimeError);
}

} // namespace
} // namespace qelvar
