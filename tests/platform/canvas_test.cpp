#include "platform/picture_box.h"
#include "platform/qt_canvas.h"
#include "platform/recording_canvas.h"
#include "support/kit_folder.h"

#include <QPrinter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

TEST(RecordingCanvas, RecordsEveryCallWithItsState) {
    RecordingCanvas canvas;
    canvas.Clear();
    canvas.SetColor({0, 0, 255});
    canvas.Line(0, 100, 100, 100);
    canvas.SetLineWidth(4);
    canvas.SetLineStyle(LineStyle::Dash);
    canvas.Line(1, 2, 3, 4);
    canvas.SetLineStyle(LineStyle::Solid);
    canvas.SetLineWidth(1);
    canvas.SetColor({255, 255, 0});
    canvas.Circle(7780, 3990, 200);
    canvas.Point(-5, 7);
    canvas.SetFill({255, 0, 0}, FillStyle::Solid);
    canvas.Box(0, 0, 50, 60);
    canvas.Circle(9, 9, 40);
    canvas.SetColor({192, 0, 192});
    canvas.Text(110, -90, "ANORA", 5);
    canvas.Text(0, 0, "H", 7.5, true);
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{
                                "CLEAR",
                                "LINE 0 100 100 100 w1 #0000ff",
                                "LINE 1 2 3 4 w4 #0000ff dash",
                                "CIRCLE 7780 3990 200 w1 #ffff00",
                                "POINT -5 7 #ffff00",
                                "BOX 0 0 50 60 w1 #ffff00 fill #ff0000",
                                "CIRCLE 9 9 40 w1 #ffff00 fill #ff0000",
                                "TEXT 110 -90 5 #c000c0 ANORA",
                                "TEXT 0 0 7.5 bold #c000c0 H",
                            }));
}

QRgb PixelAtTwips(QtCanvas &canvas, int x, int y) {
    const QImage &image = canvas.Image();
    return image.pixel(x * image.width() / canvas.WidthTwips(), y * image.height() / canvas.HeightTwips());
}

TEST(QtCanvas, RetainsWhatWasDrawnUntilTheNextClear) {
    QtCanvas canvas(1500, 1500);
    EXPECT_EQ(canvas.Image().size(), QSize(100, 100));
    EXPECT_EQ(PixelAtTwips(canvas, 750, 750), qRgb(255, 255, 255));
    canvas.SetColor({0, 0, 255});
    canvas.SetLineWidth(3);
    canvas.Line(0, 750, 1500, 750);
    EXPECT_EQ(PixelAtTwips(canvas, 750, 750), qRgb(0, 0, 255));
    canvas.SetColor({255, 0, 0});
    canvas.Point(300, 300);
    EXPECT_EQ(PixelAtTwips(canvas, 300, 300), qRgb(255, 0, 0));
    canvas.Clear();
    EXPECT_EQ(PixelAtTwips(canvas, 750, 750), qRgb(255, 255, 255));
}

TEST(QtCanvas, CirclesTakeTheFillStyle) {
    QtCanvas canvas(1500, 1500);
    canvas.SetColor({0, 0, 0});
    canvas.Circle(400, 400, 300);
    EXPECT_EQ(PixelAtTwips(canvas, 400, 400), qRgb(255, 255, 255)); // transparent: the inside stays
    canvas.SetFill({192, 0, 0}, FillStyle::Solid);
    canvas.Circle(1000, 1000, 300);
    EXPECT_EQ(PixelAtTwips(canvas, 1000, 1000), qRgb(192, 0, 0));
}

// Short thin lines one by one (each copied from a figure drawn once for its place within a pixel)
// and the same lines in one long run (drawn by the painter): the same pixels.
TEST(QtCanvas, CopiedFiguresGiveThePaintersPixels) {
    auto draw = [](bool oneByOne) {
        QtCanvas canvas(3000, 3000);
        canvas.SetColor({0, 0, 160});
        for (int i = 0; i < 60; ++i) {
            int x = 40 + (i % 8) * 370 + i, y = 40 + (i / 8) * 370 + 2 * i;
            canvas.Line(x, y, x + 45 + i, y + 20 - i);
            if (oneByOne)
                canvas.SetLineStyle(LineStyle::Solid); // sends the line waiting to the picture
        }
        return canvas.Image().copy();
    };
    QImage copied = draw(true), painted = draw(false);
    ASSERT_EQ(copied.size(), painted.size());
    int different = 0;
    for (int y = 0; y < copied.height(); ++y)
        for (int x = 0; x < copied.width(); ++x)
            different += copied.pixel(x, y) != painted.pixel(x, y);
    EXPECT_EQ(different, 0);
}

