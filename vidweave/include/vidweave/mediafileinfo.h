#pragma once

#include "vidweave/vidweave_export.h"

#include <QMetaType>
#include <QSharedPointer>
#include <QString>

#include <list>

/// A music file's length and tags.
class VIDWEAVE_EXPORT MediaFileInfo
{
public:
    MediaFileInfo(float duration, QString artist, QString title, QString filename, QString path);
    MediaFileInfo(const MediaFileInfo&);
    MediaFileInfo& operator=(const MediaFileInfo&);
    ~MediaFileInfo();

    /// Seconds, from decoding the whole file.
    float getDuration() const;
    QString getArtist() const;
    QString getTitle() const;
    /// The container's "filename" tag, not the path.
    QString getFilename() const;
    QString getPath() const;
    /// The title; else the "filename" tag; else the file's own name.
    QString getDisplayTitle() const;

private:
    float duration;
    QString artist;
    QString title;
    QString filename;
    QString path;
};

using MediaFileInfoSharedPointer = QSharedPointer<MediaFileInfo>;
using MediaFileInfoSharedPointerList = std::list<QSharedPointer<MediaFileInfo>>;
Q_DECLARE_METATYPE(MediaFileInfoSharedPointer)
Q_DECLARE_METATYPE(MediaFileInfoSharedPointerList)
