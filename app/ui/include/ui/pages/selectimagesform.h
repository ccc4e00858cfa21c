#pragma once

#include "common/iprj.h"
#include "common/itmpl.h"
#include "core/music.h"
#include "core/photoformats.h"
#include "core/placement.h"
#include "core/slideinput.h"

#include <QSharedPointer>
#include <QStringList>
#include <QTimer>
#include <QPointer>
#include <QWidget>

#include <list>
#include <memory>
#include <vector>

class BasePrjFactory;
class MediaForm;
class SlideForm;
class TextSlideForm;

namespace Ui {
class SelectImagesForm;
}

/// One slide as the placement sees it; widget is null until its tile exists.
struct SlideEntry
{
    QString value;
    int kind = SceneImg;
    SlideForm* widget = nullptr;
    int rotation = 0;
};

/// The duration label's text for \a total seconds of video over \a music
/// seconds of music (0: none), and the share of the music used in percent.
QString timelineText(float total, float music, int* percent);

/// The slides page: pictures and text scenes in the order they play, laid
/// out over the theme's scenes and the music after every change.
class SelectImagesForm : public QWidget
{
    Q_OBJECT

public:
    explicit SelectImagesForm(QWidget* parent = nullptr);
    ~SelectImagesForm() override;

    void setTemplate(int id, ITmpl* tmpl);
    void setAudio(const MusicList& tracks);
    /// Replaces every slide with those of a loaded project.
    void setSlides(const SlideList& slides);
    /// Replaces every slide; tells once when pictures of it were left out.
    void setSlides(const ProjectSlides& project);
    std::list<SlideEntry> collectSlides() const;
    /// Every slide as the project saves it, in order.
    std::vector<PlacementSlide> slideValues() const;
    /// The slides that can play: pictures found unreadable left out.
    std::vector<PlacementSlide> playableSlides() const;
    /// The placement over \a slides; with \a out, a build run that also
    /// fills the scene-media list.
    void layoutSlides(SceneMediaList* out, std::list<SlideEntry> slides);
    /// A build run over the current slides; the caller owns the list.
    SceneMediaList buildSceneMedia();
    int slidesCount() const;
    float totalDuration() const { return total; }
    MediaForm* slidesArea() const;
    /// Puts pictures before the slide at \a at (-1: after the last) and lays
    /// them out with the full decodes held back until every tile asked for
    /// its stored preview.
    void addImages(const QStringList& paths, int at = -1);

signals:
    void slidesCountChanged(int slides_count);
    void slidesUpdated();
    void addAudio();
    /// "Preview": from the scene of the playable slide at \a slide, or the
    /// start when it is -1.
    void previewRequested(int slide);

public slots:
    void slidesCountChangedSlot(int slides_count);
    void slidesOrderCahangedSlot();
    void on_ImportFilesBtn_clicked();
    void on_ImportFolderBtn_clicked();
    void on_AddTextSceneBtn_clicked();
    void on_PreviewBtn_clicked();
    void on_TextSceneAdded(QString text);
    void on_AddAudioBtnClicked(bool);
    /// Files and folders from the file manager, before the slide at \a at.
    void addDropped(const QList<QUrl>& urls, int at);

protected:
    /// The file dialogs; tests answer them without a window.
    virtual QStringList askForPictures();
    virtual QString askForFolder();
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void updateTimeline(float seconds);
    void showMusic(const MusicList& tracks);
    SlideForm* createTile(const SlideEntry& entry, int at = -1);
    void placeAddButton();
    void chainTabOrder();
    void editText(TextSlideForm* tile);

    Ui::SelectImagesForm* ui;
    std::unique_ptr<BasePrjFactory> factory;
    int tmplId = 0;
    ITmpl* tmpl = nullptr;
    float musicLength = 0;
    float total = 0;
    QTimer relayout;
    /// The tile that last had the focus, where a preview starts.
    QPointer<SlideForm> lastTile;
};
