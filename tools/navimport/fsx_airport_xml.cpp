#include "fsx_airport_xml.h"

#include "nav_lines.h"
#include "source_files.h"

#include <QXmlStreamReader>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>

namespace qelvar::import {

SceneryXmlError::SceneryXmlError(long l, long c, const std::string &what)
    : std::runtime_error("line " + std::to_string(l) + ", column " + std::to_string(c) + ": " + what),
      line(l), column(c) {}

namespace {

// A decimal number with "." as separator (an exponent allowed), whatever the user's locale; none
// for anything else, infinities and NaN included. A number too large for a double reads as infinity
// and is refused by the range checks.
std::optional<double> Number(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    if (!text.empty() && text[0] == '+')
        text.erase(0, 1);
    if (text.empty() ||
        !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-' || text[0] == '.'))
        return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The largest plain number and distance a file may hold: no frequency, number or count comes near
// a billion, and no distance on the earth is longer than its circumference.
constexpr double kMaxNumber = 1e9;
constexpr double kMaxMetres = 40075000;

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

} // namespace

double ParseSceneryCoordinate(const std::string &raw) {
    std::string text = raw;
    text.erase(0, text.find_first_not_of(' '));
    if (text.empty())
        throw std::invalid_argument("an empty coordinate");
    char hemisphere = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (hemisphere != 'N' && hemisphere != 'S' && hemisphere != 'E' && hemisphere != 'W') {
        if (auto value = Number(text))
            return *value;
        throw std::invalid_argument("not a coordinate: " + raw);
    }
    // Degrees, minutes and seconds, separated by blanks or by the degree, minute and second marks.
    std::string rest = text.substr(1);
    for (char &c : rest)
        if (c == '*' || c == '\'' || c == '"' || static_cast<unsigned char>(c) == 0xB0)
            c = ' ';
    std::vector<double> parts;
    size_t at = 0;
    while (at < rest.size()) {
        size_t start = rest.find_first_not_of(' ', at);
        if (start == std::string::npos)
            break;
        size_t end = rest.find(' ', start);
        auto value = Number(rest.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (!value || *value < 0)
            throw std::invalid_argument("not a coordinate: " + raw);
        parts.push_back(*value);
        at = end == std::string::npos ? rest.size() : end;
    }
    if (parts.empty() || parts.size() > 3)
        throw std::invalid_argument("not a coordinate: " + raw);
    if ((parts.size() > 1 && parts[1] >= 60) || (parts.size() > 2 && parts[2] >= 60))
        throw std::out_of_range("minutes or seconds of 60 or more: " + raw);
    double degrees =
        parts[0] + (parts.size() > 1 ? parts[1] / 60 : 0) + (parts.size() > 2 ? parts[2] / 3600 : 0);
    return hemisphere == 'S' || hemisphere == 'W' ? -degrees : degrees;
}

double ParseSceneryDistance(const std::string &raw) {
    std::string text = raw;
    text.erase(text.find_last_not_of(' ') + 1);
    double factor = 1;
    if (!text.empty()) {
        switch (std::toupper(static_cast<unsigned char>(text.back()))) {
        case 'F':
            factor = 0.3048;
            text.pop_back();
            break;
        case 'N':
            factor = 1852;
            text.pop_back();
            break;
        case 'M':
            text.pop_back();
            break;
        }
    }
    auto value = Number(text);
    if (!value)
        throw std::invalid_argument("not a distance: " + raw);
    return *value * factor;
}

namespace {

// Runway numbers read from the other end.
std::string ReciprocalNumber(const std::string &number) {
    static const std::map<std::string, std::string> kNamed{
        {"NORTH", "SOUTH"},         {"SOUTH", "NORTH"},         {"EAST", "WEST"},
        {"WEST", "EAST"},           {"NORTHEAST", "SOUTHWEST"}, {"SOUTHWEST", "NORTHEAST"},
        {"NORTHWEST", "SOUTHEAST"}, {"SOUTHEAST", "NORTHWEST"}};
    auto named = kNamed.find(number);
    if (named != kNamed.end())
        return named->second;
    auto value = Number(number);
    if (!value || *value != std::floor(*value) || *value < 0 || *value > 36)
        return number;
    int reciprocal = (static_cast<int>(*value) + 17) % 36 + 1;
    return (reciprocal < 10 ? "0" : "") + std::to_string(reciprocal);
}

std::string ReciprocalDesignator(const std::string &designator) {
    static const std::map<std::string, std::string> kSides{
        {"L", "R"}, {"R", "L"}, {"LEFT", "RIGHT"}, {"RIGHT", "LEFT"}};
    auto side = kSides.find(designator);
    return side != kSides.end() ? side->second : designator;
}

std::string FullDesignator(const std::string &designator) {
    static const std::map<std::string, std::string> kLong{
        {"L", "LEFT"}, {"R", "RIGHT"}, {"C", "CENTER"}, {"W", "WATER"}, {"", "NONE"}};
    auto full = kLong.find(designator);
    return full != kLong.end() ? full->second : designator;
}

std::string PaddedNumber(const std::string &number) {
    return number.size() == 1 && std::isdigit(static_cast<unsigned char>(number[0])) ? "0" + number : number;
}

class SceneryXmlReader {
public:
    explicit SceneryXmlReader(const QByteArray &xml) : xml_(xml) {}

    std::vector<SceneryAirportModel> Read() {
        while (!xml_.atEnd()) {
            QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement)
                Start(xml_.name().toString().toStdString());
            else if (token == QXmlStreamReader::EndElement)
                End(xml_.name().toString().toStdString());
        }
        if (xml_.hasError())
            Fail(xml_.errorString().toStdString());
        for (SceneryAirportModel &a : airports_) {
            a.waypoints.insert(a.waypoints.end(), looseWaypoints_.begin(), looseWaypoints_.end());
            a.ndbs.insert(a.ndbs.end(), looseNdbs_.begin(), looseNdbs_.end());
        }
        return std::move(airports_);
    }

private:
    [[noreturn]] void Fail(const std::string &what) const {
        throw SceneryXmlError(static_cast<long>(xml_.lineNumber()), static_cast<long>(xml_.columnNumber()),
                              what);
    }

    bool Has(const char *name) const { return xml_.attributes().hasAttribute(name); }
    std::string Text(const char *name) const { return KitText(xml_.attributes().value(name).toString()); }
    // A value beyond its limit is refused: the kit's files would carry it into the viewers' sums.
    double Limited(const char *name, double value, double limit) const {
        if (!(std::fabs(value) <= limit))
            Fail(std::string("attribute ") + name + " is out of range: " + Text(name));
        return value;
    }
    double Value(const char *name, double otherwise = 0, double limit = kMaxNumber) const {
        if (!Has(name))
            return otherwise;
        auto value = Number(Text(name));
        if (!value)
            Fail(std::string("attribute ") + name + " is not a number: " + Text(name));
        return Limited(name, *value, limit);
    }
    double Angle(const char *name) const { return Value(name, 0, 360); }
    template <class Parse> double Converted(const char *name, Parse parse, double limit) const {
        double value = 0;
        try {
            value = parse(Text(name));
        } catch (const std::exception &e) {
            Fail(std::string("attribute ") + name + ": " + e.what());
        }
        return Limited(name, value, limit);
    }
    double Metres(const char *name) const {
        return Has(name) ? Converted(name, ParseSceneryDistance, kMaxMetres) : 0;
    }
    double Feet(const char *name) const { return Metres(name) / 0.3048; }
    GeoPoint Position() const {
        if (!Has("lat") || !Has("lon"))
            Fail("lat and lon are missing");
        return {Converted("lon", ParseSceneryCoordinate, 180), Converted("lat", ParseSceneryCoordinate, 90)};
    }
    RunwayEndSide End() const {
        return Upper(Text("end")) == "SECONDARY" ? RunwayEndSide::Secondary : RunwayEndSide::Primary;
    }
    SceneryAirportModel &Airport() {
        if (!airport_)
            Fail("<" + xml_.name().toString().toStdString() + "> outside an <Airport>");
        return *airport_;
    }
    bool Inside(const char *element) const {
        return std::find(open_.begin(), open_.end(), element) != open_.end();
    }

    void Start(const std::string &name) {
        open_.push_back(name);
        if (name == "Airport")
            StartAirport();
        else if (!airport_ && name != "Waypoint" && name != "Ndb")
            return; // what lies outside the airports, apart from their navaids, is not read
        else if (name == "Tower")
            Airport().tower = SceneryTower{Position(), Metres("alt")};
        else if (name == "Com")
            Airport().coms.push_back({Upper(Text("type")), Value("frequency"), Text("name")});
        else if (name == "Runway")
            StartRunway();
        else if (name == "Vasi" && runway_)
            runway_->vasis.push_back({End(), Upper(Text("type")), Upper(Text("side")), Metres("biasX"),
                                      Metres("biasZ"), Metres("spacing"), Value("pitch", 3)});
        else if (name == "Ils" && runway_)
            StartIls();
        else if (name == "GlideSlope" && runway_ && Inside("Ils") && !runway_->ils.empty()) {
            runway_->ils.back().glideSlope = true;
            runway_->ils.back().glidePathDegrees = Value("pitch", 3, 90);
        } else if (name == "Dme" && runway_ && Inside("Ils") && !runway_->ils.empty())
            runway_->ils.back().dme = Position();
        else if (name == "OffsetThreshold" && runway_)
            (End() == RunwayEndSide::Secondary ? runway_->secondary : runway_->primary).displacedThresholdMetres =
                Metres("length");
        else if (name == "Start" && Has("lat") && Has("lon")) // a start without a position keeps the end
            starts_.push_back({PaddedNumber(Upper(Text("number"))), FullDesignator(Upper(Text("designator"))),
                               Upper(Text("type")), Position()});
        else if (name == "Helipad")
            Airport().helipads.push_back({std::to_string(Airport().helipads.size() + 1), Position(),
                                          Angle("heading"), Metres("length"), Metres("width"),
                                          Has("surface") ? Upper(Text("surface")) : "ASPHALT"});
        else if (name == "Apron")
            Airport().aprons.push_back({Has("surface") ? Upper(Text("surface")) : "ASPHALT", {}});
        else if (name == "BoundaryFence")
            fences_ += 1;
        else if (name == "Vertex")
            AddVertex();
        else if (name == "TaxiwayPoint") {
            pointNumbers_[Text("index")] = static_cast<int>(Airport().taxiPoints.size());
            Airport().taxiPoints.push_back({Has("type") ? Upper(Text("type")) : "NORMAL", Position()});
        } else if (name == "TaxiwayParking")
            StartParking();
        else if (name == "TaxiName") {
            nameNumbers_[Text("index")] = static_cast<int>(Airport().taxiNames.size());
            Airport().taxiNames.push_back(Text("name").substr(0, 8));
        } else if (name == "TaxiwayPath")
            paths_.push_back({Upper(Text("type")), Text("start"), Text("end"), Text("name"),
                              PaddedNumber(Text("number")), FullDesignator(Upper(Text("designator"))),
                              Metres("width"), Has("surface") ? Upper(Text("surface")) : "ASPHALT"});
        else if (name == "Approach")
            StartApproach();
        else if (name == "Transition" && approach_)
            approach_->transitions.push_back({Has("transitionType") ? Upper(Text("transitionType")) : "FULL",
                                              Upper(Text("fixType")),
                                              Upper(Text("fixIdent")),
                                              Feet("altitude"),
                                              {}});
        else if (name == "Leg")
            AddLeg();
        else if (name == "Waypoint")
            (airport_ ? airport_->waypoints : looseWaypoints_)
                .push_back({Has("waypointType") ? Upper(Text("waypointType")) : "NAMED",
                            Upper(Text("waypointIdent")), Position()});
        else if (name == "Ndb")
            (airport_ ? airport_->ndbs : looseNdbs_)
                .push_back({Has("type") ? Upper(Text("type")) : "H", Value("frequency"), Position(),
                            Metres("alt"), Metres("range") / 1852, Upper(Text("ident")), Text("name")});
    }

    void End(const std::string &name) {
        if (name == "Airport")
            EndAirport();
        else if (name == "Runway")
            runway_ = nullptr;
        else if (name == "Approach")
            approach_ = nullptr;
        if (!open_.empty())
            open_.pop_back();
    }

    void StartAirport() {
        if (airport_)
            Fail("an <Airport> inside another");
        std::string ident = Upper(Text("ident"));
        bool plain = !ident.empty() && ident.size() <= 5 &&
                     std::all_of(ident.begin(), ident.end(),
                                 [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
        if (!plain) // it becomes a file name: nothing but letters and digits
            Fail("the <Airport> ident \"" + ident + "\" is not one to five letters and digits");
        airports_.emplace_back();
        airport_ = &airports_.back();
        airport_->ident = ident;
        airport_->country = Text("country");
        airport_->state = Text("state");
        airport_->city = Text("city");
        airport_->name = Text("name");
        airport_->position = Position();
        airport_->altMetres = Metres("alt");
        double magvar = std::fmod(Angle("magvar"), 360.0); // west positive, as the header shows it
        airport_->magvar = magvar < 0 ? magvar + 360 : magvar;
        pointNumbers_.clear();
        parkingNumbers_.clear();
        nameNumbers_.clear();
        paths_.clear();
        starts_.clear();
        fences_ = 0;
    }

    void StartRunway() {
        SceneryRunway r;
        GeoPoint centre = Position();
        double heading = Angle("heading"), half = Metres("length") / 2;
        std::string number = PaddedNumber(Upper(Text("number")));
        std::string designator = FullDesignator(Upper(Text("designator")));
        r.primary = {number,
                     Has("primaryDesignator") ? FullDesignator(Upper(Text("primaryDesignator"))) : designator,
                     DestinationPoint(centre, heading + 180, half), std::fmod(heading + 360, 360)};
        r.secondary = {ReciprocalNumber(number),
                       Has("secondaryDesignator") ? FullDesignator(Upper(Text("secondaryDesignator")))
                                                  : ReciprocalDesignator(r.primary.designator),
                       DestinationPoint(centre, heading, half), std::fmod(heading + 180, 360)};
        r.lengthMetres = 2 * half;
        r.widthMetres = Metres("width");
        r.surface = Has("surface") ? Upper(Text("surface")) : "ASPHALT";
        if (r.surface == "WATER")
            r.startType = "WATER";
        Airport().runways.push_back(std::move(r));
        runway_ = &Airport().runways.back();
    }

    void StartIls() {
        SceneryIls i;
        i.end = End();
        i.ident = Upper(Text("ident"));
        i.position = Position();
        i.altMetres = Metres("alt");
        i.heading = Angle("heading");
        i.mhz = Value("frequency");
        i.rangeNm = Metres("range") / 1852;
        i.magvar = Angle("magvar");
        i.width = Value("width", 5);
        i.backCourse = Upper(Text("backCourse")) == "TRUE" || Upper(Text("backCourse")) == "YES";
        i.name = Text("name");
        runway_->ils.push_back(i);
    }

    void StartParking() {
        SceneryParking p;
        p.position = Position();
        p.heading = Angle("heading");
        p.radiusMetres = Metres("radius");
        p.type = Has("type") ? Upper(Text("type")) : "NONE";
        p.name = Has("name") ? Upper(Text("name")) : "PARKING";
        p.number = static_cast<int>(Value("number"));
        parkingNumbers_[Text("index")] = static_cast<int>(Airport().parking.size());
        Airport().parking.push_back(p);
    }

    void AddVertex() {
        SceneryAirportModel &a = Airport();
        if (Inside("Apron") && !a.aprons.empty())
            a.aprons.back().vertices.push_back(Position());
        else if (Inside("BoundaryFence") && fences_ == 1) // the reader draws one fence: the first
            a.boundaryFence.push_back(Position());
    }

    void StartApproach() {
        SceneryApproach ap;
        ap.type = Upper(Text("type"));
        ap.runway = PaddedNumber(Upper(Text("runway")));
        ap.designator = FullDesignator(Upper(Text("designator")));
        ap.fixType = Upper(Text("fixType"));
        ap.fixIdent = Upper(Text("fixIdent"));
        ap.altitudeFeet = Feet("altitude");
        ap.heading = Angle("heading");
        Airport().approaches.push_back(std::move(ap));
        approach_ = &Airport().approaches.back();
    }

    void AddLeg() {
        // Missed-approach legs are left out: the approach reader would take them for the approach's.
        if (!approach_ || Inside("MissedApproachLegs"))
            return;
        SceneryLeg leg;
        leg.type = Upper(Text("type"));
        leg.fixType = Upper(Text("fixType"));
        leg.fixIdent = Upper(Text("fixIdent"));
        if (Has("magneticCourse"))
            leg.magneticCourse = Angle("magneticCourse");
        else if (Has("trueCourse")) // the header's variation is west positive
            leg.magneticCourse = std::fmod(Angle("trueCourse") + Airport().magvar + 360, 360);
        if (Has("rho"))
            leg.rhoMetres = Metres("rho");
        leg.altitudeDescriptor = Upper(Text("altitudeDescriptor"));
        if (Has("altitude1"))
            leg.altitudeFeet = Feet("altitude1");
        else if (Has("altitude2"))
            leg.altitudeFeet = Feet("altitude2");
        leg.recommendedType = Upper(Text("recommendedType"));
        leg.recommendedIdent = Upper(Text("recommendedIdent"));
        if (Inside("Transition") && !approach_->transitions.empty())
            approach_->transitions.back().legs.push_back(std::move(leg));
        else
            approach_->legs.push_back(std::move(leg));
    }

    struct RawPath {
        std::string type, start, end, name, number, designator;
        double width = 0;
        std::string surface;
    };

    struct RawStart {
        std::string number, designator, type;
        GeoPoint position;
    };

    // The file's own start of a runway end takes the place of the computed end in the start list.
    void KeepStarts() {
        for (const RawStart &s : starts_) {
            if (s.type == "HELIPAD")
                continue;
            for (SceneryRunway &r : airport_->runways)
                for (SceneryRunwayEnd *end : {&r.primary, &r.secondary})
                    if (!end->start && end->number == s.number && end->designator == s.designator)
                        end->start = s.position;
        }
    }

    // Paths refer to points, spots and names by their index attributes: to file order here.
    void EndAirport() {
        KeepStarts();
        for (const RawPath &raw : paths_) {
            auto start = pointNumbers_.find(raw.start);
            const std::map<std::string, int> &ends = raw.type == "PARKING" ? parkingNumbers_ : pointNumbers_;
            auto end = ends.find(raw.end);
            if (start == pointNumbers_.end() || end == ends.end())
                continue; // a path to a point the file does not have
            SceneryTaxiPath p;
            p.type = raw.type;
            p.start = start->second;
            p.end = end->second;
            auto name = nameNumbers_.find(raw.name);
            if (raw.type != "RUNWAY" && name == nameNumbers_.end()) {
                airport_->taxiNames.push_back("");
                name = nameNumbers_.emplace(raw.name, static_cast<int>(airport_->taxiNames.size()) - 1).first;
            }
            p.name = raw.type == "RUNWAY" ? 0 : name->second;
            p.runwayNumber = raw.number;
            p.runwayDesignator = raw.designator;
            p.widthMetres = raw.width;
            p.surface = raw.surface;
            airport_->taxiPaths.push_back(p);
        }
        for (SceneryApron &apron : airport_->aprons)
            if (apron.vertices.size() > 1 && apron.vertices.front() == apron.vertices.back())
                apron.vertices.pop_back();
        if (airport_->boundaryFence.size() > 1 &&
            airport_->boundaryFence.front() == airport_->boundaryFence.back())
            airport_->boundaryFence.pop_back();
        airport_ = nullptr;
    }

    QXmlStreamReader xml_;
    std::vector<SceneryAirportModel> airports_;
    std::vector<SceneryWaypoint> looseWaypoints_;
    std::vector<SceneryNdb> looseNdbs_;
    std::vector<std::string> open_;
    SceneryAirportModel *airport_ = nullptr;
    SceneryRunway *runway_ = nullptr;
    SceneryApproach *approach_ = nullptr;
    std::map<std::string, int> pointNumbers_, parkingNumbers_, nameNumbers_;
    std::vector<RawPath> paths_;
    std::vector<RawStart> starts_;
    int fences_ = 0;
};

} // namespace

std::vector<SceneryAirportModel> ReadSceneryXml(const QByteArray &xml) {
    return SceneryXmlReader(xml).Read();
}

} // namespace qelvar::import
