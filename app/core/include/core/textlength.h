#pragma once

#include <QString>

/// Length as a person counts it: one for each character they see, so that
/// an emoji, a flag or a letter with its accent each count once.
int visibleLength(const QString& text);

/// The first \a count visible characters of \a text, never half of one.
QString leftVisible(const QString& text, int count);
