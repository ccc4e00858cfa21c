#include "httptestserver.h"

#include <QtTest>

#include <csignal>

namespace {

const QString program = QStringLiteral(PICTAVIO_RENDER);
const QString themes = QStringLiteral(PICTAVIO_THEMES_DIR);

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

/// Runs the program while this test's event loop keeps serving.
Outcome run(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    QSignalSpy finished(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    if (!finished.wait(600000))
        process.kill();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QStringList photos(int count)
{
    QStringList list;
    const QDir dir(themes + "/demo/generated");
    for (const QString& name : dir.entryList({"*.jpg"}, QDir::Files, QDir::Name).mid(0, count))
        list << dir.filePath(name);
    return list;
}

int frameCount(const QString& video)
{
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-select_streams", "v:0", "-count_packets",
                            "-show_entries", "stream=nb_read_packets", "-of", "csv=p=0", video});
    probe.waitForFinished(60000);
    return probe.readAllStandardOutput().trimmed().toInt();
}

} // namespace

class TestPictavioRender : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

private slots:
    void initTestCase()
    {
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("HOME", home.path());
        QVERIFY(QFile::exists(program));
        QCOMPARE(photos(3).size(), 3);
    }

    void helpAndMistakes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--list-themes";
        QTest::newRow("unknown option") << QStringList{"--colour"} << 1 << "unknown option";
        QTest::newRow("no slides") << QStringList{"--theme", "1"} << 1 << "no slides";
        QTest::newRow("missing picture") << QStringList{"--theme", "1", "/no/such.jpg"} << 1
                                         << "does not exist";
        QTest::newRow("theme not installed")
            << QStringList{"--themes", themes, "--theme", "42", "--text", "hi"} << 1
            << "not installed";
    }

    void helpAndMistakes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        const Outcome o = run(args, env);
        QCOMPARE(o.status, status);
        QVERIFY2((o.out + o.err).contains(says), qPrintable(o.out + o.err));
        if (status != 0)
            QCOMPARE(o.err.trimmed().count('\n'), 0); // one line of reason
    }

    void listsThemes()
    {
        const Outcome o = run({"--themes", themes, "--list-themes"}, env);
        QCOMPARE(o.status, 0);
        QVERIFY(o.out.contains("Golden Hour"));
        QVERIFY(o.out.contains("City Nights"));
    }

    void rendersSlidesAndSavesTheProject()
    {
        QTemporaryDir out;
        const QString video = out.filePath("made.mp4");
        const QStringList pictures = photos(3);
        const Outcome o = run({"--themes", themes, "--theme", "2", "--no-logo", "--output", video,
                               "--save-project", pictures.at(0), "--text", "Hello there",
                               pictures.at(1), pictures.at(2)},
                              env);
        QVERIFY2(o.status == 0, qPrintable(o.err));
        QVERIFY(o.out.contains("Using 4 of 4 slides"));
        QVERIFY(o.out.contains("Saved as project"));
        // Paper Album: picture scene 1 (120), text 7 (120), pair scene 2 (120), less 2 x 12.
        QCOMPARE(frameCount(video), 120 + 120 + 120 - 2 * 12);

        const QString id = o.out.section("Saved as project ", 1).section('\n', 0, 0).trimmed();
        QVERIFY(id.startsWith('{'));
        QDirIterator found(home.filePath("data"), {"prj.xml"}, QDir::Files,
                           QDirIterator::Subdirectories);
        QVERIFY(found.hasNext()); // saved under this run's data folder
        const QString again = out.filePath("again.mp4");
        const Outcome o2 = run({"--themes", themes, "--project", id, "--no-logo", "--output", again},
                               env);
        QVERIFY2(o2.status == 0, qPrintable(o2.err));
        QCOMPARE(frameCount(again), frameCount(video));
    }

    void musicCutOffIsTold()
    {
        QTemporaryDir out;
        const QString music = out.filePath("short.m4a");
        QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                              "sine=duration=6", music}),
                 0);
        const Outcome o = run({"--themes", themes, "--theme", "1", "--music", music, "--output",
                               out.path(), photos(1).first(), photos(2).last(), photos(3).last()},
                              env);
        QVERIFY2(o.status == 0, qPrintable(o.err));
        QVERIFY(o.err.contains("run past the end of the music"));
        QCOMPARE(QDir(out.path()).entryList({"slideshow_*.mp4"}).size(), 1);
    }

    void downloadsAMissingTheme()
    {
        QTemporaryDir place;
        QDir().mkpath(place.filePath("templates/3"));
        for (const QString& name : QDir(themes + "/templates/3").entryList(QDir::Files))
            QFile::copy(themes + "/templates/3/" + name, place.filePath("templates/3/" + name));
        HttpTestServer server;
        const QString content = themes + "/content/app/1.2.0/themes/3/";
        for (const QString& name : QDir(content).entryList({"*.mp4"}, QDir::Files)) {
            QFile file(content + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray path = "/app/1.2.0/themes/3/" + name.toUtf8();
            // The first scene's file breaks once: the program retries.
            server.route(path, file.readAll(),
                         name == "1.mp4" ? HttpTestServer::DropMidBody : HttpTestServer::Full);
        }
        server.onRequest = [&server, content](const QByteArray& path) {
            if (path.endsWith("/1.mp4") && server.requests(path) == 1) {
                QFile file(content + "1.mp4");
                file.open(QIODevice::ReadOnly);
                QTimer::singleShot(50, &server, [&server, path, data = file.readAll()] {
                    server.route(path, data);
                });
            }
        };
        QProcessEnvironment withServer = env;
        withServer.insert("PICTAVIO_CONTENT_HOST", server.host());
        const Outcome o = run({"--themes", place.path(), "--theme", "3", "--no-logo", "--output",
                               place.filePath("x.mp4"), "--text", "Night"},
                              withServer);
        QVERIFY2(o.status == 0, qPrintable(o.err));
        QVERIFY(o.err.contains("trying again"));
        QVERIFY(QFile::exists(place.filePath("templates/3/1.mp4")));
        QVERIFY(QFile::exists(place.filePath("x.mp4")));
    }

    void interruptLeavesNoFile()
    {
        QTemporaryDir out;
        const QString video = out.filePath("stopped.mp4");
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, QStringList{"--themes", themes, "--theme", "1", "--full-hd",
                                           "--output", video}
                                   + photos(12));
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(video), 60000);
        QTest::qWait(500);
        ::kill(pid_t(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 130);
        QVERIFY(!QFile::exists(video));
    }
};

QTEST_GUILESS_MAIN(TestPictavioRender)
#include "tst_pictaviorender.moc"
