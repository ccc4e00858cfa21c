// Installs the build into a temporary prefix, checks what landed where with
// the desktop's own validators, and runs the installed programs from a folder
// that has no themes, so that they must find their libraries and themes
// beside them.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString appId = QStringLiteral("org.pictavio.Pictavio");

struct Run
{
    bool finished = false;
    int code = -1;
    QString out;
};

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void iconSizes_data();
    void iconSizes();
    void validators_data();
    void validators();
    void librariesFromPrefix_data();
    void librariesFromPrefix();
    void programsFromElsewhere_data();
    void programsFromElsewhere();
    void videoFromElsewhere_data();
    void videoFromElsewhere();
    void downloadsOutsideInstall_data();
    void downloadsOutsideInstall();

private:
    Run run(const QString& program, const QStringList& args, int seconds = 60,
            const QString& contentHost = {}) const;
    QString render(const QStringList& args, const QString& video,
                   const QString& contentHost = {}) const;
    QString tool(const QString& name) const;
    QString installed(const QString& path) const { return prefix + "/" + path; }

    QTemporaryDir root;
    QString prefix;
    QString elsewhere;
};

Run TestInstall::run(const QString& program, const QStringList& args, int seconds,
                     const QString& contentHost) const
{
    QProcess process;
    // Nothing may come from the build tree or the user's own folders.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LD_LIBRARY_PATH"));
    env.insert(QStringLiteral("HOME"), root.filePath("home"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath("home/.local/share"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath("home/.config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // A port nothing listens on, unless a test serves the content.
    env.insert(QStringLiteral("PICTAVIO_CONTENT_HOST"),
               contentHost.isEmpty() ? QStringLiteral("127.0.0.1:9") : contentHost);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(elsewhere);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    Run result;
    result.finished = process.waitForFinished(seconds * 1000);
    if (!result.finished)
        process.kill();
    process.waitForFinished();
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromLocal8Bit(process.readAll());
    return result;
}

QString TestInstall::tool(const QString& name) const
{
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        qWarning("%s is missing; scripts/ensure-deps.sh installs it", qPrintable(name));
    return path;
}

void TestInstall::initTestCase()
{
    QVERIFY(root.isValid());
    prefix = root.filePath("prefix");
    elsewhere = root.filePath("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY(QDir().mkpath(root.filePath("home")));
    const Run install =
        run(PICTAVIO_CMAKE, {"--install", PICTAVIO_BUILD_DIR, "--prefix", prefix}, 300);
    QVERIFY2(install.finished && install.code == 0, qPrintable(install.out));
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("present");
    const QString libDir = QStringLiteral(PICTAVIO_LIBDIR "/");
    const QString so = QStringLiteral(".so." PICTAVIO_SOVERSION);
    QTest::newRow("window program") << "bin/pictavio" << true;
    QTest::newRow("command line") << "bin/pictavio-render" << true;
    for (const char* lib : {"common", "docloom", "vidweave"})
        QTest::newRow(lib) << libDir + "lib" + lib + so << true;
    QTest::newRow("no link for the linker") << libDir + "libcommon.so" << false;
    QTest::newRow("no headers") << "include" << false;
    QTest::newRow("theme") << "share/pictavio/templates/1/template.xml" << true;
    QTest::newRow("theme video") << "share/pictavio/templates/1/1.mp4" << true;
    QTest::newRow("demo music") << "share/pictavio/demo/music.m4a" << true;
    QTest::newRow("demo picture") << "share/pictavio/demo/generated/generated-01.jpg" << true;
    QTest::newRow("no content server") << "share/pictavio/content" << false;
    QTest::newRow("no build stamp") << "share/pictavio/themes.stamp" << false;
    QTest::newRow("menu entry") << "share/applications/" + appId + ".desktop" << true;
    QTest::newRow("metainfo") << "share/metainfo/" + appId + ".metainfo.xml" << true;
    QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/" + appId + ".svg" << true;
}

void TestInstall::installedFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, present);
    QCOMPARE(QFileInfo::exists(installed(path)), present);
    if (present && path.startsWith("bin/"))
        QVERIFY(QFileInfo(installed(path)).isExecutable());
}

void TestInstall::iconSizes_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void TestInstall::iconSizes()
{
    QFETCH(int, size);
    const QImage icon(installed(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId)));
    QCOMPARE(icon.size(), QSize(size, size));
    // Drawn on a rounded tile: clear in the corner, opaque in the middle.
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
}

void TestInstall::validators_data()
{
    QTest::addColumn<QString>("validator");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("path");
    QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList{}
                                   << "share/applications/" + appId + ".desktop";
    QTest::newRow("metainfo") << "appstreamcli" << QStringList{"validate", "--no-net", "--pedantic"}
                              << "share/metainfo/" + appId + ".metainfo.xml";
}

void TestInstall::validators()
{
    QFETCH(QString, validator);
    QFETCH(QStringList, options);
    QFETCH(QString, path);
    const QString program = tool(validator);
    QVERIFY(!program.isEmpty());
    const Run check = run(program, options << installed(path));
    QVERIFY2(check.finished && check.code == 0, qPrintable(check.out));
    // Hints, warnings and errors fail too; appstreamcli's pedantic notes ("P:") may stay.
    static const QRegularExpression complaint(
        QStringLiteral("(^|\\n)(E|W|I): |: (error|warning|hint): "));
    QVERIFY2(!check.out.contains(complaint), qPrintable(check.out));
}

void TestInstall::librariesFromPrefix_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("pictavio") << "bin/pictavio";
    QTest::newRow("pictavio-render") << "bin/pictavio-render";
}

void TestInstall::librariesFromPrefix()
{
    QFETCH(QString, program);
    const Run ldd = run(QStringLiteral("ldd"), {installed(program)});
    QVERIFY2(ldd.finished && ldd.code == 0, qPrintable(ldd.out));
    QVERIFY2(!ldd.out.contains("not found"), qPrintable(ldd.out));
    const QString libDir = QDir::cleanPath(installed(PICTAVIO_LIBDIR));
    for (const char* lib : {"common", "docloom", "vidweave"}) {
        const QRegularExpression line(QStringLiteral("lib%1\\.so\\.\\S+ => (\\S+)").arg(lib));
        const QRegularExpressionMatch found = line.match(ldd.out);
        QVERIFY2(found.hasMatch(), qPrintable(ldd.out));
        QCOMPARE(QFileInfo(found.captured(1)).canonicalPath(), QFileInfo(libDir).canonicalFilePath());
    }
}

void TestInstall::programsFromElsewhere_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    QTest::newRow("window program starts") << "bin/pictavio" << QStringList{"--help"} << "--tour";
    // The template store must reach the installed themes from here.
    QTest::newRow("installed themes listed")
        << "bin/pictavio-render" << QStringList{"--list-themes"} << "Golden Hour";
}

