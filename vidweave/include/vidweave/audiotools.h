#pragma once

#include "vidweave/mediafileinfo.h"
#include "vidweave/vidweave_export.h"

#include <QSharedPointer>

class VIDWEAVE_EXPORT AudioTools
{
public:
    /// Decodes the whole file for its exact duration and reads its tags.
    /// Null when the file cannot be opened or has no sound.
    static QSharedPointer<MediaFileInfo> GetMediaFileInfo(QString& path);

private:
    AudioTools() = delete;
};
