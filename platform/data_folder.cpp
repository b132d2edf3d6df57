#include "data_folder.h"

#include "program_folder.h"
#include "runtime_error.h"

#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>
#include <unistd.h>

namespace qelvar {

namespace {

namespace fs = std::filesystem;

// The one file of the kit folder that a program rewrites from the first start on.
constexpr const char *kAirportTable = "arpt.nav";
// The folder of scenery files; the user's own holds only what the user added.
constexpr const char *kSceneryFolder = "fsxfiles";
// The sums of the data the install brought in: about the installed folder, not the user's.
constexpr const char *kKitDataSums = "kit-data.md5sums";

std::string LowerName(const fs::path &file) {
    std::string name = file.filename().string();
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name;
}

bool IsProgram(const fs::directory_entry &entry) {
    std::error_code ec;
    return entry.is_regular_file(ec) &&
           (entry.status(ec).permissions() & fs::perms::owner_exec) != fs::perms::none;
}

bool IsWritable(const fs::path &folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

// FindFile for each "/"-separated part of the name.
fs::path FindPath(const fs::path &folder, const std::string &name) {
    fs::path path = folder;
    size_t at = 0;
    while (at <= name.size()) {
        size_t slash = name.find('/', at);
        std::string part = name.substr(at, slash == std::string::npos ? std::string::npos : slash - at);
        if (!part.empty())
            path = FindFile(path, part);
        if (slash == std::string::npos)
            break;
        at = slash + 1;
    }
    return path;
}

} // namespace

fs::path UserKitFolder() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return fs::path(data.toStdString()) / "qelvar-kit";
}

bool IsOwnKitFolder(const fs::path &programFolder) {
    std::error_code ec;
    return IsWritable(programFolder) && !fs::exists(programFolder / kInstalledKitMark, ec);
}

bool CompleteUserKitFolder(const fs::path &programFolder, const fs::path &userFolder) {
    std::error_code ec;
    fs::create_directories(userFolder, ec);
    if (ec)
        return false;
    for (fs::directory_iterator it(programFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::directory_entry &entry = *it;
        std::string name = LowerName(entry.path());
        fs::path target = userFolder / entry.path().filename();
        std::error_code present;
        if (fs::exists(fs::symlink_status(target, present)) || IsProgram(entry) || name == kSceneryFolder ||
            name == kInstalledKitMark || name == kKitDataSums)
            continue;
        // A file that cannot be added stays missing and is reported by the program that reads it.
        std::error_code failed;
        if (name == kAirportTable)
            fs::copy_file(entry.path(), target, failed);
        else if (entry.is_directory(failed))
            fs::create_directory_symlink(entry.path(), target, failed);
        else
            fs::create_symlink(entry.path(), target, failed);
    }
    return true;
}

fs::path ChooseDataFolder(const fs::path &programFolder, const fs::path &userFolder, bool ownKitFolder) {
    if (ownKitFolder)
        return programFolder;
    return CompleteUserKitFolder(programFolder, userFolder) ? userFolder : programFolder;
}

fs::path DataFolder() {
    fs::path programs = ProgramFolder();
    return ChooseDataFolder(programs, UserKitFolder(), IsOwnKitFolder(programs));
}

fs::path FindDataFile(const fs::path &dataFolder, const fs::path &installedFolder, const std::string &name) {
    fs::path own = FindPath(dataFolder, name);
    std::error_code ec;
    if (fs::exists(own, ec) || dataFolder == installedFolder)
        return own;
    fs::path installed = FindPath(installedFolder, name);
    return fs::exists(installed, ec) ? installed : own;
}

fs::path FindDataFile(const fs::path &dataFolder, const std::string &name) {
    return FindDataFile(dataFolder, ProgramFolder(), name);
}

fs::path OwnDataFile(const fs::path &dataFolder, const std::string &name) {
    fs::path path = FindPath(dataFolder, name);
    std::error_code ec;
    if (fs::is_symlink(path, ec))
        fs::remove(path, ec);
    return path;
}

fs::path OwnDataSubfolder(const fs::path &dataFolder, const std::string &name) {
    fs::path path = OwnDataFile(dataFolder, name);
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec || !fs::is_directory(path, ec))
        throw RuntimeError(kPathFileAccessError);
    return path;
}

} // namespace qelvar
