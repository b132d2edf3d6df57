#include "maps/mapview/symbols.h"

#include "maps/mapview/geometry.h"
#include "platform/numbers.h"

namespace qelvar {

void Cross(Canvas &canvas, TwipPoint at, int arm) {
    for (int k = 0; k <= arm; ++k) {
        canvas.Point(at.x + k, at.y);
        canvas.Point(at.x - k, at.y);
        canvas.Point(at.x, at.y + k);
        canvas.Point(at.x, at.y - k);
    }
}

const std::string &StationTextOf(const VorStation &s, StationText which) {
    return which == StationText::Text5 ? s.Text5 : which == StationText::Text6 ? s.Text6 : s.Text7;
}

const std::string &StationTextOf(const NdbStation &s, StationText which) {
    return which == StationText::Text5 ? s.Text5 : which == StationText::Text6 ? s.Text6 : s.Text7;
}

std::string AirportTextOf(const Airport &a, AirportText which) {
    switch (which) {
    case AirportText::LocationIndicator:
        return a.LocationIndicator;
    case AirportText::IataCode:
        return a.IataCode;
    case AirportText::IcaoElev:
        return a.LocationIndicator + "  " + a.Elevation;
    case AirportText::Name15:
        return a.Name.substr(0, 15);
    case AirportText::Name10:
        return a.Name.substr(0, 10);
    case AirportText::Name:
        return a.Name;
    case AirportText::Atis:
        return a.Atis;
    }
    return {};
}

TwipPoint IlsCourseEnd(const MapView &view, const IlsEntry &ils) {
    UnitPoint end{ils.X, ils.Y};
    CalcSegment(ils.X, ils.Y, ReciprocalCourse(RoundToInt32(ils.Course)), 10, end.X, end.Y);
    return ToScreen(view, end.X, end.Y);
}

} // namespace qelvar
