#pragma once

#include "docloom/docloom_export.h"

#include <QString>

/// \a text without the characters that XML 1.0 cannot hold: the control
/// characters other than tab, line feed and carriage return, lone surrogates,
/// U+FFFE and U+FFFF. Surrogate pairs stay. A text kept in a project must
/// pass through this, or the project cannot be saved.
DOCLOOM_EXPORT QString XmlSafeText(const QString& text);
