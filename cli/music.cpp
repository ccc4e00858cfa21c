#include "music.h"

#include "core/prjmanager.h"
#include "core/timing.h"

#include "terminal.h"

#include "vidweave/audiotools.h"
#include "vidweave/mediacheck.h"

#include <cstdio>

bool readMusic(const QStringList& paths, MusicList& tracks, QString* reason)
{
    for (QString path : paths) {
        const QSharedPointer<MediaFileInfo> info = AudioTools::GetMediaFileInfo(path);
        if (!info) {
            const QString why = CheckAudio(path).error;
            *reason = "the music cannot be used: " + (why.isEmpty() ? path + " cannot be read" : why);
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
