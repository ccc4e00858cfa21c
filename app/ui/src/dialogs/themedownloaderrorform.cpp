#include "ui/dialogs/themedownloaderrorform.h"
#include "ui/widgets/resources.h"
#include "ui/widgets/links.h"
#include "ui/tiles/themethumbnailform.h"
#include "ui_themedownloaderrorform.h"

ThemeDownloadErrorForm::ThemeDownloadErrorForm(QWidget* parent, const QString& reason)
    : QWidget(parent)
    , ui(new Ui::ThemeDownloadErrorForm)
{
    initUiResources();
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    ui->SupportLabel->setText(
        // The address on a line of its own: scripts without spaces would split it.
        QString("%1<br><a href=\"%2\" style=\"color: #0099ff;\">%2</a>")
            .arg(tr("If this problem persists, please contact our support at ").toHtmlEscaped(),
                 Links::support().toString()));
    // The reason tells support what went wrong; users can copy it.
    ui->ReasonLabel->setText(reason);
    ui->ReasonLabel->setVisible(!reason.isEmpty());
}

ThemeDownloadErrorForm::~ThemeDownloadErrorForm()
{
    delete ui;
}
