#pragma once

// Where a render's time goes, for bench_render: with PICTAVIO_RENDER_STATS
// set, each render prints the CPU time of each stage on stderr (the encoder's
// own threads are not in it). Unset, a timer costs one test of a null
// pointer.

#include <atomic>
#include <cstdint>
#include <ctime>

struct AVFrame;

namespace renderstats {

enum Stage {
    Decode,     // background video decoding
    Background, // background into the working frame
    Prepare,    // opening a scene: photos and texts made ready for their slots
    Compose,    // slots drawn on the frame
    Blend,      // cross-fades, fades, watermark, closing picture
    Convert,    // working frame to YUV 4:2:0
    Encode,     // H.264 encoding and writing
    Music,      // music decoding, resampling and encoding
    StageCount
};

struct Totals
{
    std::atomic<int64_t> nanoseconds[StageCount] = {};
};

/// The process's totals when PICTAVIO_RENDER_STATS is set, else null.
Totals* totals();
/// Prints the totals on stderr and sets them back to zero.
void report(int64_t frames);

/// With PICTAVIO_RENDER_FRAMES=<file>, appends \a yuv (planar 4:2:0) to that
/// file as raw pictures, so that bench_render's limit encodes the very
/// pictures the render gave the encoder. Called on one thread only.
void keepFrame(const AVFrame* yuv);

/// CPU time of the calling thread: on a busy machine wall time would count
/// the waits for a core too.
inline int64_t now()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

/// Adds the time of its scope to one stage.
class Timer
{
public:
    explicit Timer(Stage stage) : stats(totals()), stage(stage), start(stats ? now() : 0) {}
    ~Timer()
    {
        if (stats)
            stats->nanoseconds[stage] += now() - start;
    }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

private:
    Totals* stats;
    Stage stage;
    int64_t start;
};

} // namespace renderstats
