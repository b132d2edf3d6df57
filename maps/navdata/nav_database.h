// The main program's whole in-memory navigation database: three polyline layers, the mountain
// peaks and six point tables, with the few settings that start-up sets and other parts read.
// Positions are map units: 1/216,000 degree, X = 0 at 180 W growing east, Y = 0 at the North Pole
// growing south. Every table keeps its entries in file order from index 0; the capacities are the
// limits the loaders and the airport editor work to.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qelvar {

inline constexpr int32_t kWorldWidth = 77'760'000;
inline constexpr int32_t kWorldHeight = 38'880'000;
inline constexpr int32_t kGreenwichX = 38'880'000;
inline constexpr int32_t kEquatorY = 19'440'000;
inline constexpr int32_t kUnitsPerDegree = 216'000;
inline constexpr int32_t kUnitsPerMinute = 3'600;

// Coastlines, borders, train lines: one entry per file line; an entry with X = 0 separates two
// polylines. Entries at or beyond the count read as 0.
struct PolylineLayer {
    explicit PolylineLayer(int32_t capacityEntries) : capacity(capacityEntries) {}
    int32_t capacity;
    int32_t count = 0;
    std::vector<int32_t> X;
    std::vector<int32_t> Y;

    int32_t XAt(int32_t i) const { return i >= 0 && i < static_cast<int32_t>(X.size()) ? X[i] : 0; }
    int32_t YAt(int32_t i) const { return i >= 0 && i < static_cast<int32_t>(Y.size()) ? Y[i] : 0; }
};

struct Hill {
    std::string Name;
    std::string Elevation;
    int32_t X = 0, Y = 0;
};

struct Airport {
    std::string Type; // "AD" international, "AD-LOK" local
    std::string IataCode;
    std::string LocationIndicator; // ICAO code
    std::string Name;
    std::string Elevation;
    double LonDeg = 0, LonMin = 0, LatDeg = 0, LatMin = 0; // as read or typed, signed
    std::string Atis;
    std::string RunwayInfo; // items separated by "#"
    std::string Country;
    int32_t X = 0, Y = 0;
};

// A VOR station; NDB beacons keep their minutes unrounded (NdbStation).
struct VorStation {
    int32_t LonDeg = 0, LonMin = 0, LatDeg = 0, LatMin = 0;
    std::string Text5, Text6, Text7;
    int32_t X = 0, Y = 0;
};

struct NdbStation {
    int32_t LonDeg = 0;
    double LonMin = 0;
    int32_t LatDeg = 0;
    double LatMin = 0;
    std::string Text5, Text6, Text7;
    int32_t X = 0, Y = 0;
};

struct IlsEntry {
    std::string Text0, Text1, Text2;
    int32_t LatDeg = 0;
    double LatMin = 0;
    int32_t LonDeg = 0;
    double LonMin = 0;
    double Course = 0;
    int32_t X = 0, Y = 0;
};

struct Runway {
    int32_t X = 0, Y = 0;
    int32_t Heading = 0;
    double DrawLength = 0; // nautical miles drawn: the file's length / 1,800
};

struct Intersection {
    std::string Name;
    int32_t X = 0, Y = 0;
};

// A point table: entries[0 .. count-1] are in use; never more than capacity.
template <typename Entry> struct PointTable {
    explicit PointTable(int32_t capacityEntries) : capacity(capacityEntries) {}
    int32_t capacity;
    int32_t count = 0;
    std::vector<Entry> entries;
};

// The airports keep their own count: after a failed load the entries read so far stay, but
// AirportCount remains 0 and the table counts as empty.
struct AirportTableData {
    static constexpr int32_t capacity = 100'001;
    int32_t AirportCount = 0;
    std::vector<Airport> entries;
    bool LoadFailed = false;    // the loader reported an error: the table counts as empty
    bool LoadTruncated = false; // the file held more airports than the table: the rest was left out
};

// The nine switchable layers; the start-up window switches the first eight on.
struct LayerFlagSet {
    bool Vor = false;
    bool Ndb = false;
    bool IntlAirports = false;
    bool LocalAirports = false;
    bool Ils = false;
    bool Hills = false;
    bool Borders = false;
    bool Runways = false;
    bool Intersections = false;
};

struct NavDatabase {
    PolylineLayer CoastLayer{20'001};
    PolylineLayer BorderLayer{10'001};
    PolylineLayer TrainLayer{20'001};
    PointTable<Hill> HillTable{1'001};
    AirportTableData AirportTable;
    PointTable<VorStation> VorTable{5'001};
    PointTable<NdbStation> NdbTable{8'001};
    PointTable<IlsEntry> IlsTable{3'201};
    PointTable<Runway> RunwayTable{14'501};
    PointTable<Intersection> IntersectionTable{50'001};

    // Map units per screen unit for zoom levels 1 ... 12 (index 0 unused).
    std::array<int32_t, 13> ZoomScale{};
    LayerFlagSet LayerFlags;
    std::string MarkedAirport;       // the command line: ICAO code of the airport to mark
    std::string PickedAirport;       // IATA code of the airport last picked with the right button
    int32_t PickedAirportIndex = -1; // its index in the AirportTable; -1 until one is picked
};

} // namespace qelvar
