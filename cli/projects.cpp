#include "projects.h"

#include "terminal.h"

#include "common/baseprjfactory.h"
#include "core/prjmanager.h"
#include "core/tmplpathmanager.h"
#include "docloom/prjxmlparser.h"

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

QSharedPointer<IUsrData> readProject(const QString& ref, QString* error)
{
    BasePrjFactory factory;
    if (QFileInfo(ref).isDir()) {
        const QString file = QDir(ref).filePath("prj.xml");
        return QSharedPointer<IUsrData>(PrjXmlParser().ParseUsrData(file.toStdWString(), &factory));
    }
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
    return PrjManager::instance()->loadUserData(id);
}

void addSlide(const QSharedPointer<ISceneMedia>& slide, Job& job)
{
    if (slide->GetType() == SceneImg) {
        auto* img = static_cast<IImgMediaVal*>(slide.data());
        const QString path = QString::fromStdWString(img->GetSrc());
        if (!QFile::exists(path))
            warn(path + " is missing; it is left out.");
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
        std::printf("%s  %-24s %s  %d slides\n", qPrintable(id), qPrintable(entry.name),
                    qPrintable(entry.modified.toString("yyyy-MM-dd hh:mm")), entry.slidesNumber);
    }
    return 0;
}

bool jobFromProject(const QString& ref, Job& job, QString* error)
{
    const QSharedPointer<IUsrData> data = readProject(ref, error);
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
