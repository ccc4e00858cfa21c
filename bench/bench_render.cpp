// The render against the encoder's own speed on the reference project: 20
// camera-sized photos (4000x3000 with detail and noise), 60 s of music and
// theme 1, placed as the program places them, with the closing picture.
// Prints for 720p and 1080p the render's frames per second, the limit (the
// project's writer encoding every picture the render gave its encoder, kept
// raw by a second render and read back into memory, a part at a time, untimed),
// their ratio, the CPU per frame beside the encoder (the render's less the
// limit's), the render's peak memory and where the CPU time goes per frame;
// then the 1080p render with 100 and 500 photos, stopped after twice as many
// frames as the reference project has.
// Every render and every limit runs in a child process of its own, so that
// one peak does not hide in another. Photos, music and outputs are cached in
// <build>/bench-render.
//
// bench_render --quick leaves out the 100- and 500-photo renders.
// bench_render --preview plays the reference project as the window's preview
// does, in real time at 640x360 and 960x540 with its music (on the sound
// device where there is one), and prints the frames shown, late and dropped,
// the time to the first frame, the time a seek takes and the peak memory.
// bench_render --frames <folder> <width> <height> <n> keeps every n-th
// finished frame of the reference render as PNG (after one normal run has
// made the photos), to compare the pictures of two builds.

#include "avoutput_p.h"
#include "avptr_p.h"
#include "renderstats_p.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/endlogobase.h"
#include "common/release.h"
#include "core/placement.h"
#include "core/previewfeed.h"
#include "ui/dialogs/previewsound.h"
#include "docloom/tmplxmlparser.h"
#include "vidweave/vidweave.h"
#include "vidweave/vidweavefactory.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <sys/resource.h>

namespace {

const QString themesDir = QStringLiteral(PICTAVIO_THEMES_DIR);
const QString cacheDir = QStringLiteral(PICTAVIO_BENCH_CACHE);
const QString logoPath = QStringLiteral(PICTAVIO_SOURCE_DIR "/app/resources/images/credits.png");
const int themeId = 1;
const int photosMade = 20;
const double musicSeconds = 60;
// Pictures the limit holds in memory at a time: at most 1.6 GB at 1080p.
const int limitFrames = 500;

// The machine's load averages over 1, 5 and 15 minutes.
QString loadAverage()
{
    QFile file("/proc/loadavg");
    if (!file.open(QIODevice::ReadOnly))
        return "unknown";
    return QString::fromLatin1(file.readAll()).section(' ', 0, 2);
}

// CPU time of the whole process so far, in seconds.
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakKb()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// A camera-like photo: sky and ground, objects with soft and hard edges,
// fine texture and sensor noise, so that it decodes and scales like a real one.
QImage photoLike(int index)
{
    QRandomGenerator random(quint32(1000 + index));
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 3000);
    sky.setColorAt(0, QColor::fromHsv((index * 37) % 360, 90, 230));
    sky.setColorAt(0.55, QColor::fromHsv((index * 37 + 20) % 360, 40, 250));
    sky.setColorAt(0.56, QColor::fromHsv((index * 53 + 90) % 360, 160, 120));
    sky.setColorAt(1, QColor::fromHsv((index * 53 + 110) % 360, 200, 60));
    painter.fillRect(image.rect(), sky);
    for (int i = 0; i < 90; ++i) {
        const QColor colour = QColor::fromHsv(random.bounded(360), random.bounded(40, 255),
                                              random.bounded(30, 255), random.bounded(120, 255));
        const QRectF box(random.bounded(-300, 3900), random.bounded(-300, 2900),
                         random.bounded(40, 900), random.bounded(40, 900));
        QRadialGradient shade(box.center(), box.width() / 2);
        shade.setColorAt(0, colour.lighter(140));
        shade.setColorAt(1, colour);
        painter.setBrush(i % 3 ? QBrush(shade) : QBrush(colour));
        painter.setPen(QPen(colour.darker(200), random.bounded(1, 12)));
        if (i % 2)
            painter.drawEllipse(box);
        else
            painter.drawRect(box);
    }
    painter.end();
    quint32 state = quint32(index * 2654435761u + 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state ^= state << 13, state ^= state >> 17, state ^= state << 5; // xorshift
            const int grain = int(state & 31) - 16 + (((x / 3) ^ (y / 3)) & 7) - 4;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain, 255));
        }
    }
    return image;
}

