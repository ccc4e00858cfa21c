#include "ui/pages/settingsform.h"
#include "ui/widgets/resources.h"
#include "ui/dialogs/filedialogs.h"
#include "ui/dialogs/messagedialog.h"
#include "core/metatypes.h"
#include "ui_settingsform.h"

#include <QDir>

SettingsForm::SettingsForm(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::SettingsForm)
{
    initUiResources();
    registerCoreMetaTypes();
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    ui->SettingsDirBtn->setCursor(Qt::PointingHandCursor);
    connect(ui->PreviewBtn, &QPushButton::clicked, this, &SettingsForm::previewRequested);
    setSettings(VideoSettings());
}

SettingsForm::~SettingsForm()
{
    delete ui;
}

void SettingsForm::setSettings(const VideoSettings& settings)
{
    setResultDir(settings.resultDir);
    ui->LogoCheckBox->setChecked(settings.endLogo);
    // Exclusive buttons cannot show neither checked for an unknown quality.
    for (QRadioButton* button : {ui->HDRadioButton, ui->FullHDRadioButton})
        button->setAutoExclusive(false);
    ui->HDRadioButton->setChecked(settings.quality == VideoQuality::HD);
    ui->FullHDRadioButton->setChecked(settings.quality == VideoQuality::FullHD);
    for (QRadioButton* button : {ui->HDRadioButton, ui->FullHDRadioButton})
        button->setAutoExclusive(true);
}

VideoSettings SettingsForm::settings() const
{
    VideoSettings s;
    s.quality = ui->HDRadioButton->isChecked() ? VideoQuality::HD : VideoQuality::FullHD;
    s.resultDir = ui->SettingsDirEdit->text();
    s.endLogo = ui->LogoCheckBox->checkState() == Qt::Checked;
    return s;
}

bool SettingsForm::checkResultDir()
{
    QString error;
    if (prepareResultDir(ui->SettingsDirEdit->text(), &error))
        return true;
    tell(error);
    return false;
}

void SettingsForm::updateSettings()
{
    emit settingsUpdated(settings());
}

QString SettingsForm::askForDir(const QString& start)
{
    return ::askForFolder(this, FileKind::ResultFolder, tr("Result Directory"), start);
}

void SettingsForm::setResultDir(const QString& dir)
{
    const QString shown = QDir::toNativeSeparators(dir);
    ui->SettingsDirEdit->setText(shown);
    ui->SettingsDirEdit->setToolTip(shown);
    ui->SettingsDirEdit->setCursorPosition(0);
}

void SettingsForm::tell(const QString& message)
{
    auto* dialog = new MessageDialog(window(), message, QString());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
}

void SettingsForm::on_SettingsDirBtn_clicked()
{
    const QString dir = askForDir(ui->SettingsDirEdit->text());
    if (dir.isEmpty())
        return;
    // A folder that cannot take the video is refused now, not when the render fails.
    QString error;
    if (!prepareResultDir(dir, &error)) {
        tell(error);
        return;
    }
    setResultDir(dir);
    updateSettings();
}

void SettingsForm::on_LogoCheckBox_clicked()
{
    updateSettings();
}

void SettingsForm::on_HDRadioButton_clicked()
{
    updateSettings();
}

void SettingsForm::on_FullHDRadioButton_clicked()
{
    updateSettings();
}
