// The kit's own demonstration track: an aircraft lined up on KSEA runway 16L takes off, flies the
// first legs of a route south and west of Seattle, joins the approach to runway 13R of Boeing Field
// (KBFI), lands, and taxis off the runway onto the taxiway between the runways. One fix a second.
#pragma once

#include "position/nmea_writer.h"

#include <string>
#include <vector>

namespace qelvar {

std::vector<TrackFix> DemoFlightTrack(int startSecondOfDay);

// Each fix as an RMC and a GGA sentence, CR LF ended, as a GPS receiver writes them.
std::string TrackLog(const std::vector<TrackFix> &track, const std::string &ddmmyy);

} // namespace qelvar
