#pragma once

#include "core/placement.h"
#include "core/slideshow.h"

#include <QString>
#include <QStringList>

#include <vector>

/// What to render: a theme, its music and its slides.
struct Job
{
    int themeId = 0;
    QStringList music;
    std::vector<PlacementSlide> slides;
    /// The theme and music come from a resumed project, already read.
    bool fromProject = false;
};

/// Prints the saved projects, newest first: id, name, date, slide count.
int listProjects();

/// Resumes the project \a ref (its folder, or its id with or without braces)
/// into \a show and \a job, first looking in \a findIn (when given) for
/// pictures that moved; false with a reason.
bool jobFromProject(Slideshow& show, const QString& ref, const QString& findIn, Job& job,
                    QString* error);

/// Saves the slides as a new project and prints its id; false with a reason.
bool saveProject(Slideshow& show, const Job& job, QString* error);
