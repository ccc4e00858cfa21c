#include "projects.h"

#include "terminal.h"

#include "core/prjmanager.h"

#include <QDir>
#include <QFileInfo>

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

namespace {

bool findPictures(Slideshow& show, const QString& folder, ResumedProject& found, QString* error)
{
    MovedPictures moved;
    if (!show.findPictures(folder, &found, &moved, error)) {
        *error = "the project could not be saved with the pictures found: " + *error;
        return false;
    }
    for (auto it = moved.found.cbegin(); it != moved.found.cend(); ++it)
        std::printf("Found %s at %s\n", qPrintable(QDir::toNativeSeparators(it.key())),
                    qPrintable(QDir::toNativeSeparators(it.value())));
    for (const QString& path : moved.ambiguous)
        warn(QFileInfo(path).fileName() + " is in " + folder +
             " more than once; which one was meant cannot be told.");
    std::printf("%d of %d missing pictures found in %s\n", int(moved.found.size()),
                int(moved.found.size() + moved.notFound.size() + moved.ambiguous.size()),
                qPrintable(QDir::toNativeSeparators(folder)));
    return true;
}

} // namespace

bool jobFromProject(Slideshow& show, const QString& ref, const QString& findIn, Job& job,
                    QString* error)
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
    if (!findIn.isEmpty() && !found.slides.missing.isEmpty()
        && !findPictures(show, findIn, found, error))
        return false;
    for (const QString& path : found.slides.missing)
        warn(path + " is missing; it is left out.");
    if (findIn.isEmpty() && !found.slides.missing.isEmpty())
        warn("--find-pictures DIR looks for pictures that moved.");
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
