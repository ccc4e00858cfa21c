#include "ui/pages/selectimagesform.h"
#include "ui_selectimagesform.h"

#include <QApplication>

#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/filedrop.h"
#include "ui/widgets/flowlayout.h"
#include "ui/dialogs/filedialogs.h"
#include "ui/tiles/imageslideform.h"
#include "ui/tiles/mediaform.h"
#include "ui/dialogs/messagedialog.h"
#include "ui/widgets/filedrop.h"
#include "ui/tiles/slideform.h"
#include "ui/dialogs/textscenedialog.h"
#include "ui/tiles/textslideform.h"
#include "ui/tiles/thumbform.h"

#include "common/baseprjfactory.h"
#include "core/droppedfiles.h"
#include "core/photoformats.h"
#include "core/slideinput.h"
#include "core/thumbgenerator.h"
#include "core/timing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QShowEvent>

QString timelineText(float total, float music, int* percent)
{
    QString text = clockText(total);
    *percent = 0;
    if (music > 0) {
        *percent = int(total / music * 100.f);
        text += QStringLiteral(" / ") + clockText(music);
    }
    return text + QLatin1Char(' ');
}

SelectImagesForm::SelectImagesForm(QWidget* parent)
    : QWidget(parent), ui(new Ui::SelectImagesForm), factory(std::make_unique<BasePrjFactory>())
{
    ui->setupUi(this);
    connect(ui->Slides, &MediaForm::slidesCountChanged, this,
            &SelectImagesForm::slidesCountChangedSlot);
    connect(ui->Slides, &MediaForm::slidesOrderCahanged, this,
            &SelectImagesForm::slidesOrderCahangedSlot);
    connect(ui->Slides, &MediaForm::filesDropped, this, &SelectImagesForm::addDropped);
    setAcceptDrops(true);
    connect(ui->AddAudioButton, &QPushButton::clicked, this,
            &SelectImagesForm::on_AddAudioBtnClicked);
    ui->TimeLine->installEventFilter(this);
    // Many tiles may turn out broken at once: one layout run for all of them.
    relayout.setSingleShot(true);
    relayout.setInterval(0);
    connect(&relayout, &QTimer::timeout, this, [this] { layoutSlides(nullptr, collectSlides()); });
    showMusic({});
    updateTimeline(0);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (QWidget* w = now; w && w != this; w = w->parentWidget())
            if (auto* tile = qobject_cast<SlideForm*>(w))
                lastTile = tile;
    });
}

SelectImagesForm::~SelectImagesForm()
{
    delete ui;
}

MediaForm* SelectImagesForm::slidesArea() const
{
    return ui->Slides;
}

void SelectImagesForm::setTemplate(int id, ITmpl* newTmpl)
{
    tmplId = id;
    tmpl = newTmpl;
}

void SelectImagesForm::setAudio(const MusicList& tracks)
{
    musicLength = 0;
    for (const auto& track : tracks)
        if (track)
            musicLength += track->getDuration();
    showMusic(tracks);
    updateTimeline(total);
}

void SelectImagesForm::showMusic(const MusicList& tracks)
{
    // Emptied rather than deleted, so that music chosen later still shows.
    ui->AudioTitle->clear();
    ui->AudioTitleBig->clear();
    ui->AudioArtist->clear();
    if (tracks.size() == 1 && tracks.front()) {
        const MediaFileInfo& track = *tracks.front();
        if (!track.getArtist().isEmpty()) {
            showElided(ui->AudioArtist, track.getArtist());
            showElided(ui->AudioTitle, track.getDisplayTitle());
        } else {
            showElided(ui->AudioTitleBig, track.getDisplayTitle());
        }
    } else if (tracks.size() > 1) {
        showElided(ui->AudioTitleBig, QString::number(tracks.size()) + QLatin1Char(' ') + tr("Audio Files"));
    }
    ui->AudioTitle->setVisible(!ui->AudioTitle->text().isEmpty());
    ui->AudioArtist->setVisible(!ui->AudioArtist->text().isEmpty());
    ui->AudioTitleBig->setVisible(!ui->AudioTitleBig->text().isEmpty());
}

