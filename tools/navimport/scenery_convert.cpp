#include "scenery_convert.h"

#include "airport_index.h"
#include "converted_approaches.h"
#include "fsx_airport_xml.h"
#include "kit_files.h"
#include "scenery_fit.h"
#include "scenery_writer.h"

#include "platform/atomic_file.h"
#include "platform/data_folder.h"
#include "platform/program_folder.h"
#include "platform/runtime_error.h"
#include "platform/text_files.h"

#include <QFile>
#include <set>

namespace qelvar::import {

namespace fs = std::filesystem;

namespace {

// Outlines of a pilot's file keep their detail unless the reader could not hold them.
constexpr double kConvertToleranceMetres = 0.1;
constexpr const char *kIndexFile = "Arpt index.txt";

// A message of the reader as the middle of a sentence: without its own final full stop.
std::string Clause(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string Joined(const std::vector<std::string> &items) {
    std::string text;
    for (const std::string &item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

// Later airports of an ident that came before are left out, and the pilot is told.
void DropRepeatedIdents(std::vector<SceneryAirportModel> &airports, const fs::path &source,
                        std::vector<std::string> &notes) {
    std::set<std::string> seen;
    std::vector<SceneryAirportModel> first;
    for (SceneryAirportModel &a : airports) {
        if (seen.insert(a.ident).second)
            first.push_back(std::move(a));
        else
            notes.push_back(source.string() + " holds " + a.ident +
                            " more than once: the first is converted, " + "the later one is left out.");
    }
    airports = std::move(first);
}

} // namespace

ConversionResult ConvertSceneryFile(const fs::path &source, const fs::path &data, const fs::path &installed) {
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
        result.message = source.string() + ", " + Clause(e.what()) + ". Nothing was written.";
        return result;
    }
    if (airports.empty()) {
        result.message = source.string() + " holds no <Airport>. Nothing was written.";
        return result;
    }
    DropRepeatedIdents(airports, source, result.notes);

    std::vector<NavAid> stations = ReadKitStations(FindDataFile(data, installed, "vor.nav"), 3);
    std::vector<NavAid> ndbs = ReadKitStations(FindDataFile(data, installed, "ndb.nav"), 2);
    stations.insert(stations.end(), ndbs.begin(), ndbs.end());
    for (SceneryAirportModel &a : airports) {
        std::vector<std::string> synthesized = SynthesizeApproaches(a, stations);
        if (!synthesized.empty())
            result.notes.push_back(a.ident + " brings no approaches: the kit synthesized " +
                                   std::to_string(synthesized.size()) + " straight-in approaches (" +
                                   Joined(synthesized) + "), as for the bundled airports.");
        FitToReaderCapacities(a, kConvertToleranceMetres);
    }

    fs::path indexRead = FindDataFile(data, installed, kIndexFile);
    std::vector<std::string> index;
    try {
        if (fs::exists(indexRead))
            index = ReadTextLines(indexRead);
    } catch (const RuntimeError &e) {
        result.message =
            indexRead.string() + " cannot be read (" + e.Description() + "). Nothing was written.";
        return result;
    }
    fs::path target = data / kSceneryFolder;
    try {
        fs::path folder = OwnDataSubfolder(data, kSceneryFolder);
        for (SceneryAirportModel &a : airports) {
            std::string fileName = a.ident + ".xml";
            target = FindFile(folder, fileName);
            WriteFileAtomically(target, SceneryFileText(a));
            index = IndexWithAirport(index, a.ident, a.city, a.country, fileName);
            result.idents.push_back(a.ident);
            result.notes.push_back(target.string() + " written.");
        }
        target = OwnDataFile(data, kIndexFile);
        WriteTextLinesAtomically(target, index);
    } catch (const RuntimeError &e) {
        result.message = target.string() + " cannot be written (" + e.Description() + ").";
        return result;
    }
    result.notes.push_back(target.string() + " names " + Joined(result.idents) + ".");
    result.written = true;
    return result;
}

ConversionResult ConvertSceneryFile(const fs::path &source, const fs::path &data) {
    return ConvertSceneryFile(source, data, ProgramFolder());
}

} // namespace qelvar::import
