// qelvar-kit-data BUNDLED_FOLDER KIT_FOLDER: brings the bundled data into a kit folder at every
// build and install, keeping the files the pilot changed (kit_data.h).
#include "kit_data.h"

#include <iostream>

int main(int argc, char *argv[]) {
    if (argc != 3) {
        std::cerr << "usage: qelvar-kit-data BUNDLED_FOLDER KIT_FOLDER\n";
        return 2;
    }
    try {
        qelvar::kitdata::SyncKitData(argv[1], argv[2],
                                     [](const std::string &line) { std::cout << line << "\n"; });
        return 0;
    } catch (const std::exception &e) {
        std::cerr << "qelvar-kit-data: " << e.what() << "\n";
        return 1;
    }
}
