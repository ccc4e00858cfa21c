#include "fifofeeder.h"
#include "httptestserver.h"

#include <QImage>
#include <QtTest>

#include <csignal>

namespace {

const QString program = QStringLiteral(PICTAVIO_RENDER);
const QString themegen = QStringLiteral(PICTAVIO_THEMEGEN);
const QString themes = QStringLiteral(PICTAVIO_THEMES_DIR);
const QByteArray contentPath = "/app/1.2.0/themes/3/";

struct Outcome
{
    int status = -1;
    bool crashed = false;
    QString out;
    QString err;
};

/// Runs \a binary while this test's event loop keeps serving.
Outcome runTool(const QString& binary, const QStringList& args, const QProcessEnvironment& env,
                const QString& folder = {})
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(binary, args);
    QSignalSpy finished(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    if (!finished.wait(600000))
        process.kill();
    return {process.exitCode(), process.exitStatus() == QProcess::CrashExit,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Outcome run(const QStringList& args, const QProcessEnvironment& env, const QString& folder = {})
{
    return runTool(program, args, env, folder);
}

QStringList photos(int count)
{
    QStringList list;
    const QDir dir(themes + "/demo/generated");
    for (const QString& name : dir.entryList({"*.jpg"}, QDir::Files, QDir::Name).mid(0, count))
        list << dir.filePath(name);
    return list;
}

QString probe(const QString& video, const QStringList& what)
{
    QProcess probe;
    probe.start("ffprobe", QStringList{"-v", "error"} + what + QStringList{"-of", "csv=p=0", video});
    probe.waitForFinished(60000);
    return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
}

int frameCount(const QString& video)
{
    return probe(video, {"-select_streams", "v:0", "-count_packets", "-show_entries",
                         "stream=nb_read_packets"})
        .toInt();
}

double duration(const QString& video)
{
    return probe(video, {"-show_entries", "format=duration"}).toDouble();
}

/// A sine tone of \a seconds, with a title and artist when given.
QString tone(const QString& file, int seconds, const QString& title = {}, const QString& artist = {})
{
    QStringList args{"-v", "error", "-y", "-f", "lavfi", "-i", QString("sine=duration=%1").arg(seconds)};
    if (!title.isEmpty())
        args << "-metadata" << "title=" + title << "-metadata" << "artist=" + artist;
    QProcess::execute("ffmpeg", args << file);
    return file;
}

void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + "/" + name, to + "/" + name);
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Routes every video of theme 3 on \a server, with its own bytes or \a body.
void serveTheme3(HttpTestServer& server, HttpTestServer::Mode mode, const QByteArray& body = {})
{
    const QString content = themes + "/content/app/1.2.0/themes/3/";
    for (const QString& name : QDir(content).entryList({"*.mp4"}, QDir::Files))
        server.route(contentPath + name.toUtf8(), body.isNull() ? readFile(content + name) : body,
                     mode);
}

double printedLength(const QString& out)
{
    const QRegularExpression seconds(R"(the video lasts \d+:\d\d \(([\d.]+) s\))");
    return seconds.match(out).captured(1).toDouble();
}

} // namespace

class TestPictavioRender : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

    QString projectsFolder() const
    {
        return home.filePath("data/Pictavio Ltd./Pictavio/Pictavio/projects");
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QProcess::ExitStatus>();
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("HOME", home.path());
        QVERIFY(QFile::exists(program));
        QCOMPARE(photos(3).size(), 3);
        writeFile(notAudio(), "these are words, not sound\n");
    }

    void helpAndMistakes_data()
    {
        const QString notMusic = themes + "/templates/1/template.xml";
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--list-themes";
        QTest::newRow("nothing") << QStringList{} << 2 << "nothing to do";
        QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << "unknown option --colour";
        QTest::newRow("no theme") << QStringList{photos(1).first()} << 2 << "no --theme given";
        QTest::newRow("theme without number") << QStringList{"--theme"} << 2 << "--theme needs";
        QTest::newRow("demo with project") << QStringList{"--demo", "--project", "x"} << 2
                                           << "--project cannot be used with --demo";
        QTest::newRow("no slides") << QStringList{"--theme", "1"} << 2 << "no slides";
        QTest::newRow("slides with demo") << QStringList{"--demo", "--text", "hi"} << 2
                                          << "slides are taken only with --theme";
        QTest::newRow("missing picture") << QStringList{"--theme", "1", "/no/such.jpg"} << 1
                                         << "/no/such.jpg does not exist";
        QTest::newRow("empty text") << QStringList{"--theme", "1", "--text", ""} << 1 << "a --text is empty or blank";
        QTest::newRow("blank text") << QStringList{"--theme", "1", "--text", " \t\n"} << 1
                                    << "a --text is empty or blank";
        QTest::newRow("mkv output")
            << QStringList{"--theme", "1", "--output", "x.mkv", "--text", "hi"} << 1
            << "only .mp4 files are written";
        QTest::newRow("music that is not music")
            << QStringList{"--themes", themes, "--theme", "1", "--music", notMusic, "--text", "hi"}
            << 1 << "the music cannot be used: " + notMusic;
        QTest::newRow("a text file named .mp3")
            << QStringList{"--themes", themes, "--theme", "1", "--music", notAudio(), "--text", "hi"}
            << 1 << "the music cannot be used: " + notAudio() + " is not music";
        QTest::newRow("missing music")
            << QStringList{"--themes", themes, "--theme", "1", "--music", "/no/song.m4a", "--text", "hi"}
            << 1 << "the music cannot be used: /no/song.m4a";
        QTest::newRow("theme not installed")
            << QStringList{"--themes", themes, "--theme", "42", "--text", "hi"} << 1
            << "theme 42 is not installed (searched " + themes + "/templates;";
        QTest::newRow("not a project") << QStringList{"--project", "nonsense"} << 1
                                       << "neither a project id nor a project folder";
        QTest::newRow("find pictures without a project")
            << QStringList{"--theme", "1", "--find-pictures", "/tmp", "--text", "hi"} << 2
            << "--find-pictures is taken only with --project";
        QTest::newRow("moments without stills")
            << QStringList{"--theme", "1", "--at", "0:05", "--text", "hi"} << 2 << "--at is taken only with --stills";
        QTest::newRow("a moment that is none") << QStringList{"--theme", "1", "--stills", "/tmp", "--at", "1:5"}
                                               << 2 << "--at takes moments such as 0:05,0:12.5, not \"1:5\"";
        QTest::newRow("find pictures in no folder")
            << QStringList{"--project", "x", "--find-pictures", "/no/such/folder"} << 1
            << "--find-pictures /no/such/folder is not a folder";
    }

