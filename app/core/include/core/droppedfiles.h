#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

/// What a drop from the file manager brings: the files to add, in the order
/// given, and a line "name: why" for everything left out.
struct DroppedFiles
{
    QStringList paths;
    QStringList refused;
};

/// Photo files as they are, folders as their photos by name (as folder import).
DroppedFiles droppedPictures(const QList<QUrl>& urls);

/// Files as they are (the music reader decides), folders as their music
/// files by name.
DroppedFiles droppedMusic(const QList<QUrl>& urls);
