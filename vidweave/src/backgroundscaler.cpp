#include "backgroundscaler_p.h"

#include "filmgrain_p.h"
#include "simd_p.h"

#include <algorithm>
#include <cmath>

#ifdef __SSE2__
#include <immintrin.h>
#endif

namespace {

constexpr int weightBits = 14;

// swscale's bicubic (B = 0, C = 0.6), so the backgrounds look as they did.
double cubic(double x)
{
    x = std::abs(x);
    if (x < 1)
        return (1.4 * x - 2.4) * x * x + 1;
    if (x < 2)
        return ((-0.6 * x + 3) * x - 4.8) * x + 2.4;
    return 0;
}

uint8_t clamped(int value)
{
    return uint8_t(std::clamp(value, 0, 255));
}

void filterTail(const uint8_t* const rows[4], const int16_t weights[4], uint8_t* out, int x,
                int width)
{
    for (; x < width; ++x) {
        int sum = 1 << (weightBits - 1);
        for (int k = 0; k < 4; ++k)
            sum += weights[k] * rows[k][x];
        out[x] = clamped(sum >> weightBits);
    }
}

#ifdef __SSE2__

// Sixteen samples at a time; returns the first column left to do.
int filterSse2(const uint8_t* const rows[4], const int16_t weights[4], uint8_t* out, int width)
{
    const __m128i w01 = _mm_set1_epi32(int(uint16_t(weights[0]) | uint32_t(uint16_t(weights[1])) << 16));
    const __m128i w23 = _mm_set1_epi32(int(uint16_t(weights[2]) | uint32_t(uint16_t(weights[3])) << 16));
    const __m128i round = _mm_set1_epi32(1 << (weightBits - 1));
    const __m128i zero = _mm_setzero_si128();
    int x = 0;
    for (; x + 16 <= width; x += 16) {
        __m128i r[4];
        for (int k = 0; k < 4; ++k)
            r[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k] + x));
        __m128i words[2];
        for (int half = 0; half < 2; ++half) {
            const auto widen = [&](__m128i v) {
                return half ? _mm_unpackhi_epi8(v, zero) : _mm_unpacklo_epi8(v, zero);
            };
            const __m128i a = widen(r[0]), b = widen(r[1]), c = widen(r[2]), d = widen(r[3]);
            const __m128i lo = _mm_add_epi32(
                _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi16(a, b), w01),
                              _mm_madd_epi16(_mm_unpacklo_epi16(c, d), w23)),
                round);
            const __m128i hi = _mm_add_epi32(
                _mm_add_epi32(_mm_madd_epi16(_mm_unpackhi_epi16(a, b), w01),
                              _mm_madd_epi16(_mm_unpackhi_epi16(c, d), w23)),
                round);
            words[half] = _mm_packs_epi32(_mm_srai_epi32(lo, weightBits),
                                          _mm_srai_epi32(hi, weightBits));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                         _mm_packus_epi16(words[0], words[1]));
    }
    return x;
}

