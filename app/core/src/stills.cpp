#include "core/stills.h"

#include "common/iscene.h"
#include "common/itmpl.h"
#include "vidweave/vidweavefactory.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cmath>
#include <map>
#include <memory>

namespace {

constexpr double framesPerSecond = 30.0;

/// The frame count of every scene of the video, in order.
std::vector<long> sceneFrames(const RenderRequest& request)
{
    std::vector<long> frames;
    if (!request.project || !request.theme)
        return frames;
    const std::map<int, IScene*> scenes = request.theme->GetScenes();
    for (const SceneMediaPair* entry : *request.project->GetMedia()) {
        const auto scene = scenes.find(entry->first);
        frames.push_back(scene != scenes.end() && scene->second ? scene->second->GetFramesNumber() : 0);
    }
    return frames;
}

bool folderTakesFiles(const QString& folder, QString* reason)
{
    if (!QDir().mkpath(folder)) {
        *reason = QString("%1 cannot be created.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".pictavio-XXXXXX")));
    if (!probe.open()) {
        *reason = QString("%1 cannot be written: %2").arg(QDir::toNativeSeparators(folder), probe.errorString());
        return false;
    }
    return true;
}

bool savePng(const QImage& frame, const QString& path, QString* reason)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && frame.save(&file, "PNG") && file.commit())
        return true;
    *reason = QString("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

} // namespace

double videoSeconds(const RenderRequest& request)
{
    const std::vector<long> frames = sceneFrames(request);
    double total = 0;
    for (long n : frames)
        total += double(n);
    if (!frames.empty())
        total -= double(request.theme->GetSceneOverflow()) * double(frames.size() - 1);
    return total / framesPerSecond;
}

QList<double> sceneMiddles(const RenderRequest& request)
{
    QList<double> middles;
    double start = 0;
    for (long n : sceneFrames(request)) {
        middles << (start + double(n / 2)) / framesPerSecond;
        start += double(n - request.theme->GetSceneOverflow());
    }
    return middles;
}

QString stillName(int index, double seconds)
{
    const int tenths = int(std::lround(seconds * 10));
    return QStringLiteral("still_%1_%2m%3.%4s.png")
        .arg(index + 1, 2, 10, QLatin1Char('0'))
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

QStringList writeStills(const RenderRequest& request, const QList<double>& seconds,
                        const QString& folder, bool overwrite,
                        const std::function<bool()>& keepGoing, QString* reason)
{
    if (!folderTakesFiles(folder, reason))
        return {};
    const double length = videoSeconds(request);
    std::multimap<int64_t, QString> wanted;
    for (int i = 0; i < seconds.size(); ++i) {
        if (seconds.at(i) < 0 || seconds.at(i) >= length) {
            *reason = QString("%1 s is not within the video, which lasts %2 s.")
                          .arg(seconds.at(i), 0, 'f', 1)
                          .arg(length, 0, 'f', 1);
            return {};
        }
        const QString path = QDir(folder).filePath(stillName(i, seconds.at(i)));
        if (!overwrite && QFileInfo::exists(path)) {
            *reason = QString("%1 exists already (--overwrite replaces it).").arg(QDir::toNativeSeparators(path));
            return {};
        }
        wanted.emplace(int64_t(seconds.at(i) * framesPerSecond), path);
    }
    if (wanted.empty())
        return {};
    const int64_t last = wanted.rbegin()->first;
    QStringList written;
    QString failure;
    std::unique_ptr<IPrjRender> render(VidweaveFactory().GetH264PrjRender());
    render->RenderFrames(request.themeId, request.theme, request.project.data(), request.paths,
                         request.size.height(), request.size.width(), request.overlay,
                         request.closing, [&](int64_t number, const QImage& frame) {
                             const auto [from, to] = wanted.equal_range(number);
                             for (auto it = from; it != to; ++it) {
                                 if (!savePng(frame, it->second, &failure))
                                     return false;
                                 written << it->second;
                             }
                             return number < last && keepGoing();
                         });
    if (render->Failed())
        failure = render->ErrorString();
    else if (failure.isEmpty() && written.size() < int(wanted.size()))
        failure = keepGoing() ? QString("The video ended before every still was drawn.") : QString("Stopped.");
    if (!failure.isEmpty()) {
        *reason = failure;
        return {};
    }
    written.sort();
    return written;
}
