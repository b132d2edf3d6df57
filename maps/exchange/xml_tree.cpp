#include "maps/exchange/xml_tree.h"

#include "platform/codepage.h"

#include <QStringDecoder>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <charconv>
#include <cmath>
#include <memory>

namespace qelvar {

namespace {

constexpr int kMostDepth = 32;

bool HasByteOrderMark(const std::string &bytes) {
    auto starts = [&](const char *mark, size_t n) {
        return bytes.size() >= n && bytes.compare(0, n, mark, n) == 0;
    };
    return starts("\xEF\xBB\xBF", 3) || starts("\xFF\xFE", 2) || starts("\xFE\xFF", 2);
}

// The encoding named by the XML declaration, in small letters; "" when there is none.
std::string DeclaredEncoding(const std::string &bytes) {
    std::string head = bytes.substr(0, std::min<size_t>(bytes.size(), 200));
    size_t end = head.find("?>");
    if (head.rfind("<?xml", 0) != 0 || end == std::string::npos)
        return {};
    size_t at = head.find("encoding", 0);
    if (at == std::string::npos || at > end)
        return {};
    size_t open = head.find_first_of("\"'", at);
    size_t close = open == std::string::npos ? open : head.find(head[open], open + 1);
    if (close == std::string::npos || close > end)
        return {};
    std::string name = head.substr(open + 1, close - open - 1);
    for (char &c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

bool IsUtf8(const std::string &bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

// The XML reader on the file's text. Files that say UTF-8 (or nothing) but are not, as hand-made
// flight plans often are, were written in the desktop's 8-bit code page: they are read as such.
std::unique_ptr<QXmlStreamReader> ReaderOf(const std::string &bytes) {
    std::string declared = DeclaredEncoding(bytes);
    bool saysUtf8 = declared.empty() || declared == "utf-8" || declared == "utf8";
    if (HasByteOrderMark(bytes) || !saysUtf8 || IsUtf8(bytes))
        return std::make_unique<QXmlStreamReader>(
            QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return std::make_unique<QXmlStreamReader>(ToUnicode(bytes)); // a text reader ignores the declaration
}

} // namespace

const XmlElement *XmlElement::Child(const std::string &childName) const {
    for (const XmlElement &c : children)
        if (c.name == childName)
            return &c;
    return nullptr;
}

std::string XmlElement::ChildText(const std::string &childName) const {
    const XmlElement *c = Child(childName);
    return c ? c->text : std::string();
}

std::string XmlElement::Attribute(const std::string &attributeName) const {
    for (const auto &[n, v] : attributes)
        if (n == attributeName)
            return v;
    return {};
}

XmlElement &XmlElement::Add(std::string childName, std::string childText) {
    children.push_back(XmlElement{std::move(childName), {}, std::move(childText), {}});
    return children.back();
}

XmlElement &XmlElement::Set(std::string attributeName, std::string value) {
    attributes.emplace_back(std::move(attributeName), std::move(value));
    return *this;
}

XmlParse ParseXml(const std::string &bytes) {
    XmlParse parse;
    std::unique_ptr<QXmlStreamReader> readerOwner = ReaderOf(bytes);
    QXmlStreamReader &reader = *readerOwner;
    std::vector<XmlElement *> open; // the elements not yet closed, innermost last
    std::vector<QString> texts;
    bool rootSeen = false;
    while (!reader.atEnd()) {
        QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (open.size() >= static_cast<size_t>(kMostDepth)) {
                reader.raiseError(QStringLiteral("the elements nest too deeply"));
                break;
            }
            XmlElement *element = nullptr;
            if (open.empty()) {
                element = &parse.root;
                rootSeen = true;
            } else {
                element = &open.back()->children.emplace_back();
            }
            element->name = ToWindows1252(reader.name().toString());
            for (const QXmlStreamAttribute &a : reader.attributes())
                element->attributes.emplace_back(ToWindows1252(a.name().toString()),
                                                 ToWindows1252(a.value().toString()));
            open.push_back(element);
            texts.emplace_back();
        } else if (token == QXmlStreamReader::Characters && !open.empty()) {
            texts.back() += reader.text();
        } else if (token == QXmlStreamReader::EndElement && !open.empty()) {
            open.back()->text = ToWindows1252(texts.back().trimmed());
            open.pop_back();
            texts.pop_back();
        }
    }
    if (reader.hasError() || !rootSeen) {
        std::string what =
            reader.hasError() ? ToWindows1252(reader.errorString()) : "the file holds no XML element";
        parse.error = "line " + std::to_string(reader.lineNumber()) + ", column " +
                      std::to_string(reader.columnNumber()) + ": " + what;
        return parse;
    }
    parse.ok = true;
    return parse;
}

namespace {

void WriteElement(QXmlStreamWriter &writer, const XmlElement &element) {
    writer.writeStartElement(ToUnicode(element.name));
    for (const auto &[n, v] : element.attributes)
        writer.writeAttribute(ToUnicode(n), ToUnicode(v));
    if (!element.text.empty())
        writer.writeCharacters(ToUnicode(element.text));
    for (const XmlElement &c : element.children)
        WriteElement(writer, c);
    writer.writeEndElement();
}

} // namespace

std::string WriteXml(const XmlElement &root, bool byteOrderMark) {
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    writer.writeStartDocument();
    WriteElement(writer, root);
    writer.writeEndDocument();
    // The writer escapes quotes in character data too; simulators write them as they are
    // (N50° 2' 0.00",...), which is as good XML. Quotes inside tags (attribute values) stay escaped.
    std::string text = out.toStdString();
    std::string bytes = byteOrderMark ? "\xEF\xBB\xBF" : "";
    bool inTag = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '<' || text[i] == '>')
            inTag = text[i] == '<';
        if (!inTag && text.compare(i, 6, "&quot;") == 0) {
            bytes += '"';
            i += 5;
            continue;
        }
        bytes += text[i];
    }
    return bytes;
}

std::optional<double> XmlNumber(const std::string &text) {
    double value = 0;
    const char *begin = text.data(), *end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    auto [stop, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string XmlNumberText(double value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : "0";
}

} // namespace qelvar
