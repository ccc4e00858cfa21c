#pragma once

#include "vidweave/vidweave_export.h"

#include <QString>

#include <cstdint>

/// What opening one stream of a media file found; nothing is decoded.
struct MediaCheck
{
    /// Why the file cannot be used; empty when the stream opened.
    QString error;
    /// The stream's codec ("h264", "aac" ...), also when it is refused;
    /// empty without a stream.
    QString codec;
    /// The frames the container states, or its duration implies; 0 when unknown.
    int64_t frames = 0;
};

/// Opens the first video stream of \a path.
VIDWEAVE_EXPORT MediaCheck CheckVideo(const QString& path);
/// Opens the first audio stream of \a path.
VIDWEAVE_EXPORT MediaCheck CheckAudio(const QString& path);
