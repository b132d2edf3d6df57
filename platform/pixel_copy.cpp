#include "pixel_copy.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qelvar {

namespace {

// x * a / 255 in each channel, rounded as the raster painter rounds it (two channels at a time).
inline uint ByteMul(uint x, uint a) {
    uint t = (x & 0xff00ff) * a;
    t = ((t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return x | t;
}

inline void BlendPixel(QRgb &to, QRgb from) {
    if (from >= 0xff000000)
        to = from;
    else if (from != 0)
        to = from + ByteMul(to, 255 - qAlpha(from));
}

#if defined(__SSE2__)
// Four pixels at a time, the same sums as ByteMul in 16-bit lanes: each product is at most
// 255 * 255 and the rounding adds at most 382 to it, so nothing overflows.
inline __m128i ByteMul4(__m128i pixels, __m128i inverseAlpha) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(0x80);
    __m128i spread = _mm_or_si128(inverseAlpha, _mm_slli_epi32(inverseAlpha, 16));
    auto multiply = [&](__m128i channels, __m128i alphas) {
        __m128i t = _mm_mullo_epi16(channels, alphas);
        t = _mm_add_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), half);
        return _mm_srli_epi16(t, 8);
    };
    __m128i low = multiply(_mm_unpacklo_epi8(pixels, zero), _mm_unpacklo_epi32(spread, spread));
    __m128i high = multiply(_mm_unpackhi_epi8(pixels, zero), _mm_unpackhi_epi32(spread, spread));
    return _mm_packus_epi16(low, high);
}
#endif

void BlendRow(QRgb *to, const QRgb *from, int count) {
    int column = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(255);
    for (; column + 4 <= count; column += 4) {
        __m128i source = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + column));
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(source, zero)) == 0xffff)
            continue; // clear: the gaps between glyphs and round figures
        auto *target = reinterpret_cast<__m128i *>(to + column);
        __m128i inverseAlpha = _mm_sub_epi32(opaque, _mm_srli_epi32(source, 24));
        // A premultiplied channel is at most its alpha, so the sums carry into no other channel.
        _mm_storeu_si128(target, _mm_add_epi8(source, ByteMul4(_mm_loadu_si128(target), inverseAlpha)));
    }
#endif
    for (; column < count; ++column)
        BlendPixel(to[column], from[column]);
}

// Blends `height` rows of `width` pixels, rows `copyStride` pixels apart, at (left, top).
void BlendPixels(const PixelRows &picture, const QRgb *copy, qsizetype copyStride, int width, int height,
                 int left, int top) {
    int firstRow = std::max(0, -top), lastRow = std::min(height, picture.height - top);
    int firstColumn = std::max(0, -left), lastColumn = std::min(width, picture.width - left);
    if (firstColumn >= lastColumn)
        return;
    for (int row = firstRow; row < lastRow; ++row)
        BlendRow(reinterpret_cast<QRgb *>(picture.bits + (top + row) * picture.stride) + left + firstColumn,
                 copy + row * copyStride + firstColumn, lastColumn - firstColumn);
}

} // namespace

PixelCopy InkedPart(const QImage &drawn) {
    int left = drawn.width(), top = drawn.height(), right = -1, bottom = -1;
    for (int row = 0; row < drawn.height(); ++row) {
        auto *pixels = reinterpret_cast<const QRgb *>(drawn.constScanLine(row));
        for (int column = 0; column < drawn.width(); ++column)
            if (pixels[column] != 0) {
                left = std::min(left, column);
                right = std::max(right, column);
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
    }
    if (right < 0)
        return {0, 0, 1, 1, {0}};
    PixelCopy copy{left, top, right - left + 1, bottom - top + 1, {}};
    copy.pixels.reserve(static_cast<size_t>(copy.width) * copy.height);
    for (int row = top; row <= bottom; ++row) {
        auto *pixels = reinterpret_cast<const QRgb *>(drawn.constScanLine(row));
        copy.pixels.insert(copy.pixels.end(), pixels + left, pixels + right + 1);
    }
    return copy;
}

void BlendCopy(const PixelRows &picture, const PixelCopy &copy, int left, int top) {
    BlendPixels(picture, copy.pixels.data(), copy.width, copy.width, copy.height, left + copy.left,
                top + copy.top);
}

void BlendImage(const PixelRows &picture, const QImage &image, int left, int top) {
    BlendPixels(picture, reinterpret_cast<const QRgb *>(image.constBits()), image.bytesPerLine() / 4,
                image.width(), image.height(), left, top);
}

} // namespace qelvar
