#include "options.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ParseStatus)

class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void mistakesAreNamed_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<ParseStatus>("status");
        QTest::addColumn<QString>("reason");
        const ParseStatus usage = ParseStatus::Usage;
        const ParseStatus invalid = ParseStatus::Invalid;
        QTest::newRow("nothing") << QStringList{} << usage << "nothing to do";
        QTest::newRow("two modes") << QStringList{"--list-themes", "--demo"} << usage
                                   << "--demo cannot be used with --list-themes";
        QTest::newRow("theme not a number") << QStringList{"--theme", "x"} << usage
                                            << "--theme needs a theme number, not \"x\"";
        QTest::newRow("value missing") << QStringList{"--music"} << usage << "--music needs a file";
        QTest::newRow("unknown option") << QStringList{"--fast"} << usage << "unknown option --fast";
        QTest::newRow("theme without slides") << QStringList{"--theme", "3"} << usage
                                              << "no slides given";
        QTest::newRow("slides without theme") << QStringList{"--text", "hi"} << usage
                                              << "no --theme given";
        QTest::newRow("slides with demo") << QStringList{"--demo", "--text", "hi"} << usage
                                          << "slides are taken only with --theme";
        QTest::newRow("blank text") << QStringList{"--theme", "3", "--text", "  "} << invalid
                                    << "empty or blank";
        QTest::newRow("not mp4") << QStringList{"--theme", "3", "--text", "hi", "--output", "a.mov"}
                                 << invalid << "only .mp4 files are written";
        QTest::newRow("missing picture") << QStringList{"--theme", "3", "/no/such/photo.jpg"}
                                         << invalid << "does not exist";
    }

    void mistakesAreNamed()
    {
        QFETCH(QStringList, args);
        QFETCH(ParseStatus, status);
        QFETCH(QString, reason);
        Options options;
        QString error;
        QCOMPARE(parseOptions(args, options, &error), status);
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void helpStopsReading()
    {
        Options options;
        QString error;
        QCOMPARE(parseOptions({"--help", "--fast", "--theme"}, options, &error), ParseStatus::Ok);
        QCOMPARE(options.mode, Options::Help);
    }

    void renderOptionsAreTaken()
    {
        Options options;
        QString error;
        const QStringList args{"--theme", "4", "--full-hd", "--no-logo", "--overwrite",
                               "--text", "hello", "--output", "out.MP4", "--music", "m.mp3"};
        QCOMPARE(parseOptions(args, options, &error), ParseStatus::Ok);
        QCOMPARE(options.mode, Options::Render);
        QCOMPARE(options.themeId, 4);
        QVERIFY(options.fullHd);
        QVERIFY(!options.logo);
        QVERIFY(options.overwrite);
        QVERIFY(options.outputIsFile);
        QCOMPARE(options.output, QDir::current().absoluteFilePath("out.MP4"));
        QCOMPARE(options.music, QStringList{QDir::current().absoluteFilePath("m.mp3")});
        QCOMPARE(int(options.slides.size()), 1);
        QCOMPARE(options.slides[0].value, QString("hello"));
        QCOMPARE(options.slides[0].kind, int(SceneText));
    }

    void folderGivesItsPicturesByName()
    {
        QTemporaryDir dir;
        for (const char* name : {"B.png", "a.jpg", "notes.txt", "c.HEIC", "d.ico", "e.xcf", "f.NEF", "g.webp"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        Options options;
        QString error;
        QCOMPARE(parseOptions({"--theme", "1", dir.path()}, options, &error), ParseStatus::Ok);
        QStringList values;
        for (const PlacementSlide& slide : options.slides)
            values << QFileInfo(slide.value).fileName();
        QCOMPARE(values, (QStringList{"a.jpg", "B.png", "c.HEIC", "f.NEF", "g.webp"}));
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
