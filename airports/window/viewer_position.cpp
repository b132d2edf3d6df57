#include "viewer_position.h"

#include "airports/chart_frame.h"
#include "airports/window/frm_arpt.h"
#include "platform/program_folder.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"
#include "platform/twips.h"
#include "scenery/airport_index.h"
#include "scenery/grid.h"

#include <cmath>
#include <set>

namespace qelvar {

namespace {

// Below Zoom In and Zoom Out (which end at 6,855), above EXIT (from 9,360).
constexpr LivePositionLayout kLayout{QRect(14'640, 6'960, 2'055, 300), QRect(14'640, 7'260, 2'055, 1'380),
                                     false};
constexpr QRect kOfferButton(14'640, 8'700, 2'055, 600);
constexpr size_t kIndexCapacity = 30'001;

std::vector<KnownAirport> IndexAirports(const std::filesystem::path &folder) {
    try {
        std::set<std::string> idents;
        for (const IndexEntry &entry : ReadIndexTable(folder, kIndexCapacity).entries)
            idents.insert(entry.icao);
        return AirportPositions(ReadTextLines(FindFile(folder, "arpt.nav")), idents);
    } catch (const RuntimeError &) {
        return {}; // without the index or the airport table there is nothing to offer
    }
}

} // namespace

int64_t LongitudeToGrid(double longitude, int32_t unitsPerDegree) {
    return std::llround((180 + longitude) * unitsPerDegree);
}

int64_t LatitudeToGrid(double latitude, int32_t unitsPerDegree) {
    return std::llround((latitude >= 0 ? latitude : 90 + latitude) * unitsPerDegree);
}

GeoPoint GridToDegrees(int64_t x, int64_t y, int32_t unitsPerDegree, bool south) {
    double latitude = static_cast<double>(y) / unitsPerDegree;
    return {south ? latitude - 90 : latitude, static_cast<double>(x) / unitsPerDegree - 180};
}

std::optional<QPointF> ChartPicturePosition(const AirportHeader &header, int32_t unitsPerDegree, int zoom,
                                            int panX, int panY, double latitude, double longitude) {
    try {
        ChartFrame frame = MakeChartFrame(header, unitsPerDegree, zoom, panX, panY);
        PicturePoint p = GridToPicture(frame, LongitudeToGrid(longitude, unitsPerDegree),
                                       LatitudeToGrid(latitude, unitsPerDegree));
        return QPointF(p.x, p.y);
    } catch (const RuntimeError &) {
        return std::nullopt; // no readable reference point, or the aircraft beyond the picture's range
    }
}

CaptionButton *NearbyAirportButton(SceneryViewerWindow &window) {
    return window.findChild<CaptionButton *>("cmdNearby");
}

LivePosition *AttachViewerPosition(SceneryViewerWindow &window, const PositionState &state,
                                   std::function<std::string()> sourceText, ViewerPositionSetup setup) {
    LivePositionHooks hooks;
    hooks.projection = [&window, setup](double latitude, double longitude) -> std::optional<QPointF> {
        const SceneryAirport *airport = setup.shownAirport();
        if (!airport)
            return std::nullopt;
        return ChartPicturePosition(airport->header, setup.unitsPerDegree, window.ZoomLevel(), window.PanX(),
                                    window.PanY(), latitude, longitude);
    };
    hooks.recentre = [&window](QPointF at) {
        window.picArpt_MouseDown(kLeftButton, 0, static_cast<float>(at.x()), static_cast<float>(at.y()));
    };
    hooks.nextPoint = setup.nextPoint;

    if (setup.offerNearbyAirports) {
        CaptionButton *offer = new CaptionButton("", &window);
        offer->setObjectName("cmdNearby");
        offer->setFont(window.cmdExit->font());
        PlaceInTwips(*offer, kOfferButton.x(), kOfferButton.y(), kOfferButton.width(), kOfferButton.height());
        offer->hide();
        auto airports = std::make_shared<std::vector<KnownAirport>>(IndexAirports(window.Folder()));
        auto ground = std::make_shared<GroundWatch>();
        auto offered = std::make_shared<std::string>();
        QObject::connect(offer, &QPushButton::clicked, &window, [&window, offered] {
            window.txtSearch->setText(QString::fromStdString(*offered));
            window.cmdSearch_Click();
            window.cmdArpt_Click();
        });
        hooks.watch = [&window, setup, offer, airports, ground, offered](const AircraftFix &fix,
                                                                         PositionTime now, bool stale) {
            std::optional<KnownAirport> nearby;
            if (!stale && StaysOnGround(*ground, fix, now)) {
                const SceneryAirport *shown = setup.shownAirport();
                std::string shownIcao = shown && window.Matched() ? window.Matched()->icao : std::string();
                nearby = NearestAirport(*airports, fix.latitude, fix.longitude, kOfferWithinNm, shownIcao);
            }
            *offered = nearby ? nearby->icao : std::string();
            if (nearby)
                offer->SetCaption("Show " + nearby->icao);
            offer->setVisible(nearby.has_value());
        };
    }
    return new LivePosition(window, *window.picArpt, state, std::move(sourceText), std::move(hooks), kLayout);
}

LivePosition *AttachAirportPosition(frmArpt &window, const PositionState &state,
                                    std::function<std::string()> sourceText) {
    ViewerPositionSetup setup;
    setup.unitsPerDegree = kDiagramGridPerDegree;
    setup.shownAirport = [&window]() -> const SceneryAirport * {
        return window.ChartLoaded() ? &window.Airport() : nullptr;
    };
    setup.offerNearbyAirports = true;
    return AttachViewerPosition(window, state, std::move(sourceText), std::move(setup));
}

} // namespace qelvar
