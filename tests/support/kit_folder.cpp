#include "support/kit_folder.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace qelvar::testing {

std::filesystem::path FixturesDir() {
    return QELVAR_FIXTURES_DIR;
}
std::filesystem::path DataDir() {
    return QELVAR_DATA_DIR;
}

KitFolder::KitFolder(Content content) {
    static std::atomic<int> serial{0};
    path_ = std::filesystem::temp_directory_path() /
            ("qelvar-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    for (const auto &entry : std::filesystem::directory_iterator(FixturesDir()))
        if (entry.path().extension() == ".nav")
            std::filesystem::copy_file(entry.path(), path_ / entry.path().filename());
    if (content == NavFilesAndPictures)
        for (const auto &entry : std::filesystem::directory_iterator(DataDir()))
            if (entry.path().extension() == ".jpg")
                std::filesystem::copy_file(entry.path(), path_ / entry.path().filename());
}

KitFolder::~KitFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void KitFolder::Remove(const std::string &name) const {
    std::filesystem::remove(path_ / name);
}

void KitFolder::Write(const std::string &name, const std::string &bytes) const {
    std::ofstream(path_ / name, std::ios::binary | std::ios::trunc) << bytes;
}

std::string KitFolder::Read(const std::string &name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace qelvar::testing
