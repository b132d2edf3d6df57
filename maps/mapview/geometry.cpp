#include "geometry.h"

#include "platform/numbers.h"
#include "platform/runtime_error.h"

#include <cmath>

namespace qelvar {

namespace {

const double kPi = 4 * std::atan(1.0);
constexpr double kDegreesToRadians = 0.0174532925199433; // the literal CalcSegment uses
constexpr int32_t kUnitsPerNauticalMile = 3'600;         // round(38,880,000 / 180 / 60)

// One crossing of a side of the clip rectangle: start + diff * toSide / span. The differences and
// their product are 64-bit, so a long segment far across the picture is clipped like a short one;
// the division and the addition are in double precision, rounded half to even. The crossing lies
// between the segment's two ends, so it fits 32 bits; should it not, that is an Overflow.
int32_t Crossing(int64_t start, int64_t diff, int64_t toSide, int64_t span) {
    int64_t product = diff * toSide;
    return RoundToInt32(static_cast<double>(start) +
                        static_cast<double>(product) / static_cast<double>(span));
}

} // namespace

int CompOutCode(int32_t x, int32_t y, ClipBounds bounds) {
    int code = 0;
    if (y > bounds.bottom)
        code |= kBottom;
    else if (y < 0)
        code |= kTop;
    if (x > bounds.right)
        code |= kRight;
    else if (x < 0)
        code |= kLeft;
    return code;
}

void LineClip(Canvas &canvas, MessageSink &sink, int32_t &x1, int32_t &y1, int32_t &x2, int32_t &y2,
              ClipBounds bounds) {
    try {
        int code1 = CompOutCode(x1, y1, bounds);
        int code2 = CompOutCode(x2, y2, bounds);
        while (true) {
            if (code1 == 0 && code2 == 0)
                break;
            if (code1 != 0 && code2 != 0)
                return; // both ends outside: never drawn
            int outside = code1 != 0 ? code1 : code2;
            int32_t x = 0, y = 0;
            const int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
            if (outside & kBottom) {
                x = Crossing(x1, dx, int64_t{bounds.bottom} - y1, dy);
                y = bounds.bottom;
            } else if (outside & kTop) {
                x = Crossing(x1, dx, 0 - int64_t{y1}, dy);
                y = 0;
            } else if (outside & kRight) {
                y = Crossing(y1, dy, int64_t{bounds.right} - x1, dx);
                x = bounds.right;
            } else {
                y = Crossing(y1, dy, 0 - int64_t{x1}, dx);
                x = 0;
            }
            if (outside == code1) {
                x1 = x;
                y1 = y;
                code1 = CompOutCode(x1, y1, bounds);
            } else {
                x2 = x;
                y2 = y;
                code2 = CompOutCode(x2, y2, bounds);
            }
        }
        canvas.Line(x1, y1, x2, y2);
    } catch (const RuntimeError &error) {
        ShowRoutineError(sink, error, "LineClip", "Module5");
    }
}

void CalcSegment(int32_t x, int32_t y, int32_t c, double d, int32_t &x2, int32_t &y2) {
    const double k = kUnitsPerNauticalMile;
    const double l = k * d;
    auto sinDeg = [](double degrees) { return std::sin(degrees * kDegreesToRadians); };
    if (c >= 0 && c <= 90) {
        x2 = CheckedInt32(static_cast<int64_t>(x) + RoundToInt32(k * d * sinDeg(c)));
        y2 = CheckedInt32(static_cast<int64_t>(y) - RoundToInt32(k * d * sinDeg(90 - c)));
    } else if (c >= 91 && c <= 180) {
        x2 = CheckedInt32(static_cast<int64_t>(x) + RoundToInt32(sinDeg(180 - c) * l));
        y2 = CheckedInt32(static_cast<int64_t>(y) + RoundToInt32(sinDeg(c - 90) * l));
    } else if (c >= 181 && c <= 270) {
        x2 = CheckedInt32(static_cast<int64_t>(x) - RoundToInt32(sinDeg(c - 180) * l));
        y2 = CheckedInt32(static_cast<int64_t>(y) + RoundToInt32(sinDeg(270 - c) * l));
    } else if (c >= 271 && c <= 360) {
        x2 = CheckedInt32(static_cast<int64_t>(x) - RoundToInt32(sinDeg(360 - c) * l));
        y2 = CheckedInt32(static_cast<int64_t>(y) - RoundToInt32(sinDeg(c - 270) * l));
    }
}

double AcosDegrees(double x) {
    if (x >= 1)
        return 0;
    if (x <= -1)
        return 180;
    return -std::atan(x / std::sqrt(1 - x * x)) * (180 / kPi) + 90;
}

double AcosRadians(double x) {
    if (x >= 1)
        return 0;
    if (x <= -1)
        return kPi;
    return std::atan(-x / std::sqrt(1 - x * x)) + 2 * std::atan(1.0);
}

double GreatCircleDistance(double lat1, double lat2, double lon1, double lon2) {
    // Every angle is turned into radians on its own; the longitudes are subtracted afterwards.
    const double r = kPi / 180;
    double a = std::sin(lat1 * r) * std::sin(lat2 * r) +
               std::cos(lat1 * r) * std::cos(lat2 * r) * std::cos(lon1 * r - lon2 * r);
    double c = AcosRadians(a) * (180 / kPi);
    return 0.5 * 7916.6 * 0.86838 * c * (kPi / 180);
}

double InitialCourse(double lon1, double lat1, double lon2, double lat2) {
    const double k = 180 / kPi;
    double delta = AcosDegrees(std::cos(lat1 / k) * std::cos((lon1 - lon2) / k) * std::cos(lat2 / k) +
                               std::sin(lat1 / k) * std::sin(lat2 / k));
    if (delta == 0)
        return 0; // a leg of no length has no direction: read it as north rather than 0/0
    double c = AcosDegrees((std::sin(lat2 / k) - std::sin(lat1 / k) * std::cos(delta / k)) /
                           (std::cos(lat1 / k) * std::sin(delta / k)));
    return std::sin((lon1 - lon2) / k) < 0 ? std::trunc(360 - c) : std::trunc(c);
}

namespace {

// Letter, whole degrees, a blank and the minutes with two decimals (no carry into the degrees).
std::string PositionPart(char letter, double offsetUnits, double limit) {
    double degrees = std::fabs(offsetUnits / 216'000);
    if (degrees > limit)
        degrees = limit;
    double minutes = std::fabs((degrees - std::trunc(degrees)) * 60);
    return letter + std::to_string(static_cast<long>(std::trunc(degrees))) + " " + FixedDecimals(minutes, 2);
}

} // namespace

std::string PositionText(int32_t x, int32_t y, bool twoLines) {
    std::string lon = PositionPart(x <= 38'880'000 ? 'W' : 'E', static_cast<double>(x) - 38'880'000, 180);
    std::string lat = PositionPart(y >= 19'440'000 ? 'S' : 'N', static_cast<double>(y) - 19'440'000, 90);
    return twoLines ? lon + "\r\n " + lat : lon + "  " + lat;
}

} // namespace qelvar
