// Grabs the window of Qelvar Airports into PNG files, to be looked at. Without a kit folder it
// writes made-up airports (a large hub, a field with legacy taxiways, a field without ILS) into
// OUTPUT/kit and shows those; with one, it shows the given idents from its index.
// Usage: grab_airports OUTPUT_FOLDER [KIT_FOLDER LARGE LEGACY NO_ILS]
#include "airports/window/frm_arpt.h"
#include "support/synthetic_scenery.h"

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

using qelvar::testing::SyntheticKind;
using qelvar::testing::SyntheticSceneryXml;

void WriteFile(const std::filesystem::path &path, const std::string &text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::filesystem::path MadeUpKit(const std::filesystem::path &out) {
    std::filesystem::path kit = out / "kit";
    std::filesystem::create_directories(kit / "FSXFiles");
    WriteFile(kit / "Arpt index.txt", "XLRG;Seattle;USA;XLRG.xml\r\nXLEG;Renton;USA;XLEG.xml\r\n"
                                      "XNIL;Lake Town;USA;XNIL.xml\r\n");
    WriteFile(kit / "FSXFiles" / "XLRG.xml", SyntheticSceneryXml(SyntheticKind::LargeHub, "XLRG"));
    WriteFile(kit / "FSXFiles" / "XLEG.xml", SyntheticSceneryXml(SyntheticKind::LegacyTaxiways, "XLEG"));
    WriteFile(kit / "FSXFiles" / "XNIL.xml", SyntheticSceneryXml(SyntheticKind::NoIls, "XNIL"));
    return kit;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 6) {
        std::cerr << "usage: grab_airports OUTPUT_FOLDER [KIT_FOLDER LARGE LEGACY NO_ILS]\n";
        return 2;
    }
    std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out);
    std::filesystem::path kit = argc == 6 ? std::filesystem::path(argv[2]) : MadeUpKit(out);
    std::string large = argc == 6 ? argv[3] : "XLRG", legacy = argc == 6 ? argv[4] : "XLEG",
                noIls = argc == 6 ? argv[5] : "XNIL";

    qelvar::frmArpt window({kit, [] {}});
    window.Form_Load(large);
    window.show();
    auto grab = [&](const std::string &name) {
        QCoreApplication::processEvents();
        window.grab().save(QString::fromStdString((out / name).string()));
        std::cout << name << ": " << window.Caption() << "\n";
    };
    auto load = [&](const std::string &ident) {
        window.txtSearch->setText(QString::fromStdString(ident));
        window.cmdSearch_Click();
        window.cmdArpt_Click();
    };

    grab("start.png");
    load(large);
    window.cmdParking_Click();
    window.cmdTaxi_Click();
    grab("large-zoom4-parking-labels.png");
    for (int i = 0; i < 3; ++i)
        window.cmdPlus_Click();
    grab("large-zoom1-terminal.png");
    window.picArpt_MouseDown(1, 0, 7000, 2500); // a little north
    grab("large-zoom1-north.png");
    window.cmdZoom_Click();
    window.cmdMinus_Click();
    window.cmdMinus_Click();
    window.cmdMinus_Click();
    window.cmdMinus_Click();
    grab("large-zoom5-parking.png");
    load(legacy);
    grab("legacy-zoom4.png");
    window.cmdPlus_Click();
    window.cmdPlus_Click();
    grab("legacy-zoom2-parking.png");
    load(noIls);
    window.cmdPlus_Click();
    window.cmdPlus_Click();
    grab("no-ils-zoom2.png");
    window.txtSearch->setText("zzzz");
    window.cmdSearch_Click();
    grab("not-in-index.png");
    return 0;
}
