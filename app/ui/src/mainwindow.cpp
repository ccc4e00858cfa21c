#include "ui/mainwindow.h"

#include "ui/donebackbtnsform.h"
#include "ui/keyboard.h"
#include "ui/doneform.h"
#include "ui/downloadingthemeform.h"
#include "ui/messagedialog.h"
#include "ui/renderprogressform.h"
#include "ui/resources.h"
#include "ui/selectaudioform.h"
#include "ui/selectimagesform.h"
#include "ui/selectthemeform.h"
#include "ui/settingsform.h"
#include "ui/themedownloaderrordialog.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/endlogobase.h"
#include "common/release.h"
#include "core/prjmanager.h"
#include "core/rendercontroller.h"
#include "core/slideinput.h"
#include "core/tmpldownloadmanager.h"
#include "docloom/tmplxmlparser.h"
#include "vidweave/audiotools.h"
#include "vidweave/vidweave.h"

#include <QApplication>
#include <QFile>
#include <QVBoxLayout>

namespace {

const int buttonBarHeight = 66;
// Every sixth slides update saves the project, across pages and projects.
int slidesUpdates = 0;

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
      paths(TmplPathManager::instance()), factory(std::make_unique<BasePrjFactory>()),
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

    // Videos are named by the time: one that another render took meanwhile is numbered.
    controller->setOutputClaim(OutputClaim::NextFree);
    connect(controller, &RenderController::done, this, &MainWindow::renderFinished);
    connect(controller, &RenderController::stopped, this, &MainWindow::renderStopped);
    connect(controller, &RenderController::failed, this, &MainWindow::renderFailed);
    showThemes();
}

MainWindow::~MainWindow()
{
    TmplDownloadManager::instance()->setErrorHandler(nullptr);
    delete controller; // waits for a running render, which reads the template
    controller = nullptr;
    prj.reset();
    ClearSceneMedia(sceneMedia);
    ReleaseTmpl(tmpl);
}

void MainWindow::tell(const QString& message)
{
    (new MessageDialog(this, message, QString()))->exec();
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
        themePage = new SelectThemeForm(this, paths);
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
    musicPage->setTheme(record.name, record.thumb);
    musicPage->setAudio(music);
    showPage(MusicStep, musicPage, music.empty() ? tr("Skip Audio") : tr("Done"),
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
    }
    return imagesPage;
}

void MainWindow::showSlides()
{
    SelectImagesForm* slides = slidesPage();
    showPage(SlidesStep, slides, tr("Done"), tr("Back to Music"));
    connect(buttonBar, &DoneBackBtnsForm::done, this, &MainWindow::slidesDone);
    connect(buttonBar, &DoneBackBtnsForm::back, this, &MainWindow::slidesBack);
    slides->setAudio(music);
    slides->setTemplate(tmplId, tmpl);
    if (resumePending) {
        // A resumed project replaces what the page shows, even with no slides.
        resumePending = false;
        const SlideList resumed = std::move(pendingSlides);
        pendingSlides.clear();
        slides->setSlides(resumed);
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
    }
    settingsPage->setSettings(settings);
    showPage(SettingsStep, settingsPage, tr("Make Video"), tr("Back"));
    connect(buttonBar, &DoneBackBtnsForm::done, this, &MainWindow::settingsDone);
    connect(buttonBar, &DoneBackBtnsForm::back, this, &MainWindow::settingsBack);
}

bool MainWindow::loadTemplate(int id)
{
    releaseTemplate();
    tmplId = id;
    record = paths->tmplRecord(id);
    prjName = record.name;
    BaseTmplFactory tmplFactory;
    tmpl = TmplXmlParser().ParseTmpl(paths->GetTmplPath(id), &tmplFactory);
    if (!tmpl) {
        tell(tr("The theme \"%1\" cannot be read. Please choose another theme.").arg(record.name));
        return false;
    }
    downloaded = isDownloaded(id, paths, tmpl);
    if (!downloaded)
        TmplDownloadManager::instance()->download(id, paths, tmpl);
    return true;
}