PICTAVIO_AVX2 int filterAvx2(const uint8_t* const rows[4], const int16_t weights[4],
                             uint8_t* out, int width)
{
    const __m256i w01 =
        _mm256_set1_epi32(int(uint16_t(weights[0]) | uint32_t(uint16_t(weights[1])) << 16));
    const __m256i w23 =
        _mm256_set1_epi32(int(uint16_t(weights[2]) | uint32_t(uint16_t(weights[3])) << 16));
    const __m256i round = _mm256_set1_epi32(1 << (weightBits - 1));
    const __m256i zero = _mm256_setzero_si256();
    int x = 0;
    // Unpacking and packing both work within 128-bit lanes, so the order
    // comes out as it went in.
    for (; x + 32 <= width; x += 32) {
        __m256i r[4];
        for (int k = 0; k < 4; ++k)
            r[k] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[k] + x));
        __m256i words[2];
        for (int half = 0; half < 2; ++half) {
            __m256i a, b, c, d;
            if (half) {
                a = _mm256_unpackhi_epi8(r[0], zero), b = _mm256_unpackhi_epi8(r[1], zero);
                c = _mm256_unpackhi_epi8(r[2], zero), d = _mm256_unpackhi_epi8(r[3], zero);
            } else {
                a = _mm256_unpacklo_epi8(r[0], zero), b = _mm256_unpacklo_epi8(r[1], zero);
                c = _mm256_unpacklo_epi8(r[2], zero), d = _mm256_unpacklo_epi8(r[3], zero);
            }
            const __m256i lo = _mm256_add_epi32(
                _mm256_add_epi32(_mm256_madd_epi16(_mm256_unpacklo_epi16(a, b), w01),
                                 _mm256_madd_epi16(_mm256_unpacklo_epi16(c, d), w23)),
                round);
            const __m256i hi = _mm256_add_epi32(
                _mm256_add_epi32(_mm256_madd_epi16(_mm256_unpackhi_epi16(a, b), w01),
                                 _mm256_madd_epi16(_mm256_unpackhi_epi16(c, d), w23)),
                round);
            words[half] = _mm256_packs_epi32(_mm256_srai_epi32(lo, weightBits),
                                             _mm256_srai_epi32(hi, weightBits));
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x),
                            _mm256_packus_epi16(words[0], words[1]));
    }
    return x;
}

#endif

// One frame line from four source lines.
void filterLine(const uint8_t* const rows[4], const int16_t weights[4], uint8_t* out, int width)
{
    int done = 0;
#ifdef __SSE2__
    done = PICTAVIO_HAVE_AVX2 && simd::hasAvx2() ? filterAvx2(rows, weights, out, width)
                                                 : filterSse2(rows, weights, out, width);
#endif
    filterTail(rows, weights, out, done, width);
}

// BT.601 limited range, in 1/8192: luma gain and the chroma weights.
constexpr int yGain = 9539;   // 255 / 219
constexpr int rV = 13075;     // 1.402 * 255 / 224
constexpr int gU = 3209;      // 0.344136 * 255 / 224
constexpr int gV = 6660;      // 0.714136 * 255 / 224
constexpr int bU = 16525;     // 1.772 * 255 / 224

// The SIMD lines' arithmetic, one pixel at a time: products of values
// scaled by 64 keep their top 16 bits, in eighths of a level.
void pixelTail(const uint8_t* y, const uint8_t* u, const uint8_t* v, uint8_t* bgra, int x,
               int width)
{
    const auto high = [](int a, int b) { return (a * b) >> 16; };
    for (; x < width; ++x) {
        const int luma = high((y[x] - 16) * 64, yGain);
        const int cu = (u[x / 2] - 128) * 64;
        const int cv = (v[x / 2] - 128) * 64;
        uint8_t* p = bgra + 4 * x;
        p[0] = clamped((luma + high(cu, bU) + 4) >> 3);
        p[1] = clamped((luma - high(cu, gU) - high(cv, gV) + 4) >> 3);
        p[2] = clamped((luma + high(cv, rV) + 4) >> 3);
        p[3] = 255;
    }
}

#ifdef __SSE2__

