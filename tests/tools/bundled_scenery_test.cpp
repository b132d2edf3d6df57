// Every bundled scenery file (data/FSXFiles), as the importer wrote it: one for every line of the
// airport index, well-formed XML, read by the kit's reader without a full table or a line it could
// not take, starts paired with their runways, and every fix of every approach found.
#include "fsx_airport_xml.h"
#include "scenery_check.h"
#include "scenery_fit.h"

#include "platform/text_files.h"
#include "scenery/airport_index.h"
#include "scenery/diagram_rows.h"
#include "scenery/dispatch.h"
#include "support/kit_folder.h"

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace qelvar::import {
namespace {

namespace fs = std::filesystem;

std::vector<qelvar::IndexEntry> Index() {
    std::vector<qelvar::IndexEntry> entries;
    for (const std::string &line : ReadTextLines(qelvar::testing::DataDir() / "Arpt index.txt"))
        entries.push_back(qelvar::ParseIndexLine(line));
    return entries;
}

std::set<std::string> VorIdents() {
    std::set<std::string> idents;
    for (const std::string &line : ReadTextLines(qelvar::testing::DataDir() / "vor.nav"))
        idents.insert(SplitFields(line, ';').at(6));
    return idents;
}

QByteArray Bytes(const fs::path &file) {
    QFile f(QString::fromStdString(file.string()));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
    return f.readAll();
}

TEST(BundledScenery, EveryIndexedAirportHasAWellFormedFileTheReaderTakesWhole) {
    static const qelvar::Dispatcher dispatcher(qelvar::DiagramRows());
    std::vector<qelvar::IndexEntry> index = Index();
    ASSERT_GT(index.size(), 4000u);
    size_t withRunways = 0, withTaxiways = 0, withAprons = 0;
    for (const qelvar::IndexEntry &e : index) {
        fs::path file = qelvar::SceneryFilePath(qelvar::testing::DataDir(), e.fileName);
        ASSERT_TRUE(fs::exists(file)) << e.icao;
        QXmlStreamReader xml(Bytes(file));
        while (!xml.atEnd())
            xml.readNext();
        EXPECT_FALSE(xml.hasError()) << e.icao << " line " << xml.lineNumber() << ": "
                                     << xml.errorString().toStdString();

        qelvar::SceneryAirport a;
        qelvar::SceneryLoadResult r = qelvar::LoadSceneryAirport(file, e.icao, dispatcher, a);
        ASSERT_TRUE(r.airportFound) << e.icao;
        EXPECT_TRUE(r.fullTables.empty()) << e.icao << " " << r.fullTables.front();
        EXPECT_TRUE(r.problems.empty()) << e.icao << " " << r.problems.front();
        // Starts 2p and 2p + 1 are the two ends of runway p; helipads follow with two starts each.
        size_t runways = a.runways.Count(), starts = a.starts.Count();
        ASSERT_EQ(starts % 2, 0u) << e.icao;
        ASSERT_GE(starts, 2 * runways) << e.icao;
        for (size_t p = 0; p < runways; ++p) {
            EXPECT_NE(a.starts[2 * p].type, "HELIPAD") << e.icao;
            EXPECT_EQ(a.starts[2 * p].number, a.runways[p].number) << e.icao << " runway " << p;
            EXPECT_EQ(a.starts[2 * p].designator, a.runways[p].designator) << e.icao << " runway " << p;
            EXPECT_EQ(a.starts[2 * p + 1].type, a.starts[2 * p].type) << e.icao;
        }
        for (size_t s = 2 * runways; s < starts; ++s)
            EXPECT_EQ(a.starts[s].type, "HELIPAD") << e.icao;
        withRunways += runways > 0;
        withTaxiways += a.taxiPaths.Count() > 0;
        withAprons += a.apronVertices.Count() > 0;
    }
    // apt.dat has about 4,350 of the indexed airports; most have pavement, about a fifth taxiways.
    EXPECT_GT(withRunways, 4000u);
    EXPECT_GT(withTaxiways, 900u);
    EXPECT_GT(withAprons, 3000u);
}

TEST(BundledScenery, ApproachTablesFitAndEveryFixIsFound) {
    std::set<std::string> vors = VorIdents();
    size_t approaches = 0;
    for (const qelvar::IndexEntry &e : Index()) {
        std::vector<SceneryAirportModel> airports =
            ReadSceneryXml(Bytes(qelvar::SceneryFilePath(qelvar::testing::DataDir(), e.fileName)));
        ASSERT_EQ(airports.size(), 1u) << e.icao;
        const SceneryAirportModel &a = airports[0];
        EXPECT_LE(a.approaches.size(), SceneryCapacities::kApproaches) << e.icao;
        EXPECT_LE(LegRecords(a), SceneryCapacities::kLegs) << e.icao;
        EXPECT_LE(TransitionRecords(a), SceneryCapacities::kTransitions) << e.icao;
        EXPECT_LE(a.waypoints.size(), SceneryCapacities::kWaypoints) << e.icao;
        EXPECT_LE(a.ndbs.size(), SceneryCapacities::kNdbs) << e.icao;
        for (const SceneryApproach &ap : a.approaches) {
            ++approaches;
            for (const SceneryLeg &leg : ap.legs) {
                bool found = false;
                testing::FixPosition(a, vors, leg.fixIdent, found);
                EXPECT_TRUE(found) << e.icao << " " << ap.type << " " << ap.runway << " " << leg.fixIdent;
            }
            for (const SceneryTransition &t : ap.transitions) {
                bool found = false;
                // The transition's station stands in the file, so that no namesake elsewhere is taken.
                EXPECT_TRUE(testing::FixPosition(a, vors, t.fixIdent, found).has_value())
                    << e.icao << " " << t.fixIdent;
            }
        }
    }
    EXPECT_GT(approaches, 5000u);
}

} // namespace
} // namespace qelvar::import
