#pragma once

#include <QString>

/// Writes the demo music: about 72 seconds of a few synthesised instruments
/// as AAC in an .m4a with "artist" and "title" tags (through the ffmpeg
/// command). False with a reason when it could not be made.
bool writeDemoMusic(const QString& path, QString* error);
