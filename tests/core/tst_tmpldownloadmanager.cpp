#include "httptestserver.h"
#include "smalldisk.h"

#include "core/tmpldownloadmanager.h"

#include "common/basetmplfactory.h"
#include "common/release.h"

#include <QtTest>

#include <memory>

namespace {

class Paths : public ITmplPathManager
{
public:
    explicit Paths(const QString& dir) : dir(dir.toStdWString() + L"/") {}
    std::wstring GetTmplPath(int) const override { return dir + L"template.xml"; }
    std::wstring GetTmplInfoPath(int) const override { return dir + L"info.xml"; }
    std::wstring GetTmplDir(int) const override { return dir; }
    std::wstring GetSceneVideoPath(int tmplId, int scene) const override
    {
        return dir + std::to_wstring(tmplId) + L"/" + std::to_wstring(scene) + L".mp4";
    }

private:
    std::wstring dir;
};

/// Scenes 1, 2, 3 with the given frame counts and background kinds.
TmplPtr makeTemplate(const QList<QPair<int, SceneBgType>>& scenes)
{
    BaseTmplFactory factory;
    std::map<int, IScene*> map;
    int id = 1;
    for (const auto& [frames, kind] : scenes)
        map[id++] = factory.GetImgScene(new std::map<int, IImgMedia*>, kind, L"", frames, 1, 30);
    return TmplPtr(factory.GetTmpl(map, 0, 0, 0, 70));
}

/// A short test-pattern video made by the ffmpeg tool with \a codec; empty on failure.
QByteArray encodedVideo(const QString& codec)
{
    QTemporaryDir place;
    const QString file = place.filePath("v.mp4");
    const int rc = QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                                "testsrc=size=64x48:rate=30", "-frames:v", "6",
                                                "-pix_fmt", "yuv420p", "-c:v", codec, file});
    QFile video(file);
    if (rc != 0 || !video.open(QIODevice::ReadOnly))
        return {};
    return video.readAll();
}

QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg)
        warnings << text;
    previousHandler(type, context, text);
}

class RecordingHandler : public IDownloadErrorHandler
{
public:
    void downloadFailed(const QString& reason) override { reasons << reason; }
    QStringList reasons;
};

QStringList filesIn(const QString& dir)
{
    QStringList names;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QFileInfo(it.next()).fileName();
    names.sort();
    return names;
}

} // namespace

class TestTmplDownloadManager : public QObject
{
    Q_OBJECT

    HttpTestServer server;
    QTemporaryDir dir;
    std::unique_ptr<Paths> paths;
    std::unique_ptr<TmplDownloadManager> manager;
    RecordingHandler handler;
    QByteArray video;
    QByteArray mpeg4;

    QString saved(const QString& name, const QByteArray& data)
    {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(data);
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        video = encodedVideo("libx264");
        mpeg4 = encodedVideo("mpeg4");
        QVERIFY(!video.isEmpty());
        QVERIFY(!mpeg4.isEmpty());
        previousHandler = qInstallMessageHandler(recordWarnings);
    }

    void init()
    {
        qputenv("PICTAVIO_CONTENT_HOST", server.host().toUtf8());
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        paths = std::make_unique<Paths>(dir.path());
        manager = std::make_unique<TmplDownloadManager>();
        QCOMPARE(manager->stallTimeout(), 30000);
        QCOMPARE(manager->maximumSize(), qint64(512) << 20);
        QCOMPARE(manager->minimumRate(), 16 * 1024);
        QCOMPARE(manager->rateWindow(), 60000);
        manager->setStallTimeout(1000);
        handler.reasons.clear();
        manager->setErrorHandler(&handler);
        server.clearCounts();
        warnings.clear();
    }

