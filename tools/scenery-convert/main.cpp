// qelvar-scenery FILE.xml [KIT_FOLDER]: brings a pilot's own airport XML into the kit. Every
// airport of the file is written in the kit's layout to FSXFiles/ICAO.xml and gets its line in
// "Arpt index.txt"; each file is replaced whole or not at all. A file that is not well-formed is
// named with the line and column of the fault, and nothing is written.
#include "airport_index.h"
#include "fsx_airport_xml.h"
#include "kit_files.h"
#include "scenery_fit.h"
#include "scenery_writer.h"

#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/program_folder.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

#include <QCoreApplication>
#include <QFile>
#include <iostream>

namespace {

namespace fs = std::filesystem;
using namespace qelvar;
using namespace qelvar::import;

// Outlines of a pilot's file keep their detail unless the reader could not hold them.
constexpr double kConvertToleranceMetres = 0.1;

int Convert(const fs::path &source, const fs::path &kit) {
    QFile file(QString::fromStdString(source.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        std::cerr << "qelvar-scenery: cannot read " << source.string() << "\n";
        return 1;
    }
    std::vector<SceneryAirportModel> airports;
    try {
        airports = ReadSceneryXml(file.readAll());
    } catch (const SceneryXmlError &e) {
        std::cerr << "qelvar-scenery: " << source.string() << ", " << e.what() << "\nNothing was written.\n";
        return 1;
    }
    if (airports.empty()) {
        std::cerr << "qelvar-scenery: " << source.string() << " holds no <Airport>. Nothing was written.\n";
        return 1;
    }
    fs::path indexPath = FindFile(kit, "Arpt index.txt");
    std::vector<std::string> index =
        fs::exists(indexPath) ? ReadTextLines(indexPath) : std::vector<std::string>{};
    fs::path folder = FindFile(kit, kSceneryFolder);
    fs::create_directories(folder);
    for (SceneryAirportModel &a : airports) {
        FitToReaderCapacities(a, kConvertToleranceMetres);
        std::string fileName = a.ident + ".xml";
        WriteFileAtomically(FindFile(folder, fileName), SceneryFileText(a));
        index = IndexWithAirport(index, a.ident, a.city, a.country, fileName);
        std::cout << ToUnicode(a.ident).toStdString() << ": " << (folder / PathOfKitName(fileName)).string()
                  << "\n";
    }
    WriteTextLinesAtomically(indexPath, index);
    std::cout << "Arpt index.txt: " << index.size() << " airports\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: qelvar-scenery AIRPORT.xml [KIT_FOLDER]\n"
                     "Writes the airports of the file into KIT_FOLDER/FSXFiles and \"Arpt index.txt\"\n"
                     "(the folder of this program when none is given).\n";
        return 2;
    }
    try {
        return Convert(argv[1], argc == 3 ? fs::path(argv[2]) : ProgramFolder());
    } catch (const std::exception &e) {
        std::cerr << "qelvar-scenery: " << e.what() << "\n";
        return 1;
    }
}
