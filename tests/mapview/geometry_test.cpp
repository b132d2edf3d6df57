#include "maps/mapview/geometry.h"
#include "platform/recording_canvas.h"

#include <cmath>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

using Calls = std::vector<std::string>;

Calls Clipped(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    RecordingCanvas canvas;
    RecordingMessageSink sink;
    LineClip(canvas, sink, x1, y1, x2, y2);
    EXPECT_TRUE(sink.boxes.empty());
    return canvas.calls;
}

TEST(LineClip, DrawsOnlyThePartInsideAndNeverBothEndsOutside) {
    struct Case {
        int32_t x1, y1, x2, y2;
        Calls drawn;
    } cases[] = {
        {-10, 100, 100, 100, {"LINE 0 100 100 100 w1 #000000"}},
        {-10, 100, 16'000, 100, {}},
        {100, 7'600, 100, 7'000, {"LINE 100 7580 100 7000 w1 #000000"}},
        {100, 7'000, 100, 7'600, {"LINE 100 7000 100 7580 w1 #000000"}},
        {15'160, 10, 100, 10, {"LINE 15160 10 100 10 w1 #000000"}},
        {15'161, 10, 100, 10, {"LINE 15160 10 100 10 w1 #000000"}},
        {0, 0, 15'160, 7'580, {"LINE 0 0 15160 7580 w1 #000000"}},
        {-100, -100, 15'300, 7'700, {}}, // crosses the picture, both ends outside
        {100, -50, 200, 50, {"LINE 150 0 200 50 w1 #000000"}},
        {1'000, 100, -1'000, 101, {"LINE 1000 100 0 100 w1 #000000"}}, // 100.5 rounds half to even
        {1'000, 100, -1'000, 103, {"LINE 1000 100 0 102 w1 #000000"}}, // 101.5 rounds to 102
        // bottom and right outside: the bottom crossing first, then the right one
        {15'000, 7'000, 16'000, 8'000, {"LINE 15000 7000 15160 7160 w1 #000000"}},
        // Far, but the product of the differences still fits 32 bits.
        {100, 100, 200'000, 3'000, {"LINE 100 100 15160 318 w1 #000000"}}, // 100 + 2,900 x 15,060 / 199,900
    };
    for (const Case &c : cases)
        EXPECT_EQ(Clipped(c.x1, c.y1, c.x2, c.y2), c.drawn)
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
}

// Segments whose product of differences passes 32 bits: a 27-degree coastline segment is
// 1,166,400 twips long at scale 5 and 2,916,000 at scale 2. Each draws its visible part, at the
// crossing worked out by hand, and shows no message.
TEST(LineClip, LongSegmentsAcrossThePictureDrawTheirVisiblePart) {
    struct Case {
        int32_t x1, y1, x2, y2;
        Calls drawn;
    } cases[] = {
        // 27 degrees east and 13.5 south at scale 5 from (1,000, 1,000): the bottom crossing is
        // x = 1,000 + 1,166,400 x 6,580 / 583,200 = 1,000 + 13,160 = 14,160.
        {1'000, 1'000, 1'167'400, 584'200, {"LINE 1000 1000 14160 7580 w1 #000000"}},
        // The same slope at scale 2, drawn from its far end:
        // x = 2,917,000 - 2,916,000 x 1,451,420 / 1,458,000 = 2,917,000 - 2,902,840 = 14,160.
        {2'917'000, 1'459'000, 1'000, 1'000, {"LINE 14160 7580 1000 1000 w1 #000000"}},
        // From far west across the left edge at scale 2: y = 3,000 + 2,000 x 2,916,000 / 2,920,000,
        // 4,997.26 rounds to 4,997.
        {-2'916'000, 3'000, 4'000, 5'000, {"LINE 0 4997 4000 5000 w1 #000000"}},
        // Across the top from far north: x = 500 + 8,000 x 999,000 / 1,000,000 = 8,492.
        {500, -999'000, 8'500, 1'000, {"LINE 8492 0 8500 1000 w1 #000000"}},
        // End points near the 32-bit limits. 2,000,000,000 x 6,580 / 1,000,000,000 = 13,160.
        {1'000, 1'000, 2'000'001'000, 1'000'001'000, {"LINE 1000 1000 14160 7580 w1 #000000"}},
        // From (-2^31, -2^31): the top crossing is x = -2^31 + (2^31 + 5,000) x 2^31 / (2^31 + 5,000) = 0.
        {INT32_MIN, INT32_MIN, 5'000, 5'000, {"LINE 0 0 5000 5000 w1 #000000"}},
        // To (2^31 - 1, 2^31 - 1): x = 7,000 + 2,147,476,647 x 4,580 / 2,147,480,647 = 11,579.99,
        // rounded 11,580.
        {7'000, 3'000, INT32_MAX, INT32_MAX, {"LINE 7000 3000 11580 7580 w1 #000000"}},
        // From near -2^31 on the left: y = 7,000 - 6,900 x 2,147,483,000 / 2,147,484,000 = 100.003,
        // rounded 100.
        {-2'147'483'000, 7'000, 1'000, 100, {"LINE 0 100 1000 100 w1 #000000"}},
        // Both ends far outside on either side: never drawn, and no message either.
        {INT32_MIN, 100, INT32_MAX, 100, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Clipped(c.x1, c.y1, c.x2, c.y2), c.drawn)
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
}

TEST(LineClip, RegionCodes) {
    EXPECT_EQ(CompOutCode(0, 0), 0);
    EXPECT_EQ(CompOutCode(15'160, 7'580), 0);
    EXPECT_EQ(CompOutCode(-1, 0), kLeft);
    EXPECT_EQ(CompOutCode(15'161, 0), kRight);
    EXPECT_EQ(CompOutCode(0, -1), kTop);
    EXPECT_EQ(CompOutCode(0, 7'581), kBottom);
    EXPECT_EQ(CompOutCode(-1, 7'581), kLeft + kBottom);
    EXPECT_EQ(CompOutCode(15'161, -1), kRight + kTop);
}

TEST(CalcSegment, FlatLegsByCourse) {
    struct Case {
        int32_t course;
        double distance;
        int32_t x2, y2;
    } cases[] = {
        {90, 1, 3'600, 0},        {180, 1, 0, 3'600},     {270, 1, -3'600, 0},    {360, 1, 0, -3'600},
        {0, 1, 0, -3'600},        {45, 2, 5'091, -5'091}, {135, 2, 5'091, 5'091}, {225, 2, -5'091, 5'091},
        {315, 2, -5'091, -5'091}, {361, 1, 77, 88},       {-1, 1, 77, 88},        {91, 10, 35'995, 628},
    };
    for (const Case &c : cases) {
        int32_t x2 = 77, y2 = 88;
        CalcSegment(0, 0, c.course, c.distance, x2, y2);
        EXPECT_EQ(x2, c.x2) << c.course;
        EXPECT_EQ(y2, c.y2) << c.course;
    }
}

TEST(ArcCosines, EdgesGiveExactlyZeroAndHalfCircle) {
    EXPECT_EQ(AcosDegrees(1), 0);
    EXPECT_EQ(AcosDegrees(1.0000001), 0);
    EXPECT_EQ(AcosDegrees(-1), 180);
    EXPECT_EQ(AcosDegrees(-1.5), 180);
    EXPECT_EQ(AcosRadians(1), 0);
    EXPECT_EQ(AcosRadians(-1), 4 * std::atan(1.0));
    const double pi = 4 * std::atan(1.0);
    EXPECT_EQ(AcosDegrees(0.5), -std::atan(0.5 / std::sqrt(0.75)) * (180 / pi) + 90);
    EXPECT_NEAR(AcosDegrees(0.5), 60, 1e-12);
    EXPECT_EQ(AcosRadians(0.5), std::atan(-0.5 / std::sqrt(0.75)) + 2 * std::atan(1.0));
}

TEST(GreatCircle, DistancesAndCourses) {
    EXPECT_NEAR(GreatCircleDistance(50, 51, 8, 8), 59.99, 0.005);
    EXPECT_EQ(GreatCircleDistance(50, 50, 8, 8), 0);
    EXPECT_EQ(GreatCircleDistance(48.3535, 48.3535, -11.7861, -11.7861), 0);
    EXPECT_NEAR(GreatCircleDistance(0, 0, 0, 90), 0.5 * 7916.6 * 0.86838 * 90 * (4 * std::atan(1.0) / 180),
                1e-9);

    struct Case {
        double lon1, lat1, lon2, lat2, course;
    } cases[] = {
        {8, 50, 9, 50, 270}, {9, 50, 8, 50, 89}, {8, 50, 8, 51, 0}, {8, 51, 8, 50, 180},
        {8, 50, 8, 50, 0},   {0, 0, -1, 0, 90},  {0, 0, 1, 0, 270},
    };
    for (const Case &c : cases)
        EXPECT_EQ(InitialCourse(c.lon1, c.lat1, c.lon2, c.lat2), c.course)
            << c.lon1 << "," << c.lat1 << " -> " << c.lon2 << "," << c.lat2;
}

// The cosine is taken of the difference of the two longitudes each already in radians. Turning
// the difference into radians instead changes the last bit now and then; over this grid it does
// for some pairs, and the distance must follow the first form in every one.
TEST(GreatCircle, LongitudesAreTurnedIntoRadiansBeforeTheirDifference) {
    const double pi = 4 * std::atan(1.0);
    const double r = pi / 180;
    auto distance = [&](double lat1, double lat2, double cosine) {
        double a = std::sin(lat1 * r) * std::sin(lat2 * r) + std::cos(lat1 * r) * std::cos(lat2 * r) * cosine;
        double c = AcosRadians(a) * (180 / pi);
        return 0.5 * 7916.6 * 0.86838 * c * (pi / 180);
    };
    int differing = 0;
    for (double lon1 = -179.75; lon1 < 180; lon1 += 13.3)
        for (double lon2 = -170.1; lon2 < 180; lon2 += 11.7) {
            const double lat1 = 48.35, lat2 = -23.43;
            double expected = distance(lat1, lat2, std::cos(lon1 * r - lon2 * r));
            EXPECT_EQ(GreatCircleDistance(lat1, lat2, lon1, lon2), expected) << lon1 << " " << lon2;
            if (expected != distance(lat1, lat2, std::cos((lon1 - lon2) * r)))
                ++differing;
        }
    EXPECT_GT(differing, 0); // the grid does tell the two forms apart
}

TEST(PositionText, LettersDegreesAndTwoDecimalMinutes) {
    struct Case {
        int32_t x, y;
        const char *oneLine;
    } cases[] = {
        {38'880'000, 19'440'000, "W0 0.00  S0 0.00"},
        {40'732'416, 8'632'440, "E8 34.56  N50 2.10"},
        {38'880'001, 19'439'999, "E0 0.00  N0 0.00"},
        {38'880'000 + 215'996, 19'440'000, "E0 60.00  S0 0.00"},
        {77'760'000 + 216'000, -216'000, "E180 0.00  N90 0.00"},
        {0, 38'880'000, "W180 0.00  S90 0.00"},
        {22'943'880, 10'661'760, "W73 46.70  N40 38.40"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PositionText(c.x, c.y, false), c.oneLine) << c.x << "," << c.y;
    EXPECT_EQ(PositionText(40'732'416, 8'632'440, true), "E8 34.56\r\n N50 2.10");
}

} // namespace
} // namespace qelvar
