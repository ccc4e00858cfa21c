#pragma once

#include <QString>

class QLabel;

/// Shows \a text on one line of \a label, shortened with "…" to the width the
/// layout gives it (and again whenever that changes), the whole text in its
/// tool tip; a long title or tag then never pushes its neighbours aside.
/// \a boldPrefix, when given, stands before it in bold, with ": " ("Audio: …").
void showElided(QLabel* label, const QString& text, const QString& boldPrefix = QString());