int yuvSse2(const uint8_t* y, const uint8_t* u, const uint8_t* v, uint8_t* bgra, int width)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i lumaOffset = _mm_set1_epi16(16);
    const __m128i chromaOffset = _mm_set1_epi16(128);
    const __m128i four = _mm_set1_epi16(4);
    const __m128i opaque = _mm_set1_epi8(char(0xff));
    int x = 0;
    for (; x + 16 <= width; x += 16) {
        const __m128i luma = _mm_loadu_si128(reinterpret_cast<const __m128i*>(y + x));
        const auto chroma = [&](const uint8_t* plane) {
            const __m128i eight = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(plane + x / 2));
            return _mm_slli_epi16(_mm_sub_epi16(_mm_unpacklo_epi8(eight, zero), chromaOffset), 6);
        };
        const __m128i cu = chroma(u), cv = chroma(v);
        __m128i out[3][2];
        for (int half = 0; half < 2; ++half) {
            const __m128i l = _mm_mulhi_epi16(
                _mm_slli_epi16(_mm_sub_epi16(half ? _mm_unpackhi_epi8(luma, zero)
                                                  : _mm_unpacklo_epi8(luma, zero),
                                             lumaOffset),
                               6),
                _mm_set1_epi16(yGain));
            const __m128i hu = half ? _mm_unpackhi_epi16(cu, cu) : _mm_unpacklo_epi16(cu, cu);
            const __m128i hv = half ? _mm_unpackhi_epi16(cv, cv) : _mm_unpacklo_epi16(cv, cv);
            const __m128i b = _mm_add_epi16(l, _mm_mulhi_epi16(hu, _mm_set1_epi16(bU)));
            const __m128i g = _mm_sub_epi16(_mm_sub_epi16(l, _mm_mulhi_epi16(hu, _mm_set1_epi16(gU))),
                                            _mm_mulhi_epi16(hv, _mm_set1_epi16(gV)));
            const __m128i r = _mm_add_epi16(l, _mm_mulhi_epi16(hv, _mm_set1_epi16(rV)));
            out[0][half] = _mm_srai_epi16(_mm_add_epi16(b, four), 3);
            out[1][half] = _mm_srai_epi16(_mm_add_epi16(g, four), 3);
            out[2][half] = _mm_srai_epi16(_mm_add_epi16(r, four), 3);
        }
        const __m128i b = _mm_packus_epi16(out[0][0], out[0][1]);
        const __m128i g = _mm_packus_epi16(out[1][0], out[1][1]);
        const __m128i r = _mm_packus_epi16(out[2][0], out[2][1]);
        const __m128i bgLo = _mm_unpacklo_epi8(b, g), bgHi = _mm_unpackhi_epi8(b, g);
        const __m128i raLo = _mm_unpacklo_epi8(r, opaque), raHi = _mm_unpackhi_epi8(r, opaque);
        auto* p = reinterpret_cast<__m128i*>(bgra + 4 * x);
        _mm_storeu_si128(p, _mm_unpacklo_epi16(bgLo, raLo));
        _mm_storeu_si128(p + 1, _mm_unpackhi_epi16(bgLo, raLo));
        _mm_storeu_si128(p + 2, _mm_unpacklo_epi16(bgHi, raHi));
        _mm_storeu_si128(p + 3, _mm_unpackhi_epi16(bgHi, raHi));
    }
    return x;
}

