#include "ui/pages/selectaudioform.h"
#include "ui/widgets/resources.h"
#include "core/droppedfiles.h"
#include "core/rendercontroller.h"
#include "core/slideinput.h"
#include "ui/tiles/audiofileform.h"
#include "ui/widgets/coverpixmap.h"
#include "ui/dialogs/filedialogs.h"
#include "ui/dialogs/messagedialog.h"
#include "ui/widgets/filedrop.h"
#include "ui_selectaudioform.h"
#include "vidweave/audiotools.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMimeData>

SelectAudioForm::SelectAudioForm(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::SelectAudioForm)
{
    initUiResources();
    // selected() must pass queued and meta-object connections by its spelled-out type.
    registerCoreMetaTypes();
    ui->setupUi(this);
    for (QWidget* button : {static_cast<QWidget*>(ui->SelectAudioLabel),
                            static_cast<QWidget*>(ui->SelectAudioBtn),
                            static_cast<QWidget*>(ui->AddMoreButton),
                            static_cast<QWidget*>(ui->SkipButton)})
        button->setCursor(Qt::PointingHandCursor);
    // Once music is chosen the empty state is gone; more can still be added.
    connect(ui->AddMoreButton, &QPushButton::clicked, this, &SelectAudioForm::chooseFiles);
    setAcceptDrops(true);
    showListState(false);
}

SelectAudioForm::~SelectAudioForm()
{
    delete ui;
}

void SelectAudioForm::setTheme(const QString& name, const QString& thumbPath)
{
    ui->ThemeName->setText(name);
    ui->ThemePicture->setPixmap(
        coverPixmap(thumbPath, ui->ThemePicture->size(), ui->ThemePicture->devicePixelRatioF()));
}

void SelectAudioForm::setAudio(const MusicList& music)
{
    // Later, not now: the row whose remove button led here is still in its handler.
    for (AudioFileForm* row : m_rows) {
        row->hide();
        row->deleteLater();
    }
    m_rows.clear();
    for (const auto& info : music)
        if (info)
            addRow(info);
    showListState(!m_rows.isEmpty());
}

QList<AudioFileForm*> SelectAudioForm::rows() const
{
    return m_rows;
}

void SelectAudioForm::chooseFiles()
{
    const QStringList paths = askForFiles();
    if (paths.isEmpty())
        return;
    const QStringList refused = addMusic(paths);
    if (!refused.isEmpty())
        tellRefused(refused);
}

QStringList SelectAudioForm::addMusic(const QStringList& paths)
{
    MusicList added;
    QStringList refused;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (QString path : paths) {
        // A pipe or a device would keep the demuxer waiting for ever.
        const QSharedPointer<MediaFileInfo> info =
            isRegularFile(path) ? AudioTools::GetMediaFileInfo(path) : nullptr;
        // A track without length would only add silence of no length; say so instead.
        if (!info || !(info->getDuration() > 0)) {
            refused << QFileInfo(path).fileName();
            continue;
        }
        addRow(info);
        added.push_back(info);
    }
    QApplication::restoreOverrideCursor();
    showListState(!m_rows.isEmpty());
    if (!added.empty())
        emit selected(added);
    return refused;
}

void SelectAudioForm::dragEnterEvent(QDragEnterEvent* event)
{
    acceptFileDrop(event);
}

void SelectAudioForm::dropEvent(QDropEvent* event)
{
    if (!acceptFileDrop(event))
        return;
    const DroppedFiles drop = droppedMusic(event->mimeData()->urls());
    QStringList refused = drop.refused;
    for (const QString& name : addMusic(drop.paths))
        refused << name + QStringLiteral(": ") + tr("cannot be read as music");
    if (!refused.isEmpty())
        tellLeftOut(window(), refused);
}

void SelectAudioForm::addRow(QSharedPointer<MediaFileInfo> info)
{
    auto* row = new AudioFileForm(info, ui->AudioList);
    ui->AudioListLayout->insertWidget(m_rows.size(), row);
    connect(row, SIGNAL(remove(QWidget*)), this, SLOT(fileRemoved(QWidget*)));
    m_rows.append(row);
}

void SelectAudioForm::showListState(bool list)
{
    ui->EmptyArea->setVisible(!list);
    ui->ListArea->setVisible(list);
}

void SelectAudioForm::tellRefused(const QStringList& names)
{
    const QString message =
        names.size() == 1
            ? tr("\"%1\" cannot be read as music and was not added.").arg(names.first())
            : tr("These files cannot be read as music and were not added:\n%1")
                  .arg(names.join('\n'));
    auto* dialog = new MessageDialog(window(), message, QString());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
}

QStringList SelectAudioForm::askForFiles()
{
    return ::askForFiles(this, FileKind::Music, tr("Open Audio File"), tr("(*.mp3 *.m4a)"));
}

void SelectAudioForm::on_SelectAudioLabel_clicked()
{
    chooseFiles();
}

void SelectAudioForm::on_SelectAudioBtn_clicked()
{
    chooseFiles();
}

void SelectAudioForm::on_SkipButton_clicked()
{
    emit skip();
}

void SelectAudioForm::fileRemoved(QWidget* row)
{
    const int index = m_rows.indexOf(qobject_cast<AudioFileForm*>(row));
    if (index < 0)
        return;
    m_rows.removeAt(index);
    row->hide();
    row->deleteLater();
    if (m_rows.isEmpty())
        showListState(false);
    // Last: the receiver may show the page anew, rows and all.
    emit removed(index);
}
