// Faults made to happen for real: files changed behind the program's back,
// a full disk, a folder taken away during a render, a save killed midway,
// many cancelled renders, half-written project folders.
#include "folderpaths.h"
#include "smalldisk.h"

#include "core/prjmanager.h"
#include "core/rendercontroller.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/release.h"
#include "vidweave/vidweave.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <malloc.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <memory>

namespace {

const int W = 320;
const int H = 180;

IMedia::Transforms middleKeys(int frames)
{
    IMedia::Transforms keys;
    for (int f = 0; f < frames; ++f) {
        IMedia::transformation_t t;
        t.x0 = 0.25, t.y0 = 0.25, t.x1 = 0.75, t.y1 = 0.25;
        t.x2 = 0.75, t.y2 = 0.75, t.x3 = 0.25, t.y3 = 0.75;
        t.opacity = 1.f;
        keys[f] = t;
    }
    return keys;
}

bool ffmpeg(const QStringList& args)
{
    return QProcess::execute("ffmpeg", QStringList{"-v", "error", "-y"} + args) == 0;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

/// A theme of a video scene (1.mp4) and a still scene, each with one picture
/// slot, a project that plays both with one picture, and music.
struct Job
{
    QTemporaryDir dir;
    QString folder = dir.filePath("out");
    QString output = folder + "/video.mp4";
    FolderPaths paths{dir.path()};
    BaseTmplFactory tmplFactory;
    BasePrjFactory prjFactory;
    ITmpl* tmpl = nullptr;
    SceneMediaList media;
    QSharedPointer<IPrj> prj;

    explicit Job(int frames)
    {
        QDir().mkpath(folder);
        QImage still(W, H, QImage::Format_RGB32);
        still.fill(Qt::darkBlue);
        still.save(dir.filePath("still.png"));
        QImage picture(200, 150, QImage::Format_RGB32);
        picture.fill(Qt::yellow);
        picture.save(dir.filePath("picture.jpg"));
        ffmpeg({"-f", "lavfi", "-i", QString("testsrc=size=%1x%2:rate=30").arg(W).arg(H),
                "-frames:v", QString::number(frames), "-pix_fmt", "yuv420p", "-c:v", "libx264",
                dir.filePath("1.mp4")});
        ffmpeg({"-f", "lavfi", "-i", "sine=duration=4", "-c:a", "aac", dir.filePath("music.m4a")});

        std::map<int, IScene*> scenes;
        for (int id : {1, 2}) {
            auto* slotMap = new std::map<int, IImgMedia*>{
                {0, tmplFactory.GetImgMedia(middleKeys(frames), 4.f / 3.f, 0.f, {}, {}, 1.f, 1.f,
                                            IMedia::VCenter, IMedia::HCenter)}};
            scenes[id] = id == 1 ? tmplFactory.GetImgScene(slotMap, BgVideo, L"", frames, 1, 30)
                                 : tmplFactory.GetImgScene(slotMap, BgImage,
                                                           L"still.png",
                                                           frames, 1, 30);
        }
        tmpl = tmplFactory.GetTmpl(scenes, 5, 5, 5, 70);
        for (int id : {1, 2}) {
            SceneMediaMap values;
            values[0] = prjFactory.GetImgMediaVal(dir.filePath("picture.jpg").toStdWString(), 0);
            media.push_back(new SceneMediaPair(id, values));
        }
        prj.reset(prjFactory.GetPrj(1, &media, {dir.filePath("music.m4a")}));
    }
    ~Job()
    {
        prj.reset();
        ClearSceneMedia(media);
        ReleaseTmpl(tmpl);
    }
    bool ready() const { return QFile::exists(dir.filePath("1.mp4")) && QFile::exists(dir.filePath("music.m4a")); }

    /// Every file in the output folder, hidden ones too.
    QStringList left() const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
};

/// A project of \a job's two scenes with a picture of one colour.
struct ColouredProject
{
    ColouredProject(Job& job, int index, QColor colour)
    {
        const QString picture = job.dir.filePath(QString("picture-%1.png").arg(index));
        QImage image(200, 150, QImage::Format_RGB32);
        image.fill(colour);
        image.save(picture);
        for (int id : {1, 2}) {
            SceneMediaMap values;
            values[0] = job.prjFactory.GetImgMediaVal(picture.toStdWString(), 0);
            media.push_back(new SceneMediaPair(id, values));
        }
        prj.reset(job.prjFactory.GetPrj(1, &media, {}));
    }
    ~ColouredProject()
    {
        prj.reset();
        ClearSceneMedia(media);
    }
    SceneMediaList media;
    QSharedPointer<IPrj> prj;
};

/// True when ffmpeg decodes every frame of \a video without a complaint.
bool decodesCleanly(const QString& video)
{
    QProcess decode;
    decode.start("ffmpeg", {"-v", "error", "-i", video, "-f", "null", "-"});
    return decode.waitForFinished(60000) && decode.exitCode() == 0
           && decode.readAllStandardError().trimmed().isEmpty();
}

/// The colour in the middle of the frame at 0.5 s.
QColor middleColour(const QString& video)
{
    QTemporaryDir dir;
    const QString frame = dir.filePath("f.png");
    ffmpeg({"-ss", "0.5", "-i", video, "-frames:v", "1", frame});
    const QImage image(frame);
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

int nearest(const QColor& seen, const QList<QColor>& colours)
{
    int best = -1;
    int bestDistance = INT_MAX;
    for (int i = 0; i < colours.size(); ++i) {
        const QColor& c = colours.at(i);
        const int d = qAbs(c.red() - seen.red()) + qAbs(c.green() - seen.green())
                      + qAbs(c.blue() - seen.blue());
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

/// How one render through the controller ended.
struct Ending
{
    QString how; // "done", "stopped", "failed" or "" when it never ended
    QString reason;
};

/// Runs \a job through \a controller; \a onProgress is called on each report.
Ending runRender(RenderController& controller, Job& job,
                 const std::function<void()>& onProgress = {})
{
    Ending ending;
    QEventLoop loop;
    QList<QMetaObject::Connection> links{
        QObject::connect(&controller, &RenderController::done, [&] { ending.how = "done"; loop.quit(); }),
        QObject::connect(&controller, &RenderController::stopped, [&] { ending.how = "stopped"; loop.quit(); }),
        QObject::connect(&controller, &RenderController::failed, [&](const QString& reason) {
            ending.how = "failed";
            ending.reason = reason;
            loop.quit();
        })};
    if (onProgress)
        links << QObject::connect(&controller, &RenderController::onProgress, onProgress);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    controller.start(1, job.tmpl, job.prj, job.output, W, H, &job.paths, {}, {});
    loop.exec();
    for (const auto& link : links)
        QObject::disconnect(link);
    return ending;
}

int threadCount()
{
    return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

/// Heap bytes in use in every arena, free memory not counted.
long heapInUseKiB()
{
    const struct mallinfo2 info = mallinfo2();
    return long((info.uordblks + info.hblkhd) / 1024);
}

long residentKiB()
{
    long pages = 0, resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

/// Makes \a folder refuse new names even to root (immutable), else by its
/// mode; false when neither holds on this system.
bool makeUnwritable(const QString& folder)
{
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }
    QFile probe(folder + "/probe");
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        return false;
    }
    return true;
}

void makeWritable(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_IMMUTABLE_FL)) {
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

const int savedSlides[] = {600, 601};

/// A project of \a count picture slides whose names say which save made them.
IUsrData* bigProject(BasePrjFactory& factory, int count)
{
    SlideList slides;
    for (int i = 0; i < count; ++i)
        slides.emplace_back(factory.GetImgMediaVal(
            QString("/photos/save-%1/a rather long folder name/picture-%2.jpg").arg(count).arg(i)
                .toStdWString(),
            0));
    return factory.GetUsrData(7, {"/music/song.mp3"}, slides);
}

/// The child of killedDuringSave: saves the project over and over until killed.
int saveForever(const QString& id)
{
    BasePrjFactory factory;
    std::unique_ptr<IUsrData> versions[] = {std::unique_ptr<IUsrData>(bigProject(factory, savedSlides[0])),
                                            std::unique_ptr<IUsrData>(bigProject(factory, savedSlides[1]))};
    for (unsigned n = 0;; ++n) {
        const int which = int(n % 2);
        if (PrjManager::instance()->save(id, versions[which].get(),
                                         {"Saved", "", savedSlides[which]}, nullptr)
                .isEmpty())
            return 2;
        if (n == 0) {
            std::printf("saving\n");
            std::fflush(stdout);
        }
    }
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        VidweaveInit();
        QVERIFY(PrjManager::projectsFolder().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
        // Idle pool threads would otherwise linger in the thread count for 30 s.
        QThreadPool::globalInstance()->setExpiryTimeout(50);
    }

    // What the user added or downloaded changes before the render reads it.
    void mediaChangedBeforeTheRender_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("says");
        for (const char* change : {"deleted", "garbage", "truncated"}) {
            QTest::addRow("background video %s", change)
                << "1.mp4" << change << "failed" << "The background of scene 1 cannot be read";
            QTest::addRow("picture %s", change) << "picture.jpg" << change << "done" << "";
            QTest::addRow("music %s", change) << "music.m4a" << change << "done" << "";
        }
    }

    void mediaChangedBeforeTheRender()
    {
        QFETCH(QString, file);
        QFETCH(QString, change);
        QFETCH(QString, outcome);
        QFETCH(QString, says);
        Job job(30);
        QVERIFY(job.ready());
        const QString path = job.dir.filePath(file);
        const QByteArray bytes = readFile(path);
        if (change == "deleted")
            QVERIFY(QFile::remove(path));
        else if (change == "garbage")
            QVERIFY(writeFile(path, QByteArray(bytes.size(), '\x5a')));
        else
            QVERIFY(writeFile(path, bytes.left(bytes.size() / 2)));

        RenderController controller;
        const Ending ending = runRender(controller, job);
        QCOMPARE(ending.how, outcome);
        QVERIFY2(ending.reason.contains(says), qPrintable(ending.reason));
        QCOMPARE(job.left(), outcome == "done" ? QStringList{"video.mp4"} : QStringList());
    }

    // The disk fills during the render: a real full file system where this
    // process may mount one, and always a file size limit, which makes the
    // kernel refuse the writes the same way.
    void diskFullDuringTheRender_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::newRow("file size limit") << "rlimit";
        QTest::newRow("full file system") << "tmpfs";
    }

    void diskFullDuringTheRender()
    {
        QFETCH(QString, limit);
        Job job(90);
        QVERIFY(job.ready());
        if (limit == "tmpfs" && !mountSmallDisk(job.folder, 96))
            QSKIP("no small file system can be mounted here (needs root)");
        const QByteArray usersVideo(20000, 'u');
        QVERIFY(writeFile(job.output, usersVideo));

        RenderController controller;
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        const sighandler_t previous = std::signal(SIGXFSZ, SIG_IGN);
        if (limit == "rlimit") {
            rlimit small = before;
            small.rlim_cur = 60000;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        const Ending ending = runRender(controller, job);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previous);
        const QByteArray after = readFile(job.output);
        const QStringList left = job.left();
        if (limit == "tmpfs")
            ::umount2(QFile::encodeName(job.folder).constData(), MNT_DETACH);

        QCOMPARE(ending.how, QString("failed"));
        const QString why = QString::fromLocal8Bit(std::strerror(limit == "tmpfs" ? ENOSPC : EFBIG));
        QVERIFY2(ending.reason.contains(why), qPrintable(ending.reason));
        if (limit == "rlimit")
            QVERIFY2(ending.reason.contains("The video is larger than this system allows"),
                     qPrintable(ending.reason));
        QCOMPARE(after, usersVideo);
        QCOMPARE(left, QStringList{"video.mp4"});
    }

    void outputFolderChangesDuringTheRender_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("says");
        QTest::newRow("removed") << "removed" << "was removed during the render";
        QTest::newRow("read-only") << "read-only" << "could not be saved as";
    }

    void outputFolderChangesDuringTheRender()
    {
        QFETCH(QString, change);
        QFETCH(QString, says);
        Job job(150);
        QVERIFY(job.ready());
        RenderController controller;
        bool changed = false, effective = true;
        const Ending ending = runRender(controller, job, [&] {
            if (changed)
                return;
            changed = true;
            if (change == "removed")
                QDir(job.folder).removeRecursively();
            else
                effective = makeUnwritable(job.folder);
        });
        QStringList left = job.left();
        makeWritable(job.folder);
        if (!effective)
            QSKIP("a folder cannot be made read-only here");
        QCOMPARE(ending.how, QString("failed"));
        QVERIFY2(ending.reason.contains(says), qPrintable(ending.reason));
        if (change == "removed") {
            QVERIFY(!QFileInfo::exists(job.folder));
        } else {
            // Nothing can be removed from a read-only folder: the unfinished
            // file stays hidden there, and the message says where.
            QCOMPARE(left.size(), 1);
            const QString partial = QDir(job.folder).filePath(left.first());
            QVERIFY2(isPartialPath(partial, job.output), qPrintable(partial));
            QVERIFY2(ending.reason.contains(partial), qPrintable(ending.reason));
        }
    }

    void rendersAtOnceIntoOneFolder_data()
    {
        QTest::addColumn<int>("renders");
        QTest::addColumn<int>("claim");
        QTest::newRow("two, numbered") << 2 << int(OutputClaim::NextFree);
        QTest::newRow("six, numbered") << 6 << int(OutputClaim::NextFree);
        QTest::newRow("two, the last wins") << 2 << int(OutputClaim::Replace);
        QTest::newRow("six, the last wins") << 6 << int(OutputClaim::Replace);
    }

    // Real renders started together onto one name, each with a picture of its
    // own colour: every finished video decodes cleanly and shows its picture.
    void rendersAtOnceIntoOneFolder()
    {
        QFETCH(int, renders);
        QFETCH(int, claim);
        Job job(30);
        QVERIFY(job.ready());
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan};
        std::vector<std::unique_ptr<ColouredProject>> projects;
        std::vector<std::unique_ptr<RenderController>> controllers;
        QMap<QString, QList<int>> madeBy; // finished path -> renders that reported it
        int ended = 0;
        for (int i = 0; i < renders; ++i) {
            projects.push_back(std::make_unique<ColouredProject>(job, i, colours.at(i)));
            controllers.push_back(std::make_unique<RenderController>());
            RenderController* c = controllers.back().get();
            c->setOutputClaim(OutputClaim(claim));
            connect(c, &RenderController::done, this, [&, i](const QString& path) {
                madeBy[path] << i;
                ++ended;
            });
            connect(c, &RenderController::failed, this, [&](const QString& why) {
                QWARN(qPrintable(why));
                ++ended;
            });
            c->start(1, job.tmpl, projects.back()->prj, job.output, W, H, &job.paths, {}, {});
        }
        QTRY_COMPARE_WITH_TIMEOUT(ended, renders, 240000);
        int reported = 0;
        for (const QList<int>& which : qAsConst(madeBy))
            reported += which.size();
        QCOMPARE(reported, renders); // all of them finished
        QStringList names;
        for (const QString& path : madeBy.keys())
            names << QFileInfo(path).fileName();
        QCOMPARE(job.left(), names); // no partial file stays
        if (claim == int(OutputClaim::NextFree))
            QCOMPARE(names.size(), renders);
        else
            QCOMPARE(names, QStringList{"video.mp4"});
        for (auto it = madeBy.cbegin(); it != madeBy.cend(); ++it) {
            QVERIFY2(decodesCleanly(it.key()), qPrintable(it.key()));
            const QColor seen = middleColour(it.key());
            const int own = nearest(seen, colours.mid(0, renders));
            QVERIFY2(it.value().contains(own), qPrintable(QString("%1 shows %2").arg(it.key(), seen.name())));
        }
    }

    void startAndCancelFiftyTimes()
    {
        Job job(150);
        QVERIFY(job.ready());
        const int threadsBefore = threadCount();
        long heapAfterTen = 0, residentAfterTen = 0;
        QRandomGenerator random(18);
        {
            RenderController controller;
            for (int i = 0; i < 50; ++i) {
                const int stopAfter = int(random.bounded(4)); // progress reports before the stop
                int seen = 0;
                if (stopAfter == 0)
                    QTimer::singleShot(0, &controller, &RenderController::stop);
                const Ending ending = runRender(controller, job, [&] {
                    if (++seen == stopAfter)
                        controller.stop();
                });
                QCOMPARE(ending.how, QString("stopped"));
                QCOMPARE(job.left(), QStringList());
                if (i == 9) {
                    heapAfterTen = heapInUseKiB();
                    residentAfterTen = residentKiB();
                }
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(threadCount(), threadsBefore, 40000);
        const long heapGrowth = heapInUseKiB() - heapAfterTen;
        // Resident memory also holds the free memory of each render thread's
        // malloc arena, so it rises for a while without anything being kept.
        qInfo("from the 10th to the 50th cancelled render: heap in use %+ld KiB, resident %+ld KiB",
              heapGrowth, residentKiB() - residentAfterTen);
#if !defined(__SANITIZE_ADDRESS__)
        // The sanitized build's allocator holds freed memory on purpose;
        // LeakSanitizer checks that build instead.
        QVERIFY2(heapGrowth < 1024, qPrintable(QString("%1 KiB more in use").arg(heapGrowth)));
#endif
    }

    void killedDuringSave()
    {
        const QString id = "killed-during-save";
        BasePrjFactory factory;
        std::unique_ptr<IUsrData> first(bigProject(factory, 3));
        QCOMPARE(PrjManager::instance()->save(id, first.get(), {"Saved", "", 3}, nullptr), id);
        const QString folder = PrjManager::projectsFolder() + id;

        QRandomGenerator random(50);
        for (int round = 0; round < 50; ++round) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), {"--save-forever", id});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(30000)); // its first save is done
            QThread::usleep(random.bounded(40000));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(30000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            const QSharedPointer<IUsrData> loaded = PrjManager::instance()->loadUserData(id);
            QVERIFY2(loaded, qPrintable(QString("round %1").arg(round)));
            const int slides = int(std::distance(loaded->GetSlidesBegin(), loaded->GetSlidesEnd()));
            QVERIFY2(slides == savedSlides[0] || slides == savedSlides[1],
                     qPrintable(QString("round %1: %2 slides").arg(round).arg(slides)));
            const auto* last = static_cast<IImgMediaVal*>(std::prev(loaded->GetSlidesEnd())->data());
            QCOMPARE(QString::fromStdWString(last->GetSrc()),
                     QString("/photos/save-%1/a rather long folder name/picture-%2.jpg")
                         .arg(slides)
                         .arg(slides - 1));
            QCOMPARE(PrjManager::instance()->projectEntry(id).name, QString("Saved"));
        }
        // A killed save may leave its temporary file; the next save clears it.
        QCOMPARE(PrjManager::instance()->save(id, first.get(), {"Saved", "", 3}, nullptr), id);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"info.xml", "prj.xml", "thumb.png"}));
    }

    void halfWrittenProjectFolders_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("resumes");
        QTest::addColumn<bool>("savable");
        QTest::newRow("empty") << QStringList() << false << true;
        QTest::newRow("only prj.xml") << QStringList{"prj.xml"} << true << true;
        QTest::newRow("only info.xml") << QStringList{"info.xml"} << false << true;
        QTest::newRow("prj.xml not well-formed") << QStringList{"bad prj.xml", "info.xml"} << false
                                                 << false;
        QTest::newRow("info.xml not well-formed") << QStringList{"prj.xml", "bad info.xml"} << true
                                                  << true;
        QTest::newRow("prj.xml empty") << QStringList{"empty prj.xml", "info.xml"} << false << false;
    }

    void halfWrittenProjectFolders()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, resumes);
        QFETCH(bool, savable);
        PrjManager* store = PrjManager::instance();
        BasePrjFactory factory;
        std::unique_ptr<IUsrData> data(bigProject(factory, 2));
        const QString id = store->save({}, data.get(), {"Whole", "", 2}, nullptr);
        QVERIFY(!id.isEmpty());
        const QDir folder(PrjManager::projectsFolder() + id);
        QMap<QString, QByteArray> wanted;
        for (const QString name : {"prj.xml", "info.xml"}) {
            if (files.contains(name))
                wanted[name] = readFile(folder.filePath(name));
            else if (files.contains("bad " + name))
                wanted[name] = readFile(folder.filePath(name)).left(40);
            else if (files.contains("empty " + name))
                wanted[name] = "";
        }
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
            QVERIFY(QFile::remove(folder.filePath(name)));
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
            QVERIFY(writeFile(folder.filePath(it.key()), it.value()));

        QVERIFY(store->projectIds().contains(id));
        const ProjectEntry entry = store->projectEntry(id);
        QCOMPARE(entry.name, wanted.value("info.xml").contains("Whole") ? QString("Whole") : QString());
        QCOMPARE(!store->loadUserData(id).isNull(), resumes);
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
            QCOMPARE(readFile(folder.filePath(it.key())), it.value()); // reading changed nothing

        // Saving under its id is what resuming leads to: a prj.xml that is
        // there but unreadable is the user's, and stays.
        QString error;
        const QString saved = store->save(id, data.get(), {"Whole", "", 2}, nullptr, &error);
        QCOMPARE(saved == id, savable);
        if (!savable) {
            QVERIFY2(error.contains("cannot be read"), qPrintable(error));
            QCOMPARE(readFile(folder.filePath("prj.xml")), wanted.value("prj.xml"));
        } else {
            QVERIFY(store->loadUserData(id));
        }
    }
};

int main(int argc, char** argv)
{
    // Projects of this run only, never the user's.
    static QTemporaryDir* home = nullptr;
    if (argc == 3 && qstrcmp(argv[1], "--save-forever") == 0) {
        QApplication app(argc, argv);
        app.setApplicationName("PictavioFaults");
        return saveForever(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    app.setApplicationName("PictavioFaults");
    home = new QTemporaryDir;
    qputenv("XDG_DATA_HOME", home->filePath("data").toUtf8());
    TestFaults test;
    const int status = QTest::qExec(&test, argc, argv);
    delete home;
    return status;
}

#include "tst_faults.moc"
