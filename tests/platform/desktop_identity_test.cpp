// Every menu entry is named after its program's command, which the program sets as its desktop
// file name: the entry's file, the Exec line and the command agree, under one main category.
#include "platform/desktop_identity.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace qelvar {
namespace {

std::map<std::string, std::string> DesktopEntry(const std::filesystem::path &file) {
    std::map<std::string, std::string> keys;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (size_t equals = line.find('='); equals != std::string::npos)
            keys[line.substr(0, equals)] = line.substr(equals + 1);
    return keys;
}

TEST(DesktopIdentity, EachMenuEntryIsNamedAfterItsProgramsCommand) {
    int entries = 0;
    for (const auto &entry : std::filesystem::directory_iterator(QELVAR_PACKAGING_DIR)) {
        if (entry.path().extension() != ".desktop")
            continue;
        std::map<std::string, std::string> keys = DesktopEntry(entry.path());
        EXPECT_EQ(CommandName(keys["Name"]), entry.path().stem().string()) << keys["Name"];
        EXPECT_EQ(keys["Exec"], CommandName(keys["Name"]));
        EXPECT_EQ(keys["Categories"], "Game;Simulation;") << keys["Name"];
        ++entries;
    }
    EXPECT_EQ(entries, 5);
    EXPECT_EQ(CommandName("QelvarNotes"), "qelvarnotes");
}

} // namespace
} // namespace qelvar
