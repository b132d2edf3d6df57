// The direction tables of the airport diagram: 36 bands of 10 degrees of a heading, each giving an
// offset in twips (x to the right, y downwards, so north is (0, −1)).
#pragma once

#include <array>

namespace qelvar {

struct BandOffset {
    int dx = 0, dy = 0;
    friend bool operator==(BandOffset, BandOffset) = default;
};

using BandTable = std::array<BandOffset, 36>;

// The band of a heading in whole degrees: 0 for 0–9, ..., 35 for 350–359. Headings outside 0–359
// are taken modulo 360 first (360 is 0, −10 is 350).
int HeadingBand(int heading);

// The reverse of a heading: + 180 below 180, else − 180.
int ReverseHeading(int heading);

// The parking spot's heading line: (dx, dy) per band of the reversed heading, a unit of about 10.
const BandTable &ParkingHeadingBands();

// The runway number label: about 500 twips from the runway end, per band of the reversed heading.
const BandTable &RunwayLabelBands();

// The VASI marks: about 500 twips from the runway end along its heading, per band of the heading;
// the left point stands 100 twips left of the right one, square to the heading.
const BandTable &VasiRightBands();
const BandTable &VasiLeftBands();

} // namespace qelvar
