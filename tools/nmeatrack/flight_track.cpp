#include "flight_track.h"

#include <GeographicLib/Geodesic.hpp>
#include <algorithm>
#include <cmath>

namespace qelvar {

namespace {

constexpr double kMetresPerNm = 1852;
constexpr double kKseaElevationFt = 433; // 132 m
constexpr double kKbfiElevationFt = 21;

struct Point {
    double lat = 0, lon = 0;
};

const GeographicLib::Geodesic &Earth() {
    return GeographicLib::Geodesic::WGS84();
}

Point Along(Point from, double courseDeg, double nm) {
    Point to;
    Earth().Direct(from.lat, from.lon, courseDeg, nm * kMetresPerNm, to.lat, to.lon);
    return to;
}

double DistanceNm(Point a, Point b) {
    double metres = 0;
    Earth().Inverse(a.lat, a.lon, b.lat, b.lon, metres);
    return metres / kMetresPerNm;
}

double CourseTo(Point a, Point b) {
    double metres = 0, azi1 = 0, azi2 = 0;
    Earth().Inverse(a.lat, a.lon, b.lat, b.lon, metres, azi1, azi2);
    return azi1 < 0 ? azi1 + 360 : azi1;
}

double Toward(double value, double goal, double step) {
    return value < goal ? std::min(goal, value + step) : std::max(goal, value - step);
}

// The flying aircraft, one second at a time.
class Aircraft {
public:
    Aircraft(Point at, double track, double altitude, int clock)
        : at_(at), track_(track), alt_(altitude), clock_(clock) {}

    // Turns toward the course at most turnRate degrees, changes speed and altitude at most by
    // their rates, moves one second, and writes the fix.
    void Second(double course, double speed, double altitude, double turnRate, double speedRate,
                double climbRate) {
        double turn = std::remainder(course - track_, 360.0);
        track_ = std::fmod(track_ + std::clamp(turn, -turnRate, turnRate) + 360, 360);
        gs_ = Toward(gs_, speed, speedRate);
        alt_ = Toward(alt_, altitude, climbRate);
        at_ = Along(at_, track_, gs_ / 3600);
        track.push_back({clock_++ % 86400, at_.lat, at_.lon, gs_, track_, alt_});
    }
    // Flies to the point; false when it has come within `within` NM.
    bool FlyTo(Point to, double within) { return DistanceNm(at_, to) > within; }

    Point at_;
    double track_, gs_ = 0, alt_;
    int clock_;
    std::vector<TrackFix> track;
};

} // namespace

std::vector<TrackFix> DemoFlightTrack(int startSecondOfDay) {
    const Point ksea16L{47 + 27.8278 / 60, -(122 + 18.4651 / 60)};
    const double runway16L = 180.3;
    const Point kbfi13R{47 + 32.4311 / 60, -(122 + 18.6814 / 60)};
    const double runway13R = 150.3;

    Aircraft a(ksea16L, runway16L, kKseaElevationFt, startSecondOfDay);
    for (int i = 0; i < 10; ++i) // lined up, brakes set
        a.Second(runway16L, 0, kKseaElevationFt, 0, 0, 0);
    while (a.gs_ < 145) // the take-off roll
        a.Second(runway16L, 145, kKseaElevationFt, 0, 3.5, 0);

    // The first legs of the route: south, then west, then a base leg to the final of 13R.
    const Point south = Along(ksea16L, runway16L, 6);
    const Point west = Along(south, 270, 5);
    const Point finalFix = Along(kbfi13R, runway13R + 180, 5);
    const Point base = Along(finalFix, runway13R + 90, 3);
    struct Leg {
        Point to;
        double speed, altitude;
    };
    for (const Leg &leg :
         {Leg{south, 180, 3000}, Leg{west, 180, 3000}, Leg{base, 150, 2200}, Leg{finalFix, 140, 1700}})
        while (a.FlyTo(leg.to, 0.6))
            a.Second(CourseTo(a.at_, leg.to), leg.speed, leg.altitude, 3, 2, 25);

    // The final: on the 3° path down to the threshold.
    while (a.FlyTo(kbfi13R, 0.05) &&
           std::fabs(std::remainder(CourseTo(a.at_, kbfi13R) - runway13R, 360.0)) < 90) {
        double glide = kKbfiElevationFt + DistanceNm(a.at_, kbfi13R) * 318;
        a.Second(CourseTo(a.at_, kbfi13R), 130, glide, 3, 2, 20);
    }
    // Touchdown, the roll-out, and the taxi.
    while (a.gs_ > 15)
        a.Second(runway13R, 15, kKbfiElevationFt, 0, 4, 20);
    for (int i = 0; i < 14; ++i) // off the runway to the left, onto the taxiway between the runways
        a.Second(runway13R - 90, 12, kKbfiElevationFt, 10, 2, 0);
    for (int i = 0; i < 90; ++i) // and along it back to the north-west
        a.Second(runway13R + 180, 15, kKbfiElevationFt, 10, 2, 0);
    for (int i = 0; i < 20; ++i)
        a.Second(runway13R + 180, 0, kKbfiElevationFt, 0, 3, 0);
    return a.track;
}

std::string TrackLog(const std::vector<TrackFix> &track, const std::string &ddmmyy) {
    std::string log;
    for (const TrackFix &fix : track)
        log += RmcSentence(fix, ddmmyy) + GgaSentence(fix);
    return log;
}

} // namespace qelvar
