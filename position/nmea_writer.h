// Writing NMEA 0183 sentences, for the kit's own tracks: RMC and GGA of a position, with the
// checksum, ended by CR LF.
#pragma once

#include <string>

namespace qelvar {

struct TrackFix {
    int secondOfDay = 0;  // UTC time stamp, 0 to 86399
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    double groundSpeedKt = 0;
    double trackDeg = 0;   // true
    double altitudeFt = 0; // above mean sea level
};

// "$" + body + "*" + two hex digits + CR LF.
std::string WithChecksum(const std::string &body);

// "$GPRMC,120000,A,4727.8278,N,12218.4651,W,0.0,180.3,010126,,,A*hh": ddmmyy is the date field.
std::string RmcSentence(const TrackFix &fix, const std::string &ddmmyy, const std::string &talker = "GP");
// "$GPGGA,120000,4727.8278,N,12218.4651,W,1,08,0.9,132.0,M,0.0,M,,*hh"
std::string GgaSentence(const TrackFix &fix, const std::string &talker = "GP");

} // namespace qelvar