void TestInstall::programsFromElsewhere()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    QVERIFY(!QFileInfo::exists(QDir(elsewhere).filePath("templates")));
    const Run started = run(installed(program), args);
    QVERIFY2(started.finished && started.code == 0, qPrintable(started.out));
    QVERIFY2(started.out.contains(expected), qPrintable(started.out));
}

void TestInstall::videoFromElsewhere_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("name");
    QTest::newRow("theme 2, one picture")
        << QStringList{"--theme", "2", "--no-logo",
                       installed("share/pictavio/demo/generated/generated-01.jpg")}
        << 720 << "theme.mp4";
    QTest::newRow("demo") << QStringList{"--demo", "--no-logo"} << 720 << "demo.mp4";
}

/// Renders with the installed pictavio-render; the ffprobe summary of the
/// video, or the reason it failed.
QString TestInstall::render(const QStringList& args, const QString& video,
                            const QString& contentHost) const
{
    const Run made = run(installed("bin/pictavio-render"),
                         QStringList(args) << "--output" << video << "--overwrite", 600, contentHost);
    if (!made.finished || made.code != 0)
        return "pictavio-render failed: " + made.out;
    const QString ffprobe = tool(QStringLiteral("ffprobe"));
    if (ffprobe.isEmpty())
        return QStringLiteral("ffprobe is missing");
    const Run probe = run(ffprobe, {"-v", "error", "-select_streams", "v:0", "-show_entries",
                                    "stream=codec_name,height:format=duration", "-of",
                                    "default=noprint_wrappers=1", video});
    return probe.out;
}

void TestInstall::videoFromElsewhere()
{
    QFETCH(QStringList, args);
    QFETCH(int, height);
    QFETCH(QString, name);
    const QString probe = render(args, root.filePath(name));
    QVERIFY2(probe.contains("codec_name=h264"), qPrintable(probe));
    QVERIFY2(probe.contains(QString("height=%1").arg(height)), qPrintable(probe));
    const QRegularExpressionMatch duration =
        QRegularExpression(QStringLiteral("duration=([0-9.]+)")).match(probe);
    QVERIFY2(duration.hasMatch() && duration.captured(1).toDouble() > 1.0, qPrintable(probe));
}

void TestInstall::downloadsOutsideInstall_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("fetched");
    QTest::newRow("videos shipped") << 1 << false;
    QTest::newRow("videos on the content server") << 3 << true;
}

void TestInstall::downloadsOutsideInstall()
{
    QFETCH(int, theme);
    QFETCH(bool, fetched);
    // The content server stand-in on a free port; it says which.
    QProcess server;
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.start(tool(QStringLiteral("python3")),
                 {"-u", "-m", "http.server", "--bind", "127.0.0.1", "--directory",
                  PICTAVIO_BUILD_DIR "/themes/content", "0"});
    QVERIFY(server.waitForStarted());
    const QRegularExpression served(QStringLiteral("port (\\d+)"));
    QTRY_VERIFY_WITH_TIMEOUT(served.match(QString::fromLocal8Bit(server.peek(4096))).hasMatch(),
                             10000);
    const QString host = "127.0.0.1:" + served.match(QString::fromLocal8Bit(server.peek(4096))).captured(1);
    const QString picture = installed("share/pictavio/demo/generated/generated-02.jpg");
    const QString probe = render({"--theme", QString::number(theme), "--no-logo", picture},
                                 root.filePath(QString("download-%1.mp4").arg(theme)), host);
    server.kill();
    server.waitForFinished();
    QVERIFY2(probe.contains("codec_name=h264"), qPrintable(probe));
    // Fetched into the user's data folder, never into the installed themes.
    const QDir user(root.filePath("home/.local/share/Pictavio Ltd./Pictavio/templates/")
                    + QString::number(theme));
    QCOMPARE(!user.entryList({"*.mp4"}, QDir::Files).isEmpty(), fetched);
    const QDir system(installed("share/pictavio/templates/") + QString::number(theme));
    QCOMPARE(system.entryList({"*.mp4"}, QDir::Files).isEmpty(), fetched);
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
