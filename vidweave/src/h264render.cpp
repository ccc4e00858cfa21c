#include "h264render_p.h"

#include "avptr_p.h"
#include "musicschedule_p.h"
#include "renderstats_p.h"

#include "avoutput_p.h"
#include "vidweave/qtimagerender.h"
#include "scenereaders_p.h"
#include "staticimginput_p.h"
#include "avinput_p.h"

#include <QFile>
#include <QPainter>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace renderstats {

Totals* totals()
{
    static Totals* const stats = qEnvironmentVariableIsSet("PICTAVIO_RENDER_STATS") ? new Totals
                                                                                    : nullptr;
    return stats;
}

void report(int64_t frames)
{
    Totals* stats = totals();
    if (!stats)
        return;
    static const char* const names[StageCount] = {"decode",  "background", "prepare", "compose",
                                                  "blend",   "convert",    "encode",  "music"};
    std::fprintf(stderr, "render stats: frames=%lld", static_cast<long long>(frames));
    for (int stage = 0; stage < StageCount; ++stage)
        std::fprintf(stderr, " %s=%.1f", names[stage],
                     double(stats->nanoseconds[stage].exchange(0)) / 1e6);
    std::fprintf(stderr, "\n");
}

} // namespace renderstats

namespace {

// Qt draws 32-bit (premultiplied) pictures on its fast paths.
QImage forDrawing(const QImage& image)
{
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

} // namespace

/// Everything one Render() call works with.
struct H264Render::Job
{
    int tmplId = 0;
    ITmpl* tmpl = nullptr;
    ITmplPathManager* paths = nullptr;
    const SceneMediaList* media = nullptr;
    QStringList musicPaths;
    std::map<int, IScene*> scenes;
    int width = 0;
    int height = 0;
    std::unique_ptr<AVOutput> output;
    std::unique_ptr<MusicSchedule> music;
    std::unique_ptr<ISceneReader> previous; // outgoing scene during a transition
    QImage watermark;
    QPoint watermarkAt;
    QImage endLogo;
    int endLogoFadeIn = 0;
    int64_t endLogoStart = 0;
    int64_t framesEmitted = 0;
    /// Takes the frames instead of the encoder; null for a video.
    const FrameSink* sink = nullptr;
    int64_t firstFrame = 0;
    float progressStep = 0;
    double frameSeconds = 1.0 / 30;
};

H264Render::H264Render() : outputFormat(av_guess_format("mp4", nullptr, nullptr)) {}

H264Render::~H264Render() = default;

void H264Render::Stop()
{
    stopRequested = true;
}

bool H264Render::Failed() const
{
    return failed;
}

QString H264Render::ErrorString() const
{
    return error;
}

bool H264Render::fail(const QString& reason)
{
    if (!failed) {
        failed = true;
        // Every failure must tell the user something.
        error = reason.isEmpty() ? tr("The video could not be made.") : reason;
    }
    return false;
}

bool H264Render::begin(Job& job, int tmplId, ITmpl* tmpl, IPrj* prj, ITmplPathManager* paths,
                       int height, int width)
{
    stopRequested = false;
    failed = false;
    error.clear();
    job.tmplId = tmplId;
    job.tmpl = tmpl;
    job.paths = paths;
    job.media = prj ? prj->GetMedia() : nullptr;
    job.width = width;
    job.height = height;
    if (!tmpl || !job.media || !paths || width <= 0 || height <= 0)
        return fail(tr("There is nothing to render."));
    job.musicPaths = prj->GetAudio();
    job.scenes = tmpl->GetScenes();
    return checkScenes(job);
}

void H264Render::Render(int tmplId, ITmpl* tmpl, IPrj* prj, ITmplPathManager* paths,
                        QString outputPath, int height, int width,
                        QSharedPointer<IWatermark> watermark, QSharedPointer<IEndLogo> endLogo)
{
    Job job;
    if (!begin(job, tmplId, tmpl, prj, paths, height, width))
        return; // refused before any file exists

    const bool ok = prepare(job, outputPath, watermark, endLogo) && renderScenes(job);
    job.previous.reset();
    job.music.reset();
    const bool closed = job.output && job.output->Close();
    if (ok && !closed && !stopRequested)
        fail(job.output ? job.output->ErrorString() : tr("The video file could not be written."));
    job.output.reset();
    if (stopRequested || failed)
        QFile::remove(outputPath);
    renderstats::report(job.framesEmitted);
}

void H264Render::RenderFrames(int tmplId, ITmpl* tmpl, IPrj* prj, ITmplPathManager* paths,
                              int height, int width, QSharedPointer<IWatermark> watermark,
                              QSharedPointer<IEndLogo> endLogo, int64_t firstFrame,
                              const FrameSink& sink)
{
    Job job;
    if (!begin(job, tmplId, tmpl, prj, paths, height, width))
        return;
    job.sink = &sink;
    job.firstFrame = firstFrame;
    job.musicPaths.clear();
    if (prepare(job, QString(), watermark, endLogo))
        renderScenes(job);
    job.previous.reset();
}

bool H264Render::checkScenes(Job& job)
{
    for (const SceneMediaPair* entry : *job.media) {
        const auto it = job.scenes.find(entry->first);
        if (it == job.scenes.end() || !it->second)
            return fail(tr("The theme has no scene %1.").arg(entry->first));
        const IScene* scene = it->second;
        if (scene->GetType() != SceneImg && scene->GetType() != SceneText)
            return fail(tr("Scene %1 is of an unknown kind (%2).")
                            .arg(entry->first)
                            .arg(int(scene->GetType())));
        if (scene->GetBgType() != BgVideo && scene->GetBgType() != BgImage)
            return fail(tr("Scene %1 has an unknown kind of background (%2).")
                            .arg(entry->first)
                            .arg(int(scene->GetBgType())));
    }
    return true;
}

bool H264Render::prepare(Job& job, const QString& outputPath,
                         QSharedPointer<IWatermark> watermark, QSharedPointer<IEndLogo> endLogo)
{
    if (!job.sink) {
        job.output = std::make_unique<AVOutput>(outputPath, outputFormat, job.height, job.width,
                                                timeBaseNum, timeBaseDen, pixelFormat,
                                                !job.musicPaths.isEmpty());
        if (!job.output->IsValid())
            return fail(job.output->ErrorString());
    }

    int64_t total = 0;
    for (const SceneMediaPair* entry : *job.media)
        total += job.scenes.at(entry->first)->GetFramesNumber();
    if (!job.media->empty())
        total -= int64_t(job.tmpl->GetSceneOverflow()) * int64_t(job.media->size() - 1);
    job.progressStep = total > 0 ? float(100.0 / double(total)) : 0.f;
    // Music is clocked in output frames of 1/30 s, whatever time base the
    // muxer picked for the stream.
    job.frameSeconds = double(timeBaseNum) / double(timeBaseDen);
    if (!job.musicPaths.isEmpty())
        job.music = std::make_unique<MusicSchedule>(
            job.musicPaths, double(total) * job.frameSeconds,
            [output = job.output.get()](AVFrame* frame, int sampleRate, int gain) {
                return output->WriteAudioFrame(frame, sampleRate, gain);
            });

    if (endLogo) {
        job.endLogo = forDrawing(QImage(endLogo->getImgPath())
                                     .scaled(job.width, job.height,
                                             Qt::KeepAspectRatioByExpanding,
                                             Qt::SmoothTransformation));
        job.endLogoFadeIn = endLogo->getFadeIn();
        job.endLogoStart = total - endLogo->getDuration();
    }
    if (watermark) {
        job.watermark = forDrawing(QImage(watermark->getImgPath())
                                       .scaledToWidth(watermark->getWidth(),
                                                      Qt::SmoothTransformation));
        job.watermarkAt = watermark->getTopLeft();
    }
    return true;
}

/// Opens one scene on a thread of its own. A QThread, since Qt's graphics
/// scene (drop shadows) starts timers and draws wrongly on other threads.
class H264Render::SceneOpener
{
public:
    SceneOpener(const H264Render& render, const Job& job, const SceneMediaPair& entry)
        : thread(QThread::create([this, &render, &job, &entry] {
              opened = render.openScene(job, entry);
          }))
    {
        thread->start();
    }
    ~SceneOpener() { thread->wait(); }

