// Bringing the bundled data into a kit folder the way a package manager treats configuration
// files, so that a rebuild or a new install never overwrites what the pilot changed:
//   - a file the kit folder lacks is copied;
//   - a file the user has not changed since it was last brought in is replaced by the new one;
//   - a file the user changed is kept; when the bundled version changed too, the new one is
//     written beside it as NAME.new and reported;
//   - files that are not bundled (route files, PDFs, the user's own scenery) are never touched,
//     and bundled route files and PDFs are not brought in.
// What was last brought in is kept as MD5 sums in the kit folder (kKitDataSums, md5sum's layout);
// a kit folder without them counts every file that differs from the bundled one as changed.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace qelvar::kitdata {

inline constexpr const char *kKitDataSums = "kit-data.md5sums";

struct SyncCounts {
    int copied = 0, replaced = 0, kept = 0, newVersions = 0, unchanged = 0;
};

// Brings every file below `bundled` into `kit`. Each NAME.new written is told to `report` in one
// line. Throws std::runtime_error naming the file that could not be read or written.
SyncCounts SyncKitData(const std::filesystem::path &bundled, const std::filesystem::path &kit,
                       const std::function<void(const std::string &line)> &report);

} // namespace qelvar::kitdata
