#include "ui/pages/renderprogressform.h"
#include "ui_renderprogressform.h"

#include "core/timing.h"

#include <QPainter>

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
    ui->TimeLabel->clear();
    clock.start();
    ui->PreviewLabel->clear();
    ui->PreviewLabel->hide();
    ui->ProgressPreview->hide();
}

void RenderProgressForm::progress(float progress)
{
    progressAt(progress, clock.isValid() ? double(clock.elapsed()) / 1000.0 : 0.0);
}

void RenderProgressForm::progressAt(float percent, double elapsed)
{
    if (!std::isfinite(percent))
        return;
    ui->RenderingProgressBar->setValue(int(qBound(0.0f, percent, 100.0f)));
    QString text = tr("%1 so far").arg(clockText(elapsed));
    const int left = secondsLeft(elapsed, percent);
    if (left >= 0)
        text += QLatin1Char('\n') + tr("about %1 left").arg(clockText(left));
    ui->TimeLabel->setText(text);
}

void RenderProgressForm::preview(QSharedPointer<QPixmap> pm)
{
    if (!pm || pm->isNull())
        return;
    const QSize size = pm->size() / pm->devicePixelRatio();
    ui->PreviewLabel->setFixedSize(size + QSize(12, 12));
    // The white edge is drawn with the picture, so only the picture has one.
    const qreal ratio = pm->devicePixelRatio();
    QPixmap framed((size + QSize(12, 12)) * ratio);
    framed.setDevicePixelRatio(ratio);
    framed.fill(Qt::transparent);
    QPainter painter(&framed);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size + QSize(12, 12))), 6, 6);
    painter.drawPixmap(6, 6, *pm);
    painter.end();
    ui->PreviewLabel->setPixmap(framed);
    ui->ProgressPreview->setFixedWidth(qMax(700, size.width() + 12));
    ui->PreviewLabel->show();
    ui->ProgressPreview->show();
}

void RenderProgressForm::done(QString path)
{
    // The main window moves on to the done page; nothing is left to show here.
    Q_UNUSED(path);
}
