#include "source_files.h"

#include "platform/codepage.h"

#include <QStringDecoder>
#include <zlib.h>

namespace qelvar::import {

void FailAt(const std::filesystem::path &file, long line, const std::string &what) {
    std::string where = file.string();
    if (line > 0)
        where += ", line " + std::to_string(line);
    throw ImportError(where + ": " + what);
}

std::string ReadSourceBytes(const std::filesystem::path &file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        FailAt(file, 0, "the file is missing");
    // gzread passes plain files through unchanged.
    gzFile in = gzopen(file.string().c_str(), "rb");
    if (!in)
        FailAt(file, 0, "the file cannot be opened");
    gzbuffer(in, 1 << 20);
    std::string bytes;
    char buffer[1 << 16];
    int n = 0;
    while ((n = gzread(in, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<size_t>(n));
    int status = Z_OK;
    const char *message = gzerror(in, &status);
    bool failed = n < 0 || (status != Z_OK && status != Z_STREAM_END);
    std::string reason = failed ? std::string(message) : std::string();
    gzclose(in);
    if (failed)
        FailAt(file, 0, "the file is damaged (" + reason + ")");
    return bytes;
}

void ForEachSourceLine(const std::filesystem::path &file,
                       const std::function<void(const std::string &, long)> &onLine) {
    std::string bytes = ReadSourceBytes(file);
    long number = 0;
    size_t start = 0;
    std::string line;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        line.assign(bytes, start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        onLine(line, ++number);
        start = end + 1;
    }
}

QString DecodeSourceText(const std::string &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

namespace {

// Letters without a decomposition that Windows-1252 lacks.
QChar BaseLetter(QChar c) {
    switch (c.unicode()) {
    case 0x0141:
        return QChar('L'); // Ł
    case 0x0142:
        return QChar('l');
    case 0x0110:
        return QChar('D'); // Đ
    case 0x0111:
        return QChar('d');
    case 0x0131:
        return QChar('i'); // dotless i
    case 0x0127:
        return QChar('h'); // ħ
    case 0x0126:
        return QChar('H');
    case 0x2010:
    case 0x2011:
    case 0x2012:
        return QChar('-');
    default:
        return c;
    }
}

bool FitsWindows1252(QChar c) {
    return ToWindows1252(QString(c)) != "?" || c == QChar('?');
}

} // namespace

std::string KitText(const QString &text) {
    QString kit;
    for (QChar c : text) {
        if (c == QChar(';'))
            c = QChar(',');
        else if (c == QChar('\r') || c == QChar('\n') || c == QChar('\t'))
            c = QChar(' ');
        c = BaseLetter(c);
        if (FitsWindows1252(c)) {
            kit.append(c);
            continue;
        }
        // Reduce to the base letter: decompose and keep what fits.
        QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
        QString kept;
        for (QChar d : decomposed)
            if (d.category() != QChar::Mark_NonSpacing && FitsWindows1252(d))
                kept.append(d);
        kit.append(kept.isEmpty() ? QString("?") : kept);
    }
    return ToWindows1252(kit.trimmed());
}

} // namespace qelvar::import
