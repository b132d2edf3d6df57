// The map's numeric toolkit: clipping segments to the drawable rectangle of the map picture, the
// end point of a leg on the flat map, great-circle distance and course, and position texts.
#pragma once

#include "platform/canvas.h"
#include "platform/messages.h"

#include <cstdint>
#include <string>

namespace qelvar {

// A drawable rectangle from (0, 0) to (right, bottom), twips.
struct ClipBounds {
    int32_t right;
    int32_t bottom;
};

// The map picture's: 0 <= x <= 15,160 and 0 <= y <= 7,580.
inline constexpr ClipBounds kClipRect{15'160, 7'580};
// The printed page's frame: 0 <= x <= 16,000 and 0 <= y <= 11,000.
inline constexpr ClipBounds kPageFrame{16'000, 11'000};

inline bool InClipRect(int32_t x, int32_t y, ClipBounds bounds = kClipRect) {
    return x >= 0 && x <= bounds.right && y >= 0 && y <= bounds.bottom;
}

// Region code of a point: left 1, right 2, top 4, bottom 8; 0 inside.
enum RegionFlag : int { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8 };
int CompOutCode(int32_t x, int32_t y, ClipBounds bounds = kClipRect);

// Draws the part of the segment inside the bounds with the canvas's current pen; a segment with
// both ends outside is never drawn. The end points are changed in place. Run-time errors show the
// routine message of LineClip and leave the segment undrawn.
void LineClip(Canvas &canvas, MessageSink &sink, int32_t &x1, int32_t &y1, int32_t &x2, int32_t &y2,
              ClipBounds bounds = kClipRect);

// The end of a leg of `course` whole degrees and `distance` nautical miles from (x, y) on the flat
// map (3,600 map units to a nautical mile in both directions). A course outside 0 ... 360 leaves
// x2, y2 as they were.
void CalcSegment(int32_t x, int32_t y, int32_t course, double distance, int32_t &x2, int32_t &y2);

// The opposite course: c + 180, less 360 above 360 (180 gives 360, 0 and 360 give 180).
inline int32_t ReciprocalCourse(int32_t c) {
    return c + 180 > 360 ? c - 180 : c + 180;
}

// Arc cosines; an argument at or beyond +1 gives 0, at or beyond -1 gives 180 degrees (pi).
double AcosDegrees(double x);
double AcosRadians(double x);

// Nautical miles between two positions in degrees (any longitude sign convention, used alike).
double GreatCircleDistance(double lat1, double lat2, double lon1, double lon2);

// Initial true course in whole degrees (fraction dropped), longitudes positive to the west;
// 0 between two equal positions.
double InitialCourse(double lon1, double lat1, double lon2, double lat2);

// "E8 34.56  N50 2.10", or the two-line form "E8 34.56" CR LF " N50 2.10".
std::string PositionText(int32_t x, int32_t y, bool twoLines);

} // namespace qelvar
