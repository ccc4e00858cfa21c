#include "ui/tiles/projectform.h"
#include "ui/widgets/coverpixmap.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/keyboard.h"
#include "ui/widgets/resources.h"
#include "ui/widgets/roundedmask.h"
#include "ui/tiles/themethumbnailform.h"
#include "ui_projectform.h"

#include <QLocale>
#include <QImage>

namespace {

const int smallPreviewSide = 40;

} // namespace

ProjectForm::ProjectForm(const ProjectEntry& entry, const QString& id, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ProjectForm)
    , id(id)
{
    initUiResources();
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    ui->ResumeButton->setCursor(Qt::PointingHandCursor);
    ui->DeleteButton->setCursor(Qt::PointingHandCursor);
    QLabel* preview = ui->PreviewLabel;
    QPixmap picture = coverPixmap(entry.thumb, preview->size(), preview->devicePixelRatioF());
    if (picture.isNull())
        picture = coverPixmap(":/images/theme-placeholder.png", preview->size(),
                              preview->devicePixelRatioF());
    preview->setPixmap(picture);
    setTexts(entry);
    addSmallPreviews(entry.smallThumbs);
    nameControls(this, entry.name.isEmpty() ? tr("Untitled project") : entry.name);
}

ProjectForm::~ProjectForm()
{
    delete ui;
}

void ProjectForm::setTexts(const ProjectEntry& entry)
{
    // A project whose summary could not be read still needs a readable line.
    const QString name = entry.name.isEmpty() ? tr("Untitled project") : entry.name;
    const QString date = entry.modified.isValid() ? QLocale().toString(entry.modified.date(), QLocale::LongFormat)
                                                  : QString();
    ui->NameLabel->setText(QString("<b>%1</b> - %2").arg(name.toHtmlEscaped(), date));
    const QString audio = entry.audio.isEmpty() ? tr("none") : entry.audio;
    showElided(ui->AudioLabel, audio, tr("Audio"));
    ui->SlidesLabel->setText(
        QString("<b>%1</b>: %2").arg(tr("Slides")).arg(qMax(0, entry.slidesNumber)));
}

void ProjectForm::addSmallPreviews(const QStringList& paths)
{
    const QSize side(smallPreviewSide, smallPreviewSide);
    for (const QString& path : paths) {
        auto* label = new QLabel(ui->SmallPreviews);
        label->setFixedSize(side);
        label->setPixmap(coverPixmap(path, side, label->devicePixelRatioF()));
        ui->SmallPreviewsLayout->addWidget(label);
    }
    ui->SmallPreviewsLayout->addStretch();
    ui->SmallPreviews->setVisible(!paths.isEmpty());
}

void ProjectForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!size().isEmpty())
        roundWidget(this, 7);
}

void ProjectForm::on_ResumeButton_clicked()
{
    emit projectSelected(id);
}

void ProjectForm::on_DeleteButton_clicked()
{
    emit projectDeleted(this, id);
}