// A label drawn again is copied from a picture of its first time: at every twip within a pixel,
// over a coloured box, it gives the pixels of a label drawn by the painter.
TEST(QtCanvas, CopiedLabelsGiveThePaintersPixels) {
    auto draw = [](QtCanvas &canvas, int x, int y, double size) {
        canvas.SetFill({200, 230, 120}, FillStyle::Solid);
        canvas.SetColor({200, 230, 120});
        canvas.Box(0, 0, 1500, 1500);
        canvas.SetColor({160, 0, 60});
        canvas.Text(x, y, "KOLIB W7", size, size > 6);
        return canvas.Image().copy();
    };
    for (double size : {5.0, 7.5}) {
        QtCanvas copying(1500, 1500);
        draw(copying, 0, 0, size);
        draw(copying, 0, 0, size); // from here on copied
        for (int y = 300; y < 315; ++y)
            for (int x : {300, 307, 314}) {
                QtCanvas painting(1500, 1500);
                copying.Clear();
                EXPECT_EQ(draw(copying, x, y, size), draw(painting, x, y, size))
                    << size << " " << x << " " << y;
            }
    }
}

bool Inked(const QImage &image, int x, int y) {
    return qGray(image.pixel(x, y)) < 100;
}

// A wide line ends in a half circle as wide as the line, and a wide line of no length is a round dot.
TEST(QtCanvas, WideLinesHaveRoundEnds) {
    QtCanvas canvas(1500, 1500); // 100 x 100 pixels
    canvas.SetColor({0, 0, 0});
    canvas.SetLineWidth(9);
    canvas.Line(20 * 15, 30 * 15, 60 * 15, 30 * 15);
    canvas.Line(50 * 15, 70 * 15, 50 * 15, 70 * 15);
    const QImage &image = canvas.Image();
    struct Pixel {
        int x, y;
        bool inked;
    } pixels[] = {
        {40, 30, true},  {40, 33, true},  {40, 36, false}, // across the line: 4.5 pixels each side
        {62, 30, true},  {63, 26, false}, {63, 33, false}, // past the end: round, not square
        {17, 30, true},  {16, 33, false},                  // the start too
        {50, 70, true},  {52, 70, true},  {50, 67, true},  // the dot
        {53, 73, false}, {46, 66, false}, {55, 70, false},
    };
    for (const Pixel &p : pixels)
        EXPECT_EQ(Inked(image, p.x, p.y), p.inked) << p.x << "," << p.y;
}

// Copied dots, rings and figures are cut at every edge of the picture.
TEST(QtCanvas, CopiesAreCutAtThePictureEdges) {
    QtCanvas canvas(1500, 1500);
    canvas.SetColor({0, 0, 0});
    for (auto [x, y] : {std::pair{0, 0}, {1500, 0}, {0, 1500}, {1500, 1500}, {-20, 750}, {1520, 750}}) {
        canvas.SetLineWidth(1);
        canvas.Circle(x, y, 60);
        canvas.Line(x - 30, y, x + 30, y + 10);
        canvas.SetLineWidth(7);
        canvas.Line(x, y, x, y);
    }
    const QImage &image = canvas.Image();
    for (auto [x, y] : {std::pair{0, 0}, {99, 0}, {0, 99}, {99, 99}, {0, 50}, {99, 50}})
        EXPECT_TRUE(Inked(image, x, y)) << x << "," << y;
    EXPECT_FALSE(Inked(image, 50, 50));
}

TEST(QtCanvas, DevicePixelRatioDoublesThePixelsNotTheTwips) {
    QtCanvas canvas(1500, 750, 2.0);
    EXPECT_EQ(canvas.Image().size(), QSize(200, 100));
    canvas.SetColor({0, 0, 0});
    canvas.Text(30, 30, "EDDF", 10);
    const QImage &image = canvas.Image();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 20); // the text left ink
}

TEST(QtCanvas, PaintsOntoAPrinterPage) {
    testing::KitFolder folder;
    QString file = QString::fromStdString((folder.Path() / "page.pdf").string());
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        double perTwip = printer.resolution() / 1440.0;
        QtCanvas canvas(printer, perTwip, 1.0);
        canvas.SetColor({0, 0, 0});
        canvas.Line(0, 0, 1440, 1440);
        canvas.Text(200, 11200, "do not use for navigation", 12);
        canvas.Finish();
    }
    std::string pdf = folder.Read("page.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_GT(pdf.size(), 500u);
}

TEST(PictureBox, ReportsMousePositionsInTwips) {
    PictureBox box(15'615, 7'815);
    EXPECT_EQ(box.size(), QSize(1041, 521));
    QSignalSpy downs(&box, &PictureBox::MouseDown);
    QTest::mouseClick(&box, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    ASSERT_EQ(downs.size(), 1);
    EXPECT_EQ(downs[0][0].toInt(), kRightButton);
    EXPECT_EQ(downs[0][1].toInt(), kShiftKey);
    EXPECT_FLOAT_EQ(downs[0][2].toFloat(), 150.0f);
    EXPECT_FLOAT_EQ(downs[0][3].toFloat(), 300.0f);
}

// A double-click arrives as press, release, double-click, release: one MouseDown, two MouseUps.
TEST(PictureBox, ADoubleClickIsOneMouseDown) {
    PictureBox box(15'615, 7'815);
    QSignalSpy downs(&box, &PictureBox::MouseDown);
    QSignalSpy ups(&box, &PictureBox::MouseUp);
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    QTest::mouseDClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    EXPECT_EQ(downs.size(), 1);
    EXPECT_EQ(ups.size(), 2);
}

} // namespace
} // namespace qelvar
