#pragma once

#include "themes.h"

#include <QString>
#include <QStringList>

/// Writes one theme: its folder under \a templatesDir (template, summary,
/// pictures, and the background videos unless the theme is download-only)
/// and its files on the content server under \a contentDir.
bool writeTheme(const ThemeSpec& theme, const QString& templatesDir, const QString& contentDir,
                QString* error);

/// The gallery pictures of a written theme ("thumb.jpg", "thumb-prj.jpg"),
/// rendered from its own scenes with \a photos, so they show what it does.
bool writePreviews(const ThemeSpec& theme, const QString& templatesDir, const QString& contentDir,
                   const QStringList& photos, QString* error);
