#include "scenery_writer.h"

#include "platform/numbers.h"
#include "platform/text_files.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace qelvar::import {

namespace {

std::string CoordinateText(double degrees, char positive, char negative) {
    // Whole ten-thousandths of a minute, so that 59.99996' carries into the next degree.
    long long units = std::llround(std::fabs(degrees) * 600000.0);
    bool south = degrees < 0 && units != 0;
    long long whole = units / 600000, rest = units % 600000;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%c%lld %02lld.%04lld", south ? negative : positive, whole,
                  rest / 10000, rest % 10000);
    return buffer;
}

// Angles in 0 ... 360 with one decimal; a value that rounds to 360.0 is 0.0.
std::string HeadingText(double degrees) {
    double h = std::fmod(degrees, 360.0);
    if (h < 0)
        h += 360;
    std::string text = FixedDecimals(h, 1);
    return text == "360.0" ? "0.0" : text;
}

// Courses in 0 ... 360 with one decimal, north written as 360.0.
std::string CourseText(double degrees) {
    std::string text = HeadingText(degrees);
    return text == "0.0" ? "360.0" : text;
}

std::string Metres(double metres) {
    return FixedDecimals(metres, 1) + "M";
}

std::string Feet(double feet) {
    return FixedDecimals(feet, 0) + "F";
}

std::string Mhz(double mhz) {
    return FixedDecimals(mhz, 3);
}

const char *EndText(RunwayEndSide end) {
    return end == RunwayEndSide::Primary ? "PRIMARY" : "SECONDARY";
}

using Attribute = std::pair<std::string, std::string>;

std::string AttributeText(const Attribute &a) {
    return a.first + "=\"" + XmlAttributeText(a.second) + "\"";
}

// The lines of the file, with the indentation of the element being written.
class FileLines {
public:
    // Every line starts at the left margin: indentation would make the files about a twentieth
    // larger, and the reader skips leading blanks anyway.
    void Line(const std::string &text) { lines_.push_back(text); }

    // "<Tag first="..." [second="..."]" on one line; a tag alone when there are no attributes.
    void Open(const std::string &tag, std::initializer_list<Attribute> onFirstLine) {
        std::string text = "<" + tag;
        for (const Attribute &a : onFirstLine)
            text += " " + AttributeText(a);
        Line(text);
    }
    void Attr(const std::string &name, const std::string &value) { Line(AttributeText({name, value})); }
    void Pair(const Attribute &first, const Attribute &second) {
        Line(AttributeText(first) + " " + AttributeText(second));
    }
    void EndEmpty() { lines_.back() += "/>"; }
    void EndOpen() { lines_.back() += ">"; }
    void Close(const std::string &tag) { Line("</" + tag + ">"); }

    void Position(GeoPoint p) {
        Attr("lat", LatitudeText(p.lat));
        Attr("lon", LongitudeText(p.lon));
    }
    void Vertex(GeoPoint p) {
        Open("Vertex", {{"lat", LatitudeText(p.lat)}, {"lon", LongitudeText(p.lon)}});
        EndEmpty();
    }

    std::string Text() const { return JoinCrLf(lines_); }

private:
    std::vector<std::string> lines_;
};

void WriteHeader(FileLines &f, const SceneryAirportModel &a) {
    f.Open("Airport", {{"ident", a.ident}});
    f.Attr("country", a.country);
    f.Attr("state", a.state);
    f.Attr("city", a.city);
    f.Attr("name", a.name);
    f.Position(a.position);
    f.Attr("alt", Metres(a.altMetres));
    f.Attr("magvar", FixedDecimals(std::fmod(a.magvar + 360.0, 360.0), 2));
    f.Attr("airportTestRadius", "5000.0M");
    f.Attr("trafficScalar", "0.7");
    f.EndOpen();
}

void WriteTower(FileLines &f, const SceneryTower &t) {
    f.Open("Tower", {});
    f.Position(t.position);
    f.Attr("alt", Metres(t.altMetres));
    f.EndEmpty();
}

void WriteCom(FileLines &f, const SceneryCom &c) {
    f.Open("Com", {{"type", c.type}});
    f.Attr("frequency", Mhz(c.mhz));
    f.Attr("name", c.name);
    f.EndEmpty();
}

void WriteVasi(FileLines &f, const SceneryVasi &v) {
    f.Open("Vasi", {{"end", EndText(v.end)}, {"side", v.side}});
    f.Attr("type", v.type);
    f.Attr("biasX", FixedDecimals(v.biasX, 1) + "M");
    f.Attr("biasZ", FixedDecimals(v.biasZ, 1) + "M");
    f.Attr("pitch", FixedDecimals(v.pitch, 2));
    f.Attr("spacing", Metres(v.spacing));
    f.EndEmpty();
}

