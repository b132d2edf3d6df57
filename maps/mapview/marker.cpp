#include "maps/mapview/marker.h"

#include "maps/mapview/map_painter.h"
#include "platform/text_files.h"

#include <algorithm>

namespace qelvar {

namespace {

std::string Spaces(long n) {
    return std::string(static_cast<size_t>(std::max(0L, n)), ' ');
}

} // namespace

std::vector<std::string> RunwayItems(const std::string &runwayInfo) {
    std::string compact = runwayInfo;
    compact.erase(std::remove(compact.begin(), compact.end(), ' '), compact.end());
    if (compact.empty())
        return {};
    return SplitFields(compact, '#');
}

std::string AirportInfoText(const Airport &a) {
    std::string header;
    if (a.Type == "AD")
        header = "--- INTL ARPT ---";
    else if (a.Type == "AD-LOK")
        header = "--- LOCAL ARPT ---";
    else
        return "searching...";
    std::string text = header + a.IataCode + "\r\n";
    text += a.Name + Spaces(40 - static_cast<long>(a.Name.size())) + a.Country + "\r\n";
    text += a.LocationIndicator + Spaces(5) + "Elev: " + a.Elevation +
            Spaces(10 - static_cast<long>(a.Elevation.size())) + "ATIS: " + a.Atis + "\r\n";
    for (const std::string &item : RunwayItems(a.RunwayInfo))
        text += Spaces(30) + item + "\r\n";
    return text + "\r\n";
}

// Six rings round the first airport whose ICAO code is the code, and its block in the info box.
void MarkAirport(MapPainter &p, const std::string &code) {
    const AirportTableData &table = p.db().AirportTable;
    for (int32_t i = 0; i < table.AirportCount; ++i) {
        const Airport &airport = table.entries[i];
        if (airport.LocationIndicator != code)
            continue;
        p.result.displayText = AirportInfoText(airport);
        TwipPoint at = p.Screen(airport.X, airport.Y);
        p.canvas.SetColor(kMarkerColor);
        for (int r = 100; r <= 150; r += 10)
            p.canvas.Circle(at.x, at.y, r);
        p.result.ringsDrawn = true;
        return;
    }
}

} // namespace qelvar
