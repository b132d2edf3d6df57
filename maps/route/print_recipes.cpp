#include "maps/route/print_recipes.h"

namespace qelvar {

namespace {

using S = StationText;
using A = AirportText;

const std::vector<PaperHillRow> kPaperHills = {
    {{5000, 2500, 1250, 625}, 0, 0, 0},
    {{312}, 20, 0, 0},
    {{156}, 20, 6, 0},
    {{78}, 20, 7, 0},
    {{40}, 30, 7, 0},
    {{20, 10}, 30, 7, 7},
    {{5}, 40, 7, 7},
    {{2}, 50, 7, 7},
};

const std::vector<PaperVorRow> kPaperVors = {
    {{5000}, true, 0, {}},
    {{2500}, false, 5, {}},
    {{1250}, true, 10, {}},
    {{625}, true, 30, {{S::Text6, 40, 4}}},
    {{312}, true, 40, {{S::Text6, 60, 5}, {S::Text7, 160, 5}}},
    {{156}, true, 50, {{S::Text6, 90, 5}, {S::Text7, 180, 5}}},
    {{78}, true, 60, {{S::Text5, 90, 5}, {S::Text6, 180, 6}, {S::Text7, 300, 5}}},
    {{40, 20}, true, 80, {{S::Text5, 110, 5}, {S::Text6, 220, 7}, {S::Text7, 340, 6}}},
    {{10, 5}, true, 100, {{S::Text5, 140, 5}, {S::Text6, 280, 7}, {S::Text7, 420, 7}}},
    {{2}, true, 150, {{S::Text5, 140, 7}, {S::Text6, 240, 8}, {S::Text7, 420, 9}}},
};

const std::vector<PaperNdbRow> kPaperNdbs = {
    {{5000}, true, {}, {}},
    {{2500}, false, {3}, {}},
    {{1250}, true, {10}, {}},
    {{625}, true, {5, 20}, {{S::Text6, 75, S::Text6, -40, 4}}},
    {{312}, true, {10, 30}, {{S::Text6, 100, S::Text6, -40, 5}}},
    {{156}, true, {10, 40}, {{S::Text6, 120, S::Text6, -40, 5}, {S::Text7, 70, S::Text7, 70, 5}}},
    {{78},
     true,
     {10, 40},
     {{S::Text6, 120, S::Text6, -40, 5}, {S::Text7, 70, S::Text7, 70, 5}, {S::Text5, 70, S::Text7, 160, 5}}},
    {{40},
     true,
     {20, 60},
     {{S::Text6, 150, S::Text6, -40, 7}, {S::Text7, 90, S::Text7, 100, 6}, {S::Text5, 90, S::Text7, 220, 5}}},
    {{20, 10, 5, 2},
     true,
     {10, 40, 60},
     {{S::Text6, 150, S::Text6, -40, 8}, {S::Text7, 90, S::Text7, 100, 7}, {S::Text5, 90, S::Text7, 220, 6}}},
};

// Name, ICAO+Elev and ATIS stacked at x + 100.
std::vector<AirportLabel> Stack(int nameDy, int icaoDy, double size) {
    return {{A::Name, 100, nameDy, size}, {A::IcaoElev, 100, icaoDy, size}, {A::Atis, 100, 0, size}};
}

const std::vector<int> kFiveCircles = {3, 10, 20, 30, 40};
const std::vector<int> kThreeCircles = {10, 20, 30};

const std::vector<AirportRow> kPaperAirports = {
    {{5000, 2500}, {false, {10}, {}}, {true, {}, {}}, false},
    {{1250},
     {false, {5, 15}, {{A::LocationIndicator, 100, 0, 7}}},
     {false, {3}, {{A::LocationIndicator, 100, 0, 5}}},
     true},
    {{625},
     {false, {3, 10}, {{A::LocationIndicator, 50, 0, 7}}},
     {false, {5}, {{A::IataCode, 0, 0, kSizeInEffect}, {A::LocationIndicator, 50, 0, 5}}},
     true},
    {{312},
     {false,
      {3, 10, 20},
      {{A::Name, 100, -180, 4}, {A::IataCode, 100, -120, 4}, {A::LocationIndicator, 100, 0, 5}}},
     {false, {10}, {{A::IataCode, 100, -100, 4}, {A::LocationIndicator, 100, 0, 4}}},
     true},
    {{156},
     {false, {3, 10, 20, 30}, Stack(-240, -140, 5)},
     {false, {10}, {{A::IcaoElev, 100, -100, 4}, {A::Atis, 100, 0, 4}}},
     true},
    {{78}, {false, {3, 10, 20, 30}, Stack(-280, -160, 6)}, {false, {10, 20}, Stack(-240, -140, 5)}, true},
    {{40}, {false, kFiveCircles, Stack(-340, -200, 7)}, {false, kThreeCircles, Stack(-200, -100, 6)}, true},
    {{20}, {false, kFiveCircles, Stack(-340, -200, 7)}, {false, kThreeCircles, Stack(-270, -160, 6)}, true},
    {{10}, {false, kFiveCircles, Stack(-300, -200, 7)}, {false, kThreeCircles, Stack(-270, -160, 6)}, true},
    {{5, 2}, {false, kFiveCircles, Stack(-400, -200, 7)}, {false, kThreeCircles, Stack(-360, -200, 7)}, true},
};

} // namespace

const PaperHillRow *PaperHillRowFor(int32_t scale) {
    return RecipeRowFor(kPaperHills, scale);
}
const PaperVorRow *PaperVorRowFor(int32_t scale) {
    return RecipeRowFor(kPaperVors, scale);
}
const PaperNdbRow *PaperNdbRowFor(int32_t scale) {
    return RecipeRowFor(kPaperNdbs, scale);
}
const AirportRow *PaperAirportRowFor(int32_t scale) {
    return RecipeRowFor(kPaperAirports, scale);
}

} // namespace qelvar
