#include "nmea_writer.h"

#include "nmea_sentence.h"

#include <cmath>
#include <cstdio>

namespace qelvar {

namespace {

std::string Time(int secondOfDay) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%02d", secondOfDay / 3600, secondOfDay / 60 % 60,
                  secondOfDay % 60);
    return text;
}

// "4727.8278,N": whole degrees (degreeDigits wide), minutes with four decimals, hemisphere.
std::string Angle(double degrees, int degreeDigits, char positive, char negative) {
    double magnitude = std::fabs(degrees);
    int whole = static_cast<int>(magnitude);
    double minutes = std::round((magnitude - whole) * 60 * 10000) / 10000;
    if (minutes >= 60) {
        ++whole;
        minutes -= 60;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%07.4f,%c", degreeDigits, whole, minutes,
                  degrees < 0 ? negative : positive);
    return text;
}

std::string Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string Position(const TrackFix &fix) {
    return Angle(fix.latitude, 2, 'N', 'S') + "," + Angle(fix.longitude, 3, 'E', 'W');
}

} // namespace

std::string WithChecksum(const std::string &body) {
    char sum[8];
    std::snprintf(sum, sizeof sum, "*%02X\r\n", NmeaChecksum(body));
    return "$" + body + sum;
}

std::string RmcSentence(const TrackFix &fix, const std::string &ddmmyy, const std::string &talker) {
    return WithChecksum(talker + "RMC," + Time(fix.secondOfDay) + ",A," + Position(fix) + "," +
                        Decimal(fix.groundSpeedKt) + "," + Decimal(fix.trackDeg) + "," + ddmmyy + ",,,A");
}

std::string GgaSentence(const TrackFix &fix, const std::string &talker) {
    return WithChecksum(talker + "GGA," + Time(fix.secondOfDay) + "," + Position(fix) + ",1,08,0.9," +
                        Decimal(fix.altitudeFt * 0.3048) + ",M,0.0,M,,");
}

} // namespace qelvar
