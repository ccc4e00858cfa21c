#include "ui/pages/downloadingthemeform.h"
#include "ui/widgets/roundedmask.h"
#include "ui_downloadingthemeform.h"

#include "core/tmpldownloadmanager.h"

#include <QtMath>

DownloadingThemeForm::DownloadingThemeForm(QWidget* parent, TmplDownloadManager* manager)
    : QWidget(parent)
    , ui(new Ui::DownloadingThemeForm)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    ui->ProgressBar->setValue(0);
    ui->PreviewLabel->setMask(
        roundedMask(ui->PreviewLabel->width(), ui->PreviewLabel->height(), 7));
    connect(manager ? manager : TmplDownloadManager::instance(), &TmplDownloadManager::progress,
            this, &DownloadingThemeForm::progress);
    connect(ThumbGenerator::instance(), &ThumbGenerator::generated, this,
            &DownloadingThemeForm::thumbGenerated);
}

DownloadingThemeForm::~DownloadingThemeForm()
{
    delete ui;
}

void DownloadingThemeForm::setThumb(const QString& path)
{
    const QLabel* label = ui->PreviewLabel;
    task = ThumbGeneratorTask(path, label->height() - 12, label->width() - 12);
    if (!path.isEmpty())
        ThumbGenerator::instance()->addTask(task, this);
}

void DownloadingThemeForm::progress(float progress)
{
    // Truncated, so the bar shows 100 only once everything has arrived.
    if (!qIsFinite(progress))
        return;
    ui->ProgressBar->setValue(qBound(0, int(progress), 100));
}

void DownloadingThemeForm::thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> img)
{
    if (!(task == this->task) || !img || img->isNull())
        return;
    thumb = QPixmap::fromImage(*img);
    ui->PreviewLabel->setPixmap(thumb);
}
