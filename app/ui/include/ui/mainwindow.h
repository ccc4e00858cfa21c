#pragma once

#include "core/slideshow.h"
#include "core/videosettings.h"

#include <QMainWindow>

#include <memory>

class DoneBackBtnsForm;
class DoneForm;
class DownloadingThemeForm;
class RenderController;
class RenderProgressForm;
class SelectAudioForm;
class SelectImagesForm;
class SelectThemeForm;
class SettingsForm;
class ThemeDownloadErrorHandler;

/// The one window: leads through theme, music, slides, settings, (waiting
/// for the theme's files), rendering and done, and owns the work in hand.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum Step { ThemeStep = 0, MusicStep, SlidesStep, SettingsStep, RenderStep, DoneStep, WaitStep };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    int step() const { return currentStep; }
    QString projectId() const { return slideshow.projectId(); }
    QWidget* currentPage() const { return page; }
    DoneBackBtnsForm* buttons() const { return buttonBar; }
    SelectImagesForm* slidesPage();
    const MusicList& musicList() const { return slideshow.music(); }

public slots:
    void TmplSelected(int id);
    void onProjectSelected(QString id);
    void audioSelected(std::list<QSharedPointer<MediaFileInfo> > files);
    void audioRemoved(int index);
    void audioDone();
    void audioBack();
    void slidesCountChanged(int count);
    void slidesUpdated();
    void onAddAudio();
    void slidesDone();
    void slidesBack();
    void onSettingsUpdated(VideoSettings settings);
    void settingsDone();
    void settingsBack();
    void tmplDownloaded();
    void onReselectTheme();
    void cancelVideoRendering();
    void renderStopped();
    void renderFinished(QString path);
    void renderFailed(QString reason);
    void backToImages();

protected:
    /// A message the user must read; tests answer it without a window.
    virtual void tell(const QString& message);
    /// Where to look for the pictures of a resumed project that are no
    /// longer where they were; empty to go on without them.
    virtual QString askWhereMissingPicturesAre(int count);
    /// Tab goes through the page in reading order, then the button bar.
    bool focusNextPrevChild(bool next) override;

private:
    bool loadTemplate(int id);
    void findMissingPictures(ResumedProject& found);
    void showPage(int step, QWidget* newPage, const QString& doneText, const QString& backText);
    void showThemes();
    void showMusic();
    void showSlides();
    void showSettings();
    void startRender();
    bool saveProject();

    QWidget* pageArea;
    QWidget* buttonArea;
    QWidget* page = nullptr;
    DoneBackBtnsForm* buttonBar = nullptr;
    int currentStep = ThemeStep;

    Slideshow slideshow;
    VideoSettings settings;
    /// The slides of a resumed project, for the slides page when it shows.
    ProjectSlides pendingSlides;
    bool resumePending = false;
    /// Every sixth slides update of a project saves it.
    int slidesUpdates = 0;
    QString resultPath;
    bool saveFailing = false;

    SelectThemeForm* themePage = nullptr;
    SelectAudioForm* musicPage = nullptr;
    SelectImagesForm* imagesPage = nullptr;
    SettingsForm* settingsPage = nullptr;
    DownloadingThemeForm* waitPage = nullptr;
    RenderProgressForm* renderPage = nullptr;
    DoneForm* donePage = nullptr;
    RenderController* controller;
    std::unique_ptr<ThemeDownloadErrorHandler> downloadErrors;
};
