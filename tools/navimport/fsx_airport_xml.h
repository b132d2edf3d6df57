// Reading a pilot's own airport XML (the simulator's airport scenery schema) into scenery models:
// any well-formed file, attributes in any order and on any line, read with QXmlStreamReader.
#pragma once

#include "scenery_model.h"

#include <QByteArray>
#include <stdexcept>
#include <string>
#include <vector>

namespace qelvar::import {

// Names the line and column (from 1) and what is wrong.
class SceneryXmlError : public std::runtime_error {
public:
    SceneryXmlError(long line, long column, const std::string &what);
    long line, column;
};

// Every <Airport> of the file. Runway ends are computed from each runway's centre, heading and
// length (the diagram draws the runway between them); a runway end's own <Start> in the file is
// kept as its start position, helipads get their two HELIPAD starts. Numbers are read with "." as
// the separator whatever the locale; a value that is not finite or lies beyond its range (latitude
// 90, longitude 180, minutes and seconds 60, angles 360, distances 40,075 km, other numbers a
// billion) is refused with its line and column. Waypoints and NDBs outside any airport go to every
// airport of the file. Taxi points, parking spots and taxi names are numbered in file order and
// the paths renumbered to match. Idents are upper-cased, as the viewers search them.
std::vector<SceneryAirportModel> ReadSceneryXml(const QByteArray &xml);

// "N47 26.99", "N47 26 59.4", "N47* 26.99'", "-122.31": degrees, south and west negative. Raises
// std::out_of_range for minutes or seconds of 60 or more.
double ParseSceneryCoordinate(const std::string &text);
// "3200.0M", "18N", "400F", "12.5" (metres when no unit is given): metres.
double ParseSceneryDistance(const std::string &text);

} // namespace qelvar::import
