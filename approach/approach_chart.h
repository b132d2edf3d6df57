// The approach chart: the header of the airport diagram with the approach radios and a nautical-mile
// scale, the airport's runways with the NDB and VOR stations around it, and the chosen approach as a
// green dotted path through its fixes with symbols, arrows and labels.
#pragma once

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

// Clears the picture and draws the whole chart for the view.
ApproachChartOutcome RedrawApproachChart(Canvas &canvas, SceneryAirport &airport, const VorRecords &vors,
                                         const ApproachView &view);

// The title of an approach: the ILS line of an ILS approach, the VOR of a VOR approach, "Visual APP"
// for runway 00, else the approach label.
std::string ApproachTitle(const SceneryAirport &airport, const VorRecords &vors, int approach);

// A number with a unit letter, as the legs give altitudes and courses ("3000.0F", "160.8"): the last
// character is dropped (except from a whole number written without one) and the rest is read and
// rounded to a whole number; none for an empty or unreadable text.
std::optional<int> WholeUnitNumber(const std::string &text);

} // namespace qelvar