void WriteIls(FileLines &f, const SceneryIls &i) {
    f.Open("Ils", {{"end", EndText(i.end)}, {"ident", i.ident}});
    f.Position(i.position);
    f.Attr("alt", Metres(i.altMetres));
    f.Attr("heading", HeadingText(i.heading));
    f.Attr("frequency", Mhz(i.mhz));
    f.Attr("range", FixedDecimals(i.rangeNm, 0) + "N");
    f.Attr("magvar", FixedDecimals(i.magvar, 2));
    f.Attr("width", FixedDecimals(i.width, 1));
    f.Attr("backCourse", i.backCourse ? "TRUE" : "FALSE");
    f.Attr("name", i.name);
    f.EndEmpty();
}

GeoPoint Midpoint(GeoPoint a, GeoPoint b) {
    return {(a.lon + b.lon) / 2, (a.lat + b.lat) / 2};
}

void WriteStart(FileLines &f, const std::string &type, const SceneryRunwayEnd &end, double altMetres) {
    f.Open("Start", {{"type", type}});
    f.Pair({"number", end.number}, {"designator", end.designator});
    f.Position(end.start.value_or(end.position));
    f.Attr("alt", Metres(altMetres));
    f.Attr("heading", HeadingText(end.heading));
    f.EndEmpty();
}

void WriteRunway(FileLines &f, const SceneryRunway &r, double altMetres) {
    f.Open("Runway", {{"number", r.primary.number}, {"designator", r.primary.designator}});
    f.Position(Midpoint(r.primary.position, r.secondary.position));
    f.Attr("alt", Metres(altMetres));
    f.Attr("surface", r.surface);
    f.Attr("heading", HeadingText(r.primary.heading));
    f.Attr("length", Metres(r.lengthMetres));
    f.Attr("width", Metres(r.widthMetres));
    f.EndOpen();
    for (const SceneryVasi &v : r.vasis)
        WriteVasi(f, v);
    for (const SceneryIls &i : r.ils)
        WriteIls(f, i);
    f.Close("Runway");
    // The diagram pairs starts 2p and 2p + 1 with runway p: both ends follow their runway.
    WriteStart(f, r.startType, r.primary, altMetres);
    WriteStart(f, r.startType, r.secondary, altMetres);
}

void WriteHelipad(FileLines &f, const SceneryHelipad &h, double altMetres) {
    f.Open("Helipad", {{"type", "H"}});
    f.Position(h.position);
    f.Attr("alt", Metres(altMetres));
    f.Attr("surface", h.surface);
    f.Attr("heading", HeadingText(h.heading));
    f.Attr("length", Metres(h.lengthMetres));
    f.Attr("width", Metres(h.widthMetres));
    f.EndEmpty();
    SceneryRunwayEnd end{h.number, "NONE", h.position, h.heading};
    WriteStart(f, "HELIPAD", end, altMetres);
    WriteStart(f, "HELIPAD", end, altMetres);
}

void WriteAprons(FileLines &f, const std::vector<SceneryApron> &aprons) {
    if (aprons.empty())
        return;
    f.Line("<Aprons>");
    for (const SceneryApron &a : aprons) {
        f.Open("Apron", {{"surface", a.surface}});
        f.EndOpen();
        for (GeoPoint p : a.vertices)
            f.Vertex(p);
        f.Close("Apron");
    }
    f.Line("</Aprons>");
}

void WriteBoundaryFence(FileLines &f, const SceneryRing &fence) {
    if (fence.empty())
        return;
    // No fence profile of the simulator is known here: the nil identifier stands for "none".
    f.Open("BoundaryFence", {{"profile", "{00000000-0000-0000-0000-000000000000}"}});
    f.EndOpen();
    for (GeoPoint p : fence)
        f.Vertex(p);
    f.Vertex(fence.front()); // drawn closed
    f.Close("BoundaryFence");
}

void WriteTaxiways(FileLines &f, const SceneryAirportModel &a) {
    for (size_t i = 0; i < a.taxiPoints.size(); ++i) {
        f.Open("TaxiwayPoint", {{"index", std::to_string(i)}});
        f.Attr("type", a.taxiPoints[i].type);
        f.Position(a.taxiPoints[i].position);
        f.EndEmpty();
    }
    for (size_t i = 0; i < a.parking.size(); ++i) {
        const SceneryParking &p = a.parking[i];
        f.Open("TaxiwayParking", {{"index", std::to_string(i)}});
        f.Position(p.position);
        f.Attr("radius", Metres(p.radiusMetres));
        f.Attr("type", p.type);
        f.Attr("name", p.name);
        f.Attr("number", std::to_string(p.number));
        f.Attr("heading", HeadingText(p.heading));
        f.EndEmpty();
    }
    for (size_t i = 0; i < a.taxiNames.size(); ++i) {
        f.Open("TaxiName", {{"index", std::to_string(i)}, {"name", a.taxiNames[i]}});
        f.EndEmpty();
    }
    for (const SceneryTaxiPath &p : a.taxiPaths) {
        f.Open("TaxiwayPath", {{"start", std::to_string(p.start)}, {"end", std::to_string(p.end)}});
        f.Attr("type", p.type);
        if (p.type == "RUNWAY") {
            f.Attr("number", p.runwayNumber);
            f.Attr("designator", p.runwayDesignator);
        } else {
            f.Attr("name", std::to_string(p.name));
        }
        f.Attr("surface", p.surface);
        f.Attr("width", Metres(p.widthMetres));
        f.EndEmpty();
    }
}

