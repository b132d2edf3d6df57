#include "approaches.h"

#include "nav_lines.h"

#include <cmath>
#include <numbers>

namespace qelvar::import {

double GlidePathAltitudeFeet(double thresholdFeet, double nm) {
    double rise = nm * kMetresPerNm * std::tan(3.0 * std::numbers::pi / 180) / 0.3048;
    // A hair below each hundred stays there, whatever the last bit of the floating-point sum.
    return std::ceil((thresholdFeet + kThresholdCrossingFeet + rise) / 100 - 1e-9) * 100;
}

std::string RunwayEndName(const std::string &number, const std::string &designator) {
    if (number.empty() || number.size() > 2)
        return "";
    std::string name = number.size() == 1 ? "0" + number : number;
    if (!designator.empty() && designator != "NONE")
        name += designator.front();
    return name;
}

GeoPoint FixOnFinal(const FinalApproachCourse &final, double nm) {
    double outbound = std::fmod(final.trueCourse + 180, 360);
    double thresholdOut = AlongTrackMetres(final.courseOrigin, outbound, final.threshold);
    return DestinationPoint(final.courseOrigin, outbound, thresholdOut + nm * kMetresPerNm);
}

namespace {

double Magnetic(double trueCourse, double variationEast) {
    double c = std::fmod(trueCourse - variationEast, 360);
    return c < 0 ? c + 360 : c;
}

SceneryLeg Leg(const std::string &type, const std::string &fixType, const std::string &ident, double course,
               double altitudeFeet) {
    SceneryLeg leg;
    leg.type = type;
    leg.fixType = fixType;
    leg.fixIdent = ident;
    leg.magneticCourse = course;
    leg.altitudeFeet = altitudeFeet;
    return leg;
}

} // namespace

StraightInApproach BuildStraightInApproach(const FinalApproachCourse &final, double thresholdFeet,
                                           double variationEast, const std::vector<TransitionStart> &starts) {
    std::string cf = "CF" + final.endName, ff = "FF" + final.endName, rw = "RW" + final.endName;
    GeoPoint cfPoint = FixOnFinal(final, kCentreLineFixNm), ffPoint = FixOnFinal(final, kFinalFixNm);
    double cfAltitude = GlidePathAltitudeFeet(thresholdFeet, kCentreLineFixNm);
    double ffAltitude = GlidePathAltitudeFeet(thresholdFeet, kFinalFixNm);
    double runwayAltitude = std::round(thresholdFeet + kThresholdCrossingFeet);
    double course = Magnetic(final.trueCourse, variationEast);

    StraightInApproach result;
    SceneryApproach &ap = result.approach;
    ap.type = final.type;
    ap.runway = final.runway;
    ap.designator = final.designator;
    ap.fixType = "TERMINAL_WAYPOINT";
    ap.fixIdent = ff;
    ap.altitudeFeet = ffAltitude;
    ap.heading = course;
    ap.legs = {Leg("IF", "TERMINAL_WAYPOINT", cf, course, cfAltitude),
               Leg("CF", "TERMINAL_WAYPOINT", ff, course, ffAltitude),
               Leg("CF", "RUNWAY", rw, course, runwayAltitude)};
    if (!final.localizerIdent.empty())
        for (SceneryLeg &leg : ap.legs)
            if (leg.type == "CF") {
                leg.recommendedType = "LOCALIZER";
                leg.recommendedIdent = final.localizerIdent;
            }
    for (const TransitionStart &s : starts) {
        SceneryTransition t;
        t.fixType = s.fixType;
        t.fixIdent = s.ident;
        t.altitudeFeet = cfAltitude;
        double toCentreLineFix = InitialTrueCourse(s.position.lat, s.position.lon, cfPoint.lat, cfPoint.lon);
        // The transition starts at its station (the transition's fix) and leads to CFxx.
        t.legs = {Leg("TF", "TERMINAL_WAYPOINT", cf, Magnetic(toCentreLineFix, variationEast), cfAltitude)};
        ap.transitions.push_back(std::move(t));
    }
    result.fixes = {{"NAMED", cf, cfPoint}, {"FAF", ff, ffPoint}};
    return result;
}

} // namespace qelvar::import
