// The flight-plan files are XML: this is the one place where their bytes meet Qt's XML reader and
// writer. The formats work on a plain tree of elements, with texts in the kit's Windows-1252.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qelvar {

struct XmlElement {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text; // the element's own character data, trimmed
    std::vector<XmlElement> children;

    // The first child of that name, or nullptr.
    const XmlElement *Child(const std::string &childName) const;
    // The trimmed text of the first child of that name, or "".
    std::string ChildText(const std::string &childName) const;
    std::string Attribute(const std::string &attributeName) const;

    XmlElement &Add(std::string childName, std::string childText = {});
    XmlElement &Set(std::string attributeName, std::string value);
};

struct XmlParse {
    bool ok = false;
    XmlElement root;
    std::string error; // what is wrong and where: "line 3, column 7: ..."
};

// Parses a whole document. The encoding comes from the byte-order mark or the declaration; a
// document without either that is not UTF-8 is read as Windows-1252. Elements nest at most 32 deep.
XmlParse ParseXml(const std::string &bytes);

// A number as XML writes it ("47.5", "+8", "-122.3"), whatever the user's locale; none for any
// other text, infinity or NaN.
std::optional<double> XmlNumber(const std::string &text);
// The shortest text that reads back as the same double.
std::string XmlNumberText(double value);

// The document in UTF-8, indented, with the XML declaration (and a byte-order mark when asked).
std::string WriteXml(const XmlElement &root, bool byteOrderMark = false);

} // namespace qelvar
