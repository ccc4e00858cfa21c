#include "core/rendercontroller.h"
#include "core/videosettings.h"

#include "common/baseprjfactory.h"

#include <QRandomGenerator>
#include <QtTest>

#include <atomic>
#include <functional>

#include <sys/file.h>

namespace {

/// Writes a file and reports as many frames as asked, or fails on purpose.
/// The controller only makes videos: the frame drawing is not its business.
class VideoRender : public IPrjRender
{
public:
    void RenderFrames(int, ITmpl*, IPrj*, ITmplPathManager*, int, int, QSharedPointer<IWatermark>,
                      QSharedPointer<IEndLogo>, const FrameSink&) override
    {
    }
};

class FakeRender : public VideoRender
{
public:
    FakeRender(int frames, QString failure, std::atomic_int* made)
        : frames(frames), failure(std::move(failure))
    {
        if (made)
            ++*made;
    }

    void Render(int, ITmpl*, IPrj*, ITmplPathManager*, QString outputPath, int height, int width,
                QSharedPointer<IWatermark>, QSharedPointer<IEndLogo>) override
    {
        writtenTo = outputPath;
        QFile file(outputPath);
        file.open(QIODevice::WriteOnly);
        file.write("video");
        file.close();
        QImage frame(width, height, QImage::Format_RGB888);
        for (int i = 0; i < frames && !stopRequested; ++i) {
            frame.fill(QColor(i % 256, 0, 0));
            emit progress(&frame, 100.f * float(i + 1) / float(frames));
            if (frames > 100)
                QThread::msleep(2);
        }
        // On the render thread, before Render returns: the controller has
        // certainly not put the video in place yet.
        if (whileRendering)
            whileRendering();
        if (stopRequested || !failure.isEmpty())
            QFile::remove(outputPath);
    }
    void Stop() override { stopRequested = true; }
    bool Failed() const override { return !failure.isEmpty(); }
    /// Where the last render wrote; read after it finished.
    static inline QString writtenTo;
    /// Called once near the end of a render, on its thread.
    static inline std::function<void()> whileRendering;
    QString ErrorString() const override { return failure; }

private:
    int frames;
    QString failure;
    std::atomic_bool stopRequested{false};
};

/// Holds every render that reaches it until all \a expected have, so that
/// renders started together surely write at the same time.
struct Gate
{
    explicit Gate(int expected) : expected(expected) {}
    void pass()
    {
        ++arrived;
        QDeadlineTimer limit(10000);
        while (arrived < expected && !limit.hasExpired())
            QThread::usleep(200);
    }
    const int expected;
    std::atomic_int arrived{0};
};

/// Writes a video of its own bytes in two halves, the second after the gate.
class GatedRender : public VideoRender
{
public:
    GatedRender(QByteArray content, Gate* gate) : content(std::move(content)), gate(gate) {}

    void Render(int, ITmpl*, IPrj*, ITmplPathManager*, QString outputPath, int, int,
                QSharedPointer<IWatermark>, QSharedPointer<IEndLogo>) override
    {
        QFile file(outputPath);
        file.open(QIODevice::WriteOnly);
        file.write(content.left(content.size() / 2));
        file.flush();
        gate->pass();
        file.write(content.mid(content.size() / 2));
        file.close();
        emit progress(nullptr, 100.f);
    }
    void Stop() override {}
    bool Failed() const override { return false; }
    QString ErrorString() const override { return {}; }

private:
    QByteArray content;
    Gate* gate;
};

QByteArray contentOf(int render)
{
    return QByteArray("render ").append(QByteArray::number(render)).append(';').repeated(3000);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Run
{
    QTemporaryDir dir;
    QString output = dir.filePath("out.mp4");
    BasePrjFactory factory;
    SceneMediaList media;
    QSharedPointer<IPrj> prj{factory.GetPrj(1, &media, {})};

    RenderRequest request(int width, int height, int claim = int(OutputClaim::Replace)) const
    {
        RenderRequest r;
        r.themeId = 1;
        r.project = prj;
        r.output = output;
        r.size = QSize(width, height);
        r.claim = OutputClaim(claim);
        return r;
    }
};

} // namespace

class TestRenderController : public QObject
{
    Q_OBJECT

private slots:
    void progressAndPreviews_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("previews");
        QTest::newRow("one frame") << 1 << 1;
        QTest::newRow("29 frames") << 29 << 1;
        QTest::newRow("31 frames") << 31 << 2;
        QTest::newRow("61 frames") << 61 << 3;
    }

