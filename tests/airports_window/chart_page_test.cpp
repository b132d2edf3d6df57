// The chart on paper: the kneeboard page of the diagram as a PDF, read back with poppler's tools.
#include "airports/window/chart_pdf_command.h"
#include "airports/window/frm_arpt.h"
#include "platform/recording_canvas.h"
#include "support/kit_folder.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::KitFolder;

std::string RunTool(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return process.readAllStandardOutput().toStdString();
}

class ChartPageTest : public ::testing::Test {
protected:
    ChartPageTest() : window({folder.Path(), [] {}}) {
        folder.Write("Arpt index.txt", "EDXX;Frankfurt;Germany;EDXX.xml\r\n");
        std::filesystem::create_directory(folder.Path() / "FSXFiles");
        std::filesystem::copy_file(testing::FixturesDir() / "scenery" / "EDXX.xml",
                                   folder.Path() / "FSXFiles" / "EDXX.xml");
        window.usePrinter = false;
    }
    KitFolder folder;
    frmArpt window;
};

TEST_F(ChartPageTest, NoPageBeforeAChartIsLoaded) {
    window.Form_Load("EDXX");
    EXPECT_FALSE(window.ChartForPage());
    window.cmdSearch_Click();
    window.cmdArpt_Click();
    std::optional<ChartPage> page = window.ChartForPage();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->widthTwips, 14'415);
    EXPECT_EQ(page->heightTwips, 10'215);
    page->date = "2026-12-07";
    EXPECT_EQ(ChartFooterText(*page), "EDXX   Airport Diagram   2026-12-07   For simulation only");
    // The page draws what the picture shows: the same calls.
    RecordingCanvas onPage, onScreen;
    page->draw(onPage);
    RedrawAirport(onScreen, window.Airport(), window.View());
    EXPECT_EQ(onPage.calls, onScreen.calls);
}

TEST_F(ChartPageTest, TheRightButtonOpensTheMenuInsteadOfMovingTheChart) {
    window.Form_Load("EDXX");
    window.cmdSearch_Click();
    window.cmdArpt_Click();
    QTimer::singleShot(50, [] {
        if (QWidget *menu = QApplication::activePopupWidget())
            menu->close();
    });
    window.picArpt_MouseDown(kRightButton, 0, 100, 100);
    EXPECT_EQ(window.PanX(), 0);
    EXPECT_EQ(window.PanY(), 0);
}

TEST_F(ChartPageTest, ThePdfPageIsOnePortraitA4PageWithTheChartAsTextAndLines) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed (scripts/install-packages.sh installs it)";
    window.Form_Load("EDXX");
    window.cmdSearch_Click();
    window.cmdArpt_Click();
    std::filesystem::path file = folder.Path() / "EDXX.pdf";
    window.askPdfFile = [&](const std::filesystem::path &suggested) {
        EXPECT_EQ(suggested, folder.Path() / "EDXX Airport Diagram.pdf");
        return file;
    };
    window.SaveChartPdf();
    QString pdf = QString::fromStdString(file.string());
    std::string info = RunTool("pdfinfo", {pdf});
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       595 x 842 pts (A4)"), std::string::npos) << info;
    std::string text = RunTool("pdftotext", {pdf, "-"});
    EXPECT_NE(text.find("EDXX Airport Diagram " + TodayText() + " For simulation only"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("DO NOT USE FOR REAL NAVIGATION! FSX ONLY"),
              std::string::npos); // the chart's own text
    // Vector: no picture in the page.
    std::string images = RunTool("pdfimages", {"-list", pdf});
    EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2) << images; // the header lines only

    // Print without a printer writes the page into the data folder, as the map's PRT does.
    window.PrintChart();
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "EDXX Airport Diagram.pdf"));
    EXPECT_NE(window.Caption().find("no printer: the chart page was saved as "), std::string::npos);
}

TEST(PdfCommand, ReadsTheArgumentsOrSaysWhatIsMissing) {
    std::string error;
    EXPECT_FALSE(ParsePdfCommand({"KSEA"}, error));
    std::optional<PdfCommand> c = ParsePdfCommand({"--pdf", "out.pdf", "KSEA", "ILS 16L"}, error);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->file, "out.pdf");
    EXPECT_EQ(c->icao, "KSEA");
    EXPECT_EQ(c->approach, "ILS 16L");
    EXPECT_TRUE(ParsePdfCommand({"--pdf", "out.pdf"}, error));
    EXPECT_EQ(error, "usage: --pdf FILE ICAO [APPROACH]");
}

} // namespace
} // namespace qelvar
