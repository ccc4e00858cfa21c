#include "core/previewfeed.h"

#include "vidweave/vidweavefactory.h"

#include <QThread>

namespace {

// About a fifth of a second ahead: enough to ride out a slow frame, little
// enough that a seek throws little away.
constexpr size_t framesAhead = 6;

} // namespace

PreviewFeed::PreviewFeed(RenderRequest request, QObject* parent)
    : QObject(parent), request(std::move(request))
{
}

PreviewFeed::~PreviewFeed()
{
    stop();
}

void PreviewFeed::start(int64_t first)
{
    stop();
    stopping = false;
    render.reset(VidweaveFactory().GetH264PrjRender());
    // A QThread: the drop shadows' graphics scene needs one.
    thread.reset(QThread::create([this, first] { draw(first); }));
    thread->start();
}

void PreviewFeed::stop()
{
    {
        std::lock_guard<std::mutex> guard(lock);
        stopping = true;
        frames.clear();
    }
    room.notify_all();
    if (render)
        render->Stop();
    if (thread)
        thread->wait();
    thread.reset();
    render.reset();
}

void PreviewFeed::draw(int64_t first)
{
    render->RenderFrames(request.themeId, request.theme, request.project.data(), request.paths,
                         request.size.height(), request.size.width(), request.overlay,
                         request.closing, first, [this](int64_t number, const QImage& frame) {
                             std::unique_lock<std::mutex> guard(lock);
                             room.wait(guard, [this] { return stopping || frames.size() < framesAhead; });
                             if (stopping)
                                 return false;
                             frames.emplace_back(number, frame.copy());
                             return true;
                         });
    if (render->Failed())
        emit failed(render->ErrorString());
}

bool PreviewFeed::take(int64_t number, QImage* frame, int64_t* got)
{
    std::unique_lock<std::mutex> guard(lock);
    bool found = false;
    while (!frames.empty() && frames.front().first <= number) {
        if (found)
            ++droppedFrames;
        *got = frames.front().first;
        *frame = std::move(frames.front().second);
        frames.pop_front();
        found = true;
    }
    guard.unlock();
    if (found)
        room.notify_all();
    return found;
}

int64_t PreviewFeed::dropped() const
{
    std::lock_guard<std::mutex> guard(lock);
    return droppedFrames;
}
