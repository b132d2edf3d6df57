// The right-click information and the route pick, on hit lists made by hand.
#include "maps/mapview/marker.h"
#include "maps/mapview/picking.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

class Picking : public ::testing::Test {
protected:
    Picking() {
        db.IntersectionTable.entries = {{"ANORA", 41'000'000, 9'000'000}};
        db.VorTable.entries = {{0, 0, 0, 0, "MUNCHEN", "MUN", "112.30", 41'364'000, 9'176'400},
                               {0, 0, 0, 0, "ERDING", "ERD", "113.00", 41'400'000, 9'100'000}};
        db.NdbTable.entries = {{0, 0, 0, 0, "ERDING", "ED", "338", 41'365'800, 9'071'100}};
        db.AirportTable.entries = {{"AD", "MUC", "EDDM", "Munich", "1487", 0, 0, 0, 0, "123.12",
                                    "08L-26R-13123-197-ASP#08R-26L", "Germany", 41'425'920, 8'995'680},
                                   {"AD-LOK", "OBF", "EDMO", "Oberpfaffenhofen", "1947", 0, 0, 0, 0, "", "",
                                    "Germany", 41'317'200, 9'054'360}};
        db.AirportTable.AirportCount = 2;
    }
    void Hit(int32_t index, const char *kind, int32_t x, int32_t y) { hits.Append(index, kind, x, y); }

    NavDatabase db;
    HitList hits;
    std::string picked;
    int32_t pickedIndex = -1;
};

TEST_F(Picking, InformationBlocksByKindInHitListOrder) {
    Hit(0, "INT", 1000, 1000);
    Hit(0, "VOR", 1100, 1000);
    Hit(0, "NDB", 900, 1100);
    Hit(0, "ILS", 1000, 1000);
    Hit(1, "AD-LOK", 1000, 1000);
    Hit(0, "AD", 1000, 900);
    EXPECT_EQ(ShowObjectInfo(db, hits, 1000, 1000, picked, pickedIndex),
              "INT     ANORA\r\n"
              "VOR  MUNCHEN\r\n  MUN     112.30\r\n"
              "NDB  ERDING\r\n  ED     338\r\n"
              "EDMO   Local ARPT\r\nOberpfaffenhofen\r\nGermany\r\nElev: 1947\r\nATIS: \r\n\r\n"
              "EDDM   Intl ARPT\r\nMunich\r\nGermany\r\nElev: 1487\r\nATIS: 123.12\r\n"
              "08L-26R-13123-197-\r\n     ASP-\r\n08R-26L-\r\n\r\n");
    EXPECT_EQ(picked, "MUC"); // the last airport wins
    EXPECT_EQ(pickedIndex, 0);
}

TEST_F(Picking, ThePickSquareIsStrict) {
    Hit(0, "VOR", 1200, 1000);
    EXPECT_EQ(ShowObjectInfo(db, hits, 1000, 1000, picked, pickedIndex), "NO HIT");
    EXPECT_NE(ShowObjectInfo(db, hits, 1001, 1000, picked, pickedIndex), "NO HIT");
    EXPECT_NE(ShowObjectInfo(db, hits, 1000.5, 1000, picked, pickedIndex), "NO HIT");
    EXPECT_EQ(ShowObjectInfo(db, hits, 1000, 1200, picked, pickedIndex), "NO HIT");
    EXPECT_EQ(ShowObjectInfo(db, hits, 1400, 1000, picked, pickedIndex), "NO HIT");
    EXPECT_NE(ShowObjectInfo(db, hits, 1399, 800.5, picked, pickedIndex), "NO HIT");
    hits.Clear();
    Hit(0, "ILS", 1000, 1000);
    EXPECT_EQ(ShowObjectInfo(db, hits, 1000, 1000, picked, pickedIndex), "NO HIT");
    EXPECT_EQ(picked, "");
    EXPECT_EQ(pickedIndex, -1);
}

TEST_F(Picking, OneCandidateIsTakenSeveralAreListedNoneIsThePosition) {
    Hit(0, "NDB", 1000, 1000);
    Hit(0, "ILS", 1000, 1000);
    std::vector<PickCandidate> one = RoutePick(db, hits, MapView{}, 1000, 1000);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].description, "NDB- ED   338   ERDING");
    EXPECT_EQ(one[0].listText, "NDB - ED   338   ERDING");
    EXPECT_EQ(one[0].position, "41365800|9071100");

    Hit(1, "VOR", 1050, 1000);
    Hit(0, "INT", 950, 1000);
    Hit(0, "AD", 1000, 1100);
    std::vector<PickCandidate> several = RoutePick(db, hits, MapView{}, 1000, 1000);
    ASSERT_EQ(several.size(), 4u);
    EXPECT_EQ(several[1].listText, "VOR - ERD   113.00   ERDING");
    EXPECT_EQ(several[1].description, "VOR- ERD   113.00   ERDING");
    EXPECT_EQ(several[2].listText, "INT- ANORA\r\n");
    EXPECT_EQ(several[2].description, "INT- ANORA");
    EXPECT_EQ(several[3].listText,
              "ARPT- Munich   MUC   Germany\r\nEDDM    ATIS: 123.12      Elev: 1487\r\n" +
                  std::string(30, ' ') + "08L-26R-13123-197-ASP\r\n" + std::string(30, ' ') + "08R-26L\r\n");
    EXPECT_EQ(several[3].description, several[3].listText);
    EXPECT_EQ(several[3].position, "41425920|8995680");

    MapView view;
    std::vector<PickCandidate> none = RoutePick(db, hits, view, 5000, 5000);
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].listText, "Position under Cursor");
    EXPECT_EQ(none[0].position, "25000000|25000000");
}

TEST(AirportInfo, PaddingsAndLongFields) {
    Airport a{"AD", "FRA", "EDDF",   "Frankfurt",       "364",     0, 0,
              0,    0,     "118.02", "07C-25C # 18-36", "Germany", 0, 0};
    EXPECT_EQ(AirportInfoText(a), "--- INTL ARPT ---FRA\r\n"
                                  "Frankfurt                               Germany\r\n"
                                  "EDDF     Elev: 364       ATIS: 118.02\r\n" +
                                      std::string(30, ' ') + "07C-25C\r\n" + std::string(30, ' ') +
                                      "18-36\r\n\r\n");
    a.Name = std::string(45, 'N');
    a.Elevation = "123456789012";
    a.RunwayInfo = "";
    EXPECT_EQ(AirportInfoText(a), "--- INTL ARPT ---FRA\r\n" + std::string(45, 'N') +
                                      "Germany\r\nEDDF     Elev: 123456789012ATIS: 118.02\r\n\r\n");
    a.Type = "HELI";
    EXPECT_EQ(AirportInfoText(a), "searching...");
}

} // namespace
} // namespace qelvar
