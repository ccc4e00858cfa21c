#include "filmgrain_p.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <random>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Each line is read in runs of at most this many samples, each run from its
// own random place in a random tile row.
constexpr int tileWidth = 512;
constexpr int tileHeight = 256;
// Tile rows are stored twice over, so a run never wraps.
constexpr int rowBytes = 2 * tileWidth;

// One speck per byte: its opacity a (0..strength) in the low four bits, and
// a times its grey's luma over 255 in the high four.
std::vector<uint8_t> makeTile(int strength)
{
    std::mt19937 random(0x6772616eu + unsigned(strength));
    std::uniform_int_distribution<int> grey(0, 255);
    std::uniform_int_distribution<int> opacity(0, strength);
    std::vector<uint8_t> tile(size_t(rowBytes) * tileHeight);
    for (int row = 0; row < tileHeight; ++row) {
        uint8_t* line = tile.data() + size_t(row) * rowBytes;
        for (int x = 0; x < tileWidth; ++x) {
            const int a = opacity(random);
            const int luma = 16 + (grey(random) * 219 + 127) / 255; // limited range
            const int lift = (luma * a + 127) / 255;
            line[x] = uint8_t(a | lift << 4);
        }
        std::copy(line, line + tileWidth, line + tileWidth);
    }
    return tile;
}

std::shared_ptr<const std::vector<uint8_t>> sharedTile(int strength)
{
    static std::mutex lock;
    static std::map<int, std::shared_ptr<const std::vector<uint8_t>>> tiles;
    const std::lock_guard<std::mutex> guard(lock);
    auto& tile = tiles[strength];
    if (!tile)
        tile = std::make_shared<const std::vector<uint8_t>>(makeTile(strength));
    return tile;
}

uint32_t mix(uint64_t value)
{
    value ^= value >> 33;
    value *= 0xff51afd7ed558ccdull;
    value ^= value >> 33;
    value *= 0xc4ceb9fe1a85ec53ull;
    value ^= value >> 33;
    return uint32_t(value);
}

uint8_t speck(uint8_t sample, uint8_t code)
{
    const int a = code & 15;
    return uint8_t(sample - ((sample * a + 128) >> 8) + (code >> 4));
}

#ifdef __SSE2__

// Sixteen samples at a time; returns how many were done.
int runSimd(const uint8_t* in, const uint8_t* codes, uint8_t* out, int count)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_set1_epi8(15);
    const __m128i half = _mm_set1_epi16(128);
    int x = 0;
    for (; x + 16 <= count; x += 16) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(codes + x));
        const __m128i a = _mm_and_si128(c, low);
        const __m128i lift = _mm_and_si128(_mm_srli_epi16(c, 4), low);
        const __m128i lo = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(p, zero), _mm_unpacklo_epi8(a, zero)),
                          half),
            8);
        const __m128i hi = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(p, zero), _mm_unpackhi_epi8(a, zero)),
                          half),
            8);
        const __m128i faded = _mm_subs_epu8(p, _mm_packus_epi16(lo, hi));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_adds_epu8(faded, lift));
    }
    return x;
}

#else

int runSimd(const uint8_t*, const uint8_t*, uint8_t*, int)
{
    return 0;
}

#endif

} // namespace

FilmGrain::FilmGrain(int strength)
{
    if (strength > 0)
        tile = sharedTile(std::min(strength, MaxStrength));
}

bool FilmGrain::IsActive() const
{
    return tile != nullptr;
}

void FilmGrain::Apply(const uint8_t* in, int inStride, uint8_t* out, int outStride, int width,
                      int height, int64_t index) const
{
    for (int row = 0; row < height; ++row)
        ApplyRow(in + std::ptrdiff_t(row) * inStride, out + std::ptrdiff_t(row) * outStride,
                 width, row, index);
}

void FilmGrain::ApplyRow(const uint8_t* in, uint8_t* out, int width, int row,
                         int64_t index) const
{
    if (!tile) {
        if (in != out)
            std::copy_n(in, width, out);
        return;
    }
    const uint64_t frame = uint64_t(index) << 32;
    for (int x = 0; x < width; x += tileWidth) {
        const uint32_t place = mix(frame | uint64_t(row) << 12 | uint64_t(x / tileWidth));
        const uint8_t* codes = tile->data() + size_t(place % tileHeight) * rowBytes
                               + (place >> 8) % tileWidth;
        const int count = std::min(tileWidth, width - x);
        int done = runSimd(in + x, codes, out + x, count);
        for (; done < count; ++done)
            out[x + done] = speck(in[x + done], codes[done]);
    }
}
