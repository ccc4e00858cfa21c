#include "ui/tiles/audiofileform.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/keyboard.h"
#include "ui/widgets/resources.h"
#include "ui_audiofileform.h"

#include <cmath>

AudioFileForm::AudioFileForm(QSharedPointer<MediaFileInfo> info, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::AudioFileForm)
    , m_info(info)
{
    initUiResources();
    ui->setupUi(this);
    ui->RemoveButton->setCursor(Qt::PointingHandCursor);
    showElided(ui->TitleLabel, info->getDisplayTitle());
    showElided(ui->ArtistLabel, info->getArtist());
    ui->ArtistLabel->setVisible(!info->getArtist().isEmpty());
    ui->DurationLabel->setText(durationText(info->getDuration()));
    nameControls(this, info->getDisplayTitle());
}

AudioFileForm::~AudioFileForm()
{
    delete ui;
}

QSharedPointer<MediaFileInfo> AudioFileForm::info() const
{
    return m_info;
}

QString AudioFileForm::durationText(float seconds)
{
    // Not-a-number and negative lengths come from damaged files; they read as nothing.
    const qint64 whole = std::isfinite(seconds) && seconds > 0 ? qint64(seconds) : 0;
    const QString minSec =
        QStringLiteral("%1:%2").arg(whole / 60 % 60).arg(whole % 60, 2, 10, QChar('0'));
    if (whole < 3600)
        return minSec;
    return QStringLiteral("%1:%2").arg(whole / 3600).arg(minSec.rightJustified(5, QChar('0')));
}

void AudioFileForm::on_RemoveButton_clicked()
{
    emit remove(this);
}
