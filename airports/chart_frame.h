// Where a grid position of the airport lands on the picture of the diagram or the approach chart:
// the reference point at (7000, 5000), zoom grid units to a twip, y growing northward on the grid and
// downward on the picture, and the pan offset added last.
#pragma once

#include "scenery/scenery_airport.h"

#include <cstdint>
#include <string>

namespace qelvar {

inline constexpr int kChartWidth = 14415; // the picture, in twips
inline constexpr int kChartHeight = 10215;

// No position of a chart, pan included, lies farther than this from the picture's origin. The
// difference of two positions and a drawing offset added to one then stay within an int.
inline constexpr int kFarthestTwips = 1'000'000'000;

struct PicturePoint {
    int x = 0, y = 0;
    friend bool operator==(PicturePoint, PicturePoint) = default;
};

struct ChartFrame {
    int32_t unitsPerDegree = 0; // the grid of the program
    int64_t x0 = 0, y0 = 0;     // grid position of the picture's top-left corner before the pan
    int zoom = 1;               // grid units per twip
    int panX = 0, panY = 0;     // twips added to every position
};

// x0 = reference x − 7000 × zoom, y0 = reference y − 5000 × zoom, from the header's lat and lon.
// Raises Type mismatch (13) when the reference point is not a coordinate text, and Overflow (6) for a
// pan beyond kFarthestTwips.
ChartFrame MakeChartFrame(const AirportHeader &header, int32_t unitsPerDegree, int zoom, int panX, int panY);

// px = round((x − x0) ÷ zoom) + pan x; py = 10000 − round((y − y0) ÷ zoom) + pan y, halves to even.
// Raises Overflow (6) for a position beyond kFarthestTwips.
PicturePoint GridToPicture(const ChartFrame &frame, int64_t x, int64_t y);

// A coordinate pair of the file on the picture. Raises Type mismatch (13) for a malformed text.
PicturePoint CoordinatesToPicture(const ChartFrame &frame, const std::string &lat, const std::string &lon);

} // namespace qelvar
