#include "vidweave/mediafileinfo.h"

#include <QDir>

MediaFileInfo::MediaFileInfo(float duration, QString artist, QString title, QString filename,
                             QString path)
    : duration(duration), artist(std::move(artist)), title(std::move(title)),
      filename(std::move(filename)), path(std::move(path))
{
}

MediaFileInfo::MediaFileInfo(const MediaFileInfo&) = default;
MediaFileInfo& MediaFileInfo::operator=(const MediaFileInfo&) = default;
MediaFileInfo::~MediaFileInfo() = default;

float MediaFileInfo::getDuration() const { return duration; }
QString MediaFileInfo::getArtist() const { return artist; }
QString MediaFileInfo::getTitle() const { return title; }
QString MediaFileInfo::getFilename() const { return filename; }
QString MediaFileInfo::getPath() const { return path; }

QString MediaFileInfo::getDisplayTitle() const
{
    if (!title.isEmpty())
        return title;
    if (!filename.isEmpty())
        return filename;
    return QDir::toNativeSeparators(path).split(QDir::separator(), Qt::KeepEmptyParts).last();
}
