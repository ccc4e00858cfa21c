#include "projects.h"

#include "terminal.h"

#include "common/baseprjfactory.h"
#include "core/prjmanager.h"
#include "core/slideinput.h"
#include "core/tmplpathmanager.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include <cstdio>
#include <memory>

namespace {

/// The id as the store names folders: "{...}" in lower case.
QString projectId(const QString& ref)
{
    QString id = ref.trimmed();
    if (!id.startsWith('{'))
        id = '{' + id + '}';
    const QUuid uuid = QUuid::fromString(id);
    return uuid.isNull() ? QString() : uuid.toString();
}

QSharedPointer<IUsrData> readProject(const QString& ref, QString* error, QString* notice)
{
    if (QFileInfo(ref).isDir())
        return PrjManager::readUserData(QDir(ref).filePath("prj.xml"), notice);
    const QString id = projectId(ref);
    if (id.isEmpty()) {
        *error = ref + " is neither a project id nor a project folder (see --list-projects)";
        return {};
    }
    if (!QFileInfo(PrjManager::projectsFolder() + id).isDir()) {
        *error = "there is no project " + id + " in "
                 + QDir::toNativeSeparators(PrjManager::projectsFolder()) + " (see --list-projects)";
        return {};
    }
    return PrjManager::instance()->loadUserData(id, notice);
}

void addSlide(const QSharedPointer<ISceneMedia>& slide, Job& job)
{
    if (slide->GetType() == SceneImg) {
        auto* img = static_cast<IImgMediaVal*>(slide.data());
        const QString path = QString::fromStdWString(img->GetSrc());
        if (!QFile::exists(path))
            warn(path + " is missing; it is left out.");
        else if (!isRegularFile(path))
            warn(path + " is not a file (a pipe or a device is no picture); it is left out.");
        else
            job.slides.push_back({path, SceneImg, img->GetRotation()});
    } else if (slide->GetType() == SceneText) {
        auto* text = static_cast<ITextMediaVal*>(slide.data());
        job.slides.push_back({QString::fromStdWString(text->GetText()), SceneText, 0});
    }
}

} // namespace

int listProjects()
{
    const QStringList ids = PrjManager::instance()->projectIds();
    if (ids.isEmpty())
        std::printf("No projects in %s\n", qPrintable(QDir::toNativeSeparators(PrjManager::projectsFolder())));
    for (const QString& id : ids) {
        const ProjectEntry entry = PrjManager::instance()->projectEntry(id);
        const QString state = entry.damaged ? QString("damaged")
                                            : QString("%1 slides").arg(entry.slidesNumber);
        std::printf("%s  %-24s %s  %s\n", qPrintable(id), qPrintable(entry.name),
                    qPrintable(entry.modified.toString("yyyy-MM-dd hh:mm")), qPrintable(state));
    }
    return 0;
}

bool jobFromProject(const QString& ref, Job& job, QString* error)
{
    QString notice;
    const QSharedPointer<IUsrData> data = readProject(ref, error, &notice);
    if (!notice.isEmpty())
        warn(notice);
    if (!data) {
        if (error->isEmpty())
            *error = "project " + ref + " cannot be read";
        return false;
    }
    job.themeId = data->GetTmplId();
    job.music = data->GetAudio();
    for (auto it = data->GetSlidesBegin(); it != data->GetSlidesEnd(); ++it)
        addSlide(*it, job);
    return true;
}

bool saveProject(const Job& job, ITmpl* tmpl, const MusicList& music, QString* error)
{
    BasePrjFactory factory;
    SlideList values;
    for (const PlacementSlide& s : job.slides) {
        if (s.kind == SceneImg)
            values.emplace_back(factory.GetImgMediaVal(s.value.toStdWString(), s.rotation));
        else
            values.emplace_back(factory.GetTextMediaVal(s.value.toStdWString()));
    }
    std::unique_ptr<IUsrData> data(factory.GetUsrData(job.themeId, job.music, values));
    PrjInfo info;
    info.name = TmplPathManager::instance()->tmplRecord(job.themeId).name;
    info.audio = audioSummary(music);
    info.slidesNumber = int(job.slides.size());
    const QString id = PrjManager::instance()->save({}, data.get(), info, tmpl, error);
    if (id.isEmpty())
        return false;
    std::printf("Saved as project %s\n", qPrintable(id));
    return true;
}
