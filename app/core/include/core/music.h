#pragma once

#include "vidweave/mediafileinfo.h"

#include <QString>
#include <QStringList>

/// The chosen music, in playing order.
using MusicList = MediaFileInfoSharedPointerList;

/// Reads every file of \a paths as music; false with the reason of the first
/// that is not a file, cannot be read as music or holds no sound.
bool readMusic(const QStringList& paths, MusicList& tracks, QString* reason);

/// The music of a resumed project: the files that can be read, in order;
/// \a missing gets the others.
MusicList readAvailableMusic(const QStringList& paths, QStringList* missing);

/// Seconds of all tracks together.
float musicLength(const MusicList& tracks);

/// The tracks' paths, in order.
QStringList musicPaths(const MusicList& tracks);

/// The project summary's music text: the first track's "artist - title", or
/// its title alone without an artist; empty without music.
QString audioSummary(const MusicList& tracks);
