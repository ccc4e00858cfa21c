#pragma once

#include "core/rendercontroller.h"

#include <QImage>
#include <QObject>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

class IPrjRender;
class QThread;

/// Draws a slideshow's frames a little ahead of a player, on a thread of its
/// own, with the render's own code at the request's size. Nothing is written.
class PreviewFeed : public QObject
{
    Q_OBJECT

public:
    /// \a request must outlive the feed, like a render's.
    explicit PreviewFeed(RenderRequest request, QObject* parent = nullptr);
    ~PreviewFeed() override;

    /// Draws from frame \a first on, dropping whatever was drawn before.
    void start(int64_t first);
    /// Ends the drawing at once and frees its frames.
    void stop();
    /// Takes the newest frame numbered \a number or less, dropping the ones
    /// before it; false when none has been drawn yet. \a got says which.
    bool take(int64_t number, QImage* frame, int64_t* got);
    const RenderRequest& drawn() const { return request; }
    /// How many frames drawn were dropped by take() unseen.
    int64_t dropped() const;

signals:
    /// The theme or a picture could not be drawn.
    void failed(const QString& reason);

private:
    void draw(int64_t first);

    RenderRequest request;
    std::unique_ptr<IPrjRender> render;
    std::unique_ptr<QThread> thread;
    mutable std::mutex lock;
    std::condition_variable room;
    std::deque<std::pair<int64_t, QImage>> frames;
    bool stopping = false;
    int64_t droppedFrames = 0;
};
