#include "maps/mainwindow/form2_position.h"

#include "maps/navdata/nav_database.h"
#include "platform/runtime_error.h"
#include "position/leg.h"
#include "position/position_text.h"
#include "position/surroundings.h"

namespace qelvar {

namespace {

// Below the map picture (which ends at 7,935), left of the column of buttons (from 15,840).
constexpr LivePositionLayout kLayout{QRect(120, 8'040, 1'000, 360), QRect(1'200, 7'995, 14'535, 450), true};

GeoPoint DegreesOfUnits(const UnitPoint &p) {
    return {static_cast<double>(kEquatorY - p.Y) / kUnitsPerDegree,
            static_cast<double>(p.X - kGreenwichX) / kUnitsPerDegree};
}

} // namespace

std::optional<QPointF> MapPicturePosition(const MapView &view, double latitude, double longitude) {
    try {
        int32_t X = RoundToInt32(kGreenwichX + longitude * kUnitsPerDegree);
        int32_t Y = RoundToInt32(kEquatorY - latitude * kUnitsPerDegree);
        TwipPoint p = ToScreen(view, X, Y);
        return QPointF(p.x, p.y);
    } catch (const RuntimeError &) {
        return std::nullopt; // farther from the view than the map can count
    }
}

std::string NextRoutePointText(const RoutePointTable &route, const AircraftFix &fix) {
    std::vector<GeoPoint> path;
    for (const UnitPoint &p : route) {
        if (IsFreeSlot(p))
            break;
        path.push_back(DegreesOfUnits(p));
    }
    std::optional<std::size_t> next = NextPathPoint(path, fix.latitude, fix.longitude);
    if (!next)
        return {};
    const GeoPoint &to = path[*next];
    LegToPoint leg = LegBetween(fix.latitude, fix.longitude, to.latitude, to.longitude);
    return NextPointText("route point " + std::to_string(*next + 1), leg.distanceNm, leg.courseDeg);
}

LivePosition *AttachLivePosition(Form2 &form, const PositionState &state,
                                 std::function<std::string()> sourceText) {
    LivePositionHooks hooks;
    hooks.projection = [&form](double latitude, double longitude) {
        return MapPicturePosition(form.View(), latitude, longitude);
    };
    hooks.recentre = [&form](QPointF at) {
        try {
            CentreAt(form.View(), RoundToInt32(at.x()), RoundToInt32(at.y()));
        } catch (const RuntimeError &) {
            return;
        }
        form.RedrawMap();
    };
    hooks.nextPoint = [&form](const AircraftFix &fix) {
        return NextRoutePointText(form.Route().RoutePoints, fix);
    };
    return new LivePosition(form, *form.PicMap, state, std::move(sourceText), std::move(hooks), kLayout);
}

} // namespace qelvar
