#include "codepage.h"

#include <algorithm>
#include <array>

namespace qelvar {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 ... 0x9F; 0 marks the five unused codes.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QString ToUnicode(const std::string &windows1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(windows1252.size()));
    for (char c : windows1252) {
        auto byte = static_cast<unsigned char>(c);
        char16_t unit = byte;
        if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
            unit = kHighControls[byte - 0x80];
        text.append(QChar(unit));
    }
    return text;
}

std::string ToWindows1252(const QString &text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar qc : text) {
        char16_t unit = qc.unicode();
        char byte = '?';
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            byte = static_cast<char>(unit);
        } else {
            for (size_t i = 0; i < kHighControls.size(); ++i)
                if (kHighControls[i] == unit && unit != 0)
                    byte = static_cast<char>(0x80 + i);
        }
        bytes.push_back(byte);
    }
    return bytes;
}

std::string Utf8ToWindows1252(const std::string &utf8) {
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return utf8; // ASCII reads the same in both
    return ToWindows1252(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string UpperCase(const std::string &windows1252) {
    std::string upper = windows1252;
    for (char &c : upper) {
        auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
            byte -= 0x20;
        else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) // š œ ž
            byte -= 0x10;
        else if (byte == 0xFF) // ÿ
            byte = 0x9F;
        c = static_cast<char>(byte);
    }
    return upper;
}

std::filesystem::path PathOfKitName(const std::string &windows1252Name) {
    QByteArray utf8 = ToUnicode(windows1252Name).toUtf8();
    return std::filesystem::path(std::string(utf8.constData(), static_cast<size_t>(utf8.size())));
}

std::string KitNameOfPath(const std::filesystem::path &path) {
    return KitTextOfPath(path.filename());
}

std::string KitTextOfPath(const std::filesystem::path &path) {
    return ToWindows1252(QString::fromStdString(path.string()));
}

} // namespace qelvar
