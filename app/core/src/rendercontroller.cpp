#include "core/rendercontroller.h"

#include "vidweave/vidweavefactory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QMutexLocker>

#include <sys/resource.h>

RenderWorker::RenderWorker(int tmplId, ITmpl* tmpl, QSharedPointer<IPrj> prj, QString outputPath,
                           int width, int height, ITmplPathManager* paths,
                           QSharedPointer<IWatermark> overlay, QSharedPointer<IEndLogo> endLogo,
                           RenderMaker maker)
    : prj(std::move(prj)), tmplId(tmplId), tmpl(tmpl), outputPath(std::move(outputPath)),
      width(width), height(height), paths(paths), overlay(std::move(overlay)),
      endLogo(std::move(endLogo)), maker(std::move(maker))
{
}

void RenderWorker::stop()
{
    // Held while the render thread hands the render over and deletes it.
    QMutexLocker locker(&renderLock);
    stopFlag = true;
    if (render)
        render->Stop();
}

namespace {

/// True when a file of \a size has reached the file size limit of this
/// process (ulimit -f), which makes the next write fail with EFBIG.
bool atFileSizeLimit(qint64 size)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return false;
    // The engine writes in pieces far smaller than this.
    return size + (1 << 20) >= qint64(limit.rlim_cur);
}

QString tooLargeReason(const QString& engineReason)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    QString said = engineReason;
    if (said.endsWith(QLatin1Char('.')))
        said.chop(1);
    return RenderWorker::tr("The video is larger than this system allows: a file may hold at most "
                            "%1 here (%2).")
        .arg(QLocale().formattedDataSize(qint64(limit.rlim_cur), 0), said);
}

} // namespace

void RenderWorker::process()
{
    if (stopFlag) {
        emit stopped(); // cancelled before it began: no render, no file
        emit finished();
        return;
    }
    removeStalePartials(QFileInfo(outputPath).absolutePath());
    // The user's file, if any, stays untouched until the new one is complete.
    PartialFile partial(outputPath);
    if (!partial.isOpen()) {
        emit failed(partial.errorString());
        emit finished();
        return;
    }
    partialName = partial.path();
    std::unique_ptr<IPrjRender> owned(maker ? maker() : VidweaveFactory().GetH264PrjRender());
    connect(owned.get(), &IPrjRender::progress, this, &RenderWorker::onRenderProgress,
            Qt::DirectConnection);
    {
        QMutexLocker locker(&renderLock);
        render = owned.get();
        if (stopFlag) // a stop that came while the render was being made
            owned->Stop();
    }
    owned->Render(tmplId, tmpl, prj.data(), paths, partialName, height, width, overlay, endLogo);
    {
        QMutexLocker locker(&renderLock);
        render = nullptr;
    }
    const bool renderFailed = owned->Failed() || lostOutput;
    QString reason = lostOutput ? lostReason() : owned->ErrorString();
    owned.reset();
    const QString made = placeVideo(partial, renderFailed, &reason);

    if (stopFlag && !lostOutput) {
        emit stopped();
    } else if (made.isEmpty()) {
        emit this->failed(reason);
    } else {
        emit done(made);
    }
    emit finished();
}

QString RenderWorker::placeVideo(PartialFile& partial, bool failed, QString* reason)
{
    if (failed && !lostOutput && atFileSizeLimit(partial.size()))
        *reason = tooLargeReason(*reason);
    if (stopFlag || failed) {
        partial.remove();
        return {};
    }
    reason->clear();
    return partial.claim(claim, reason);
}

QString RenderWorker::lostReason() const
{
    return tr("The folder %1, or the unfinished video in it, was removed during the render.")
        .arg(QDir::toNativeSeparators(QFileInfo(outputPath).absolutePath()));
}

void RenderWorker::onRenderProgress(QImage* img, float percent)
{
    emit onProgress(percent);
    if (++progressCount % 30 != 0)
        return;
    // Rendering on into a file that no longer has a name would only fail at the end.
    if (!lostOutput && !QFileInfo::exists(partialName)) {
        lostOutput = true;
        stop();
        return;
    }
    if (!img)
        return;
    // The frame is overwritten by the next one: the preview is a copy.
    emit onPreview(img->scaledToHeight(300, Qt::SmoothTransformation));
}

RenderController::RenderController(QObject* parent) : QObject(parent)
{
    registerCoreMetaTypes();
    ignoreFileSizeSignal();
}

RenderController::~RenderController()
{
    if (worker)
        worker->stop();
    finish();
}

void RenderController::finish()
{
    thread.reset();
    worker.reset();
}

void RenderController::start(int tmplId, ITmpl* tmpl, QSharedPointer<IPrj> prj,
                             QString outputPath, int width, int height, ITmplPathManager* paths,
                             QSharedPointer<IWatermark> overlay, QSharedPointer<IEndLogo> endLogo,
                             RenderMaker maker)
{
    finish();
    worker = std::make_unique<RenderWorker>(tmplId, tmpl, std::move(prj), std::move(outputPath),
                                            width, height, paths, std::move(overlay),
                                            std::move(endLogo), std::move(maker));
    worker->setClaim(claim);
    thread.reset(new QThread);
    thread->setObjectName(QStringLiteral("render"));
    worker->moveToThread(thread.get());
    RenderWorker* w = worker.get();
    connect(thread.get(), &QThread::started, w, &RenderWorker::process);
    connect(w, &RenderWorker::done, this, &RenderController::workerDone);
    connect(w, &RenderWorker::onProgress, this, &RenderController::renderProgress);
    connect(w, &RenderWorker::onPreview, this, &RenderController::renderPreview);
    connect(w, &RenderWorker::stopped, this, &RenderController::workerStopped);
    connect(w, &RenderWorker::failed, this, &RenderController::workerFailed);
    connect(w, &RenderWorker::finished, thread.get(), &QThread::quit);
    thread->start(QThread::InheritPriority);
}

void RenderController::stop()
{
    if (worker)
        worker->stop();
}

void RenderController::workerDone(const QString& path)
{
    emit done(path);
}

void RenderController::renderProgress(float progress)
{
    emit onProgress(progress);
}

void RenderController::renderPreview(const QImage& preview)
{
    emit onPreview(QSharedPointer<QPixmap>::create(QPixmap::fromImage(preview)));
}

void RenderController::workerStopped()
{
    emit stopped();
}

void RenderController::workerFailed(const QString& reason)
{
    emit failed(reason);
}
