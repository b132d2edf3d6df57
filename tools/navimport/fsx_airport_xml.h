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
// length (the diagram draws the runway between them); the file's own <Start> positions are left
// out, helipads get their two HELIPAD starts. Waypoints and NDBs outside any airport go to every
// airport of the file. Taxi points, parking spots and taxi names are numbered in file order and
// the paths renumbered to match. Idents are upper-cased, as the viewers search them.
std::vector<SceneryAirportModel> ReadSceneryXml(const QByteArray &xml);

// "N47 26.99", "N47 26 59.4", "N47* 26.99'", "-122.31": degrees, south and west negative.
double ParseSceneryCoordinate(const std::string &text);
// "3200.0M", "18N", "400F", "12.5" (metres when no unit is given): metres.
double ParseSceneryDistance(const std::string &text);

} // namespace qelvar::import
