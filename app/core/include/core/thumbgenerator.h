#pragma once

#include <QImage>
#include <QList>
#include <QMetaType>
#include <QMutex>
#include <QObject>
#include <QSharedPointer>
#include <QString>

/// One thumbnail wanted: a picture at a size in device pixels.
struct ThumbGeneratorTask
{
    ThumbGeneratorTask() = default;
    ThumbGeneratorTask(QString path, int height, int width)
        : path(std::move(path)), height(height), width(width)
    {
    }

    QString path;
    int height = 0;
    int width = 0;

    bool operator==(const ThumbGeneratorTask& other) const
    {
        return path == other.path && height == other.height && width == other.width;
    }
};

using ImageSharedPointer = QSharedPointer<QImage>;

Q_DECLARE_METATYPE(ThumbGeneratorTask)
Q_DECLARE_METATYPE(QSharedPointer<QImage>)

/// Makes one thumbnail on its own thread, then deletes itself.
class ThumbWorkerBase : public QObject
{
    Q_OBJECT

public:
    explicit ThumbWorkerBase(const ThumbGeneratorTask& task);

    /// Null pointer: this stage has no picture.
    virtual QSharedPointer<QImage> generateThumb(const ThumbGeneratorTask& task) = 0;

public slots:
    void process();

signals:
    void finished();
    void done(ThumbGeneratorTask task, QSharedPointer<QImage> img);

private:
    ThumbGeneratorTask task;
};

/// The preview a camera stored in the JPEG, cut to the photo's proportions
/// and scaled to cover the requested box.
class ExifThumbWorker : public ThumbWorkerBase
{
    Q_OBJECT

public:
    using ThumbWorkerBase::ThumbWorkerBase;
    QSharedPointer<QImage> generateThumb(const ThumbGeneratorTask& task) override;
};

/// The whole picture, decoded straight at the size that covers the box,
/// upright by its orientation tag.
class ThumbWorker : public ThumbWorkerBase
{
    Q_OBJECT

public:
    using ThumbWorkerBase::ThumbWorkerBase;
    QSharedPointer<QImage> generateThumb(const ThumbGeneratorTask& task) override;
};

/// Thumbnails in the background: the embedded preview first, then a scaled
/// decode, at most six at a time, of which at most two decode a whole
/// picture (HEIC, AVIF, WebP, TIFF …) to scale it: a 12-megapixel one takes
/// over 100 MB while it is decoded. Answers are broadcast by generated().
///
/// A request belongs to whoever made it (\a owner): two requesters of the
/// same picture at the same size withdraw only their own request, so a tile
/// going away never takes the answer from a newer tile of the same file.
class ThumbGenerator : public QObject
{
    Q_OBJECT

public:
    /// The process-wide instance; never destroyed.
    static ThumbGenerator* instance();

    ThumbGenerator();

    void addTask(const ThumbGeneratorTask& task, const void* owner = nullptr);
    /// Withdraws \a owner's first waiting request for \a task.
    void removeTask(const ThumbGeneratorTask& task, const void* owner = nullptr);
    void clearTasks();
    void pauseFullStage();
    void resumeFullStage();
    int runningWorkers() const { return running; }
    /// A copy of the tasks waiting for a full decode, first in line first.
    QList<ThumbGeneratorTask> queuedFullTasks();

    static const int maxWorkers = 6;
    static const int maxWholeDecodes = 2;

signals:
    void generated(ThumbGeneratorTask task, QSharedPointer<QImage> thumb);
    /// The full decode of \a task was answered: nothing better will follow.
    void completed(ThumbGeneratorTask task);

public slots:
    void doTask();

private slots:
    void exifWorkerDone(ThumbGeneratorTask path, QSharedPointer<QImage> img);
    void workerDone(ThumbGeneratorTask path, QSharedPointer<QImage> img);

private:
    struct Request
    {
        ThumbGeneratorTask task;
        const void* owner;
        bool operator==(const Request& other) const
        {
            return task == other.task && owner == other.owner;
        }
    };

    void startWorker(ThumbWorkerBase* worker, bool exifStage);
    /// The first waiting full decode that may start now; null when none.
    ThumbWorkerBase* nextFullWorker();

    int running = 0;
    int wholeDecodes = 0; // of the running, those decoding a whole picture
    QMutex lock;
    QList<Request> exifQueue;
    QList<Request> fullQueue;
    bool fullStageEnabled = true;
};
