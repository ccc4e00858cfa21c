#include "vidweave/vidweave.h"

extern "C" {
#include <libavutil/log.h>
#include <libavutil/mem.h>
}

#include <atomic>
#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr size_t maxFfmpegBlock = 128 * 1024 * 1024;
std::atomic_int libraryLogLevel{AV_LOG_ERROR};

} // namespace

void VidweaveSetLibraryLog(bool on)
{
    libraryLogLevel = on ? AV_LOG_WARNING : AV_LOG_QUIET;
    av_log_set_level(libraryLogLevel);
}

void VidweaveInit()
{
    static std::once_flag once;
    // Registration is automatic in this FFmpeg; keep its chatter to real errors.
    std::call_once(once, [] {
        av_log_set_level(libraryLogLevel);
        // Demuxers allocate what a header claims: a 150-byte WAV whose tag
        // claims gigabytes took 1.8 GB. Nothing the program decodes needs a
        // single block near this size, so such a file now fails to open.
        av_max_alloc(maxFfmpegBlock);
#ifdef __GLIBC__
        // Pictures of a megabyte and more get pages of their own, returned when
        // freed: otherwise glibc raises its threshold to the largest block
        // freed, and the frames and photos of each scene fragment the heap, so
        // that a render's peak kept growing with the length of the project.
        mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
    });
}
