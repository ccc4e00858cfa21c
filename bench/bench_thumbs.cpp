// The thumbnail service on a bulk import: 300 camera-like 4000x3000 JPEGs
// with stored 160x120 previews (or the files of a folder given as the only
// argument), queued with the full stage paused, then resumed.
#include "benchphotos.h"

#include "core/thumbgenerator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>

namespace {

long peakKb()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTemporaryDir scratch;
    QStringList files;
    if (argc > 1) {
        const QDir dir(QString::fromLocal8Bit(argv[1]));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            files << dir.filePath(name);
    } else {
        QElapsedTimer making;
        making.start();
        files = makeCameraPhotos(scratch.path(), 300);
        std::printf("made %d 4000x3000 JPEGs in %.1f s\n", int(files.size()), making.elapsed() / 1000.0);
    }
    if (files.isEmpty()) {
        std::printf("no files\n");
        return 0;
    }

    ThumbGenerator generator;
    QSet<QString> previews;
    QSet<QString> decodes;
    bool fullStage = false;
    QElapsedTimer clock;
    qint64 previewsAt = -1;
    qint64 decodesAt = -1;
    QObject::connect(&generator, &ThumbGenerator::generated,
                     [&](ThumbGeneratorTask task, QSharedPointer<QImage>) {
                         (fullStage ? decodes : previews) << task.path;
                     });
    clock.start();
    generator.pauseFullStage();
    for (const QString& file : files)
        generator.addTask(ThumbGeneratorTask(file, 150, 150));
    while (generator.runningWorkers() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    previewsAt = clock.elapsed();
    fullStage = true;
    generator.resumeFullStage();
    while (generator.runningWorkers() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    decodesAt = clock.elapsed();
    std::printf("%d files: %d stored previews broadcast after %lld ms, %d full decodes after %lld ms\n",
                int(files.size()), int(previews.size()), previewsAt, int(decodes.size()), decodesAt);
    std::printf("peak memory after the service: %ld MB\n", peakKb() / 1024);

    const int sample = std::min<int>(30, files.size());
    QElapsedTimer plain;
    plain.start();
    for (int i = 0; i < sample; ++i)
        QImage(files.at(i)).scaled(150, 150, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const double perFile = double(plain.elapsed()) / sample;
    std::printf("plain QImage load and scale, one thread: %.1f ms a file (%d sampled), %.1f s for all\n",
                perFile, sample, perFile * files.size() / 1000.0);
    std::printf("peak memory at the end: %ld MB\n", peakKb() / 1024);
    return 0;
}