PICTAVIO_AVX2 int yuvAvx2(const uint8_t* y, const uint8_t* u, const uint8_t* v, uint8_t* bgra,
                          int width)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i lumaOffset = _mm256_set1_epi16(16);
    const __m256i chromaOffset = _mm256_set1_epi16(128);
    const __m256i four = _mm256_set1_epi16(4);
    const __m256i opaque = _mm256_set1_epi8(char(0xff));
    // A frame line goes past the cache: reading it in first would double the
    // memory traffic.
    const bool streaming = (reinterpret_cast<uintptr_t>(bgra) & 31) == 0;
    int x = 0;
    // In-lane unpacking puts pixels 0-7 and 16-23 in one half, 8-15 and
    // 24-31 in the other; the chroma, widened across lanes, pairs with them.
    for (; x + 32 <= width; x += 32) {
        const __m256i luma = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(y + x));
        const __m256i cu = _mm256_slli_epi16(
            _mm256_sub_epi16(_mm256_cvtepu8_epi16(
                                 _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + x / 2))),
                             chromaOffset),
            6);
        const __m256i cv = _mm256_slli_epi16(
            _mm256_sub_epi16(_mm256_cvtepu8_epi16(
                                 _mm_loadu_si128(reinterpret_cast<const __m128i*>(v + x / 2))),
                             chromaOffset),
            6);
        __m256i out[3][2];
        for (int half = 0; half < 2; ++half) {
            const __m256i l = _mm256_mulhi_epi16(
                _mm256_slli_epi16(_mm256_sub_epi16(half ? _mm256_unpackhi_epi8(luma, zero)
                                                        : _mm256_unpacklo_epi8(luma, zero),
                                                   lumaOffset),
                                  6),
                _mm256_set1_epi16(yGain));
            const __m256i hu =
                half ? _mm256_unpackhi_epi16(cu, cu) : _mm256_unpacklo_epi16(cu, cu);
            const __m256i hv =
                half ? _mm256_unpackhi_epi16(cv, cv) : _mm256_unpacklo_epi16(cv, cv);
            const __m256i b = _mm256_add_epi16(l, _mm256_mulhi_epi16(hu, _mm256_set1_epi16(bU)));
            const __m256i g = _mm256_sub_epi16(
                _mm256_sub_epi16(l, _mm256_mulhi_epi16(hu, _mm256_set1_epi16(gU))),
                _mm256_mulhi_epi16(hv, _mm256_set1_epi16(gV)));
            const __m256i r = _mm256_add_epi16(l, _mm256_mulhi_epi16(hv, _mm256_set1_epi16(rV)));
            out[0][half] = _mm256_srai_epi16(_mm256_add_epi16(b, four), 3);
            out[1][half] = _mm256_srai_epi16(_mm256_add_epi16(g, four), 3);
            out[2][half] = _mm256_srai_epi16(_mm256_add_epi16(r, four), 3);
        }
        const __m256i b = _mm256_packus_epi16(out[0][0], out[0][1]);
        const __m256i g = _mm256_packus_epi16(out[1][0], out[1][1]);
        const __m256i r = _mm256_packus_epi16(out[2][0], out[2][1]);
        const __m256i bgLo = _mm256_unpacklo_epi8(b, g), bgHi = _mm256_unpackhi_epi8(b, g);
        const __m256i raLo = _mm256_unpacklo_epi8(r, opaque);
        const __m256i raHi = _mm256_unpackhi_epi8(r, opaque);
        const __m256i p0 = _mm256_unpacklo_epi16(bgLo, raLo); // 0-3, 16-19
        const __m256i p1 = _mm256_unpackhi_epi16(bgLo, raLo); // 4-7, 20-23
        const __m256i p2 = _mm256_unpacklo_epi16(bgHi, raHi); // 8-11, 24-27
        const __m256i p3 = _mm256_unpackhi_epi16(bgHi, raHi); // 12-15, 28-31
        auto* p = reinterpret_cast<__m256i*>(bgra + 4 * x);
        if (streaming) {
            _mm256_stream_si256(p, _mm256_permute2x128_si256(p0, p1, 0x20));
            _mm256_stream_si256(p + 1, _mm256_permute2x128_si256(p2, p3, 0x20));
            _mm256_stream_si256(p + 2, _mm256_permute2x128_si256(p0, p1, 0x31));
            _mm256_stream_si256(p + 3, _mm256_permute2x128_si256(p2, p3, 0x31));
        } else {
            _mm256_storeu_si256(p, _mm256_permute2x128_si256(p0, p1, 0x20));
            _mm256_storeu_si256(p + 1, _mm256_permute2x128_si256(p2, p3, 0x20));
            _mm256_storeu_si256(p + 2, _mm256_permute2x128_si256(p0, p1, 0x31));
            _mm256_storeu_si256(p + 3, _mm256_permute2x128_si256(p2, p3, 0x31));
        }
    }
    return x;
}

#endif

} // namespace

void yuvLineToBgra(const uint8_t* y, const uint8_t* u, const uint8_t* v, uint8_t* bgra,
                   int width)
{
    int done = 0;
#ifdef __SSE2__
    done = PICTAVIO_HAVE_AVX2 && simd::hasAvx2() ? yuvAvx2(y, u, v, bgra, width)
                                                 : yuvSse2(y, u, v, bgra, width);
#endif
    pixelTail(y, u, v, bgra, done, width);
}

