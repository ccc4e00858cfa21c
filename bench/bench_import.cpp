// A bulk import on the slides page: 300 camera-like 4000x3000 JPEGs with
// stored previews (or the pictures of a folder given as the only argument).
// Prints when every tile exists, when every tile shows its stored preview,
// when every full thumbnail arrived, the longest stall of the event loop,
// and the time of a layout run over 1,000 existing tiles.
//
// With --mixed [COUNT]: COUNT (100) 12-megapixel photos of each of HEIC,
// AVIF, WebP, TIFF and JPEG, made by ImageMagick, imported one format after
// the other; per format the time until every tile shows its thumbnail, the
// longest stall and the process's peak memory.
#include "benchphotos.h"

#include "ui/tiles/mediaform.h"
#include "ui/pages/selectimagesform.h"

#include "common/basetmplfactory.h"
#include "common/release.h"
#include "core/thumbgenerator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QTemporaryDir>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace {

/// One picture scene of a single slot, 3 s long, and one text scene.
ITmpl* makeTemplate()
{
    BaseTmplFactory f;
    auto* images = new std::map<int, IImgMedia*>{
        {0, f.GetImgMedia({}, 1.f, 0.f, {}, {}, 1.f, 1.f, IMedia::VCenter, IMedia::HCenter)}};
    auto* texts = new std::map<int, ITextMedia*>{
        {0, f.GetTextMedia({}, 1.f, {}, 1.f, 1.f, "DejaVu Sans,SansSerif,20,#ffffff", {},
                           IMedia::VCenter, IMedia::HCenter, {})}};
    std::map<int, IScene*> scenes{{1, f.GetImgScene(images, BgVideo, L"", 90, 1, 30)},
                                  {2, f.GetTextScene(texts, BgVideo, L"", 90, 1, 30)}};
    return f.GetTmpl(scenes, 0, 0, 15, 70);
}

/// The longest gap between two turns of the event loop.
struct StallMeter
{
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;

    StallMeter()
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.elapsed();
            longest = std::max(longest, now - last);
            last = now;
        });
        clock.start();
        timer.start();
    }
};

void waitUntil(const std::function<bool()>& done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

/// The process's peak resident memory in MiB, from /proc.
long peakMiB()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong() / 1024;
    return -1;
}

/// \a count names for one 4000x3000 photo of \a suffix made by ImageMagick
/// (a smooth plasma: about 2 MB as HEIC, as a phone's photo):
/// hard links, so that each is decoded as a file of its own without the disk
/// holding \a count copies.
QStringList mixedPhotos(const QString& dir, const QString& suffix, int count)
{
    const QString first = QDir(dir).filePath("photo0." + suffix);
    const QString source = QDir(dir).filePath("source.png");
    if (!QFile::exists(source)
        && QProcess::execute("convert", {"-seed", "1", "-size", "1000x750", "plasma:fractal", "-resize",
                                         "4000x3000", "-depth", "8", source}) != 0)
        return {};
    if (QProcess::execute("convert", {source, "-quality", "75", "-define", "heic:speed=8", first}) != 0)
        return {};
    QStringList files{first};
    for (int i = 1; i < count; ++i) {
        const QString name = QDir(dir).filePath(QString("photo%1.%2").arg(i).arg(suffix));
        if (::link(QFile::encodeName(first).constData(), QFile::encodeName(name).constData()) != 0)
            return {};
        files << name;
    }
    return files;
}

/// Imports \a files into a fresh \a page and prints when every tile showed
/// its thumbnail, the longest stall and the peak memory so far.
void importOneFormat(SelectImagesForm& page, const QString& suffix, const QStringList& files)
{
    page.setSlides(ProjectSlides{});
    QHash<QString, int> answers;
    const QMetaObject::Connection counting =
        QObject::connect(ThumbGenerator::instance(), &ThumbGenerator::generated,
                         [&](ThumbGeneratorTask task, QSharedPointer<QImage>) { ++answers[task.path]; });
    StallMeter stalls;
    QElapsedTimer clock;
    clock.start();
    page.addImages(files);
    const qint64 tilesAt = clock.elapsed();
    waitUntil([&] { return answers.size() == files.size(); });
    const qint64 shownAt = clock.elapsed();
    waitUntil([&] { return ThumbGenerator::instance()->runningWorkers() == 0
                           && ThumbGenerator::instance()->queuedFullTasks().isEmpty(); });
    QObject::disconnect(counting);
    std::printf("%-5s %d photos: tiles %lld ms, every thumbnail %lld ms (goal 30000), all done %lld ms, "
                "longest stall %lld ms (goal 100), peak %ld MiB (goal 400)\n",
                qPrintable(suffix), int(files.size()), tilesAt, shownAt, clock.elapsed(), stalls.longest,
                peakMiB());
    std::fflush(stdout);
}