    void progressAndPreviews()
    {
        QFETCH(int, frames);
        QFETCH(int, previews);
        Run run;
        RenderController controller;
        QSignalSpy progress(&controller, &RenderController::onProgress);
        QSignalSpy preview(&controller, &RenderController::onPreview);
        QSignalSpy done(&controller, &RenderController::done);
        controller.start(run.request(640, 360),
                         [frames] { return new FakeRender(frames, {}, nullptr); });
        QVERIFY(done.wait(5000));
        QCOMPARE(done.at(0).at(0).toString(), run.output);
        QCOMPARE(progress.count(), frames);
        QCOMPARE(preview.count(), previews);
        const auto first = preview.at(0).at(0).value<QSharedPointer<QPixmap>>();
        QCOMPARE(first->height(), 300);
        QCOMPARE(first->width(), 534); // 640 x 300 / 360, rounded
        // The first preview shows the first frame (red 0), not a later one.
        QCOMPARE(first->toImage().pixelColor(10, 10).red(), 0);
    }

    void cancelGivesStoppedAndNoFile()
    {
        Run run;
        RenderController controller;
        QSignalSpy progress(&controller, &RenderController::onProgress);
        QSignalSpy stopped(&controller, &RenderController::stopped);
        QSignalSpy done(&controller, &RenderController::done);
        controller.start(run.request(64, 36),
                         [] { return new FakeRender(2000, {}, nullptr); });
        QTRY_VERIFY(progress.count() > 3);
        controller.stop();
        QVERIFY(stopped.wait(5000));
        QCOMPARE(done.count(), 0);
        QVERIFY(!QFile::exists(run.output));
    }

    void cancelBeforeTheRenderExistsMeansNoRender()
    {
        Run run;
        std::atomic_int made{0};
        RenderController controller;
        QSignalSpy stopped(&controller, &RenderController::stopped);
        QSignalSpy done(&controller, &RenderController::done);
        controller.start(run.request(64, 36), [&made] {
            QThread::msleep(50);
            return new FakeRender(10, {}, &made);
        });
        controller.stop();
        QVERIFY(stopped.wait(5000));
        QCOMPARE(done.count(), 0);
        QVERIFY(!QFile::exists(run.output));
    }

    void existingFileIsReplacedOnlyByAFinishedVideo_data()
    {
        QTest::addColumn<QString>("outcome");
        QTest::newRow("done") << "done";
        QTest::newRow("cancelled") << "cancel";
        QTest::newRow("failed") << "fail";
    }
    void existingFileIsReplacedOnlyByAFinishedVideo()
    {
        QFETCH(QString, outcome);
        Run run;
        const QByteArray before("the video the user had");
        QFile existing(run.output);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write(before);
        existing.close();
        auto contents = [&] {
            QFile file(run.output);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };

        RenderController controller;
        QByteArray whileRendering;
        FakeRender::whileRendering = [&] { whileRendering = contents(); };
        auto forget = qScopeGuard([] { FakeRender::whileRendering = nullptr; });
        connect(&controller, &RenderController::onProgress, this, [&] {
            if (outcome == "cancel")
                controller.stop();
        });
        const char* signal = outcome == "done"     ? SIGNAL(done(QString))
                             : outcome == "cancel" ? SIGNAL(stopped())
                                                   : SIGNAL(failed(QString));
        QSignalSpy finished(&controller, signal);
        controller.start(run.request(64, 36), [outcome] {
            return new FakeRender(outcome == "cancel" ? 2000 : 40,
                                  outcome == "fail" ? "The disk is full." : "", nullptr);
        });
        QVERIFY(finished.wait(5000));
        QCOMPARE(whileRendering, before);
        QVERIFY2(isPartialPath(FakeRender::writtenTo, run.output), qPrintable(FakeRender::writtenTo));
        QCOMPARE(contents(), outcome == "done" ? QByteArray("video") : before);
        QVERIFY(!QFile::exists(FakeRender::writtenTo));
        QCOMPARE(QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.mp4"});
    }

    void rendersAtOnceOntoOneName_data()
    {
        QTest::addColumn<int>("renders");
        QTest::addColumn<int>("claim");
        for (int renders : {2, 6}) {
            QTest::addRow("%d, the last wins", renders) << renders << int(OutputClaim::Replace);
            QTest::addRow("%d, numbered", renders) << renders << int(OutputClaim::NextFree);
            QTest::addRow("%d, the first keeps it", renders) << renders << int(OutputClaim::Keep);
        }
    }

    // Renders of one name, all writing at once: each writes a file of its own,
    // and every finished file holds one render whole.
    void rendersAtOnceOntoOneName()
    {
        QFETCH(int, renders);
        QFETCH(int, claim);
        Run run;
        Gate gate(renders);
        std::vector<std::unique_ptr<RenderController>> controllers;
        QStringList made;
        QStringList failures;
        for (int i = 0; i < renders; ++i) {
            controllers.push_back(std::make_unique<RenderController>());
            RenderController* c = controllers.back().get();
            connect(c, &RenderController::done, this, [&](const QString& path) { made << path; });
            connect(c, &RenderController::failed, this, [&](const QString& why) { failures << why; });
            const QByteArray content = contentOf(i);
            c->start(run.request(16, 16, claim),
                     [content, &gate] { return new GatedRender(content, &gate); });
        }
        QTRY_COMPARE_WITH_TIMEOUT(made.size() + failures.size(), renders, 20000);

        QStringList names{"out.mp4"};
        if (claim == int(OutputClaim::NextFree))
            for (int n = 2; n <= renders; ++n)
                names << QString("out_%1.mp4").arg(n);
        QStringList files = QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden);
        names.sort();
        QCOMPARE(files, names);
        QSet<QByteArray> contents;
        for (const QString& name : names)
            contents << readAll(run.dir.filePath(name));
        QSet<QByteArray> written;
        for (int i = 0; i < renders; ++i)
            written << contentOf(i);
        QCOMPARE(contents.size(), names.size()); // no two files of one render
        QVERIFY(written.contains(contents)); // each file holds one render whole

        const int kept = claim == int(OutputClaim::Keep) ? 1 : renders;
        QCOMPARE(made.size(), kept);
        QCOMPARE(failures.size(), renders - kept);
        for (const QString& why : qAsConst(failures))
            QVERIFY2(why.contains(run.output + " appeared during the render and is kept"), qPrintable(why));
        if (claim == int(OutputClaim::NextFree)) {
            made.sort();
            QStringList paths;
            for (const QString& name : names)
                paths << run.dir.filePath(name);
            QCOMPARE(made, paths);
        } else {
            QCOMPARE(made, QVector<QString>(kept, run.output).toList());
        }
    }

