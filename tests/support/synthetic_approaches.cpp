#include "synthetic_approaches.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace qelvar::testing {

namespace {

// The reference point of the made-up airports, and the runways of the large hub: 16L/34R centred
// 700 m west of it, 16R/34L 1,050 m west, both 3,600 and 2,900 m long on a heading of 160°.
constexpr double kRefLat = 47.45, kRefLon = -122.31;
constexpr double kMetresPerMinute = 1852.0;
constexpr double kMetresPerNm = 1852.0;
constexpr double kHeading = 160;

std::string Coordinate(double degrees, char positive, char negative, int degreeDigits) {
    char letter = degrees < 0 ? negative : positive;
    double a = std::fabs(degrees);
    int whole = static_cast<int>(a);
    char text[32];
    std::snprintf(text, sizeof text, "%c%0*d %07.4f", letter, degreeDigits, whole, (a - whole) * 60);
    return text;
}

struct Point {
    double east, north; // metres from the reference point
};

std::string Lat(Point p) {
    return Coordinate(kRefLat + p.north / kMetresPerMinute / 60, 'N', 'S', 2);
}

std::string Lon(Point p) {
    return Coordinate(kRefLon + p.east / (kMetresPerMinute * std::cos(kRefLat * std::numbers::pi / 180)) / 60,
                      'E', 'W', 3);
}

// The point `nm` nautical miles from p on the bearing (degrees true).
Point Along(Point p, double bearing, double nm) {
    double h = bearing * std::numbers::pi / 180;
    return {p.east + std::sin(h) * nm * kMetresPerNm, p.north + std::cos(h) * nm * kMetresPerNm};
}

// The runway ends of the large hub.
Point End(double centreEast, double length, bool first) {
    double half = (first ? -1 : 1) * length / 2;
    double h = kHeading * std::numbers::pi / 180;
    return {centreEast + std::sin(h) * half, std::cos(h) * half};
}

class Writer {
public:
    void Line(int depth, const std::string &text) { xml += std::string(depth, '\t') + text + "\r\n"; }
    void Attr(int depth, const char *name, const std::string &value, const char *end = "") {
        Line(depth, std::string(name) + "=\"" + value + "\"" + end);
    }

    void Ndb(const std::string &ident, const std::string &name, const std::string &frequency, Point p) {
        Line(1, "<Ndb type=\"H\"");
        Attr(2, "lat", Lat(p));
        Attr(2, "lon", Lon(p));
        Attr(2, "alt", "0.0M");
        Attr(2, "frequency", frequency);
        Attr(2, "range", "46300.0M");
        Attr(2, "magvar", "341.0");
        Attr(2, "region", "K1");
        Attr(2, "ident", ident);
        Attr(2, "name", name, "/>");
    }

    void Waypoint(const std::string &ident, Point p) {
        Line(1, "<Waypoint waypointType=\"NAMED\"");
        Attr(2, "waypointRegion", "K1");
        Attr(2, "magvar", "341.0");
        Attr(2, "waypointIdent", ident);
        Attr(2, "lat", Lat(p));
        Attr(2, "lon", Lon(p), ">");
        Line(1, "</Waypoint>");
    }

    struct Leg {
        const char *type, *fixType, *fix;
        std::string course, altitude, rho, recommended;
    };

    void Legs(int depth, const std::vector<Leg> &legs) {
        for (const Leg &leg : legs) {
            Line(depth, std::string("<Leg type=\"") + leg.type + "\"");
            Attr(depth + 1, "fixType", leg.fixType);
            Attr(depth + 1, "fixRegion", "K1");
            Attr(depth + 1, "fixIdent", leg.fix);
            Attr(depth + 1, "flyOver", "FALSE");
            if (!leg.recommended.empty())
                Attr(depth + 1, "recommendedIdent", leg.recommended);
            if (!leg.rho.empty())
                Attr(depth + 1, "rho", leg.rho);
            if (!leg.course.empty())
                Attr(depth + 1, "magneticCourse", leg.course);
            if (!leg.altitude.empty())
                Attr(depth + 1, "altitude1", leg.altitude);
            Line(depth + 1, "/>");
        }
    }

    void BeginApproach(const char *type, const char *runway, const char *designator, const char *heading,
                       const std::vector<Leg> &legs) {
        Line(1, std::string("<Approach type=\"") + type + "\"");
        Attr(2, "runway", runway);
        Attr(2, "designator", designator);
        Attr(2, "suffix", "0");
        Attr(2, "gpsOverlay", "FALSE");
        Attr(2, "fixType", legs.back().fixType);
        Attr(2, "fixRegion", "K1");
        Attr(2, "fixIdent", legs.back().fix);
        Attr(2, "altitude", "609.6M");
        Attr(2, "heading", heading);
        Attr(2, "missedAltitude", "609.6M", ">");
        Line(2, "<ApproachLegs>");
        Legs(3, legs);
        Line(2, "</ApproachLegs>");
    }

    void Transition(const char *fixType, const char *fix, const std::vector<Leg> &legs) {
        Line(2, "<Transition transitionType=\"FULL\"");
        Attr(3, "fixType", fixType);
        Attr(3, "fixRegion", "K1");
        Attr(3, "fixIdent", fix);
        Attr(3, "altitude", "1828.8M", ">");
        Line(3, "<TransitionLegs>");
        Legs(4, legs);
        Line(3, "</TransitionLegs>");
        Line(2, "</Transition>");
    }

