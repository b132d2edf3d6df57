#include "maps/editor/airport_editing.h"

#include "maps/navdata/placing.h"
#include "platform/atomic_file.h"
#include "platform/numbers.h"
#include "platform/program_folder.h"
#include "platform/runtime_error.h"

#include <algorithm>
#include <cmath>

namespace qelvar {

namespace {

struct BoxRule {
    const char *changed;
    const char *invalid; // number boxes only
};

BoxRule RuleOf(AirportBox box) {
    switch (box) {
    case AirportBox::Art:
        return {"Arpt-Type has changed!", nullptr};
    case AirportBox::Iata:
        return {"Arpt IATA-Code has changed!", nullptr};
    case AirportBox::Name:
        return {"Arpt Name has changed!", nullptr};
    case AirportBox::Icao:
        return {"Arpt LocationIndicator has changed!", nullptr};
    case AirportBox::Land:
        return {"Arpt Country has changed!", nullptr};
    case AirportBox::Atis:
        return {"Arpt ATIS has changed!", nullptr};
    case AirportBox::Elev:
        return {"Arpt Elevation has changed!", nullptr};
    case AirportBox::Ils:
        return {"Arpt ILS/RWY has changed!", nullptr};
    case AirportBox::GradX:
        return {"Arpt PosX has changed!", "X-Grad invalid"};
    case AirportBox::GradY:
        return {"Arpt PosY has changed!", "Y-Grad invalid"};
    case AirportBox::MinX:
        return {"Arpt X-Minutes has changed!", "X-Minutes invalid"};
    case AirportBox::MinY:
        return {"Arpt Y-Minutes has changed!", "Y-Minutes invalid"};
    }
    return {"", nullptr};
}

std::string *TextField(Airport &a, AirportBox box) {
    switch (box) {
    case AirportBox::Art:
        return &a.Type;
    case AirportBox::Iata:
        return &a.IataCode;
    case AirportBox::Name:
        return &a.Name;
    case AirportBox::Icao:
        return &a.LocationIndicator;
    case AirportBox::Land:
        return &a.Country;
    case AirportBox::Atis:
        return &a.Atis;
    case AirportBox::Elev:
        return &a.Elevation;
    case AirportBox::Ils:
        return &a.RunwayInfo;
    default:
        return nullptr;
    }
}

double *NumberField(Airport &a, AirportBox box) {
    switch (box) {
    case AirportBox::GradX:
        return &a.LonDeg;
    case AirportBox::MinX:
        return &a.LonMin;
    case AirportBox::GradY:
        return &a.LatDeg;
    case AirportBox::MinY:
        return &a.LatMin;
    default:
        return nullptr;
    }
}

bool StoredUpperCase(AirportBox box) {
    return box == AirportBox::Art || box == AirportBox::Iata || box == AirportBox::Name ||
           box == AirportBox::Icao || box == AirportBox::Ils;
}

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        auto u = static_cast<unsigned char>(c);
        // ASCII and the Latin-1 letters of Windows-1252 (a with grave ... thorn, not the division sign).
        if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
            return static_cast<char>(u - 32);
        return c;
    });
    return text;
}

Airport &CurrentOf(NavDatabase &db, const EditorState &state) {
    auto &entries = db.AirportTable.entries;
    if (static_cast<size_t>(state.CurrentAirport) >= entries.size())
        entries.resize(static_cast<size_t>(state.CurrentAirport) + 1);
    return entries[state.CurrentAirport];
}

double PositionUnits(double degrees, double minutes) {
    return RoundHalfEven(std::fabs(degrees) * kUnitsPerDegree +
                         std::fabs(RoundHalfEven(minutes * kUnitsPerMinute)));
}

bool IsMinutes(AirportBox box) {
    return box == AirportBox::MinX || box == AirportBox::MinY;
}
bool IsLongitude(AirportBox box) {
    return box == AirportBox::GradX || box == AirportBox::MinX;
}

const char *const kSemicolonRefused =
    "\";\" separates the fields of Arpt.nav and cannot be stored: nothing changed.";
const char *const kControlCharacterRefused =
    "Line breaks and other control characters cannot be stored in Arpt.nav: nothing changed.";

bool IsControlCharacter(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// What no box may store: ";" and control characters would break the line of Arpt.nav. The ILS
// box drops its line breaks by its own rule before this test.
const char *RefusalOf(const std::string &text) {
    if (text.find(';') != std::string::npos)
        return kSemicolonRefused;
    if (std::any_of(text.begin(), text.end(), IsControlCharacter))
        return kControlCharacterRefused;
    return nullptr;
}

bool IsDegrees(AirportBox box) {
    return box == AirportBox::GradX || box == AirportBox::GradY;
}

} // namespace

