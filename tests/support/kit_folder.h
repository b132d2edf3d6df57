// A throw-away program folder for a test: a copy of the fixture nav files (and, on request, the
// start-up pictures) that the test may change, removed when the test ends.
#pragma once

#include <filesystem>
#include <string>

namespace qelvar::testing {

std::filesystem::path FixturesDir();
std::filesystem::path DataDir();

class KitFolder {
public:
    enum Content { NavFiles, NavFilesAndPictures };
    explicit KitFolder(Content content = NavFiles);
    ~KitFolder();
    KitFolder(const KitFolder &) = delete;
    KitFolder &operator=(const KitFolder &) = delete;

    const std::filesystem::path &Path() const { return path_; }
    void Remove(const std::string &name) const;
    void Write(const std::string &name, const std::string &bytes) const;
    std::string Read(const std::string &name) const;

private:
    std::filesystem::path path_;
};

} // namespace qelvar::testing
