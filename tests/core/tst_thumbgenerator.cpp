#include "exifbuilder.h"

#include "core/thumbgenerator.h"

#include "common/imgmediavalbase.h"
#include "vidweave/qtimagerender.h"

#include <QImageReader>
#include <QPainter>
#include <QProcess>

#include <sys/resource.h>

#include <QtTest>

namespace {

QByteArray previewJpeg(int w, int h)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    markedPicture(w, h).save(&buffer, "JPG", 95);
    return jpeg;
}

/// A camera-like JPEG: \a picture with a stored preview and its pixel size
/// tags (0xA002, 0xA003), and an orientation in IFD 0 when given.
QString cameraJpeg(const QTemporaryDir& dir, const QString& name, const QImage& picture,
                   QSize preview, QSize tagged, int orientation = 0)
{
    ExifBuilder b(true);
    QVector<ExifEntry> ifd0;
    if (orientation)
        ifd0 << b.shorts(0x112, {quint16(orientation)});
    const QVector<ExifEntry> exif{b.longs(0xA002, {quint32(tagged.width())}),
                                  b.longs(0xA003, {quint32(tagged.height())})};
    const QByteArray bytes =
        jpegWith(picture, app1(b.tiff(ifd0, tagged.isEmpty() ? QVector<ExifEntry>{} : exif, {},
                                      preview.isEmpty() ? QByteArray() : previewJpeg(preview.width(), preview.height()),
                                      !preview.isEmpty())));
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

/// Frames of 120 x 90: the first red, the next blue, each a rectangle in the
/// middle on a transparent ground unless \a opaque; as a PNG (first frame
/// only) or an animated GIF made by ffmpeg.
QString framesFile(const QTemporaryDir& dir, const QString& format, bool opaque)
{
    for (int i = 0; i < 2; ++i) {
        QImage frame(120, 90, QImage::Format_ARGB32);
        frame.fill(opaque ? QColor(i ? Qt::blue : Qt::red) : QColor(Qt::transparent));
        QPainter(&frame).fillRect(40, 30, 40, 30, i ? Qt::blue : Qt::red);
        frame.save(dir.filePath(QString("frame%1.png").arg(i)));
    }
    if (format == "png")
        return dir.filePath("frame0.png");
    const QString gif = dir.filePath("animated.gif");
    QProcess::execute("ffmpeg", {"-v", "error", "-y", "-framerate", "2", "-i", dir.filePath("frame%d.png"),
                                 "-filter_complex", "split[a][b];[a]palettegen=reserve_transparent=1[p];[b][p]paletteuse",
                                 gif});
    return gif;
}

} // namespace

