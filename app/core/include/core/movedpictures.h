#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

/// What looking for a project's moved pictures found.
struct MovedPictures
{
    /// Old path to the one file of the same name found under the folder.
    QHash<QString, QString> found;
    /// No file of that name under the folder.
    QStringList notFound;
    /// Several files of that name: which one is meant cannot be told.
    QStringList ambiguous;
};

/// Looks under \a folder, in depth, for a file of each name in \a missing.
/// A name must match one regular file only; it is not guessed among several.
MovedPictures findMovedPictures(const QStringList& missing, const QString& folder);