void WriteLeg(FileLines &f, const SceneryLeg &l) {
    f.Open("Leg", {{"type", l.type}});
    f.Attr("fixType", l.fixType);
    f.Attr("fixIdent", l.fixIdent);
    if (!l.recommendedIdent.empty()) {
        f.Attr("recommendedType", l.recommendedType);
        f.Attr("recommendedIdent", l.recommendedIdent);
    }
    if (l.rhoMetres) // the DME distance in nautical miles, as a chart gives it
        f.Attr("rho", FixedDecimals(*l.rhoMetres / 1852, 1) + "N");
    if (l.magneticCourse)
        f.Attr("magneticCourse", CourseText(*l.magneticCourse));
    if (!l.altitudeDescriptor.empty())
        f.Attr("altitudeDescriptor", l.altitudeDescriptor);
    if (l.altitudeFeet)
        f.Attr("altitude1", Feet(*l.altitudeFeet));
    f.Line("/>"); // the approach reader closes a leg only on a line of its own
}

void WriteApproach(FileLines &f, const SceneryApproach &ap) {
    f.Open("Approach", {{"type", ap.type}});
    f.Attr("runway", ap.runway);
    f.Attr("designator", ap.designator);
    f.Attr("fixType", ap.fixType);
    f.Attr("fixIdent", ap.fixIdent);
    f.Attr("altitude", Feet(ap.altitudeFeet));
    f.Attr("heading", CourseText(ap.heading));
    f.EndOpen();
    f.Line("<ApproachLegs>");
    for (const SceneryLeg &l : ap.legs)
        WriteLeg(f, l);
    f.Line("</ApproachLegs>");
    for (const SceneryTransition &t : ap.transitions) {
        f.Open("Transition", {{"transitionType", t.transitionType}});
        f.Attr("fixType", t.fixType);
        f.Attr("fixIdent", t.fixIdent);
        f.Attr("altitude", Feet(t.altitudeFeet));
        f.EndOpen();
        f.Line("<TransitionLegs>");
        for (const SceneryLeg &l : t.legs)
            WriteLeg(f, l);
        f.Line("</TransitionLegs>");
        f.Close("Transition");
    }
    f.Close("Approach");
}

void WriteWaypoint(FileLines &f, const SceneryWaypoint &w) {
    // The opening line carries an attribute that the reader passes over, so that ident, lat and
    // lon each stand on a line of their own.
    f.Open("Waypoint", {{"waypointType", w.type}});
    f.Attr("waypointIdent", w.ident);
    f.Position(w.position);
    f.EndEmpty();
}

void WriteNdb(FileLines &f, const SceneryNdb &n) {
    f.Open("Ndb", {{"type", n.type}});
    f.Attr("frequency", FixedDecimals(n.khz, 1));
    f.Position(n.position);
    f.Attr("range", FixedDecimals(n.rangeNm, 0) + "N");
    f.Attr("ident", n.ident);
    f.Attr("name", n.name);
    f.EndEmpty();
}

} // namespace

std::string LatitudeText(double degrees) {
    return CoordinateText(degrees, 'N', 'S');
}

std::string LongitudeText(double degrees) {
    return CoordinateText(degrees, 'E', 'W');
}

std::string XmlAttributeText(const std::string &text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // Control characters have no place in an attribute (and would split the line).
            out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return out;
}

std::string SceneryFileText(const SceneryAirportModel &a) {
    FileLines f;
    f.Line("<?xml version=\"1.0\" encoding=\"Windows-1252\"?>");
    f.Line("<FSData version=\"9.0\">");
    WriteHeader(f, a);
    if (a.tower)
        WriteTower(f, *a.tower);
    for (const SceneryCom &c : a.coms)
        WriteCom(f, c);
    for (const SceneryRunway &r : a.runways)
        WriteRunway(f, r, a.altMetres);
    for (const SceneryHelipad &h : a.helipads)
        WriteHelipad(f, h, a.altMetres);
    WriteAprons(f, a.aprons);
    WriteBoundaryFence(f, a.boundaryFence);
    WriteTaxiways(f, a);
    for (const SceneryApproach &ap : a.approaches)
        WriteApproach(f, ap);
    for (const SceneryWaypoint &w : a.waypoints)
        WriteWaypoint(f, w);
    for (const SceneryNdb &n : a.ndbs)
        WriteNdb(f, n);
    f.Line("</Airport>");
    f.Line("</FSData>");
    return f.Text();
}

} // namespace qelvar::import
