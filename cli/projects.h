#pragma once

#include "music.h"

#include "core/placement.h"

#include <QString>
#include <QStringList>

#include <vector>

/// What to render: a theme, its music and its slides.
struct Job
{
    int themeId = 0;
    QStringList music;
    std::vector<PlacementSlide> slides;
};

/// Prints the saved projects, newest first: id, name, date, slide count.
int listProjects();

/// \a ref is a project's folder or its id, with or without braces.
bool jobFromProject(const QString& ref, Job& job, QString* error);

/// Saves the slides as a new project and prints its id; false with a reason.
bool saveProject(const Job& job, ITmpl* tmpl, const MusicList& music, QString* error);
