#pragma once

#include "core/placement.h"

#include <QString>
#include <QList>
#include <QStringList>

#include <vector>

/// What the command line asked for.
struct Options
{
    enum Mode { None, Help, ListThemes, ListProjects, Render, Project, Demo };

    Mode mode = None;
    int themeId = 0;
    QStringList music;
    bool fullHd = false;
    bool logo = true;
    /// Absolute; a file ending in ".mp4" when outputIsFile, otherwise a folder.
    QString output;
    bool outputIsFile = false;
    bool overwrite = false;
    bool saveProject = false;
    /// The libraries' own lines (FFmpeg, the JPEG reader) on the terminal too.
    bool verbose = false;
    std::vector<PlacementSlide> slides;
    QString project;
    /// Write PNG stills into this folder instead of a video.
    QString stills;
    /// The moments of the stills in seconds; empty for the middle of every scene.
    QList<double> stillsAt;
    /// Where to look, in depth, for the project's pictures that moved.
    QString findPictures;
    /// The folder holding "templates/" (and "demo/"); searched alone when given.
    QString themesDir;
};

/// Usage: the command line is not well formed (exit status 2). Invalid: it is,
/// but a value cannot be used (exit status 1).
enum class ParseStatus { Ok, Usage, Invalid };

/// Reads the arguments (without the program name). Paths become absolute
/// against the current folder. On a mistake, sets a one-line reason.
ParseStatus parseOptions(const QStringList& args, Options& options, QString* error);

/// Seconds from "75", "1:15" or "1:15.5"; false when \a text is none of them.
bool parseMoment(const QString& text, double* seconds);

extern const char* usageText;
