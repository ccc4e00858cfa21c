#include "core/rendercontroller.h"

#include "vidweave/vidweavefactory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QImage>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

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

QString partialPath(const QString& outputPath)
{
    const QFileInfo info(outputPath);
    return info.dir().filePath(QStringLiteral(".%1.part").arg(info.fileName()));
}

namespace {

/// Puts the finished file in place in one step, after its bytes are on disk,
/// so that the name the user opens never holds half a video.
bool commitOutput(const QString& partial, const QString& outputPath, QString* reason)
{
    const QByteArray from = QFile::encodeName(partial);
    const int fd = ::open(from.constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    if (std::rename(from.constData(), QFile::encodeName(outputPath).constData()) == 0)
        return true;
    *reason = RenderWorker::tr("The video could not be saved as %1: %2")
                  .arg(QDir::toNativeSeparators(outputPath), QString::fromLocal8Bit(std::strerror(errno)));
    // A folder made read-only keeps it; say where, so that it can be found.
    if (!QFile::remove(partial) && QFile::exists(partial))
        *reason += QLatin1Char(' ')
                   + RenderWorker::tr("The unfinished file %1 could not be removed.")
                         .arg(QDir::toNativeSeparators(partial));
    return false;
}

} // namespace

void RenderWorker::process()
{
    if (stopFlag) {
        emit stopped(); // cancelled before it began: no render, no file
        emit finished();
        return;
    }
    std::unique_ptr<IPrjRender> owned(maker ? maker() : VidweaveFactory().GetH264PrjRender());
    connect(owned.get(), &IPrjRender::progress, this, &RenderWorker::onRenderProgress,
            Qt::DirectConnection);
    {
        QMutexLocker locker(&renderLock);
        render = owned.get();
        if (stopFlag) // a stop that came while the render was being made
            owned->Stop();
    }
    // The user's file, if any, stays untouched until the new one is complete.
    const QString partial = partialPath(outputPath);
    owned->Render(tmplId, tmpl, prj.data(), paths, partial, height, width, overlay, endLogo);
    {
        QMutexLocker locker(&renderLock);
        render = nullptr;
    }
    bool failed = owned->Failed() || lostOutput;
    QString reason = lostOutput ? lostReason() : owned->ErrorString();
    owned.reset();

    if (stopFlag || failed)
        QFile::remove(partial);
    else if (!commitOutput(partial, outputPath, &reason))
        failed = true;

    if (stopFlag && !lostOutput) {
        emit stopped();
    } else if (failed) {
        emit this->failed(reason);
    } else {
        emit done(outputPath);
    }
    emit finished();
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
    if (!lostOutput && !QFileInfo::exists(partialPath(outputPath))) {
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
