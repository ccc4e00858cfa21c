#pragma once

#include "vidweave/mediafileinfo.h"

#include <QList>
#include <QSharedPointer>
#include <QStringList>

using MusicList = QList<QSharedPointer<MediaFileInfo>>;

/// Reads every file of \a paths as music; false with the reason of the first
/// that cannot be read or holds no sound.
bool readMusic(const QStringList& paths, MusicList& tracks, QString* reason);

/// Seconds of all tracks together.
float musicLength(const MusicList& tracks);

/// Prints each track as the music page shows it: title, artist, "m:ss".
void describeMusic(const MusicList& tracks);

/// The project summary's music text, as the program writes it: the first
/// track's "artist - title", or its title alone; empty without music.
QString audioSummary(const MusicList& tracks);
