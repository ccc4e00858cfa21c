#include "ui/mainwindow.h"

#include "ui/widgets/donebackbtnsform.h"
#include "ui/widgets/keyboard.h"
#include "ui/pages/doneform.h"
#include "ui/pages/downloadingthemeform.h"
#include "ui/dialogs/basedialog.h"
#include "ui/dialogs/filedialogs.h"
#include "ui/dialogs/messagedialog.h"
#include "ui/dialogs/previewdialog.h"
#include "ui/pages/renderprogressform.h"
#include "ui/widgets/resources.h"
#include "ui/pages/selectaudioform.h"
#include "ui/pages/selectimagesform.h"
#include "ui/pages/selectthemeform.h"
#include "ui/pages/settingsform.h"
#include "ui/dialogs/themedownloaderrordialog.h"

#include "common/endlogobase.h"
#include "common/release.h"
#include "core/prjmanager.h"
#include "core/rendercontroller.h"
#include "core/slideinput.h"
#include "core/stills.h"
#include "core/tmpldownloadmanager.h"
#include "vidweave/audiotools.h"
#include "vidweave/vidweave.h"

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const int buttonBarHeight = 66;

void clearLayout(QLayout* layout)
{
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* widget = item->widget())
            widget->hide();
        delete item;
    }
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), pageArea(new QWidget), buttonArea(new QWidget),
      controller(new RenderController(this))
{
    initUiResources(); // the background picture and the closing logo
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Pictavio"));
    resize(1000, 680);
    setMinimumSize(1000, 680);
    // The scroll bars of every page: dark, as the pages are.
    setStyleSheet(QStringLiteral(
        "#MainWindow { background-color: #374150;"
        " border-image: url(:/images/bg.png) 0 0 0 0 stretch stretch; }"
        "QScrollBar:vertical { background: transparent; width: 10px; margin: 0px; }"
        "QScrollBar::handle:vertical { background: #727c8d; border-radius: 5px; min-height: 40px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pageArea, 1);
    layout->addWidget(buttonArea);
    auto* pages = new QVBoxLayout(pageArea);
    pages->setContentsMargins(0, 0, 0, 0);
    auto* buttonsLayout = new QVBoxLayout(buttonArea);
    buttonsLayout->setContentsMargins(30, 10, 30, 10);
    buttonArea->setObjectName(QStringLiteral("ButtonBar"));
    buttonArea->setAttribute(Qt::WA_StyledBackground);
    buttonArea->setStyleSheet(QStringLiteral("#ButtonBar { background-color: #2E3745; }"));
    buttonArea->setFixedHeight(buttonBarHeight);
    setCentralWidget(central);

    VidweaveInit();
    TmplDownloadManager* downloads = TmplDownloadManager::instance();
    connect(downloads, &TmplDownloadManager::done, this, &MainWindow::tmplDownloaded);
    connect(downloads, &TmplDownloadManager::reselectTheme, this, &MainWindow::onReselectTheme);
    downloadErrors = std::make_unique<ThemeDownloadErrorHandler>(downloads, this);
    downloads->setErrorHandler(downloadErrors.get());

    connect(controller, &RenderController::done, this, &MainWindow::renderFinished);
    connect(controller, &RenderController::stopped, this, &MainWindow::renderStopped);
    connect(controller, &RenderController::failed, this, &MainWindow::renderFailed);
    showThemes();
}

MainWindow::~MainWindow()
{
    // A preview draws from the theme and the project until it is gone;
    // children would go only after the slideshow they read.
    qDeleteAll(findChildren<PreviewDialog*>(QString(), Qt::FindDirectChildrenOnly));
    TmplDownloadManager::instance()->setErrorHandler(nullptr);
    delete controller; // waits for a running render, which reads the theme
    controller = nullptr;
}

void MainWindow::tell(const QString& message)
{
    (new MessageDialog(this, message, QString()))->exec();
}

namespace {

QString fileNames(const QStringList& paths)
{
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    return names.join(QStringLiteral(", "));
}

} // namespace

QString MainWindow::askWhereMissingPicturesAre(int count)
{
    BaseDialog question(this, tr("Skip them"), tr("Look for them"), tr("Missing pictures"));
    auto* text = new QLabel(tr("Pictures of this project that are no longer where they were: %1. "
                               "Look for them in a folder and its subfolders?")
                                .arg(count));
    text->setObjectName("MissingPicturesLabel");
    text->setStyleSheet("color: white; font-size: 16pt;");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    question.setContent(text);
    bool look = false;
    connect(&question, &BaseDialog::done, &question, [&] {
        look = true;
        question.accept();
    });
    connect(&question, &BaseDialog::cancel, &question, &QDialog::reject);
    question.exec();
    if (!look)
        return QString();
    return askForFolder(this, FileKind::PictureFolder, tr("Where are the pictures now?"));
}

void MainWindow::findMissingPictures(ResumedProject& found)
{
    const QString folder = askWhereMissingPicturesAre(found.slides.missing.size());
    if (folder.isEmpty())
        return; // the slides page says they are left out
    const int missing = found.slides.missing.size();
    MovedPictures moved;
    QString why;
    if (!slideshow.findPictures(folder, &found, &moved, &why))
        tell(tr("The project could not be saved with the pictures found.") + QLatin1Char('\n') + why);
    QString text = tr("%1 of %2 missing pictures were found.").arg(moved.found.size()).arg(missing);
    const QString notFound = fileNames(moved.notFound);
    if (!notFound.isEmpty())
        text += QLatin1Char('\n') + tr("Not found, so left out: %1").arg(notFound);
    const QString twice = fileNames(moved.ambiguous);
    if (!twice.isEmpty())
        text += QLatin1Char('\n') + tr("In that folder more than once, so left out: %1").arg(twice);
    tell(text);
    // Told already: the slides page need not say it again.
    found.slides.missing.clear();
}

void MainWindow::showPage(int newStep, QWidget* newPage, const QString& doneText,
                          const QString& backText)
{
    currentStep = newStep;
    clearLayout(pageArea->layout());
    delete buttonBar;
    buttonBar = nullptr;
    page = newPage;
    pageArea->layout()->addWidget(newPage);
    newPage->show();
    nameControls(newPage);
    const bool withButtons = !doneText.isEmpty() || !backText.isEmpty();
    buttonArea->setVisible(withButtons);
    if (!withButtons)
        return;
    buttonBar = new DoneBackBtnsForm(buttonArea, doneText, backText);
    buttonArea->layout()->addWidget(buttonBar);
    buttonBar->show();
    nameControls(buttonBar);
}

bool MainWindow::focusNextPrevChild(bool next)
{
    QWidgetList stops = tabStops(page);
    stops += tabStops(buttonBar);
    if (stops.isEmpty())
        return QMainWindow::focusNextPrevChild(next);
    const int count = stops.size();
    const int at = stops.indexOf(QApplication::focusWidget());
    const int to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    focusControl(stops.at(to), next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void MainWindow::showThemes()
{
    if (!themePage) {
        themePage = new SelectThemeForm(this, TmplPathManager::instance());
        connect(themePage, &SelectThemeForm::themeSelected, this, &MainWindow::TmplSelected);
        connect(themePage, &SelectThemeForm::projectSelected, this, &MainWindow::onProjectSelected);
    }
    showPage(ThemeStep, themePage, QString(), QString());
}

void MainWindow::showMusic()
{
    if (!musicPage) {
        musicPage = new SelectAudioForm(this);
        connect(musicPage, &SelectAudioForm::selected, this, &MainWindow::audioSelected);
        connect(musicPage, &SelectAudioForm::skip, this, &MainWindow::audioDone);
        connect(musicPage, &SelectAudioForm::removed, this, &MainWindow::audioRemoved);
    }
    musicPage->setTheme(slideshow.themeRecord().name, slideshow.themeRecord().thumb);
    musicPage->setAudio(slideshow.music());
    showPage(MusicStep, musicPage, slideshow.music().empty() ? tr("Skip Audio") : tr("Done"),
             tr("Back to Themes"));
    connect(buttonBar, &DoneBackBtnsForm::done, this, &MainWindow::audioDone);
    connect(buttonBar, &DoneBackBtnsForm::back, this, &MainWindow::audioBack);
}

SelectImagesForm* MainWindow::slidesPage()
{
    if (!imagesPage) {
        imagesPage = new SelectImagesForm(this);
        connect(imagesPage, &SelectImagesForm::slidesCountChanged, this, &MainWindow::slidesCountChanged);
        connect(imagesPage, &SelectImagesForm::slidesUpdated, this, &MainWindow::slidesUpdated);
        connect(imagesPage, &SelectImagesForm::addAudio, this, &MainWindow::onAddAudio);
        connect(imagesPage, &SelectImagesForm::previewRequested, this, &MainWindow::openPreview);
    }
    return imagesPage;
}

void MainWindow::showSlides()
{
    SelectImagesForm* slides = slidesPage();
    showPage(SlidesStep, slides, tr("Done"), tr("Back to Music"));
    connect(buttonBar, &DoneBackBtnsForm::done, this, &MainWindow::slidesDone);
    connect(buttonBar, &DoneBackBtnsForm::back, this, &MainWindow::slidesBack);
    slides->setAudio(slideshow.music());
    slides->setTemplate(slideshow.themeId(), slideshow.theme());
    if (resumePending) {
        // A resumed project replaces what the page shows, even with no slides.
        resumePending = false;
        slides->setSlides(pendingSlides);
        pendingSlides = {};
    } else {
        slides->layoutSlides(nullptr, slides->collectSlides());
    }
    slidesCountChanged(slides->slidesCount());
}

void MainWindow::showSettings()
{
    if (!settingsPage) {
        settingsPage = new SettingsForm(this);
        connect(settingsPage, &SettingsForm::settingsUpdated, this, &MainWindow::onSettingsUpdated);
        connect(settingsPage, &SettingsForm::previewRequested, this, [this] {
            settings = settingsPage->settings(); // the closing picture as now ticked
            openPreview(-1);
        });
    }
    settingsPage->setSettings(settings);
    showPage(SettingsStep, settingsPage, tr("Make Video"), tr("Back"));
    connect(buttonBar, &DoneBackBtnsForm::done, this, &MainWindow::settingsDone);
    connect(buttonBar, &DoneBackBtnsForm::back, this, &MainWindow::settingsBack);
}

bool MainWindow::loadTemplate(int id)
{
    QString why;
    if (!slideshow.openTheme(id, &why)) {
        const QString name = TmplPathManager::instance()->tmplRecord(id).name;
        tell(tr("The theme \"%1\" cannot be read (%2). Please choose another theme.").arg(name, why));
        return false;
    }
    slidesUpdates = 0;
    if (!slideshow.themeComplete())
        slideshow.fetchTheme();
    return true;
}

void MainWindow::TmplSelected(int id)
{
    if (!loadTemplate(id))
        return;
    slideshow.startNewProject();
    showMusic();
}

void MainWindow::onProjectSelected(QString id)
{
    ResumedProject found;
    QString why;
    if (!slideshow.resume(id, &found, &why)) {
        tell(tr("This project cannot be read; it is left as it is.") + QLatin1Char('\n') + why);
        return;
    }
    if (!found.notice.isEmpty())
        tell(found.notice);
    if (!found.slides.missing.isEmpty())
        findMissingPictures(found);
    slidesUpdates = 0;
    if (!slideshow.themeComplete())
        slideshow.fetchTheme();
    for (int i = 0; i < found.missingMusic.size(); ++i)
        tell(tr("Missed audio file will be skipped."));
    pendingSlides = std::move(found.slides);
    resumePending = true;
    showSlides();
}

void MainWindow::audioSelected(std::list<QSharedPointer<MediaFileInfo> > files)
{
    slideshow.addMusic(files);
    showSlides();
}

void MainWindow::audioRemoved(int index)
{
    if (index < 0 || index >= int(slideshow.music().size()))
        return;
    slideshow.removeMusic(index);
    if (currentStep == MusicStep && slideshow.music().empty())
        showMusic(); // the forward button reads "Skip Audio" again
}

void MainWindow::audioDone()
{
    showSlides();
}

void MainWindow::audioBack()
{
    showThemes();
}

void MainWindow::slidesCountChanged(int count)
{
    if (currentStep != SlidesStep || !buttonBar)
        return;
    if (count > 0)
        buttonBar->showDone();
    else
        buttonBar->hideDone();
}

void MainWindow::slidesUpdated()
{
    // Every layout run knows the count, whichever way the slides changed.
    if (imagesPage)
        slidesCountChanged(imagesPage->slidesCount());
    if (++slidesUpdates <= 5)
        return;
    slidesUpdates = 0;
    saveProject();
}

void MainWindow::onAddAudio()
{
    showMusic();
    musicPage->chooseFiles();
}

bool MainWindow::saveProject()
{
    if (!imagesPage || slideshow.themeId() < 0)
        return false;
    QString error;
    if (slideshow.save(imagesPage->slideValues(), &error).isEmpty()) {
        // Once per run of failures: the autosave would repeat it every few changes.
        if (!saveFailing)
            tell(error);
        saveFailing = true;
        return false;
    }
    saveFailing = false;
    return true;
}

void MainWindow::slidesDone()
{
    slideshow.build(slidesPage()->playableSlides());
    saveProject();
    showSettings();
}

QSize MainWindow::previewSize() const
{
    // At most 960x540, and room around it on the window.
    const int width = std::min(960, int(this->width() * 0.8)) & ~1;
    return QSize(width, (width * 9 / 16) & ~1);
}

PreviewDialog* MainWindow::openPreview(int slide)
{
    if (!slideshow.themeComplete()) {
        tell(tr("The theme's videos are still being downloaded; the preview can play once they are here."));
        return nullptr;
    }
    const PlacementResult placed = slideshow.build(slidesPage()->playableSlides());
    if (placed.placedCount == 0) {
        tell(tr("There is nothing to preview yet: add photos or text scenes."));
        return nullptr;
    }
    previewRequest = slideshow.renderRequest(settings, QString());
    previewRequest.size = previewSize();
    const std::vector<int64_t> starts = sceneStarts(previewRequest);
    int64_t from = 0;
    if (slide >= 0 && slide < int(placed.included.size()) && placed.included[slide]) {
        const int placedIndex = int(std::count(placed.included.begin(), placed.included.begin() + slide, true));
        from = starts.at(sceneOfPlacedSlide(previewRequest, placedIndex));
    }
    const auto frames = int64_t(std::lround(videoSeconds(previewRequest) * 30));
    auto* player = new PreviewDialog(this, previewRequest, starts, frames, from);
    player->setAttribute(Qt::WA_DeleteOnClose);
    player->setWindowModality(Qt::ApplicationModal);
    player->show();
    return player;
}

void MainWindow::slidesBack()
{
    showMusic();
}

void MainWindow::onSettingsUpdated(VideoSettings newSettings)
{
    settings = newSettings;
}

void MainWindow::settingsDone()
{
    if (!settingsPage->checkResultDir())
        return;
    settings = settingsPage->settings();
    // A background damaged since it was fetched would fail the render: fetch it again.
    bool complete = slideshow.themeComplete();
    if (complete && !slideshow.dropUnusableBackgrounds().isEmpty()) {
        complete = false;
        slideshow.fetchTheme();
    }
    if (complete) {
        startRender();
        return;
    }
    if (!waitPage)
        waitPage = new DownloadingThemeForm(this);
    waitPage->setThumb(slideshow.themeRecord().thumb);
    showPage(WaitStep, waitPage, QString(), tr("Back"));
    connect(buttonBar, &DoneBackBtnsForm::back, this, &MainWindow::backToImages);
}

void MainWindow::settingsBack()
{
    showSlides();
}

void MainWindow::startRender()
{
    if (!renderPage) {
        renderPage = new RenderProgressForm(this);
        connect(controller, &RenderController::onProgress, renderPage, &RenderProgressForm::progress);
        connect(controller, &RenderController::onPreview, renderPage, &RenderProgressForm::preview);
    }
    renderPage->reset();
    showPage(RenderStep, renderPage, QString(), tr("Cancel"));
    connect(buttonBar, &DoneBackBtnsForm::back, this, &MainWindow::cancelVideoRendering);
    RenderRequest request = slideshow.renderRequest(settings, outputFilePath(settings.resultDir));
    // Videos are named by the time: one that another render took meanwhile is numbered.
    request.claim = OutputClaim::NextFree;
    controller->start(request);
}

void MainWindow::tmplDownloaded()
{
    if (currentStep == WaitStep)
        startRender();
}

void MainWindow::onReselectTheme()
{
    showThemes();
}

void MainWindow::cancelVideoRendering()
{
    controller->stop();
}

void MainWindow::renderStopped()
{
    showSlides();
}

void MainWindow::renderFinished(QString path)
{
    resultPath = path;
    delete donePage;
    donePage = new DoneForm(path, this);
    showPage(DoneStep, donePage, QString(), tr("Back"));
    connect(buttonBar, &DoneBackBtnsForm::back, this, &MainWindow::backToImages);
}

void MainWindow::renderFailed(QString reason)
{
    tell(tr("The video could not be made: %1").arg(reason));
    showSettings();
}

void MainWindow::backToImages()
{
    showSlides();
}
