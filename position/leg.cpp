#include "leg.h"

#include <GeographicLib/Geodesic.hpp>

namespace qelvar {

LegToPoint LegBetween(double lat1, double lon1, double lat2, double lon2) {
    double metres = 0, azimuth1 = 0, azimuth2 = 0;
    GeographicLib::Geodesic::WGS84().Inverse(lat1, lon1, lat2, lon2, metres, azimuth1, azimuth2);
    double course = azimuth1 < 0 ? azimuth1 + 360 : azimuth1;
    return {metres / 1852.0, course};
}

} // namespace qelvar
