#include "approach_position.h"

#include "airports/window/viewer_position.h"
#include "approach/fix_position.h"
#include "position/leg.h"
#include "position/position_text.h"
#include "scenery/grid.h"

namespace qelvar {

std::string NextFixText(const SceneryAirport &airport, const VorRecords &vors, std::optional<int> approach,
                        const AircraftFix &fix) {
    if (!approach)
        return {};
    bool south = !airport.header.lat.empty() && airport.header.lat[0] == 'S';
    std::vector<GeoPoint> path;
    std::vector<std::string> names;
    for (const LegRecord &leg : airport.legs) {
        if (leg.approach != *approach || leg.transition != kApproachLeg || leg.fixIdent.empty())
            continue;
        if (std::optional<GridPoint> at = FindFix(airport, vors, leg.fixIdent)) {
            path.push_back(GridToDegrees(at->x, at->y, kApproachGridPerDegree, south));
            names.push_back(leg.fixIdent);
        }
    }
    std::optional<std::size_t> next = NextPathPoint(path, fix.latitude, fix.longitude);
    if (!next)
        return {};
    LegToPoint leg = LegBetween(fix.latitude, fix.longitude, path[*next].latitude, path[*next].longitude);
    return NextPointText(names[*next], leg.distanceNm, leg.courseDeg);
}

LivePosition *AttachApproachPosition(frmApproach &window, const PositionState &state,
                                     std::function<std::string()> sourceText) {
    ViewerPositionSetup setup;
    setup.unitsPerDegree = kApproachGridPerDegree;
    setup.shownAirport = [&window]() -> const SceneryAirport * {
        return window.ChartLoaded() ? &window.Airport() : nullptr;
    };
    setup.nextPoint = [&window](const AircraftFix &fix) {
        return window.ChartLoaded()
                   ? NextFixText(window.Airport(), window.Vors(), window.View().approach, fix)
                   : std::string();
    };
    return AttachViewerPosition(window, state, std::move(sourceText), std::move(setup));
}

} // namespace qelvar
