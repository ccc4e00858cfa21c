#include "core/music.h"

#include "core/slideinput.h"

#include "vidweave/audiotools.h"
#include "vidweave/mediacheck.h"

#include <QFileInfo>

namespace {

/// Why \a path, which the engine could not read as music, cannot be used.
QString notMusic(const QString& path)
{
    if (!QFileInfo::exists(path))
        return path + " does not exist";
    QString why = CheckAudio(path).error;
    if (why.endsWith('.'))
        why.chop(1);
    if (why.startsWith(path + ' '))
        why = "it " + why.mid(path.size() + 1); // the path is said once
    return path + " is not music" + (why.isEmpty() ? QString() : ": " + why);
}

} // namespace

bool readMusic(const QStringList& paths, MusicList& tracks, QString* reason)
{
    for (QString path : paths) {
        if (QFileInfo::exists(path) && !isRegularFile(path)) {
            *reason = "the music cannot be used: " + path + " is not a file (a pipe or a device is no music)";
            return false;
        }
        const QSharedPointer<MediaFileInfo> info = AudioTools::GetMediaFileInfo(path);
        if (!info) {
            *reason = "the music cannot be used: " + notMusic(path);
            return false;
        }
        if (info->getDuration() <= 0) {
            *reason = "the music cannot be used: " + path + " holds no sound";
            return false;
        }
        tracks.push_back(info);
    }
    return true;
}

MusicList readAvailableMusic(const QStringList& paths, QStringList* missing)
{
    MusicList tracks;
    for (QString path : paths) {
        // Opening a pipe would wait for a writer for ever.
        QSharedPointer<MediaFileInfo> info;
        if (isRegularFile(path) && QFile(path).open(QIODevice::ReadOnly))
            info = AudioTools::GetMediaFileInfo(path);
        if (info)
            tracks.push_back(info);
        else if (missing)
            *missing << path;
    }
    return tracks;
}

float musicLength(const MusicList& tracks)
{
    float total = 0;
    for (const auto& track : tracks)
        if (track)
            total += track->getDuration();
    return total;
}

QStringList musicPaths(const MusicList& tracks)
{
    QStringList paths;
    for (const auto& track : tracks)
        paths << track->getPath();
    return paths;
}

QString audioSummary(const MusicList& tracks)
{
    if (tracks.empty() || !tracks.front())
        return {};
    const MediaFileInfo& first = *tracks.front();
    if (first.getArtist().isEmpty())
        return first.getDisplayTitle();
    return first.getArtist() + QStringLiteral(" - ") + first.getDisplayTitle();
}