QString photoPath(int index)
{
    return QDir(cacheDir).filePath(QString("photo-%1.jpg").arg(index, 2, 10, QChar('0')));
}

QString musicPath()
{
    return QDir(cacheDir).filePath("music-60s.m4a");
}

bool makeWorkload()
{
    QDir().mkpath(cacheDir);
    QElapsedTimer clock;
    clock.start();
    int made = 0;
    for (int i = 0; i < photosMade; ++i) {
        if (QFile::exists(photoPath(i)))
            continue;
        if (!photoLike(i).save(photoPath(i) + ".part", "JPG", 92)
            || !QFile::rename(photoPath(i) + ".part", photoPath(i)))
            return false;
        ++made;
    }
    if (!QFile::exists(musicPath())) {
        // A chord with a beat, so that the encoder has something to do.
        const QString source = QString("aevalsrc=0.2*sin(2*PI*220*t)*(1+sin(2*PI*2*t))"
                                       "+0.1*sin(2*PI*330*t)|0.2*sin(2*PI*277*t)"
                                       "+0.1*sin(2*PI*440*t):s=44100:d=%1")
                                   .arg(musicSeconds);
        if (QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", source, "-c:a",
                                         "aac", "-b:a", "192k", musicPath()})
            != 0)
            return false;
        ++made;
    }
    if (made > 0)
        std::printf("made %d workload files in %s in %.1f s\n", made, qPrintable(cacheDir),
                    clock.elapsed() / 1000.0);
    return true;
}

class BenchPaths : public ITmplPathManager
{
public:
    std::wstring GetTmplPath(int id) const override { return dir(id) + L"template.xml"; }
    std::wstring GetTmplInfoPath(int id) const override { return dir(id) + L"info.xml"; }
    std::wstring GetTmplDir(int id) const override { return dir(id); }
    std::wstring GetSceneVideoPath(int id, int scene) const override
    {
        return dir(id) + std::to_wstring(scene) + L".mp4";
    }

private:
    static std::wstring dir(int id)
    {
        return QString("%1/templates/%2/").arg(themesDir).arg(id).toStdWString();
    }
};

struct TmplDeleter
{
    void operator()(ITmpl* t) const { ReleaseTmpl(t); }
};

struct Rendered
{
    int frames = 0;
    int total = 0;
    double seconds = 0;
    double cpu = 0;
};

// Renders \a photos slides (the cached photos in turn) with as much music as
// they need; stops after \a maxFrames when that is above 0. \a frameSeen, when
// given, sees every finished frame.
Rendered renderProject(int width, int height, int photos, int maxFrames, const QString& output,
                       const std::function<void(const QImage&, int)>& frameSeen = {})
{
    BasePrjFactory factory;
    BenchPaths paths;
    BaseTmplFactory tmplFactory;
    std::unique_ptr<ITmpl, TmplDeleter> tmpl(
        TmplXmlParser().ParseTmpl(paths.GetTmplPath(themeId), &tmplFactory));
    if (!tmpl)
        return {};
    std::vector<PlacementSlide> slides;
    for (int i = 0; i < photos; ++i)
        slides.push_back({photoPath(i % photosMade), SceneImg, 0});
    // The reference project has one music file; longer ones repeat it.
    QStringList music;
    const int repeats = photos <= photosMade ? 1 : (photos + photosMade - 1) / photosMade;
    for (int i = 0; i < repeats; ++i)
        music << musicPath();
    SceneMediaList media;
    const PlacementResult placed =
        placeSlides(slides, *tmpl, float(musicSeconds * repeats), &factory, &media);
    std::unique_ptr<IPrj> prj(factory.GetPrj(themeId, &media, music));

    Rendered result;
    std::unique_ptr<IPrjRender> render(VidweaveFactory().GetH264PrjRender());
    QObject::connect(render.get(), &IPrjRender::progress, [&](QImage* image, float) {
        if (frameSeen)
            frameSeen(*image, result.frames);
        if (++result.frames == maxFrames)
            render->Stop();
    });
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = cpuSeconds();
    render->Render(themeId, tmpl.get(), prj.get(), &paths, output, height, width, {},
                   QSharedPointer<IEndLogo>(new EndLogoBase(logoPath, 30, 60)));
    result.seconds = clock.nsecsElapsed() / 1e9;
    result.cpu = cpuSeconds() - cpuBefore;
    result.total = int(placed.totalDuration * 30 + 0.5f);
    if (render->Failed()) {
        std::fprintf(stderr, "render failed: %s\n", qPrintable(render->ErrorString()));
        result.frames = 0;
    }
    ClearSceneMedia(media);
    return result;
}

