#include "core/slideshow.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/endlogobase.h"
#include "common/iscenemedia.h"
#include "core/prjmanager.h"
#include "core/tmpldownloadmanager.h"
#include "docloom/tmplxmlparser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iterator>
#include <memory>

// Resources of a static library are dropped by the linker unless referenced;
// Q_INIT_RESOURCE must stand outside any namespace.
static void initCoreResources()
{
    Q_INIT_RESOURCE(core);
}

Slideshow::Slideshow() = default;

Slideshow::~Slideshow()
{
    releaseProject();
}

bool Slideshow::openTheme(int id, QString* reason)
{
    TmplPathManager* paths = TmplPathManager::instance();
    BaseTmplFactory factory;
    TmplXmlParser parser;
    TmplPtr read(parser.ParseTmpl(paths->GetTmplPath(id), &factory));
    if (read && read->GetScenes().empty()) {
        read.reset();
        *reason = QStringLiteral("template.xml holds no scene.");
    } else if (!read) {
        *reason = parser.ErrorString();
    }
    if (!read)
        return false;
    // The project and its scene list refer to the old theme's scenes.
    releaseProject();
    tmpl = std::move(read);
    tmplId = id;
    record = paths->tmplRecord(id);
    return true;
}

bool Slideshow::themeComplete() const
{
    return isDownloaded(tmplId, TmplPathManager::instance(), tmpl.get());
}

void Slideshow::fetchTheme() const
{
    TmplDownloadManager::instance()->download(tmplId, TmplPathManager::instance(), tmpl.get());
}

QStringList Slideshow::dropUnusableBackgrounds() const
{
    return removeUnusableBackgrounds(tmplId, TmplPathManager::instance(), tmpl.get());
}

void Slideshow::addMusic(const MusicList& more)
{
    tracks.insert(tracks.end(), more.begin(), more.end());
}

void Slideshow::removeMusic(int index)
{
    if (index >= 0 && index < int(tracks.size()))
        tracks.erase(std::next(tracks.begin(), index));
}

bool Slideshow::resume(const QString& ref, ResumedProject* found, QString* reason)
{
    const QString file = PrjManager::projectFile(ref, reason);
    if (file.isEmpty())
        return false;
    QString why;
    const QSharedPointer<IUsrData> data = PrjManager::readUserData(file, &found->notice, &why);
    if (!data) {
        *reason = why;
        return false;
    }
    QString themeWhy;
    if (!openTheme(data->GetTmplId(), &themeWhy)) {
        const QString name = TmplPathManager::instance()->tmplRecord(data->GetTmplId()).name;
        *reason = QCoreApplication::translate("Slideshow", "Its theme \"%1\" cannot be read (%2).")
                      .arg(name.isEmpty() ? QString::number(data->GetTmplId()) : name, themeWhy);
        return false;
    }
    SlideList values;
    for (auto it = data->GetSlidesBegin(); it != data->GetSlidesEnd(); ++it)
        values.push_back(*it);
    found->slides = slidesOfProject(values, tmpl.get());
    resumedValues = std::move(values);
    tracks = readAvailableMusic(data->GetAudio(), &found->missingMusic);
    // Saved again under its id when it lives in the store; a folder elsewhere
    // is read, never written.
    const QDir folder = QFileInfo(file).absoluteDir();
    QDir store = folder;
    const bool stored = store.cdUp()
                        && store.canonicalPath() == QDir(PrjManager::projectsFolder()).canonicalPath();
    prjId = stored ? folder.dirName() : QString();
    return true;
}

QString Slideshow::save(const std::vector<PlacementSlide>& slides, QString* reason)
{
    return saveValues(valuesOfSlides(slides), int(slides.size()), reason);
}

QString Slideshow::saveValues(SlideList values, int slideCount, QString* reason)
{
    BasePrjFactory factory;
    std::unique_ptr<IUsrData> data(factory.GetUsrData(tmplId, musicPaths(tracks), values));
    const PrjInfo info{record.name, audioSummary(tracks), slideCount};
    const QString id = PrjManager::instance()->save(prjId, data.get(), info, tmpl.get(), reason);
    if (!id.isEmpty())
        prjId = id;
    return id;
}

bool Slideshow::findPictures(const QString& folder, ResumedProject* found, MovedPictures* moved,
                             QString* reason)
{
    *moved = findMovedPictures(found->slides.missing, folder);
    if (moved->found.isEmpty())
        return true;
    BasePrjFactory factory;
    for (QSharedPointer<ISceneMedia>& value : resumedValues) {
        if (!value || value->GetType() != SceneImg)
            continue;
        const auto* picture = static_cast<const IImgMediaVal*>(value.data());
        const auto place = moved->found.constFind(QString::fromStdWString(picture->GetSrc()));
        if (place != moved->found.constEnd())
            value.reset(factory.GetImgMediaVal(place->toStdWString(), picture->GetRotation()));
    }
    found->slides = slidesOfProject(resumedValues, tmpl.get());
    // Pictures still missing stay in the file, so that another folder may be tried later.
    return !saveValues(resumedValues, int(found->slides.slides.size()), reason).isEmpty();
}

PlacementResult Slideshow::build(const std::vector<PlacementSlide>& slides)
{
    releaseProject();
    if (!tmpl)
        return {};
    BasePrjFactory factory;
    const PlacementResult placed = placeSlides(slides, *tmpl, musicLength(), &factory, &sceneMedia);
    prj.reset(factory.GetPrj(tmplId, &sceneMedia, musicPaths(tracks)));
    return placed;
}

RenderRequest Slideshow::renderRequest(const VideoSettings& settings, const QString& output) const
{
    RenderRequest request;
    request.themeId = tmplId;
    request.theme = tmpl.get();
    request.project = prj;
    request.output = output;
    request.size = settings.outputSize();
    request.paths = TmplPathManager::instance();
    if (settings.endLogo)
        request.closing = closingPicture();
    return request;
}

void Slideshow::releaseProject()
{
    // The project points at the scene list, which points at the theme's scenes.
    prj.reset();
    ClearSceneMedia(sceneMedia);
}

QSharedPointer<IEndLogo> closingPicture()
{
    initCoreResources();
    // Over the last two seconds, fading in during the first (30 frames a second).
    return QSharedPointer<IEndLogo>(new EndLogoBase(QStringLiteral(":/images/credits.png"), 30, 60));
}

void nameTheProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pictavio Ltd."));
    QCoreApplication::setApplicationName(QStringLiteral("Pictavio"));
}
