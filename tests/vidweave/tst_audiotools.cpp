#include "ffmpegcli.h"

#include "vidweave/audiotools.h"
#include "vidweave/vidweave.h"

#include <QtTest>

class TestAudioTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VidweaveInit(); }

    void durationAndTags_data()
    {
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("display");
        QTest::newRow("title") << QStringList{"artist=Ann Ö", "title=Spring Song"} << "Ann Ö"
                               << "Spring Song";
        QTest::newRow("filename tag") << QStringList{"filename=from-tag.mp3"} << ""
                                      << "from-tag.mp3";
        QTest::newRow("no tags") << QStringList{} << "" << "song one.mka";
    }

    void durationAndTags()
    {
        QFETCH(QStringList, tags);
        QFETCH(QString, artist);
        QFETCH(QString, display);
        QTemporaryDir dir;
        // Matroska keeps any tag, "filename" included.
        QString path = dir.filePath("song one.mka");
        QStringList args{"-f", "lavfi", "-i", "sine=sample_rate=44100:duration=2.5"};
        for (const QString& tag : tags)
            args << "-metadata" << tag;
        QVERIFY(runFfmpeg(args << path));

        VidweaveInit(); // a second call changes nothing
        const QSharedPointer<MediaFileInfo> info = AudioTools::GetMediaFileInfo(path);
        QVERIFY(info);
        QVERIFY2(qAbs(info->getDuration() - 2.5f) < 1024.f / 44100.f + 0.001f,
                 qPrintable(QString::number(info->getDuration())));
        QCOMPARE(info->getArtist(), artist);
        QCOMPARE(info->getDisplayTitle(), display);
        QCOMPARE(info->getPath(), path);
        const MediaFileInfo copy = *info;
        QCOMPARE(copy.getDisplayTitle(), display);
    }

    void displayTitleOfAPathEndingInASeparator()
    {
        const MediaFileInfo info(1.f, {}, {}, {}, "/music/");
        QCOMPARE(info.getDisplayTitle(), QString());
    }

    void unusableFilesGiveNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("not media") << "text";
        QTest::newRow("video without sound") << "video";
    }

    void unusableFilesGiveNothing()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath("x.mp4");
        if (kind == "text") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("no music here");
        } else if (kind == "video") {
            QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "color=size=32x32:rate=30", "-frames:v", "3",
                               path}));
        }
        QVERIFY(AudioTools::GetMediaFileInfo(path).isNull());
    }
};

QTEST_MAIN(TestAudioTools)
#include "tst_audiotools.moc"