    QString notAudio() const { return home.filePath("not-audio.mp3"); }

    void helpAndMistakes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        const Outcome o = run(args, env);
        QCOMPARE(o.status, status);
        QVERIFY2((o.out + o.err).contains(says), qPrintable(o.out + o.err));
        if (status == 0)
            return;
        QCOMPARE(o.out, QString()); // the usage text only for --help
        QCOMPARE(o.err.trimmed().count('\n'), 0); // one line of reason
        QCOMPARE(o.err.contains("(see --help)"), status == 2);
    }

    void findsThemesFromAnyFolder_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("list") << QStringList{"--list-themes"} << 0 << "Golden Hour";
        QTest::newRow("missing theme")
            << QStringList{"--theme", "42", "--text", "hi"} << 1
            << "templates, " + QDir::cleanPath(themes) + "/templates";
    }

    void findsThemesFromAnyFolder()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        QTemporaryDir elsewhere;
        const Outcome o = run(args, env, elsewhere.path());
        QCOMPARE(o.status, status);
        QVERIFY2((o.out + o.err).contains(says), qPrintable(o.out + o.err));
    }

    void listsThemes()
    {
        const Outcome o = run({"--themes", themes, "--list-themes"}, env);
        QCOMPARE(o.status, 0);
        QVERIFY(o.out.contains(QRegularExpression(R"(1  Golden Hour +ready)")));
        QVERIFY(o.out.contains("City Nights"));
    }

    void damagedThemesAreRefused_data()
    {
        const QByteArray whole = readFile(themes + "/templates/2/template.xml");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("where"); // the reason names a line and column
        QTest::newRow("not XML") << QByteArray("this is not a theme") << true;
        QTest::newRow("no scenes") << QByteArray("<template fade-in=\"30\"></template>") << false;
        QTest::newRow("truncated") << whole.left(whole.size() / 2) << true;
    }

    void damagedThemesAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, where);
        QTemporaryDir place;
        copyFolder(themes + "/templates/2", place.filePath("templates/2"));
        writeFile(place.filePath("templates/2/template.xml"), content);
        const Outcome list = run({"--themes", place.path(), "--list-themes"}, env);
        QCOMPARE(list.status, 0);
        QVERIFY2(list.out.contains(QRegularExpression(R"(2  Paper Album +damaged)")),
                 qPrintable(list.out));
        const QRegularExpression located(R"(damaged \(template\.xml, line \d+, column \d+: )");
        QVERIFY2(list.out.contains(located) == where, qPrintable(list.out));
        const Outcome render = run({"--themes", place.path(), "--theme", "2", "--output",
                                    place.filePath("x.mp4"), photos(1).first()},
                                   env);
        QCOMPARE(render.status, 1);
        QVERIFY2(render.err.contains("theme 2 is damaged: " + place.filePath("templates/2/template.xml")),
                 qPrintable(render.err));
        QVERIFY(!QFile::exists(place.filePath("x.mp4")));
    }

    void aRenderThatPlacesNothingFails_data()
    {
        QTest::addColumn<QString>("say");
        QTest::newRow("music too short") << "the music is shorter than the first scene";
        QTest::newRow("no picture scene") << "theme 2 has no scene for pictures";
    }

    void aRenderThatPlacesNothingFails()
    {
        QFETCH(QString, say);
        QTemporaryDir place;
        copyFolder(themes + "/templates/2", place.filePath("templates/2"));
        QStringList args{"--themes", place.path(), "--theme", "2", "--output", place.filePath("x.mp4"),
                         photos(1).first()};
        if (say.contains("music")) {
            args << "--music" << tone(place.filePath("short.m4a"), 1);
        } else {
            const QString file = place.filePath("templates/2/template.xml");
            QString xml = QString::fromUtf8(readFile(file));
            xml.remove(QRegularExpression(R"(<scene id="\d+" type="1".*?</scene>)",
                                          QRegularExpression::DotMatchesEverythingOption));
            writeFile(file, xml.toUtf8());
        }
        const Outcome o = run(args, env);
        QCOMPARE(o.status, 1);
        QVERIFY2(o.err.contains("pictavio-render: " + say), qPrintable(o.err));
        QVERIFY(!QFile::exists(place.filePath("x.mp4")));
    }

    void printedLengthIsTheVideos_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("tracks");
        QTest::addColumn<int>("seconds");
        QTest::newRow("without music") << QStringList{"--theme", "2", "--no-logo"} << 0 << 0;
        QTest::newRow("two tracks") << QStringList{"--theme", "1"} << 2 << 20;
        QTest::newRow("cut off") << QStringList{"--theme", "1", "--no-logo"} << 1 << 6;
    }

    void printedLengthIsTheVideos()
    {
        QFETCH(QStringList, options);
        QFETCH(int, tracks);
        QFETCH(int, seconds);
        QTemporaryDir out;
        QStringList args = QStringList{"--themes", themes, "--output", out.filePath("v.mp4")} + options;
        for (int i = 0; i < tracks; ++i)
            args << "--music" << tone(out.filePath(QString("%1.m4a").arg(i)), seconds);
        const Outcome o = run(args + photos(3) + QStringList{"--text", "The end"}, env);
        QVERIFY2(o.status == 0, qPrintable(o.err));
        const double printed = printedLength(o.out);
        QVERIFY2(printed > 0, qPrintable(o.out));
        QVERIFY2(qAbs(printed - duration(out.filePath("v.mp4"))) < 0.1,
                 qPrintable(QString("printed %1 s, ffprobe %2 s").arg(printed).arg(duration(out.filePath("v.mp4")))));
    }

    void existingFileIsKeptWithoutOverwrite_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("without --overwrite") << false;
        QTest::newRow("with --overwrite") << true;
    }

    void existingFileIsKeptWithoutOverwrite()
    {
        QFETCH(bool, overwrite);
        QTemporaryDir out;
        const QString video = out.filePath("mine.mp4");
        writeFile(video, "the user's own video");
        QStringList args{"--themes", themes, "--theme", "2", "--no-logo", "--output", video,
                         photos(1).first()};
        if (overwrite)
            args << "--overwrite";
        const Outcome o = run(args, env);
        QCOMPARE(o.status, overwrite ? 0 : 1);
        QCOMPARE(o.out.contains("Rendering"), overwrite);
        if (overwrite) {
            QCOMPARE(frameCount(video), 120);
        } else {
            QVERIFY2(o.err.contains(video + " exists; give --overwrite"), qPrintable(o.err));
            QCOMPARE(readFile(video), QByteArray("the user's own video"));
        }
    }

    void mixedCaseNamesPlayInNameOrder()
    {
        QTemporaryDir out;
        const QString folder = out.filePath("pictures");
        QDir().mkpath(folder);
        const QStringList sources = photos(3);
        // Copied in another order than they should play, so that neither the
        // order of creation nor a sort with case gives a, B, c.
        QFile::copy(sources.at(0), folder + "/c.jpg");
        QFile::copy(sources.at(1), folder + "/B.jpg");
        QFile::copy(sources.at(2), folder + "/a.jpg");
        const Outcome o = run({"--themes", themes, "--theme", "2", "--no-logo", "--output",
                               out.filePath("v.mp4"), folder},
                              env);
        QVERIFY2(o.status == 0, qPrintable(o.err));
        const QRegularExpression listed(R"(\+\s+(\d)\s+(\S+\.jpg))");
        QStringList order;
        for (auto it = listed.globalMatch(o.out); it.hasNext();)
            order << it.next().captured(2);
        QCOMPARE(order, (QStringList{"a.jpg", "B.jpg", "c.jpg"}));
    }

    void projectsAreSharedWithTheProgram()
    {
        QTemporaryDir out;
        const QString video = out.filePath("made.mp4");
        const QString music = tone(out.filePath("sea.m4a"), 20, "Sea", "Waves");
        const QStringList pictures = photos(3);
        const Outcome o = run({"--themes", themes, "--theme", "2", "--no-logo", "--output", video,
                               "--music", music, "--save-project", pictures.at(0), "--text",
                               "Hello there", pictures.at(1), pictures.at(2)},
                              env);
        QVERIFY2(o.status == 0, qPrintable(o.err));
        QVERIFY(o.out.contains("Music: Sea, Waves, 0:20"));
        QVERIFY(o.out.contains("Using 4 of 4 slides"));
        // Paper Album: picture scene 1 (120), text 7 (120), pair scene 2 (120), less 2 x 12.
        QCOMPARE(frameCount(video), 120 + 120 + 120 - 2 * 12);

        const QString id = o.out.section("Saved as project ", 1).section('\n', 0, 0).trimmed();
        QVERIFY(id.startsWith('{'));
        const QString folder = projectsFolder() + "/" + id;
        QVERIFY(QFile::exists(folder + "/prj.xml"));
        QVERIFY(readFile(folder + "/info.xml").contains("<audio>Waves - Sea</audio>"));

        // An older project lists after it.
        const QString older = "{00000000-0000-0000-0000-000000000001}";
        copyFolder(folder, projectsFolder() + "/" + older);
        QCOMPARE(QProcess::execute("touch", {"-d", "2020-01-02 03:04", projectsFolder() + "/" + older}), 0);
        const Outcome list = run({"--list-projects"}, env);
        QCOMPARE(list.status, 0);
        const QStringList lines = list.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(0).contains(QRegularExpression(QRegularExpression::escape(id)
                                                         + R"(  Paper Album +\d{4}-\d\d-\d\d \d\d:\d\d  4 slides)")),
                 qPrintable(lines.at(0)));
        QVERIFY2(lines.at(1).startsWith(older + "  Paper Album") && lines.at(1).contains("2020-01-02 03:04"),
                 qPrintable(lines.at(1)));

        const QString bare = id.mid(1, id.size() - 2);
        const QString again = out.filePath("again.mp4");
        const Outcome o2 = run({"--themes", themes, "--project", bare, "--no-logo", "--output", again}, env);
        QVERIFY2(o2.status == 0, qPrintable(o2.err));
        QCOMPARE(frameCount(again), frameCount(video));
    }

    // Pictures moved into nested folders are found by name and the project is
    // saved with their new places; a name found twice is not guessed.
    void movedPicturesAreFound()
    {
        QTemporaryDir place;
        const QStringList sources = photos(2);
        const QString now = place.filePath("now");
        const QStringList places{now + "/2024/a.jpg", now + "/2024/trip/b.jpg", now + "/x/c.jpg",
                                 now + "/y/c.jpg"};
        for (int i = 0; i < places.size(); ++i) {
            QVERIFY(QDir().mkpath(QFileInfo(places.at(i)).path()));
            QVERIFY(QFile::copy(sources.at(i % 2), places.at(i)));
        }
        const QString was = place.filePath("was/");
        const QString id = "{00000000-0000-0000-0000-00000000000a}";
        const QString folder = projectsFolder() + "/" + id;
        QVERIFY(QDir().mkpath(folder));
        writeFile(folder + "/prj.xml",
                  "<userdata template='2'><slides><object type='1' src='" + was.toUtf8()
                      + "a.jpg' rotation='1'/><object type='2' text='Between'/><object type='1' src='"
                      + was.toUtf8() + "b.jpg'/><object type='1' src='" + was.toUtf8()
                      + "c.jpg'/></slides></userdata>");
        const Outcome o = run({"--themes", themes, "--project", id, "--find-pictures", now,
                               "--no-logo", "--output", place.filePath("v.mp4")},
                              env);
        const QByteArray saved = readFile(folder + "/prj.xml");
        QDir(folder).removeRecursively(); // the project lists stay as the other tests expect
        QVERIFY2(o.status == 0, qPrintable(o.err));
        QVERIFY2(o.out.contains("Found " + was + "a.jpg at " + places.at(0) + "\n")
                     && o.out.contains("Found " + was + "b.jpg at " + places.at(1) + "\n")
                     && o.out.contains("2 of 3 missing pictures found in " + now),
                 qPrintable(o.out));
        QVERIFY2(o.err.contains("c.jpg is in " + now + " more than once")
                     && o.err.contains(was + "c.jpg is missing; it is left out."),
                 qPrintable(o.err));
        QVERIFY2(o.out.contains("Using 3 of 3 slides"), qPrintable(o.out));
        const int a = saved.indexOf("src=\"" + places.at(0).toUtf8() + "\" rotation=\"1\"");
        const int text = saved.indexOf("text=\"Between\"");
        const int b = saved.indexOf("src=\"" + places.at(1).toUtf8() + "\"");
        const int c = saved.indexOf("src=\"" + was.toUtf8() + "c.jpg\"");
        QVERIFY2(a >= 0 && a < text && text < b && b < c, saved.constData());
    }

    // Stills are the render's own frames, taken before encoding.
    void stillsAreTheVideosFrames_data()
    {
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("says");
        // Paper Album: picture scene 1 (120 frames), text 7 (120), pair scene 2 (120), 12 overlap.
        QTest::newRow("the middle of every scene")
            << QStringList{} << QStringList{"still_01_0m02.0s.png", "still_02_0m05.6s.png", "still_03_0m09.2s.png"}
            << QString();
        QTest::newRow("at moments, a fade among them")
            << QStringList{"--at", "0:03.8,1"} << QStringList{"still_01_0m03.8s.png", "still_02_0m01.0s.png"}
            << QString();
        QTest::newRow("past the end") << QStringList{"--at", "0:12"} << QStringList{}
                                      << "12.0 s is not within the video, which lasts 11.2 s.";
        QTest::newRow("a folder that cannot be made")
            << QStringList{"--stills", "/proc/version/stills"} << QStringList{} << "/proc/version/stills cannot be created.";
    }
    void stillsAreTheVideosFrames()
    {
        QFETCH(QStringList, asked);
        QFETCH(QStringList, names);
        QFETCH(QString, says);
        QTemporaryDir out;
        const QStringList pictures = photos(3);
        const QStringList slides{"--themes", themes, "--theme", "2", "--no-logo", pictures.at(0), "--text",
                                 "Hello there", pictures.at(1), pictures.at(2)};
        const QString folder = out.filePath("stills");
        const QStringList args = asked.contains("--stills") ? asked : QStringList{"--stills", folder} + asked;
        const Outcome o = run(slides + args, env);
        if (!says.isEmpty()) {
            QCOMPARE(o.status, 1);
            QVERIFY2(o.err.contains("the stills cannot be written: " + says), qPrintable(o.err));
            return;
        }
        QVERIFY2(o.status == 0, qPrintable(o.err));
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), sorted);
        QVERIFY2(!o.out.contains("Rendering"), qPrintable(o.out)); // nothing encoded

        const QString video = out.filePath("v.mp4");
        const Outcome made = run(slides + QStringList{"--output", video}, env);
        QVERIFY2(made.status == 0, qPrintable(made.err));
        for (const QString& name : names) {
            const QImage still(QDir(folder).filePath(name));
            const double seconds = name.section('_', 2).section('m', 0, 0).toInt() * 60
                                   + name.section('m', 1).section('s', 0, 0).toDouble();
            const QString decoded = out.filePath("decoded.png");
            QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-y", "-i", video, "-vf",
                                                   QString("select=eq(n\\,%1)").arg(int(seconds * 30)),
                                                   "-frames:v", "1", decoded}),
                     0);
            const QImage frame = QImage(decoded).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(still.size(), QSize(1280, 720));
            QCOMPARE(frame.size(), still.size());
            double difference = 0;
            const QImage rgb = still.convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < rgb.height(); y += 4)
                for (int x = 0; x < rgb.width(); x += 4)
                    difference += qAbs(qGray(rgb.pixel(x, y)) - qGray(frame.pixel(x, y)));
            difference /= double(rgb.width() / 4) * double(rgb.height() / 4);
            // The encoder's own loss only; a frame off by one in a fade or a
            // move differs by far more.
            QVERIFY2(difference < 2.5, qPrintable(QString("%1: %2").arg(name).arg(difference)));
        }
    }

    void specialFilesAreRefused_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("a slide") << "slide" << 1 << " is not a file (a pipe or a device is no picture)";
        QTest::newRow("music") << "music" << 1 << " is not a file (a pipe or a device is no music)";
        QTest::newRow("a slide of a project") << "project slide" << 0
                                              << " is not a file (a pipe or a device is no picture); it is left out.";
        QTest::newRow("the project file") << "project file" << 1 << " cannot be read";
    }

    // A FIFO that is opened waits for a writer for ever, and Ctrl-C would not help.
    void specialFilesAreRefused()
    {
        QFETCH(QString, role);
        QFETCH(int, status);
        QFETCH(QString, says);
        QTemporaryDir place;
        const QString fifo = place.filePath(role == "music" ? "pipe.m4a" : role == "project file" ? "prj.xml" : "pipe.jpg");
        const QString picture = photos(1).first();
        QByteArray offered = readFile(picture);
        QStringList args{"--themes", themes, "--no-logo", "--output", place.filePath("v.mp4")};
        if (role == "slide") {
            args << "--theme" << "2" << fifo;
        } else if (role == "music") {
            offered = readFile(tone(place.filePath("tone.m4a"), 3));
            args << "--theme" << "2" << "--music" << fifo << picture;
        } else {
            const QByteArray project = "<userdata template='2'><slides><object type='1' src='" + fifo.toUtf8()
                                       + "'/><object type='1' src='" + picture.toUtf8() + "'/></slides></userdata>";
            if (role == "project file")
                offered = project;
            else
                writeFile(place.filePath("prj.xml"), project);
            args << "--project" << place.path();
        }
        FifoFeeder feeder(fifo, offered);
        QVERIFY(feeder.isMade());
        const Outcome o = run(args, env);
        QCOMPARE(o.status, status);
        QVERIFY2(o.err.contains(fifo + says) || (role == "project file" && o.err.contains(says)),
                 qPrintable(o.err));
        QVERIFY(!feeder.wasOpened());
    }

    void aProjectIsReadAsTheProgramWouldTakeIt()
    {
        QTemporaryDir place;
        const QString longText = QString("Long ").repeated(200000); // a million characters
        writeFile(place.filePath("prj.xml"),
                  "<userdata template='2'><slides><object type='3' src='clip.mov'/><object type='2' text='"
                      + longText.toUtf8() + "'/><object type='1' src='" + photos(1).first().toUtf8()
                      + "'/></slides></userdata>");
        const Outcome o = run({"--themes", themes, "--project", place.path(), "--no-logo", "--output",
                               place.filePath("v.mp4")},
                              env);
        QVERIFY2(o.status == 0, qPrintable(o.err));
        QVERIFY2(o.err.contains("1 slide of an unknown kind was left out."), qPrintable(o.err));
        // Paper Album lets a text scene hold 60 characters, as its editor would.
        QVERIFY2(o.err.contains("The text of slide 1 is longer than the theme allows; only its first 60 characters are kept."),
                 qPrintable(o.err));
        QVERIFY2(o.out.contains("Using 2 of 2 slides"), qPrintable(o.out));
    }

    void damagedProjectsAndThemesAreListedSo()
    {
        const QString broken = "{00000000-0000-0000-0000-00000000000d}";
        const QString unnamed = "{00000000-0000-0000-0000-00000000000e}";
        QDir().mkpath(projectsFolder() + "/" + broken);
        QDir().mkpath(projectsFolder() + "/" + unnamed);
        writeFile(projectsFolder() + "/" + broken + "/prj.xml", "<userdata template='2'><slides>");
        writeFile(projectsFolder() + "/" + broken + "/info.xml",
                  "<project><name>Paper Album</name><audio/><slidesnumber>4</slidesnumber></project>");
        writeFile(projectsFolder() + "/" + unnamed + "/prj.xml",
                  "<userdata template='2'><slides>" + QByteArray("<object type='2' text='t'/>").repeated(4)
                      + "</slides></userdata>");
        writeFile(projectsFolder() + "/" + unnamed + "/info.xml", "<project><name>Pa");
        const Outcome list = run({"--themes", themes, "--list-projects"}, env);
        QCOMPARE(list.status, 0);
        const QString brokenLine = list.out.section(broken, 1).section('\n', 0, 0);
        const QString unnamedLine = list.out.section(unnamed, 1).section('\n', 0, 0);
        // Damaged, and where: the file, its line and column.
        QVERIFY2(brokenLine.contains(QRegularExpression(R"(  damaged \(prj\.xml, line \d+, column \d+: .+\)$)")),
                 qPrintable(brokenLine));
        QVERIFY2(unnamedLine.contains(QRegularExpression(R"(^  Paper Album +\d{4}-\d\d-\d\d \d\d:\d\d  4 slides$)")),
                 qPrintable(unnamedLine));
        for (const QString& id : {broken, unnamed})
            QDir(projectsFolder() + "/" + id).removeRecursively();

        QTemporaryDir place;
        copyFolder(themes + "/templates/2", place.filePath("templates/2"));
        QDir().mkpath(place.filePath("templates/abc"));
        const Outcome themesList = run({"--themes", place.path(), "--list-themes"}, env);
        QCOMPARE(themesList.status, 0);
        QCOMPARE(themesList.out.count("abc"), 1);
        QVERIFY2(themesList.out.contains(QRegularExpression(R"(-  abc +not a theme)")), qPrintable(themesList.out));
        QVERIFY2(!themesList.out.contains(QRegularExpression(R"(^  0 )", QRegularExpression::MultilineOption)),
                 qPrintable(themesList.out));
    }

    void aProjectIsSavedOnlyAfterEveryCheck_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("music unreadable") << "the music cannot be used";
        QTest::newRow("nothing placed") << "the music is shorter than the first scene";
        QTest::newRow("output exists") << "exists; give --overwrite";
    }

    void aProjectIsSavedOnlyAfterEveryCheck()
    {
        QFETCH(QString, failure);
        QTemporaryDir out;
        const QString video = out.filePath("v.mp4");
        QStringList args{"--themes", themes, "--theme", "2", "--save-project", "--output", video,
                         photos(1).first()};
        if (failure.contains("cannot be used"))
            args << "--music" << themes + "/templates/2/template.xml";
        else if (failure.contains("shorter"))
            args << "--music" << tone(out.filePath("short.m4a"), 1);
        else
            writeFile(video, "kept");
        const int before = QDir(projectsFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
        const Outcome o = run(args, env);
        QCOMPARE(o.status, 1);
        QVERIFY2(o.err.contains(failure), qPrintable(o.err));
        QCOMPARE(QDir(projectsFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), before);
    }

    void downloadsAMissingTheme()
    {
        QTemporaryDir place;
        copyFolder(themes + "/templates/3", place.filePath("templates/3"));
        HttpTestServer server;
        serveTheme3(server, HttpTestServer::Full);
        // The first scene's file breaks once: the program retries.
        const QByteArray first = contentPath + "1.mp4";
        const QByteArray good = readFile(themes + "/content/app/1.2.0/themes/3/1.mp4");
        server.route(first, good, HttpTestServer::DropMidBody);
        server.onRequest = [&server, first, good](const QByteArray& path) {
            if (path == first && server.requests(path) == 1)
                QTimer::singleShot(50, &server, [&server, first, good] { server.route(first, good); });
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

    void aServerThatAlwaysFailsIsTriedFourTimes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("not found") << int(HttpTestServer::NotFound) << QByteArray();
        QTest::newRow("not a video") << int(HttpTestServer::Full) << QByteArray(5000, 'x');
    }

    void aServerThatAlwaysFailsIsTriedFourTimes()
    {
        QFETCH(int, mode);
        QFETCH(QByteArray, body);
        QTemporaryDir place;
        copyFolder(themes + "/templates/3", place.filePath("templates/3"));
        HttpTestServer server;
        serveTheme3(server, HttpTestServer::Mode(mode), body);
        QProcessEnvironment withServer = env;
        withServer.insert("PICTAVIO_CONTENT_HOST", server.host());
        const Outcome o = run({"--themes", place.path(), "--theme", "3", "--output",
                               place.filePath("x.mp4"), "--text", "Night"},
                              withServer);
        QCOMPARE(o.status, 1);
        QCOMPARE(server.requests(contentPath + "1.mp4"), 4);
        QCOMPARE(o.err.count("trying again"), 3);
        QVERIFY2(o.err.contains("pictavio-render: the theme could not be downloaded"), qPrintable(o.err));
        QVERIFY2(!o.err.contains("Internal problem"), qPrintable(o.err));
        QCOMPARE(QDir(place.filePath("templates/3")).entryList({"*.mp4", ".*"}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    void aDamagedBackgroundIsNamed_data()
    {
        QTest::addColumn<bool>("served");
        QTest::newRow("the server has it") << true;
        QTest::newRow("the server has not") << false;
    }

    void aDamagedBackgroundIsNamed()
    {
        QFETCH(bool, served);
        QTemporaryDir place;
        const QString folder = place.filePath("templates/3");
        copyFolder(themes + "/templates/3", folder);
        const QString content = themes + "/content/app/1.2.0/themes/3/";
        for (const QString& name : QDir(content).entryList({"*.mp4"}, QDir::Files))
            writeFile(folder + "/" + name, "damaged");
        HttpTestServer server;
        if (served)
            serveTheme3(server, HttpTestServer::Full);
        QProcessEnvironment withServer = env;
        withServer.insert("PICTAVIO_CONTENT_HOST", server.host());
        const QStringList args{"--themes", place.path(), "--theme", "3", "--no-logo", "--output",
                               place.filePath("x.mp4"), "--text", "Night"};
        const Outcome o = run(args, withServer);
        QCOMPARE(o.status, 1);
        const QRegularExpression named("theme 3 has a damaged background: (" + QRegularExpression::escape(folder)
                                       + R"(/\d+\.mp4) cannot be opened)");
        const QString damaged = named.match(o.err).captured(1);
        QVERIFY2(!damaged.isEmpty(), qPrintable(o.err));
        QCOMPARE(o.err.trimmed().count('\n'), 0); // the reason alone, no decoder chatter
        // Decided on the local file alone: the server was not asked.
        QVERIFY2(o.err.contains("It was removed; the next run downloads it again."), qPrintable(o.err));
        QVERIFY(!QFile::exists(damaged));
        QCOMPARE(server.requests(contentPath + QFileInfo(damaged).fileName().toUtf8()), 0);
        const Outcome next = run(args, withServer);
        QCOMPARE(next.status, served ? 0 : 1);
        QCOMPARE(QFile::exists(place.filePath("x.mp4")), served);
        if (!served)
            QVERIFY2(next.err.contains("the theme could not be downloaded"), qPrintable(next.err));
    }

    void everyFileMayNeedTwoTries()
    {
        QTemporaryDir place;
        copyFolder(themes + "/templates/3", place.filePath("templates/3"));
        HttpTestServer server;
        serveTheme3(server, HttpTestServer::DropMidBody);
        const QString content = themes + "/content/app/1.2.0/themes/3/";
        server.onRequest = [&server, content](const QByteArray& path) {
            if (server.requests(path) == 1)
                QTimer::singleShot(0, &server, [&server, content, path] {
                    server.route(path, readFile(content + QFileInfo(QString(path)).fileName()));
                });
        };
        QProcessEnvironment withServer = env;
        withServer.insert("PICTAVIO_CONTENT_HOST", server.host());
        const Outcome o = run({"--themes", place.path(), "--theme", "3", "--no-logo", "--output",
                               place.filePath("x.mp4"), "--text", "Night"},
                              withServer);
        QVERIFY2(o.status == 0, qPrintable(o.err));
        const int files = QDir(content).entryList({"?.mp4"}, QDir::Files).size();
        QVERIFY(files > 3); // more files than retries
        QCOMPARE(o.err.count("trying again (1 of 3)"), files);
    }

    void ctrlCDuringADownloadStops()
    {
        QTemporaryDir place;
        copyFolder(themes + "/templates/3", place.filePath("templates/3"));
        HttpTestServer server;
        serveTheme3(server, HttpTestServer::Stall);
        QProcess process;
        server.onRequest = [&process](const QByteArray&) {
            QTimer::singleShot(200, &process, [&process] { ::kill(pid_t(process.processId()), SIGINT); });
        };
        QProcessEnvironment withServer = env;
        withServer.insert("PICTAVIO_CONTENT_HOST", server.host());
        process.setProcessEnvironment(withServer);
        process.start(program, {"--themes", place.path(), "--theme", "3", "--output",
                                place.filePath("x.mp4"), "--text", "Night"});
        QVERIFY(process.waitForStarted());
        QSignalSpy finished(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
        QVERIFY(finished.wait(60000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), 130);
        QCOMPARE(err.trimmed(), QString("pictavio-render: stopped; no video was written."));
        QCOMPARE(QDir(place.filePath("templates/3")).entryList({"*.mp4", ".*"}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    void runsWithoutADisplay_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("themegen") << themegen << QStringList{"--help"};
        QTest::newRow("pictavio-render") << program << QStringList{"--themes", themes, "--list-themes"};
    }

    void runsWithoutADisplay()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, args);
        QProcessEnvironment bare = env;
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            bare.remove(name);
        const Outcome o = runTool(tool, args, bare);
        QVERIFY2(!o.crashed && o.status == 0, qPrintable(o.err));
    }

    void anInterruptedRenderLeavesTheUsersFile_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("existing");
        QTest::newRow("Ctrl-C, new file") << int(SIGINT) << false;
        QTest::newRow("Ctrl-C over a file") << int(SIGINT) << true;
        QTest::newRow("terminal closed, new file") << int(SIGHUP) << false;
        QTest::newRow("killed over a file") << int(SIGKILL) << true;
    }
    void anInterruptedRenderLeavesTheUsersFile()
    {
        QFETCH(int, signal);
        QFETCH(bool, existing);
        QTemporaryDir out;
        const QString video = out.filePath("stopped.mp4");
        QStringList args{"--themes", themes, "--theme", "1", "--full-hd", "--output", video};
        if (existing) {
            writeFile(video, "the user's own video");
            args << "--overwrite";
        }
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, args + photos(12));
        QVERIFY(process.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += process.readAllStandardOutput()).contains("Rendering: 10%"),
                                 120000);
        ::kill(pid_t(process.processId()), signal);
        QVERIFY(process.waitForFinished(60000));
        if (signal != SIGKILL) {
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), 130);
        }
        if (existing)
            QCOMPARE(readFile(video), QByteArray("the user's own video"));
        else
            QVERIFY(!QFile::exists(video));
        // Only a kill can leave the hidden partial file behind...
        const QStringList left = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left.size(), int(existing) + int(signal == SIGKILL));
        if (signal != SIGKILL)
            return;
        // ...and the next render in that folder removes it.
        const Outcome next = run({"--themes", themes, "--theme", "2", "--no-logo", "--output",
                                  out.filePath("next.mp4"), photos(1).first()},
                                 env);
        QVERIFY2(next.status == 0, qPrintable(next.err));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"next.mp4", "stopped.mp4"}));
    }

    void aFileSizeLimitIsNamed()
    {
        QTemporaryDir out;
        const QString video = out.filePath("big.mp4");
        QStringList args{"--themes", themes, "--theme", "1", "--full-hd", "--output", video};
        args << photos(12);
        QStringList quoted;
        for (const QString& arg : qAsConst(args))
            quoted << "'" + arg + "'";
        // 300 KiB, far below a full HD video.
        const Outcome o = runTool("bash", {"-c", "ulimit -f 300; exec '" + program + "' " + quoted.join(' ')},
                                  env);
        QVERIFY2(!o.crashed, qPrintable(o.err));
        QCOMPARE(o.status, 1);
        QVERIFY2(o.err.contains("The video is larger than this system allows: a file may hold at most 300 KiB here"),
                 qPrintable(o.err));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void rendersAtOnceIntoOneFolder_data()
    {
        QTest::addColumn<int>("renders");
        QTest::addColumn<bool>("oneName");
        QTest::newRow("six, names from the time") << 6 << false;
        QTest::newRow("two, one name with --overwrite") << 2 << true;
    }

    // Started together, as from a script: each finishes whole under a name of its own,
    // or onto the one name given.
    void rendersAtOnceIntoOneFolder()
    {
        QFETCH(int, renders);
        QFETCH(bool, oneName);
        QTemporaryDir out;
        const QString target = oneName ? out.filePath("same.mp4") : out.path() + "/";
        std::vector<std::unique_ptr<QProcess>> processes;
        const QStringList pictures = photos(renders);
        for (int i = 0; i < renders; ++i) {
            processes.push_back(std::make_unique<QProcess>());
            processes.back()->setProcessEnvironment(env);
            QStringList args{"--themes", themes, "--theme", "2", "--no-logo", "--output", target,
                             pictures.at(i)};
            if (oneName)
                args << "--overwrite";
            processes.back()->start(program, args);
        }
        QStringList made;
        for (auto& process : processes) {
            QVERIFY(process->waitForFinished(600000));
            const QString said = QString::fromUtf8(process->readAllStandardOutput());
            QVERIFY2(process->exitCode() == 0, qPrintable(process->readAllStandardError()));
            made << said.section("Made ", 1).section(" in ", 0, 0);
        }
        made.removeDuplicates();
        made.sort();
        QStringList files;
        for (const QString& name : QDir(out.path()).entryList(QDir::Files | QDir::Hidden))
            files << out.filePath(name);
        QCOMPARE(files, made); // nothing hidden left, every video where it was said to be
        QCOMPARE(made.size(), oneName ? 1 : renders);
        for (const QString& video : qAsConst(made)) {
            QCOMPARE(frameCount(video), 120);
            QProcess decode;
            decode.start("ffmpeg", {"-v", "error", "-i", video, "-f", "null", "-"});
            QVERIFY(decode.waitForFinished(120000));
            QCOMPARE(decode.readAllStandardError(), QByteArray());
        }
    }

    // Bad input gets the program's own line, not the libraries' chatter,
    // unless --verbose asks for it.
    void librariesStayQuietUnlessAsked_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("verbose");
        QTest::addColumn<QString>("libraryLine");
        QTest::newRow("music") << "music" << false << "@ 0x";
        QTest::newRow("music, verbose") << "music" << true << "@ 0x";
        QTest::newRow("picture") << "picture" << false << "JPEG";
        QTest::newRow("picture, verbose") << "picture" << true << "JPEG";
    }
    void librariesStayQuietUnlessAsked()
    {
        QFETCH(QString, input);
        QFETCH(bool, verbose);
        QFETCH(QString, libraryLine);
        QTemporaryDir out;
        const QString music = out.filePath("not-music.mp3");
        writeFile(music, "this is not music at all");
        const QString junk = out.filePath("junk.jpg");
        writeFile(junk, QByteArray("\xFF\xD8\xFF\xE0junkjunk", 12));
        QStringList args{"--themes", themes, "--theme", "2", "--no-logo", "--output", out.filePath("v.mp4")};
        if (verbose)
            args << "--verbose";
        if (input == "music")
            args << "--music" << music << photos(1);
        else
            args << junk << photos(1);
        const Outcome o = run(args, env);
        QVERIFY2(o.err.contains(input == "music" ? "the music cannot be used" : "cannot be read as a picture"),
                 qPrintable(o.err));
        QVERIFY2(o.err.contains(libraryLine) == verbose, qPrintable(o.err));
    }

    void unreadablePicturesAreLeftOut()
    {
        QTemporaryDir out;
        const QString empty = out.filePath("empty.jpg");
        writeFile(empty, {});
        QByteArray jpeg = readFile(photos(1).first());
        jpeg = jpeg.left(jpeg.indexOf(QByteArray("\xFF\xDA", 2))) + QByteArray("\xFF\xD9", 2);
        const QString noScan = out.filePath("noscan.jpg");
        writeFile(noScan, jpeg);
        const Outcome o = run({"--themes", themes, "--theme", "2", "--no-logo", "--output",
                               out.filePath("v.mp4"), empty, noScan, photos(1).first()},
                              env);
        QVERIFY2(o.status == 0, qPrintable(o.err));
        for (const QString& bad : {empty, noScan})
            QVERIFY2(o.err.contains(bad + " cannot be read as a picture; it is left out."),
                     qPrintable(o.err));
        QVERIFY2(o.out.contains("Using 1 of 1 slides"), qPrintable(o.out));
    }
};

QTEST_GUILESS_MAIN(TestPictavioRender)
#include "tst_pictaviorender.moc"
