// The header of the airport diagram and of the approach chart: identity lines, elevation, magnetic
// variation, radio list, runway and ILS lists and the warning line. The approach chart shows only
// the ATIS, tower and approach frequencies and adds a nautical-mile scale.
#pragma once

#include "platform/canvas.h"
#include "scenery/scenery_airport.h"

#include <string>

namespace qelvar {

struct HeaderStyle {
    bool approachRadiosOnly = false; // COM records whose type names ATIS, TOWER or APPROACH
    int scaleZoom = 0;               // the zoom level of the nautical-mile scale; 0 draws none
    bool ilsList = true;             // the ILS lines below the runway list
};

// The airport's magnetic variation as the file's magvar gives it: a value v from 180 on is 360 − v
// degrees east, a smaller one v degrees west. Raises Type mismatch (13) for a text that is not a
// number.
struct MagneticVariation {
    double degrees = 0;
    bool east = false;
};
MagneticVariation ReadMagneticVariation(const std::string &magvar);

// The variation in degrees east, west negative: what turns a magnetic course into a true one.
// 0 for an empty magvar; Type mismatch (13) as ReadMagneticVariation.
double EastVariation(const std::string &magvar);

// "2.50° E" for a magvar of 357.5, "3.00° W" for 3; empty for none. Raises Type mismatch (13) for a
// text that is not a number.
std::string MagneticVariationText(const std::string &magvar);

// The line that tells what the scenery file lacks: no runways, or its end before "</Airport>";
// empty when it lacks neither or the airport was not found in it.
std::string MissingPartsText(const SceneryAirport &airport);

// "09" for "9": the form in which the header and the diagram show a runway number.
std::string PaddedRunwayNumber(const std::string &number);

// The designator's letter: its first character, nothing for a designator beginning with "N" ("NONE").
std::string DesignatorLetter(const std::string &designator);

// Clears the picture and draws the header, leaving the colour black and the line width 1, and the
// missing parts line above the warning. Stores one-character start numbers in their two-digit form
// (a repeated redraw draws the same). Returns the number of lines of the runway and ILS list, the
// n-th of which stands at y = 800 + 250 n.
int DrawChartHeader(Canvas &canvas, SceneryAirport &airport, const HeaderStyle &style);

} // namespace qelvar
