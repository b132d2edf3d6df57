// Figures, labels and dots drawn once and kept as pixels, and their blending onto a picture with
// the raster painter's own rounding, so that a copy gives exactly the pixels the painter would.
#pragma once

#include <QImage>
#include <optional>
#include <vector>

namespace qelvar {

// Pixels of a 32-bit picture, rows `stride` bytes apart.
struct PixelRows {
    uchar *bits;
    qsizetype stride;
    int width, height;
};

// The inked part of something drawn on a transparent premultiplied image: its first pixel lies
// `left` and `top` pixels from the image's top-left corner. The pixels are kept inline rather than
// in a QImage, since a redraw blends thousands of copies and each image header is one more memory
// access.
struct PixelCopy {
    int left = 0, top = 0;
    int width = 0, height = 0;
    std::vector<QRgb> pixels; // premultiplied, `width` to a row; or, a quarter of the memory:
    std::vector<uchar> coverage; // each pixel the pen's colour times its coverage, as the painter
    QRgb color = 0;              // draws a glyph or a thin line onto a clear image
    bool IsNull() const { return pixels.empty() && coverage.empty(); }
};

// The inked part of `drawn`; an image with no ink gives one clear pixel. When every pixel is the
// opaque pen colour times a coverage, the copy keeps the coverage alone.
PixelCopy InkedPart(const QImage &drawn, std::optional<QRgb> penColor = {});

// Source over: each pixel of the copy onto the picture, the copy's drawn image having its top-left
// corner at pixel (left, top); what falls outside the picture is left out.
void BlendCopy(const PixelRows &picture, const PixelCopy &copy, int left, int top);
// Asks the memory for the pixels BlendCopy with the same arguments will read and write, so that a
// copy blended a little later does not wait for them.
void PrefetchCopy(const PixelRows &picture, const PixelCopy &copy, int left, int top);
// The same for a whole premultiplied image with its top-left corner at (left, top).
void BlendImage(const PixelRows &picture, const QImage &image, int left, int top);

} // namespace qelvar
