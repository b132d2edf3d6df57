// The blank-separated columns of a source line, read with the file and line at hand for errors.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qelvar::import {

class Tokens {
public:
    Tokens(const std::string &line, const std::filesystem::path &file, long lineNumber);

    bool empty() const { return tokens_.empty(); }
    size_t size() const { return tokens_.size(); }
    void Require(size_t count, const std::string &why) const;
    const std::string &Text(size_t i) const;
    double Number(size_t i) const;
    int Int(size_t i) const;
    // Columns i ... end joined by single blanks.
    std::string Rest(size_t i) const;

private:
    std::vector<std::string> tokens_;
    const std::filesystem::path &file_;
    long line_;
};

// Every data row of an X-Plane style file: the two header lines ("I" and the version), empty
// lines and the closing "99" are passed over.
void ForEachDataRow(const std::filesystem::path &file, const std::function<void(const Tokens &)> &onRow);

} // namespace qelvar::import
