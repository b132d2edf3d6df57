#include "maps/mapview/symbols.h"

#include "maps/mapview/geometry.h"
#include "platform/numbers.h"

#include <algorithm>
#include <limits>

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

int32_t LabelLeftOf(int32_t x, int perCharacter, size_t length) {
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();
    // A text longer than the 32-bit range gives an offset beyond it all the same.
    int64_t characters = static_cast<int64_t>(std::min<size_t>(length, static_cast<size_t>(kMax)));
    return static_cast<int32_t>(std::clamp(int64_t{x} - int64_t{perCharacter} * characters, kMin, kMax));
}

TwipPoint IlsCourseEnd(const MapView &view, const IlsEntry &ils) {
    UnitPoint end{ils.X, ils.Y};
    CalcSegment(ils.X, ils.Y, ReciprocalCourse(RoundToInt32(ils.Course)), 10, end.X, end.Y);
    return ToScreen(view, end.X, end.Y);
}

} // namespace qelvar
