#include "mediaprobe.h"

#include "avoutput_p.h"
#include "avptr_p.h"
#include "vidweave/vidweave.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
}

#include <QtTest>

#include <csignal>
#include <cmath>
#include <memory>

#include <sys/resource.h>

namespace {

using Frame = AVFrameUPtr;

Frame audioFrame(AVSampleFormat format, int channels, int samples, int rate)
{
    Frame f(av_frame_alloc());
    f->format = format;
    f->nb_samples = samples;
    f->sample_rate = rate;
    av_channel_layout_default(&f->ch_layout, channels);
    av_frame_get_buffer(f.get(), 0);
    return f;
}

Frame rgbFrame(int w, int h, QColor colour)
{
    Frame f(av_frame_alloc());
    f->format = AV_PIX_FMT_RGB24;
    f->width = w;
    f->height = h;
    av_frame_get_buffer(f.get(), 32);
    for (int y = 0; y < h; ++y) {
        uint8_t* line = f->data[0] + y * f->linesize[0];
        for (int x = 0; x < w; ++x) {
            line[3 * x] = uint8_t(colour.red());
            line[3 * x + 1] = uint8_t(colour.green());
            line[3 * x + 2] = uint8_t(colour.blue());
        }
    }
    return f;
}

} // namespace

class TestAVOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VidweaveInit(); }

    void gainOnIntegerSamples_data()
    {
        QTest::addColumn<int>("gain");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::newRow("silence") << 0 << 12345 << 0;
        QTest::newRow("half, rounded") << 128 << 3 << 2;
        QTest::newRow("half of a negative") << 128 << -1000 << -500;
        QTest::newRow("unchanged") << 256 << -32768 << -32768;
        QTest::newRow("clipped high") << 300 << 32767 << 32767;
        QTest::newRow("clipped low") << 300 << -32768 << -32768;
        QTest::newRow("boosted") << 300 << 1000 << 1172;
    }

    void gainOnIntegerSamples()
    {
        QFETCH(int, gain);
        QFETCH(int, in);
        QFETCH(int, out);
        for (AVSampleFormat format : {AV_SAMPLE_FMT_S16, AV_SAMPLE_FMT_S16P}) {
            Frame f = audioFrame(format, 2, 4, 44100);
            for (int plane = 0; plane < (format == AV_SAMPLE_FMT_S16P ? 2 : 1); ++plane)
                for (int i = 0; i < (format == AV_SAMPLE_FMT_S16P ? 4 : 8); ++i)
                    reinterpret_cast<int16_t*>(f->extended_data[plane])[i] = int16_t(in);
            ScaleAudioSamples(f.get(), gain);
            QCOMPARE(int(reinterpret_cast<int16_t*>(f->extended_data[0])[3]), out);
            if (format == AV_SAMPLE_FMT_S16P)
                QCOMPARE(int(reinterpret_cast<int16_t*>(f->extended_data[1])[3]), out);
        }
    }

    void gainOnOtherFormats()
    {
        Frame s32 = audioFrame(AV_SAMPLE_FMT_S32, 1, 2, 44100);
        auto* wide = reinterpret_cast<int32_t*>(s32->data[0]);
        wide[0] = INT32_MAX;
        wide[1] = -2000000000;
        ScaleAudioSamples(s32.get(), 300);
        QCOMPARE(wide[0], INT32_MAX);
        QCOMPARE(wide[1], INT32_MIN);

        Frame u8 = audioFrame(AV_SAMPLE_FMT_U8, 1, 2, 44100);
        u8->data[0][0] = 228; // +100 around the centre
        u8->data[0][1] = 0;
        ScaleAudioSamples(u8.get(), 128);
        QCOMPARE(int(u8->data[0][0]), 178);
        QCOMPARE(int(u8->data[0][1]), 64);

        // The AAC encoder takes floats: a fade must reach them too.
        Frame flt = audioFrame(AV_SAMPLE_FMT_FLTP, 2, 2, 44100);
        for (int c = 0; c < 2; ++c)
            reinterpret_cast<float*>(flt->extended_data[c])[1] = 0.8f;
        ScaleAudioSamples(flt.get(), 64);
        QCOMPARE(reinterpret_cast<float*>(flt->extended_data[1])[1], 0.2f);
        ScaleAudioSamples(flt.get(), 0);
        QCOMPARE(reinterpret_cast<float*>(flt->extended_data[0])[1], 0.f);
    }

    void writesThirtyFramesASecondWithAnOffset()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.mp4");
        {
            AVOutput out(path, av_guess_format("mp4", nullptr, nullptr), 48, 64, 1, 30, 0, false);
            QVERIFY2(out.IsValid(), qPrintable(out.ErrorString()));
            Frame red = rgbFrame(64, 48, Qt::red);
            // A source timed in 1/15360 at 30 fps, then a second one after an offset.
            for (int i = 0; i < 10; ++i) {
                red->pts = i * 512;
                QVERIFY(out.WriteVideoFrame(red.get(), 1, 15360));
            }
            out.AddTimeOffset(10 * 512, 1, 15360);
            int64_t offset = 0;
            std::pair<int, int> tb;
            out.GetTimeInfo(offset, tb);
            QCOMPARE(offset, int64_t(10));
            QCOMPARE(tb, std::make_pair(1, 30));
            for (int i = 0; i < 5; ++i) {
                red->pts = i;
                QVERIFY(out.WriteVideoFrame(red.get(), 1, 30));
            }
            QVERIFY(out.Close());
        }
        const ProbedMedia probe = probeMedia(path);
        QCOMPARE(probe.videoStreams, 1);
        QCOMPARE(probe.audioStreams, 0);
        QCOMPARE(int(probe.frames.size()), 15);
        QVERIFY(qAbs(probe.frameRate - 30.0) < 0.01);
        QVERIFY(qAbs(probe.videoSeconds - 0.5) < 0.02);
        const QColor centre = meanColour(probe.frames[7], QRect(20, 20, 8, 8));
        QVERIFY(centre.red() > 230 && centre.green() < 25 && centre.blue() < 25);
    }

    void monoAt48kBecomesStereoAt44k()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("music.mp4");
        {
            AVOutput out(path, av_guess_format("mp4", nullptr, nullptr), 48, 64, 1, 30, 0, true);
            QVERIFY2(out.IsValid(), qPrintable(out.ErrorString()));
            Frame black = rgbFrame(64, 48, Qt::black);
            Frame tone = audioFrame(AV_SAMPLE_FMT_S16, 1, 1600, 48000);
            auto* samples = reinterpret_cast<int16_t*>(tone->data[0]);
            int64_t n = 0;
            for (int f = 0; f < 30; ++f) {
                black->pts = f;
                QVERIFY(out.WriteVideoFrame(black.get(), 1, 30));
                for (int i = 0; i < 1600; ++i, ++n)
                    samples[i] = int16_t(16000 * std::sin(2 * M_PI * 440 * double(n) / 48000));
                QVERIFY(out.WriteAudioFrame(tone.get(), 48000, 256));
            }
            QVERIFY(out.Close());
        }
        const ProbedMedia probe = probeMedia(path, false);
        QCOMPARE(probe.audioStreams, 1);
        QCOMPARE(probe.audioCodec, QString("aac"));
        QCOMPARE(probe.audioSampleRate, 44100);
        QCOMPARE(probe.audioChannels, 2);
        QVERIFY(qAbs(probe.audioSeconds - 1.0) < 0.05);
        // Amplitude 16000/32768, spread to both sides at -3 dB: RMS about 0.24.
        const double level = rms(probe.audio, 44100, 0.3, 0.6);
        QVERIFY2(level > 0.2 && level < 0.3, qPrintable(QString::number(level)));
    }

    // Encoding runs on a thread of its own: a write error (here the file size
    // limit standing in for a full disk) still stops the writer and is
    // reported, a few frames later at the most.
    void fullDiskIsAFailure()
    {
        QTemporaryDir dir;
        AVOutput out(dir.filePath("out.mp4"), av_guess_format("mp4", nullptr, nullptr), 240, 320,
                     1, 30, 0, false);
        QVERIFY2(out.IsValid(), qPrintable(out.ErrorString()));
        Frame noise = rgbFrame(320, 240, Qt::black);
        QRandomGenerator random(7);
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        const rlimit small{200 * 1024, before.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // a failed write instead of the end of the process
        setrlimit(RLIMIT_FSIZE, &small);
        int written = 0;
        for (; written < 60; ++written) {
            for (int y = 0; y < 240; ++y) {
                uint8_t* line = noise->data[0] + y * noise->linesize[0];
                for (int x = 0; x < 3 * 320; ++x)
                    line[x] = uint8_t(random.bounded(256));
            }
            noise->pts = written;
            if (!out.WriteVideoFrame(noise.get(), 1, 30))
                break;
        }
        const bool closed = out.Close();
        setrlimit(RLIMIT_FSIZE, &before);
        QVERIFY2(written < 60, "every frame was taken");
        QVERIFY(!out.IsValid());
        QVERIFY(!out.ErrorString().isEmpty());
        QVERIFY(!closed);
    }

    void unwritablePlaceIsAFailure()
    {
        QTemporaryDir dir;
        AVOutput out(dir.filePath("no/such/folder/out.mp4"), av_guess_format("mp4", nullptr, nullptr),
                     48, 64, 1, 30, 0, true);
        QVERIFY(!out.IsValid());
        QVERIFY(!out.ErrorString().isEmpty());
        Frame red = rgbFrame(64, 48, Qt::red);
        QVERIFY(!out.WriteVideoFrame(red.get(), 1, 30));
        QVERIFY(!out.Close());
    }
};

QTEST_MAIN(TestAVOutput)
#include "tst_avoutput.moc"
