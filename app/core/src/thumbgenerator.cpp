#include "core/thumbgenerator.h"

#include "core/metatypes.h"
#include "core/photoformats.h"

#include "vidweave/qexifimageheader.h"
#include "vidweave/qtimagerender.h"

#include <QBuffer>
#include <QImageReader>
#include <QMutexLocker>
#include <QThread>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

ThumbWorkerBase::ThumbWorkerBase(const ThumbGeneratorTask& task) : task(task) {}

void ThumbWorkerBase::process()
{
    emit done(task, generateThumb(task));
    emit finished();
}

namespace {

/// Scales to cover \a task's box, keeping proportions.
QImage cover(const QImage& image, const ThumbGeneratorTask& task)
{
    if (image.isNull() || task.width <= 0 || task.height <= 0)
        return image;
    const float sH = float(task.height) / float(image.height());
    const float sW = float(task.width) / float(image.width());
    return sW > sH ? image.scaledToWidth(task.width, Qt::SmoothTransformation)
                   : image.scaledToHeight(task.height, Qt::SmoothTransformation);
}

} // namespace

QSharedPointer<QImage> ExifThumbWorker::generateThumb(const ThumbGeneratorTask& task)
{
    const QExifImageHeader header(task.path);
    QImage thumb = header.thumbnailImage();
    if (thumb.isNull() || thumb.width() == 0)
        return {};
    long x = header.exifValue(0xA002).toInteger();
    long y = header.exifValue(0xA003).toInteger();
    // The preview was turned upright: compare with the upright picture.
    if (header.previewOrientation() >= 5 && header.previewOrientation() <= 8)
        std::swap(x, y);
    if (x != 0) {
        const float r = float(y) / float(x);
        const float t = float(thumb.height()) / float(thumb.width());
        // Stored previews are often 4:3 with black bands: cut to the photo.
        if (r > 0 && std::fabs(r / t - 1.f) > 0.03f) {
            if (r > t) {
                const int w = int(float(thumb.height()) / r);
                thumb = thumb.copy((thumb.width() - w) / 2, 0, w, thumb.height());
            } else {
                const int h = int(float(thumb.width()) * r);
                thumb = thumb.copy(0, (thumb.height() - h) / 2, thumb.width(), h);
            }
        }
    }
    if (thumb.isNull())
        return {};
    return QSharedPointer<QImage>::create(cover(thumb, task));
}

namespace {

/// The longest side a thumbnail keeps: odd shapes (a 1x6000 strip) would
/// otherwise cover the box at hundreds of megabytes.
int longestSide(const ThumbGeneratorTask& task)
{
    return std::min(4 * std::max(task.width, task.height), 4096);
}

/// The centred part of \a whole with \a part's size.
QRect centred(QSize part, QSize whole)
{
    return QRect(QPoint((whole.width() - part.width()) / 2, (whole.height() - part.height()) / 2),
                 part);
}

/// \a reader's picture covering \a task's box, upright by \a orientation
/// (the reader's own handling when 0); only the scaled result is kept.
QSharedPointer<QImage> scaledThumb(QImageReader& reader, int orientation, const ThumbGeneratorTask& task)
{
    reader.setAutoTransform(orientation == 0);
    const QSize stored = reader.size();
    // Turned a quarter by its orientation tag: the upright size is transposed.
    const bool transposed =
        orientation ? QExifImageHeader::swapsSides(orientation)
                    : bool(reader.transformation() & QImageIOHandler::TransformationRotate90);
    const QSize upright = transposed ? stored.transposed() : stored;
    if (upright.width() <= 0 || upright.height() <= 0 || task.width <= 0 || task.height <= 0)
        return QSharedPointer<QImage>::create();
    const qint64 W = upright.width();
    const qint64 H = upright.height();
    // Cover the box, keeping proportions.
    const bool byWidth = float(task.width) / float(task.height) > float(W) / float(H);
    const QSize cover = byWidth ? QSize(task.width, int(std::min<qint64>(task.width * H / W, INT_MAX)))
                                : QSize(int(std::min<qint64>(task.height * W / H, INT_MAX)), task.height);
    QSize scaled = cover.boundedTo(QSize(longestSide(task), longestSide(task))).expandedTo(QSize(1, 1));
    if (scaled != cover.expandedTo(QSize(1, 1))) {
        // Decode only the centre that the kept part shows.
        const double s = byWidth ? double(task.width) / W : double(task.height) / H;
        QSize part(std::max(1, qRound(scaled.width() / s)), std::max(1, qRound(scaled.height() / s)));
        part = part.boundedTo(upright);
        reader.setClipRect(centred(transposed ? part.transposed() : part, stored));
    }
    reader.setScaledSize(transposed ? scaled.transposed() : scaled);
    QImage image = reader.read();
    if (image.isNull())
        return QSharedPointer<QImage>::create();
    // As the video lays it on the slot's paper (white unless a theme says otherwise).
    return QSharedPointer<QImage>::create(
        QtImageRender::OnGround(QExifImageHeader::orient(image, orientation), Qt::white));
}

/// The tile of a camera RAW file from the JPEG the camera stored in it:
/// developing the sensor's picture takes seconds. Null when the stored
/// preview is missing or smaller than the box.
QSharedPointer<QImage> cameraThumb(const ThumbGeneratorTask& task)
{
    int orientation = 0;
    QByteArray jpeg = QExifImageHeader::cameraPreview(task.path, &orientation);
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "JPG");
    const QSize size = reader.size();
    if (jpeg.isEmpty() || std::max(size.width(), size.height()) < std::max(task.width, task.height))
        return {};
    const QSharedPointer<QImage> thumb = scaledThumb(reader, orientation, task);
    return thumb->isNull() ? QSharedPointer<QImage>() : thumb;
}

} // namespace

