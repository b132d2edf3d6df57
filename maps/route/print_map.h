// The printed map: one landscape page with a frame, the warning footer and every switched-on
// layer in paper versions of the map's recipes, for the view the main window shows.
#pragma once

#include "maps/mapview/redraw.h"

#include <string>

namespace qelvar {

// "Kordax       ** do not use for navigation **  Zoom: 5000"
std::string PrintFooter(int32_t scale);

// Draws the page onto the canvas (page twips). Changes nothing but the scale clamp and the ILS
// entries it appends to the hit list.
void PrintMap(MapScene &scene, Canvas &canvas);

} // namespace qelvar
