// The aircraft in the three windows after a fix replayed through a real loopback UDP socket: at the
// picture position the window's own rules give, with the status, Follow, the next point and the
// offer of a nearby airport. Each window is also grabbed to a PNG file in build/tests/live-position.
#include "airports/window/frm_arpt.h"
#include "airports/window/viewer_position.h"
#include "approach/window/approach_position.h"
#include "flight_track.h"
#include "maps/mainwindow/form2_position.h"
#include "maps/navdata/loaders.h"
#include "maps/navdata/loading_sequence.h"
#include "position/nmea_writer.h"
#include "position/qt/position_listener.h"
#include "scenery/grid.h"
#include "support/kit_folder.h"

#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::KitFolder;

constexpr double kMinute = 1.0 / 60;

// A listener on a free loopback port, and the replay's side of the socket.
class LiveFixture : public ::testing::Test {
protected:
    LiveFixture() {
        QUdpSocket probe;
        probe.bind(QHostAddress::LocalHost, 0);
        port = probe.localPort();
        probe.close();
        listener = std::make_unique<PositionListener>(
            PositionSource{PositionSource::Kind::Udp, "127.0.0.1", port}, rendezvous.path());
        listener->Start();
    }
    // Sends the fixes as the replay does, one datagram each, and waits until the last one is read.
    void Replay(const std::vector<TrackFix> &fixes) {
        for (const TrackFix &fix : fixes) {
            std::string datagram = RmcSentence(fix, "010126") + GgaSentence(fix);
            sender.writeDatagram(datagram.data(), static_cast<qint64>(datagram.size()),
                                 QHostAddress::LocalHost, port);
        }
        const TrackFix &last = fixes.back();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const PositionState &s = listener->State();
                return s.fix && std::fabs(s.fix->latitude - last.latitude) < 1e-6 &&
                       std::fabs(s.fix->longitude - last.longitude) < 1e-6;
            },
            3000));
        QCoreApplication::processEvents();
    }
    void Grab(QWidget &window, const std::string &name) {
        QDir().mkpath(QELVAR_LOOK_DIR);
        window.grab().save(QString::fromStdString(std::string(QELVAR_LOOK_DIR) + "/" + name));
    }
    std::string Status(const LivePosition &live) { return live.lblPosition->text().toStdString(); }

    QTemporaryDir rendezvous;
    uint16_t port = 0;
    std::unique_ptr<PositionListener> listener;
    QUdpSocket sender;
};

TrackFix Fix(double latitude, double longitude, double speed = 95, double track = 180) {
    return TrackFix{43200, latitude, longitude, speed, track, 2800};
}

class MapsLive : public LiveFixture {
protected:
    MapsLive() : form(db, {sink, launcher, folder.Path(), [] {}}) {
        FillZoomScale(db);
        LoadArptftomFile(db, testing::FixturesDir(), sink);
        PlaceAirports(db);
        LoadCoast(db, testing::FixturesDir(), sink);
        form.Form_Load("");
        SwitchOnStartLayers(db.LayerFlags);
        live = AttachLivePosition(form, listener->State(), [this] { return listener->SourceText(); });
        live->Follow(*listener);
        form.show();
        QCoreApplication::processEvents();
    }
    KitFolder folder;
    NavDatabase db;
    RecordingMessageSink sink;
    RecordingLauncher launcher;
    Form2 form;
    LivePosition *live = nullptr;
};

TEST_F(MapsLive, TheAircraftStandsWhereTheMapPutsItsPositionWithoutARedraw) {
    // A mark in the retained map picture: a redraw would wipe it.
    QtCanvas &canvas = form.PicMap->Canvas();
    canvas.SetColor({255, 0, 255});
    canvas.SetLineWidth(9);
    canvas.Line(15'000, 7'500, 15'000, 7'500);
    Replay({Fix(47.5, -122.3)});
    // X = 38,880,000 - 122.3 x 216,000 = 12,463,200 and Y = 19,440,000 - 47.5 x 216,000 = 9,180,000,
    // at the world view 5,000 units a twip.
    EXPECT_EQ(live->overlay->AircraftAt(), QPointF(2'493, 1'836));
    EXPECT_EQ(
        canvas.Image().pixelColor(1000 * canvas.Image().width() / 1041, 500 * canvas.Image().height() / 521),
        QColor(255, 0, 255));
    EXPECT_EQ(Status(*live),
              "GS 95 kt  TRK 180\u00b0  ALT 2,800 ft  fix 0 s     UDP 127.0.0.1:" + std::to_string(port));
    EXPECT_TRUE(live->lblPosition->isEnabled());
    Grab(form, "maps-world.png");
}

