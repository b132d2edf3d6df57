// Scenery coordinates: the text form of the XML files ("N47 26.99", "W122 18.56") and the integer
// grid that the viewers draw from. The grid counts eastward from 180° W and, in each hemisphere,
// northward; its unit is a fraction of a degree that each viewer chooses.
#pragma once

#include <cstdint>
#include <string>

namespace qelvar {

inline constexpr int32_t kDiagramGridPerDegree = 864'000;  // the airport diagram: 14,400 per minute
inline constexpr int32_t kApproachGridPerDegree = 216'000; // the approach chart: 3,600 per minute

// x = (180 + longitude) × unitsPerDegree, east positive; the hemisphere is that of the letter, also
// when the minutes are zero. A text without minutes ("W122") is whole degrees. Raises Type mismatch
// (13) for a text that is not a letter, whole degrees and optionally a space and decimal minutes, and
// for a longitude beyond 180° or minutes of 60 or more.
int32_t LonToGrid(const std::string &text, int32_t unitsPerDegree);

// North of the equator y = latitude × unitsPerDegree, south of it (90 − |latitude|) × unitsPerDegree.
// The text as for LonToGrid; a latitude beyond 90° is Type mismatch (13).
int32_t LatToGrid(const std::string &text, int32_t unitsPerDegree);

// "123.4M" -> "405": the unit letter dropped, metres × 3.28 rounded half to even; empty text gives "0".
// Raises Type mismatch (13) when the rest is not a number.
std::string MetresToFeetText(const std::string &text);

} // namespace qelvar
