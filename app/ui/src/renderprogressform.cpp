#include "ui/renderprogressform.h"
#include "ui_renderprogressform.h"

#include <cmath>

RenderProgressForm::RenderProgressForm(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::RenderProgressForm)
{
    ui->setupUi(this);
    reset();
}

RenderProgressForm::~RenderProgressForm()
{
    delete ui;
}

void RenderProgressForm::reset()
{
    ui->RenderingProgressBar->setValue(0);
    ui->PreviewLabel->clear();
    ui->PreviewLabel->hide();
    ui->ProgressPreview->hide();
}

void RenderProgressForm::progress(float progress)
{
    if (!std::isfinite(progress))
        return;
    ui->RenderingProgressBar->setValue(int(qBound(0.0f, progress, 100.0f)));
}

void RenderProgressForm::preview(QSharedPointer<QPixmap> pm)
{
    if (!pm || pm->isNull())
        return;
    const QSize size = pm->size() / pm->devicePixelRatio();
    ui->PreviewLabel->setFixedSize(size + QSize(12, 12));
    ui->PreviewLabel->setPixmap(*pm);
    ui->ProgressPreview->setFixedWidth(qMax(700, size.width() + 12));
    ui->PreviewLabel->show();
    ui->ProgressPreview->show();
}

void RenderProgressForm::done(QString path)
{
    // The main window moves on to the done page; nothing is left to show here.
    Q_UNUSED(path);
}
