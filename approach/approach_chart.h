// The approach chart: the header of the airport diagram with the approach radios and a nautical-mile
// scale, the airport's runways with the NDB and VOR stations around it, and the chosen approach as a
// green dotted path through its fixes with symbols, arrows and labels.
#pragma once

#include "airports/chart_header.h"
#include "approach/leg_values.h"
#include "approach/vor_records.h"
#include "platform/canvas.h"
#include "scenery/scenery_airport.h"

#include <optional>
#include <string>
#include <vector>

namespace qelvar {

struct ApproachView {
    int zoom = 16;                 // grid units per twip, 2 to 50
    int panX = 0, panY = 0;        // twips added to every position
    std::optional<int> approach;   // the approach list's index; none draws no approach
    std::optional<int> transition; // a chosen transition; the approach is drawn only without one
};

struct ApproachChartOutcome {
    // "VOR SEA": the transitions of the chosen approach that the transition list offers.
    std::vector<std::string> transitionEntries;
    bool dataCorrupt = false;      // a fix of the approach was found nowhere
    bool noReferencePoint = false; // the airport has no readable lat and lon: only the header is drawn
};

inline constexpr const char *kCorruptDataWarning = "ATTENTION: Approach Data may be corrupt!";
inline constexpr const char *kNoLegsNote = "This approach has no legs in the scenery file.";

// Clears the picture and draws the whole chart for the view. The arrowheads point along the true
// course, the magnetic one turned by the airport's variation; the course labels stay magnetic.
// Raises Overflow (6) for numbers of the file that the picture cannot hold (a DME figure or a course
// beyond the 32-bit range, a position beyond kFarthestTwips).
ApproachChartOutcome RedrawApproachChart(Canvas &canvas, SceneryAirport &airport, const VorRecords &vors,
                                         const ApproachView &view);

// The title of an approach: the ILS line of an ILS approach, the VOR of a VOR approach, "Visual APP"
// for runway 00, else the approach label.
std::string ApproachTitle(const SceneryAirport &airport, const VorRecords &vors, int approach);

// The header of the approach chart: the diagram's header with only the approach radios, without the
// ILS list, and with the nautical-mile scale of the zoom level.
HeaderStyle ApproachHeaderStyle(int zoom);

} // namespace qelvar
