#include "ui/dialogs/basedialog.h"
#include "ui/widgets/roundedmask.h"
#include "ui_basedialog.h"

namespace {

void fitText(QPushButton* button, const QString& text, int width)
{
    button->ensurePolished(); // the style sheet sets the font that is measured
    button->setText(button->fontMetrics().elidedText(text, Qt::ElideRight, width));
    button->setAccessibleName(text); // the whole text, also when the button shows less
    button->resize(button->sizeHint().width(), button->height()); // stays centred on the divider
}

} // namespace

BaseDialog::BaseDialog(QWidget* parent, const QString& cancelText, const QString& doneText,
                       const QString& title)
    : QDialog(parent)
    , ui(new Ui::BaseDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    ui->TitleLabel->setText(title);
    ui->CancelBtn->setCursor(Qt::PointingHandCursor);
    ui->DoneBtn->setCursor(Qt::PointingHandCursor);
    setCancelText(cancelText);
    setDoneText(doneText);
    adjustSize();
    roundWidget(this, 20);
}

BaseDialog::~BaseDialog()
{
    delete ui;
}

// The buttons sit either side of the middle: cancel grows to the left, done to the right.
void BaseDialog::setCancelText(const QString& text)
{
    QPushButton* button = ui->CancelBtn;
    button->setVisible(!text.isEmpty());
    if (text.isEmpty())
        return;
    const int right = button->x() + button->width();
    fitText(button, text, button->x() - 8);
    button->move(right - button->width(), button->y());
}

void BaseDialog::setDoneText(const QString& text)
{
    QPushButton* button = ui->DoneBtn;
    button->setVisible(!text.isEmpty());
    if (text.isEmpty())
        return;
    const int right = button->x() + button->width();
    fitText(button, text, button->parentWidget()->width() - right - 8);
}

void BaseDialog::setContent(QWidget* content)
{
    ui->ContentLayout->addWidget(content);
    // Layouts of a window not yet shown keep their old size hints until told.
    for (QWidget* widget = ui->ContentArea; widget != this; widget = widget->parentWidget())
        widget->updateGeometry();
    adjustSize();
    roundWidget(this, 20);
}

void BaseDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    roundWidget(this, 20);
}

void BaseDialog::on_DoneBtn_clicked()
{
    emit done();
}

void BaseDialog::on_CancelBtn_clicked()
{
    emit cancel();
}
