// The helpers that take one line of a scenery XML file apart. The files are read line by line, not
// parsed as XML: each attribute stands on its own line as name="value", and an element's opening
// line carries the element name and its first attribute.
#pragma once

#include <string>

namespace qelvar {

// Tab characters count as spaces on every line.
void TabsToSpaces(std::string &line);

// The text before the first "=", leading spaces skipped; the whole trimmed line when it has none.
// "  <Runway number=..." gives "<Runway number", "lat=..." gives "lat", "<Aprons>" gives "<Aprons>".
std::string AttributeName(const std::string &line);

// The text between the first and second double quote; empty when the line has fewer quotes.
std::string FirstValue(const std::string &line);

// The text between the third and fourth double quote (the second attribute on the line); empty when
// the line has fewer quotes.
std::string SecondValue(const std::string &line);

// True when the line carries a quoted value: the first (second) value exists, even if empty.
bool HasFirstValue(const std::string &line);
bool HasSecondValue(const std::string &line);

// When the line (leading spaces skipped) contains "<", the element tag becomes its first
// space-separated word ("<Runway", "</Runway>", "<Aprons>"); true then. Other lines leave it.
bool UpdateElementTag(const std::string &line, std::string &elementTag);

} // namespace qelvar