    void EndApproach() { Line(1, "</Approach>"); }

    std::string xml;
};

// A distance in the file's rho unit, which the chart divides by 2053 for its DME figure.
std::string Rho(double dme) {
    return std::to_string(static_cast<int>(dme * 2053)) + ".0";
}

} // namespace

std::string SyntheticApproachElements() {
    Point threshold16L = End(-700, 3600, true), threshold16R = End(-1050, 2900, true);
    Point threshold34R = End(-700, 3600, false), threshold34L = End(-1050, 2900, false);
    double back = kHeading + 180; // from the 16 thresholds out to the north-north-west

    Writer w;
    w.Ndb("NX", "NORTH", "362.0", Along(threshold16L, back, 7));
    w.Ndb("SX", "SOUTH", "284.0", Along(threshold34R, kHeading, 9));
    w.Waypoint("CF16L", Along(threshold16L, back, 11));
    w.Waypoint("FF16L", Along(threshold16L, back, 5.5));
    w.Waypoint("CF16R", Along(threshold16R, back, 12));
    w.Waypoint("FF16R", Along(threshold16R, back, 6));
    w.Waypoint("BRAVO", Along(threshold34R, kHeading, 10));
    w.Waypoint("CHRLY", Along(threshold34R, kHeading, 5));
    w.Waypoint("ALPHA", Along(Along(threshold34R, kHeading, 10), kHeading - 90, 5));
    w.Waypoint("DELTA", Along(Along(threshold34L, kHeading, 12), kHeading + 90, 6));
    w.Waypoint("ECHOO", Along(threshold16L, back - 60, 14));

    w.BeginApproach("ILS", "16", "LEFT", "160.0",
                    {{"IF", "TERMINAL_WAYPOINT", "CF16L", "", "4000.0F", Rho(12), "I16L"},
                     {"CF", "TERMINAL_WAYPOINT", "FF16L", "160.0", "2200.0F", Rho(6.5), "I16L"},
                     {"CF", "RUNWAY", "RW16L", "160.0", "430.0F", "", "I16L"}});
    w.Transition("VOR", "PAE",
                 {{"IF", "VOR", "PAE", "", "5000.0F", "", ""},
                  {"TF", "TERMINAL_WAYPOINT", "CF16L", "165.0", "4000.0F", "", ""}});
    w.Transition("WAYPOINT", "ECHOO",
                 {{"IF", "TERMINAL_WAYPOINT", "ECHOO", "", "5000.0F", "", ""},
                  {"TF", "TERMINAL_WAYPOINT", "CF16L", "100.0", "4000.0F", "", ""}});
    w.EndApproach();

    w.BeginApproach("ILS", "16", "RIGHT", "160.0",
                    {{"IF", "TERMINAL_WAYPOINT", "CF16R", "", "4000.0F", Rho(13), "I16R"},
                     {"CF", "TERMINAL_WAYPOINT", "FF16R", "160.0", "2300.0F", Rho(7), "I16R"},
                     {"CF", "RUNWAY", "RW16R", "160.0", "430.0F", "", "I16R"}});
    w.Transition("VOR", "PAE",
                 {{"IF", "VOR", "PAE", "", "5000.0F", "", ""},
                  {"TF", "TERMINAL_WAYPOINT", "CF16R", "170.0", "4000.0F", "", ""}});
    w.Transition("NDB", "NX", {{"IF", "NDB", "NX", "", "4000.0F", "", ""}});
    w.EndApproach();

    w.BeginApproach("GPS", "34", "RIGHT", "340.0",
                    {{"IF", "TERMINAL_WAYPOINT", "ALPHA", "", "4000.0F", "", ""},
                     {"TF", "TERMINAL_WAYPOINT", "BRAVO", "250.0", "3000.0F", "", ""},
                     {"TF", "TERMINAL_WAYPOINT", "CHRLY", "340.0", "1800.0F", "", ""},
                     {"TF", "RUNWAY", "RW34R", "340.0", "450.0F", "", ""}});
    w.Transition("INT", "ALPHA", {{"IF", "TERMINAL_WAYPOINT", "ALPHA", "", "4000.0F", "", ""}});
    w.EndApproach();

    w.BeginApproach("VORDME", "34", "LEFT", "340.0",
                    {{"IF", "TERMINAL_WAYPOINT", "DELTA", "", "3500.0F", "", "SEA"},
                     {"TF", "NDB", "SX", "070.0", "2500.0F", "", "SEA"},
                     {"CF", "RUNWAY", "RW34L", "340.0", "450.0F", "", "SEA"}});
    w.EndApproach();

    w.BeginApproach(
        "NDB", "9", "NONE", "90.0",
        {{"IF", "NDB", "NX", "", "3000.0F", "", ""}, {"TF", "RUNWAY", "RW09", "160.0", "450.0F", "", ""}});
    w.EndApproach();
    return w.xml;
}

std::string WithSyntheticApproaches(const std::string &airportXml) {
    size_t end = airportXml.rfind("</Airport>");
    if (end == std::string::npos)
        return airportXml;
    return airportXml.substr(0, end) + SyntheticApproachElements() + airportXml.substr(end);
}

} // namespace qelvar::testing