    OpenedScene take()
    {
        thread->wait();
        return std::move(opened);
    }

private:
    OpenedScene opened;
    std::unique_ptr<QThread> thread;
};

bool H264Render::renderScenes(Job& job)
{
    const std::vector<const SceneMediaPair*> entries(job.media->begin(), job.media->end());
    std::unique_ptr<SceneOpener> next;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (stopRequested)
            return true;
        if (!next && skipScene(job, *entries[i], i + 1 == entries.size()))
            continue;
        OpenedScene scene = next ? next->take() : openScene(job, *entries[i]);
        next.reset();
        const bool last = i + 1 == entries.size();
        // The next scene's pictures are prepared while this one renders, once
        // the cross-fade into it is over: at most two scenes are alive.
        const auto openNext = [&] {
            if (!last && !next)
                next = std::make_unique<SceneOpener>(*this, job, *entries[i + 1]);
        };
        if (!scene.reader)
            return fail(scene.error);
        if (!renderScene(job, scene.reader, *scene.input, i == 0, last, openNext))
            return false;

        const int64_t n = scene.input->GetFramesNumber();
        const int overflow = job.tmpl->GetSceneOverflow();
        int64_t duration = scene.input->GetDuration();
        if (!last && overflow != 0 && n > 0)
            duration = int64_t((1.0f - float(overflow) / float(n)) * float(duration));
        const auto timeBase = scene.input->GetTimeBase();
        if (job.output)
            job.output->AddTimeOffset(duration, timeBase.first, timeBase.second);
    }
    return true;
}