class TestThumbGenerator : public QObject
{
    Q_OBJECT

private slots:
    // Runs first, while the process is small, so that its peak shows.
    void oddShapesStaySmall()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("strip.png");
        QImage strip(1, 6000, QImage::Format_Mono);
        strip.fill(1);
        QVERIFY(strip.save(path));
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        const ThumbGeneratorTask task(path, 150, 150);
        const QSharedPointer<QImage> image = ThumbWorker(task).generateThumb(task);
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        QVERIFY(image && !image->isNull());
        QCOMPARE(image->width(), 150);
        QVERIFY2(image->height() >= 150 && image->height() <= 600,
                 qPrintable(QString::number(image->height())));
        QVERIFY2(image->sizeInBytes() < 5 * 1024 * 1024, qPrintable(QString::number(image->sizeInBytes())));
        const long grownKiB = after.ru_maxrss - before.ru_maxrss;
        QVERIFY2(grownKiB < 5 * 1024, qPrintable(QString("%1 KiB").arg(grownKiB)));
    }

    void tilesAndVideoAgreeOnOrientation_data()
    {
        QTest::addColumn<bool>("little");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("orientation");
        for (bool little : {true, false})
            for (int type : {3, 4, 9})
                for (int orientation = 1; orientation <= 8; ++orientation)
                    QTest::addRow("%s, type %d, %d", little ? "II" : "MM", type, orientation)
                        << little << type << orientation;
    }
    // Qt's own reading of a SHORT tag is the reference for every type.
    void tilesAndVideoAgreeOnOrientation()
    {
        QFETCH(bool, little);
        QFETCH(int, type);
        QFETCH(int, orientation);
        QTemporaryDir dir;
        ExifBuilder b(little);
        auto tagged = [&](const QString& name, const ExifEntry& tag) {
            return write(dir, name,
                         jpegWith(markedPicture(96, 64), app1(b.tiff({tag}, {}, {}, {}, false)), 100));
        };
        const QString reference = tagged("short.jpg", b.shorts(0x112, {quint16(orientation)}));
        const QString path =
            tagged("tagged.jpg", ExifEntry{0x112, quint16(type), 1,
                                          type == 3 ? b.u16(quint16(orientation)) : b.u32(quint32(orientation))});
        QImageReader qtReader(reference);
        qtReader.setAutoTransform(true);
        const QImage expected = qtReader.read().convertToFormat(QImage::Format_RGB32);

        const ThumbGeneratorTask task(path, 64, 64); // covers at the picture's own size
        const QSharedPointer<QImage> tile = ThumbWorker(task).generateThumb(task);
        const ImgMediaValBase value(path.toStdWString(), 0);
        const QImage frame = QtImageRender::LoadPicture(nullptr, &value, 1280, 720);
        for (const QImage& image : {*tile, frame}) {
            QCOMPARE(image.size(), expected.size());
            const QImage got = image.convertToFormat(QImage::Format_RGB32);
            for (QPoint p : {QPoint(2, 2), QPoint(expected.width() - 3, 2),
                             QPoint(2, expected.height() - 3),
                             QPoint(expected.width() - 3, expected.height() - 3)})
                QVERIFY2(qAbs(qRed(got.pixel(p)) - qRed(expected.pixel(p))) < 40,
                         qPrintable(QString("at %1,%2").arg(p.x()).arg(p.y())));
        }
    }

    // An animation shows its first frame, and transparent parts lie on the
    // slot's paper, in the tile as in the video.
    void picturesWithFramesOrHolesShowAsPrints_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("opaque");
        QTest::newRow("animated GIF") << "gif" << true;
        QTest::newRow("animated GIF, cut out") << "gif" << false;
        QTest::newRow("PNG, cut out") << "png" << false;
    }
    void picturesWithFramesOrHolesShowAsPrints()
    {
        QFETCH(QString, format);
        QFETCH(bool, opaque);
        QTemporaryDir dir;
        const QString path = framesFile(dir, format, opaque);
        QVERIFY(QFile::exists(path));
        const ThumbGeneratorTask task(path, 90, 120);
        const QSharedPointer<QImage> tile = ThumbWorker(task).generateThumb(task);
        const ImgMediaValBase value(path.toStdWString(), 0);
        const QImage frame = QtImageRender::LoadPicture(nullptr, &value, 1280, 720);
        for (const QImage& image : {*tile, frame}) {
            QCOMPARE(image.size(), QSize(120, 90));
            const QColor middle = image.pixelColor(60, 45);
            const QColor corner = image.pixelColor(5, 5);
            QVERIFY2(middle.red() > 200 && middle.blue() < 60, qPrintable(middle.name()));
            const QColor paper = opaque ? QColor(Qt::red) : QColor(Qt::white);
            QVERIFY2(qAbs(corner.red() - paper.red()) < 40 && qAbs(corner.green() - paper.green()) < 40
                         && qAbs(corner.blue() - paper.blue()) < 40 && corner.alpha() == 255,
                     qPrintable(corner.name(QColor::HexArgb)));
        }
    }

    void pictureWithoutImageDataIsBroken()
    {
        QTemporaryDir dir;
        QByteArray jpeg = jpegWith(markedPicture(64, 48), {});
        jpeg = jpeg.left(jpeg.indexOf(QByteArray("\xFF\xDA", 2))) + QByteArray("\xFF\xD9", 2);
        const QString path = write(dir, "noscan.jpg", jpeg);
        const ThumbGeneratorTask task(path, 100, 100);
        const QSharedPointer<QImage> image = ThumbWorker(task).generateThumb(task);
        QVERIFY(image);
        QVERIFY(image->isNull());
        QVERIFY(!QtImageRender::CanLoadPicture(path));
        QVERIFY(QtImageRender::CanLoadPicture(write(dir, "fine.jpg", jpegWith(markedPicture(64, 48), {}))));
    }

    void storedPreviewIsCutAndScaled_data()
    {
        QTest::addColumn<QSize>("tagged");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::newRow("6000x4000 behind a 4:3 preview") << QSize(6000, 4000) << 0 << QSize(226, 150);
        QTest::newRow("proportions within 3 %") << QSize(4000, 3050) << 0 << QSize(200, 150);
        QTest::newRow("no size tags") << QSize() << 0 << QSize(200, 150);
        // Stored sideways: the upright preview is compared with the upright picture.
        QTest::newRow("turned a quarter") << QSize(6000, 4000) << 6 << QSize(150, 226);
    }

    void storedPreviewIsCutAndScaled()
    {
        QFETCH(QSize, tagged);
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        const QString path =
            cameraJpeg(dir, "a.jpg", markedPicture(64, 48), QSize(160, 120), tagged, orientation);
        const ThumbGeneratorTask task(path, 150, 150);
        ExifThumbWorker worker(task);
        const QSharedPointer<QImage> thumb = worker.generateThumb(task);
        QVERIFY(thumb && !thumb->isNull());
        QVERIFY2(qAbs(thumb->width() - size.width()) <= 1 && qAbs(thumb->height() - size.height()) <= 1,
                 qPrintable(QString("%1x%2").arg(thumb->width()).arg(thumb->height())));
    }

    void noStoredPreview()
    {
        QTemporaryDir dir;
        const QString png = dir.filePath("p.png");
        markedPicture(40, 30).save(png);
        const ThumbGeneratorTask task(png, 50, 50);
        QVERIFY(ExifThumbWorker(task).generateThumb(task).isNull());
    }

    void fullDecodeCoversTheBox_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("landscape") << QSize(300, 200) << 0 << QSize(150, 100);
        QTest::newRow("portrait") << QSize(200, 400) << 0 << QSize(100, 200);
        QTest::newRow("stored sideways, turned upright") << QSize(300, 200) << 6 << QSize(100, 150);
    }

    void fullDecodeCoversTheBox()
    {
        QFETCH(QSize, picture);
        QFETCH(int, orientation);
        QFETCH(QSize, expected);
        QTemporaryDir dir;
        const QString path = cameraJpeg(dir, "f.jpg", markedPicture(picture.width(), picture.height()),
                                        {}, {}, orientation);
        const ThumbGeneratorTask task(path, 100, 100);
        const QSharedPointer<QImage> image = ThumbWorker(task).generateThumb(task);
        QVERIFY(image);
        QCOMPARE(image->size(), expected);
        if (orientation == 6) // the red corner turns to the top right
            QVERIFY(image->pixelColor(expected.width() - 5, 5).red() > 200);
    }

    void unreadablePictureGivesANullImage_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not a picture") << QByteArray("hello");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header of a zero-size PNG")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\0\0\0\0\0\x08\x02\0\0\0", 29);
    }

    void unreadablePictureGivesANullImage()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QFile file(dir.filePath("x.png"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const ThumbGeneratorTask task(file.fileName(), 100, 100);
        const QSharedPointer<QImage> image = ThumbWorker(task).generateThumb(task);
        QVERIFY(image);
        QVERIFY(image->isNull());
    }

    void service()
    {
        QTemporaryDir dir;
        ThumbGenerator generator;
        QSignalSpy generated(&generator, &ThumbGenerator::generated);
        int mostRunning = 0;
        connect(&generator, &ThumbGenerator::generated, this,
                [&] { mostRunning = qMax(mostRunning, generator.runningWorkers()); });

        QList<ThumbGeneratorTask> tasks;
        for (int i = 0; i < 12; ++i) {
            const QString path = cameraJpeg(dir, QString("c%1.jpg").arg(i), markedPicture(400, 300),
                                            QSize(160, 120), QSize(400, 300));
            tasks << ThumbGeneratorTask(path, 64, 64);
        }
        const QString png = dir.filePath("plain.png");
        markedPicture(90, 60).save(png);

        generator.pauseFullStage();
        for (const ThumbGeneratorTask& task : tasks) {
            generator.addTask(task);
            mostRunning = qMax(mostRunning, generator.runningWorkers());
        }
        generator.addTask(ThumbGeneratorTask(png, 64, 64));
        generator.addTask(tasks.first()); // a second requester of the same picture
        QTRY_COMPARE_WITH_TIMEOUT(generated.count(), 13, 10000);
        QTest::qWait(100);
        QCOMPARE(generated.count(), 13); // stored previews only: the PNG has none
        QVERIFY(mostRunning <= ThumbGenerator::maxWorkers);

        // The PNG showed nothing yet, so its full decode waits first in line.
        QCOMPARE(generator.queuedFullTasks().first().path, png);
        generator.removeTask(tasks.at(1));
        generator.resumeFullStage();
        QCOMPARE(generator.runningWorkers(), ThumbGenerator::maxWorkers); // the pool fills at once
        // 14 full decodes less the removed one.
        QTRY_COMPARE_WITH_TIMEOUT(generated.count(), 13 + 13, 20000);
        QTest::qWait(100);
        QCOMPARE(generated.count(), 26);
        QVERIFY(mostRunning <= ThumbGenerator::maxWorkers);
        int firstCount = 0;
        for (const auto& args : generated)
            firstCount += args.at(0).value<ThumbGeneratorTask>() == tasks.first();
        QCOMPARE(firstCount, 4); // two requests, each answered twice

        generator.pauseFullStage();
        generator.addTask(tasks.at(2));
        generator.clearTasks();
        generator.resumeFullStage();
        QTest::qWait(300);
        QVERIFY(generated.count() <= 27); // at most the preview already running
        QTRY_COMPARE(generator.runningWorkers(), 0);
    }
};

QTEST_MAIN(TestThumbGenerator)
#include "tst_thumbgenerator.moc"
