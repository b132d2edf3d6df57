#include "approaches.h"

#include "nav_lines.h"
#include "runway_checks.h"

#include <cmath>
#include <numbers>
#include <set>

namespace qelvar::import {

double GlidePathAltitudeFeet(double thresholdFeet, double nm, double pathDegrees) {
    double rise = nm * kMetresPerNm * std::tan(pathDegrees * std::numbers::pi / 180) / 0.3048;
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

GeoPoint LandingThreshold(const SceneryRunwayEnd &end) {
    if (end.displacedThresholdMetres <= 0)
        return end.position;
    return DestinationPoint(end.position, end.heading, end.displacedThresholdMetres);
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
    double cfAltitude = GlidePathAltitudeFeet(thresholdFeet, kCentreLineFixNm, final.pathDegrees);
    double ffAltitude = GlidePathAltitudeFeet(thresholdFeet, kFinalFixNm, final.pathDegrees);
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
    if (final.dme) {
        GeoPoint d = *final.dme;
        for (auto [leg, at] : {std::pair{&ap.legs[0], cfPoint}, std::pair{&ap.legs[1], ffPoint},
                               std::pair{&ap.legs[2], final.threshold}})
            leg->rhoMetres = DistanceMetres(at.lat, at.lon, d.lat, d.lon);
    }
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

namespace {

// The ILS of the runway end that an approach can follow, or none; counts the localizers of the end
// (with or without glide slope) that point the wrong way.
const SceneryIls *UsableIls(const SceneryRunway &r, RunwayEndSide side, const SceneryRunwayEnd &end,
                            int &rejected) {
    const SceneryIls *usable = nullptr;
    for (const SceneryIls &ils : r.ils) {
        if (ils.end != side)
            continue;
        if (!LocalizerFitsEnd(ils.heading, end.heading))
            ++rejected;
        else if (ils.glideSlope && !usable)
            usable = &ils;
    }
    return usable;
}

} // namespace

ApproachCounts SynthesizeApproaches(SceneryAirportModel &m, const ApproachSite &site) {
    ApproachCounts counts;
    std::set<std::string> idents;
    for (const SceneryWaypoint &w : m.waypoints)
        idents.insert(w.ident);
    auto addFix = [&](const SceneryWaypoint &w) {
        if (idents.insert(w.ident).second)
            m.waypoints.push_back(w);
    };
    for (const SceneryRunway &r : m.runways) {
        if (r.startType != "RUNWAY")
            continue;
        if (CheckEndOrder(r.primary.number, r.secondary.number, r.primary.heading, site.variationEast) !=
            EndOrder::Right) {
            ++counts.runwaysUnclear;
            continue;
        }
        for (RunwayEndSide side : {RunwayEndSide::Primary, RunwayEndSide::Secondary}) {
            const SceneryRunwayEnd &end = side == RunwayEndSide::Primary ? r.primary : r.secondary;
            std::string endName = RunwayEndName(end.number, end.designator);
            if (endName.empty() || m.approaches.size() == kMaxApproaches)
                continue;
            int rejected = 0;
            const SceneryIls *ils = UsableIls(r, side, end, rejected);
            counts.localizersRejected += rejected;
            if (!ils && !site.scheduledService && rejected == 0)
                continue;
            FinalApproachCourse final;
            final.type = "GPS";
            final.runway = end.number;
            final.designator = end.designator;
            final.endName = endName;
            final.threshold = final.courseOrigin = LandingThreshold(end);
            final.trueCourse = end.heading;
            if (ils) {
                final.type = "ILS";
                final.courseOrigin = ils->position;
                final.trueCourse = ils->heading;
                final.localizerIdent = ils->ident;
                final.pathDegrees = ils->glidePathDegrees;
                final.dme = ils->dme;
            }
            StraightInApproach built =
                BuildStraightInApproach(final, site.thresholdFeet, site.variationEast, site.starts);
            ++(ils ? counts.ils : counts.gps);
            m.approaches.push_back(std::move(built.approach));
            for (const SceneryWaypoint &w : built.fixes)
                addFix(w);
            // Inside a displaced threshold the runway end (the start) is not where aircraft land: a
            // waypoint of the runway fix's name, which the reader looks at first, marks the threshold.
            if (end.displacedThresholdMetres > 0)
                addFix({"NAMED", "RW" + endName, final.threshold});
        }
    }
    if (!m.approaches.empty())
        for (const TransitionStart &t : site.starts)
            addFix({t.fixType, t.ident, t.position});
    return counts;
}

} // namespace qelvar::import