    void aFileThatAppearsDuringTheRenderIsKept_data()
    {
        QTest::addColumn<int>("claim");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("video");
        QTest::newRow("numbered") << int(OutputClaim::NextFree) << "done" << "out_2.mp4";
        QTest::newRow("named by the user") << int(OutputClaim::Keep) << "failed" << "";
        QTest::newRow("replaced") << int(OutputClaim::Replace) << "done" << "out.mp4";
    }

    void aFileThatAppearsDuringTheRenderIsKept()
    {
        QFETCH(int, claim);
        QFETCH(QString, outcome);
        QFETCH(QString, video);
        Run run;
        RenderController controller;
        FakeRender::whileRendering = [&] {
            QFile other(run.output);
            if (other.open(QIODevice::WriteOnly))
                other.write("another program's video");
        };
        auto forget = qScopeGuard([] { FakeRender::whileRendering = nullptr; });
        QSignalSpy done(&controller, &RenderController::done);
        QSignalSpy failed(&controller, &RenderController::failed);
        controller.start(run.request(64, 36, claim), [] { return new FakeRender(3, {}, nullptr); });
        QTRY_COMPARE_WITH_TIMEOUT(done.count() + failed.count(), 1, 10000);
        QCOMPARE(done.count(), int(outcome == "done"));
        if (outcome == "done")
            QCOMPARE(done.at(0).at(0).toString(), run.dir.filePath(video));
        else
            QVERIFY(failed.at(0).at(0).toString().contains("appeared during the render"));
        QCOMPARE(readAll(run.output), video == "out.mp4" ? QByteArray("video")
                                                          : QByteArray("another program's video"));
        QStringList expected{"out.mp4"};
        if (video == "out_2.mp4")
            expected << video;
        QCOMPARE(QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
    }

    void leftoversOfKilledRendersGoWhenARenderStarts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("hoursOld");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("removed");
        const QString ours = ".out.mp4.pictavio-abc123.part";
        const QByteArray half("half a video");
        QTest::newRow("a killed render") << ours << half << 0 << false << true;
        QTest::newRow("a killed render of another name")
            << ".other.mp4.pictavio-zz9zz9.part" << half << 0 << false << true;
        QTest::newRow("a render still running") << ours << half << 48 << true << false;
        QTest::newRow("a render between creating and locking") << ours << QByteArray() << 0 << false << false;
        QTest::newRow("an empty one of two days") << ours << QByteArray() << 48 << false << true;
        QTest::newRow("an older version's, two days") << ".out.mp4.part" << half << 48 << false << true;
        QTest::newRow("an older version's, an hour") << ".out.mp4.part" << half << 1 << false << false;
        QTest::newRow("another program's") << ".notes.part" << half << 48 << false << false;
        QTest::newRow("not hidden") << "out.mp4.pictavio-abc123.part" << half << 48 << false << false;
    }