void SelectImagesForm::updateTimeline(float seconds)
{
    int percent = 0;
    ui->DurationLabel->setText(timelineText(seconds, musicLength, &percent));
    ui->TimeLineProgressBar->setValue(qBound(0, percent, 100));
    // Without music there is no share to tell.
    ui->TimeLineProgressBar->setTextVisible(musicLength > 0);
}

int SelectImagesForm::slidesCount() const
{
    return ui->Slides->slidesCount();
}

std::list<SlideEntry> SelectImagesForm::collectSlides() const
{
    std::list<SlideEntry> entries;
    for (QWidget* widget : ui->Slides->slides()) {
        auto* tile = qobject_cast<SlideForm*>(widget);
        if (tile)
            entries.push_back({tile->value(), tile->kind(), tile, tile->rotation()});
    }
    return entries;
}

SlideForm* SelectImagesForm::createTile(const SlideEntry& entry, int at)
{
    SlideForm* tile = nullptr;
    if (entry.kind == SceneImg) {
        tile = ui->Slides->addImageSlide(entry.value, entry.rotation, at);
    } else {
        auto* text = ui->Slides->addTextSlide(entry.value, tmpl ? tmpl->GetTextMaxSize() : 0, at);
        connect(text, &TextSlideForm::editRequested, this, &SelectImagesForm::editText);
        tile = text;
    }
    // A picture found unreadable leaves the video: duration, cut and dimming follow.
    connect(tile, &SlideForm::brokenChanged, &relayout, qOverload<>(&QTimer::start));
    return tile;
}

void SelectImagesForm::layoutSlides(SceneMediaList* out, std::list<SlideEntry> slides)
{
    if (slides.empty()) {
        total = 0;
        updateTimeline(0);
        return;
    }
    ui->TipsLabel->hide();
    MediaForm* area = ui->Slides;
    area->setAutoScroll(true);

    // Tiles are made one by one with the event loop running in between, so
    // the window stays responsive while hundreds appear; a tile may go away
    // meanwhile, hence the guarded pointers.
    bool created = false;
    std::vector<QPointer<SlideForm>> tiles;
    for (SlideEntry& entry : slides) {
        if (!entry.widget) {
            // New tiles go right after the one before them in the list.
            QWidget* previous = tiles.empty() ? nullptr : tiles.back().data();
            const int at = tiles.empty() ? 0 : previous ? area->flowLayout()->indexOf(previous) + 1 : -1;
            entry.widget = createTile(entry, at);
            created = true;
            QCoreApplication::processEvents();
        }
        tiles.emplace_back(entry.widget);
    }

    // A picture that cannot be read stays a tile but plays no part.
    std::vector<PlacementSlide> playable;
    std::vector<SlideForm*> playing;
    for (const QPointer<SlideForm>& tile : tiles) {
        if (!tile || tile->isBroken())
            continue;
        playable.push_back({tile->value(), tile->kind(), tile->rotation()});
        playing.push_back(tile);
    }
    PlacementResult result;
    if (tmpl)
        result = placeSlides(playable, *tmpl, musicLength, out ? factory.get() : nullptr, out);
    else
        result.included.assign(playable.size(), false), result.textPreview.assign(playable.size(), nullptr);

    for (const QPointer<SlideForm>& tile : tiles)
        if (tile && tile->isBroken())
            tile->thumb()->setActive(false);
    for (size_t i = 0; i < playing.size(); ++i) {
        playing[i]->thumb()->setActive(result.included[i]);
        if (auto* text = qobject_cast<TextSlideForm*>(playing[i]))
            if (result.textPreview[i])
                text->setScene(tmplId, result.textPreview[i]);
    }

    total = result.totalDuration;
    updateTimeline(total);
    area->hideSeparator();
    if (!tmpl || result.separatorIndex >= 0) {
        const size_t cut = tmpl ? size_t(result.separatorIndex) : 0;
        const int at = cut < playing.size() ? area->slides().indexOf(playing[cut]) : area->slidesCount();
        area->showSeparatorAt(at);
    }
    area->setAutoScroll(false);
    if (created)
        area->scrollToBottom();
    chainTabOrder();
    emit slidesUpdated();
}

