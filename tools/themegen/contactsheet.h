#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

/// For every scene of the theme in \a themeDir, frames at 10 %, 50 % and
/// 90 % drawn with \a photos in the picture slots, as one PNG.
bool writeContactSheet(const QString& themeDir, const QString& contentDir, int themeId,
                       const QStringList& photos, const QString& output, QString* error);

/// Frame \a at (a fraction of the scene) of scene \a sceneId, drawn with
/// \a photos at 640 x 360; null when the theme cannot be read.
QImage renderSceneFrame(const QString& themeDir, const QString& contentDir, int sceneId,
                        double at, const QStringList& photos);