    void leftoversOfKilledRendersGoWhenARenderStarts()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, hoursOld);
        QFETCH(bool, locked);
        QFETCH(bool, removed);
        Run run;
        QFile left(run.dir.filePath(name));
        QVERIFY(left.open(QIODevice::ReadWrite));
        left.write(content);
        left.flush();
        QVERIFY(left.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * hoursOld - 60),
                                 QFileDevice::FileModificationTime));
        if (locked)
            QCOMPARE(::flock(left.handle(), LOCK_EX | LOCK_NB), 0);
        else
            left.close();
        RenderController controller;
        QSignalSpy done(&controller, &RenderController::done);
        controller.start(run.request(64, 36),
                         [] { return new FakeRender(3, {}, nullptr); });
        QVERIFY(done.wait(5000));
        QStringList expected{"out.mp4"};
        if (!removed)
            expected << name;
        expected.sort();
        QCOMPARE(QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
    }

    // Stops that meet the render being made, running or deleted.
    void stopAtRandomMoments()
    {
        Run run;
        RenderController controller;
        QRandomGenerator random(7);
        for (int i = 0; i < 200; ++i) {
            QSignalSpy stopped(&controller, &RenderController::stopped);
            QSignalSpy done(&controller, &RenderController::done);
            controller.start(run.request(16, 16),
                             [] { return new FakeRender(3, {}, nullptr); });
            QThread::usleep(random.bounded(3000));
            controller.stop();
            QTRY_VERIFY_WITH_TIMEOUT(stopped.count() + done.count() == 1, 5000);
        }
    }

    void failureCarriesTheReason()
    {
        Run run;
        RenderController controller;
        QSignalSpy failed(&controller, &RenderController::failed);
        QSignalSpy done(&controller, &RenderController::done);
        controller.start(run.request(64, 36),
                         [] { return new FakeRender(5, "The disk is full.", nullptr); });
        QVERIFY(failed.wait(5000));
        QCOMPARE(failed.at(0).at(0).toString(), QString("The disk is full."));
        QCOMPARE(done.count(), 0);
    }

    void destructionWaitsAndASecondStartReplacesTheFirst()
    {
        Run run;
        auto controller = std::make_unique<RenderController>();
        QSignalSpy stopped(controller.get(), &RenderController::stopped);
        QSignalSpy done(controller.get(), &RenderController::done);
        controller->start(run.request(64, 36),
                          [] { return new FakeRender(2000, {}, nullptr); });
        controller->stop();
        QVERIFY(stopped.wait(5000));
        controller->start(run.request(64, 36),
                          [] { return new FakeRender(3, {}, nullptr); });
        QVERIFY(done.wait(5000));
        controller->start(run.request(64, 36),
                          [] { return new FakeRender(300, {}, nullptr); });
        controller.reset(); // waits for the running render
    }

    void metaTypesAreKnownByName()
    {
        registerCoreMetaTypes();
        for (const char* name :
             {"std::list< QSharedPointer<MediaFileInfo> >", "MediaFileInfoSharedPointerList",
              "QSharedPointer<MediaFileInfo>", "MediaFileInfoSharedPointer",
              "QSharedPointer<QImage>", "ImageSharedPointer", "ThumbGeneratorTask",
              "QSharedPointer<QPixmap>", "PixmapSharedPointer"})
            QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);
    }

    void outputNames()
    {
        QTemporaryDir dir;
        const QDateTime when(QDate(2014, 5, 31), QTime(17, 8));
        const QString first = outputFilePath(dir.path(), when);
        QCOMPARE(QFileInfo(first).fileName(), QString("slideshow_2014.05.31_17.08.mp4"));
        QFile(first).open(QIODevice::WriteOnly);
        const QString second = outputFilePath(dir.path(), when);
        QCOMPARE(QFileInfo(second).fileName(), QString("slideshow_2014.05.31_17.08_2.mp4"));
        QFile(second).open(QIODevice::WriteOnly);
        QCOMPARE(QFileInfo(outputFilePath(dir.path(), when)).fileName(),
                 QString("slideshow_2014.05.31_17.08_3.mp4"));
    }

    void resultFolder()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(prepareResultDir(dir.filePath("a/b/c"), &error));
        QVERIFY(QFileInfo(dir.filePath("a/b/c")).isDir());
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!prepareResultDir(dir.filePath("file/sub"), &error));
        QVERIFY(error.contains("cannot be created"));
        QVERIFY(!prepareResultDir("", &error));

        VideoSettings settings;
        QVERIFY(settings.resultDir.endsWith("Pictavio"));
        QVERIFY(settings.endLogo);
        QCOMPARE(settings.outputSize(), QSize(1280, 720));
        settings.quality = VideoQuality::FullHD;
        QCOMPARE(settings.outputSize(), QSize(1920, 1080));
        settings.quality = VideoQuality(7);
        QCOMPARE(settings.outputSize(), QSize(1280, 720));
    }
};

QTEST_MAIN(TestRenderController)
#include "tst_rendercontroller.moc"
