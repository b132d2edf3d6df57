// qelvar-scenery FILE.xml [DATA_FOLDER]: brings a pilot's own airport XML into the kit. Every
// airport of the file is written in the kit's layout to FSXFiles/ICAO.xml of the user's data folder
// and gets its line in its "Arpt index.txt"; each file is replaced whole or not at all. A file that
// is not sound is named with the line and column of the fault, and nothing is written.
#include "scenery_convert.h"

#include "platform/data_folder.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: qelvar-scenery AIRPORT.xml [DATA_FOLDER]\n"
                     "Writes the airports of the file into DATA_FOLDER/FSXFiles and its \"Arpt index.txt\"\n"
                     "(the kit's data folder when none is given: the kit folder when you may write it,\n"
                     "else ~/.local/share/qelvar-kit).\n";
        return 2;
    }
    try {
        auto result = qelvar::import::ConvertSceneryFile(argv[1], argc == 3 ? std::filesystem::path(argv[2])
                                                                            : qelvar::DataFolder());
        for (const std::string &note : result.notes)
            std::cout << note << "\n";
        if (!result.written) {
            std::cerr << "qelvar-scenery: " << result.message << "\n";
            return 1;
        }
        return 0;
    } catch (const std::exception &e) {
        std::cerr << "qelvar-scenery: " << e.what() << "\n";
        return 1;
    }
}
