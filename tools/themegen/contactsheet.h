#pragma once

#include <QString>
#include <QStringList>

/// For every scene of the theme in \a themeDir, frames at 10 %, 50 % and
/// 90 % drawn with \a photos in the picture slots, as one PNG.
bool writeContactSheet(const QString& themeDir, const QString& contentDir, int themeId,
                       const QStringList& photos, const QString& output, QString* error);
