#include "yuvconvert_p.h"

#include "simd_p.h"

#include <QtGlobal>

#include <cstring>

#ifdef __SSE2__
#include <immintrin.h>
#endif

bool simd::hasAvx2()
{
#if PICTAVIO_HAVE_AVX2
    static const bool available =
        __builtin_cpu_supports("avx2") && qEnvironmentVariableIsEmpty("PICTAVIO_NO_AVX2");
    return available;
#else
    return false;
#endif
}

namespace {

// BT.601 with luma in 16..235 and chroma in 16..240: the weights scaled by
// 2^15 / 255 for luma, and by 2^13 / 255 for chroma, which sums four pixels.
// Each chroma row sums to zero, so grey stays exactly 128.
constexpr int yB = 3208, yG = 16519, yR = 8414;
constexpr int uB = 3598, uG = -2384, uR = -1214;
constexpr int vB = -585, vG = -3013, vR = 3598;
constexpr int shift = 15;
constexpr int lumaBias = (16 << shift) + (1 << (shift - 1));
constexpr int chromaBias = (128 << shift) + (1 << (shift - 1));

uint8_t luma(const uint8_t* p)
{
    return uint8_t((yB * p[0] + yG * p[1] + yR * p[2] + lumaBias) >> shift);
}

// \a b, \a g, \a r: sums of four pixels.
void chroma(int b, int g, int r, uint8_t* u, uint8_t* v)
{
    *u = uint8_t((uB * b + uG * g + uR * r + chromaBias) >> shift);
    *v = uint8_t((vB * b + vG * g + vR * r + chromaBias) >> shift);
}

// Columns from \a x on, one pair of rows, one pixel at a time.
void pairTail(const uint8_t* row0, const uint8_t* row1, int x, int width, uint8_t* y0,
              uint8_t* y1, uint8_t* u, uint8_t* v)
{
    for (; x < width; x += 2) {
        const int next = x + 1 < width ? x + 1 : x;
        const uint8_t* a = row0 + 4 * x;
        const uint8_t* b = row0 + 4 * next;
        const uint8_t* c = row1 + 4 * x;
        const uint8_t* d = row1 + 4 * next;
        y0[x] = luma(a);
        y1[x] = luma(c);
        if (next != x) {
            y0[next] = luma(b);
            y1[next] = luma(d);
        }
        chroma(a[0] + b[0] + c[0] + d[0], a[1] + b[1] + c[1] + d[1], a[2] + b[2] + c[2] + d[2],
               u + x / 2, v + x / 2);
    }
}

#ifdef __SSE2__

// Adds neighbouring 32-bit lanes: {a0+a1, a2+a3, b0+b1, b2+b3}.
__m128i addPairs(__m128i a, __m128i b)
{
    const __m128 fa = _mm_castsi128_ps(a);
    const __m128 fb = _mm_castsi128_ps(b);
    const __m128i even = _mm_castps_si128(_mm_shuffle_ps(fa, fb, _MM_SHUFFLE(2, 0, 2, 0)));
    const __m128i odd = _mm_castps_si128(_mm_shuffle_ps(fa, fb, _MM_SHUFFLE(3, 1, 3, 1)));
    return _mm_add_epi32(even, odd);
}

// Four weighted sums of the 16-bit B, G, R, X quads in \a lo and \a hi.
__m128i weigh(__m128i lo, __m128i hi, __m128i weights, __m128i bias)
{
    const __m128i sums = addPairs(_mm_madd_epi16(lo, weights), _mm_madd_epi16(hi, weights));
    return _mm_srai_epi32(_mm_add_epi32(sums, bias), shift);
}

// Luma of the eight pixels in \a a and \a b, stored at \a out.
void luma8(__m128i a, __m128i b, uint8_t* out)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i weights = _mm_setr_epi16(yB, yG, yR, 0, yB, yG, yR, 0);
    const __m128i bias = _mm_set1_epi32(lumaBias);
    const __m128i first = weigh(_mm_unpacklo_epi8(a, zero), _mm_unpackhi_epi8(a, zero), weights, bias);
    const __m128i second = weigh(_mm_unpacklo_epi8(b, zero), _mm_unpackhi_epi8(b, zero), weights, bias);
    const __m128i words = _mm_packs_epi32(first, second);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(words, words));
}

