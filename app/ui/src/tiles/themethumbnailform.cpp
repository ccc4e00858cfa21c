#include "ui/tiles/themethumbnailform.h"
#include "ui/widgets/coverpixmap.h"
#include "ui/widgets/links.h"
#include "ui/widgets/resources.h"
#include "ui/widgets/roundedmask.h"
#include "ui_themethumbnailform.h"

#include <QKeyEvent>
#include <QUrl>



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
    fitButtons();
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
    QLabel* label = ui->PreviewLabel;
    QPixmap picture = coverPixmap(thumbPath, label->size(), label->devicePixelRatioF());
    if (picture.isNull())
        picture = coverPixmap(QStringLiteral(":/images/theme-placeholder.png"), label->size(),
                              label->devicePixelRatioF());
    label->setPixmap(picture);
}

// A long translation ("Dieses Design verwenden") must not widen the tile
// and push the whole gallery aside: the button's text is shortened instead.
void ThemeThumbnailForm::fitButtons()
{
    QWidget* bar = ui->ButtonsBar;
    bar->setFixedWidth(ui->PreviewLabel->maximumWidth());
    QPushButton* start = ui->StartButton;
    start->ensurePolished();
    ui->PreviewButton->ensurePolished();
    const QString full = tr("Use this theme");
    const QMargins margins = bar->layout()->contentsMargins();
    const int preview = previewUrl.isEmpty() ? 0 : ui->PreviewButton->sizeHint().width() + 20;
    start->setText(full);
    const int padding = start->sizeHint().width() - start->fontMetrics().horizontalAdvance(full);
    const int room = bar->width() - margins.left() - margins.right() - preview - padding;
    start->setText(start->fontMetrics().elidedText(full, Qt::ElideRight, room));
    start->setToolTip(start->text() == full ? QString() : full);
    start->setAccessibleName(full);
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
