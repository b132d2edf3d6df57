#include "maps/route/route_building.h"
#include "maps/route/route_files.h"
#include "support/kit_folder.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

using Lines = std::vector<std::string>;

const Lines kForm = {
    "Actual Flight Nbr:______ Date:____________________________________ ",  "",
    "Fuel DEP:  Left:_________Ctr:_________Right:_________ Tot:_________",  "",
    "ATIS DEP Code:___ Wind:____/___  CLOUDS: ______________ QNH:_______",  "",
    "DEP RWY______                                     DEP Time:_______ ",  "",
    "Time:______ FL:______ M_____  GS_____ FF: _____  FREQ: _____________", "",
    "Time:______ FL:______ M_____  GS_____ FF: _____  FREQ: _____________", "",
    "Time:______ FL:______ M_____  GS_____ FF: _____  FREQ: _____________", "",
    "ATIS DES Code:___ Wind:____/___  CLOUDS: ______________ QNH:_______",  "",
    "DEST RWY________ APP: _____________          DEST Time:____________",  "",
    "                                                 Fuel Dep:_________",  "",
    "Fuel DES:  Left:_________Ctr:_________Right:_________ Tot:_________",  "",
    "FLT Time:___________                            Fuel used:_________",
};

Lines Joined(Lines a, const Lines &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(RouteFiles, EmptyRouteHasHeaderOneEmptySheetLineAndTheForm) {
    RouteModel m;
    EXPECT_EQ(RouteFileLines(m), Joined({"     Qelvar Maps SIMULATION ROUTE", "",
                                         "Departure ------------------------------", "", ""},
                                        kForm));
}

TEST(RouteFiles, SheetThenFormThenPointLines) {
    RouteModel m;
    AddRoutePoint(m, "NDB- A   1   ALPHA", "100|200");
    AddRoutePoint(m, "NDB- B   2   BRAVO", "300|400");
    m.RouteState = kCompleting;
    AddRoutePoint(m, "Route complete", "|");
    Lines lines = RouteFileLines(m);
    ASSERT_EQ(lines.size(), 3u + 9u + 1u + kForm.size() + 2u);
    EXPECT_EQ(lines[3], "NDB- A   1   ALPHA");
    EXPECT_EQ(lines[6], "Destination ------------------------");
    EXPECT_EQ(lines[7], " Route Planning for B737-800 \r\n"); // written with its own line end
    EXPECT_EQ(lines[11], "");                                 // the empty slot after the sheet
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], kForm[0]);
    EXPECT_EQ(lines[lines.size() - 2], "#100|200");
    EXPECT_EQ(lines.back(), "#300|400");
}

TEST(RouteFiles, NamesLoseSlashesAndColons) {
    EXPECT_EQ(SafeRouteName("UserPos:E8 to A/B"), "UserPos E8 to A B");
    EXPECT_EQ(SafeRouteName(" to "), " to ");
    // A point name taken from a pick list entry ends in CR LF; a tab or another control character
    // has no place in a file name either.
    EXPECT_EQ(SafeRouteName("VOR- to INT-ANORA\r\n"), "VOR- to INT-ANORA");
    EXPECT_EQ(SafeRouteName("A\tB\x7f to C\nD"), "AB to CD");
}

TEST(RouteFiles, PointLinesFillTheSlotsAndTheRestIsText) {
    RoutePointTable points{};
    points[5] = {9, 9};
    std::string text = ReadRouteFile(
        "a.rte", {"line one", "#100|200", "", "##300|400|extra", "#bad|1", "#1.5|2", "end"}, points);
    EXPECT_EQ(text, " FPL-        a.rte\r\n\r\nline one\r\n\r\nend\r\n");
    EXPECT_EQ(points[0].X, 100);
    EXPECT_EQ(points[0].Y, 200);
    EXPECT_EQ(points[1].X, 300);
    EXPECT_EQ(points[1].Y, 400);
    EXPECT_TRUE(IsFreeSlot(points[2]));
    EXPECT_TRUE(IsFreeSlot(points[5])); // no point of an earlier route hangs on

    RoutePointTable untouched{};
    untouched[0] = {7, 7};
    ReadRouteFile("text.rte", {"only text"}, untouched);
    EXPECT_EQ(untouched[0].X, 7); // a file without points leaves the route as it was

    Lines many;
    for (int i = 1; i <= 203; ++i)
        many.push_back("#" + std::to_string(i) + "|1");
    RoutePointTable all{};
    ReadRouteFile("many.rte", many, all);
    EXPECT_EQ(all[200].X, 201);
}

TEST(RouteFiles, ListsRteFilesSorted) {
    testing::KitFolder folder;
    folder.Write("b.rte", "");
    folder.Write("A.RTE", "");
    folder.Write("c.txt", "");
    folder.Write(".rte", "");      // saved before any route was completed: a hidden file
    folder.Write(".late.rte", ""); // hidden, with a name
    folder.Write("rte", "");
    folder.Write("x.rtex", "");
    std::filesystem::create_directory(folder.Path() / "dir.rte");
    EXPECT_EQ(ListRouteFiles(folder.Path()), (Lines{".late.rte", ".rte", "A.RTE", "b.rte"}));
    EXPECT_EQ(ListRouteFiles(folder.Path() / "missing"), Lines{});
}

} // namespace
} // namespace qelvar
