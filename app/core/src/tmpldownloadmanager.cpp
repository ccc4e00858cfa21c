#include "core/tmpldownloadmanager.h"

#include "common/contentaddress.h"
#include "vidweave/mediacheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QLocale>
#include <QNetworkRequest>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

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

namespace {

// Room left beside a download for everything else that writes to that disk.
const qint64 diskMargin = 1 << 20;

QString sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1);
}

} // namespace

TmplDownloadManager::TmplDownloadManager()
{
    stallTimer.setSingleShot(true);
    stallTimer.setInterval(30000);
    connect(&stallTimer, &QTimer::timeout, this, &TmplDownloadManager::onStalled);
    rateTimer.setInterval(1000);
    connect(&rateTimer, &QTimer::timeout, this, &TmplDownloadManager::checkRate);
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

void TmplDownloadManager::setMinimumRate(int bytesPerSecond, int milliseconds)
{
    QMutexLocker locker(&lock);
    minRate = qMax(1, bytesPerSecond);
    window = qMax(100, milliseconds);
    rateTimer.setInterval(qBound(50, window / 4, 1000));
}

void TmplDownloadManager::setMaximumSize(qint64 bytes)
{
    QMutexLocker locker(&lock);
    maxSize = bytes;
}

void TmplDownloadManager::setAutomaticRetries(int count)
{
    QMutexLocker locker(&lock);
    automaticRetries = qMax(0, count);
}

void TmplDownloadManager::setRetryDelay(int milliseconds)
{
    QMutexLocker locker(&lock);
    retryDelay = qMax(0, milliseconds);
}

void TmplDownloadManager::dropReply()
{
    stallTimer.stop();
    rateTimer.stop();
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
    tries = 0;
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
    // Whatever the server sends goes to the file as it comes, never piles up here.
    reply->setReadBufferSize(1 << 20);
    received = 0;
    stated = -1;
    samples = {{0, 0}};
    transferClock.start();
    rateTimer.start();
    connect(reply, &QNetworkReply::metaDataChanged, this, &TmplDownloadManager::onHeaders);
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

void TmplDownloadManager::failWith(QMutexLocker& locker, const QString& reason)
{
    failLocked(reason);
    locker.unlock();
    reportFailure(reason);
}

void TmplDownloadManager::onHeaders()
{
    QMutexLocker locker(&lock);
    if (!reply)
        return;
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    stated = length.isValid() ? length.toLongLong() : -1;
    const QString problem = sizeProblemLocked();
    if (!problem.isEmpty())
        failWith(locker, problem);
}

QString TmplDownloadManager::sizeProblemLocked() const
{
    if (stated > maxSize || received > maxSize)
        return tr("%1 is larger than a theme video can be: %2, at most %3.")
            .arg(url, sizeText(qMax(stated, received)), sizeText(maxSize));
    const QString folder = QFileInfo(path).absolutePath();
    const qint64 free = QStorageInfo(folder).bytesAvailable();
    if (stated > 0 && free >= 0 && stated + diskMargin > free)
        return tr("The disk is full: %1 needs %2, but %3 has only %4 free.")
            .arg(QFileInfo(path).fileName(), sizeText(stated), QDir::toNativeSeparators(folder),
                 sizeText(free));
    return {};
}

QString TmplDownloadManager::writeProblemLocked() const
{
    const QString full = QString::fromLocal8Bit(std::strerror(ENOSPC));
    const qint64 free = QStorageInfo(QFileInfo(path).absolutePath()).bytesAvailable();
    if (file->errorString().contains(full) || (free >= 0 && free < diskMargin))
        return tr("The disk is full: %1 cannot be written.").arg(path);
    return tr("%1 cannot be written.").arg(path);
}

void TmplDownloadManager::onReadyRead()
{
    QMutexLocker locker(&lock);
    if (!reply || !file)
        return;
    const QByteArray data = reply->readAll();
    if (!data.isEmpty())
        stallTimer.start();
    received += data.size();
    QString problem = sizeProblemLocked();
    if (problem.isEmpty() && file->write(data) != data.size())
        problem = writeProblemLocked();
    if (!problem.isEmpty())
        failWith(locker, problem);
}

void TmplDownloadManager::checkRate()
{
    QMutexLocker locker(&lock);
    if (!reply)
        return;
    const QString problem = rateProblemLocked();
    if (!problem.isEmpty())
        failWith(locker, problem);
}

QString TmplDownloadManager::rateProblemLocked()
{
    const qint64 now = transferClock.elapsed();
    samples.append({now, received});
    // Keep the newest sample at least a window old, to measure over a whole window.
    while (samples.size() > 2 && samples.at(1).first <= now - window)
        samples.removeFirst();
    const qint64 inWindow = received - samples.first().second;
    if (now >= window && inWindow * 1000 < qint64(minRate) * window)
        return tr("The server sends %1 too slowly: %2 in the last %3 s, at least %4 a second "
                  "are needed.")
            .arg(url, sizeText(inWindow))
            .arg(window / 1000.0)
            .arg(sizeText(minRate));
    // A steady trickle just above the rate still ends: the stated length at that rate.
    if (stated > 0 && now > window + stated * 1000 / minRate)
        return tr("The server sends %1 too slowly: %2 of %3 in %4 s.")
            .arg(url, sizeText(received), sizeText(stated))
            .arg(now / 1000);
    return {};
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
    received += rest.size();
    const QString problem = sizeProblemLocked();
    if (!problem.isEmpty())
        return problem;
    if (file->write(rest) != rest.size() || !file->flush())
        return writeProblemLocked();
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
    int attempt = 0;
    {
        QMutexLocker locker(&lock);
        handler = errorHandler;
        if (!url.isEmpty() && tries < automaticRetries) {
            attempt = ++tries;
            const int asked = generation;
            QTimer::singleShot(retryDelay, this, [this, asked] {
                QMutexLocker later(&lock);
                if (asked == generation && !reply && !url.isEmpty())
                    startCurrent();
            });
        }
    }
    if (attempt > 0) {
        emit retrying(reason, attempt, automaticRetries);
        return;
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
