#include "core/tmpldownloadmanager.h"

#include "common/contentaddress.h"
#include "vidweave/mediacheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QNetworkRequest>
#include <QTemporaryFile>

bool isDownloaded(int tmplId, ITmplPathManager* paths, ITmpl* tmpl)
{
    if (!paths || !tmpl)
        return false;
    for (const auto& [id, scene] : tmpl->GetScenes()) {
        if (scene && scene->GetBgType() == BgVideo
            && !QFileInfo::exists(QString::fromStdWString(paths->GetSceneVideoPath(tmplId, id))))
            return false;
    }
    return true;
}

bool isUsableBackground(const QString& path, QString* reason)
{
    auto fail = [&](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (!QFileInfo::exists(path))
        return fail(QObject::tr("%1 is missing.").arg(path));
    const MediaCheck input = CheckVideo(path);
    // A video of another codec is refused by the engine too: say which.
    if (!input.codec.isEmpty() && input.codec != QLatin1String("h264"))
        return fail(QObject::tr("%1 is not an H.264 video.").arg(path));
    if (!input.error.isEmpty())
        return fail(input.error);
    if (input.frames <= 0)
        return fail(QObject::tr("%1 holds no frames.").arg(path));
    return true;
}

int removeUnusableBackgrounds(int tmplId, ITmplPathManager* paths, ITmpl* tmpl)
{
    if (!paths || !tmpl)
        return 0;
    int removed = 0;
    for (const auto& [id, scene] : tmpl->GetScenes()) {
        if (!scene || scene->GetBgType() != BgVideo)
            continue;
        const QString path = QString::fromStdWString(paths->GetSceneVideoPath(tmplId, id));
        if (QFileInfo::exists(path) && !isUsableBackground(path) && QFile::remove(path))
            ++removed;
    }
    return removed;
}

TmplDownloadManager* TmplDownloadManager::instance()
{
    static QMutex mutex;
    static TmplDownloadManager* single = nullptr;
    QMutexLocker locker(&mutex);
    if (!single)
        single = new TmplDownloadManager;
    return single;
}

QString TmplDownloadManager::contentBase()
{
    QString host = qEnvironmentVariable("PICTAVIO_CONTENT_HOST").trimmed();
    if (host.isEmpty())
        host = QLatin1String(ContentDefaultHost);
    return QStringLiteral("http://") + host + QLatin1String(ContentThemesPath);
}

TmplDownloadManager::TmplDownloadManager()
{
    stallTimer.setSingleShot(true);
    stallTimer.setInterval(30000);
    connect(&stallTimer, &QTimer::timeout, this, &TmplDownloadManager::onStalled);
}

TmplDownloadManager::~TmplDownloadManager()
{
    QMutexLocker locker(&lock);
    dropReply();
}

void TmplDownloadManager::setErrorHandler(IDownloadErrorHandler* handler)
{
    QMutexLocker locker(&lock);
    errorHandler = handler;
}

void TmplDownloadManager::setStallTimeout(int milliseconds)
{
    QMutexLocker locker(&lock);
    stallTimer.setInterval(milliseconds);
}

int TmplDownloadManager::stallTimeout() const
{
    return stallTimer.interval();
}

void TmplDownloadManager::dropReply()
{
    stallTimer.stop();
    if (reply) {
        reply->disconnect(this);
        // Aborting a reply that has already failed makes Qt report a second error.
        if (reply->error() == QNetworkReply::NoError)
            reply->abort();
        reply->deleteLater();
        reply = nullptr;
    }
    file.reset(); // an uncommitted file is discarded: nothing partial stays
}

void TmplDownloadManager::download(int tmplId, ITmplPathManager* paths, ITmpl* tmpl)
{
    bool finished = false;
    {
        QMutexLocker locker(&lock);
        dropReply();
        ++generation;
        queue.clear();
        url.clear();
        totalWeight = 0;
        doneWeight = 0;
        unusableRequest = !paths || !tmpl;
        if (unusableRequest) {
            reportLater(tr("The theme could not be read, so its files cannot be fetched."));
            return;
        }
        const QString base = contentBase() + QString::number(tmplId) + "/";
        for (const auto& [id, scene] : tmpl->GetScenes()) {
            if (!scene || scene->GetBgType() != BgVideo)
                continue;
            const QString target = QString::fromStdWString(paths->GetSceneVideoPath(tmplId, id));
            if (QFile::exists(target))
                continue;
            const int frames = int(qBound<long>(0, scene->GetFramesNumber(), 1 << 20));
            queue.append({base + QFileInfo(target).fileName(), target, frames});
            totalWeight += frames;
        }
        finished = startNext();
    }
    // Emitted without the lock, so that receivers may call back.
    if (finished)
        emit done();
}

bool TmplDownloadManager::startNext()
{
    if (queue.isEmpty())
        return true;
    const DownloadItem item = queue.takeFirst();
    url = item.url;
    path = item.path;
    weight = item.weight;
    startCurrent();
    return false;
}

void TmplDownloadManager::startCurrent()
{
    const QFileInfo target(path);
    // Hidden and named after its file, so that a left-over says what it was.
    file = std::make_unique<QTemporaryFile>(target.absolutePath() + "/." + target.fileName()
                                            + ".download-XXXXXX");
    if (!QDir().mkpath(target.absolutePath()) || !file->open()) {
        reportLater(failLocked(tr("%1 cannot be written.").arg(path)));
        return;
    }
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    // Compressed bodies would make Content-Length differ from the bytes received.
    request.setRawHeader("Accept-Encoding", "identity");
    reply = network.get(request);
    connect(reply, &QNetworkReply::readyRead, this, &TmplDownloadManager::onReadyRead);
    connect(reply, &QNetworkReply::downloadProgress, this,
            &TmplDownloadManager::downloadProgress);
    connect(reply, &QNetworkReply::finished, this, &TmplDownloadManager::downloadFinished);
    connect(reply, &QNetworkReply::errorOccurred, this, &TmplDownloadManager::onDownloadError);
    connect(reply, &QNetworkReply::sslErrors, this, &TmplDownloadManager::onDownloadSslErrors);
    stallTimer.start();
}

void TmplDownloadManager::reportLater(const QString& reason)
{
    // Queued because the caller holds the lock; dropped if a newer download began meanwhile.
    const int asked = generation;
    QMetaObject::invokeMethod(
        this,
        [this, reason, asked] {
            {
                QMutexLocker locker(&lock);
                if (asked != generation)
                    return;
            }
            reportFailure(reason);
        },
        Qt::QueuedConnection);
}

void TmplDownloadManager::onReadyRead()
{
    QMutexLocker locker(&lock);
    if (!reply || !file)
        return;
    const QByteArray data = reply->readAll();
    if (!data.isEmpty())
        stallTimer.start();
    if (file->write(data) != data.size()) {
        const QString reason = failLocked(tr("%1 cannot be written.").arg(path));
        locker.unlock();
        reportFailure(reason);
    }
}

void TmplDownloadManager::downloadProgress(qint64 received, qint64 total)
{
    float percent = 0;
    {
        QMutexLocker locker(&lock);
        if (received <= 0 || total <= 0 || totalWeight <= 0)
            return;
        percent = (float(received) / float(total) * float(weight) + float(doneWeight)) * 100.f
                  / float(totalWeight);
    }
    emit progress(percent);
}

void TmplDownloadManager::downloadFinished()
{
    QString reason;
    bool finished = false;
    {
        QMutexLocker locker(&lock);
        if (!reply)
            return; // already dropped by an error
        reason = commitLocked();
        if (reason.isEmpty()) {
            reply->deleteLater();
            reply = nullptr;
            stallTimer.stop();
            url.clear();
            doneWeight += weight;
            finished = startNext();
        } else {
            failLocked(reason);
        }
    }
    if (!reason.isEmpty())
        reportFailure(reason);
    else if (finished)
        emit done();
}

QString TmplDownloadManager::commitLocked()
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError)
        return reply->errorString();
    if (status != 200)
        return tr("The server answered %1 for %2.").arg(status).arg(url);
    const QByteArray rest = reply->readAll();
    if (file->write(rest) != rest.size() || !file->flush())
        return tr("%1 cannot be written.").arg(path);
    const QVariant stated = reply->header(QNetworkRequest::ContentLengthHeader);
    if (stated.isValid() && stated.toLongLong() != file->size())
        return tr("%1 arrived incomplete: %2 of %3 bytes.")
            .arg(url)
            .arg(file->size())
            .arg(stated.toLongLong());
    QString why;
    if (!isUsableBackground(file->fileName(), &why))
        return why.replace(file->fileName(), url); // the temporary name means nothing to a user
    file->close();
    QFile::remove(path);
    if (!file->rename(path))
        return tr("%1 cannot be written.").arg(path);
    file->setAutoRemove(false);
    file.reset();
    return {};
}

