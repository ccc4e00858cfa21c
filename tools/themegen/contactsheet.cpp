#include "contactsheet.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/release.h"
#include "docloom/tmplxmlparser.h"
#include "avinput_p.h"
#include "scenereaders_p.h"
#include "staticimginput_p.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <memory>

namespace {

const int W = 640;
const int H = 360;

QSharedPointer<IAVInput> background(IScene* scene, int sceneId, const QString& themeDir,
                                    const QString& contentDir)
{
    if (scene->GetBgType() == BgImage) {
        int num = 0, den = 0;
        scene->GetTimeBase(num, den);
        const QString path = QDir(themeDir).filePath(QString::fromStdWString(scene->GetBgFileName()));
        return QSharedPointer<IAVInput>(
            new StaticImgImput(path.toStdWString(), H, W, num, den, scene->GetFramesNumber()));
    }
    QString path = QDir(themeDir).filePath(QString("%1.mp4").arg(sceneId));
    if (!QFile::exists(path))
        path = QDir(contentDir).filePath(QString("%1.mp4").arg(sceneId));
    return QSharedPointer<IAVInput>(new VideoInput(path));
}

std::vector<QImage> sceneFrames(IScene* scene, int sceneId, const SceneMediaPair& entry,
                                const QString& themeDir, const QString& contentDir,
                                const std::vector<double>& moments = {0.1, 0.5, 0.9})
{
    auto input = background(scene, sceneId, themeDir, contentDir);
    std::unique_ptr<ISceneReader> reader;
    if (scene->GetType() == SceneImg)
        reader = std::make_unique<ImgSceneReader>(input, W, H, dynamic_cast<IImgScene*>(scene), &entry);
    else
        reader = std::make_unique<TextSceneReader>(input, W, H, dynamic_cast<ITextScene*>(scene),
                                                   &entry, themeDir + "/");
    const long n = scene->GetFramesNumber();
    std::vector<QImage> frames;
    for (double at : moments) {
        const int wanted = int(at * double(n));
        while (reader->GetFrameIndex() < wanted && reader->NextFrame()) {
        }
        frames.push_back(reader->GetImage()->copy());
    }
    return frames;
}

TmplPtr loadTemplate(const QString& themeDir)
{
    BaseTmplFactory tmplFactory;
    return TmplPtr(TmplXmlParser().ParseTmpl(
        QDir(themeDir).filePath("template.xml").toStdWString(), &tmplFactory));
}

/// Fills the scene's slots with photos (from \a next on) or a line of text.
SceneMediaPair filled(int id, IScene* scene, const QStringList& photos, int& next)
{
    BasePrjFactory values;
    SceneMediaPair entry(id, {});
    for (int slot = 0; slot < scene->GetMediaSize(); ++slot) {
        if (scene->GetType() == SceneImg)
            entry.second[slot] =
                values.GetImgMediaVal(photos.at(next++ % photos.size()).toStdWString(), 0);
        else
            entry.second[slot] = values.GetTextMediaVal(L"Summer by the sea\nwith all of us");
    }
    return entry;
}

void release(SceneMediaPair& entry)
{
    for (auto& [slot, value] : entry.second)
        delete value;
    entry.second.clear();
}

} // namespace

QImage renderSceneFrame(const QString& themeDir, const QString& contentDir, int sceneId,
                        double at, const QStringList& photos)
{
    TmplPtr tmpl = loadTemplate(themeDir);
    if (!tmpl || photos.isEmpty())
        return {};
    const auto scenes = tmpl->GetScenes();
    const auto found = scenes.find(sceneId);
    if (found == scenes.end())
        return {};
    int next = 0;
    SceneMediaPair entry = filled(sceneId, found->second, photos, next);
    const auto frames = sceneFrames(found->second, sceneId, entry, themeDir, contentDir, {at});
    release(entry);
    return frames.empty() ? QImage() : frames.front();
}

bool writeContactSheet(const QString& themeDir, const QString& contentDir, int themeId,
                       const QStringList& photos, const QString& output, QString* error)
{
    TmplPtr tmpl = loadTemplate(themeDir);
    if (!tmpl || photos.isEmpty()) {
        *error = "no template or no photos for theme " + QString::number(themeId);
        return false;
    }
    const auto scenes = tmpl->GetScenes();
    const int cell = 4;
    QImage sheet(3 * (W + cell) + cell, int(scenes.size()) * (H + cell) + cell,
                 QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 40));
    QPainter painter(&sheet);
    int row = 0;
    int photo = 0;
    for (const auto& [id, scene] : scenes) {
        SceneMediaPair entry = filled(id, scene, photos, photo);
        const auto frames = sceneFrames(scene, id, entry, themeDir, contentDir);
        for (size_t col = 0; col < frames.size(); ++col)
            painter.drawImage(cell + int(col) * (W + cell), cell + row * (H + cell), frames[col]);
        // A dark tab keeps the label readable on light themes too.
        painter.fillRect(cell, cell + row * (H + cell), 72, 24, QColor(0, 0, 0, 150));
        painter.setPen(Qt::white);
        painter.drawText(cell + 8, cell + row * (H + cell) + 17, QString("scene %1").arg(id));
        release(entry);
        ++row;
    }
    painter.end();
    if (!sheet.save(output)) {
        *error = "cannot write " + output;
        return false;
    }
    return true;
}
