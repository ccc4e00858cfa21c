#include "music.h"

#include "core/prjmanager.h"
#include "core/timing.h"
#include "core/slideinput.h"

#include "terminal.h"

#include "vidweave/audiotools.h"
#include "vidweave/mediacheck.h"

#include <QFileInfo>

#include <cstdio>

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
        tracks << info;
    }
    return true;
}

float musicLength(const MusicList& tracks)
{
    float total = 0;
    for (const auto& track : tracks)
        total += track->getDuration();
    return total;
}

void describeMusic(const MusicList& tracks)
{
    for (const auto& track : tracks) {
        QStringList parts{track->getDisplayTitle()};
        if (!track->getArtist().isEmpty())
            parts << track->getArtist();
        parts << clockText(track->getDuration());
        std::printf("Music: %s\n", qPrintable(parts.join(", ")));
    }
}

QString audioSummary(const MusicList& tracks)
{
    if (tracks.isEmpty())
        return {};
    return ::audioSummary(tracks.first().data());
}
