// The VOR stations of the main program's vor.nav, as the approach chart places and labels them.
#pragma once

#include "platform/messages.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qelvar {

struct VorRecord {
    std::string ident;     // the seventh field of the line
    std::string lat, lon;  // in the form of the scenery files: "N47 31", "W122 18.4"
    std::string name;      // the sixth field: the station's name
    std::string frequency; // the eighth field: the frequency the chart prints under the ident
    int32_t x = 0, y = 0;  // the grid position of lat and lon, 216,000 units per degree
};

inline constexpr size_t kVorCapacity = 8001;

using VorRecords = std::vector<VorRecord>;

// "N47 31" for 47 degrees and 31 minutes, "S0 30.5" for 0 and -30.5: the hemisphere letter (negative
// when the degrees or the minutes are), the absolute degrees, a space and the absolute minutes in
// their shortest form.
std::string VorCoordinateText(int32_t degrees, double minutes, char positiveLetter, char negativeLetter);

// Fills the records from vor.nav in the folder, the minutes as written (the map rounds them to whole
// ones for itself). Never raises: a missing file leaves no stations, a broken line keeps the
// stations before it, and either is told once through the sink; a file with more than 8,001
// stations keeps the first 8,001 and says so.
void LoadVor(const std::filesystem::path &folder, VorRecords &vors, MessageSink &sink);

// The messages of LoadVor.
std::string VorFileMissingText();
std::string VorFileBrokenText(const RuntimeError &error, size_t stationsRead);

} // namespace qelvar
