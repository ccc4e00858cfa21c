#pragma once

#include "common/itmpl.h"
#include "common/iusrdata.h"
#include "core/placement.h"

#include <QString>
#include <QStringList>

#include <vector>

/// True when \a path is a regular file once links are followed. Anything
/// else (a FIFO, a socket, a device) can keep its reader waiting for ever or
/// never end, so it is never opened as a picture, music or project file.
bool isRegularFile(const QString& path);

/// The files directly in \a folder matching \a patterns, by name ignoring case.
QStringList filesInFolder(const QString& folder, const QStringList& patterns);

/// The longest text a slide of \a tmpl may hold: the theme's text limit, or
/// the limit a theme has when it states none.
int slideTextLimit(const ITmpl& tmpl);

/// \a text no longer than slideTextLimit(), as the text editor allows it.
QString capSlideText(const QString& text, const ITmpl& tmpl);

/// The text as a slide may hold it: what a project file cannot store
/// (control characters, lone surrogates) dropped.
QString cleanSlideText(const QString& text);

/// The slides of a saved project, as the slides page and the render take them.
struct ProjectSlides
{
    std::vector<PlacementSlide> slides;
    /// Pictures left out because they are gone …
    QStringList missing;
    /// … or are not files (a pipe, a device).
    QStringList notFiles;
    /// Positions in slides of texts cut to the theme's length.
    std::vector<int> shortened;
};

/// Turns a project's saved values into slides: pictures that are gone or are
/// not files are left out and named, texts cut to \a tmpl's length.
ProjectSlides slidesOfProject(const SlideList& values, const ITmpl* tmpl);

/// The values a project saves for \a slides, made by the model's factory.
SlideList valuesOfSlides(const std::vector<PlacementSlide>& slides);
