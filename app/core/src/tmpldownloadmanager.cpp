#include "core/tmpldownloadmanager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QNetworkRequest>
#include <QSaveFile>

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
        host = QStringLiteral("127.0.0.1:8642");
    return QStringLiteral("http://%1/app/1.2.0/themes/").arg(host);
}

TmplDownloadManager::TmplDownloadManager() = default;

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

void TmplDownloadManager::dropReply()
{
    if (reply) {
        reply->disconnect(this);
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
        queue.clear();
        totalWeight = 0;
        doneWeight = 0;
        if (paths && tmpl) {
            const QString base = contentBase() + QString::number(tmplId) + "/";
            for (const auto& [id, scene] : tmpl->GetScenes()) {
                if (!scene || scene->GetBgType() != BgVideo)
                    continue;
                const QString target =
                    QString::fromStdWString(paths->GetSceneVideoPath(tmplId, id));
                if (QFile::exists(target))
                    continue;
                const int frames = int(qBound<long>(0, scene->GetFramesNumber(), 1 << 20));
                queue.append({base + QFileInfo(target).fileName(), target, frames});
                totalWeight += frames;
            }
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
    file = std::make_unique<QSaveFile>(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file->open(QIODevice::WriteOnly)) {
        const QString reason = failLocked(tr("%1 cannot be written.").arg(path));
        // Reported from the event loop: the caller still holds the lock.
        QMetaObject::invokeMethod(this, [this, reason] { reportFailure(reason); },
                                  Qt::QueuedConnection);
        return;
    }
    reply = network.get(QNetworkRequest(QUrl(url, QUrl::TolerantMode)));
    connect(reply, &QNetworkReply::readyRead, this, &TmplDownloadManager::onReadyRead);
    connect(reply, &QNetworkReply::downloadProgress, this,
            &TmplDownloadManager::downloadProgress);
    connect(reply, &QNetworkReply::finished, this, &TmplDownloadManager::downloadFinished);
    connect(reply, &QNetworkReply::errorOccurred, this, &TmplDownloadManager::onDownloadError);
    connect(reply, &QNetworkReply::sslErrors, this, &TmplDownloadManager::onDownloadSslErrors);
}

void TmplDownloadManager::onReadyRead()
{
    QMutexLocker locker(&lock);
    if (!reply || !file)
        return;
    const QByteArray data = reply->readAll();
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
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError) {
            reason = failLocked(reply->errorString());
        } else if (status != 200) {
            reason = failLocked(tr("The server answered %1 for %2.").arg(status).arg(url));
        } else {
            file->write(reply->readAll());
            if (!file->commit()) {
                reason = failLocked(tr("%1 cannot be written.").arg(path));
            } else {
                file.reset();
                reply->deleteLater();
                reply = nullptr;
                doneWeight += weight;
                finished = startNext();
            }
        }
    }
    if (!reason.isEmpty())
        reportFailure(reason);
    else if (finished)
        emit done();
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
}

void TmplDownloadManager::onReselectTheme()
{
    {
        QMutexLocker locker(&lock);
        dropReply();
        queue.clear();
        url.clear();
        totalWeight = 0;
        doneWeight = 0;
    }
    emit reselectTheme();
}
