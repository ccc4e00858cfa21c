#include "ffmpegcli.h"

#include "vidweave/audiotools.h"
#include "vidweave/vidweave.h"
#include "musicschedule_p.h"

#include <QtTest>

#include <sys/resource.h>

class TestAudioTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VidweaveInit(); }

    void musicGainFades_data()
    {
        QTest::addColumn<double>("trackTime");
        QTest::addColumn<double>("videoLeft");
        QTest::addColumn<double>("trackLeft");
        QTest::addColumn<int>("gain");
        QTest::newRow("start of a file") << 0.0 << 30.0 << 30.0 << 0;
        QTest::newRow("half into the fade-in") << 0.5 << 30.0 << 30.0 << 128;
        QTest::newRow("after the fade-in") << 1.0 << 30.0 << 30.0 << 256;
        QTest::newRow("file: 1.5 s left") << 5.0 << 30.0 << 1.5 << 256;
        QTest::newRow("file: 0.5 s left") << 5.0 << 30.0 << 0.5 << 128;
        QTest::newRow("file: at its end") << 5.0 << 30.0 << 0.0 << 0;
        QTest::newRow("video: 1.5 s left") << 5.0 << 1.5 << 30.0 << 256;
        QTest::newRow("video: 0.5 s left") << 5.0 << 0.5 << 30.0 << 128;
        QTest::newRow("video: at its end") << 5.0 << 0.0 << 30.0 << 0;
        QTest::newRow("past the end") << 5.0 << -0.2 << 30.0 << 0;
    }
    void musicGainFades()
    {
        QFETCH(double, trackTime);
        QFETCH(double, videoLeft);
        QFETCH(double, trackLeft);
        QFETCH(int, gain);
        QCOMPARE(musicGain(trackTime, videoLeft, trackLeft), gain);
    }

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

    // A WAV whose INFO tag claims almost 4 GB: FFmpeg used to allocate and
    // clear 1.8 GB for 152 bytes of file before refusing it.
    void aTagClaimingGigabytesCostsNoMemory()
    {
        QTemporaryDir dir;
        QString path = dir.filePath("claims.wav");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromBase64(
            "UklGRsAJAABXQVZFZm10IBAAAAABAAEAQB8AAIA+AAACABAATElTVDQAAP9JTkZPSUFSVAQAAABBbm4ASU5B"
            "TQUAAABUaWRlAABJU0ZUDgAAAExhdmY1OS4yUklGRsAJAABXQVZFZm10IBAAAAABAAEAQB8AAIA+AAACABAA"
            "TElTVDQAAP9JTkZPSUFSVAQAAABBbm4ASU5BTQUAAABUaWRlAABJU0ZUDgAAAEw3LjEwMABkYXRhYAkAAAAA"
            "awUyCsUNtg/ND09mUM31lPo="));
        file.close();
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        QVERIFY(AudioTools::GetMediaFileInfo(path).isNull());
        getrusage(RUSAGE_SELF, &after);
        const long grownKiB = after.ru_maxrss - before.ru_maxrss;
        QVERIFY2(grownKiB < 200 * 1024, qPrintable(QString("%1 KiB").arg(grownKiB)));
    }
};

QTEST_MAIN(TestAudioTools)
#include "tst_audiotools.moc"