void TmplDownloadManager::onDownloadError(QNetworkReply::NetworkError)
{
    QString reason;
    {
        QMutexLocker locker(&lock);
        if (!reply)
            return; // only the first report of a failed transfer counts
        reason = failLocked(reply->errorString());
    }
    reportFailure(reason);
}

void TmplDownloadManager::onDownloadSslErrors(const QList<QSslError>& errors)
{
    QString reason;
    {
        QMutexLocker locker(&lock);
        if (!reply)
            return;
        reason = failLocked(errors.isEmpty() ? tr("Secure connection failed.")
                                             : errors.first().errorString());
    }
    reportFailure(reason);
}

void TmplDownloadManager::onStalled()
{
    QString reason;
    {
        QMutexLocker locker(&lock);
        if (!reply)
            return;
        reason = failLocked(tr("The server stopped sending %1: nothing came for %2 s.")
                                .arg(url)
                                .arg(stallTimer.interval() / 1000.0));
    }
    reportFailure(reason);
}

QString TmplDownloadManager::failLocked(const QString& reason)
{
    dropReply();
    return reason;
}

void TmplDownloadManager::reportFailure(const QString& reason)
{
    IDownloadErrorHandler* handler = nullptr;
    {
        QMutexLocker locker(&lock);
        handler = errorHandler;
    }
    emit failed(reason);
    if (handler)
        handler->downloadFailed(reason);
}

void TmplDownloadManager::onRedownload()
{
    QMutexLocker locker(&lock);
    if (!reply && !url.isEmpty())
        startCurrent();
    else if (unusableRequest)
        reportLater(tr("The theme could not be read, so its files cannot be fetched."));
}

void TmplDownloadManager::onReselectTheme()
{
    {
        QMutexLocker locker(&lock);
        dropReply();
        ++generation;
        queue.clear();
        url.clear();
        unusableRequest = false;
        totalWeight = 0;
        doneWeight = 0;
    }
    emit reselectTheme();
}