bool H264Render::skipScene(Job& job, const SceneMediaPair& entry, bool last) const
{
    // A scene is needed up to its last frame, cross-fade into the next included.
    const int64_t n = job.scenes.at(entry.first)->GetFramesNumber();
    if (job.framesEmitted + n > job.firstFrame)
        return false;
    job.framesEmitted += last ? n : n - job.tmpl->GetSceneOverflow();
    return true;
}

H264Render::OpenedScene H264Render::openScene(const Job& job, const SceneMediaPair& entry) const
{
    const renderstats::Timer timer(renderstats::Prepare);
    OpenedScene opened;
    IScene* scene = job.scenes.at(entry.first);
    const std::wstring name = scene->GetBgFileName();
    const std::wstring path = name.empty() ? job.paths->GetSceneVideoPath(job.tmplId, entry.first)
                                           : job.paths->GetTmplDir(job.tmplId) + name;
    if (scene->GetBgType() == BgVideo) {
        opened.input.reset(new VideoInput(QString::fromStdWString(path), scene->GetGrain()));
    } else {
        int num = 0, den = 0;
        scene->GetTimeBase(num, den);
        opened.input.reset(new StaticImgImput(path, job.height, job.width, num, den,
                                              scene->GetFramesNumber()));
    }
    if (!opened.input->IsValid()) {
        opened.error = tr("The background of scene %1 cannot be read: %2")
                           .arg(entry.first)
                           .arg(opened.input->ErrorString());
        return opened;
    }

    std::unique_ptr<ISceneReader> reader;
    if (scene->GetType() == SceneImg) {
        reader = std::make_unique<ImgSceneReader>(opened.input, job.width, job.height,
                                                  dynamic_cast<IImgScene*>(scene), &entry);
    } else {
        reader = std::make_unique<TextSceneReader>(
            opened.input, job.width, job.height, dynamic_cast<ITextScene*>(scene), &entry,
            QString::fromStdWString(job.paths->GetTmplDir(job.tmplId)));
    }
    if (!reader->IsValid()) {
        opened.error =
            tr("Scene %1 cannot be prepared: %2").arg(entry.first).arg(reader->ErrorString());
        return opened;
    }
    opened.reader = std::move(reader);
    return opened;
}

