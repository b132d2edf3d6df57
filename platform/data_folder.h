// Where a program of the kit reads and writes its data files.
//
// A kit folder that may be written and was not installed (the build's kit folder, a kit unpacked
// into the user's home) is used as it is. An installed kit folder (it holds kInstalledKitMark) and
// one the user may not write are shadowed by a per-user kit folder, $XDG_DATA_HOME/qelvar-kit
// (~/.local/share/qelvar-kit), for every user, root included, so that no program ever changes the
// files of the installed package. Every start completes the per-user folder from the kit folder:
//   - the airport table (arpt.nav), which the airport editor rewrites, is copied once, so that the
//     user's edits stay theirs and survive updates of the kit;
//   - every other data file is linked to the installed one, so that the kit's data updates reach
//     the user; a program that rewrites one of them (qelvar-scenery and "Arpt index.txt") first
//     replaces the link by a copy of its own (OwnDataFile);
//   - FSXFiles is not linked: the per-user folder gets an FSXFiles of its own when the user adds
//     scenery, and readers look there first, then in the installed kit (FindDataFile);
//   - the programs themselves, the installed mark and the sums of the installed data are left out;
//   - what is already in the per-user folder is never replaced: new route files and edits stay.
#pragma once

#include <filesystem>
#include <string>

namespace qelvar {

// The file that the install rules put into an installed kit folder.
inline constexpr const char *kInstalledKitMark = "installed-kit.txt";

// The data folder of the running program (see above). Falls back to the program folder when the
// per-user folder cannot be made, so that reading still works.
std::filesystem::path DataFolder();

// The per-user kit folder: $XDG_DATA_HOME/qelvar-kit, or ~/.local/share/qelvar-kit.
std::filesystem::path UserKitFolder();

// True when the kit folder may be used as the data folder itself: it may be written and holds no
// installed mark.
bool IsOwnKitFolder(const std::filesystem::path &programFolder);

// The rule above for a given program folder and per-user folder; the per-user folder is completed
// from the program folder unless that one is the user's own.
std::filesystem::path ChooseDataFolder(const std::filesystem::path &programFolder,
                                       const std::filesystem::path &userFolder, bool ownKitFolder);

// Completes the per-user folder from the program folder as described above; false when the
// folder could not be made.
bool CompleteUserKitFolder(const std::filesystem::path &programFolder,
                           const std::filesystem::path &userFolder);

// The file a reader opens for a kit file named relative to the kit folder ("Arpt index.txt",
// "FSXFiles/KSEA.xml", matched without regard to case): the data folder's own when it has one,
// else the installed kit's, else the data folder's path (which then is missing).
std::filesystem::path FindDataFile(const std::filesystem::path &dataFolder,
                                   const std::filesystem::path &installedFolder, const std::string &name);
// The same with the running program's folder as the installed kit.
std::filesystem::path FindDataFile(const std::filesystem::path &dataFolder, const std::string &name);

// Before a program rewrites a file of the data folder: the path to write, where a link to the
// installed file has been removed (the new text is made from what FindDataFile reads).
std::filesystem::path OwnDataFile(const std::filesystem::path &dataFolder, const std::string &name);

// A sub-folder of the data folder that is the user's own: a link to the installed one is replaced
// by a new, empty folder. Raises Path/File access error (75) when it cannot be made.
std::filesystem::path OwnDataSubfolder(const std::filesystem::path &dataFolder, const std::string &name);

} // namespace qelvar
