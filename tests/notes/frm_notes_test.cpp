// The notes pad driven offscreen with QTest: its place on the screen, strokes with the mouse, the
// retained picture, Clear and Exit.
#include "notes/frm_notes.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

constexpr QRgb kWhite = 0xffffffff;

// Black ink, or at least more than half of it at the smoothed edge of a stroke.
bool Inked(const QImage &image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

class Notes : public ::testing::Test {
protected:
    Notes() : form([this] { ++ends; }) {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.Form_Load(); // once shown, the size of the frame is known
    }
    const QImage &Picture() { return form.picNotes->Canvas().Image(); }
    int InkedPixels() {
        const QImage &image = Picture();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += image.pixel(x, y) != kWhite;
        return inked;
    }
    // A stroke of the left button through the points, in pixels of the pad.
    void Stroke(std::initializer_list<QPoint> points) {
        QWidget *pad = form.picNotes;
        auto it = points.begin();
        QTest::mousePress(pad, Qt::LeftButton, Qt::NoModifier, *it);
        for (++it; it != points.end(); ++it)
            QTest::mouseMove(pad, *it);
        QTest::mouseRelease(pad, Qt::LeftButton, Qt::NoModifier, *std::prev(points.end()));
    }

    int ends = 0;
    frmNotes form;
};

TEST_F(Notes, CaptionControlsAndPlaceAtTheRightEdgeAboveTheBottom) {
    EXPECT_EQ(form.windowTitle(), "Qelvar Notes");
    EXPECT_EQ(form.picNotes->geometry(), QRect(8, 8, 857, 313));  // 120, 120, 12855, 4695 twips
    EXPECT_EQ(form.cmdClear->geometry(), QRect(880, 8, 49, 41));  // 13200, 120, 735, 615
    EXPECT_EQ(form.cmdExit->geometry(), QRect(880, 200, 49, 41)); // 13200, 3000, 735, 615
    EXPECT_EQ(form.cmdClear->Caption(), "Clear");
    EXPECT_EQ(form.cmdExit->Caption(), "Exit");
    QRect screen = form.screen()->geometry();
    QRect frame = form.frameGeometry();
    EXPECT_EQ(frame.right(), screen.right());
    EXPECT_EQ(frame.bottom(), screen.bottom() - 33); // 500 twips
}

TEST(NotesPlace, RightEdgeAndFiveHundredTwipsAboveTheBottom) {
    EXPECT_EQ(NotesWindowPlace(QRect(0, 0, 1600, 1000), QSize(950, 340)), QPoint(650, 627));
    EXPECT_EQ(NotesWindowPlace(QRect(1920, 0, 1280, 1024), QSize(950, 340)), QPoint(2250, 651));
}

TEST_F(Notes, ClickWithoutMovementDrawsNothing) {
    QTest::mouseClick(form.picNotes, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
    EXPECT_EQ(InkedPixels(), 0);
    EXPECT_EQ(form.Stroke().count, 0);
}

TEST_F(Notes, OneMovePaintsOneThreePixelDot) {
    Stroke({QPoint(40, 40), QPoint(100, 50)});
    EXPECT_TRUE(Inked(Picture(), 100, 50));
    EXPECT_TRUE(Inked(Picture(), 99, 50)); // three pixels wide
    EXPECT_TRUE(Inked(Picture(), 100, 49));
    EXPECT_FALSE(Inked(Picture(), 102, 50));
    EXPECT_FALSE(Inked(Picture(), 100, 52));
    EXPECT_FALSE(Inked(Picture(), 40, 40)); // the press itself is no point
    EXPECT_LE(InkedPixels(), 16);           // a round dot of three pixels, smoothed
    EXPECT_EQ(form.Stroke().count, 0);
}

TEST_F(Notes, ReleaseJoinsTheDotsAndMovesWithoutButtonAreIgnored) {
    QTest::mouseMove(form.picNotes, QPoint(10, 200));
    QTest::mouseMove(form.picNotes, QPoint(20, 200));
    EXPECT_EQ(InkedPixels(), 0);

    Stroke({QPoint(20, 100), QPoint(20, 100), QPoint(200, 100), QPoint(200, 250)});
    for (int x = 20; x <= 200; x += 10)
        EXPECT_TRUE(Inked(Picture(), x, 100)) << "x " << x;
    for (int y = 100; y <= 250; y += 10)
        EXPECT_TRUE(Inked(Picture(), 200, y)) << "y " << y;
    EXPECT_FALSE(Inked(Picture(), 110, 175));
}

TEST_F(Notes, LongStrokePastTheBufferLeavesNoGap) {
    QWidget *pad = form.picNotes;
    QTest::mousePress(pad, Qt::LeftButton, Qt::NoModifier, QPoint(5, 30));
    // 1200 moves of 20 pixels along a zigzag: more than the 1001 points of the buffer.
    for (int i = 0; i < 1200; ++i)
        QTest::mouseMove(pad, QPoint(20 + (i % 40) * 20, 30 + (i / 40) * 9));
    EXPECT_EQ(form.Stroke().count, 200); // flushed at the 1001st point, 199 moves later
    QTest::mouseRelease(pad, Qt::LeftButton, Qt::NoModifier, QPoint(800, 291));
    // Halfway along the legs on both sides of the flush: point 999 (800, 246) to point 1000
    // (20, 255), point 1000 to point 1001 (40, 255), and the leg after it.
    EXPECT_TRUE(Inked(Picture(), 410, 250));
    EXPECT_TRUE(Inked(Picture(), 30, 255));
    EXPECT_TRUE(Inked(Picture(), 50, 255));
    EXPECT_EQ(form.Stroke().count, 0);
}

TEST_F(Notes, DrawingSurvivesCoveringAndClearWipesIt) {
    Stroke({QPoint(50, 50), QPoint(60, 60), QPoint(300, 60)});
    form.hide();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QImage shown = form.picNotes->grab().toImage();
    EXPECT_TRUE(Inked(shown, 200, 60));

    QTest::mouseClick(form.cmdClear, Qt::LeftButton);
    EXPECT_EQ(InkedPixels(), 0);
    EXPECT_FALSE(Inked(form.picNotes->grab().toImage(), 200, 60));
    Stroke({QPoint(70, 70), QPoint(80, 80)});
    EXPECT_TRUE(Inked(Picture(), 80, 80));
    EXPECT_FALSE(Inked(Picture(), 200, 60));
}

TEST_F(Notes, ExitEndsTheProgram) {
    EXPECT_EQ(ends, 0);
    QTest::mouseClick(form.cmdExit, Qt::LeftButton);
    EXPECT_EQ(ends, 1);
}

} // namespace
} // namespace qelvar
