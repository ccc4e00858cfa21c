#pragma once

#include "common/itmpl.h"
#include "common/itmplpathmanager.h"

#include <QList>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QSslError>
#include <QString>

#include <memory>

class QSaveFile;

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

/// Fetches a theme's missing background videos from the content server, one
/// after another, each written under a temporary name and renamed only when
/// complete. GUI thread only.
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
    void download(int tmplId, ITmplPathManager* paths, ITmpl* tmpl);
    /// Not owned; null tells nobody.
    void setErrorHandler(IDownloadErrorHandler* handler);

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

private slots:
    void downloadFinished();
    void downloadProgress(qint64 received, qint64 total);
    void onDownloadError(QNetworkReply::NetworkError code);
    void onDownloadSslErrors(const QList<QSslError>& errors);
    void onReadyRead();

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
    void reportFailure(const QString& reason);

    QNetworkAccessManager network;
    QNetworkReply* reply = nullptr;
    QMutex lock;
    QList<DownloadItem> queue;
    QString url;
    QString path;
    int weight = 0;
    int totalWeight = 0;
    int doneWeight = 0;
    std::unique_ptr<QSaveFile> file;
    IDownloadErrorHandler* errorHandler = nullptr;
};
