// qelvar-import CACHE DATA PEAKS: rebuilds the kit's bundled nav files in DATA from the open-data
// sources that tools/fetch-sources.sh put into CACHE and the peak list PEAKS.
#include "kit_files.h"
#include "source_files.h"

#include <QCoreApplication>
#include <chrono>
#include <iostream>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::cerr << "usage: qelvar-import CACHE_FOLDER DATA_FOLDER PEAKS_FILE\n";
        return 2;
    }
    auto start = std::chrono::steady_clock::now();
    try {
        using namespace qelvar::import;
        ImportLog log;
        KitFiles files = BuildKitFiles(SourceSet::InCache(argv[1], argv[3]), log);
        ReplaceKitFiles(argv[2], files);
        std::cout << log.Text();
        for (const auto &[name, content] : files) {
            size_t lines = 0;
            for (char c : content)
                lines += c == '\n';
            std::cout << name << ": " << lines << " lines\n";
        }
    } catch (const std::exception &e) {
        std::cerr << "qelvar-import: " << e.what() << "\nThe data folder was left as it was.\n";
        return 1;
    }
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "done in " << seconds << " s\n";
    return 0;
}
