#pragma once

#include "common/iprj.h"
#include "common/itmpl.h"
#include "common/iusrdata.h"
#include "core/tmplpathmanager.h"
#include "core/videosettings.h"
#include "vidweave/mediafileinfo.h"

#include <QMainWindow>
#include <QSharedPointer>

#include <list>
#include <memory>
#include <vector>

class BasePrjFactory;
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
    QString projectId() const { return prjId; }
    QWidget* currentPage() const { return page; }
    DoneBackBtnsForm* buttons() const { return buttonBar; }
    SelectImagesForm* slidesPage();
    const std::vector<QSharedPointer<MediaFileInfo>>& musicList() const { return music; }

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
    /// Tab goes through the page in reading order, then the button bar.
    bool focusNextPrevChild(bool next) override;

private:
    bool loadTemplate(int id);
    void showPage(int step, QWidget* newPage, const QString& doneText, const QString& backText);
    void showThemes();
    void showMusic();
    void showSlides();
    void showSettings();
    void startRender();
    bool saveProject();
    void releaseTemplate();

    QWidget* pageArea;
    QWidget* buttonArea;
    QWidget* page = nullptr;
    DoneBackBtnsForm* buttonBar = nullptr;
    int currentStep = ThemeStep;

    TmplPathManager* paths;
    std::unique_ptr<BasePrjFactory> factory;
    TmplRecord record;
    QString prjId;
    QString prjName;
    int tmplId = -1;
    ITmpl* tmpl = nullptr;
    bool downloaded = false;
    std::vector<QSharedPointer<MediaFileInfo>> music;
    SceneMediaList sceneMedia;
    QSharedPointer<IPrj> prj;
    VideoSettings settings;
    SlideList pendingSlides;
    bool resumePending = false;
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
