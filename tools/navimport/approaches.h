// Straight-in approaches built from real runway, localizer and navaid data: open sources carry no
// published procedures, so every approach here is a simple synthesized one. Its fixes lie on the
// final approach course: "CF" + runway about 10 NM out, "FF" + runway (the final approach fix)
// 5 NM out, and the landing threshold "RW" + runway; altitudes follow the glide path (the glide
// slope's angle for an ILS, else 3 degrees) that crosses the threshold 50 ft high.
#pragma once

#include "scenery_model.h"

#include <optional>
#include <string>
#include <vector>

namespace qelvar::import {

constexpr double kMetresPerNm = 1852;
constexpr double kCentreLineFixNm = 10, kFinalFixNm = 5;
constexpr double kThresholdCrossingFeet = 50;
constexpr double kDefaultGlidePathDegrees = 3;
constexpr size_t kMaxApproaches = 51; // the approach reader's table

// The altitude of the glide path of `pathDegrees` that crosses the threshold 50 ft above its
// elevation, `nm` out, rounded up to the next 100 ft.
double GlidePathAltitudeFeet(double thresholdFeet, double nm, double pathDegrees = kDefaultGlidePathDegrees);

// "16L" for number "16" and designator "LEFT", "09" for "9" and "NONE"; empty for a number that is
// longer than two characters (such an end has no identifier the approach reader could find).
std::string RunwayEndName(const std::string &number, const std::string &designator);

// Where aircraft land: the displaced threshold inside the runway end, else the end itself.
GeoPoint LandingThreshold(const SceneryRunwayEnd &end);

struct FinalApproachCourse {
    std::string type;               // "ILS" or "GPS"
    std::string runway, designator; // "16", "LEFT"
    std::string endName;            // "16L"
    GeoPoint threshold;             // the landing threshold
    GeoPoint courseOrigin;          // the localizer antenna (ILS) or the threshold (GPS)
    double trueCourse = 0;          // inbound
    std::string localizerIdent;     // ILS only
    double pathDegrees = kDefaultGlidePathDegrees;
    std::optional<GeoPoint> dme; // every fix then carries its distance from it
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

// What the synthesis knows of an airport beyond its runways and their ILS records.
struct ApproachSite {
    double thresholdFeet = 0;            // the elevation of the landing thresholds (the airport's)
    double variationEast = 0;            // the one of the header, for every magnetic course
    bool scheduledService = false;       // then runway ends without an ILS get a GPS approach
    std::vector<TransitionStart> starts; // up to two stations the transitions start from
};

struct ApproachCounts {
    int ils = 0, gps = 0;
    int localizersRejected = 0; // localizers more than 90 degrees off their runway end
    int runwaysUnclear = 0;     // end numbers that fit neither way round: no approach
};

// The one entry point: adds to the airport the approaches of its land runways in runway order (at
// most 51), their CF and FF fixes and displaced-threshold RW fixes as waypoints, and the transition
// stations as waypoints (so that the approach reader, which looks at the file's waypoints first,
// finds every fix where it was built). An end with an ILS (a localizer with glide slope, filed
// under that end and within 90 degrees of its heading) gets an ILS approach; the other ends a GPS
// approach where the airport has scheduled service or a localizer of the end points the wrong way.
// A runway whose end numbers fit neither way round for its heading gets none.
ApproachCounts SynthesizeApproaches(SceneryAirportModel &airport, const ApproachSite &site);

} // namespace qelvar::import
