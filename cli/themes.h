#pragma once

#include "common/iprj.h"
#include "common/itmpl.h"
#include "common/release.h"

#include <QString>

#include <memory>

/// Makes the theme catalogue search \a themesDir + "/templates/" alone, or the
/// usual folders when it is empty. Before any other use of the themes.
void chooseThemeFolders(const QString& themesDir);

/// Prints every theme found with its state ("ready", "downloads on first
/// use" or "damaged").
int listThemes();

/// The theme \a id read from its folder; null with a reason when it is not
/// installed or cannot be read.
TmplPtr loadTheme(int id, QString* reason);

/// Fetches what is missing of the theme; false with a reason when it can't.
bool ensureDownloaded(int id, ITmpl* tmpl, QString* reason);

/// Opens the background video of every scene in \a media as the download
/// does. A damaged file that the content server provides is removed, so that
/// the next run fetches it again. False with a reason naming the file.
bool checkBackgrounds(int id, ITmpl* tmpl, const SceneMediaList& media, QString* reason);

/// The folder beside the catalogue's that holds the demo media.
QString demoFolder();