// The B, G, R, X sums of the two 2x2 blocks in four pixels of two rows.
__m128i blockSums(__m128i top, __m128i bottom)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i lo = _mm_add_epi16(_mm_unpacklo_epi8(top, zero), _mm_unpacklo_epi8(bottom, zero));
    const __m128i hi = _mm_add_epi16(_mm_unpackhi_epi8(top, zero), _mm_unpackhi_epi8(bottom, zero));
    return _mm_unpacklo_epi64(_mm_add_epi16(lo, _mm_srli_si128(lo, 8)),
                              _mm_add_epi16(hi, _mm_srli_si128(hi, 8)));
}

void store4(__m128i values, uint8_t* out)
{
    const __m128i words = _mm_packs_epi32(values, values);
    const int bytes = _mm_cvtsi128_si32(_mm_packus_epi16(words, words));
    std::memcpy(out, &bytes, 4);
}

// Eight columns at a time from column \a x on; returns the first column left
// to do.
int pairSimd(const uint8_t* row0, const uint8_t* row1, int x, int width, uint8_t* y0,
             uint8_t* y1, uint8_t* u, uint8_t* v)
{
    const __m128i uWeights = _mm_setr_epi16(uB, uG, uR, 0, uB, uG, uR, 0);
    const __m128i vWeights = _mm_setr_epi16(vB, vG, vR, 0, vB, vG, vR, 0);
    const __m128i bias = _mm_set1_epi32(chromaBias);
    for (; x + 8 <= width; x += 8) {
        const auto load = [](const uint8_t* p) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        };
        const __m128i a0 = load(row0 + 4 * x), b0 = load(row0 + 4 * x + 16);
        const __m128i a1 = load(row1 + 4 * x), b1 = load(row1 + 4 * x + 16);
        luma8(a0, b0, y0 + x);
        luma8(a1, b1, y1 + x);
        const __m128i left = blockSums(a0, a1);
        const __m128i right = blockSums(b0, b1);
        store4(weigh(left, right, uWeights, bias), u + x / 2);
        store4(weigh(left, right, vWeights, bias), v + x / 2);
    }
    return x;
}

// The same as the SSE2 steps, sixteen columns at a time. Unpacking, adding
// pairs and packing work within 128-bit lanes; a permutation puts the
// results back in column order.
PICTAVIO_AVX2 __m256i addPairs256(__m256i a, __m256i b)
{
    const __m256 fa = _mm256_castsi256_ps(a);
    const __m256 fb = _mm256_castsi256_ps(b);
    const __m256i even = _mm256_castps_si256(_mm256_shuffle_ps(fa, fb, _MM_SHUFFLE(2, 0, 2, 0)));
    const __m256i odd = _mm256_castps_si256(_mm256_shuffle_ps(fa, fb, _MM_SHUFFLE(3, 1, 3, 1)));
    return _mm256_add_epi32(even, odd);
}

PICTAVIO_AVX2 __m256i weigh256(__m256i lo, __m256i hi, __m256i weights, __m256i bias)
{
    const __m256i sums =
        addPairs256(_mm256_madd_epi16(lo, weights), _mm256_madd_epi16(hi, weights));
    return _mm256_srai_epi32(_mm256_add_epi32(sums, bias), shift);
}

// Sums of the sixteen pixels of \a a and \a b in 32-bit lanes, pixels 0-3
// and 8-11 in the low half, 4-7 and 12-15 in the high one.
PICTAVIO_AVX2 __m256i luma16Words(__m256i a, __m256i b)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i weights = _mm256_setr_epi16(yB, yG, yR, 0, yB, yG, yR, 0, yB, yG, yR, 0, yB,
                                              yG, yR, 0);
    const __m256i bias = _mm256_set1_epi32(lumaBias);
    const __m256i first = weigh256(_mm256_unpacklo_epi8(a, zero), _mm256_unpackhi_epi8(a, zero),
                                   weights, bias);
    const __m256i second = weigh256(_mm256_unpacklo_epi8(b, zero),
                                    _mm256_unpackhi_epi8(b, zero), weights, bias);
    return _mm256_permute4x64_epi64(_mm256_packs_epi32(first, second), _MM_SHUFFLE(3, 1, 2, 0));
}

