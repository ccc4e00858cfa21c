#include "core/movedpictures.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

MovedPictures findMovedPictures(const QStringList& missing, const QString& folder)
{
    QSet<QString> wanted;
    for (const QString& path : missing)
        wanted.insert(QFileInfo(path).fileName());
    QHash<QString, QStringList> candidates;
    // Links to folders are not followed: a loop of them would never end.
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (wanted.contains(info.fileName()) && info.isFile())
            candidates[info.fileName()] << QDir::cleanPath(info.absoluteFilePath());
    }
    MovedPictures result;
    for (const QString& path : missing) {
        const QStringList& places = candidates[QFileInfo(path).fileName()];
        if (places.isEmpty())
            result.notFound << path;
        else if (places.size() > 1)
            result.ambiguous << path;
        else
            result.found.insert(path, places.first());
    }
    return result;
}
