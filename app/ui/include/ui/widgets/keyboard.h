#pragma once

#include <QString>
#include <QWidgetList>

class QWidget;

/// Gives every control under \a root (the root included) that Tab can reach
/// and that has no accessible name yet one from what it shows: its text, else
/// its tool tip, else its placeholder. The texts are already in the user's
/// language, so the names are too. A \a context (a track's or a project's
/// name) tells apart controls that repeat, such as each track's remove button.
void nameControls(QWidget* root, const QString& context = QString());

/// The controls under \a root that Tab can reach now, in reading order: row
/// by row from the top, each row from the left. Widgets are created in an
/// order that has nothing to do with where they end up (tiles, rows added
/// later), so the position decides.
QWidgetList tabStops(const QWidget* root);

/// Moves the focus to \a control and scrolls it into view in every scroll
/// area it sits in.
void focusControl(QWidget* control, Qt::FocusReason reason);
