#pragma once

#include "core/previewfeed.h"
#include "ui/dialogs/previewsound.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QSlider>
#include <QTimer>

#include <vector>

class QLabel;
class QPushButton;

/// The position bar of the preview: a slider with the scenes marked.
class SceneSlider : public QSlider
{
    Q_OBJECT
public:
    explicit SceneSlider(QWidget* parent = nullptr);
    void setSceneStarts(std::vector<int64_t> starts);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int64_t> sceneStarts;
};

/// Plays the slideshow as it stands over the window, drawn by the render's
/// own code at a small size, in real time, with its music; the pictures
/// follow the sound, or the system clock where there is no sound device.
/// Nothing is written; closing frees everything.
class PreviewDialog : public QDialog
{
    Q_OBJECT
public:
    /// \a request (theme, project, size) must outlive the dialog; \a sceneStarts
    /// in frames; playing starts at frame \a from.
    PreviewDialog(QWidget* parent, const RenderRequest& request, std::vector<int64_t> sceneStarts,
                  int64_t frames, int64_t from);
    ~PreviewDialog() override;

    bool isPlaying() const { return playing; }
    /// The frame on screen, -1 before the first.
    int64_t shownFrame() const { return shown; }
    /// The picture on screen, at the drawing size.
    const QImage& shownImage() const { return picture; }
    /// Frames due while none had been drawn yet.
    int64_t lateFrames() const { return late; }
    int64_t droppedFrames() const { return feed.dropped(); }
    /// Whether the music is heard and the pictures follow it.
    bool followsSound() const { return playing && sound.available(); }
    const RenderRequest& request() const { return feed.drawn(); }

public slots:
    void play();
    void pause();
    void seek(int64_t frame);

    /// Stops the drawing at once, before the dialog is gone: the project it
    /// reads may be rebuilt right after.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void tick();
    void startClock();
    void showFrame(const QImage& image, int64_t number);
    void updateTime();
    int64_t due() const;

    PreviewFeed feed;
    int64_t frames;
    PreviewSound sound;
    QLabel* view;
    QPushButton* playButton;
    QPushButton* closeButton;
    SceneSlider* bar;
    QLabel* time;
    QTimer ticker;
    QTimer dragSeek;
    QElapsedTimer clock;
    int64_t playFrom = 0;
    int64_t shown = -1;
    int64_t late = 0;
    int64_t lastDue = -1;
    bool playing = false;
    bool waiting = false; // playing, but no frame of this run on screen yet
    QImage picture;
};
