#pragma once

#include "docloom/docloom_export.h"

#include <QString>

/// \a text without the characters that XML 1.0 cannot hold: the control
/// characters other than tab, line feed and carriage return, lone surrogates,
/// U+FFFE and U+FFFF. Surrogate pairs stay. A text kept in a project must
/// pass through this, or the project cannot be saved.
DOCLOOM_EXPORT QString XmlSafeText(const QString& text);

/// The first \a length UTF-16 units of \a text, one fewer where the cut
/// would split a surrogate pair (half of one is not XML either); all of it
/// when \a length is not below its size.
DOCLOOM_EXPORT QString TextPrefix(const QString& text, int length);
