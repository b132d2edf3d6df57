// The live position in the window of Qelvar Approach: as in every scenery viewer, and the status
// names the next fix of the chosen approach with its distance and course.
#pragma once

#include "approach/window/frm_approach.h"
#include "position/qt/live_position.h"

namespace qelvar {

// "next CF16L 4.2 NM 160°": the fix of the approach's own legs (in table order, fixes that are
// found) that the aircraft flies to; empty without an approach or fixes.
std::string NextFixText(const SceneryAirport &airport, const VorRecords &vors, std::optional<int> approach,
                        const AircraftFix &fix);

LivePosition *AttachApproachPosition(frmApproach &window, const PositionState &state,
                                     std::function<std::string()> sourceText);

} // namespace qelvar
