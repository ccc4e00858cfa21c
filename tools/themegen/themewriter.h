#pragma once

#include "themes.h"

#include <QString>

/// Writes one theme: its folder under \a templatesDir (template, summary,
/// pictures, and the background videos unless the theme is download-only)
/// and its files on the content server under \a contentDir.
bool writeTheme(const ThemeSpec& theme, const QString& templatesDir, const QString& contentDir,
                QString* error);
