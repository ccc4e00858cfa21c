#pragma once

#include "core/music.h"

/// Prints each track as the music page shows it: title, artist, "m:ss".
void describeMusic(const MusicList& tracks);