PICTAVIO_AVX2 void luma16(__m256i a, __m256i b, uint8_t* out)
{
    const __m256i words = luma16Words(a, b);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                     _mm_packus_epi16(_mm256_castsi256_si128(words),
                                      _mm256_extracti128_si256(words, 1)));
}

PICTAVIO_AVX2 __m256i blockSums256(__m256i top, __m256i bottom)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i lo =
        _mm256_add_epi16(_mm256_unpacklo_epi8(top, zero), _mm256_unpacklo_epi8(bottom, zero));
    const __m256i hi =
        _mm256_add_epi16(_mm256_unpackhi_epi8(top, zero), _mm256_unpackhi_epi8(bottom, zero));
    return _mm256_unpacklo_epi64(_mm256_add_epi16(lo, _mm256_srli_si256(lo, 8)),
                                 _mm256_add_epi16(hi, _mm256_srli_si256(hi, 8)));
}

PICTAVIO_AVX2 void store8(__m256i values, uint8_t* out)
{
    const __m256i ordered =
        _mm256_permutevar8x32_epi32(values, _mm256_setr_epi32(0, 1, 4, 5, 2, 3, 6, 7));
    const __m128i words = _mm_packs_epi32(_mm256_castsi256_si128(ordered),
                                          _mm256_extracti128_si256(ordered, 1));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(words, words));
}

PICTAVIO_AVX2 int pairAvx2(const uint8_t* row0, const uint8_t* row1, int width, uint8_t* y0,
                           uint8_t* y1, uint8_t* u, uint8_t* v)
{
    const __m256i uWeights = _mm256_setr_epi16(uB, uG, uR, 0, uB, uG, uR, 0, uB, uG, uR, 0, uB,
                                               uG, uR, 0);
    const __m256i vWeights = _mm256_setr_epi16(vB, vG, vR, 0, vB, vG, vR, 0, vB, vG, vR, 0, vB,
                                               vG, vR, 0);
    const __m256i bias = _mm256_set1_epi32(chromaBias);
    int x = 0;
    for (; x + 16 <= width; x += 16) {
        const __m256i a0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row0 + 4 * x));
        const __m256i b0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row0 + 4 * x + 32));
        const __m256i a1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row1 + 4 * x));
        const __m256i b1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row1 + 4 * x + 32));
        luma16(a0, b0, y0 + x);
        luma16(a1, b1, y1 + x);
        const __m256i left = blockSums256(a0, a1);
        const __m256i right = blockSums256(b0, b1);
        store8(weigh256(left, right, uWeights, bias), u + x / 2);
        store8(weigh256(left, right, vWeights, bias), v + x / 2);
    }
    return x;
}

int pairFast(const uint8_t* row0, const uint8_t* row1, int width, uint8_t* y0, uint8_t* y1,
             uint8_t* u, uint8_t* v)
{
    const int done = PICTAVIO_HAVE_AVX2 && simd::hasAvx2()
                         ? pairAvx2(row0, row1, width, y0, y1, u, v)
                         : 0;
    return pairSimd(row0, row1, done, width, y0, y1, u, v);
}

#else

int pairFast(const uint8_t*, const uint8_t*, int, uint8_t*, uint8_t*, uint8_t*, uint8_t*)
{
    return 0;
}

#endif

} // namespace

void bgraToYuv420(const uint8_t* bgra, int stride, int width, int height, const YuvPlanes& out)
{
    for (int row = 0; row < height; row += 2) {
        const int next = row + 1 < height ? row + 1 : row;
        const uint8_t* row0 = bgra + std::ptrdiff_t(row) * stride;
        const uint8_t* row1 = bgra + std::ptrdiff_t(next) * stride;
        uint8_t* y0 = out.y + std::ptrdiff_t(row) * out.yStride;
        uint8_t* y1 = out.y + std::ptrdiff_t(next) * out.yStride;
        uint8_t* u = out.u + std::ptrdiff_t(row / 2) * out.uStride;
        uint8_t* v = out.v + std::ptrdiff_t(row / 2) * out.vStride;
        const int done = pairFast(row0, row1, width, y0, y1, u, v);
        pairTail(row0, row1, done, width, y0, y1, u, v);
    }
}