// Tab walks the tiles in the order they play, also after a drag moved one.
void SelectImagesForm::chainTabOrder()
{
    QWidget* previous = ui->PreviewBtn;
    for (QWidget* tile : ui->Slides->slides()) {
        setTabOrder(previous, tile);
        previous = tile;
    }
    setTabOrder(previous, ui->AddAudioButton);
}

SceneMediaList SelectImagesForm::buildSceneMedia()
{
    SceneMediaList list;
    layoutSlides(&list, collectSlides());
    return list;
}

void SelectImagesForm::addImages(const QStringList& paths, int at)
{
    std::list<SlideEntry> entries = collectSlides();
    auto place = at < 0 || size_t(at) >= entries.size() ? entries.end() : std::next(entries.begin(), at);
    bool missed = false;
    for (const QString& path : paths) {
        // A pipe or a device would keep the thumbnail workers waiting for ever.
        if (isRegularFile(path))
            entries.insert(place, {path, SceneImg, nullptr, 0});
        else
            missed = true;
    }
    if (missed)
        (new MessageDialog(window(), tr("Missed image files will be skipped."), QString()))->exec();
    ThumbGenerator* thumbs = ThumbGenerator::instance();
    thumbs->pauseFullStage();
    layoutSlides(nullptr, entries);
    thumbs->resumeFullStage();
}

void SelectImagesForm::setSlides(const SlideList& slides)
{
    setSlides(slidesOfProject(slides, tmpl));
}

void SelectImagesForm::setSlides(const ProjectSlides& project)
{
    std::list<SlideEntry> entries;
    for (const PlacementSlide& slide : project.slides)
        entries.push_back({slide.value, slide.kind, nullptr, slide.rotation});
    if (!project.missing.isEmpty() || !project.notFiles.isEmpty())
        (new MessageDialog(window(), tr("Missed image files will be skipped."), QString()))->exec();
    ui->Slides->clearSlides();
    if (entries.empty()) {
        layoutSlides(nullptr, {});
        emit slidesCountChanged(0);
        return;
    }
    ThumbGenerator::instance()->pauseFullStage();
    layoutSlides(nullptr, entries);
    ThumbGenerator::instance()->resumeFullStage();
    emit slidesCountChanged(slidesCount());
}

std::vector<PlacementSlide> SelectImagesForm::slideValues() const
{
    std::vector<PlacementSlide> values;
    for (const SlideEntry& entry : collectSlides())
        values.push_back({entry.value, entry.kind, entry.rotation});
    return values;
}

std::vector<PlacementSlide> SelectImagesForm::playableSlides() const
{
    std::vector<PlacementSlide> playable;
    for (const SlideEntry& entry : collectSlides())
        if (!entry.widget || !entry.widget->isBroken())
            playable.push_back({entry.value, entry.kind, entry.rotation});
    return playable;
}

void SelectImagesForm::slidesCountChangedSlot(int slides_count)
{
    layoutSlides(nullptr, collectSlides());
    emit slidesCountChanged(slides_count);
}

void SelectImagesForm::slidesOrderCahangedSlot()
{
    layoutSlides(nullptr, collectSlides());
}

QStringList SelectImagesForm::askForPictures()
{
    return askForFiles(this, FileKind::Pictures, tr("Import Image Files"),
                       "(" + photoNamePatterns().join(' ') + ")");
}

QString SelectImagesForm::askForFolder()
{
    return ::askForFolder(this, FileKind::PictureFolder, QString());
}

void SelectImagesForm::on_ImportFilesBtn_clicked()
{
    const QStringList paths = askForPictures();
    if (paths.isEmpty())
        return;
    addImages(paths);
    emit slidesCountChanged(slidesCount());
}