    void usableBackgrounds_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QString>("says");
        QTest::newRow("H.264 video") << video << true << "";
        QTest::newRow("first half of it") << video.left(video.size() / 2) << false << "cannot";
        QTest::newRow("MPEG-4 Part 2 video") << mpeg4 << false << "not an H.264 video";
        QTest::newRow("text") << QByteArray("<html>moved</html>") << false << "cannot";
        QTest::newRow("empty") << QByteArray() << false << "cannot";
    }

    void usableBackgrounds()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, usable);
        QFETCH(QString, says);
        const QString file = saved("bg.mp4", content);
        QString reason;
        QCOMPARE(isUsableBackground(file, &reason), usable);
        QVERIFY2(reason.contains(says), qPrintable(reason));
        if (!usable)
            QVERIFY2(reason.contains(file), qPrintable(reason));
    }

    void contentHost()
    {
        qunsetenv("PICTAVIO_CONTENT_HOST");
        QCOMPARE(TmplDownloadManager::contentBase(),
                 QString("http://127.0.0.1:8642/app/1.2.0/themes/"));
        qputenv("PICTAVIO_CONTENT_HOST", "example.invalid:81");
        QCOMPARE(TmplDownloadManager::contentBase(),
                 QString("http://example.invalid:81/app/1.2.0/themes/"));
    }

    void stillBackgroundsNeedNothing()
    {
        TmplPtr tmpl = makeTemplate({{100, BgImage}, {50, BgImage}});
        QVERIFY(isDownloaded(4, paths.get(), tmpl.get()));
        QSignalSpy done(manager.get(), &TmplDownloadManager::done);
        manager->download(4, paths.get(), tmpl.get());
        QCOMPARE(done.count(), 1);
    }

    void fetchesMissingFilesWithWeightedProgress()
    {
        TmplPtr tmpl = makeTemplate({{100, BgVideo}, {300, BgVideo}, {50, BgImage}, {100, BgVideo}});
        server.route("/app/1.2.0/themes/7/1.mp4", video);
        server.route("/app/1.2.0/themes/7/2.mp4", video, HttpTestServer::Slow);
        server.route("/app/1.2.0/themes/7/4.mp4", video);
        QVERIFY(!isDownloaded(7, paths.get(), tmpl.get()));

        QSignalSpy progress(manager.get(), &TmplDownloadManager::progress);
        QSignalSpy done(manager.get(), &TmplDownloadManager::done);
        // Half of the second file, reported as the network would while it is in flight.
        server.onRequest = [this](const QByteArray& requested) {
            if (requested.endsWith("/7/2.mp4"))
                QMetaObject::invokeMethod(manager.get(), "downloadProgress", Qt::DirectConnection,
                                          Q_ARG(qint64, 2000), Q_ARG(qint64, 4000));
        };
        manager->download(7, paths.get(), tmpl.get());
        QVERIFY(done.wait(10000));
        QVERIFY(isDownloaded(7, paths.get(), tmpl.get()));
        QCOMPARE(QFileInfo(dir.filePath("7/2.mp4")).size(), video.size());
        QCOMPARE(filesIn(dir.path()), (QStringList{"1.mp4", "2.mp4", "4.mp4"}));

        // (received / total x weight + done) x 100 / 500 for 100, 300, 100 frames.
        QList<float> values;
        for (const auto& args : progress)
            values << args.at(0).toFloat();
        QVERIFY(values.contains(20.f)); // the first file complete
        QVERIFY(values.contains(50.f)); // half of the second
        QVERIFY(values.contains(100.f));
        QVERIFY(std::is_sorted(values.begin(), values.end()));
        QVERIFY(handler.reasons.isEmpty());
        server.onRequest = nullptr;
    }

    void presentFilesAreSkipped()
    {
        TmplPtr tmpl = makeTemplate({{100, BgVideo}, {100, BgVideo}});
        QDir().mkpath(dir.filePath("8"));
        QFile existing(dir.filePath("8/1.mp4"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("partial but present");
        existing.close();
        server.route("/app/1.2.0/themes/8/2.mp4", video);
        QSignalSpy done(manager.get(), &TmplDownloadManager::done);
        manager->download(8, paths.get(), tmpl.get());
        QVERIFY(done.wait(5000));
        QCOMPARE(server.requests("/app/1.2.0/themes/8/1.mp4"), 0);
        QCOMPARE(QFileInfo(dir.filePath("8/1.mp4")).size(), 19);
    }

    void failuresLeaveNothingAndRetryContinues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("says");
        QTest::newRow("not found") << video << int(HttpTestServer::NotFound) << "Not Found";
        QTest::newRow("dropped mid-body") << video << int(HttpTestServer::DropMidBody) << "";
        QTest::newRow("closed early without length") << video << int(HttpTestServer::CloseEarly) << "";
        QTest::newRow("status 203") << video << int(HttpTestServer::NonAuthoritative) << "203";
        QTest::newRow("status 500, then 200") << video << int(HttpTestServer::ServerError) << "Internal Server Error";
        QTest::newRow("stalled") << video << int(HttpTestServer::Stall) << "nothing came for 1 s";
        QTest::newRow("not a video") << QByteArray(2000, 'x') << int(HttpTestServer::Full) << "";
        QTest::newRow("HTML error page with 200")
            << QByteArray("<!DOCTYPE html><html><body><h1>Service unavailable</h1></body></html>")
            << int(HttpTestServer::Full) << "cannot be opened";
        QTest::newRow("not H.264") << mpeg4 << int(HttpTestServer::Full) << "not an H.264 video";
    }

    void failuresLeaveNothingAndRetryContinues()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, mode);
        QFETCH(QString, says);
        TmplPtr tmpl = makeTemplate({{100, BgVideo}, {100, BgVideo}, {100, BgVideo}});
        server.route("/app/1.2.0/themes/9/1.mp4", video);
        server.route("/app/1.2.0/themes/9/2.mp4", content, HttpTestServer::Mode(mode));
        server.route("/app/1.2.0/themes/9/3.mp4", video);
        QSignalSpy failed(manager.get(), &TmplDownloadManager::failed);
        QSignalSpy done(manager.get(), &TmplDownloadManager::done);
        manager->download(9, paths.get(), tmpl.get());
        QVERIFY(failed.wait(5000));
        QTest::qWait(100);
        QCOMPARE(failed.count(), 1); // one failure, one question
        QCOMPARE(handler.reasons.size(), 1);
        QVERIFY2(handler.reasons.first().contains(says), qPrintable(handler.reasons.first()));
        QCOMPARE(done.count(), 0);
        // Nothing partial under any name, only the complete first file.
        QCOMPARE(filesIn(dir.path()), QStringList{"1.mp4"});
        QVERIFY2(warnings.filter("only be called once").isEmpty(), qPrintable(warnings.join('\n')));

        server.route("/app/1.2.0/themes/9/2.mp4", video);
        manager->onRedownload();
        QVERIFY(done.wait(5000));
        QCOMPARE(filesIn(dir.path()), (QStringList{"1.mp4", "2.mp4", "3.mp4"}));
        QCOMPARE(server.requests("/app/1.2.0/themes/9/1.mp4"), 1);
        QFile second(dir.filePath("9/2.mp4"));
        QVERIFY(second.open(QIODevice::ReadOnly));
        QCOMPARE(second.readAll(), video);
    }

    void tooSlowOrTooLargeIsRefused_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("says");
        QTest::newRow("a byte every 100 ms") << int(HttpTestServer::Trickle) << "too slowly";
        QTest::newRow("10 GB stated") << int(HttpTestServer::HugeLength) << "larger than a theme video can be";
        QTest::newRow("no end, no length") << int(HttpTestServer::Endless) << "larger than a theme video can be";
    }

    void tooSlowOrTooLargeIsRefused()
    {
        QFETCH(int, mode);
        QFETCH(QString, says);
        TmplPtr tmpl = makeTemplate({{100, BgVideo}, {100, BgVideo}});
        server.route("/app/1.2.0/themes/19/1.mp4", video);
        server.route("/app/1.2.0/themes/19/2.mp4", video, HttpTestServer::Mode(mode));
        // At most 1000 bytes a second over one second is too slow here.
        manager->setMinimumRate(1000, 1000);
        manager->setMaximumSize(256 * 1024);
        QSignalSpy failed(manager.get(), &TmplDownloadManager::failed);
        manager->download(19, paths.get(), tmpl.get());
        QVERIFY(failed.wait(10000));
        QVERIFY2(handler.reasons.value(0).contains(says), qPrintable(handler.reasons.value(0)));
        QVERIFY2(handler.reasons.value(0).contains("/19/2.mp4"), qPrintable(handler.reasons.value(0)));
        QCOMPARE(filesIn(dir.path()), QStringList{"1.mp4"});
    }

    void aFullDiskIsNamed_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("the stated length does not fit") << int(HttpTestServer::Full);
        QTest::newRow("no length stated") << int(HttpTestServer::CloseEarly);
    }

    void aFullDiskIsNamed()
    {
        QFETCH(int, mode);
        const QString disk = dir.filePath("disk");
        QDir().mkpath(disk);
        if (!mountSmallDisk(disk, 512))
            QSKIP("no small file system can be mounted here (needs root)");
        auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(disk).constData(), MNT_DETACH); });
        Paths onDisk(disk);
        TmplPtr tmpl = makeTemplate({{100, BgVideo}});
        // Half of it, sent without a length, is still more than the disk holds.
        server.route("/app/1.2.0/themes/20/1.mp4", QByteArray(3 << 20, 'v'), HttpTestServer::Mode(mode));
        QSignalSpy failed(manager.get(), &TmplDownloadManager::failed);
        manager->download(20, &onDisk, tmpl.get());
        QVERIFY(failed.wait(10000));
        QVERIFY2(handler.reasons.value(0).startsWith("The disk is full"), qPrintable(handler.reasons.value(0)));
        QCOMPARE(filesIn(disk), QStringList());
    }

    void automaticRetriesCountPerFile()
    {
        TmplPtr tmpl = makeTemplate({{100, BgVideo}, {100, BgVideo}, {100, BgVideo}, {100, BgVideo}});
        QByteArrayList files;
        for (int scene = 1; scene <= 4; ++scene) {
            files << QByteArray("/app/1.2.0/themes/21/") + QByteArray::number(scene) + ".mp4";
            server.route(files.last(), video, HttpTestServer::DropMidBody);
        }
        // Every file breaks once, then arrives.
        server.onRequest = [this](const QByteArray& path) {
            if (server.requests(path) == 1)
                QTimer::singleShot(0, &server, [this, path] { server.route(path, video); });
        };
        auto forget = qScopeGuard([this] { server.onRequest = nullptr; });
        manager->setAutomaticRetries(3);
        manager->setRetryDelay(10);
        QSignalSpy retrying(manager.get(), &TmplDownloadManager::retrying);
        QSignalSpy done(manager.get(), &TmplDownloadManager::done);
        manager->download(21, paths.get(), tmpl.get());
        QVERIFY(done.wait(10000));
        QCOMPARE(retrying.count(), 4);
        for (const auto& args : retrying)
            QCOMPARE(args.at(1).toInt(), 1); // the first retry of its file each time
        QVERIFY(handler.reasons.isEmpty());
        for (const QByteArray& file : files)
            QCOMPARE(server.requests(file), 2);

        // A file that never arrives is tried four times, then the handler is asked.
        server.onRequest = nullptr;
        TmplPtr one = makeTemplate({{100, BgVideo}});
        manager->download(22, paths.get(), one.get());
        QTRY_COMPARE_WITH_TIMEOUT(handler.reasons.size(), 1, 10000);
        QCOMPARE(server.requests("/app/1.2.0/themes/22/1.mp4"), 4);
        QCOMPARE(retrying.count(), 4 + 3);
    }

    void withoutATemplateItFails_data()
    {
        QTest::addColumn<bool>("withPaths");
        QTest::addColumn<bool>("withTemplate");
        QTest::newRow("no template") << true << false;
        QTest::newRow("no paths") << false << true;
    }

    void withoutATemplateItFails()
    {
        QFETCH(bool, withPaths);
        QFETCH(bool, withTemplate);
        TmplPtr tmpl = makeTemplate({{100, BgVideo}});
        QSignalSpy failed(manager.get(), &TmplDownloadManager::failed);
        QSignalSpy done(manager.get(), &TmplDownloadManager::done);
        manager->download(14, withPaths ? paths.get() : nullptr, withTemplate ? tmpl.get() : nullptr);
        QVERIFY(failed.wait(5000));
        manager->onRedownload(); // a retry has nothing more to go on
        QVERIFY(failed.wait(5000));
        QTest::qWait(100);
        QCOMPARE(failed.count(), 2);
        QCOMPARE(handler.reasons.size(), 2);
        QCOMPARE(done.count(), 0);
        QCOMPARE(server.requests("/app/1.2.0/themes/14/1.mp4"), 0);
    }

    // A downloaded background damaged or replaced before the render.
    void unusableBackgroundsAreFetchedAgain()
    {
        TmplPtr tmpl = makeTemplate({{100, BgVideo}, {100, BgVideo}, {100, BgImage}, {100, BgVideo}});
        QDir().mkpath(dir.filePath("18"));
        saved("18/1.mp4", video);
        saved("18/2.mp4", "<html>not a video</html>");
        saved("18/4.mp4", video.left(video.size() / 2));
        server.route("/app/1.2.0/themes/18/2.mp4", video);
        server.route("/app/1.2.0/themes/18/4.mp4", video);
        QVERIFY(isDownloaded(18, paths.get(), tmpl.get()));

        QCOMPARE(removeUnusableBackgrounds(18, paths.get(), tmpl.get()), 2);
        QCOMPARE(filesIn(dir.filePath("18")), QStringList{"1.mp4"});
        QCOMPARE(removeUnusableBackgrounds(18, nullptr, tmpl.get()), 0);
        QSignalSpy done(manager.get(), &TmplDownloadManager::done);
        manager->download(18, paths.get(), tmpl.get());
        QVERIFY(done.wait(5000));
        QCOMPARE(server.requests("/app/1.2.0/themes/18/1.mp4"), 0);
        for (const char* name : {"1.mp4", "2.mp4", "4.mp4"})
            QVERIFY(isUsableBackground(dir.filePath(QString("18/") + name)));
    }

    void aLateRetryAfterSuccessFetchesNothing()
    {
        TmplPtr tmpl = makeTemplate({{100, BgVideo}});
        server.route("/app/1.2.0/themes/15/1.mp4", video);
        QSignalSpy done(manager.get(), &TmplDownloadManager::done);
        manager->download(15, paths.get(), tmpl.get());
        QVERIFY(done.wait(5000));
        manager->onRedownload();
        QTest::qWait(300);
        QCOMPARE(done.count(), 1);
        QCOMPARE(server.requests("/app/1.2.0/themes/15/1.mp4"), 1);
    }

    void aFailureOfAnOlderDownloadIsNotReported()
    {
        TmplPtr broken = makeTemplate({{100, BgVideo}});
        TmplPtr good = makeTemplate({{100, BgVideo}});
        saved("16", "a file where the theme's folder should be");
        server.route("/app/1.2.0/themes/17/1.mp4", video);
        QSignalSpy failed(manager.get(), &TmplDownloadManager::failed);
        QSignalSpy done(manager.get(), &TmplDownloadManager::done);
        manager->download(16, paths.get(), broken.get()); // its failure waits in the event queue
        manager->download(17, paths.get(), good.get());
        QVERIFY(done.wait(5000));
        QTest::qWait(200);
        QCOMPARE(failed.count(), 0);
        QVERIFY(handler.reasons.isEmpty());
        QVERIFY(QFile::exists(dir.filePath("17/1.mp4")));
    }

    void givingUpClearsTheQueue()
    {
        TmplPtr tmpl = makeTemplate({{100, BgVideo}, {100, BgVideo}});
        QSignalSpy failed(manager.get(), &TmplDownloadManager::failed);
        QSignalSpy reselect(manager.get(), &TmplDownloadManager::reselectTheme);
        QSignalSpy done(manager.get(), &TmplDownloadManager::done);
        manager->download(11, paths.get(), tmpl.get());
        QVERIFY(failed.wait(5000));
        manager->onReselectTheme();
        QCOMPARE(reselect.count(), 1);
        manager->onRedownload(); // nothing left to retry
        QTest::qWait(200);
        QCOMPARE(done.count(), 0);
        QCOMPARE(server.requests("/app/1.2.0/themes/11/2.mp4"), 0);
        QVERIFY(filesIn(dir.path()).isEmpty());
    }

    void aNewDownloadCancelsTheRunningOne()
    {
        TmplPtr slow = makeTemplate({{100, BgVideo}});
        TmplPtr quick = makeTemplate({{100, BgVideo}});
        server.route("/app/1.2.0/themes/12/1.mp4", video, HttpTestServer::Slow);
        server.route("/app/1.2.0/themes/13/1.mp4", video);
        QSignalSpy done(manager.get(), &TmplDownloadManager::done);
        manager->download(12, paths.get(), slow.get());
        QTest::qWait(20);
        manager->download(13, paths.get(), quick.get());
        QVERIFY(done.wait(5000));
        QTest::qWait(200);
        QCOMPARE(done.count(), 1);
        QCOMPARE(filesIn(dir.path()), QStringList{"1.mp4"});
        QVERIFY(QFile::exists(dir.filePath("13/1.mp4")));
        QVERIFY(handler.reasons.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTmplDownloadManager)
#include "tst_tmpldownloadmanager.moc"
