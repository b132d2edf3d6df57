// The bundled data brought into a kit folder at each build and install: what the pilot changed
// stays, the kit's new version goes beside it, and route files and PDFs are never touched.
#include "kit_data.h"
#include "scenery_convert.h"

#include "support/kit_folder.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace qelvar::kitdata {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path &file, const std::string &text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

std::string Read(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class KitData : public ::testing::Test {
protected:
    KitData()
        : bundled(fs::path(temp.path().toStdString()) / "data"),
          kit(fs::path(temp.path().toStdString()) / "kit") {
        Write(bundled / "arpt.nav", "bundled 1\r\n");
        Write(bundled / "FSXFiles" / "EDDF.xml", "<Airport/>\r\n");
    }
    SyncCounts Sync() {
        lines.clear();
        return SyncKitData(bundled, kit, [&](const std::string &line) { lines.push_back(line); });
    }
    QTemporaryDir temp;
    fs::path bundled, kit;
    std::vector<std::string> lines;
};

TEST_F(KitData, EachFileIsTreatedAsAPackageManagerTreatsConfigurationFiles) {
    struct Case {
        const char *what;
        std::string userText;    // what the user made of arpt.nav after the first sync ("" unchanged)
        std::string bundledText; // the bundled arpt.nav at the next sync
        bool withSums;           // the kit folder kept its sums
        std::string kitText, newText;
    } cases[] = {
        {"unchanged, new bundled version: replaced", "", "bundled 2\r\n", true, "bundled 2\r\n", ""},
        {"changed, same bundled version: kept", "edited\r\n", "bundled 1\r\n", true, "edited\r\n", ""},
        {"changed, new bundled version: kept, NAME.new", "edited\r\n", "bundled 2\r\n", true, "edited\r\n",
         "bundled 2\r\n"},
        {"a kit without sums: a differing file counts as changed", "", "bundled 2\r\n", false,
         "bundled 1\r\n", "bundled 2\r\n"},
        {"changed to the new bundled version: nothing to tell", "bundled 2\r\n", "bundled 2\r\n", true,
         "bundled 2\r\n", ""},
    };
    for (const Case &c : cases) {
        fs::remove_all(kit);
        Write(bundled / "arpt.nav", "bundled 1\r\n");
        EXPECT_EQ(Sync().copied, 2);
        if (!c.userText.empty())
            Write(kit / "arpt.nav", c.userText);
        if (!c.withSums)
            fs::remove(kit / kKitDataSums);
        Write(bundled / "arpt.nav", c.bundledText);
        Sync();
        EXPECT_EQ(Read(kit / "arpt.nav"), c.kitText) << c.what;
        EXPECT_EQ(fs::exists(kit / "arpt.nav.new"), !c.newText.empty()) << c.what;
        if (!c.newText.empty()) {
            EXPECT_EQ(Read(kit / "arpt.nav.new"), c.newText) << c.what;
            EXPECT_EQ(lines, std::vector<std::string>{"Kept your changed " + (kit / "arpt.nav").string() +
                                                      "; the kit's new version is " +
                                                      (kit / "arpt.nav.new").string()})
                << c.what;
            Sync(); // told once: the next build stays quiet until the bundled file changes again
            EXPECT_TRUE(lines.empty()) << c.what;
        } else {
            EXPECT_TRUE(lines.empty()) << c.what;
        }
        EXPECT_EQ(Read(kit / "FSXFiles" / "EDDF.xml"), "<Airport/>\r\n") << c.what;
    }
}

TEST_F(KitData, RouteFilesPdfsAndTheUsersOwnFilesAreNeverTouched) {
    Write(bundled / "sample.rte", "bundled route\r\n");
    Write(bundled / "Sample.PDF", "bundled pdf");
    Write(kit / "EDDF-EDDM.rte", "my route\r\n");
    Write(kit / "Qelvar Maps print.pdf", "my print");
    Write(kit / "FSXFiles" / "XOWN.xml", "my airport\r\n");
    Sync();
    EXPECT_FALSE(fs::exists(kit / "sample.rte"));
    EXPECT_FALSE(fs::exists(kit / "Sample.PDF"));
    EXPECT_EQ(Read(kit / "EDDF-EDDM.rte"), "my route\r\n");
    EXPECT_EQ(Read(kit / "Qelvar Maps print.pdf"), "my print");
    EXPECT_EQ(Read(kit / "FSXFiles" / "XOWN.xml"), "my airport\r\n");
}

// The pilot edits the airport table and adds an airport; the next build brings a new kit version.
TEST_F(KitData, TheEditedTableAndAnAddedAirportSurviveARebuild) {
    Write(bundled / "Arpt index.txt", "EDDF;Frankfurt;Germany;EDDF.xml\r\n");
    Sync();
    Write(kit / "arpt.nav", "AD;FRA;EDDF;FRANKFURT EDITED\r\n");
    import::ConversionResult added = import::ConvertSceneryFile(
        qelvar::testing::FixturesDir() / "scenery-import" / "handmade.xml", kit, kit);
    ASSERT_TRUE(added.written) << added.message;
    Write(bundled / "arpt.nav", "bundled 2\r\n");
    Write(bundled / "Arpt index.txt", "EDDF;Frankfurt;Germany;EDDF.xml\r\nEDDM;Munich;Germany;EDDM.xml\r\n");
    Sync();
    EXPECT_EQ(Read(kit / "arpt.nav"), "AD;FRA;EDDF;FRANKFURT EDITED\r\n");
    EXPECT_EQ(Read(kit / "Arpt index.txt"),
              "EDDF;Frankfurt;Germany;EDDF.xml\r\nXHND;Hand Town;Testland;XHND.xml\r\n");
    EXPECT_TRUE(fs::exists(kit / "FSXFiles" / "XHND.xml"));
    EXPECT_EQ(lines.size(), 2u); // arpt.nav.new and Arpt index.txt.new
    EXPECT_EQ(Read(kit / "Arpt index.txt.new"), Read(bundled / "Arpt index.txt"));
}

} // namespace
} // namespace qelvar::kitdata
