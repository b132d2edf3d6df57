// Writes the kit's demonstration track (data/nmea/demo-ksea-kbfi.nmea) as an NMEA log.
// Usage: nmea-track OUTPUT_FILE
#include "flight_track.h"

#include <fstream>
#include <iostream>

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::cerr << "usage: nmea-track OUTPUT_FILE\n";
        return 2;
    }
    std::vector<qelvar::TrackFix> track = qelvar::DemoFlightTrack(12 * 3600);
    std::ofstream out(argv[1], std::ios::binary);
    out << qelvar::TrackLog(track, "010126");
    if (!out.flush()) {
        std::cerr << "nmea-track: cannot write " << argv[1] << "\n";
        return 1;
    }
    std::cout << track.size() << " fixes written to " << argv[1] << "\n";
    return 0;
}
