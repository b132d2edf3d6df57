// What the map draws at each of the twelve zoom scales: the layer order of each scale and the
// symbol and label recipe of every point layer, as tables with one row per group of scales.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace qelvar {

enum class MapLayer { Coast, Borders, Runways, Intersections, Hills, Vor, Ndb, Ils, Route, Airports, Marker };
enum class CoastDrawing { Direct, Clipped };

struct LevelRecipe {
    std::vector<int32_t> scales;
    CoastDrawing coast;
    std::vector<MapLayer> order; // left to right
};

// Mountain peaks: a point, or a cross of the given arm; labels in twips from the peak.
struct HillRow {
    std::vector<int32_t> scales;
    int crossArm;   // 0: a single point
    bool name;      // Name at (x - 200, y - 150), size 5
    bool elevation; // Elevation at (x - 200, y - 250), size 5
};

enum class StationText { Text5, Text6, Text7 };

// VOR: a point, or a circle with its centre point; labels at x with a y offset.
struct VorLabel {
    StationText text;
    int dy;
    double size;
};
struct VorRow {
    std::vector<int32_t> scales;
    int circle; // 0: a single point, not in the hit list
    std::vector<VorLabel> labels;
};

// NDB: circles with their centre point; labels left of the station by the length of a text.
struct NdbLabel {
    StationText text;
    int perCharacter;     // x - perCharacter * length
    StationText lengthOf; // the text whose length counts (Text5 uses Text7's)
    int dy;
    double size;
};
struct NdbRow {
    std::vector<int32_t> scales;
    std::vector<int> circles; // empty: a single point, not in the hit list
    std::vector<NdbLabel> labels;
};

// Intersections: a point or a triangle; the name label where given.
struct IntersectionRow {
    std::vector<int32_t> scales;
    int triangle; // 0: a single point
    bool label;
    int dx, dy;
    double size;
};

// ILS localizers, drawn at 625 and below: the width of the course line.
struct IlsRow {
    std::vector<int32_t> scales;
    int courseLineWidth;
};

enum class AirportText { LocationIndicator, IataCode, IcaoElev, Name15, Name10, Name, Atis };
struct AirportLabel {
    AirportText text;
    int dx, dy;
    double size;
};
struct AirportStyle {
    bool point; // a single point instead of circles
    std::vector<int> circles;
    std::vector<AirportLabel> labels;
};
struct AirportRow {
    std::vector<int32_t> scales;
    AirportStyle international;
    AirportStyle local;
    bool inViewOnly; // false: every airport passing the origin test is drawn and entered
};

// The row of a recipe table whose scales hold the scale; nullptr where none does.
template <typename Row> const Row *RecipeRowFor(const std::vector<Row> &table, int32_t scale) {
    for (const Row &row : table)
        if (std::find(row.scales.begin(), row.scales.end(), scale) != row.scales.end())
            return &row;
    return nullptr;
}

// The row of a table for a scale; nullptr where the scale has none.
const LevelRecipe *LevelFor(int32_t scale);
const HillRow *HillRowFor(int32_t scale);
const VorRow *VorRowFor(int32_t scale);
const NdbRow *NdbRowFor(int32_t scale);
const IntersectionRow *IntersectionRowFor(int32_t scale);
const IlsRow *IlsRowFor(int32_t scale);
const AirportRow *AirportRowFor(int32_t scale);

} // namespace qelvar
