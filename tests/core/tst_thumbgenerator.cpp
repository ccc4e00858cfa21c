#include "exifbuilder.h"

#include "core/photoformats.h"
#include "core/thumbgenerator.h"

#include "common/imgmediavalbase.h"
#include "vidweave/qtimagerender.h"

#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

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


/// The offset of the first box of \a type in \a data between \a from and
/// \a to, or -1; boxes are 32-bit big-endian size, then the type.
int findBox(const QByteArray& data, const char* type, int from, int to)
{
    while (from + 8 <= to) {
        const int size = int(qFromBigEndian<quint32>(data.constData() + from));
        if (data.mid(from + 4, 4) == type)
            return from;
        if (size < 8)
            return -1;
        from += size;
    }
    return -1;
}

void growBox(QByteArray& data, int box, int by)
{
    qToBigEndian(quint32(qFromBigEndian<quint32>(data.constData() + box) + quint32(by)), data.data() + box);
}

/// \a heif with an "irot" property turning its primary picture by
/// \a turns quarters anticlockwise, as phones store a turned photo. Only the
/// layout ImageMagick writes (one item, version 0 boxes, 4-byte offsets) is
/// handled; empty otherwise.
QByteArray withContainerTurn(QByteArray heif, int turns)
{
    const int meta = findBox(heif, "meta", 0, heif.size());
    if (meta < 0)
        return {};
    const int metaEnd = meta + int(qFromBigEndian<quint32>(heif.constData() + meta));
    const int iloc = findBox(heif, "iloc", meta + 12, metaEnd);
    const int iprp = findBox(heif, "iprp", meta + 12, metaEnd);
    const int iprpEnd = iprp + int(qFromBigEndian<quint32>(heif.constData() + iprp));
    const int ipco = findBox(heif, "ipco", iprp + 8, iprpEnd);
    const int ipma = findBox(heif, "ipma", iprp + 8, iprpEnd);
    if (iloc < 0 || ipco < 0 || ipma < 0 || ipma < ipco || heif.at(iloc + 8) != 0
        || heif.at(iloc + 12) != 0x44 || heif.at(iloc + 13) != 0x40
        || qFromBigEndian<quint16>(heif.constData() + iloc + 14) != 1 || heif.at(ipma + 8) != 0)
        return {};
    int properties = 0;
    const int ipcoEnd = ipco + int(qFromBigEndian<quint32>(heif.constData() + ipco));
    for (int at = ipco + 8; at < ipcoEnd; at += int(qFromBigEndian<quint32>(heif.constData() + at)))
        ++properties;
    // The first item's associations: ID (2 bytes), count, one byte each.
    const int count = ipma + 16 + 2;
    const int added = 9 + 1;
    heif.insert(count + 1 + heif.at(count), char(0x80 | (properties + 1))); // essential
    ++heif.data()[count];
    growBox(heif, ipma, 1);
    heif.insert(ipcoEnd, QByteArray("\0\0\0\x09irot", 8) + char(turns & 3));
    growBox(heif, ipco, 9);
    growBox(heif, iprp, added);
    growBox(heif, meta, added);
    // The picture's bytes in "mdat" moved by what was added.
    growBox(heif, iloc + 20, added); // base offset of the one item
    return heif;
}

/// A program's path, or empty when it is not installed.
QString tool(const QStringList& names)
{
    for (const QString& name : names)
        if (!QStandardPaths::findExecutable(name).isEmpty())
            return name;
    return {};
}

