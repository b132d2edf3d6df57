#include "map_recipes.h"

namespace qelvar {

namespace {

using L = MapLayer;
using S = StationText;
using A = AirportText;

const std::vector<LevelRecipe> kLevels = {
    {{5000},
     CoastDrawing::Direct,
     {L::Coast, L::Borders, L::Runways, L::Intersections, L::Hills, L::Vor, L::Ndb, L::Route, L::Airports,
      L::Marker}},
    {{2500},
     CoastDrawing::Direct,
     {L::Coast, L::Borders, L::Runways, L::Intersections, L::Hills, L::Vor, L::Ndb, L::Route, L::Airports}},
    {{1250},
     CoastDrawing::Clipped,
     {L::Coast, L::Borders, L::Intersections, L::Hills, L::Vor, L::Ndb, L::Route, L::Airports}},
    {{625, 312, 156, 78},
     CoastDrawing::Clipped,
     {L::Coast, L::Borders, L::Runways, L::Intersections, L::Hills, L::Vor, L::Ndb, L::Ils, L::Route,
      L::Airports}},
    {{40},
     CoastDrawing::Clipped,
     {L::Coast, L::Borders, L::Runways, L::Intersections, L::Hills, L::Ils, L::Vor, L::Ndb, L::Route,
      L::Airports}},
    {{20, 10, 5, 2},
     CoastDrawing::Clipped,
     {L::Coast, L::Borders, L::Runways, L::Intersections, L::Hills, L::Vor, L::Ndb, L::Ils, L::Route,
      L::Airports}},
};

const std::vector<HillRow> kHills = {
    {{5000, 2500, 1250, 625}, 0, false, false},
    {{312, 156}, 20, false, false},
    {{78}, 20, true, false},
    {{40}, 30, true, false},
    {{20, 10}, 30, true, true},
    {{5}, 40, true, true},
    {{2}, 50, true, true},
};

const std::vector<VorRow> kVors = {
    {{5000, 2500, 1250}, 0, {}},
    {{625}, 30, {}},
    {{312}, 40, {{S::Text6, 60, 5}, {S::Text7, 160, 5}}},
    {{156}, 50, {{S::Text6, 90, 5}, {S::Text7, 180, 5}}},
    {{78}, 60, {{S::Text5, 90, 5}, {S::Text6, 180, 6}, {S::Text7, 300, 5}}},
    {{40, 20}, 80, {{S::Text5, 110, 5}, {S::Text6, 220, 7}, {S::Text7, 340, 6}}},
    {{10, 5}, 100, {{S::Text5, 140, 5}, {S::Text6, 280, 7}, {S::Text7, 420, 7}}},
    {{2}, 100, {{S::Text5, 140, 5}, {S::Text6, 240, 7}, {S::Text7, 380, 7}}},
};

const std::vector<NdbLabel> kNdbLabels40 = {
    {S::Text6, 150, S::Text6, -40, 7}, {S::Text7, 90, S::Text7, 100, 6}, {S::Text5, 90, S::Text7, 220, 5}};

const std::vector<NdbRow> kNdbs = {
    {{5000, 2500, 1250}, {}, {}},
    {{625}, {5, 20}, {}},
    {{312}, {10, 30}, {{S::Text6, 100, S::Text6, -40, 5}}},
    {{156}, {10, 40}, {{S::Text6, 120, S::Text6, -40, 5}, {S::Text7, 70, S::Text7, 70, 5}}},
    {{78},
     {10, 40},
     {{S::Text6, 120, S::Text6, -40, 5}, {S::Text7, 70, S::Text7, 70, 5}, {S::Text5, 70, S::Text7, 160, 5}}},
    {{40}, {20, 60}, kNdbLabels40},
    {{20, 10, 5, 2}, {10, 40, 60}, kNdbLabels40},
};

const std::vector<IntersectionRow> kIntersections = {
    {{5000, 2500}, 0, false, 0, 0, 0},
    {{1250, 625}, 20, false, 0, 0, 0},
    {{312}, 40, true, -150, -100, 4},
    {{156, 78, 40, 20, 10, 5, 2}, 40, true, -200, -150, 5},
};

const std::vector<IlsRow> kIls = {
    {{625, 312, 156, 78}, 1},
    {{40, 20, 10, 5, 2}, 2},
};

const AirportStyle kInternationalFine = {
    false,
    {3, 10, 20, 30, 40},
    {{A::Name, 100, -300, 7}, {A::IcaoElev, 100, -160, 7}, {A::Atis, 100, -20, 7}}};

const std::vector<AirportRow> kAirports = {
    {{5000}, {false, {3}, {}}, {true, {}, {}}, false},
    {{2500}, {false, {10}, {}}, {true, {}, {}}, false},
    {{1250}, {false, {3, 10}, {}}, {false, {3}, {}}, true},
    {{625}, {false, {4, 6}, {{A::LocationIndicator, 100, -100, 5}}}, {false, {4}, {}}, true},
    {{312}, {false, {3, 10, 20}, {{A::LocationIndicator, 100, -100, 5}}}, {false, {5, 10}, {}}, true},
    {{156},
     {false, {3, 10, 20}, {{A::LocationIndicator, 100, -100, 7}}},
     {false, {5, 15}, {{A::LocationIndicator, 50, 0, 5}}},
     true},
    {{78},
     {false, {3, 10, 20, 30}, {{A::IcaoElev, 100, 0, 7}, {A::Name15, 100, -150, 6}}},
     {false, {10, 20}, {{A::IcaoElev, 100, 0, 6}}},
     true},
    {{40},
     {false, {3, 10, 20, 30, 40}, {{A::Name15, 100, -100, 7}, {A::IcaoElev, 100, -220, 7}}},
     {false, {10, 20}, {{A::Name10, 100, -100, 6}, {A::IcaoElev, 100, -220, 6}}},
     true},
    {{20},
     kInternationalFine,
     {false, {10, 20, 30}, {{A::Name, 100, -300, 6}, {A::IcaoElev, 100, -160, 6}, {A::Atis, 100, -20, 6}}},
     true},
    {{10},
     {false,
      {3, 10, 20, 30, 40},
      {{A::Name, 100, -300, 7}, {A::IcaoElev, 100, -180, 7}, {A::Atis, 100, 0, 7}}},
     {false, {10, 20, 30}, {{A::Name, 100, -300, 6}, {A::IcaoElev, 100, -180, 6}, {A::Atis, 100, 0, 6}}},
     true},
    {{5, 2},
     {false,
      {3, 10, 20, 30, 40},
      {{A::Name, 100, -400, 7}, {A::IcaoElev, 100, -200, 7}, {A::Atis, 100, 0, 7}}},
     {false, {10, 20, 30}, {{A::Name, 100, -400, 7}, {A::IcaoElev, 100, -200, 7}, {A::Atis, 100, 0, 7}}},
     true},
};

} // namespace

const LevelRecipe *LevelFor(int32_t scale) {
    return RecipeRowFor(kLevels, scale);
}
const HillRow *HillRowFor(int32_t scale) {
    return RecipeRowFor(kHills, scale);
}
const VorRow *VorRowFor(int32_t scale) {
    return RecipeRowFor(kVors, scale);
}
const NdbRow *NdbRowFor(int32_t scale) {
    return RecipeRowFor(kNdbs, scale);
}
const IntersectionRow *IntersectionRowFor(int32_t scale) {
    return RecipeRowFor(kIntersections, scale);
}
const IlsRow *IlsRowFor(int32_t scale) {
    return RecipeRowFor(kIls, scale);
}
const AirportRow *AirportRowFor(int32_t scale) {
    return RecipeRowFor(kAirports, scale);
}

} // namespace qelvar