bool H264Render::renderScene(Job& job, std::unique_ptr<ISceneReader>& reader,
                             const IAVInput& input, bool first, bool last,
                             const std::function<void()>& whenAlone)
{
    const int64_t n = input.GetFramesNumber();
    const int overflow = job.tmpl->GetSceneOverflow();
    const bool handOver = !last && overflow > 0;
    const auto timeBase = input.GetTimeBase();
    // Frames before the first one asked for are only moved past, undrawn.
    const auto unseen = [&job] { return job.sink && job.framesEmitted < job.firstFrame; };
    while (unseen() ? reader->SkipFrame() : reader->NextFrame()) {
        const int idx = reader->GetFrameIndex();
        if (stopRequested)
            return true;
        QImage& image = *reader->GetImage();
        const bool drawn = !unseen();
        if (job.previous) {
            if (drawn ? job.previous->NextFrame() : job.previous->SkipFrame()) {
                const renderstats::Timer timer(renderstats::Blend);
                if (drawn)
                    QtImageRender::Blend(&image, job.previous->GetImage().data(),
                                         1.0 - (double(idx) + 1.0) / double(overflow));
            } else {
                job.previous.reset();
            }
        }
        if (!job.previous)
            whenAlone();
        ++job.framesEmitted;
        if (drawn)
            composeFrame(job, image, idx, n, first, last);
        emit progress(&image, float(job.framesEmitted) * job.progressStep);
        if (stopRequested)
            return true;
        if (job.sink) {
            if (job.framesEmitted > job.firstFrame && !(*job.sink)(job.framesEmitted - 1, image))
                stopRequested = true; // the sink has what it wanted
        } else if (!job.output->WriteVideoFrame(reader->GetFrame(), timeBase.first,
                                                timeBase.second)) {
            return fail(job.output->ErrorString());
        }
        if (handOver && n - idx - 1 == overflow) {
            job.previous = std::move(reader);
            return true;
        }
        const renderstats::Timer timer(renderstats::Music);
        if (job.music && !job.music->catchUp(double(job.framesEmitted) * job.frameSeconds))
            return fail(job.output->ErrorString());
    }
    return true;
}

void H264Render::composeFrame(Job& job, QImage& image, int idx, int64_t n, bool first, bool last)
{
    const renderstats::Timer timer(renderstats::Blend);
    if (!job.watermark.isNull()) {
        QPainter painter(&image);
        painter.drawImage(job.watermarkAt, job.watermark);
    }
    const int fadeOut = job.tmpl->GetFadeOut();
    if (last && fadeOut > 0 && n - idx - 1 < fadeOut) {
        // A background longer than it claims stays black past its end.
        const float left = std::max(0.f, float(n - idx - 1) / float(fadeOut));
        QtImageRender::Fade(&image, int((1.0f - left) * 255.0f));
    }
    const int fadeIn = job.tmpl->GetFadeIn();
    if (first && idx + 1 < fadeIn)
        QtImageRender::Fade(&image, int((1.0 - (double(idx) + 1.0) / double(fadeIn)) * 255.0));
    if (!job.endLogo.isNull() && job.endLogoStart <= job.framesEmitted) {
        const int64_t r = job.framesEmitted - job.endLogoStart;
        const double opacity = r < job.endLogoFadeIn ? double(float(r) / float(job.endLogoFadeIn))
                                                     : 1.0;
        QtImageRender::Blend(&image, &job.endLogo, opacity);
    }
}