/// \a picture written as \a suffix into \a dir: by ImageMagick, or for
/// JPEG XL by Qt's own writer; then turned by the container when \a turns
/// is not 0 and tagged with EXIF \a exif by exiftool.
QString photoFile(const QTemporaryDir& dir, const QImage& picture, const QString& suffix, int exif,
                  int turns)
{
    const QString png = dir.filePath("source.png");
    const QString path = dir.filePath("photo." + suffix);
    picture.save(png);
    if (suffix == "jxl" || suffix == "dng") {
        if (suffix == "jxl" && !picture.save(path, "jxl", 95))
            return {};
    } else if (QProcess::execute(tool({"magick", "convert"}), {png, "-quality", "95", path}) != 0) {
        return {};
    }
    if (turns) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray turned = withContainerTurn(file.readAll(), turns);
        file.close();
        if (turned.isEmpty())
            return {};
        write(dir, "photo." + suffix, turned);
    }
    if (exif && QProcess::execute("exiftool", {"-q", "-n", "-overwrite_original",
                                               QString("-Orientation=%1").arg(exif), path}) != 0)
        return {};
    return path;
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

    // The tile and the video of every offered format stand as Qt turns a
    // JPEG tagged with orientation "expected". HEIC and AVIF are turned by
    // their container alone: EXIF there describes the same turn again.
    void everyFormatStandsUpright_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("exif");
        QTest::addColumn<int>("turns");
        QTest::addColumn<int>("expected");
        for (const char* suffix : {"jpg", "tif", "webp", "dng"})
            for (int orientation = 1; orientation <= 8; ++orientation)
                QTest::addRow("%s, EXIF %d", suffix, orientation) << suffix << orientation << 0 << orientation;
        for (const char* suffix : {"png", "gif", "jxl"})
            QTest::addRow("%s", suffix) << suffix << 0 << 0 << 1;
        for (const char* suffix : {"heic", "avif"}) {
            QTest::addRow("%s", suffix) << suffix << 0 << 0 << 1;
            QTest::addRow("%s, EXIF 6 alone", suffix) << suffix << 6 << 0 << 1;
            QTest::addRow("%s, turned a quarter clockwise", suffix) << suffix << 0 << 3 << 6;
            QTest::addRow("%s, turned and EXIF 6", suffix) << suffix << 6 << 3 << 6;
            QTest::addRow("%s, turned a half", suffix) << suffix << 0 << 2 << 3;
            QTest::addRow("%s, turned a quarter anticlockwise", suffix) << suffix << 0 << 1 << 8;
        }
    }
    void everyFormatStandsUpright()
    {
        QFETCH(QString, suffix);
        QFETCH(int, exif);
        QFETCH(int, turns);
        QFETCH(int, expected);
        if (!QImageReader::supportedImageFormats().contains(suffix.toLatin1()))
            QSKIP("no reader for this format is installed");
        QVERIFY(isPhotoFile("photo." + suffix.toUpper()));
        QTemporaryDir dir;
        const QImage picture = markedPicture(96, 64);
        const QString path = suffix == "dng"
                                 ? write(dir, "photo.dng", linearDng(picture, exif, previewJpeg(96, 64)))
                                 : photoFile(dir, picture, suffix, exif, turns);
        QVERIFY2(!path.isEmpty(), "the test picture could not be made");
        ExifBuilder b(true);
        const QString reference = write(
            dir, "reference.jpg", jpegWith(picture, app1(b.tiff({b.shorts(0x112, {quint16(expected)})}, {}, {}, {}, false)), 100));
        QImageReader qtReader(reference);
        qtReader.setAutoTransform(true);
        const QImage want = qtReader.read().convertToFormat(QImage::Format_RGB32);

        const ThumbGeneratorTask task(path, 64, 64); // covers at the picture's own size
        const QSharedPointer<QImage> tile = ThumbWorker(task).generateThumb(task);
        const ImgMediaValBase value(path.toStdWString(), 0);
        const QImage frame = QtImageRender::LoadPicture(nullptr, &value, 1280, 720);
        QVERIFY(tile);
        for (const QImage& image : {*tile, frame}) {
            QCOMPARE(image.size(), want.size());
            const QImage got = image.convertToFormat(QImage::Format_RGB32);
            for (QPoint p : {QPoint(4, 4), QPoint(want.width() - 5, 4), QPoint(4, want.height() - 5),
                             QPoint(want.width() - 5, want.height() - 5)})
                QVERIFY2(qAbs(qRed(got.pixel(p)) - qRed(want.pixel(p))) < 60
                             && qAbs(qBlue(got.pixel(p)) - qBlue(want.pixel(p))) < 60,
                         qPrintable(QString("%1 at %2,%3").arg(QColor(got.pixel(p)).name()).arg(p.x()).arg(p.y())));
        }
    }

    // A camera RAW file's tile comes from the JPEG stored in it, not from
    // developing the sensor's picture: here the two differ in colour.
    void cameraFileTileIsItsStoredPreview()
    {
        if (!QImageReader::supportedImageFormats().contains("dng"))
            QSKIP("no reader for camera RAW files is installed");
        QTemporaryDir dir;
        QImage green(96, 64, QImage::Format_RGB32);
        green.fill(Qt::green);
        QByteArray preview;
        QBuffer buffer(&preview);
        buffer.open(QIODevice::WriteOnly);
        green.save(&buffer, "JPG", 95);
        const QString path = write(dir, "camera.DNG", linearDng(markedPicture(96, 64), 6, preview));
        const ThumbGeneratorTask task(path, 64, 64);
        const QSharedPointer<QImage> tile = ThumbWorker(task).generateThumb(task);
        QVERIFY(tile && !tile->isNull());
        QCOMPARE(tile->size(), QSize(64, 96));
        const QColor middle = tile->pixelColor(32, 48);
        QVERIFY2(middle.green() > 200 && middle.red() < 60, qPrintable(middle.name()));
        // Too small a preview for the box: the sensor's picture is developed.
        const ThumbGeneratorTask large(path, 300, 300);
        const QSharedPointer<QImage> developed = ThumbWorker(large).generateThumb(large);
        QVERIFY(developed && !developed->isNull());
        QVERIFY2(developed->pixelColor(developed->width() / 2, developed->height() / 2).green() < 100,
                 qPrintable(developed->pixelColor(developed->width() / 2, developed->height() / 2).name()));
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

    // Pictures decoded whole to be scaled take two of the six workers at
    // most, and JPEGs waiting behind them go first.
    void wholeDecodesTakeTwoAtATime()
    {
        QTemporaryDir dir;
        ThumbGenerator generator;
        QSignalSpy completed(&generator, &ThumbGenerator::completed);
        int mostRunning = 0;
        connect(&generator, &ThumbGenerator::generated, this,
                [&] { mostRunning = qMax(mostRunning, generator.runningWorkers()); });
        generator.pauseFullStage();
        for (int i = 0; i < 6; ++i) {
            const QString tiff = dir.filePath(QString("w%1.tif").arg(i));
            QVERIFY(markedPicture(300, 200).save(tiff));
            generator.addTask(ThumbGeneratorTask(tiff, 64, 64));
        }
        for (int i = 0; i < 2; ++i)
            generator.addTask(ThumbGeneratorTask(cameraJpeg(dir, QString("j%1.jpg").arg(i), markedPicture(300, 200),
                                                            {}, {}), 64, 64));
        QTRY_COMPARE(generator.runningWorkers(), 0); // no stored previews to show
        generator.resumeFullStage();
        QCOMPARE(generator.runningWorkers(), ThumbGenerator::maxWholeDecodes + 2);
        QTRY_COMPARE_WITH_TIMEOUT(completed.count(), 8, 20000);
        QVERIFY(mostRunning <= ThumbGenerator::maxWholeDecodes + 2);
        QTRY_COMPARE(generator.runningWorkers(), 0);
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
