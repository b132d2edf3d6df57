// An NMEA log cut into the cycles a receiver sends together, each with the time it is due at, so
// that a log can be sent again at its recorded pace.
#pragma once

#include <string>
#include <vector>

namespace qelvar {

struct ReplayCycle {
    std::string datagram;  // the cycle's lines, each ended by what the log had (LF or CR LF)
    double dueSeconds = 0; // after the first cycle
};

// A cycle ends before a line whose sentence type it already holds ("RMC, GGA, GSA" then "RMC"
// starts the next). The time is the hhmmss stamp of the cycle's first RMC or GGA; cycles that share
// a stamp (a source faster than one cycle a second) are spread evenly over that second; a cycle
// without a stamp is due with the one before; a stamp smaller than the last is the next day.
std::vector<ReplayCycle> CutIntoCycles(const std::string &log);

} // namespace qelvar
