#include "ui/messagedialog.h"
#include "ui/roundedmask.h"
#include "ui_messagedialog.h"

MessageDialog::MessageDialog(QWidget* parent, const QString& message, const QString& buttonText)
    : QDialog(parent)
    , ui(new Ui::MessageDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    ui->MessageDialogText->setText(message);
    // Callers may pass no text; a button without one could not be found.
    ui->OkButton->setText(buttonText.isEmpty() ? tr("OK") : buttonText);
    ui->OkButton->setCursor(Qt::PointingHandCursor);
    adjustSize();
    roundWidget(this, 20);
}

MessageDialog::~MessageDialog()
{
    delete ui;
}

// Escape and close end here as well as the button, so no dialog is left behind.
void MessageDialog::done(int result)
{
    QDialog::done(result);
    deleteLater();
}

void MessageDialog::on_OkButton_clicked()
{
    accept();
}

void MessageDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    roundWidget(this, 20);
}
