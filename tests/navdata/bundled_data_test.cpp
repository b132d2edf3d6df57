// The bundled data in data/, read by the kit's own loaders: every table inside its capacity, the
// counts the importer wrote, and well-known places where they belong.
#include "maps/navdata/loaders.h"
#include "maps/navdata/loading_sequence.h"
#include "platform/qt_canvas.h"
#include "support/kit_folder.h"

#include <QImage>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

class BundledData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        db = new NavDatabase;
        RecordingMessageSink sink;
        HeadlessStartupScreen screen;
        std::string step;
        RunLoadingSequence(*db, testing::DataDir(), sink, screen, step);
        messages = sink.boxes.size();
    }
    static void TearDownTestSuite() { delete db; }
    static NavDatabase *db;
    static size_t messages;

    static const Airport &AirportByIcao(const std::string &icao) {
        for (int i = 0; i < db->AirportTable.AirportCount; ++i)
            if (db->AirportTable.entries[i].LocationIndicator == icao)
                return db->AirportTable.entries[i];
        throw std::runtime_error("no airport " + icao);
    }
    // Map units of a position in decimal degrees.
    static int32_t X(double lon) { return static_cast<int32_t>(38'880'000 + lon * 216'000); }
    static int32_t Y(double lat) { return static_cast<int32_t>(19'440'000 - lat * 216'000); }
};
NavDatabase *BundledData::db = nullptr;
size_t BundledData::messages = 0;

TEST_F(BundledData, LoadsWithoutAMessageAndInsideEveryCapacity) {
    EXPECT_EQ(messages, 0u);
    EXPECT_EQ(db->AirportTable.AirportCount, 4'956);
    EXPECT_LT(db->AirportTable.AirportCount, 8'000);
    EXPECT_EQ(db->VorTable.count, 3'720);
    EXPECT_EQ(db->NdbTable.count, 7'099);
    EXPECT_EQ(db->IlsTable.count, 3'098);
    EXPECT_EQ(db->RunwayTable.count, 6'669);
    EXPECT_EQ(db->IntersectionTable.count, 50'000);
    EXPECT_EQ(db->CoastLayer.count, 20'001);
    EXPECT_EQ(db->BorderLayer.count, 10'001);
    EXPECT_EQ(db->TrainLayer.count, 1);
    EXPECT_GE(db->HillTable.count, 301);
}

TEST_F(BundledData, WellKnownAirportsAreWhereTheyBelong) {
    struct Place {
        const char *icao;
        double lon, lat;
        const char *type;
    } places[] = {{"EDDF", 8.5706, 50.0333, "AD"},
                  {"KJFK", -73.7781, 40.6398, "AD"},
                  {"RJTT", 139.7798, 35.5523, "AD"},
                  {"YSSY", 151.1772, -33.9461, "AD"},
                  {"SCEL", -70.7858, -33.3930, "AD"}};
    for (const Place &p : places) {
        const Airport &a = AirportByIcao(p.icao);
        EXPECT_NEAR(a.X, X(p.lon), 216'000 / 60) << p.icao; // within one arc-minute
        EXPECT_NEAR(a.Y, Y(p.lat), 216'000 / 60) << p.icao;
        EXPECT_EQ(a.Type, p.type) << p.icao;
    }
    const Airport &eddf = AirportByIcao("EDDF");
    EXPECT_EQ(eddf.IataCode, "FRA");
    EXPECT_EQ(eddf.Country, "Germany");
    EXPECT_EQ(eddf.RunwayInfo.substr(0, 8), "07C-25C-");
}

TEST_F(BundledData, VorIdentInFieldSixAndFrequencyInSeven) {
    bool found = false;
    for (int i = 0; i < db->VorTable.count; ++i) {
        const VorStation &v = db->VorTable.entries[i];
        if (v.Text6 == "FFM" && v.Text5 == "FRANKFURT") {
            found = true;
            EXPECT_EQ(v.Text7, "114.20");
            EXPECT_NEAR(v.X, X(8.637), 216'000 / 60);
            EXPECT_NEAR(v.Y, Y(50.054), 216'000 / 60);
        }
    }
    EXPECT_TRUE(found);
}

// Draws coastlines, borders, airports and VORs at the world view into bundled-world.png beside
// the test, to be looked at; checks that land and sea fall where they should.
TEST_F(BundledData, DrawsARecognisableWorld) {
    QtCanvas canvas(15'615, 7'815);
    auto toScreen = [](int32_t x, int32_t y) { return std::pair{x / 5'000, y / 5'000}; };
    auto drawLayer = [&](const PolylineLayer &layer, Rgb color) {
        canvas.SetColor(color);
        for (int32_t i = 0; i < layer.count; ++i)
            if (layer.XAt(i) != 0 && layer.XAt(i + 1) != 0) {
                auto [x1, y1] = toScreen(layer.XAt(i), layer.YAt(i));
                auto [x2, y2] = toScreen(layer.XAt(i + 1), layer.YAt(i + 1));
                canvas.Line(x1, y1, x2, y2);
            }
    };
    drawLayer(db->CoastLayer, {0, 0, 255});
    drawLayer(db->BorderLayer, {0, 0, 0});
    canvas.SetColor({255, 0, 0});
    for (int i = 0; i < db->AirportTable.AirportCount; ++i) {
        auto [x, y] = toScreen(db->AirportTable.entries[i].X, db->AirportTable.entries[i].Y);
        canvas.Circle(x, y, 10);
    }
    canvas.SetColor({0, 160, 0});
    for (int i = 0; i < db->VorTable.count; ++i) {
        auto [x, y] = toScreen(db->VorTable.entries[i].X, db->VorTable.entries[i].Y);
        canvas.Point(x, y);
    }
    const QImage &image = canvas.Image();
    ASSERT_TRUE(image.save("bundled-world.png"));

    // The middle of the Pacific is empty; the outline of Europe is full of blue and black.
    auto pixelAt = [&](double lon, double lat) {
        auto [x, y] = toScreen(X(lon), Y(lat));
        return image.pixel(x / 15, y / 15);
    };
    EXPECT_EQ(pixelAt(-150, -10), qRgb(255, 255, 255));
    int inked = 0;
    for (double lon = -10; lon < 30; lon += 0.1)
        for (double lat = 36; lat < 60; lat += 0.1)
            inked += pixelAt(lon, lat) != qRgb(255, 255, 255);
    EXPECT_GT(inked, 5'000);
}

} // namespace
} // namespace qelvar
