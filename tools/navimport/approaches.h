// Straight-in approaches built from real runway, localizer and navaid data: open sources carry no
// published procedures, so every approach here is a simple synthesized one. Its fixes lie on the
// final approach course: "CF" + runway about 10 NM out, "FF" + runway (the final approach fix)
// 5 NM out, and the runway end "RW" + runway; altitudes follow a 3-degree path.
#pragma once

#include "scenery_model.h"

#include <string>
#include <vector>

namespace qelvar::import {

constexpr double kMetresPerNm = 1852;
constexpr double kCentreLineFixNm = 10, kFinalFixNm = 5;
constexpr double kThresholdCrossingFeet = 50;

// The altitude of a 3-degree path that crosses the threshold 50 ft above its elevation, `nm` out,
// rounded up to the next 100 ft.
double GlidePathAltitudeFeet(double thresholdFeet, double nm);

// "16L" for number "16" and designator "LEFT", "09" for "9" and "NONE"; empty for a number that is
// longer than two characters (such an end has no identifier the approach reader could find).
std::string RunwayEndName(const std::string &number, const std::string &designator);

struct FinalApproachCourse {
    std::string type;               // "ILS" or "GPS"
    std::string runway, designator; // "16", "LEFT"
    std::string endName;            // "16L"
    GeoPoint threshold;             // the runway end
    GeoPoint courseOrigin;          // the localizer antenna (ILS) or the threshold (GPS)
    double trueCourse = 0;          // inbound
    std::string localizerIdent;     // ILS only
};

// The point on the final approach course `nm` before the threshold: for an ILS on the localizer
// line, measured from the threshold's foot point on that line.
GeoPoint FixOnFinal(const FinalApproachCourse &final, double nm);

struct TransitionStart {
    std::string fixType; // "VOR" or "NDB"
    std::string ident;
    GeoPoint position;
};

struct StraightInApproach {
    SceneryApproach approach;
    std::vector<SceneryWaypoint> fixes; // the CF and FF fixes it uses
};

// The approach with legs IF CFxx, CF FFxx, CF RWxx, and one transition (from the station, one TF
// leg to CFxx) for each start. Magnetic courses are true courses minus the variation (east positive).
StraightInApproach BuildStraightInApproach(const FinalApproachCourse &final, double thresholdFeet,
                                           double variationEast, const std::vector<TransitionStart> &starts);

} // namespace qelvar::import
