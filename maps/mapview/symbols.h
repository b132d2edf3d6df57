// Pieces of the point symbols that the map picture and the printed page share.
#pragma once

#include "maps/mapview/map_recipes.h"
#include "maps/mapview/map_view.h"
#include "maps/navdata/nav_database.h"
#include "platform/canvas.h"

#include <string>

namespace qelvar {

// A peak's cross: for k = 0 ... arm the points (x +- k, y) and (x, y +- k).
void Cross(Canvas &canvas, TwipPoint at, int arm);

const std::string &StationTextOf(const VorStation &station, StationText which);
const std::string &StationTextOf(const NdbStation &station, StationText which);
std::string AirportTextOf(const Airport &airport, AirportText which);

// The x of an NDB label that stands left of the station by perCharacter twips for each character
// of a text: x - perCharacter * length, worked out in 64 bits and held to the 32-bit range, so an
// absurdly long text puts its label far off the picture instead of wrapping round.
int32_t LabelLeftOf(int32_t x, int perCharacter, size_t length);

// The far end of an ILS course line: 10 NM along the reciprocal of the rounded course.
TwipPoint IlsCourseEnd(const MapView &view, const IlsEntry &ils);

} // namespace qelvar
