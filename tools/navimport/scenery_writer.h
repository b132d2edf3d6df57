// Writes one airport in the layout that the kit's scenery reader expects: one attribute per line
// as name="value", the element's opening line with the attribute the reader looks for there, the
// fixed two-value lines (runway and start number with designator, ILS end with ident, VASI end
// with side, taxi-name index with name, path start with end, vertex lat with lon), the attribute
// that closes a reader record as the last line of its element, every approach leg closed by a
// line "/>", coordinates as N47 26.9912. The file is well-formed XML in Windows-1252 with CR LF.
#pragma once

#include "scenery_model.h"

#include <string>

namespace qelvar::import {

// "N47 26.9912", "W122 18.5612", "S0 00.0000": hemisphere letter, whole degrees, a blank, minutes
// with four decimals (about 0.2 m).
std::string LatitudeText(double degrees);
std::string LongitudeText(double degrees);

// An attribute value with the characters XML reserves written as entities.
std::string XmlAttributeText(const std::string &windows1252);

// The whole file: Windows-1252 bytes, every line ended by CR LF.
std::string SceneryFileText(const SceneryAirportModel &airport);

} // namespace qelvar::import
