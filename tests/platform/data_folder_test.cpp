// The data folder: a writable kit folder is used as it is; a read-only or installed one is shadowed
// by a per-user folder with its own copy of the airport table, links to the other files, and the
// user's own scenery looked up before the installed one.
#include "platform/data_folder.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace qelvar {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path &file, const std::string &text) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

std::string Read(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DataFolder : public ::testing::Test {
protected:
    DataFolder()
        : installed(fs::path(temp.path().toStdString()) / "kit"),
          user(fs::path(temp.path().toStdString()) / "home/qelvar-kit") {
        fs::create_directories(installed / "FSXFiles");
        Write(installed / "arpt.nav", "AD;FRA;EDDF;Frankfurt\r\n");
        Write(installed / "Arpt index.txt", "EDDF;Frankfurt;Germany;EDDF.xml\r\n");
        Write(installed / "FSXFiles" / "EDDF.xml", "<Airport/>\r\n");
        Write(installed / "Qelvar Maps", "program");
        fs::permissions(installed / "Qelvar Maps", fs::perms::owner_exec, fs::perm_options::add);
    }
    QTemporaryDir temp;
    fs::path installed, user;
};

TEST_F(DataFolder, WritableKitFolderIsUsedAsItIs) {
    EXPECT_EQ(ChooseDataFolder(installed, user, true), installed);
    EXPECT_FALSE(fs::exists(user));
}

TEST_F(DataFolder, ReadOnlyKitGetsAPerUserFolderWithItsOwnAirportTable) {
    EXPECT_EQ(ChooseDataFolder(installed, user, false), user);
    EXPECT_FALSE(fs::is_symlink(user / "arpt.nav")); // a copy the airport editor may replace
    EXPECT_EQ(Read(user / "arpt.nav"), "AD;FRA;EDDF;Frankfurt\r\n");
    EXPECT_TRUE(fs::is_symlink(user / "Arpt index.txt"));
    EXPECT_EQ(fs::read_symlink(user / "Arpt index.txt"), installed / "Arpt index.txt");
    EXPECT_FALSE(fs::exists(fs::symlink_status(user / "FSXFiles"))); // made when the user adds scenery
    EXPECT_EQ(FindDataFile(user, installed, "FSXFiles/eddf.XML"), installed / "FSXFiles" / "EDDF.xml");
    EXPECT_FALSE(fs::exists(fs::symlink_status(user / "Qelvar Maps"))); // programs stay where they are
}

TEST_F(DataFolder, AnInstalledKitIsNeverTheDataFolderEvenWhenWritable) {
    EXPECT_TRUE(IsOwnKitFolder(installed));
    Write(installed / kInstalledKitMark, "installed\r\n");
    Write(installed / "kit-data.md5sums", "0123  arpt.nav\n");
    EXPECT_FALSE(IsOwnKitFolder(installed)); // root may write it, and still gets a folder of their own
    EXPECT_EQ(ChooseDataFolder(installed, user, IsOwnKitFolder(installed)), user);
    EXPECT_FALSE(fs::exists(fs::symlink_status(user / kInstalledKitMark)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(user / "kit-data.md5sums")));
}

TEST_F(DataFolder, ReadersFindTheUsersOwnFilesFirstAndWritersReplaceLinksByOwnFiles) {
    ChooseDataFolder(installed, user, false);
    EXPECT_EQ(FindDataFile(user, installed, "Arpt index.txt"), user / "Arpt index.txt"); // the link
    fs::path index = OwnDataFile(user, "arpt INDEX.txt");
    EXPECT_EQ(index, user / "Arpt index.txt");
    EXPECT_FALSE(fs::exists(fs::symlink_status(index))); // the link is gone, the installed file stays
    EXPECT_EQ(Read(installed / "Arpt index.txt"), "EDDF;Frankfurt;Germany;EDDF.xml\r\n");
    EXPECT_EQ(FindDataFile(user, installed, "Arpt index.txt"), installed / "Arpt index.txt");

    fs::create_directory_symlink(installed / "FSXFiles", user / "FSXFiles"); // as older kits linked it
    fs::path own = OwnDataSubfolder(user, "FSXFiles");
    EXPECT_TRUE(fs::is_directory(own) && !fs::is_symlink(own));
    EXPECT_TRUE(fs::exists(installed / "FSXFiles" / "EDDF.xml"));
    Write(own / "XOWN.xml", "own\r\n");
    Write(own / "EDDF.xml", "the user's EDDF\r\n");
    EXPECT_EQ(FindDataFile(user, installed, "FSXFiles/XOWN.xml"), own / "XOWN.xml");
    EXPECT_EQ(FindDataFile(user, installed, "FSXFiles/EDDF.xml"), own / "EDDF.xml");
    EXPECT_EQ(FindDataFile(user, installed, "FSXFiles/NONE.xml"),
              own / "NONE.xml"); // missing: the user's path
}

TEST_F(DataFolder, LaterStartsKeepTheUsersFilesAndAddNewKitFiles) {
    ChooseDataFolder(installed, user, false);
    Write(user / "arpt.nav", "edited\r\n");
    Write(user / "EDDF-EDDM.rte", "route\r\n");
    Write(installed / "arpt.nav", "updated kit\r\n");
    Write(installed / "vor.nav", "new file\r\n");
    Write(installed / "Arpt index.txt", "updated index\r\n");

    EXPECT_EQ(ChooseDataFolder(installed, user, false), user);
    EXPECT_EQ(Read(user / "arpt.nav"), "edited\r\n");
    EXPECT_EQ(Read(user / "EDDF-EDDM.rte"), "route\r\n");
    EXPECT_EQ(Read(user / "vor.nav"), "new file\r\n");
    EXPECT_EQ(Read(user / "Arpt index.txt"), "updated index\r\n"); // linked: kit updates reach the user
}

TEST_F(DataFolder, PerUserFolderThatCannotBeMadeFallsBackToTheKitFolder) {
    Write(fs::path(temp.path().toStdString()) / "home", "a file where the folder should be");
    EXPECT_EQ(ChooseDataFolder(installed, user, false), installed);
}

TEST(UserKitFolder, FollowsXdgDataHome) {
    QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/qelvar-xdg-test");
    EXPECT_EQ(UserKitFolder(), fs::path("/tmp/qelvar-xdg-test/qelvar-kit"));
    if (before.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", before);
}

} // namespace
} // namespace qelvar
