// The leg from the aircraft to a point on the WGS 84 ellipsoid.
#pragma once

namespace qelvar {

struct LegToPoint {
    double distanceNm = 0;
    double courseDeg = 0; // initial true course, 0 to 360
};

// Latitudes north positive, longitudes east positive, in degrees.
LegToPoint LegBetween(double lat1, double lon1, double lat2, double lon2);

} // namespace qelvar
