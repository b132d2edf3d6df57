// The hand-written peak list: "Name;elevation feet;N27 59 E086 55", "#" comments.
#include "source_files.h"
#include "sources.h"

#include "platform/text_files.h"

#include <charconv>

namespace qelvar::import {

namespace {

bool ReadInt(const std::string &text, int &value) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

// "N27" "59" -> 27.9833; false when the letter or a number is wrong.
bool ReadHalf(const std::string &lettered, const std::string &minutes, char positive, char negative,
              double &degrees) {
    int d = 0, m = 0;
    if (lettered.size() < 2 || (lettered[0] != positive && lettered[0] != negative) ||
        !ReadInt(lettered.substr(1), d) || !ReadInt(minutes, m) || m < 0 || m >= 60)
        return false;
    degrees = (d + m / 60.0) * (lettered[0] == negative ? -1 : 1);
    return true;
}

} // namespace

std::vector<Peak> ReadPeaks(const std::filesystem::path &file) {
    std::vector<Peak> peaks;
    ForEachSourceLine(file, [&](const std::string &line, long number) {
        if (line.empty() || line[0] == '#')
            return;
        std::vector<std::string> f = SplitFields(line, ';');
        std::vector<std::string> position =
            f.size() == 3 ? SplitFields(f[2], ' ') : std::vector<std::string>{};
        Peak peak;
        peak.name = KitText(DecodeSourceText(f[0]));
        if (position.size() != 4 || !ReadInt(f[1], peak.elevationFeet) ||
            !ReadHalf(position[0], position[1], 'N', 'S', peak.lat) ||
            !ReadHalf(position[2], position[3], 'E', 'W', peak.lon))
            FailAt(file, number, "expected \"name;feet;N27 59 E086 55\"");
        peaks.push_back(std::move(peak));
    });
    return peaks;
}

} // namespace qelvar::import
