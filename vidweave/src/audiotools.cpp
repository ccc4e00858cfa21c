#include "vidweave/audiotools.h"
#include "avinput_p.h"
#include "vidweave/vidweave.h"

#include "avptr_p.h"

#include <QDir>

#include <atomic>
#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
constexpr size_t maxFfmpegBlock = 128 * 1024 * 1024;
}

namespace {

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

MediaFileInfo::MediaFileInfo(float duration, QString artist, QString title, QString filename,
                             QString path)
    : duration(duration), artist(std::move(artist)), title(std::move(title)),
      filename(std::move(filename)), path(std::move(path))
{
}

MediaFileInfo::MediaFileInfo(const MediaFileInfo&) = default;
MediaFileInfo& MediaFileInfo::operator=(const MediaFileInfo&) = default;
MediaFileInfo::~MediaFileInfo() = default;

float MediaFileInfo::getDuration() const { return duration; }
QString MediaFileInfo::getArtist() const { return artist; }
QString MediaFileInfo::getTitle() const { return title; }
QString MediaFileInfo::getFilename() const { return filename; }
QString MediaFileInfo::getPath() const { return path; }

QString MediaFileInfo::getDisplayTitle() const
{
    if (!title.isEmpty())
        return title;
    if (!filename.isEmpty())
        return filename;
    return QDir::toNativeSeparators(path).split(QDir::separator(), Qt::KeepEmptyParts).last();
}

QSharedPointer<MediaFileInfo> AudioTools::GetMediaFileInfo(QString& path)
{
    AudioInput input(path);
    if (!input.IsValid())
        return {};
    AVFrameUPtr frame(av_frame_alloc());
    double seconds = 0;
    while (input.ReadFrame(frame.get())) {
        int rate = frame->sample_rate;
        if (rate <= 0)
            rate = input.GetCodecContext()->sample_rate;
        if (rate > 0)
            seconds += double(frame->nb_samples) / rate;
    }
    return QSharedPointer<MediaFileInfo>::create(float(seconds), input.Metadata("artist"),
                                                 input.Metadata("title"),
                                                 input.Metadata("filename"), path);
}
