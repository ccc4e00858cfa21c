#include "music.h"

#include "core/timing.h"

#include <QStringList>

#include <cstdio>

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
