// qelvar-scenery FILE.xml [KIT_FOLDER]: brings a pilot's own airport XML into the kit. Every
// airport of the file is written in the kit's layout to FSXFiles/ICAO.xml and gets its line in
// "Arpt index.txt"; each file is replaced whole or not at all. A file that is not well-formed is
// named with the line and column of the fault, and nothing is written.
#include "scenery_convert.h"

#include "platform/data_folder.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: qelvar-scenery AIRPORT.xml [KIT_FOLDER]\n"
                     "Writes the airports of the file into KIT_FOLDER/FSXFiles and \"Arpt index.txt\"\n"
                     "(the kit's data folder when none is given).\n";
        return 2;
    }
    try {
        auto result = qelvar::import::ConvertSceneryFile(argv[1], argc == 3 ? std::filesystem::path(argv[2])
                                                                            : qelvar::DataFolder());
        if (!result.written) {
            std::cerr << "qelvar-scenery: " << result.message << "\n";
            return 1;
        }
        for (const std::string &ident : result.idents)
            std::cout << ident << ".xml written, and its line in Arpt index.txt\n";
        return 0;
    } catch (const std::exception &e) {
        std::cerr << "qelvar-scenery: " << e.what() << "\n";
        return 1;
    }
}