// The child's side of a render: prints what the parent reads.
int renderChild(const QStringList& args)
{
    qputenv("PICTAVIO_RENDER_STATS", "1");
    const Rendered r = renderProject(args.value(0).toInt(), args.value(1).toInt(),
                                     args.value(2).toInt(), args.value(3).toInt(), args.value(4));
    if (r.frames == 0)
        return 1;
    std::printf("result frames=%d total=%d seconds=%.3f cpu=%.3f peak=%ld\n", r.frames, r.total,
                r.seconds, r.cpu, peakKb());
    return 0;
}

// The child's side of a preview: plays the reference project on the clock
// for as long as it lasts, as the player does, and prints what it saw.
int previewChild(const QStringList& args)
{
    const int width = args.value(0).toInt();
    const int height = args.value(1).toInt();
    BasePrjFactory factory;
    BenchPaths paths;
    BaseTmplFactory tmplFactory;
    std::unique_ptr<ITmpl, TmplDeleter> tmpl(
        TmplXmlParser().ParseTmpl(paths.GetTmplPath(themeId), &tmplFactory));
    if (!tmpl)
        return 1;
    std::vector<PlacementSlide> slides;
    for (int i = 0; i < photosMade; ++i)
        slides.push_back({photoPath(i), SceneImg, 0});
    SceneMediaList media;
    const PlacementResult placed = placeSlides(slides, *tmpl, float(musicSeconds), &factory, &media);
    RenderRequest request;
    request.themeId = themeId;
    request.theme = tmpl.get();
    request.project = QSharedPointer<IPrj>(factory.GetPrj(themeId, &media, {musicPath()}));
    request.size = QSize(width, height);
    request.paths = &paths;
    request.closing = QSharedPointer<IEndLogo>(new EndLogoBase(logoPath, 30, 60));
    const int64_t frames = int64_t(placed.totalDuration * 30 + 0.5f);

    PreviewFeed feed(request);
    // The music as the player plays it: on the sound device where there is one.
    PreviewSound sound({musicPath()}, double(frames) / 30);
    QElapsedTimer clock;
    clock.start();
    feed.start(0);
    int64_t shown = -1, seen = 0, late = 0, lastDue = -1;
    double firstMs = -1;
    qint64 startedAt = 0;
    while (shown < frames - 1) {
        // The clock starts with the first frame, as the player's does.
        const int64_t due = firstMs < 0                ? 0
                            : sound.available() ? int64_t(sound.position() * 30)
                                                       : (clock.elapsed() - startedAt) * 30 / 1000;
        QImage image;
        int64_t got = -1;
        if (feed.take(due, &image, &got)) {
            if (firstMs < 0) {
                firstMs = double(clock.nsecsElapsed()) / 1e6;
                startedAt = clock.elapsed();
                sound.play(0);
            }
            shown = got;
            ++seen;
        } else if (firstMs >= 0 && due != lastDue && shown < due) {
            ++late;
        }
        lastDue = due;
        QThread::msleep(2);
        QCoreApplication::processEvents(); // the sound device is fed from the event loop
        if (clock.elapsed() > 600000)
            break;
    }
    sound.stop();
    const int64_t dropped = feed.dropped();
    // Seeks as the position bar makes them: until the frame asked for is at hand.
    double seekSum = 0, seekMost = 0;
    const std::vector<double> moments{5.5, 17.2, 31.0, 44.7, 58.3, 2.0};
    for (const double at : moments) {
        const int64_t target = std::min(frames - 1, int64_t(at * 30));
        QElapsedTimer seek;
        seek.start();
        feed.start(target);
        QImage image;
        int64_t got = -1;
        while (!feed.take(target, &image, &got) && seek.elapsed() < 10000)
            QThread::msleep(1);
        const double ms = double(seek.nsecsElapsed()) / 1e6;
        seekSum += ms;
        seekMost = std::max(seekMost, ms);
    }
    feed.stop();
    std::printf("result frames=%lld shown=%lld late=%lld dropped=%lld first=%.0f sound=%d "
                "seek=%.0f seekmost=%.0f peak=%ld\n",
                (long long)frames, (long long)seen, (long long)late, (long long)dropped, firstMs,
                sound.available() ? 1 : 0, seekSum / double(moments.size()), seekMost, peakKb());
    ClearSceneMedia(media);
    return 0;
}

