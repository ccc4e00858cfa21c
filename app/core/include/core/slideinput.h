#pragma once

#include "common/itmpl.h"

#include <QString>

/// True when \a path is a regular file once links are followed. Anything
/// else (a FIFO, a socket, a device) can keep its reader waiting for ever or
/// never end, so it is never opened as a picture, music or project file.
bool isRegularFile(const QString& path);

/// The longest text a slide of \a tmpl may hold: the theme's text limit, or
/// the limit a theme has when it states none.
int slideTextLimit(const ITmpl& tmpl);

/// \a text no longer than slideTextLimit(), as the text editor allows it.
QString capSlideText(const QString& text, const ITmpl& tmpl);