void MainWindow::releaseTemplate()
{
    // The project and its scene list refer to the template's scenes.
    prj.reset();
    ClearSceneMedia(sceneMedia);
    ReleaseTmpl(tmpl);
    tmpl = nullptr;
}

void MainWindow::TmplSelected(int id)
{
    if (!loadTemplate(id))
        return;
    prjId.clear();
    showMusic();
}

void MainWindow::onProjectSelected(QString id)
{
    QString notice;
    const QSharedPointer<IUsrData> data = PrjManager::instance()->loadUserData(id, &notice);
    if (!data) {
        tell(tr("This project cannot be read; it is left as it is."));
        return;
    }
    if (!notice.isEmpty())
        tell(notice);
    if (!loadTemplate(data->GetTmplId()))
        return;
    prjId = id;
    music.clear();
    for (QString path : data->GetAudio()) {
        QFile file(path);
        // Opening a pipe would wait for a writer for ever.
        if (isRegularFile(path) && file.open(QIODevice::ReadOnly)) {
            file.close();
            if (QSharedPointer<MediaFileInfo> info = AudioTools::GetMediaFileInfo(path))
                music.push_back(info);
            continue;
        }
        tell(tr("Missed audio file will be skipped."));
    }
    pendingSlides.clear();
    for (auto it = data->GetSlidesBegin(); it != data->GetSlidesEnd(); ++it)
        pendingSlides.push_back(*it);
    resumePending = true;
    showSlides();
}

void MainWindow::audioSelected(std::list<QSharedPointer<MediaFileInfo> > files)
{
    music.insert(music.end(), files.begin(), files.end());
    showSlides();
}

void MainWindow::audioRemoved(int index)
{
    if (index < 0 || index >= int(music.size()))
        return;
    music.erase(music.begin() + index);
    if (currentStep == MusicStep && music.empty())
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
    if (!imagesPage || tmplId < 0)
        return false;
    SlideList slides;
    for (const QSharedPointer<ISceneMedia>& value : imagesPage->mediaValues())
        if (value)
            slides.push_back(value);
    QStringList audio;
    for (const auto& track : music)
        audio << track->getPath();
    std::unique_ptr<IUsrData> data(factory->GetUsrData(tmplId, audio, slides));
    const PrjInfo info{prjName, audioSummary(music.empty() ? nullptr : music.front().data()),
                       imagesPage->slidesCount()};
    QString error;
    const QString id = PrjManager::instance()->save(prjId, data.get(), info, tmpl, &error);
    if (id.isEmpty()) {
        // Once per run of failures: the autosave would repeat it every few changes.
        if (!saveFailing)
            tell(error);
        saveFailing = true;
        return false;
    }
    saveFailing = false;
    prjId = id;
    return true;
}

void MainWindow::slidesDone()
{
    SceneMediaList built = slidesPage()->buildSceneMedia();
    QStringList audio;
    for (const auto& track : music)
        audio << track->getPath();
    prj.reset();
    ClearSceneMedia(sceneMedia);
    sceneMedia = std::move(built);
    BasePrjFactory prjFactory;
    prj.reset(prjFactory.GetPrj(tmplId, &sceneMedia, audio));
    saveProject();
    showSettings();
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
    if (downloaded && removeUnusableBackgrounds(tmplId, paths, tmpl) > 0) {
        downloaded = false;
        TmplDownloadManager::instance()->download(tmplId, paths, tmpl);
    }
    if (downloaded) {
        startRender();
        return;
    }
    if (!waitPage)
        waitPage = new DownloadingThemeForm(this);
    waitPage->setThumb(record.thumb);
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
    const QSize size = settings.outputSize();
    QSharedPointer<IEndLogo> logo;
    if (settings.endLogo)
        logo.reset(new EndLogoBase(QStringLiteral(":/images/credits.png"), 30, 60));
    controller->start(tmplId, tmpl, prj, outputFilePath(settings.resultDir), size.width(),
                      size.height(), paths, {}, logo);
}

void MainWindow::tmplDownloaded()
{
    downloaded = true;
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
