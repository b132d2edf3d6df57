#include "scenery_convert.h"

#include "airport_index.h"
#include "fsx_airport_xml.h"
#include "kit_files.h"
#include "scenery_fit.h"
#include "scenery_writer.h"

#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/program_folder.h"
#include "platform/text_files.h"

#include <QFile>

namespace qelvar::import {

namespace fs = std::filesystem;

namespace {

// Outlines of a pilot's file keep their detail unless the reader could not hold them.
constexpr double kConvertToleranceMetres = 0.1;

} // namespace

ConversionResult ConvertSceneryFile(const fs::path &source, const fs::path &kit) {
    ConversionResult result;
    QFile file(QString::fromStdString(source.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        result.message = source.string() + ": the file cannot be read. Nothing was written.";
        return result;
    }
    std::vector<SceneryAirportModel> airports;
    try {
        airports = ReadSceneryXml(file.readAll());
    } catch (const SceneryXmlError &e) {
        result.message = source.string() + ", " + e.what() + ". Nothing was written.";
        return result;
    }
    if (airports.empty()) {
        result.message = source.string() + " holds no <Airport>. Nothing was written.";
        return result;
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
        result.idents.push_back(a.ident);
    }
    WriteTextLinesAtomically(indexPath, index);
    result.written = true;
    return result;
}

} // namespace qelvar::import
