#pragma once

#include "core/slideshow.h"

#include <QString>

/// Makes the theme catalogue search \a themesDir + "/templates/" alone, or the
/// usual folders when it is empty. Before any other use of the themes.
void chooseThemeFolders(const QString& themesDir);

/// Prints every theme found with its state ("ready", "downloads on first
/// use" or "damaged").
int listThemes();

/// Opens theme \a id in \a show; false with a reason when it is not installed
/// or cannot be read (naming the file, line and column).
bool openTheme(Slideshow& show, int id, QString* reason);

/// Fetches what is missing of the show's theme; false with a reason when it can't.
bool ensureDownloaded(const Slideshow& show, QString* reason);

/// The folder beside the catalogue's that holds the demo media.
QString demoFolder();
