#include "ffmpegcli.h"

#include "common/basetmplfactory.h"
#include "common/release.h"
#include "avinput_p.h"
#include "avptr_p.h"
#include "scenereaders_p.h"
#include "staticimginput_p.h"
#include "vidweave/vidweave.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QImage>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

struct RgbFrame
{
    AVFrameUPtr frame{av_frame_alloc()};
    RgbFrame(int w, int h)
    {
        frame->format = AV_PIX_FMT_RGB24;
        frame->width = w;
        frame->height = h;
        av_frame_get_buffer(frame.get(), 32);
    }
    QColor at(int x, int y) const
    {
        const uint8_t* p = frame->data[0] + y * frame->linesize[0] + 3 * x;
        return QColor(p[0], p[1], p[2]);
    }
};

bool near(const QColor& a, const QColor& b, int tolerance = 10)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestAVInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VidweaveInit(); }

    void videoFramesCountAndTimes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("mp4 states its count") << "bg.mp4" << 20 << QStringList();
        QTest::newRow("fragmented mp4 states none: estimated")
            << "bg.mp4" << 15 << QStringList{"-movflags", "frag_keyframe+empty_moov"};
    }

    void videoFramesCountAndTimes()
    {
        QFETCH(QString, name);
        QFETCH(int, frames);
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QVERIFY(runFfmpeg(QStringList{"-f", "lavfi", "-i", "color=c=0x2080C0:size=64x48:rate=30",
                                      "-frames:v", QString::number(frames), "-pix_fmt", "yuv420p"}
                          + options + QStringList{path}));
        VideoInput input(path);
        QVERIFY2(input.IsValid(), qPrintable(input.ErrorString()));
        QCOMPARE(input.GetFramesNumber(), int64_t(frames));
        QVERIFY(input.GetCodecContext());
        const auto tb = input.GetTimeBase();
        QVERIFY(tb.first > 0 && tb.second > 0);
        QVERIFY(qAbs(double(input.GetDuration()) * tb.first / tb.second - frames / 30.0) < 0.05);

        RgbFrame out(32, 24); // decoded straight into a smaller frame: stretched
        int count = 0;
        int64_t lastPts = -1;
        while (input.ReadFrame(out.frame.get())) {
            QVERIFY(out.frame->pts > lastPts);
            if (count == 0)
                QCOMPARE(out.frame->pts, int64_t(0));
            lastPts = out.frame->pts;
            QVERIFY(near(out.at(16, 12), QColor(0x20, 0x80, 0xC0)));
            ++count;
        }
        QCOMPARE(count, frames);
        QVERIFY(!input.ReadFrame(out.frame.get())); // stays at the end
    }

    void unusableSourcesAreReported_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing file") << "missing";
        QTest::newRow("not media") << "text";
        QTest::newRow("sound only") << "audio";
    }

    void unusableSourcesAreReported()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath("nothing.mp4");
        if (kind == "text") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("this is not a video");
        } else if (kind == "audio") {
            path = dir.filePath("tone.m4a");
            QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "sine=duration=1", path}));
        }
        VideoInput input(path);
        QVERIFY(!input.IsValid());
        QVERIFY(!input.ErrorString().isEmpty());
        RgbFrame out(16, 16);
        QVERIFY(!input.ReadFrame(out.frame.get()));
        QCOMPARE(input.GetFramesNumber(), int64_t(0));
    }

    void stillPicture_data()
    {
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<int>("frames");
        QTest::newRow("exact size") << QSize(40, 30) << 3;
        QTest::newRow("stretched") << QSize(10, 50) << 2;
        QTest::newRow("no frames") << QSize(40, 30) << 0;
    }

    void stillPicture()
    {
        QFETCH(QSize, pictureSize);
        QFETCH(int, frames);
        QTemporaryDir dir;
        QImage picture(pictureSize, QImage::Format_RGB32);
        picture.fill(QColor(10, 200, 30));
        picture.setPixel(0, 0, qRgb(255, 255, 255));
        const QString path = dir.filePath("still.png");
        QVERIFY(picture.save(path));

        StaticImgImput input(path.toStdWString(), 30, 40, 1, 25, frames);
        QVERIFY(input.IsValid());
        QCOMPARE(input.GetFramesNumber(), int64_t(frames));
        QCOMPARE(input.GetDuration(), int64_t(frames));
        QCOMPARE(input.GetTimeBase(), std::make_pair(1, 25));
        QVERIFY(!input.GetCodecContext());
        RgbFrame out(40, 30);
        for (int i = 0; i < frames; ++i) {
            QVERIFY(input.ReadFrame(out.frame.get()));
            QCOMPARE(out.frame->pts, int64_t(i));
            QVERIFY(near(out.at(39, 29), QColor(10, 200, 30), 2));
        }
        QVERIFY(!input.ReadFrame(out.frame.get()));
        if (pictureSize == QSize(40, 30) && frames > 0)
            QCOMPARE(out.at(0, 0), QColor(255, 255, 255)); // unscaled: the corner stays sharp
    }

    void sceneReaderOverAVideo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("bg.mp4");
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "color=c=0x2080C0:size=64x36:rate=30",
                           "-frames:v", "12", "-pix_fmt", "yuv420p", path}));
        BaseTmplFactory factory;
        auto* media = new std::map<int, IImgMedia*>;
        std::unique_ptr<IImgScene> scene(factory.GetImgScene(media, BgVideo, L"", 12, 1, 30));
        QSharedPointer<IAVInput> input(new VideoInput(path));
        ImgSceneReader reader(input, 128, 72, scene.get(), nullptr);
        QVERIFY(reader.IsValid());
        QCOMPARE(reader.GetFrameIndex(), -1);
        int frames = 0;
        while (reader.NextFrame()) {
            QCOMPARE(reader.GetFrameIndex(), frames);
            QCOMPARE(reader.GetFrame()->pts, int64_t(frames) * 512); // 1/15360 at 30 fps
            QVERIFY(near(reader.GetImage()->pixelColor(100, 50), QColor(0x20, 0x80, 0xC0)));
            ++frames;
        }
        QCOMPARE(frames, 12);
        delete media;
    }

    // The grain goes on the frame at the caller's size, and never into the
    // decoder's pictures: later frames, which it predicts from earlier ones,
    // would gather the grain of every frame before them.
    void grainIsLaidOnEveryFrameAlike_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("at the video's size") << QSize(64, 48);
        QTest::newRow("stretched") << QSize(96, 72);
    }

    void grainIsLaidOnEveryFrameAlike()
    {
        QFETCH(QSize, size);
        QTemporaryDir dir;
        const QString path = dir.filePath("bg.mp4");
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "color=c=0x806040:size=64x48:rate=30",
                           "-frames:v", "30", "-pix_fmt", "yuv420p", path}));
        VideoInput plain(path), grainy(path, 10);
        QVERIFY(grainy.IsValid());
        RgbFrame a(size.width(), size.height()), b(size.width(), size.height());
        QList<double> spreads;
        while (plain.ReadFrame(a.frame.get())) {
            QVERIFY(grainy.ReadFrame(b.frame.get()));
            double squares = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    const int d = b.at(x, y).green() - a.at(x, y).green();
                    squares += d * d;
                }
            spreads << std::sqrt(squares / (size.width() * size.height()));
        }
        QCOMPARE(spreads.size(), 30);
        for (double spread : spreads)
            QVERIFY2(spread > 1.0 && spread < 4.0,
                     qPrintable(QString("grain spread %1 (first %2)").arg(spread).arg(spreads[0])));
    }

    void missingStillPicture()
    {
        StaticImgImput input(L"/no/such/picture.png", 30, 40, 1, 30, 10);
        QVERIFY(!input.IsValid());
        QVERIFY(!input.ErrorString().isEmpty());
        RgbFrame out(40, 30);
        QVERIFY(!input.ReadFrame(out.frame.get()));
    }
};

QTEST_MAIN(TestAVInput)
#include "tst_avinput.moc"
