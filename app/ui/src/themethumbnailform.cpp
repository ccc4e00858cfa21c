#include "ui/themethumbnailform.h"
#include "ui/links.h"
#include "ui/resources.h"
#include "ui/roundedmask.h"
#include "ui_themethumbnailform.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QUrl>

namespace {

/// The picture scaled to cover \a label, cut to its size; a neutral picture
/// when the file is missing or unreadable.
QPixmap fittedPicture(const QString& path, const QLabel* label)
{
    const qreal ratio = label->devicePixelRatioF();
    QImage image(path);
    if (image.isNull())
        image.load(":/images/theme-placeholder.png");
    const QSize box = label->size() * ratio;
    image = image.scaled(box, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    image = image.copy((image.width() - box.width()) / 2, (image.height() - box.height()) / 2,
                       box.width(), box.height());
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace


ThemeThumbnailForm::ThemeThumbnailForm(QWidget* parent, int id, const QString& name,
                                       const QString& thumbPath, const QString& previewUrl,
                                       bool interactive)
    : QWidget(parent)
    , ui(new Ui::ThemeThumbnailForm)
    , id(id)
    , previewUrl(previewUrl)
    , interactive(interactive)
{
    initUiResources();
    ui->setupUi(this);
    setAttribute(Qt::WA_Hover);
    setAttribute(Qt::WA_StyledBackground);
    ui->StartButton->setCursor(Qt::PointingHandCursor);
    ui->PreviewButton->setCursor(Qt::PointingHandCursor);
    showButtons(false);
    setData(name, thumbPath);
    if (interactive) {
        // Reached with Tab: Enter or Space chooses the theme, P previews it.
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(name);
        ui->StartButton->setFocusPolicy(Qt::NoFocus);
        ui->PreviewButton->setFocusPolicy(Qt::NoFocus);
    }
}

void ThemeThumbnailForm::keyPressEvent(QKeyEvent* event)
{
    if (!interactive) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit selected(id);
        return;
    case Qt::Key_P:
        if (!previewUrl.isEmpty())
            on_PreviewButton_clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ThemeThumbnailForm::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    showButtons(interactive);
}

void ThemeThumbnailForm::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (!underMouse())
        showButtons(false);
}

ThemeThumbnailForm::~ThemeThumbnailForm()
{
    delete ui;
}

void ThemeThumbnailForm::setData(const QString& name, const QString& thumbPath)
{
    ui->NameLabel->setText(name);
    ui->PreviewLabel->setPixmap(fittedPicture(thumbPath, ui->PreviewLabel));
}

void ThemeThumbnailForm::showButtons(bool show)
{
    ui->StartButton->setVisible(show);
    // A theme without a preview address has nothing to open.
    ui->PreviewButton->setVisible(show && !previewUrl.isEmpty());
    ui->ButtonsBar->setVisible(show);
}

void ThemeThumbnailForm::enterEvent(QEvent* event)
{
    QWidget::enterEvent(event);
    showButtons(interactive);
}

void ThemeThumbnailForm::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (!hasFocus())
        showButtons(false);
}

void ThemeThumbnailForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!size().isEmpty())
        roundWidget(this, 7);
}

void ThemeThumbnailForm::on_StartButton_clicked()
{
    emit selected(id);
}

void ThemeThumbnailForm::on_PreviewButton_clicked()
{
    Links::openOrTell(this, QUrl::fromUserInput(previewUrl));
}
