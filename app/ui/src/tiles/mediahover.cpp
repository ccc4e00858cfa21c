#include "ui/tiles/mediahover.h"

#include <QMutex>
#include <QMutexLocker>

#include <atomic>

MediaHover* MediaHover::instance()
{
    static std::atomic<MediaHover*> single{nullptr};
    static QMutex mutex;
    if (MediaHover* existing = single.load())
        return existing;
    QMutexLocker locker(&mutex);
    if (!single.load())
        single = new MediaHover;
    return single.load();
}
