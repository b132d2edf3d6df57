#include "text_files.h"

#include "codepage.h"
#include "runtime_error.h"

#include <algorithm>
#include <cstring>

namespace qelvar {

TextLineReader::TextLineReader(const std::filesystem::path &path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw RuntimeError(kFileNotFound);
    in_.open(path, std::ios::binary);
    if (!in_)
        throw RuntimeError(kPathFileAccessError);
}

bool TextLineReader::Fill() {
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    if (in_.bad())
        throw RuntimeError(kDeviceIoError);
    size_ = static_cast<size_t>(in_.gcount());
    position_ = 0;
    if (atStart_) {
        atStart_ = false;
        static constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
        if (size_ >= 3 && std::memcmp(buffer_.data(), kByteOrderMark, 3) == 0) {
            position_ = 3;
            utf8_ = true;
        }
    }
    return position_ < size_;
}

bool TextLineReader::Next(std::string &line) {
    if (!NextRaw(line))
        return false;
    if (utf8_)
        line = Utf8ToWindows1252(line);
    return true;
}

bool TextLineReader::NextRaw(std::string &line) {
    line.clear();
    lastLineCut_ = false;
    bool any = false; // a line was begun: characters or its line end were seen
    while (true) {
        if (position_ == size_ && !Fill())
            return any;
        any = true;
        const char *begin = buffer_.data() + position_;
        const char *end = buffer_.data() + size_;
        const char *stop = begin;
        while (stop != end && *stop != '\n' && *stop != '\r')
            ++stop;
        size_t length = static_cast<size_t>(stop - begin);
        size_t room = maxLineLength_ - line.size();
        if (length > room)
            lastLineCut_ = true;
        line.append(begin, std::min(length, room));
        position_ += length;
        if (stop == end)
            continue;
        ++position_;
        if (*stop == '\r') {
            // CR LF is one line end, also when the LF comes with the next block.
            if (position_ == size_ && !Fill())
                return true;
            if (buffer_[position_] == '\n')
                ++position_;
        }
        return true;
    }
}

std::vector<std::string> ReadTextLines(const std::filesystem::path &path) {
    TextLineReader reader(path);
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line))
        lines.push_back(line);
    return lines;
}

std::string JoinCrLf(const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> SplitFields(const std::string &line, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        size_t end = line.find(separator, start);
        if (end == std::string::npos) {
            fields.emplace_back(line, start);
            return fields;
        }
        fields.emplace_back(line, start, end - start);
        start = end + 1;
    }
}

} // namespace qelvar
