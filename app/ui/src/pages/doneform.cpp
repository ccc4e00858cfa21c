#include "ui/pages/doneform.h"
#include "ui/widgets/resources.h"
#include "ui/widgets/links.h"
#include "ui/dialogs/messagedialog.h"
#include "ui_doneform.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

DoneForm::DoneForm(const QString& resultPath, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::DoneForm)
    , m_resultPath(resultPath)
{
    initUiResources();
    ui->setupUi(this);
    for (QWidget* button : findChildren<QPushButton*>())
        button->setCursor(Qt::PointingHandCursor);
    ui->ResultPathLabel->setText(QDir::toNativeSeparators(resultPath));
    ui->SupportLabel->setText(
        tr("Questions or ideas? <a href=\"%1\" style=\"color: #0099ff;\">Contact us</a>")
            .arg(supportUrl().toString()));
    connect(ui->SupportLabel, &QLabel::linkActivated, this,
            [this](const QString& link) { openOrTell(QUrl(link)); });
}

DoneForm::~DoneForm()
{
    delete ui;
}

QString DoneForm::resultPath() const
{
    return m_resultPath;
}

QUrl DoneForm::supportUrl()
{
    return Links::support();
}

bool DoneForm::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

void DoneForm::openOrTell(const QUrl& url)
{
    Links::openOrTell(this, url, [this](const QUrl& address) { return openUrl(address); });
}

void DoneForm::playVideo()
{
    openOrTell(QUrl::fromLocalFile(m_resultPath));
}

void DoneForm::on_ShowResFileButton_clicked()
{
    on_showFile();
}

#if defined(Q_OS_LINUX)
namespace {

// Asks the desktop's file manager to show the file selected; false when none
// answers (no session bus, or a desktop without that service).
bool showSelected(const QString& path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    return bus.call(call, QDBus::Block, 3000).type() == QDBusMessage::ReplyMessage;
}

} // namespace
#endif

// The file is shown selected where the system can; else its folder is opened.
void DoneForm::on_showFile()
{
    const QFileInfo info(m_resultPath);
#if defined(Q_OS_LINUX)
    if (!info.isDir() && showSelected(info.absoluteFilePath()))
        return;
#elif defined(Q_OS_WIN)
    const QString native = QDir::toNativeSeparators(m_resultPath);
    const QStringList args =
        info.isDir() ? QStringList{native} : QStringList{QStringLiteral("/select,"), native};
    if (QProcess::startDetached(QStringLiteral("explorer"), args))
        return;
#elif defined(Q_OS_MACOS)
    if (!info.isDir() && QProcess::startDetached(QStringLiteral("open"), {"-R", m_resultPath}))
        return;
#endif
    openOrTell(QUrl::fromLocalFile(info.isDir() ? info.absoluteFilePath() : info.absolutePath()));
}

void DoneForm::on_DoneSign_clicked()
{
    playVideo();
}

void DoneForm::on_PlayVideoButton_clicked()
{
    playVideo();
}

void DoneForm::on_FBButton_clicked()
{
    openOrTell(Links::shareFacebook());
}

void DoneForm::on_YTButton_clicked()
{
    openOrTell(Links::shareYouTube());
}

void DoneForm::on_VimeoButton_clicked()
{
    openOrTell(Links::shareVimeo());
}