// Keeps every n-th finished frame of the reference render as PNG, to compare
// the pictures of two builds of the engine.
int framesChild(const QStringList& args)
{
    const QDir dir(args.value(0));
    dir.mkpath(".");
    const int every = std::max(1, args.value(3).toInt());
    const Rendered r = renderProject(
        args.value(1).toInt(), args.value(2).toInt(), photosMade, 0,
        dir.filePath("frames.mp4"), [&](const QImage& image, int index) {
            if (index % every == 0)
                image.save(dir.filePath(QString("frame-%1.png").arg(index, 4, 10, QChar('0'))));
        });
    QFile::remove(dir.filePath("frames.mp4"));
    return r.frames > 0 ? 0 : 1;
}

// Up to \a count raw YUV 4:2:0 pictures of \a width x \a height from \a file.
std::vector<AVFrameUPtr> readPictures(QFile& file, int width, int height, int count)
{
    std::vector<AVFrameUPtr> frames;
    while (int(frames.size()) < count && !file.atEnd()) {
        AVFrameUPtr frame(av_frame_alloc());
        frame->format = AV_PIX_FMT_YUV420P;
        frame->width = width;
        frame->height = height;
        if (av_frame_get_buffer(frame.get(), 0) < 0)
            break;
        bool whole = true;
        for (int plane = 0; plane < 3 && whole; ++plane) {
            const int w = plane ? (width + 1) / 2 : width;
            const int h = plane ? (height + 1) / 2 : height;
            for (int row = 0; row < h && whole; ++row)
                whole = file.read(reinterpret_cast<char*>(frame->data[plane])
                                      + std::ptrdiff_t(row) * frame->linesize[plane],
                                  w)
                        == w;
        }
        if (!whole)
            break;
        frames.push_back(std::move(frame));
    }
    return frames;
}

// The child's side of a limit: the writer on the very pictures the render gave
// its encoder, kept raw in a file. They are read into memory a part at a time;
// only the encoding is timed, and the reading's own CPU is left out.
int limitChild(const QStringList& args)
{
    QFile file(args.value(0));
    const int width = args.value(1).toInt();
    const int height = args.value(2).toInt();
    if (!file.open(QIODevice::ReadOnly) || width <= 0 || height <= 0)
        return 1;
    std::vector<AVFrameUPtr> frames = readPictures(file, width, height, limitFrames);
    if (frames.empty())
        return 1;
    const long peakBefore = peakKb();
    AVOutput output(args.value(3), av_guess_format("mp4", nullptr, nullptr), height, width, 1, 30,
                    0, false);
    const double cpuBefore = cpuSeconds();
    double readingCpu = 0;
    qint64 readingNs = 0;
    QElapsedTimer clock;
    clock.start();
    int64_t pts = 0;
    long writerKb = -1;
    while (!frames.empty()) {
        for (const AVFrameUPtr& frame : frames) {
            frame->pts = pts++;
            if (!output.WriteVideoFrame(frame.get(), 1, 30))
                return 1;
        }
        // Pictures still queued while the next part is read would count too.
        if (writerKb < 0)
            writerKb = peakKb() - peakBefore;
        frames.clear();
        const qint64 readStart = clock.nsecsElapsed();
        const int64_t readCpuStart = renderstats::now();
        frames = readPictures(file, width, height, limitFrames);
        readingCpu += double(renderstats::now() - readCpuStart) / 1e9;
        readingNs += clock.nsecsElapsed() - readStart;
    }
    if (!output.Close())
        return 1;
    // The first part was in memory before the writer started: what the peak
    // gained while encoding it is the writer's (the encoder's) own.
    std::printf("result frames=%lld seconds=%.3f cpu=%.3f writer=%ld\n",
                static_cast<long long>(pts), double(clock.nsecsElapsed() - readingNs) / 1e9,
                cpuSeconds() - cpuBefore - readingCpu, writerKb);
    return 0;
}

using Values = std::map<QString, double>;

