#pragma once

#include <QString>

class MainWindow;

/// Walks \a window through every page with the demo content of the themes
/// folder and saves a picture of each in \a folder. False with a reason when
/// a step could not be shown.
bool runTour(MainWindow& window, const QString& folder, QString* error);
