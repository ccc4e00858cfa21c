#pragma once

// A background video's picture into the working frame in one pass over the
// frame: swscale stretches it across (on the video's few lines), then each
// frame line is filtered down from those, gets its grain and is converted to
// RGB while it is in the cache. Stretching in YUV at the frame's size first
// and converting afterwards cost three passes over it and most of a
// millisecond more at 1080p.

#include "avptr_p.h"

#include <cstdint>
#include <vector>

class FilmGrain;

class BackgroundScaler
{
public:
    /// Whether \a source can go this way into \a out: 8-bit YUV 4:2:0 of
    /// limited range, not shrunk, into 32-bit RGB.
    static bool Handles(const AVFrame* source, const AVFrame* out);

    /// \a source stretched into \a out with a cubic filter, with \a grain of
    /// frame \a index on its luma. False when out of memory.
    bool Scale(const AVFrame* source, AVFrame* out, const FilmGrain& grain, int64_t index);

    /// Four source lines and their weights (in 1/16384) for one line.
    struct Taps
    {
        int rows[4];
        int16_t weights[4];
    };
    /// The taps of each of \a to lines from \a from: line i's centre lies at
    /// (i + 0.5) * \a scale + \a shift, edges repeated.
    static std::vector<Taps> taps(int from, int to, double scale, double shift);

private:
    const AVFrame* widen(const AVFrame* source, int width);

    SwsContextUPtr widener;
    AVFrameUPtr wide{av_frame_alloc()}; // the source stretched across only
    std::vector<Taps> lumaTaps;
    std::vector<Taps> chromaTaps;
    int tapsFrom = 0;
    int tapsTo = 0;
    std::vector<uint8_t> line; // one frame line of Y, then one of U and V
};

/// BT.601 limited range to 32-bit RGB (B, G, R, 255 in memory), the inverse
/// of bgraToYuv420: \a u and \a v hold one sample per two pixels.
void yuvLineToBgra(const uint8_t* y, const uint8_t* u, const uint8_t* v, uint8_t* bgra,
                   int width);
