// Rte Export and Rte Import in the main window, offscreen, with the file dialog answered by the test.
#include "maps/exchange/route_conversion.h"
#include "maps/mainwindow/form2.h"
#include "maps/navdata/loading_sequence.h"
#include "maps/route/route_building.h"
#include "support/kit_folder.h"
#include "support/twips_placement.h"

#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

class RouteExchangeWindow : public ::testing::Test {
protected:
    RouteExchangeWindow() : form(db, {sink, launcher, folder.Path(), [] {}}) {
        FillZoomScale(db);
        LoadWaypointTables(db, testing::FixturesDir(), sink);
        form.Form_Load("");
        form.show();
        form.askRouteFile = [this](bool save, const std::filesystem::path &suggested) {
            asked.push_back((save ? "save " : "open ") + suggested.string());
            return answer;
        };
    }
    void Import(const std::string &fixture) {
        answer = testing::FixturesDir() / "exchange" / fixture;
        QTest::mouseClick(form.cmdRteImport, Qt::LeftButton);
    }

    testing::KitFolder folder;
    NavDatabase db;
    RecordingMessageSink sink;
    RecordingLauncher launcher;
    Form2 form;
    std::filesystem::path answer;
    std::vector<std::string> asked;
};

TEST_F(RouteExchangeWindow, TheTwoButtonsStandBelowTheMapBesideTheColumn) {
    testing::ExpectPlacedInTwips(
        {{form.cmdRteExport, 13'320, 8'160, 1'095, 495}, {form.cmdRteImport, 14'520, 8'160, 1'095, 495}});
    EXPECT_EQ(form.cmdRteExport->Caption(), "Rte Export");
    EXPECT_EQ(form.cmdRteImport->Caption(), "Rte Import");
}

TEST_F(RouteExchangeWindow, AnImportedPlanIsACompletedRouteThatRteSaveWrites) {
    Import("EDMO-EDDM.pln");
    ASSERT_TRUE(sink.boxes.empty()) << sink.boxes[0].text;
    EXPECT_TRUE(form.txtDisplayRoute->isVisible());
    EXPECT_TRUE(form.cmdRteSave->isVisible());
    EXPECT_FALSE(form.cmdRteLoad->isVisible());
    EXPECT_EQ(form.MapClickMode(), 5);
    std::string box = BoxText(*form.txtDisplayRoute);
    EXPECT_EQ(box.rfind("     Qelvar Maps SIMULATION ROUTE\r\nDeparture ------------------------------\r\n"
                        "ARPT- Oberpfaffenhofen",
                        0),
              0u);
    EXPECT_NE(BoxText(*form.txtDisplay)
                  .find("Rte Import EDMO-EDDM.pln: 6 waypoints: 5 of the kit's objects, "
                        "1 bare position."),
              std::string::npos);
    QTest::mouseClick(form.cmdRteSave, Qt::LeftButton);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "ARPT-Oberpfaffe to ARPT-M\xC3\xBCnchen.rte"));
}

TEST_F(RouteExchangeWindow, ABrokenFileSaysWhyAndLeavesTheRoute) {
    Import("EDMO-EDDM.pln");
    std::string sheet = BoxText(*form.txtDisplayRoute);
    folder.Write("broken.gpx", "<gpx><rte><rtept lat=\"48\"");
    answer = folder.Path() / "broken.gpx";
    QTest::mouseClick(form.cmdRteImport, Qt::LeftButton);
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text.rfind((folder.Path() / "broken.gpx").string() +
                                           " cannot be opened as a route: it is not well-formed XML (line 1",
                                       0),
              0u)
        << sink.boxes[0].text;
    EXPECT_EQ(BoxText(*form.txtDisplayRoute), sheet);
    EXPECT_EQ(form.Route().RoutePoints[5].X, 41'425'920); // EDDM stays the sixth point
}

TEST_F(RouteExchangeWindow, ExportOffersTheRouteNameInTheLastFolderAndWritesTheFile) {
    answer.clear();
    QTest::mouseClick(form.cmdRteExport, Qt::LeftButton);
    EXPECT_TRUE(asked.empty()); // no route: nothing to ask
    Import("EDMO-EDDM.xml");
    answer = folder.Path() / "plan.pln";
    QTest::mouseClick(form.cmdRteExport, Qt::LeftButton);
    ASSERT_EQ(asked.size(), 2u); // the import, then the export
    EXPECT_EQ(
        asked[1],
        "save " +
            (testing::FixturesDir() / "exchange" / "ARPT-Oberpfaffe to ARPT-M\xC3\xBCnchen.pln").string());
    std::ifstream in(folder.Path() / "plan.pln", std::ios::binary);
    std::string written(std::istreambuf_iterator<char>(in), {});
    EXPECT_NE(written.find("<Title>EDMO to EDDM</Title>"), std::string::npos);
    EXPECT_EQ(BoxText(*form.txtDisplay), "The route EDMO to EDDM (5 points) was exported to " +
                                             (folder.Path() / "plan.pln").string() + ".");

    answer = folder.Path() / "no such folder" / "plan.gpx";
    QTest::mouseClick(form.cmdRteExport, Qt::LeftButton);
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, "The route could not be exported to " + answer.string() +
                                      ": the folder does not exist. Nothing was written.");
}

} // namespace
} // namespace qelvar
