#include "ui/dialogs/messagedialog.h"
#include "ui/widgets/keyboard.h"
#include "ui/widgets/roundedmask.h"
#include "ui_messagedialog.h"

MessageDialog::MessageDialog(QWidget* parent, const QString& message, const QString& buttonText)
    : QDialog(parent)
    , ui(new Ui::MessageDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    ui->MessageDialogText->setText(message);
    fitMessageWidth();
    // Callers may pass no text; a button without one could not be found.
    ui->OkButton->setText(buttonText.isEmpty() ? tr("OK") : buttonText);
    ui->OkButton->setCursor(Qt::PointingHandCursor);
    nameControls(this);
    adjustSize();
    roundWidget(this, 20);
}

// A wrapping label would break even a short message; widen it up to its maximum first.
void MessageDialog::fitMessageWidth()
{
    QLabel* label = ui->MessageDialogText;
    label->ensurePolished();
    const int wanted = label->fontMetrics().horizontalAdvance(label->text()) + 8;
    label->setMinimumWidth(qBound(label->minimumWidth(), wanted, label->maximumWidth()));
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

void tellLeftOut(QWidget* window, const QStringList& lines)
{
    const int shown = 10;
    QStringList list = lines.mid(0, shown);
    if (lines.size() > shown)
        list << MessageDialog::tr("… and %n more", nullptr, lines.size() - shown);
    const QString message = lines.size() == 1
                                ? MessageDialog::tr("This was not added:\n%1").arg(list.first())
                                : MessageDialog::tr("These were not added:\n%1").arg(list.join('\n'));
    auto* dialog = new MessageDialog(window, message, QString());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
}
