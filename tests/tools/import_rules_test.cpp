// The importer's rules that decide which data a pilot may trust: which apt.dat airport is the
// index airport, the magnetic variation of the World Magnetic Model, runway end numbers against
// their headings, localizers against their runway ends.
#include "airport_match.h"
#include "magnetic_model.h"
#include "runway_checks.h"
#include "source_files.h"

#include "support/kit_folder.h"

#include <gtest/gtest.h>

namespace qelvar::import {
namespace {

// An apt.dat airport with one north-south runway of about 1.1 km centred at the position.
AptAirport Airport(const std::string &ident, double lat, double lon) {
    AptAirport a;
    a.ident = ident;
    a.runways.push_back({"18", "36", lat + 0.005, lon, lat - 0.005, lon, 45, 1});
    return a;
}

TEST(AirportMatch, ByIdentOnlyNearThenByOtherCodeThenByPosition) {
    std::map<std::string, AptAirport> apt;
    for (const AptAirport &a :
         {Airport("SNCP", 40, -8),     // another airport's old ident, far away
          Airport("XNEW", -3.01, -41), // 1.1 km from the index airport SNCP
          Airport("NV65", 36, -115),   // the local code of KDRA
          Airport("KDRA", 60, 10),     // KDRA's ident, far away
          Airport("FAJS", -26.13, 28.24), Airport("FAXX", -26.14, 28.24), Airport("ZZZZ", 10, 10)})
        apt[a.ident] = a;
    apt["NORW"] = {"NORW", 0, {}, ""}; // no runways: nothing tells where it is
    AptAirportFinder finder(apt);
    struct Case {
        MatchRequest request;
        MatchKind kind;
        std::string found;
    } cases[] = {
        {{{-41, -3.0}, {"SNCP", "SNCP"}, {"SNCP", "", "PHB"}}, MatchKind::Position, "XNEW"},
        {{{-115.01, 36}, {"KDRA", "KDRA"}, {"KDRA", "NV65", "DRA"}}, MatchKind::OtherCode, "NV65"},
        {{{28.24, -26.132}, {"FAOR", "FAOR"}, {"FAOR", "", "JNB"}}, MatchKind::Position, "FAJS"},
        {{{10, 10.04}, {"ZZZZ", "ZZZZ"}, {}}, MatchKind::Ident, "ZZZZ"}, // 4.4 km: still the airport
        {{{10, 10.05}, {"XFAR", "XFAR"}, {}},
         MatchKind::Unmatched,
         ""}, // 5.5 km from ZZZZ, 3 km is the limit
        {{{0, 0}, {"NORW", "NORW"}, {}}, MatchKind::Unmatched, ""},
    };
    std::vector<MatchRequest> requests;
    for (const Case &c : cases)
        requests.push_back(c.request);
    std::vector<AptMatch> matches = finder.Match(requests);
    ASSERT_EQ(matches.size(), std::size(cases));
    for (size_t i = 0; i < matches.size(); ++i) {
        EXPECT_EQ(matches[i].kind, cases[i].kind) << cases[i].request.idents[0];
        EXPECT_EQ(matches[i].airport ? matches[i].airport->ident : "", cases[i].found)
            << cases[i].request.idents[0];
    }
    // An airport that an ident already names is not taken again by position.
    std::vector<AptMatch> again = finder.Match({{{10, 10}, {"ZZZZ"}, {}}, {{10.001, 10}, {"QQQQ"}, {}}});
    EXPECT_EQ(again[1].kind, MatchKind::Unmatched);
}

// The published WMM2025 test value at 80 N 0 E, sea level, 2025.0: X 6521.6, Y 145.9, Z 54791.5 nT,
// declination 1.28 degrees.
TEST(MagneticModel, GivesThePublishedTestValues) {
    MagneticModel wmm(testing::FixturesDir() / "wmm" / "WMMCOF2025.js");
    EXPECT_EQ(wmm.Epoch(), 2025.0);
    MagneticField f = wmm.FieldAt(80, 0, 0, 2025.0);
    EXPECT_NEAR(f.north, 6521.6, 0.05);
    EXPECT_NEAR(f.east, 145.9, 0.05);
    EXPECT_NEAR(f.down, 54791.5, 0.05);
    EXPECT_NEAR(f.Declination(), 1.28, 0.005);
    // Frankfurt on the import's date: about 3.8 degrees east.
    EXPECT_NEAR(wmm.DeclinationAt(50.0333, 8.5706, 111, 2027.0), 3.78, 0.005);
}

TEST(MagneticModel, AFileWithoutItsTablesStopsTheImport) {
    testing::KitFolder folder;
    folder.Write("WMM.js", "const gnmWmm = [\n  [0, 0]\n];\nmodule.exports = { MODEL_EPOCH: 2025.0 };\n");
    try {
        MagneticModel wmm(folder.Path() / "WMM.js");
        ADD_FAILURE() << "no error";
    } catch (const ImportError &e) {
        EXPECT_EQ(std::string(e.what()),
                  (folder.Path() / "WMM.js").string() + ": table gnmWmm needs 13 numbers a row");
    }
    EXPECT_THROW(MagneticModel(folder.Path() / "missing.js"), ImportError);
}

TEST(RunwayChecks, EndNumbersAgainstTheHeading) {
    struct Case {
        std::string end1, end2;
        double trueHeading1, variationEast;
        EndOrder order;
    } cases[] = {
        {"09", "27", 90, 0, EndOrder::Right},
        {"09", "27", 270, 0, EndOrder::Swapped},     // the east end is called 09
        {"09L", "27R", 260, -20, EndOrder::Swapped}, // 280 magnetic: 27's heading
        {"36", "18", 20, 15, EndOrder::Right},       // 5 magnetic
        {"18", "36", 90, 0, EndOrder::Unclear},      // across: neither way round
        {"09", "27", 220, 0, EndOrder::Unclear},     // 130 off: not far enough either way
        {"09", "27", 225, 0, EndOrder::Swapped},     // 135 off
        {"06T", "24T", 60, 30, EndOrder::Right},     // counted from true north
        {"H1", "H2", 200, 0, EndOrder::Right},       // nothing to check
        {"01", "xx", 181, 0, EndOrder::Swapped},     // the one numbered end decides
    };
    for (const Case &c : cases)
        EXPECT_EQ(CheckEndOrder(c.end1, c.end2, c.trueHeading1, c.variationEast), c.order)
            << c.end1 << "/" << c.end2 << " " << c.trueHeading1;
}

TEST(RunwayChecks, ALocalizerMoreThanNinetyDegreesOffPointsTheOtherWay) {
    struct Case {
        double localizer, end;
        bool fits;
    } cases[] = {{90, 90, true}, {355, 5, true}, {180, 90, true}, {181, 90, false}, {270, 90, false}};
    for (const Case &c : cases)
        EXPECT_EQ(LocalizerFitsEnd(c.localizer, c.end), c.fits) << c.localizer << " " << c.end;
}

} // namespace
} // namespace qelvar::import
