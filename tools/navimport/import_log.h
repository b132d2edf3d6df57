// What the import decided, for the person who runs it: notes (one line each, in the order they
// were made) and counts by name.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace qelvar::import {

class ImportLog {
public:
    void Note(const std::string &line) { notes_.push_back(line); }
    void Count(const std::string &what, long n = 1) { counts_[what] += n; }
    long CountOf(const std::string &what) const {
        auto found = counts_.find(what);
        return found == counts_.end() ? 0 : found->second;
    }
    const std::vector<std::string> &Notes() const { return notes_; }
    // The notes, then "what: count" lines in the order of their names.
    std::string Text() const {
        std::string text;
        for (const std::string &n : notes_)
            text += n + "\n";
        for (const auto &[what, n] : counts_)
            text += what + ": " + std::to_string(n) + "\n";
        return text;
    }

private:
    std::vector<std::string> notes_;
    std::map<std::string, long> counts_;
};

} // namespace qelvar::import