QSharedPointer<QImage> ThumbWorker::generateThumb(const ThumbGeneratorTask& task)
{
    if (isCameraRawFile(task.path))
        if (const QSharedPointer<QImage> thumb = cameraThumb(task))
            return thumb;
    QImageReader reader(task.path);
    // Our own EXIF reader knows every type the orientation tag comes in, so
    // the tile stands as the picture does in the video.
    return scaledThumb(reader, QExifImageHeader::fileOrientation(task.path), task);
}

ThumbGenerator* ThumbGenerator::instance()
{
    static QMutex mutex;
    static ThumbGenerator* single = nullptr;
    QMutexLocker locker(&mutex);
    if (!single)
        single = new ThumbGenerator;
    return single;
}

ThumbGenerator::ThumbGenerator()
{
    registerCoreMetaTypes();
}

void ThumbGenerator::addTask(const ThumbGeneratorTask& task, const void* owner)
{
    {
        QMutexLocker locker(&lock);
        exifQueue.append({task, owner});
        fullQueue.append({task, owner});
    }
    doTask();
}

QList<ThumbGeneratorTask> ThumbGenerator::queuedFullTasks()
{
    QMutexLocker locker(&lock);
    QList<ThumbGeneratorTask> tasks;
    for (const Request& request : qAsConst(fullQueue))
        tasks << request.task;
    return tasks;
}

void ThumbGenerator::removeTask(const ThumbGeneratorTask& task, const void* owner)
{
    QMutexLocker locker(&lock);
    exifQueue.removeOne({task, owner});
    fullQueue.removeOne({task, owner});
}

void ThumbGenerator::clearTasks()
{
    QMutexLocker locker(&lock);
    exifQueue.clear();
    fullQueue.clear();
}

void ThumbGenerator::pauseFullStage()
{
    QMutexLocker locker(&lock);
    fullStageEnabled = false;
}

void ThumbGenerator::resumeFullStage()
{
    {
        QMutexLocker locker(&lock);
        fullStageEnabled = true;
    }
    // Fill the pool at once: one start per call would leave a single worker
    // decoding a whole paused import, since each completion starts just one.
    int before = -1;
    while (running < maxWorkers && running != before) {
        before = running;
        doTask();
    }
}

void ThumbGenerator::doTask()
{
    if (running >= maxWorkers)
        return;
    ThumbWorkerBase* worker = nullptr;
    bool exifStage = false;
    {
        QMutexLocker locker(&lock);
        if (!exifQueue.isEmpty()) {
            worker = new ExifThumbWorker(exifQueue.takeFirst().task);
            exifStage = true;
        } else if (fullStageEnabled) {
            worker = nextFullWorker();
        }
    }
    if (worker)
        startWorker(worker, exifStage);
}

namespace {

/// A camera file's tile comes from its stored JPEG, decoded small as well.
bool decodesWhole(const QString& path)
{
    return !decodesAtReducedSize(path) && !isCameraRawFile(path);
}

} // namespace

ThumbWorkerBase* ThumbGenerator::nextFullWorker()
{
    for (int i = 0; i < fullQueue.size(); ++i) {
        const ThumbGeneratorTask task = fullQueue.at(i).task;
        if (!decodesWhole(task.path)) {
            fullQueue.removeAt(i);
            return new ThumbWorker(task);
        }
        if (wholeDecodes < maxWholeDecodes) {
            fullQueue.removeAt(i);
            ++wholeDecodes;
            return new ThumbWorker(task);
        }
    }
    return nullptr;
}

void ThumbGenerator::startWorker(ThumbWorkerBase* worker, bool exifStage)
{
    ++running;
    if (exifStage)
        connect(worker, &ThumbWorkerBase::done, this, &ThumbGenerator::exifWorkerDone);
    else
        connect(worker, &ThumbWorkerBase::done, this, &ThumbGenerator::workerDone);
    auto* thread = new QThread;
    thread->setObjectName(QStringLiteral("thumbnail"));
    worker->moveToThread(thread);
    connect(thread, &QThread::started, worker, &ThumbWorkerBase::process);
    connect(worker, &ThumbWorkerBase::finished, thread, &QThread::quit);
    connect(worker, &ThumbWorkerBase::finished, worker, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::InheritPriority);
}

void ThumbGenerator::exifWorkerDone(ThumbGeneratorTask task, QSharedPointer<QImage> img)
{
    --running;
    if (img) {
        emit generated(task, img);
        // Shown already: its full decode waits behind pictures showing nothing.
        QMutexLocker locker(&lock);
        const auto waiting = std::find_if(fullQueue.begin(), fullQueue.end(),
                                          [&](const Request& r) { return r.task == task; });
        if (waiting != fullQueue.end()) {
            const Request request = *waiting;
            fullQueue.erase(waiting);
            fullQueue.append(request);
        }
    }
    doTask();
}

void ThumbGenerator::workerDone(ThumbGeneratorTask task, QSharedPointer<QImage> img)
{
    --running;
    if (decodesWhole(task.path)) {
        QMutexLocker locker(&lock);
        --wholeDecodes;
    }
    if (img)
        emit generated(task, img);
    emit completed(task);
    doTask();
}
