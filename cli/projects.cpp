#include "projects.h"

#include "terminal.h"

#include "core/prjmanager.h"

#include <QDir>

#include <cstdio>

int listProjects()
{
    const QStringList ids = PrjManager::instance()->projectIds();
    if (ids.isEmpty())
        std::printf("No projects in %s\n", qPrintable(QDir::toNativeSeparators(PrjManager::projectsFolder())));
    for (const QString& id : ids) {
        const ProjectEntry entry = PrjManager::instance()->projectEntry(id);
        const QString state = entry.damaged ? QString("damaged (%1)").arg(entry.problem)
                                            : QString("%1 slides").arg(entry.slidesNumber);
        std::printf("%s  %-24s %s  %s\n", qPrintable(id), qPrintable(entry.name),
                    qPrintable(entry.modified.toString("yyyy-MM-dd hh:mm")), qPrintable(state));
    }
    return 0;
}

bool jobFromProject(Slideshow& show, const QString& ref, Job& job, QString* error)
{
    QString why;
    if (PrjManager::projectFile(ref, &why).isEmpty()) {
        *error = why + " (see --list-projects)";
        return false;
    }
    ResumedProject found;
    if (!show.resume(ref, &found, &why)) {
        *error = "project " + ref + " cannot be read: " + why;
        return false;
    }
    if (!found.notice.isEmpty())
        warn(found.notice);
    for (const QString& path : found.slides.missing)
        warn(path + " is missing; it is left out.");
    for (const QString& path : found.slides.notFiles)
        warn(path + " is not a file (a pipe or a device is no picture); it is left out.");
    for (int index : found.slides.shortened)
        warn(QString("The text of slide %1 is longer than the theme allows; only its first %2 "
                     "characters are kept.")
                 .arg(index + 1)
                 .arg(slideTextLimit(*show.theme())));
    if (!found.missingMusic.isEmpty()) {
        *error = "the music cannot be used: " + found.missingMusic.first() + " does not exist";
        return false;
    }
    job.themeId = show.themeId();
    job.music = musicPaths(show.music());
    job.slides = found.slides.slides;
    job.fromProject = true;
    return true;
}

bool saveProject(Slideshow& show, const Job& job, QString* error)
{
    show.startNewProject();
    const QString id = show.save(job.slides, error);
    if (id.isEmpty())
        return false;
    std::printf("Saved as project %s\n", qPrintable(id));
    return true;
}
