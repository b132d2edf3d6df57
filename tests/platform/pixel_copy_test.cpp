#include "platform/pixel_copy.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <random>

namespace qelvar {
namespace {

// A blended copy gives the pixels of the painter's own source-over drawing of the same image, for
// clear, opaque and partly covered pixels, in groups of four and the odd ones after them, and cut
// at every edge of the picture.
TEST(PixelCopy, BlendsAsThePainterDrawsTheImage) {
    std::mt19937 random(7);
    auto byte = [&](int most) { return static_cast<int>(random() % (most + 1)); };
    QImage background(23, 17, QImage::Format_RGB32);
    for (int y = 0; y < background.height(); ++y)
        for (int x = 0; x < background.width(); ++x)
            background.setPixel(x, y, qRgb(byte(255), byte(255), byte(255)));
    for (int width : {1, 3, 4, 5, 8, 9})
        for (auto [left, top] : {std::pair{0, 0}, {-2, 3}, {20, -1}, {6, 15}, {-9, -9}, {30, 2}}) {
            QImage drawn(width + 2, 6, QImage::Format_ARGB32_Premultiplied);
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x) {
                    int alpha = (x + y) % 3 == 0 ? 0 : (x + y) % 3 == 1 ? 255 : byte(255);
                    drawn.setPixel(x, y, qRgba(byte(alpha), byte(alpha), byte(alpha), alpha));
                }
            drawn.setPixel(0, 0, qRgba(1, 0, 0, 1)); // keeps the inked part the whole image
            drawn.setPixel(width + 1, 5, qRgba(0, 0, 0, 255));
            QImage painted = background.copy();
            QPainter painter(&painted);
            painter.drawImage(left, top, drawn);
            painter.end();
            QImage copied = background.copy();
            BlendCopy({copied.bits(), copied.bytesPerLine(), copied.width(), copied.height()},
                      InkedPart(drawn), left, top);
            EXPECT_EQ(copied, painted) << width << " at " << left << "," << top;
        }
}

// A copy of one pen colour is kept as the coverage of that colour and blends the same.
TEST(PixelCopy, KeepsOnePenColourAsItsCoverage) {
    const QRgb pen = qRgb(160, 0, 60);
    QImage drawn(19, 9, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QColor(pen));
    painter.drawLine(QPointF(1.3, 1.6), QPointF(17.2, 7.1));
    painter.end();
    PixelCopy copy = InkedPart(drawn, pen);
    ASSERT_FALSE(copy.coverage.empty());
    EXPECT_TRUE(copy.pixels.empty());
    EXPECT_TRUE(InkedPart(drawn, qRgb(160, 0, 61)).coverage.empty()); // another colour: kept as pixels
    QImage painted(23, 13, QImage::Format_RGB32), copied(23, 13, QImage::Format_RGB32);
    painted.fill(qRgb(20, 200, 90));
    copied.fill(qRgb(20, 200, 90));
    QPainter onto(&painted);
    onto.drawImage(3, 2, drawn);
    onto.end();
    BlendCopy({copied.bits(), copied.bytesPerLine(), copied.width(), copied.height()}, copy, 3, 2);
    EXPECT_EQ(copied, painted);
}

TEST(PixelCopy, KeepsTheInkedPartAndWhereItLies) {
    QImage drawn(10, 8, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    EXPECT_EQ(InkedPart(drawn).pixels.size(), 1u);
    drawn.setPixel(3, 2, qRgba(0, 0, 0, 255));
    drawn.setPixel(6, 5, qRgba(0, 0, 0, 128));
    PixelCopy copy = InkedPart(drawn);
    EXPECT_EQ((std::vector{copy.left, copy.top, copy.width, copy.height}), (std::vector{3, 2, 4, 4}));
    EXPECT_EQ(copy.pixels[0], qRgba(0, 0, 0, 255));
    EXPECT_EQ(copy.pixels[15], qRgba(0, 0, 0, 128));
}

} // namespace
} // namespace qelvar
