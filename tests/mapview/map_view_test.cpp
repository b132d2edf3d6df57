#include "maps/mapview/map_view.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

const ZoomScaleTable kScales{0, 2, 5, 10, 20, 40, 78, 156, 312, 625, 1250, 2500, 5000};

void ExpectView(const MapView &v, int32_t scale, int32_t level, int32_t extentX, int32_t extentY,
                int32_t originX, int32_t originY, int32_t centreX, int32_t centreY) {
    EXPECT_EQ(v.ScaleX, scale);
    EXPECT_EQ(v.ScaleY, scale);
    EXPECT_EQ(v.ZoomLevel, level);
    EXPECT_EQ(v.ExtentX, extentX);
    EXPECT_EQ(v.ExtentY, extentY);
    EXPECT_EQ(v.OriginX, originX);
    EXPECT_EQ(v.OriginY, originY);
    EXPECT_EQ(v.CentreX, centreX);
    EXPECT_EQ(v.CentreY, centreY);
}

TEST(MapView, ZoomInAtTheTopLeftOfTheWorld) {
    MapView v;
    ZoomInAt(v, kScales, 0, 0);
    ExpectView(v, 2500, 11, 38'880'000, 19'440'000, -19'440'000, -9'720'000, 0, 0);
    // The world now lies in the lower-right quarter of the picture.
    EXPECT_EQ(ToScreen(v, 0, 0).x, 7'776);
    EXPECT_EQ(ToScreen(v, 0, 0).y, 3'888);
}

TEST(MapView, ZoomInThenOutAtOnePointReturnsToTheScaleAndExtent) {
    MapView v;
    ZoomInAt(v, kScales, 3'000, 2'000);
    ExpectView(v, 2500, 11, 38'880'000, 19'440'000, -4'440'000, 280'000, 15'000'000, 10'000'000);
    ZoomOutAt(v, kScales, 3'000, 2'000);
    // The second click (3,000 x 2,500 - 4,440,000 = 3,060,000) becomes the centre.
    ExpectView(v, 5000, 12, 77'760'000, 38'880'000, 3'060'000 - 38'880'000, 5'280'000 - 19'440'000, 3'060'000,
               5'280'000);
}

TEST(MapView, TheEndsOfTheScaleOnlyRedraw) {
    MapView v;
    ZoomOutAt(v, kScales, 100, 100);
    ExpectView(v, 5000, 12, 77'760'000, 38'880'000, 0, 0, 38'880'000, 19'440'000);
    for (int i = 0; i < 11; ++i)
        ZoomInAt(v, kScales, 7'808, 3'908);
    EXPECT_EQ(v.ScaleX, 2);
    EXPECT_EQ(v.ZoomLevel, 1);
    MapView before = v;
    ZoomInAt(v, kScales, 10, 10);
    ExpectView(v, 2, 1, before.ExtentX, before.ExtentY, before.OriginX, before.OriginY, before.CentreX,
               before.CentreY);
    EXPECT_EQ(v.ExtentX, 37'969); // halved eleven times, rounded half to even at each step
}

TEST(MapView, CentreAtTheMiddleKeepsTheView) {
    MapView v;
    CentreAt(v, 7'776, 3'888);
    ExpectView(v, 5000, 12, 77'760'000, 38'880'000, 0, 0, 38'880'000, 19'440'000);
    CentreAt(v, 7'776 + 100, 3'888 - 10);
    ExpectView(v, 5000, 12, 77'760'000, 38'880'000, 500'000, -50'000, 39'380'000, 19'390'000);
}

TEST(MapView, ScreenAndMapConversionsRoundHalfToEven) {
    MapView v;
    EXPECT_EQ(ToScreen(v, 7'500, 12'500).x, 2); // 1.5
    EXPECT_EQ(ToScreen(v, 7'500, 12'500).y, 2); // 2.5
    EXPECT_EQ(ToScreen(v, 77'760'000, 38'880'000).x, 15'552);
    EXPECT_EQ(ToMap(v, 10.5f, 11.5f).X, 50'000); // the click is rounded first
    EXPECT_EQ(ToMap(v, 10.5f, 11.5f).Y, 60'000);
    EXPECT_EQ(ToMapExact(v, 10.5f, 11.5f).X, 52'500);
    EXPECT_EQ(ToMapExact(v, 7'776.0f, 0).X, 38'880'000);
    EXPECT_EQ(ToMapExact(v, 7'776.5f, 0).X, 38'882'500);
    SetWorldView(v);
    ExpectView(v, 5000, 12, 77'760'000, 38'880'000, 0, 0, 38'880'000, 19'440'000);
}

} // namespace
} // namespace qelvar
