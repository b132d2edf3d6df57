#include "placing.h"

#include "maps/navdata/nav_database.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

#include <cmath>

namespace qelvar {

double DegreesMinutesUnits(double wholeDegrees, double minutes) {
    return std::fabs(wholeDegrees * kUnitsPerDegree) + std::fabs(RoundHalfEven(minutes * kUnitsPerMinute));
}

double CombinedUnits(double degrees, double minutes) {
    return std::fabs(RoundHalfEven(degrees * kUnitsPerDegree + minutes * kUnitsPerMinute));
}

int32_t LongitudeToX(double units, bool west) {
    return CheckedInt32(west ? kGreenwichX - units : kGreenwichX + units);
}

int32_t LatitudeToY(double units, bool south) {
    return CheckedInt32(south ? kEquatorY + units : kEquatorY - units);
}

namespace {

// One half of a position text: the hemisphere letter with the whole degrees, then the minutes.
double HalfUnits(const std::string &lettered, const std::string &minutes, char positive, char negative,
                 bool &isNegative) {
    if (lettered.empty() || (lettered[0] != positive && lettered[0] != negative))
        throw RuntimeError(kTypeMismatch);
    isNegative = lettered[0] == negative;
    double degrees = std::fabs(static_cast<double>(ParseWholeNumber(lettered.substr(1))));
    return DegreesMinutesUnits(degrees, std::fabs(ParseDecimal(minutes)));
}

} // namespace

MapPoint ParsePositionText(const std::string &text) {
    std::vector<std::string> fields = SplitFields(text, ' ');
    if (fields.size() < 4)
        throw RuntimeError(kTypeMismatch);
    bool south = false;
    bool west = false;
    double latitude = HalfUnits(fields[0], fields[1], 'N', 'S', south);
    double longitude = HalfUnits(fields[2], fields[3], 'E', 'W', west);
    return {LongitudeToX(longitude, west), LatitudeToY(latitude, south)};
}

} // namespace qelvar
