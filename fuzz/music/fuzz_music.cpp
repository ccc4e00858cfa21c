#include "vidweave/audiotools.h"
#include "vidweave/vidweave.h"

#include <QDir>
#include <QFile>

extern "C" {
#include <libavutil/log.h>
}

#include <unistd.h>

// Music tags and durations as the music page reads them: GetMediaFileInfo
// over a file that holds the input. The name ends in ".mp3", as a chosen
// file's would; FFmpeg still probes the content.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = [] {
        VidweaveInit();
        av_log_set_level(AV_LOG_QUIET); // demuxer complaints would flood the output
        return QDir::temp().filePath(QStringLiteral("pictavio-fuzz-%1.mp3").arg(qint64(getpid())));
    }();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    QString asked = path;
    const QSharedPointer<MediaFileInfo> info = AudioTools::GetMediaFileInfo(asked);
    if (info) {
        static volatile float seen = 0; // keeps the reads from being optimised away
        seen = seen + info->getDuration() + float(info->getDisplayTitle().size());
    }
    return 0;
}