// key=value pairs of the child's line that starts with \a prefix.
Values valuesAfter(const QString& text, const QString& prefix)
{
    Values values;
    for (const QString& line : text.split('\n')) {
        if (!line.startsWith(prefix))
            continue;
        for (const QString& pair : line.mid(prefix.size()).split(' ', Qt::SkipEmptyParts)) {
            const int eq = pair.indexOf('=');
            if (eq > 0)
                values[pair.left(eq)] = pair.mid(eq + 1).toDouble();
        }
    }
    return values;
}

// Runs this program as a child, with \a keptFrames (when given) receiving
// the pictures its render encodes; its output, or empty when it failed.
QString runChild(const QStringList& args, const QString& keptFrames = {})
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    if (!keptFrames.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PICTAVIO_RENDER_FRAMES", keptFrames);
        child.setProcessEnvironment(environment);
    }
    child.start(QCoreApplication::applicationFilePath(), args);
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        std::printf("child %s failed:\n%s\n", qPrintable(args.join(' ')),
                    child.readAll().constData());
        return {};
    }
    return QString::fromUtf8(child.readAll());
}

struct Measured
{
    double fps = 0;
    double cpuMs = 0; // CPU time per frame, all threads
    double peakMb = 0;
    int frames = 0;
    int total = 0;
    Values stats;
};

Measured measureRender(int width, int height, int photos, int maxFrames, const QString& output)
{
    const QString text = runChild({"--render", QString::number(width), QString::number(height),
                                   QString::number(photos), QString::number(maxFrames), output});
    const Values result = valuesAfter(text, "result ");
    Measured m;
    if (result.empty())
        return m;
    m.frames = int(result.at("frames"));
    m.total = int(result.at("total"));
    m.fps = m.frames / result.at("seconds");
    m.cpuMs = 1000.0 * result.at("cpu") / m.frames;
    m.peakMb = result.at("peak") / 1024.0;
    m.stats = valuesAfter(text, "render stats: ");
    return m;
}

struct Limit
{
    double fps = 0;
    double cpuMs = 0;
    double writerMb = 0; // the encoder's own memory
    int frames = 0;
};

// Renders once more, keeping the pictures the encoder gets (not timed), and
// times the writer alone on them.
Limit measureLimit(int width, int height, const QString& output)
{
    const QString kept = QDir(cacheDir).filePath("kept-frames.yuv");
    const bool made = !runChild({"--render", QString::number(width), QString::number(height),
                                 QString::number(photosMade), "0", output},
                                kept)
                           .isEmpty();
    const Values result =
        made ? valuesAfter(runChild({"--limit", kept, QString::number(width),
                                     QString::number(height),
                                     QDir(cacheDir).filePath("limit.mp4")}),
                           "result ")
             : Values();
    QFile::remove(kept);
    if (result.empty())
        return {};
    return {result.at("frames") / result.at("seconds"),
            1000.0 * result.at("cpu") / result.at("frames"), result.at("writer") / 1024.0,
            int(result.at("frames"))};
}

void printStages(const Measured& m)
{
    const int frames = int(m.stats.count("frames") ? m.stats.at("frames") : 0);
    if (frames <= 0)
        return;
    std::printf("  CPU ms per frame:");
    double staged = 0;
    for (const char* stage : {"decode", "background", "prepare", "compose", "blend", "convert",
                              "encode", "music"}) {
        const auto found = m.stats.find(stage);
        if (found == m.stats.end())
            continue;
        std::printf(" %s %.2f,", stage, found->second / frames);
        staged += found->second / frames;
    }
    std::printf(" the encoder's threads and the rest %.2f; all %.2f\n", m.cpuMs - staged,
                m.cpuMs);
}

