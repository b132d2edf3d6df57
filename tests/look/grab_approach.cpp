// Grabs the window of Qelvar Approach into PNG files, to be looked at. Without a kit folder it
// writes a made-up airport with approaches (XAPP) and one without (XNIL) into OUTPUT/kit beside the
// bundled vor.nav and shows those; with one, it shows the given idents from its index.
// Usage: grab_approach OUTPUT_FOLDER [KIT_FOLDER WITH_ILS WITH_GPS WITHOUT_APPROACHES]
#include "approach/window/frm_approach.h"
#include "support/synthetic_approaches.h"
#include "support/synthetic_scenery.h"

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

using namespace qelvar::testing;

void WriteFile(const std::filesystem::path &path, const std::string &text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::filesystem::path MadeUpKit(const std::filesystem::path &out) {
    std::filesystem::path kit = out / "kit";
    std::filesystem::create_directories(kit / "FSXFiles");
    WriteFile(kit / "Arpt index.txt", "XAPP;Seattle;USA;XAPP.xml\r\nXNIL;Lake Town;USA;XNIL.xml\r\n");
    WriteFile(kit / "FSXFiles" / "XAPP.xml",
              WithSyntheticApproaches(SyntheticSceneryXml(SyntheticKind::LargeHub, "XAPP")));
    WriteFile(kit / "FSXFiles" / "XNIL.xml", SyntheticSceneryXml(SyntheticKind::NoIls, "XNIL"));
    std::filesystem::copy_file(std::filesystem::path(QELVAR_DATA_DIR) / "vor.nav", kit / "vor.nav",
                               std::filesystem::copy_options::overwrite_existing);
    return kit;
}

// The index of the first approach whose label begins with one of the words; -1 when none does.
int FirstApproach(qelvar::frmApproach &window, std::initializer_list<const char *> words) {
    for (int i = 0; i < window.cmbAPP->count(); ++i)
        for (const char *word : words)
            if (window.cmbAPP->itemText(i).startsWith(word))
                return i;
    return -1;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 6) {
        std::cerr << "usage: grab_approach OUTPUT_FOLDER [KIT_FOLDER WITH_ILS WITH_GPS WITHOUT_APPROACHES]\n";
        return 2;
    }
    std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out);
    std::filesystem::path kit = argc == 6 ? std::filesystem::path(argv[2]) : MadeUpKit(out);
    std::string ils = argc == 6 ? argv[3] : "XAPP", gps = argc == 6 ? argv[4] : "XAPP",
                none = argc == 6 ? argv[5] : "XNIL";

    qelvar::RecordingMessageSink sink;
    qelvar::frmApproach window({kit, [] {}}, sink);
    window.show();
    window.Form_Load(ils);
    for (const auto &box : sink.boxes)
        std::cout << "message: " << box.text << "\n";
    auto grab = [&](const std::string &name) {
        QCoreApplication::processEvents();
        window.grab().save(QString::fromStdString((out / name).string()));
        std::cout << name << ": " << window.Caption() << " / " << window.cmbAPP->currentText().toStdString()
                  << "\n";
    };
    auto load = [&](const std::string &ident) {
        window.txtSearch->setText(QString::fromStdString(ident));
        window.cmdSearch_Click();
        window.cmdArpt_Click();
    };
    auto choose = [&](int index) {
        if (index < 0)
            return false;
        window.cmbAPP->setCurrentIndex(index);
        window.cmbAPP_Click(index);
        return true;
    };

    grab("start.png");
    load(ils);
    grab("ils-airport-zoom16.png");
    if (choose(FirstApproach(window, {"ILS"}))) {
        grab("ils-approach-zoom16.png");
        for (int i = 0; i < 4; ++i)
            window.cmdPlus_Click();
        grab("ils-approach-zoom8.png");
        window.picArpt_MouseDown(1, 0, 7000, 3000); // a little north, along the approach
        grab("ils-approach-zoom8-north.png");
        window.cmdZoom_Click();
    }
    load(gps); // back to zoom 16
    if (choose(FirstApproach(window, {"GPS", "RNAV"})))
        grab("gps-approach-zoom16.png");
    if (choose(FirstApproach(window, {"VOR"})))
        grab("vor-approach-zoom16.png");
    if (choose(FirstApproach(window, {"NDB"})))
        grab("ndb-approach-zoom16.png");
    load(none);
    grab("no-approaches-zoom16.png");
    return 0;
}
