// The line formats of the kit's nav files, as the loaders read them.
#pragma once

#include "sources.h"

#include <string>

namespace qelvar::import {

// Whole degrees and minutes of a coordinate, minutes rounded to `decimals` (60.00 carries).
struct DegreesMinutes {
    int degrees = 0;
    double minutes = 0;
    bool negative = false;
};
DegreesMinutes SplitDegrees(double value, int decimals);

// "-11" and "-47.20": the sign on the degrees (unless 0) and on the minutes.
std::string SignedDegrees(const DegreesMinutes &dm);
std::string SignedMinutes(const DegreesMinutes &dm, int decimals);

// "N47 30.50 E011 20.30": latitude first, two-digit latitude and three-digit longitude degrees.
std::string PositionText(double lat, double lon);

// Runways.nav: identifier in columns 1-9, latitude 10-19, longitude 20-30, heading 32-34,
// length in metres 36-40, free text from 41.
std::string RunwayLine(const std::string &identifier, double lat, double lon, int heading, int lengthMetres,
                       const std::string &text);

// Great-circle distance in metres and initial true course in degrees (0 ... 360).
double DistanceMetres(double lat1, double lon1, double lat2, double lon2);
double InitialTrueCourse(double lat1, double lon1, double lat2, double lon2);

// The point reached from `from` along the great circle of the initial true course.
GeoPoint DestinationPoint(GeoPoint from, double trueCourse, double metres);

// How far along the great circle that leaves `from` on the true course the point `p` lies (its
// foot point), negative behind `from`.
double AlongTrackMetres(GeoPoint from, double trueCourse, GeoPoint p);

} // namespace qelvar::import
