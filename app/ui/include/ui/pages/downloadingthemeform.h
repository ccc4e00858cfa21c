#pragma once

#include "core/thumbgenerator.h"

#include <QPixmap>
#include <QSharedPointer>
#include <QWidget>

namespace Ui {
class DownloadingThemeForm;
}
class TmplDownloadManager;

/// Shown while the video waits for the theme's files: how far the download
/// is, and the theme's picture.
class DownloadingThemeForm : public QWidget
{
    Q_OBJECT

public:
    /// Follows \a manager's progress; null follows the program's downloader.
    explicit DownloadingThemeForm(QWidget* parent = nullptr, TmplDownloadManager* manager = nullptr);
    ~DownloadingThemeForm() override;

    /// Asks for the theme's picture at the size of the preview.
    void setThumb(const QString& path);

public slots:
    void progress(float progress);
    void thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> img);

private:
    Ui::DownloadingThemeForm* ui;
    QPixmap thumb;
    ThumbGeneratorTask task;
};
