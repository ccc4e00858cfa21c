#pragma once

#include "common/itmpl.h"
#include "common/itmplpathmanager.h"

#include <QElapsedTimer>
#include <QList>
#include <QPair>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QSslError>
#include <QString>
#include <QTimer>

#include <memory>

class QTemporaryFile;

/// Asked when a theme file could not be fetched. The answer comes later, by
/// calling the manager's onRedownload() (retry) or onReselectTheme() (give
/// up); the GUI asks with a dialog, the command line on the terminal.
class IDownloadErrorHandler
{
public:
    virtual ~IDownloadErrorHandler() = default;
    virtual void downloadFailed(const QString& reason) = 0;
};

/// True when every video background of the template is on disk.
bool isDownloaded(int tmplId, ITmplPathManager* paths, ITmpl* tmpl);

/// True when \a path opens with the render engine as a video with an H.264
/// stream of at least one frame; otherwise false with a reason for the user.
bool isUsableBackground(const QString& path, QString* reason = nullptr);

/// Removes the background videos of \a tmplId that are on disk but not
/// usable (isUsableBackground), so that the next download() fetches them
/// again; returns how many were removed.
int removeUnusableBackgrounds(int tmplId, ITmplPathManager* paths, ITmpl* tmpl);

/// Fetches a theme's missing background videos from the content server, one
/// after another, each written under a temporary name and renamed only when
/// complete and usable (isUsableBackground). GUI thread only.
class TmplDownloadManager : public QObject
{
    Q_OBJECT

public:
    /// The process-wide instance; never destroyed.
    static TmplDownloadManager* instance();
    /// "http://<host>/app/1.2.0/themes/"; the host comes from
    /// PICTAVIO_CONTENT_HOST (host or host:port), default 127.0.0.1:8642.
    static QString contentBase();

    TmplDownloadManager();
    ~TmplDownloadManager() override;

    /// Starts fetching what is missing of \a tmplId; cancels a running one.
    /// A null \a paths or \a tmpl is reported as a failure.
    void download(int tmplId, ITmplPathManager* paths, ITmpl* tmpl);
    /// Not owned; null tells nobody.
    void setErrorHandler(IDownloadErrorHandler* handler);
    /// A transfer that brings no byte for this long fails (default 30 s).
    void setStallTimeout(int milliseconds);
    int stallTimeout() const;
    /// A transfer that brings less than \a bytesPerSecond over \a window
    /// milliseconds fails, and so does one that takes longer than its stated
    /// length at that rate plus the window (default 16 KiB/s over 60 s).
    void setMinimumRate(int bytesPerSecond, int window);
    int minimumRate() const { return minRate; }
    int rateWindow() const { return window; }
    /// A file stated or found larger than this is refused (default 512 MiB).
    void setMaximumSize(qint64 bytes);
    qint64 maximumSize() const { return maxSize; }
    /// Each file is fetched again up to \a count times after a failure, \a
    /// delay milliseconds later, before the error handler is asked (default 0).
    void setAutomaticRetries(int count);
    void setRetryDelay(int milliseconds);

public slots:
    /// Fetches the failed file again, keeping what was already fetched.
    void onRedownload();
    /// Gives up: empties the queue and emits reselectTheme().
    void onReselectTheme();

signals:
    /// 0 to 100 over all files of this download.
    void progress(float percent);
    /// Every file is present.
    void done();
    /// The user gave up on this theme.
    void reselectTheme();
    /// A file could not be fetched; the queue waits for retry or give-up.
    void failed(const QString& reason);
    /// A file failed and is fetched again by itself: \a attempt of \a of retries.
    void retrying(const QString& reason, int attempt, int of);

private slots:
    void downloadFinished();
    void downloadProgress(qint64 received, qint64 total);
    void onDownloadError(QNetworkReply::NetworkError code);
    void onDownloadSslErrors(const QList<QSslError>& errors);
    void onReadyRead();
    void onStalled();
    void onHeaders();
    void checkRate();

private:
    struct DownloadItem
    {
        QString url;
        QString path;
        int weight = 0;
    };

    bool startNext();
    void startCurrent();
    void dropReply();
    QString failLocked(const QString& reason);
    QString commitLocked();
    void reportFailure(const QString& reason);
    void reportLater(const QString& reason);
    QString sizeProblemLocked() const;
    QString writeProblemLocked() const;
    QString rateProblemLocked();
    /// Drops the transfer for \a reason found under \a locker, then reports it.
    void failWith(QMutexLocker& locker, const QString& reason);

    QNetworkAccessManager network;
    QNetworkReply* reply = nullptr;
    QMutex lock;
    QList<DownloadItem> queue;
    QString url;
    QString path;
    int weight = 0;
    int totalWeight = 0;
    int doneWeight = 0;
    /// Counts download() calls, so that a report queued for an older one is dropped.
    int generation = 0;
    /// The last download() had nothing it could fetch; a retry fails again.
    bool unusableRequest = false;
    std::unique_ptr<QTemporaryFile> file;
    /// Restarted by every byte that arrives.
    QTimer stallTimer;
    /// Looks at the rate of the transfer in flight.
    QTimer rateTimer;
    QElapsedTimer transferClock;
    /// (milliseconds since the transfer began, bytes received by then).
    QList<QPair<qint64, qint64>> samples;
    qint64 received = 0;
    qint64 stated = -1;
    int minRate = 16 * 1024;
    int window = 60000;
    qint64 maxSize = qint64(512) << 20;
    int automaticRetries = 0;
    int retryDelay = 1000;
    /// Failures of the current file since it was first asked for.
    int tries = 0;
    IDownloadErrorHandler* errorHandler = nullptr;
};