TEST_F(MapsLive, FollowRecentresAtTheScaleAndARouteGivesTheNextPoint) {
    std::vector<TrackFix> track = DemoFlightTrack(43200);
    Replay({track[0]});
    QPointF at = *live->overlay->AircraftAt();
    for (int i = 0; i < 11; ++i) { // down to scale 2 (a picture 6 NM wide), each zoom at the aircraft
        ZoomInAt(form.View(), db.ZoomScale, static_cast<int32_t>(at.x()), static_cast<int32_t>(at.y()));
        form.RedrawMap();
        at = *live->overlay->AircraftAt();
    }
    ASSERT_EQ(form.View().ScaleX, 2);
    // A route: the departure, then 10' south, then 10' west of that.
    auto unit = [](double lat, double lon) {
        return UnitPoint{static_cast<int32_t>(std::lround(38'880'000 + lon * 216'000)),
                         static_cast<int32_t>(std::lround(19'440'000 - lat * 216'000))};
    };
    form.Route().RoutePoints[0] = unit(track[0].latitude, track[0].longitude);
    form.Route().RoutePoints[1] = unit(track[0].latitude - 10 * kMinute, track[0].longitude);
    form.Route().RoutePoints[2] = unit(track[0].latitude - 10 * kMinute, track[0].longitude - 10 * kMinute);
    form.RedrawMap();

    live->chkFollow->setChecked(true);
    std::vector<TrackFix> everyFifth; // the take-off and 7 NM south, under the rate cap
    for (size_t i = 0; i < 200; i += 5)
        everyFifth.push_back(track[i]);
    Replay(everyFifth);
    QPointF now = *live->overlay->AircraftAt();
    EXPECT_EQ(form.View().ScaleX, 2);
    EXPECT_FALSE(NearPictureEdge(now.x(), now.y(), 15'615, 7'815)); // recentred on the way
    EXPECT_NE(Status(*live).find("next route point 2 "), std::string::npos) << Status(*live);
    Grab(form, "maps-follow-route.png");
}

TEST_F(MapsLive, AStalePositionIsGreyAndSaysHowOld) {
    Replay({Fix(47.5, -122.3)});
    listener->disconnect(live); // no more updates from the listener: the state is aged by hand
    const_cast<PositionState &>(listener->State()).fix->at -= std::chrono::seconds(10);
    live->Update();
    EXPECT_EQ(Status(*live), "no data for 10 s     UDP 127.0.0.1:" + std::to_string(port));
    EXPECT_FALSE(live->lblPosition->isEnabled());
    EXPECT_TRUE(live->overlay->DrawnStale());
}

// The approach fixture KXYZ (reference point N47 30.00 W122 18.00), shown by both viewers, and a
// second airport KBBB 3' north of it in the index and the airport table.
class ViewerLive : public LiveFixture {
protected:
    ViewerLive() {
        folder.Write("Arpt index.txt", "KXYZ;Seattle;USA;KXYZ.xml\r\nKBBB;Seattle;USA;KXYZ.xml\r\n");
        folder.Write("arpt.nav", "AD;XYZ;KXYZ;Test;432;-122;-18.00;47;30.00;;;USA\r\n"
                                 "AD;BBB;KBBB;Other;20;-122;-18.00;47;33.00;;;USA\r\n");
        std::filesystem::create_directory(folder.Path() / "FSXFiles");
        std::filesystem::copy_file(testing::FixturesDir() / "approach" / "KXYZ.xml",
                                   folder.Path() / "FSXFiles" / "KXYZ.xml");
        std::filesystem::copy_file(testing::FixturesDir() / "approach" / "vor.nav", folder.Path() / "vor.nav",
                                   std::filesystem::copy_options::overwrite_existing);
    }
    void Load(SceneryViewerWindow &window) {
        window.txtSearch->setText("KXYZ");
        window.cmdSearch_Click();
        window.cmdArpt_Click();
        window.show();
        QCoreApplication::processEvents();
    }
    KitFolder folder;
    const double refLat = 47.5, refLon = -(122 + 18 * kMinute);
};

TEST_F(ViewerLive, TheDiagramPutsTheAircraftAtItsScaleAndOffersTheAirportItStandsAt) {
    frmArpt window({folder.Path(), [] {}});
    LivePosition *live = AttachAirportPosition(window, listener->State(), [] { return std::string("test"); });
    live->Follow(*listener);
    window.Form_Load("");
    Replay({Fix(refLat, refLon)});
    EXPECT_EQ(live->overlay->AircraftAt(), std::nullopt); // no chart yet
    Load(window);
    live->Update();
    EXPECT_EQ(live->overlay->AircraftAt(), QPointF(7'000, 5'000)); // the reference point
    // 0.001° is 864 grid units; at zoom 4, 216 twips up and to the right.
    Replay({Fix(refLat + 0.001, refLon + 0.001, 12, 90)});
    EXPECT_EQ(live->overlay->AircraftAt(), QPointF(7'216, 4'784));
    Grab(window, "airports-diagram.png");

    // Taxiing slowly 3' north, at KBBB, for ten seconds: the window offers KBBB.
    CaptionButton *offer = NearbyAirportButton(window);
    ASSERT_NE(offer, nullptr);
    EXPECT_TRUE(offer->isHidden());
    Replay({Fix(refLat + 3 * kMinute, refLon, 10, 0)});
    const_cast<PositionState &>(listener->State()).fix->at = PositionClock::now();
    QTest::qWait(0);
    EXPECT_TRUE(offer->isHidden()); // not yet ten seconds on the ground
    listener->disconnect(live);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const_cast<PositionState &>(listener->State()).fix->at = PositionClock::now();
            live->Update();
            return offer->isVisible();
        },
        15'000));
    EXPECT_EQ(offer->Caption(), "Show KBBB");
    offer->click();
    EXPECT_EQ(window.Matched()->icao, "KBBB");
}

TEST_F(ViewerLive, TheApproachChartNamesTheNextFix) {
    RecordingMessageSink sink;
    frmApproach window({folder.Path(), [] {}}, sink);
    LivePosition *live =
        AttachApproachPosition(window, listener->State(), [] { return std::string("test"); });
    live->Follow(*listener);
    window.Form_Load("");
    Load(window);
    window.cmbAPP_Click(0); // ILS 16L: CF16L (47°40'), FF16L (47°36'), RW16L (47°32')
    Replay({Fix(47 + 38 * kMinute, refLon)});
    // 8' north of the reference point: 8 x 3,600 grid units, at zoom 16 1,800 twips up.
    EXPECT_EQ(live->overlay->AircraftAt(), QPointF(7'000, 3'200));
    EXPECT_NE(Status(*live).find("next FF16L 2.0 NM 180\u00b0"), std::string::npos) << Status(*live);
    Grab(window, "approach-chart.png");

    // 20' north is 4,500 twips up, within an eighth of the picture's height of its top: Follow pans
    // the chart so that the aircraft is at the centre.
    live->chkFollow->setChecked(true);
    Replay({Fix(refLat + 20 * kMinute, refLon)});
    EXPECT_EQ(live->overlay->AircraftAt(), QPointF(7'000, 5'000));
    EXPECT_EQ(window.PanY(), 4'500);
}

TEST(ViewerGrid, DegreesLandOnTheGridOfTheSceneryTexts) {
    struct Case {
        const char *lat, *lon;
        double latitude, longitude;
    } cases[] = {{"N47 30.00", "W122 18.00", 47.5, -122.3},
                 {"S33 56.77", "E151 10.63", -(33 + 56.77 / 60), 151 + 10.63 / 60},
                 {"N0 0.60", "W0 0.60", 0.01, -0.01}};
    for (const Case &c : cases) {
        EXPECT_EQ(LatitudeToGrid(c.latitude, kDiagramGridPerDegree), LatToGrid(c.lat, kDiagramGridPerDegree))
            << c.lat;
        EXPECT_EQ(LongitudeToGrid(c.longitude, kApproachGridPerDegree),
                  LonToGrid(c.lon, kApproachGridPerDegree))
            << c.lon;
        GeoPoint back =
            GridToDegrees(LonToGrid(c.lon, kApproachGridPerDegree), LatToGrid(c.lat, kApproachGridPerDegree),
                          kApproachGridPerDegree, c.lat[0] == 'S');
        EXPECT_NEAR(back.latitude, c.latitude, 1e-6);
        EXPECT_NEAR(back.longitude, c.longitude, 1e-6);
    }
}

} // namespace
} // namespace qelvar