std::vector<BackgroundScaler::Taps> BackgroundScaler::taps(int from, int to, double scale,
                                                          double shift)
{
    std::vector<Taps> result(size_t(std::max(0, to)));
    for (int line = 0; line < to; ++line) {
        const double centre = (line + 0.5) * scale + shift;
        const int first = int(std::floor(centre)) - 1;
        const double phase = centre - std::floor(centre);
        Taps& t = result[size_t(line)];
        int sum = 0;
        for (int k = 0; k < 4; ++k) {
            t.rows[k] = std::clamp(first + k, 0, from - 1);
            t.weights[k] = int16_t(std::lround(cubic(phase + 1 - k) * (1 << weightBits)));
            sum += t.weights[k];
        }
        // Flat areas stay exactly flat.
        t.weights[phase < 0.5 ? 1 : 2] += int16_t((1 << weightBits) - sum);
    }
    return result;
}

bool BackgroundScaler::Handles(const AVFrame* source, const AVFrame* out)
{
    return source->format == AV_PIX_FMT_YUV420P
           && (out->format == AV_PIX_FMT_RGB32 || out->format == AV_PIX_FMT_BGR0)
           && source->width > 0 && source->height > 0 && out->width >= source->width
           && out->height >= source->height;
}

// The source at the frame's width and its own height; the source itself
// when it is as wide.
const AVFrame* BackgroundScaler::widen(const AVFrame* source, int width)
{
    if (source->width == width)
        return source;
    if (wide->width != width || wide->height != source->height) {
        av_frame_unref(wide.get());
        wide->format = AV_PIX_FMT_YUV420P;
        wide->width = width;
        wide->height = source->height;
        if (av_frame_get_buffer(wide.get(), 0) < 0)
            return nullptr;
    }
    widener.reset(sws_getCachedContext(widener.release(), source->width, source->height,
                                       AV_PIX_FMT_YUV420P, width, source->height,
                                       AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr,
                                       nullptr));
    if (!widener)
        return nullptr;
    sws_scale(widener.get(), source->data, source->linesize, 0, source->height, wide->data,
              wide->linesize);
    return wide.get();
}

bool BackgroundScaler::Scale(const AVFrame* source, AVFrame* out, const FilmGrain& grain,
                             int64_t index)
{
    const int width = out->width;
    const int height = out->height;
    const AVFrame* across = widen(source, width);
    if (!across)
        return false;
    if (tapsFrom != source->height || tapsTo != height) {
        // Chroma lines lie halfway between their two luma lines; each frame
        // line gets its own, as swscale's stretch to 4:2:2 gave it.
        const double scale = double(source->height) / height;
        lumaTaps = taps(source->height, height, scale, -0.5);
        chromaTaps = taps((source->height + 1) / 2, height, scale / 2, -0.5);
        tapsFrom = source->height, tapsTo = height;
    }
    const int chromaWidth = (width + 1) / 2;
    line.resize(size_t(width) + 2 * size_t(chromaWidth));
    uint8_t* y = line.data();
    uint8_t* u = y + width;
    uint8_t* v = u + chromaWidth;
    const auto rowsOf = [&](int plane, const Taps& t, const uint8_t* rows[4]) {
        for (int k = 0; k < 4; ++k)
            rows[k] = across->data[plane] + std::ptrdiff_t(t.rows[k]) * across->linesize[plane];
    };
    for (int row = 0; row < height; ++row) {
        const uint8_t* rows[4];
        const Taps& c = chromaTaps[size_t(row)];
        rowsOf(1, c, rows);
        filterLine(rows, c.weights, u, chromaWidth);
        rowsOf(2, c, rows);
        filterLine(rows, c.weights, v, chromaWidth);
        const Taps& t = lumaTaps[size_t(row)];
        rowsOf(0, t, rows);
        filterLine(rows, t.weights, y, width);
        grain.ApplyRow(y, y, width, row, index);
        yuvLineToBgra(y, u, v, out->data[0] + std::ptrdiff_t(row) * out->linesize[0], width);
    }
#ifdef __SSE2__
    _mm_sfence();
#endif
    return true;
}