int mixedFormats(int count)
{
    QTemporaryDir scratch;
    TmplPtr tmpl(makeTemplate());
    SelectImagesForm page;
    page.setTemplate(1, tmpl.get());
    page.resize(1280, 800);
    page.show();
    std::printf("before importing: peak %ld MiB\n", peakMiB());
    // HEIC first, so that the peak it prints is its own.
    for (const QString suffix : {"heic", "avif", "webp", "tif", "jpg"}) {
        QElapsedTimer making;
        making.start();
        const QStringList files = mixedPhotos(scratch.path(), suffix, count);
        if (files.isEmpty()) {
            std::printf("%-5s could not be made by ImageMagick\n", qPrintable(suffix));
            continue;
        }
        std::printf("%-5s made in %.1f s\n", qPrintable(suffix), making.elapsed() / 1000.0);
        importOneFormat(page, suffix, files);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--mixed")
        return mixedFormats(argc > 2 ? std::max(1, std::atoi(argv[2])) : 100);
    QTemporaryDir scratch;
    QStringList files;
    if (argc > 1) {
        files = picturesInFolder(QString::fromLocal8Bit(argv[1]));
    } else {
        QElapsedTimer making;
        making.start();
        files = makeCameraPhotos(scratch.path(), 300);
        std::printf("made %d 4000x3000 JPEGs in %.1f s\n", int(files.size()), making.elapsed() / 1000.0);
    }
    if (files.isEmpty()) {
        std::printf("no pictures\n");
        return 1;
    }

    TmplPtr tmpl(makeTemplate());
    SelectImagesForm page;
    page.setTemplate(1, tmpl.get());
    page.resize(1280, 800);
    page.show();
    QHash<QString, int> answers;
    QObject::connect(ThumbGenerator::instance(), &ThumbGenerator::generated,
                     [&](ThumbGeneratorTask task, QSharedPointer<QImage>) { ++answers[task.path]; });

    StallMeter stalls;
    QElapsedTimer clock;
    clock.start();
    page.addImages(files);
    const qint64 tilesAt = clock.elapsed();
    waitUntil([&] { return answers.size() == files.size(); });
    const qint64 previewsAt = clock.elapsed();
    waitUntil([&] { return ThumbGenerator::instance()->runningWorkers() == 0
                           && ThumbGenerator::instance()->queuedFullTasks().isEmpty(); });
    const qint64 fullAt = clock.elapsed();
    const qint64 longestStall = stalls.longest;

    std::printf("tiles: all %d exist after %lld ms\n", int(files.size()), tilesAt);
    std::printf("previews: every tile shows its first picture after %lld ms\n", previewsAt);
    std::printf("full thumbnails: all arrived after %lld ms\n", fullAt);
    std::printf("event loop: longest stall %lld ms\n", longestStall);

    // A layout run over 1,000 tiles that exist: texts, which need no decoding.
    page.setSlides(ProjectSlides{});
    ThumbGenerator::instance()->clearTasks();
    std::list<SlideEntry> texts;
    for (int i = 0; i < 1000; ++i)
        texts.push_back({QString("Text %1").arg(i), SceneText, nullptr, 0});
    page.layoutSlides(nullptr, texts);
    QElapsedTimer layout;
    layout.start();
    page.slidesOrderCahangedSlot();
    const double layoutMs = layout.nsecsElapsed() / 1e6;
    std::printf("layout run: %d existing tiles in %.2f ms\n", page.slidesCount(), layoutMs);

    std::printf("summary: %d pictures, tiles %lld ms, previews %lld ms, full %lld ms, "
                "longest stall %lld ms (goal 100), layout of 1000 tiles %.2f ms (goal 50)\n",
                int(files.size()), tilesAt, previewsAt, fullAt, longestStall, layoutMs);
    return 0;
}
