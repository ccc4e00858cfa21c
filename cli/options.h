#pragma once

#include "core/placement.h"

#include <QString>
#include <QStringList>

#include <vector>

/// What the command line asked for.
struct Options
{
    enum Mode { Help, ListThemes, Render, Project, Demo };

    Mode mode = Help;
    int themeId = 0;
    QStringList music;
    bool fullHd = false;
    bool logo = true;
    QString output;
    bool saveProject = false;
    std::vector<PlacementSlide> slides;
    QString project;
    /// The folder holding "templates/" (and "demo/"); the current one by default.
    QString themesDir;
};

/// Reads the arguments (without the program name). Paths become absolute
/// against the current folder. False with a one-line reason on a mistake.
bool parseOptions(const QStringList& args, Options& options, QString* error);

/// The pictures of \a dir, sorted by name ignoring case, without recursion.
QStringList picturesIn(const QString& dir);

extern const char* usageText;