int previewBench()
{
    for (const QSize size : {QSize(640, 360), QSize(960, 540)}) {
        Values v = valuesAfter(runChild({"--preview-child", QString::number(size.width()),
                                               QString::number(size.height())}),
                                     "result ");
        if (v["frames"] <= 0)
            return 1;
        const double missed = v["late"] + v["dropped"];
        std::printf("preview %dx%d, music %s: %.0f of %.0f frames shown, %.0f late, %.0f dropped "
                    "(%.1f %%), first frame after %.0f ms, a seek %.0f ms (at most %.0f), "
                    "peak %.0f MB; load %s\n",
                    size.width(), size.height(),
                    v["sound"] > 0 ? "on the sound device" : "not played (no sound device)",
                    v["shown"], v["frames"], v["late"], v["dropped"], 100.0 * missed / v["frames"],
                    v["first"], v["seek"], v["seekmost"], v["peak"] / 1024.0,
                    qPrintable(loadAverage()));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // drop shadows draw through a graphics scene
    VidweaveInit();
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == "--render")
        return renderChild(args.mid(1));
    if (args.value(0) == "--limit")
        return limitChild(args.mid(1));
    if (args.value(0) == "--frames")
        return framesChild(args.mid(1));
    if (args.value(0) == "--preview-child")
        return previewChild(args.mid(1));

    if (!makeWorkload()) {
        std::printf("the workload could not be made in %s\n", qPrintable(cacheDir));
        return 1;
    }
    if (args.contains("--preview"))
        return previewBench();
    std::printf("reference: %d photos 4000x3000, %.0f s of music, theme %d, closing picture; "
                "load %s\n",
                photosMade, musicSeconds, themeId, qPrintable(loadAverage()));
    struct Row
    {
        QString name;
        int width, height, photos;
        Limit limit;
        Measured render;
    };
    std::vector<Row> rows{{"720p", 1280, 720, photosMade, {}, {}},
                          {"1080p", 1920, 1080, photosMade, {}, {}},
                          {"1080p 100 photos", 1920, 1080, 100, {}, {}},
                          {"1080p 500 photos", 1920, 1080, 500, {}, {}}};
    // --quick: the reference project only, for quick comparisons.
    if (args.contains("--quick"))
        rows.resize(2);
    for (Row& row : rows) {
        const bool reference = row.photos == photosMade;
        const QString output =
            QDir(cacheDir).filePath(QString("render-%1-%2.mp4").arg(row.height).arg(row.photos));
        // The longer projects stop after twice as many frames as the reference
        // has: long enough to show growth, short enough for a run of minutes.
        row.render = measureRender(row.width, row.height, row.photos,
                                   reference ? 0 : 2 * rows[1].render.frames, output);
        if (row.render.frames == 0)
            return 1;
        row.limit = reference ? measureLimit(row.width, row.height, output) : rows[1].limit;
        if (row.limit.fps <= 0 || (reference && row.limit.frames != row.render.frames)) {
            std::printf("the limit failed or encoded another number of frames\n");
            return 1;
        }
        std::printf("%s: render %.1f fps, limit %.1f fps, ratio %.2f, peak %.0f MB",
                    qPrintable(row.name), row.render.fps, row.limit.fps,
                    row.render.fps / row.limit.fps, row.render.peakMb);
        if (row.render.frames < row.render.total)
            std::printf(" (first %d of %d frames)", row.render.frames, row.render.total);
        else
            std::printf(" (%d frames)", row.render.frames);
        std::printf("\n  CPU per frame %.1f ms, limit %.1f ms: %.1f ms beside the encoder, CPU "
                    "ratio %.2f; the writer alone takes %.0f MB\n",
                    row.render.cpuMs, row.limit.cpuMs, row.render.cpuMs - row.limit.cpuMs,
                    row.limit.cpuMs / row.render.cpuMs, row.limit.writerMb);
        printStages(row.render);
        std::fflush(stdout);
    }
    std::printf("summary: ratio %.2f at 720p, %.2f at 1080p; beside the encoder %.1f ms, %.1f ms "
                "per frame; peak %.0f MB, %.0f MB",
                rows[0].render.fps / rows[0].limit.fps, rows[1].render.fps / rows[1].limit.fps,
                rows[0].render.cpuMs - rows[0].limit.cpuMs,
                rows[1].render.cpuMs - rows[1].limit.cpuMs, rows[0].render.peakMb,
                rows[1].render.peakMb);
    if (rows.size() == 4) {
        double low = rows[1].render.peakMb, high = low;
        for (size_t i = 2; i < rows.size(); ++i) {
            low = std::min(low, rows[i].render.peakMb);
            high = std::max(high, rows[i].render.peakMb);
        }
        std::printf(", %.0f-%.0f MB over 20/100/500 photos (spread %.0f %%)", low, high,
                    100.0 * (high - low) / low);
    }
    std::printf("; load %s\n", qPrintable(loadAverage()));
    return 0;
}
