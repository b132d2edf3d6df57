#include "line_reader.h"

#include <algorithm>

namespace qelvar {

namespace {

size_t FirstNonSpace(const std::string &line) {
    size_t start = line.find_first_not_of(' ');
    return start == std::string::npos ? line.size() : start;
}

// The text between quote number 2n - 1 and 2n (n from 1); nullopt-like flag when missing.
bool QuotedValue(const std::string &line, int n, std::string *value) {
    size_t open = std::string::npos;
    size_t from = 0;
    for (int quote = 0; quote < 2 * n - 1; ++quote) {
        open = line.find('"', from);
        if (open == std::string::npos)
            return false;
        from = open + 1;
    }
    size_t close = line.find('"', from);
    if (close == std::string::npos)
        return false;
    if (value)
        value->assign(line, open + 1, close - open - 1);
    return true;
}

} // namespace

void TabsToSpaces(std::string &line) {
    std::replace(line.begin(), line.end(), '\t', ' ');
}

std::string AttributeName(const std::string &line) {
    size_t start = FirstNonSpace(line);
    size_t equals = line.find('=', start);
    if (equals != std::string::npos)
        return line.substr(start, equals - start);
    size_t end = line.find_last_not_of(' ');
    return end == std::string::npos || end < start ? std::string() : line.substr(start, end + 1 - start);
}

std::string FirstValue(const std::string &line) {
    std::string value;
    QuotedValue(line, 1, &value);
    return value;
}

std::string SecondValue(const std::string &line) {
    std::string value;
    QuotedValue(line, 2, &value);
    return value;
}

bool HasFirstValue(const std::string &line) {
    return QuotedValue(line, 1, nullptr);
}

bool HasSecondValue(const std::string &line) {
    return QuotedValue(line, 2, nullptr);
}

bool UpdateElementTag(const std::string &line, std::string &elementTag) {
    size_t start = FirstNonSpace(line);
    if (line.find('<', start) == std::string::npos)
        return false;
    size_t end = line.find(' ', start);
    elementTag = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return true;
}

} // namespace qelvar
