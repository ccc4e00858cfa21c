#include "ui/dialogs/themedownloaderrordialog.h"
#include "ui/dialogs/themedownloaderrorform.h"

#include <QPushButton>

namespace {

bool fits(QPushButton* button, const QString& text, int room)
{
    button->ensurePolished();
    return button->fontMetrics().horizontalAdvance(text) + 8 <= room;
}

// The frame cuts a button text that is wider than its half of the bar, as "Select
// other theme" is at the frame's size; a smaller size for both keeps them whole.
void fitButtons(QWidget* dialog, const QString& cancelText, const QString& doneText)
{
    auto* cancel = dialog->findChild<QPushButton*>("CancelBtn");
    auto* done = dialog->findChild<QPushButton*>("DoneBtn");
    if (!cancel || !done || (cancel->text() == cancelText && done->text() == doneText))
        return;
    const int cancelRight = cancel->x() + cancel->width();
    const int doneRoom = done->parentWidget()->width() - done->x() - 8;
    for (int points = 15; points >= 10; --points) {
        const QString size = QString("font-size: %1pt;").arg(points);
        cancel->setStyleSheet(size);
        done->setStyleSheet(size);
        if (fits(cancel, cancelText, cancelRight - 8) && fits(done, doneText, doneRoom))
            break;
    }
    cancel->setText(cancelText);
    done->setText(doneText);
    cancel->resize(cancel->sizeHint().width(), cancel->height());
    cancel->move(cancelRight - cancel->width(), cancel->y());
    done->resize(done->sizeHint().width(), done->height());
}

} // namespace

ThemeDownloadErrorDialog::ThemeDownloadErrorDialog(QWidget* parent, const QString& reason)
    : BaseDialog(parent, tr("Select other theme"), tr("Retry download"), tr("Network problem"))
{
    setContent(new ThemeDownloadErrorForm(this, reason));
    fitButtons(this, tr("Select other theme"), tr("Retry download"));
    connect(this, &BaseDialog::done, this, &ThemeDownloadErrorDialog::onDone);
    connect(this, &BaseDialog::cancel, this, &ThemeDownloadErrorDialog::onCancel);
}

void ThemeDownloadErrorDialog::reject()
{
    onCancel();
}

void ThemeDownloadErrorDialog::onDone()
{
    if (answered)
        return;
    answered = true;
    emit retry();
    hide();
    deleteLater();
}

void ThemeDownloadErrorDialog::onCancel()
{
    if (answered)
        return;
    answered = true;
    emit reselectTheme();
    hide();
    deleteLater();
}

ThemeDownloadErrorHandler::ThemeDownloadErrorHandler(TmplDownloadManager* manager, QWidget* window)
    : manager(manager)
    , window(window)
{
}

void ThemeDownloadErrorHandler::downloadFailed(const QString& reason)
{
    // One question at a time: the queue waits for that answer anyway.
    if (open && open->isVisible())
        return;
    open = new ThemeDownloadErrorDialog(window, reason);
    QObject::connect(open, &ThemeDownloadErrorDialog::retry, manager,
                     &TmplDownloadManager::onRedownload, Qt::QueuedConnection);
    QObject::connect(open, &ThemeDownloadErrorDialog::reselectTheme, manager,
                     &TmplDownloadManager::onReselectTheme, Qt::QueuedConnection);
    open->setWindowModality(Qt::ApplicationModal);
    open->show();
}
