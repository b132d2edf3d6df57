// Editing the airport table: the change rule of every field box, new airports, and writing the
// table back to Arpt.nav in the format its loader reads.
#pragma once

#include "maps/navdata/nav_database.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qelvar {

struct EditorState {
    int32_t CurrentAirport = 0;
    bool AirportChanged = false;
};

enum class AirportBox { Art, Iata, Name, Icao, Land, Atis, Elev, Ils, GradX, MinX, GradY, MinY };

// What a change of a box's text did.
struct BoxChange {
    bool changed = false; // the table has unsaved edits now: show Save
    std::string message;  // for lblInfo; empty when the text equals the stored field
};

// The text a box shows for the current airport's field (numbers in their shortest decimal form).
std::string FieldText(const Airport &airport, AirportBox box);

// The change rule: stores the text in the current airport (upper case where the field wants it,
// numbers checked and the position recomputed), or says why it cannot. A ";" would split the line
// of Arpt.nav and a line break (or another control character) would end it: both are refused; so
// are degrees with a fraction, which the loader would read back rounded, and numbers that put the
// position outside the map's range.
BoxChange ApplyBoxChange(NavDatabase &db, EditorState &state, AirportBox box, const std::string &text);

// X (or Y) of the airport from its degrees and minutes, degrees used as they stand.
void CalcNewPosX(Airport &airport);
void CalcNewPosY(Airport &airport);

inline constexpr int32_t kEditorAirportLimit = 8'500;

// Appends an empty airport and makes it current; false (and nothing changed) at the limit.
bool AddNewAirport(NavDatabase &db, EditorState &state);

// The airport table as Arpt.nav lines: the twelve fields joined by ";", numbers in their shortest
// decimal form with "." as separator.
std::vector<std::string> AirportTableLines(const AirportTableData &table);

// Why the table must not be written, or empty: when Arpt.nav failed to load, writing would
// replace the whole file with the few airports typed since; when it was loaded only in part (more
// airports than the table takes), writing would drop the rest.
std::string SaveRefusal(const NavDatabase &db);

// Writes Arpt.nav (the existing file of that name, in any case) through the atomic writer;
// raises RuntimeError when it cannot, leaving the old file whole.
void SaveAirportTable(const NavDatabase &db, const std::filesystem::path &folder);

// The first airport whose field equals the text exactly, or -1.
int32_t FindAirportByName(const AirportTableData &table, const std::string &name);
int32_t FindAirportByIata(const AirportTableData &table, const std::string &iata);

} // namespace qelvar
