// Where a program of the kit reads and writes its data files.
//
// A kit folder that may be written (the build's kit folder, a kit unpacked into the user's home) is
// used as it is. An installed kit folder that the user may not write (under /usr) is shadowed by
// a per-user kit folder, $XDG_DATA_HOME/qelvar-kit (~/.local/share/qelvar-kit), which every start
// completes from the installed folder:
//   - the airport table (arpt.nav), which the airport editor rewrites, is copied once, so that the
//     user's edits stay theirs and survive updates of the kit;
//   - every other data file and sub-folder (FSXFiles) is linked to the installed one, so that the
//     kit's data updates reach the user;
//   - the programs themselves are left out (they stay in the program folder, where the programs
//     find each other);
//   - what is already in the per-user folder is never replaced: new route files and edits stay.
#pragma once

#include <filesystem>

namespace qelvar {

// The data folder of the running program (see above). Falls back to the program folder when the
// per-user folder cannot be made, so that reading still works.
std::filesystem::path DataFolder();

// The per-user kit folder: $XDG_DATA_HOME/qelvar-kit, or ~/.local/share/qelvar-kit.
std::filesystem::path UserKitFolder();

// The rule above for a given program folder and per-user folder; the per-user folder is completed
// from the program folder when that one is not writable.
std::filesystem::path ChooseDataFolder(const std::filesystem::path &programFolder,
                                       const std::filesystem::path &userFolder, bool programFolderWritable);

// Completes the per-user folder from the program folder as described above; false when the
// folder could not be made.
bool CompleteUserKitFolder(const std::filesystem::path &programFolder,
                           const std::filesystem::path &userFolder);

} // namespace qelvar
