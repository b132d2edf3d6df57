#include "text_files.h"

#include "runtime_error.h"

#include <fstream>
#include <iterator>

namespace qelvar {

std::vector<std::string> ReadTextLines(const std::filesystem::path &path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw RuntimeError(kFileNotFound);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw RuntimeError(kPathFileAccessError);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw RuntimeError(kDeviceIoError);

    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        std::string &line = lines.emplace_back(content, start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        start = end + 1;
    }
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
