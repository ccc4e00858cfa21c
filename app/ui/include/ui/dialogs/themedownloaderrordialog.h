#pragma once

#include "ui/dialogs/basedialog.h"

#include "core/tmpldownloadmanager.h"

#include <QPointer>

/// "Network problem": the user retries the failed theme download or goes
/// back to choose another theme. Deletes itself once answered.
class ThemeDownloadErrorDialog : public BaseDialog
{
    Q_OBJECT

public:
    explicit ThemeDownloadErrorDialog(QWidget* parent = nullptr, const QString& reason = QString());

    /// Escape or closing the window gives up, so the download never waits unanswered.
    void reject() override;

signals:
    void retry();
    void reselectTheme();

protected slots:
    void onDone();
    void onCancel();

private:
    bool answered = false;
};

/// Answers the downloader's failures with the dialog: retry reaches its
/// onRedownload(), "Select other theme" its onReselectTheme().
class ThemeDownloadErrorHandler : public IDownloadErrorHandler
{
public:
    /// \a window dims and centres the dialog; may be null.
    ThemeDownloadErrorHandler(TmplDownloadManager* manager, QWidget* window);
    void downloadFailed(const QString& reason) override;

    /// The dialog waiting for an answer, or null.
    ThemeDownloadErrorDialog* dialog() const { return open; }

private:
    TmplDownloadManager* manager;
    QPointer<QWidget> window;
    QPointer<ThemeDownloadErrorDialog> open;
};
