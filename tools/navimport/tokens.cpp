#include "tokens.h"

#include "source_files.h"

#include <charconv>
#include <sstream>

namespace qelvar::import {

Tokens::Tokens(const std::string &line, const std::filesystem::path &file, long lineNumber)
    : file_(file), line_(lineNumber) {
    std::istringstream in(line);
    std::string token;
    while (in >> token)
        tokens_.push_back(token);
}

void Tokens::Require(size_t count, const std::string &why) const {
    if (tokens_.size() < count)
        FailAt(file_, line_, why + " (found " + std::to_string(tokens_.size()) + " columns)");
}

const std::string &Tokens::Text(size_t i) const {
    Require(i + 1, "a column is missing");
    return tokens_[i];
}

double Tokens::Number(size_t i) const {
    const std::string &text = Text(i);
    double value = 0;
    const char *first = text.data();
    if (*first == '+')
        ++first;
    auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size())
        FailAt(file_, line_, "column " + std::to_string(i + 1) + " is not a number: " + text);
    return value;
}

int Tokens::Int(size_t i) const {
    double value = Number(i);
    if (value != static_cast<int>(value))
        FailAt(file_, line_, "column " + std::to_string(i + 1) + " is not a whole number: " + Text(i));
    return static_cast<int>(value);
}

std::string Tokens::Rest(size_t i) const {
    std::string rest;
    for (size_t k = i; k < tokens_.size(); ++k)
        rest += (k > i ? " " : "") + tokens_[k];
    return rest;
}

void ForEachDataRow(const std::filesystem::path &file, const std::function<void(const Tokens &)> &onRow) {
    ForEachSourceLine(file, [&](const std::string &line, long number) {
        if (number <= 2)
            return;
        Tokens t(line, file, number);
        if (!t.empty() && t.Text(0) != "99")
            onRow(t);
    });
}

} // namespace qelvar::import
