// The paper recipes of the printed map, one row per group of scales, where they differ from the
// map picture's.
#pragma once

#include "maps/mapview/map_recipes.h"

namespace qelvar {

struct PaperHillRow {
    std::vector<int32_t> scales;
    int crossArm;         // 0: a single point
    double nameSize;      // Name at (x - 200, y - 200); 0: none
    double elevationSize; // Elevation at (x - 200, y - 300); 0: none
};

struct PaperVorRow {
    std::vector<int32_t> scales;
    bool point;
    int circle; // 0: none
    std::vector<VorLabel> labels;
};

struct PaperNdbRow {
    std::vector<int32_t> scales;
    bool point;
    std::vector<int> circles;
    std::vector<NdbLabel> labels;
};

// A label size of 0 on paper: the font size then in effect.
inline constexpr double kSizeInEffect = 0;

const PaperHillRow *PaperHillRowFor(int32_t scale);
const PaperVorRow *PaperVorRowFor(int32_t scale);
const PaperNdbRow *PaperNdbRowFor(int32_t scale);
const AirportRow *PaperAirportRowFor(int32_t scale);

} // namespace qelvar
