#include "ffmpegcli.h"

#include "vidweave/audiotools.h"
#include "avinput_p.h"
#include "vidweave/vidweave.h"

#include <QtTest>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

/// The names of the files opened in a folder from construction on.
class OpenWatch
{
public:
    explicit OpenWatch(const QString& folder) : fd(inotify_init1(IN_NONBLOCK))
    {
        inotify_add_watch(fd, QFile::encodeName(folder).constData(), IN_OPEN);
    }
    ~OpenWatch() { ::close(fd); }
    bool works() const { return fd >= 0; }

    QStringList opened()
    {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        ssize_t size;
        while ((size = ::read(fd, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + size;) {
                const auto* event = reinterpret_cast<inotify_event*>(p);
                if (event->len > 0)
                    names << QFile::decodeName(event->name);
                p += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

private:
    int fd;
};

void writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

/// Files that point a demuxer at "segment.mp3" beside them.
QByteArray pointingAtTheSegment(const QString& kind)
{
    if (kind == "hls")
        return "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:2\n#EXT-X-MEDIA-SEQUENCE:0\n"
               "#EXTINF:2.0,\nsegment.mp3\n#EXT-X-ENDLIST\n";
    return "ffconcat version 1.0\nfile 'segment.mp3'\n";
}

/// True when FFmpeg's own ffprobe, with no limits, reads \a path. A process
/// of its own: FFmpeg's HLS demuxer leaks a little when it follows a playlist.
bool plainFfmpegReads(const QString& path)
{
    return QProcess::execute("ffprobe", {"-v", "quiet", path}) == 0;
}

} // namespace

class TestSafeOpen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VidweaveInit(); }

    void filesThatNameOtherFilesAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("HLS playlist as music") << "hls" << "song.mp3";
        QTest::newRow("HLS playlist as a background") << "hls" << "1.mp4";
        QTest::newRow("concat list as music") << "concat" << "song.m4a";
        QTest::newRow("concat list as a background") << "concat" << "2.mp4";
    }

    void filesThatNameOtherFilesAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "sine=duration=2", dir.filePath("segment.mp3")}));
        QString crafted = dir.filePath(name);
        writeFile(crafted, pointingAtTheSegment(kind));

        OpenWatch watch(dir.path());
        QVERIFY(watch.works());
        if (kind == "hls") {
            // The fault is real: FFmpeg left to itself follows the playlist.
            QVERIFY(plainFfmpegReads(crafted));
            QVERIFY(watch.opened().contains("segment.mp3"));
        }

        const bool music = name.endsWith(".mp3") || name.endsWith(".m4a");
        if (music) {
            QVERIFY(AudioTools::GetMediaFileInfo(crafted).isNull());
            AudioInput input(crafted);
            QVERIFY(!input.IsValid());
            QVERIFY(input.ErrorString().contains(crafted));
        } else {
            VideoInput input(crafted);
            QVERIFY(!input.IsValid());
            QVERIFY(input.ErrorString().contains(crafted));
        }
        const QStringList opened = watch.opened();
        QVERIFY2(!opened.contains("segment.mp3"), qPrintable(opened.join(' ')));
        QVERIFY2(opened.contains(name), qPrintable(opened.join(' ')));
    }

    void onlyTheExpectedFormatsAndCodecsOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("encode");
        QTest::addColumn<bool>("music");
        QTest::addColumn<bool>("opens");
        const QStringList tone{"-f", "lavfi", "-i", "sine=duration=1"};
        const QStringList video{"-f", "lavfi", "-i", "testsrc=size=64x48:rate=30", "-frames:v", "5",
                                "-pix_fmt", "yuv420p"};
        QTest::newRow("mp3") << "a.mp3" << tone << true << true;
        QTest::newRow("m4a") << "a.m4a" << tone << true << true;
        QTest::newRow("ogg") << "a.ogg" << tone << true << true;
        QTest::newRow("flac") << "a.flac" << tone << true << true;
        QTest::newRow("wav") << "a.wav" << tone << true << true;
        QTest::newRow("mka") << "a.mka" << tone << true << true;
        QTest::newRow("au (not offered)") << "a.au" << tone << true << false;
        QTest::newRow("H.264 in MP4") << "v.mp4" << (video + QStringList{"-c:v", "libx264"})
                                      << false << true;
        QTest::newRow("MPEG-4 part 2 in MP4") << "v.mp4" << (video + QStringList{"-c:v", "mpeg4"})
                                              << false << false;
        QTest::newRow("H.264 in Matroska") << "v.mkv" << (video + QStringList{"-c:v", "libx264"})
                                           << false << false;
        QTest::newRow("H.264 in MPEG-TS") << "v.ts" << (video + QStringList{"-c:v", "libx264"})
                                          << false << false;
    }

    void onlyTheExpectedFormatsAndCodecsOpen()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, encode);
        QFETCH(bool, music);
        QFETCH(bool, opens);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QVERIFY(runFfmpeg(encode << path));
        QVERIFY(plainFfmpegReads(path));
        if (music) {
            QString asked = path;
            QCOMPARE(!AudioTools::GetMediaFileInfo(asked).isNull(), opens);
        } else {
            VideoInput input(path);
            QVERIFY2(input.IsValid() == opens, qPrintable(input.ErrorString()));
        }
    }

    void namesThatLookLikeProtocolsAreFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("http") << "http:song.mp3";
        QTest::newRow("subfile") << "subfile,,start,0,end,0,,:song.mp3";
    }

    void namesThatLookLikeProtocolsAreFiles()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "sine=duration=1", "-f", "mp3", "file:" + name}));
        QString path = name; // relative, as a user's choice may be
        const QSharedPointer<MediaFileInfo> info = AudioTools::GetMediaFileInfo(path);
        QVERIFY(info);
        QVERIFY(qAbs(info->getDuration() - 1.f) < 0.1f);
    }
};

QTEST_MAIN(TestSafeOpen)
#include "tst_safeopen.moc"
