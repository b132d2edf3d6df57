#include "pixel_copy.h"

#include <algorithm>
#include <cstring>

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
// ByteMul of four pixels by four factors (one in each 32-bit lane), the same sums in 16-bit lanes:
// each product is at most 255 * 255 and the rounding adds at most 382 to it, so nothing overflows.
inline __m128i ByteMul4(__m128i pixels, __m128i factors) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(0x80);
    __m128i spread = _mm_or_si128(factors, _mm_slli_epi32(factors, 16));
    auto multiply = [&](__m128i channels, __m128i by) {
        __m128i t = _mm_mullo_epi16(channels, by);
        t = _mm_add_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), half);
        return _mm_srli_epi16(t, 8);
    };
    __m128i low = multiply(_mm_unpacklo_epi8(pixels, zero), _mm_unpacklo_epi32(spread, spread));
    __m128i high = multiply(_mm_unpackhi_epi8(pixels, zero), _mm_unpackhi_epi32(spread, spread));
    return _mm_packus_epi16(low, high);
}

// Source over of four premultiplied pixels with their alphas onto four of the picture. A
// premultiplied channel is at most its alpha, so the sums carry into no other channel.
inline void Blend4(QRgb *to, __m128i source, __m128i alphas) {
    auto *target = reinterpret_cast<__m128i *>(to);
    __m128i inverse = _mm_sub_epi32(_mm_set1_epi32(255), alphas);
    _mm_storeu_si128(target, _mm_add_epi8(source, ByteMul4(_mm_loadu_si128(target), inverse)));
}
#endif

void BlendRow(QRgb *to, const QRgb *from, int count) {
    int column = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; column + 4 <= count; column += 4) {
        __m128i source = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + column));
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(source, zero)) != 0xffff) // else clear: gaps in figures
            Blend4(to + column, source, _mm_srli_epi32(source, 24));
    }
#endif
    for (; column < count; ++column)
        BlendPixel(to[column], from[column]);
}

// The same for pixels of one colour given as its coverage.
void BlendCoverageRow(QRgb *to, const uchar *coverage, QRgb color, int count) {
    int column = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i colors = _mm_set1_epi32(static_cast<int>(color));
    for (; column + 4 <= count; column += 4) {
        uint32_t four;
        std::memcpy(&four, coverage + column, 4);
        if (four == 0)
            continue; // clear: the gaps between glyphs
        __m128i alphas =
            _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(four)), zero), zero);
        Blend4(to + column, ByteMul4(colors, alphas), alphas);
    }
#endif
    for (; column < count; ++column)
        BlendPixel(to[column], ByteMul(color, coverage[column]));
}

// Calls blendRow(picture row, copy row, first copied column, columns) for each row of a
// width x height copy with its top-left corner at (left, top) that lands on the picture.
template <typename BlendRows>
void ForEachRowOnPicture(const PixelRows &picture, int width, int height, int left, int top,
                         BlendRows blendRow) {
    int firstRow = std::max(0, -top), lastRow = std::min(height, picture.height - top);
    int firstColumn = std::max(0, -left), lastColumn = std::min(width, picture.width - left);
    if (firstColumn >= lastColumn)
        return;
    for (int row = firstRow; row < lastRow; ++row)
        blendRow(reinterpret_cast<QRgb *>(picture.bits + (top + row) * picture.stride) + left + firstColumn,
                 row, firstColumn, lastColumn - firstColumn);
}

} // namespace

PixelCopy InkedPart(const QImage &drawn, std::optional<QRgb> penColor) {
    int left = drawn.width(), top = drawn.height(), right = -1, bottom = -1;
    bool coverageOfPen = penColor.has_value();
    for (int row = 0; row < drawn.height(); ++row) {
        auto *pixels = reinterpret_cast<const QRgb *>(drawn.constScanLine(row));
        for (int column = 0; column < drawn.width(); ++column)
            if (pixels[column] != 0) {
                left = std::min(left, column);
                right = std::max(right, column);
                top = std::min(top, row);
                bottom = std::max(bottom, row);
                coverageOfPen = coverageOfPen && pixels[column] == ByteMul(*penColor, qAlpha(pixels[column]));
            }
    }
    if (right < 0)
        return {0, 0, 1, 1, {0}, {}, 0};
    PixelCopy copy{left, top, right - left + 1, bottom - top + 1, {}, {}, 0};
    size_t size = static_cast<size_t>(copy.width) * copy.height;
    if (coverageOfPen) {
        copy.color = *penColor;
        copy.coverage.reserve(size);
    } else {
        copy.pixels.reserve(size);
    }
    for (int row = top; row <= bottom; ++row) {
        auto *pixels = reinterpret_cast<const QRgb *>(drawn.constScanLine(row));
        for (int column = left; column <= right; ++column)
            if (coverageOfPen)
                copy.coverage.push_back(static_cast<uchar>(qAlpha(pixels[column])));
            else
                copy.pixels.push_back(pixels[column]);
    }
    return copy;
}

void BlendCopy(const PixelRows &picture, const PixelCopy &copy, int left, int top) {
    if (!copy.coverage.empty()) {
        ForEachRowOnPicture(picture, copy.width, copy.height, left + copy.left, top + copy.top,
                            [&](QRgb *to, int row, int column, int count) {
                                BlendCoverageRow(to, copy.coverage.data() + row * copy.width + column,
                                                 copy.color, count);
                            });
        return;
    }
    ForEachRowOnPicture(picture, copy.width, copy.height, left + copy.left, top + copy.top,
                        [&](QRgb *to, int row, int column, int count) {
                            BlendRow(to, copy.pixels.data() + row * copy.width + column, count);
                        });
}

void PrefetchCopy(const PixelRows &picture, const PixelCopy &copy, int left, int top) {
#if defined(__SSE2__)
    const char *source = copy.coverage.empty() ? reinterpret_cast<const char *>(copy.pixels.data())
                                               : reinterpret_cast<const char *>(copy.coverage.data());
    size_t sourceBytes = copy.coverage.empty() ? copy.pixels.size() * sizeof(QRgb) : copy.coverage.size();
    for (size_t at = 0; at < sourceBytes; at += 64)
        _mm_prefetch(source + at, _MM_HINT_T0);
    ForEachRowOnPicture(picture, copy.width, copy.height, left + copy.left, top + copy.top,
                        [](QRgb *to, int, int, int count) {
                            _mm_prefetch(reinterpret_cast<const char *>(to), _MM_HINT_T0);
                            _mm_prefetch(reinterpret_cast<const char *>(to + count - 1), _MM_HINT_T0);
                        });
#else
    (void)picture, (void)copy, (void)left, (void)top;
#endif
}

void BlendImage(const PixelRows &picture, const QImage &image, int left, int top) {
    auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
    qsizetype stride = image.bytesPerLine() / 4;
    ForEachRowOnPicture(picture, image.width(), image.height(), left, top,
                        [&](QRgb *to, int row, int column, int count) {
                            BlendRow(to, pixels + row * stride + column, count);
                        });
}

} // namespace qelvar