void SelectImagesForm::on_ImportFolderBtn_clicked()
{
    const QString folder = askForFolder();
    if (folder.isEmpty())
        return;
    const QStringList paths = picturesInFolder(folder);
    if (paths.isEmpty())
        return;
    addImages(paths);
    emit slidesCountChanged(slidesCount());
}

void SelectImagesForm::addDropped(const QList<QUrl>& urls, int at)
{
    const DroppedFiles drop = droppedPictures(urls);
    if (!drop.paths.isEmpty()) {
        addImages(drop.paths, at);
        emit slidesCountChanged(slidesCount());
    }
    if (!drop.refused.isEmpty())
        tellLeftOut(window(), drop.refused);
}

// Over the tips or the buttons, a drop goes after the last slide.
void SelectImagesForm::dragEnterEvent(QDragEnterEvent* event)
{
    acceptFileDrop(event);
}

void SelectImagesForm::dropEvent(QDropEvent* event)
{
    if (!acceptFileDrop(event))
        return;
    addDropped(event->mimeData()->urls(), -1);
}

void SelectImagesForm::on_PreviewBtn_clicked()
{
    // The tile the user last worked on: focus has moved to the button by now.
    int slide = -1;
    int playable = 0;
    for (const SlideEntry& entry : collectSlides()) {
        if (entry.widget && entry.widget->isBroken())
            continue;
        if (entry.widget && entry.widget == lastTile)
            slide = playable;
        ++playable;
    }
    emit previewRequested(slide);
}

void SelectImagesForm::on_AddTextSceneBtn_clicked()
{
    auto* dialog = new TextSceneDialog(window(), QString(), tmpl ? tmpl->GetTextMaxSize() : 0);
    connect(dialog, &TextSceneDialog::textEntered, this, &SelectImagesForm::on_TextSceneAdded);
    dialog->setModal(true);
    dialog->show();
}

void SelectImagesForm::on_TextSceneAdded(QString text)
{
    SlideEntry entry{text, SceneText, nullptr, 0};
    createTile(entry);
    layoutSlides(nullptr, collectSlides());
    ui->Slides->scrollToBottom();
    emit slidesCountChanged(slidesCount());
}

void SelectImagesForm::editText(TextSlideForm* tile)
{
    auto* dialog = new TextSceneDialog(window(), tile->text(), tmpl ? tmpl->GetTextMaxSize() : 0);
    QPointer<TextSlideForm> guarded(tile);
    connect(dialog, &TextSceneDialog::textEntered, this, [this, guarded](const QString& text) {
        if (!guarded)
            return;
        guarded->setText(text);
        layoutSlides(nullptr, collectSlides());
    });
    dialog->setModal(true);
    dialog->show();
}

void SelectImagesForm::on_AddAudioBtnClicked(bool)
{
    emit addAudio();
}

void SelectImagesForm::hideEvent(QHideEvent* event)
{
    // Leaving the page, not minimising the window: waiting requests would
    // only hold the workers. Tiles keep what they have and ask again on return.
    if (!event->spontaneous())
        for (QWidget* widget : ui->Slides->slides())
            if (auto* tile = qobject_cast<SlideForm*>(widget))
                tile->withdrawThumbnail();
    QWidget::hideEvent(event);
}

void SelectImagesForm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        for (QWidget* widget : ui->Slides->slides())
            if (auto* tile = qobject_cast<SlideForm*>(widget))
                tile->resumeThumbnail();
    QWidget::showEvent(event);
}

bool SelectImagesForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->TimeLine && (event->type() == QEvent::Paint || event->type() == QEvent::Resize))
        placeAddButton();
    return QWidget::eventFilter(watched, event);
}

void SelectImagesForm::placeAddButton()
{
    const QRect bar = ui->TimeLineProgressBar->geometry();
    const QSize size = ui->AddAudioButton->size();
    ui->AddAudioButton->move(bar.right() - size.width() / 2, bar.center().y() - size.height() / 2);
    ui->AddAudioButton->raise();
}
