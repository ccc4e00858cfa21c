#include "core/prjmanager.h"

#include "common/baseprjfactory.h"
#include "core/tmplpathmanager.h"
#include "docloom/prjxmlparser.h"
#include "docloom/prjxmlsaver.h"
#include "vidweave/pixmaputil.h"
#include "vidweave/qtimagerender.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace {

const int smallPreviewCount = 5;
const int smallPreviewSize = 100;

/// A killed program leaves the previous picture, never half of a new one.
bool savePicture(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

/// A save killed before its commit leaves QSaveFile's temporary file
/// ("prj.xml.AbC123"); the next save of the project clears it. Only the files
/// this thread writes: the small previews are written beside it.
void removeUnfinishedSaves(const QDir& folder)
{
    static const QRegularExpression unfinished(
        QStringLiteral("^(prj\\.xml|info\\.xml|thumb\\.png)\\.[A-Za-z0-9]{6}$"));
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        if (unfinished.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
}

QString smallPreviewName(int index)
{
    return QStringLiteral("%1_thumb.png").arg(index);
}

/// A project id names one folder: no separators, no dot entries.
bool isProjectId(const QString& id)
{
    return !id.isEmpty() && id != "." && id != ".." && !id.contains('/') && !id.contains('\\');
}

template <typename SceneT>
SceneT* firstSingleSlotScene(ITmpl* tmpl, SceneType type)
{
    if (!tmpl)
        return nullptr;
    for (const auto& entry : tmpl->GetScenes()) {
        if (entry.second && entry.second->GetType() == type && entry.second->GetMediaSize() == 1)
            return dynamic_cast<SceneT*>(entry.second);
    }
    return nullptr;
}

void drawText(QImage& preview, ITextMedia* media, const QString& text)
{
    float fontSize = 0;
    std::unique_ptr<QPixmap> picture(PixmapUtil::getTextPixmap(
        preview.width(), preview.height(), text, media->GetFont(), media->GetFontColor(), 0.8f,
        0.8f, fontSize));
    QPolygonF quad;
    const QPixmap shadowed = PixmapUtil::AddShadow(*picture, media->GetShadow(), int(fontSize), quad);
    QPainter painter(&preview);
    painter.drawPixmap(-int(quad.value(0).x()), -int(quad.value(0).y()), shadowed);
}

/// The centre of \a picture with the proportions \a aspect.
QImage cutToAspect(const QImage& picture, float aspect)
{
    if (picture.isNull() || aspect <= 0)
        return picture;
    const QSize size = picture.size();
    const QSize cut = float(size.width()) / float(size.height()) > aspect
                          ? QSize(std::max(1, int(float(size.height()) * aspect)), size.height())
                          : QSize(size.width(), std::max(1, int(float(size.width()) / aspect)));
    return picture.copy(QRect(QPoint((size.width() - cut.width()) / 2, (size.height() - cut.height()) / 2), cut));
}

// The theme's picture shows its demo photo in this slot: the project's
// picture fills the whole slot so that nothing of the demo photo is left.
void drawPicture(QImage& preview, IImgScene* scene, IImgMediaVal* value)
{
    IImgMedia* media = scene->GetMedia()->begin()->second;
    QPixmap picture = QPixmap::fromImage(cutToAspect(
        QtImageRender::LoadPicture(media, value, preview.width(), preview.height()), media->GetAspect()));
    QtImageRender render(media, picture, preview.width(), preview.height());
    render.Render(int(scene->GetFramesNumber() / 2), &preview);
}

} // namespace

QString audioSummary(const MediaFileInfo* firstTrack)
{
    if (!firstTrack)
        return {};
    if (firstTrack->getArtist().isEmpty())
        return firstTrack->getDisplayTitle();
    return firstTrack->getArtist() + QStringLiteral(" - ") + firstTrack->getDisplayTitle();
}

PrjManager* PrjManager::instance()
{
    static QMutex mutex;
    static PrjManager* single = nullptr;
    QMutexLocker locker(&mutex);
    if (!single)
        single = new PrjManager;
    return single;
}

PrjManager::PrjManager()
{
    connect(ThumbGenerator::instance(), &ThumbGenerator::generated, this,
            &PrjManager::thumbGenerated);
}

QString PrjManager::projectsFolder()
{
    static const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/Pictavio/projects/");
    return folder;
}

QStringList PrjManager::projectIds() const
{
    return QDir(projectsFolder()).entryList(QDir::AllDirs | QDir::NoDotAndDotDot, QDir::Time);
}

ProjectEntry PrjManager::projectEntry(const QString& id) const
{
    const QDir folder(projectsFolder() + id);
    // An unreadable summary lists with an empty name.
    const PrjInfo info = PrjXmlParser().ParseInfo(folder.filePath("info.xml").toStdWString());
    ProjectEntry entry;
    entry.name = info.name;
    entry.audio = info.audio;
    entry.slidesNumber = info.slidesNumber;
    const QSharedPointer<IUsrData> data = readUserData(folder.filePath("prj.xml"));
    entry.damaged = !data;
    if (data && info.name.isEmpty()) {
        // The summary says what the project holds; without it the project itself does.
        entry.name = TmplPathManager::instance()->tmplRecord(data->GetTmplId()).name;
        entry.slidesNumber = int(std::distance(data->GetSlidesBegin(), data->GetSlidesEnd()));
    }
    entry.thumb = folder.filePath("thumb.png");
    for (int i = 0; i < smallPreviewCount; ++i) {
        const QString file = folder.filePath(smallPreviewName(i));
        if (QFile::exists(file))
            entry.smallThumbs << file;
    }
    entry.modified = QFileInfo(folder.path()).lastModified();
    return entry;
}

QSharedPointer<IUsrData> PrjManager::loadUserData(const QString& id, QString* notice) const
{
    if (!isProjectId(id))
        return {};
    return readUserData(QDir(projectsFolder() + id).filePath("prj.xml"), notice);
}

QSharedPointer<IUsrData> PrjManager::readUserData(const QString& prjXml, QString* notice)
{
    BasePrjFactory factory;
    PrjXmlParser parser;
    QSharedPointer<IUsrData> data(parser.ParseUsrData(prjXml.toStdWString(), &factory));
    const int unknown = parser.unknownSlides();
    if (notice)
        *notice = !data || unknown == 0 ? QString()
                  : unknown == 1        ? tr("1 slide of an unknown kind was left out.")
                                        : tr("%1 slides of an unknown kind were left out.").arg(unknown);
    return data;
}

QString PrjManager::save(const QString& id, IUsrData* data, const PrjInfo& info, ITmpl* tmpl,
                         QString* error)
{
    auto failWith = [error](const QString& reason) {
        if (error)
            *error = reason;
        return QString();
    };
    if (!data)
        return failWith(tr("There is no project to save."));
    const QString projectId = id.isEmpty() ? QUuid::createUuid().toString() : id;
    if (!isProjectId(projectId))
        return failWith(tr("\"%1\" is not a project.").arg(projectId));
    const QString path = projectsFolder() + projectId;
    if (!QDir().mkpath(path))
        return failWith(tr("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(path)));
    const QDir folder(path);

    const QString xml = folder.filePath("prj.xml");
    BasePrjFactory factory;
    if (QFile::exists(xml)
        && !QSharedPointer<IUsrData>(PrjXmlParser().ParseUsrData(xml.toStdWString(), &factory)))
        return failWith(tr("The project in %1 cannot be read; it is left as it is.")
                            .arg(QDir::toNativeSeparators(path)));

    QStringList previewSources;
    const QImage preview = drawPreview(data, tmpl, &previewSources);
    PrjXmlSaver saver;
    if (!saver.SaveUserData(xml.toStdWString(), *data)
        || !saver.SavePrjInfo(info, folder.filePath("info.xml").toStdWString()))
        return failWith(tr("The project could not be saved in %1.")
                            .arg(QDir::toNativeSeparators(path)));
    savePicture(preview, folder.filePath("thumb.png"));
    removeUnfinishedSaves(folder);
    queueSmallPreviews(path, previewSources);

    // Creating and removing a file sets the folder's time, which orders the list.
    QFile touch(folder.filePath("dummy.tmp"));
    if (touch.open(QIODevice::ReadWrite))
        touch.close();
    touch.remove();
    return projectId;
}

QImage PrjManager::drawPreview(IUsrData* data, ITmpl* tmpl, QStringList* smallSources)
{
    const QString theme = TmplPathManager::instance()->tmplRecord(data->GetTmplId()).thumbPrj;
    QImage preview = theme.isEmpty() ? QImage() : QImage(theme);
    if (preview.isNull()) {
        preview = QImage(384, 216, QImage::Format_RGB32);
        preview.fill(QColor(0x2E, 0x37, 0x45));
    }
    preview = preview.convertToFormat(QImage::Format_RGB32);

    QList<IImgMediaVal*> pictures;
    QString firstText;
    bool textFound = false;
    for (auto it = data->GetSlidesBegin(); it != data->GetSlidesEnd() && pictures.size() < 6; ++it) {
        ISceneMedia* value = it->data();
        if (value && value->GetType() == SceneImg)
            pictures << static_cast<IImgMediaVal*>(value);
        else if (value && value->GetType() == SceneText && pictures.isEmpty() && !textFound) {
            firstText = QString::fromStdWString(static_cast<ITextMediaVal*>(value)->GetText());
            textFound = true;
        }
    }

    if (pictures.isEmpty() && textFound) {
        if (auto* scene = firstSingleSlotScene<ITextScene>(tmpl, SceneText))
            drawText(preview, scene->GetMedia()->begin()->second, firstText);
    } else if (!pictures.isEmpty()) {
        if (auto* scene = firstSingleSlotScene<IImgScene>(tmpl, SceneImg))
            drawPicture(preview, scene, pictures.first());
    }

    for (int i = 1; i < pictures.size() && i <= smallPreviewCount; ++i)
        *smallSources << QString::fromStdWString(pictures.at(i)->GetSrc());
    return preview;
}

void PrjManager::queueSmallPreviews(const QString& folder, const QStringList& pictures)
{
    const QDir dir(folder);
    QStringList& cached = cachedSources[folder];
    QList<ThumbGeneratorTask> tasks;
    {
        QMutexLocker locker(&lock);
        // The previews follow this save's order, not an earlier one's.
        pending.erase(std::remove_if(pending.begin(), pending.end(),
                                     [&](const PendingPreview& p) { return p.folder == folder; }),
                      pending.end());
        for (int i = 0; i < smallPreviewCount; ++i) {
            const QString source = pictures.value(i);
            if (source.isEmpty()) {
                QFile::remove(dir.filePath(smallPreviewName(i)));
                continue;
            }
            const ThumbGeneratorTask task(source, smallPreviewSize, smallPreviewSize);
            const QString file = dir.filePath(smallPreviewName(i));
            if (cached.value(i) != source || !QFile::exists(file))
                tasks << task;
            pending.append({task, folder, file});
        }
    }
    cached = pictures;
    for (const ThumbGeneratorTask& task : qAsConst(tasks))
        ThumbGenerator::instance()->addTask(task, this);
}

void PrjManager::thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> image)
{
    if (!image || image->isNull())
        return;
    QMutexLocker locker(&lock);
    for (const PendingPreview& entry : qAsConst(pending)) {
        if (entry.task == task)
            savePicture(*image, entry.file);
    }
}

bool PrjManager::deleteProject(const QString& id)
{
    if (!isProjectId(id))
        return false;
    QDir folder(projectsFolder() + id);
    if (!folder.exists() || !folder.removeRecursively())
        return false;
    emit projectDeleted(id);
    return true;
}
