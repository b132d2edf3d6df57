#include "data_folder.h"

#include "program_folder.h"

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

// The one file of the kit folder that a program rewrites.
constexpr const char *kAirportTable = "arpt.nav";

bool IsAirportTable(const fs::path &file) {
    std::string name = file.filename().string();
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name == kAirportTable;
}

bool IsProgram(const fs::directory_entry &entry) {
    std::error_code ec;
    return entry.is_regular_file(ec) &&
           (entry.status(ec).permissions() & fs::perms::owner_exec) != fs::perms::none;
}

bool IsWritable(const fs::path &folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

} // namespace

fs::path UserKitFolder() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return fs::path(data.toStdString()) / "qelvar-kit";
}

bool CompleteUserKitFolder(const fs::path &programFolder, const fs::path &userFolder) {
    std::error_code ec;
    fs::create_directories(userFolder, ec);
    if (ec)
        return false;
    for (fs::directory_iterator it(programFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::directory_entry &entry = *it;
        fs::path target = userFolder / entry.path().filename();
        std::error_code present;
        if (fs::exists(fs::symlink_status(target, present)) || IsProgram(entry))
            continue;
        // A file that cannot be added stays missing and is reported by the program that reads it.
        std::error_code failed;
        if (IsAirportTable(entry.path()))
            fs::copy_file(entry.path(), target, failed);
        else if (entry.is_directory(failed))
            fs::create_directory_symlink(entry.path(), target, failed);
        else
            fs::create_symlink(entry.path(), target, failed);
    }
    return true;
}

fs::path ChooseDataFolder(const fs::path &programFolder, const fs::path &userFolder,
                          bool programFolderWritable) {
    if (programFolderWritable)
        return programFolder;
    return CompleteUserKitFolder(programFolder, userFolder) ? userFolder : programFolder;
}

fs::path DataFolder() {
    fs::path programs = ProgramFolder();
    return ChooseDataFolder(programs, UserKitFolder(), IsWritable(programs));
}

} // namespace qelvar
