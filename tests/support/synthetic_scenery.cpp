#include "synthetic_scenery.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace qelvar::testing {

namespace {

constexpr double kRefLat = 47.45, kRefLon = -122.31; // the reference point of every made-up airport
constexpr double kMetresPerMinute = 1852.0;

// "N47 27.0000" / "W122 18.6000" of a point east and north of the reference point in metres.
std::string Coordinate(double degrees, char positive, char negative, int degreeDigits) {
    char letter = degrees < 0 ? negative : positive;
    double a = std::fabs(degrees);
    int whole = static_cast<int>(a);
    double minutes = (a - whole) * 60;
    char text[32];
    std::snprintf(text, sizeof text, "%c%0*d %07.4f", letter, degreeDigits, whole, minutes);
    return text;
}

struct Position {
    std::string lat, lon;
};

Position At(double east, double north) {
    double lat = kRefLat + north / kMetresPerMinute / 60;
    double lon = kRefLon + east / (kMetresPerMinute * std::cos(kRefLat * M_PI / 180)) / 60;
    return {Coordinate(lat, 'N', 'S', 2), Coordinate(lon, 'E', 'W', 3)};
}

class Writer {
public:
    void Line(int depth, const std::string &text) { xml += std::string(depth, '\t') + text + "\r\n"; }
    void Attr(int depth, const char *name, const std::string &value, const char *end = "") {
        Line(depth, std::string(name) + "=\"" + value + "\"" + end);
    }
    std::string xml;
};

struct RunwaySpec {
    double east, north;      // centre, metres from the reference point
    double heading;          // of the first end, degrees true
    double length, width;    // metres
    std::string number;      // of the first end: "16"
    std::string other;       // of the second end: "34"
    std::string designator1; // "LEFT", "NONE", ...
    std::string designator2;
    std::string surface;
    bool ils = false;
};

std::string Fixed(double v, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

class AirportWriter {
public:
    AirportWriter(const std::string &ident, const std::string &city, const std::string &name) {
        w_.Line(0, "<?xml version=\"1.0\" encoding=\"Windows-1252\"?>");
        w_.Line(0, "<FSData version=\"9.0\">");
        w_.Line(0, "<Airport ident=\"" + ident + "\"");
        w_.Attr(1, "country", "United States");
        w_.Attr(1, "state", "Washington");
        w_.Attr(1, "city", city);
        w_.Attr(1, "name", name);
        Position p = At(0, 0);
        w_.Attr(1, "lat", p.lat);
        w_.Attr(1, "lon", p.lon);
        w_.Attr(1, "alt", "131.97M");
        w_.Attr(1, "magvar", "341.0", ">");
    }

    void Tower(double east, double north) {
        Position p = At(east, north);
        w_.Line(1, "<Tower");
        w_.Attr(2, "lat", p.lat);
        w_.Attr(2, "lon", p.lon);
        w_.Attr(2, "alt", "40.0M", "/>");
    }

    void Com(const std::string &type, const std::string &frequency, const std::string &name) {
        w_.Line(1, "<Com type=\"" + type + "\"");
        w_.Attr(2, "frequency", frequency);
        w_.Attr(2, "name", name, "/>");
    }

    // The runway element, then its two starts (the diagram pairs starts 2p and 2p + 1 with runway p).
    void Runway(const RunwaySpec &r, std::vector<Position> &ends) {
        double h = r.heading * M_PI / 180;
        double dx = std::sin(h) * r.length / 2, dy = std::cos(h) * r.length / 2;
        Position c = At(r.east, r.north);
        w_.Line(1, "<Runway number=\"" + r.number + "\" designator=\"" + r.designator1 + "\"");
        w_.Attr(2, "lat", c.lat);
        w_.Attr(2, "lon", c.lon);
        w_.Attr(2, "length", Fixed(r.length, 1) + "M");
        w_.Attr(2, "width", Fixed(r.width, 1) + "M");
        w_.Attr(2, "heading", Fixed(r.heading, 1));
        w_.Attr(2, "surface", r.surface, ">");
        w_.Line(2, "<Markings edges=\"TRUE\"/>");
        w_.Line(2, "<Vasi end=\"PRIMARY\" side=\"LEFT\"");
        w_.Attr(3, "type", "PAPI4");
        w_.Attr(3, "spacing", "9.0M", "/>");
        w_.Line(2, "<Vasi end=\"SECONDARY\" side=\"RIGHT\"");
        w_.Attr(3, "type", "PAPI4");
        w_.Attr(3, "spacing", "9.0M", "/>");
        if (r.ils) {
            w_.Line(2, "<Ils end=\"PRIMARY\" ident=\"I" + r.number + r.designator1.substr(0, 1) + "\"");
            w_.Attr(3, "frequency", Fixed(108.9 + ils_++ * 0.4, 2));
            w_.Attr(3, "heading", Fixed(r.heading, 1));
            w_.Attr(3, "name", "ILS RW" + r.number + r.designator1.substr(0, 1), "/>");
        }
        w_.Line(1, "</Runway>");
        w_.Line(0, "");
        Position a = At(r.east - dx, r.north - dy), b = At(r.east + dx, r.north + dy);
        Start("RUNWAY", r.number, r.designator1, a, r.heading);
        Start("RUNWAY", r.other, r.designator2, b, std::fmod(r.heading + 180, 360));
        ends.push_back(a);
        ends.push_back(b);
    }

    void Start(const std::string &type, const std::string &number, const std::string &designator,
               const Position &p, double heading) {
        w_.Line(1, "<Start type=\"" + type + "\"");
        w_.Line(2, "number=\"" + number + "\" designator=\"" + designator + "\"");
        w_.Attr(2, "lat", p.lat);
        w_.Attr(2, "lon", p.lon);
        w_.Attr(2, "alt", "131.0M");
        w_.Attr(2, "heading", Fixed(heading, 1), "/>");
    }

    int Point(double east, double north, const char *type = "NORMAL") {
        Position p = At(east, north);
        w_.Line(1, "<TaxiwayPoint index=\"" + std::to_string(points_) + "\"");
        w_.Attr(2, "type", type);
        w_.Attr(2, "lat", p.lat);
        w_.Attr(2, "lon", p.lon, "/>");
        return points_++;
    }

    void Parking(double east, double north, const char *type, const std::string &name, int number,
                 double heading) {
        Position p = At(east, north);
        w_.Line(1, "<TaxiwayParking index=\"" + std::to_string(parking_++) + "\"");
        w_.Attr(2, "type", type);
        w_.Attr(2, "name", name);
        w_.Attr(2, "number", std::to_string(number));
        w_.Attr(2, "lat", p.lat);
        w_.Attr(2, "lon", p.lon);
        w_.Attr(2, "heading", Fixed(heading, 1), "/>");
    }

    void Name(const std::string &name) {
        w_.Line(1, "<TaxiName index=\"" + std::to_string(names_++) + "\" name=\"" + name + "\"/>");
    }

    void Path(int from, int to, const char *type, int name, double width) {
        w_.Line(1, "<TaxiwayPath start=\"" + std::to_string(from) + "\" end=\"" + std::to_string(to) + "\"");
        w_.Attr(2, "type", type);
        w_.Attr(2, "name", std::to_string(name));
        w_.Attr(2, "width", Fixed(width, 1) + "M", "/>");
    }

    void Apron(const std::vector<std::pair<double, double>> &corners) {
        w_.Line(2, "<Apron surface=\"CONCRETE\">");
        for (auto [east, north] : corners) {
            Position p = At(east, north);
            w_.Line(3, "<Vertex lat=\"" + p.lat + "\" lon=\"" + p.lon + "\"/>");
        }
        w_.Line(2, "</Apron>");
        w_.Line(0, "");
    }

    void Fence(const std::vector<std::pair<double, double>> &corners) {
        w_.Line(1, "<BoundaryFence profile=\"CHAIN_LINK\">");
        for (auto [east, north] : corners) {
            Position p = At(east, north);
            w_.Line(2, "<Vertex lat=\"" + p.lat + "\" lon=\"" + p.lon + "\"/>");
        }
        w_.Line(1, "</BoundaryFence>");
    }

    void Raw(int depth, const std::string &text) { w_.Line(depth, text); }

    std::string Finish() {
        w_.Line(0, "</Airport>");
        w_.Line(0, "</FSData>");
        return w_.xml;
    }

private:
    Writer w_;
    int points_ = 0, parking_ = 0, names_ = 0, ils_ = 0;
};

// Two parallel runways 16/34 and a crossing 09/27, a taxiway beside each parallel runway with
// connectors, a terminal with piers of gates on its apron, a cargo ramp, fuel, a fence round it all.
std::string LargeHub(const std::string &ident, int size) {
    AirportWriter a(ident, "Seattle", "Made-up Intl");
    a.Tower(350, 300);
    a.Com("ATIS", "118.000", "HUB ATIS");
    a.Com("TOWER", "119.900", "HUB TOWER");
    a.Com("GROUND", "121.700", "HUB GROUND");
    a.Com("APPROACH", "120.400", "HUB APPROACH");
    a.Com("CLEARANCE", "128.000", "HUB DELIVERY");
    std::vector<Position> ends;
    const double h = 160;
    a.Runway({-700, 0, h, 3600, 60, "16", "34", "LEFT", "RIGHT", "ASPHALT", true}, ends);
    a.Runway({-1050, 0, h, 2900, 45, "16", "34", "RIGHT", "LEFT", "CONCRETE", true}, ends);
    a.Runway({-300, -1700, 90, 2100, 45, "9", "27", "NONE", "NONE", "ASPHALT", false}, ends);

    const char *names[] = {"A", "B", "C", "D", "E", "F", "G", "H", "J", "K", "L", "M", "N", "P", "Q", "R"};
    for (const char *n : names)
        a.Name(n);
    double hr = h * M_PI / 180;
    double ax = std::sin(hr), ay = std::cos(hr);  // along the parallel runways
    double px = std::cos(hr), py = -std::sin(hr); // square to them, to the east
    struct Path {
        int from, to;
        const char *type;
        int name;
        double width;
    };
    std::vector<Path> paths;
    // Taxiways A (east of 16L) and B (between the runways), points every 60 / size metres.
    int steps = 60 * size;
    std::vector<int> taxiA, taxiB, runwayL;
    for (int i = 0; i <= steps; ++i) {
        double s = -1750 + 3500.0 * i / steps;
        taxiA.push_back(a.Point(-700 + 190 * px + s * ax, 190 * py + s * ay));
        taxiB.push_back(a.Point(-875 + s * ax, s * ay, i % 10 == 5 ? "HOLD_SHORT" : "NORMAL"));
        runwayL.push_back(a.Point(-700 + s * ax, s * ay, i % 10 == 0 ? "ILS_HOLD_SHORT" : "NORMAL"));
    }
    for (int i = 0; i < steps; ++i) {
        paths.push_back({taxiA[i], taxiA[i + 1], "TAXI", 0, 23});
        paths.push_back({taxiB[i], taxiB[i + 1], "TAXI", 1, 23});
        paths.push_back({runwayL[i], runwayL[i + 1], "RUNWAY", 0, 60});
        if (i % 6 == 0) { // connectors C, D, E, ... from A over the runway to B
            int name = 2 + (i / 6) % 14;
            paths.push_back({taxiA[i], runwayL[i], "TAXI", name, 23});
            paths.push_back({runwayL[i], taxiB[i], "TAXI", name, 23});
        }
    }
    // The terminal: an apron east of taxiway A with piers of gates and lanes between them.
    double apronWest = -420, apronEast = 250, apronSouth = -1200, apronNorth = 1200;
    a.Raw(1, "<Aprons>");
    a.Apron(
        {{apronWest, apronSouth}, {apronEast, apronSouth}, {apronEast, apronNorth}, {apronWest, apronNorth}});
    a.Apron({{-300, -1500}, {300, -1500}, {300, -1300}, {-300, -1300}});
    a.Raw(1, "</Aprons>");
    int gates = 0;
    for (int pier = 0; pier < 4 * size; ++pier) {
        double north = apronSouth + 150 + pier * (2200.0 / (4 * size));
        // A lane along the pier, joined to taxiway A.
        std::vector<int> lane;
        for (int k = 0; k <= 8; ++k)
            lane.push_back(a.Point(apronWest + k * 80, north));
        for (int k = 0; k < 8; ++k)
            paths.push_back({lane[k], lane[k + 1], "PARKING", 0, 20});
        std::string letter(1, static_cast<char>('A' + pier % 26));
        for (int k = 0; k < 8; ++k) {
            a.Parking(apronWest + 40 + k * 80, north + 60, "GATE_MEDIUM", "GATE_" + letter, ++gates, 180);
            a.Parking(apronWest + 40 + k * 80, north - 60, "GATE_HEAVY", "GATE_" + letter, ++gates, 0);
        }
        paths.push_back({taxiA[std::min(steps, steps / 2 + pier - 2 * size)], lane[0], "TAXI", 15, 23});
    }
    // A general-aviation ramp and fuel south of the crossing runway, with vehicle roads.
    int ramp = 0;
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 10; ++k)
            a.Parking(-250 + k * 50, -1460 + r * 60, "RAMP_GA_SMALL", "PARKING", ++ramp, 90 + 30 * r);
    a.Parking(260, -1460, "FUEL", "FUEL", 1, 0);
    int v1 = a.Point(400, -1600), v2 = a.Point(400, 1300), v3 = a.Point(100, 1400);
    paths.push_back({v1, v2, "VEHICLE", 0, 5});
    paths.push_back({v2, v3, "VEHICLE", 0, 5});
    for (const Path &p : paths)
        a.Path(p.from, p.to, p.type, p.name, p.width);
    a.Fence({{-1600, -2300}, {600, -2300}, {600, 2300}, {-1600, 2300}, {-1600, -2300}});
    a.Raw(1, "<ApronEdgeLights>");
    a.Raw(2, "<EdgeLights>");
    a.Raw(3, "<Vertex lat=\"N47 27.0000\" lon=\"W122 18.6000\"/>");
    a.Raw(2, "</EdgeLights>");
    a.Raw(1, "</ApronEdgeLights>");
    return a.Finish();
}

// Two runways and taxiways drawn as plain paths, as older scenery has them: no taxiway names.
std::string LegacyTaxiways(const std::string &ident) {
    AirportWriter a(ident, "Renton", "Legacy Field");
    a.Tower(150, 250);
    a.Com("CTAF", "122.800", "LEGACY TRAFFIC");
    std::vector<Position> ends;
    a.Runway({0, 0, 157, 1600, 30, "16", "34", "NONE", "NONE", "ASPHALT", false}, ends);
    a.Runway({-200, -300, 37, 900, 20, "4", "22", "NONE", "NONE", "GRAVEL", false}, ends);
    double hr = 157 * M_PI / 180;
    std::vector<int> points;
    for (int i = 0; i <= 16; ++i) {
        double s = -800 + 100.0 * i;
        points.push_back(
            a.Point(120 * std::cos(hr) + s * std::sin(hr), -120 * std::sin(hr) + s * std::cos(hr)));
    }
    for (int i = 0; i < 16; ++i)
        a.Path(points[i], points[i + 1], "PATH", 0, 15);
    for (int k = 0; k < 8; ++k)
        a.Parking(260 + k * 40, -100, "RAMP_GA_SMALL", "PARKING", k + 1, 67);
    return a.Finish();
}

// A grass runway, a water runway and a helipad, without ILS.
std::string NoIls(const std::string &ident) {
    AirportWriter a(ident, "Lake Town", "Seaplane and Grass");
    a.Com("UNICOM", "122.700", "LAKE UNICOM");
    std::vector<Position> ends;
    a.Runway({0, 0, 120, 800, 25, "12", "30", "NONE", "NONE", "GRASS", false}, ends);
    a.Runway({0, -600, 60, 1500, 60, "6", "24", "WATER", "WATER", "WATER", false}, ends);
    a.Start("HELIPAD", "1", "NONE", At(250, 200), 0);
    a.Start("HELIPAD", "1", "NONE", At(250, 200), 0);
    int p1 = a.Point(-150, 150), p2 = a.Point(150, 150, "HOLD_SHORT");
    a.Path(p1, p2, "TAXI", 0, 12);
    a.Name("A");
    a.Parking(-150, 200, "RAMP_GA_SMALL", "PARKING", 1, 180);
    a.Parking(-100, 200, "FUEL", "FUEL", 2, 180);
    return a.Finish();
}

} // namespace

std::string SyntheticSceneryXml(SyntheticKind kind, const std::string &ident, int size) {
    switch (kind) {
    case SyntheticKind::LargeHub:
        return LargeHub(ident, size);
    case SyntheticKind::LegacyTaxiways:
        return LegacyTaxiways(ident);
    case SyntheticKind::NoIls:
        return NoIls(ident);
    }
    return {};
}

} // namespace qelvar::testing