std::string FieldText(const Airport &airport, AirportBox box) {
    Airport copy = airport;
    if (std::string *text = TextField(copy, box))
        return *text;
    return ShortestDecimal(*NumberField(copy, box));
}

void CalcNewPosX(Airport &a) {
    a.X = LongitudeToX(PositionUnits(a.LonDeg, a.LonMin), a.LonDeg < 0 || a.LonMin < 0);
}

void CalcNewPosY(Airport &a) {
    a.Y = LatitudeToY(PositionUnits(a.LatDeg, a.LatMin), a.LatDeg < 0 || a.LatMin < 0);
}

BoxChange ApplyBoxChange(NavDatabase &db, EditorState &state, AirportBox box, const std::string &text) {
    Airport &airport = CurrentOf(db, state);
    if (text == FieldText(airport, box))
        return {};
    std::string stored = text;
    if (box == AirportBox::Ils)
        std::erase_if(stored, [](char c) { return c == '\r' || c == '\n'; });
    if (const char *refusal = RefusalOf(stored))
        return {false, refusal};
    BoxRule rule = RuleOf(box);
    if (std::string *field = TextField(airport, box)) {
        *field = StoredUpperCase(box) ? UpperCase(stored) : stored;
        state.AirportChanged = true;
        return {true, rule.changed};
    }

    double value = 0;
    try {
        value = ParseDecimal(text);
    } catch (const RuntimeError &) {
        return {false, rule.invalid};
    }
    // Degrees are whole: the loader rounds the degrees of Arpt.nav to whole numbers, so a fraction
    // typed here would put the airport elsewhere (even in the other hemisphere) after a restart.
    if (IsDegrees(box) && value != std::trunc(value))
        return {false, rule.invalid};
    // While the minutes end in "," the decimals are still being typed: nothing is stored yet.
    if (!(IsMinutes(box) && !text.empty() && text.back() == ',')) {
        Airport changed = airport;
        *NumberField(changed, box) = value;
        try {
            IsLongitude(box) ? CalcNewPosX(changed) : CalcNewPosY(changed);
        } catch (const RuntimeError &) {
            return {false, rule.invalid}; // the position would leave the map's range
        }
        airport = changed;
    }
    state.AirportChanged = true;
    return {true, rule.changed};
}

bool AddNewAirport(NavDatabase &db, EditorState &state) {
    AirportTableData &table = db.AirportTable;
    if (table.AirportCount >= kEditorAirportLimit)
        return false;
    table.AirportCount += 1;
    state.CurrentAirport = table.AirportCount - 1;
    if (table.entries.size() < static_cast<size_t>(table.AirportCount))
        table.entries.resize(static_cast<size_t>(table.AirportCount));
    table.entries[state.CurrentAirport] = Airport{};
    return true;
}

std::vector<std::string> AirportTableLines(const AirportTableData &table) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(table.AirportCount));
    for (int32_t i = 0; i < table.AirportCount; ++i) {
        const Airport &a = table.entries[i];
        lines.push_back(a.Type + ";" + a.IataCode + ";" + a.LocationIndicator + ";" + a.Name + ";" +
                        a.Elevation + ";" + ShortestDecimal(a.LonDeg) + ";" + ShortestDecimal(a.LonMin) +
                        ";" + ShortestDecimal(a.LatDeg) + ";" + ShortestDecimal(a.LatMin) + ";" + a.Atis +
                        ";" + a.RunwayInfo + ";" + a.Country);
    }
    return lines;
}

std::string SaveRefusal(const NavDatabase &db) {
    if (db.AirportTable.LoadFailed)
        return "Arpt.nav could not be read at start-up: saving now would replace all its airports. The edits "
               "stay in memory; mend the file and start again.";
    if (db.AirportTable.LoadTruncated)
        return "Arpt.nav holds more airports than the table takes and was loaded only in part: saving now "
               "would drop the rest. The edits stay in memory.";
    return {};
}

void SaveAirportTable(const NavDatabase &db, const std::filesystem::path &folder) {
    WriteTextLinesAtomically(FindFile(folder, "Arpt.nav"), AirportTableLines(db.AirportTable));
}

int32_t FindAirportByName(const AirportTableData &table, const std::string &name) {
    for (int32_t i = 0; i < table.AirportCount; ++i)
        if (table.entries[i].Name == name)
            return i;
    return -1;
}

int32_t FindAirportByIata(const AirportTableData &table, const std::string &iata) {
    for (int32_t i = 0; i < table.AirportCount; ++i)
        if (table.entries[i].IataCode == iata)
            return i;
    return -1;
}

} // namespace qelvar
