// A background video's picture stretched into the working frame in one pass:
// as swscale's bicubic stretch and BT.601 conversion would draw it, on every
// code path (run once more with PICTAVIO_NO_AVX2 for the SSE2 one).
#include "drawhelpers.h"

#include "avptr_p.h"
#include "backgroundscaler_p.h"
#include "filmgrain_p.h"

#include <QImage>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <cstring>

using namespace drawtest;

namespace {

AVFrameUPtr yuvFrame(QSize size)
{
    AVFrameUPtr frame(av_frame_alloc());
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = size.width();
    frame->height = size.height();
    av_frame_get_buffer(frame.get(), 0);
    return frame;
}

// Soft light and colour as the themes' backgrounds have, and a lit disc with
// an edge a few samples wide.
AVFrameUPtr background(QSize size)
{
    AVFrameUPtr frame = yuvFrame(size);
    const double w = size.width(), h = size.height();
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const double disc = std::hypot(x - w * 0.6, y - h * 0.4) / (h * 0.25);
            const double light = 1 / (1 + std::exp((disc - 1) * 4));
            frame->data[0][y * frame->linesize[0] + x] =
                uint8_t(40 + 120 * x / w + 60 * y / h + 30 * light);
        }
    for (int y = 0; y < (size.height() + 1) / 2; ++y)
        for (int x = 0; x < (size.width() + 1) / 2; ++x) {
            frame->data[1][y * frame->linesize[1] + x] = uint8_t(90 + 60 * x / w);
            frame->data[2][y * frame->linesize[2] + x] = uint8_t(180 - 50 * y / h);
        }
    return frame;
}

QImage throughScaler(const AVFrame* source, QSize size)
{
    AVFrameUPtr out(av_frame_alloc());
    out->format = AV_PIX_FMT_RGB32;
    out->width = size.width();
    out->height = size.height();
    av_frame_get_buffer(out.get(), 32);
    BackgroundScaler scaler;
    if (!BackgroundScaler::Handles(source, out.get()) || !scaler.Scale(source, out.get(), FilmGrain(0), 0))
        return QImage();
    return QImage(out->data[0], size.width(), size.height(), out->linesize[0],
                  QImage::Format_RGB32)
        .copy();
}

QImage throughSwscale(const AVFrame* source, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const SwsContextUPtr sws(sws_getContext(source->width, source->height, AV_PIX_FMT_YUV420P,
                                            size.width(), size.height(), AV_PIX_FMT_RGB32,
                                            SWS_BICUBIC, nullptr, nullptr, nullptr));
    uint8_t* dst[] = {image.bits()};
    const int lines[] = {int(image.bytesPerLine())};
    sws_scale(sws.get(), source->data, source->linesize, 0, source->height, dst, lines);
    return image;
}

} // namespace

class TestBackgroundScaler : public QObject
{
    Q_OBJECT

private slots:
    void looksAsSwscaleDrewIt_data()
    {
        QTest::addColumn<QSize>("from");
        QTest::addColumn<QSize>("to");
        QTest::newRow("at its own size") << QSize(320, 180) << QSize(320, 180);
        QTest::newRow("one and a half times") << QSize(320, 180) << QSize(480, 270);
        QTest::newRow("twice") << QSize(320, 180) << QSize(640, 360);
        QTest::newRow("three times") << QSize(160, 90) << QSize(480, 270);
        QTest::newRow("across only") << QSize(200, 100) << QSize(333, 100);
        QTest::newRow("odd sizes") << QSize(33, 19) << QSize(101, 57);
    }

    void looksAsSwscaleDrewIt()
    {
        QFETCH(QSize, from);
        QFETCH(QSize, to);
        const AVFrameUPtr source = background(from);
        const QImage ours = throughScaler(source.get(), to);
        QVERIFY(!ours.isNull());
        const Difference d = channelDifference(ours, throughSwscale(source.get(), to), 3);
        QVERIFY2(d.most <= 6 && d.mean < 1.0 && d.overShare < 0.02,
                 qPrintable(QString("largest %1, mean %2, share over 3 %3")
                                .arg(d.most).arg(d.mean).arg(d.overShare)));
    }

    void shrinkingIsLeftToSwscale()
    {
        const AVFrameUPtr source = yuvFrame(QSize(64, 36));
        AVFrameUPtr out(av_frame_alloc());
        out->format = AV_PIX_FMT_RGB32;
        out->width = 32;
        out->height = 36;
        QVERIFY(!BackgroundScaler::Handles(source.get(), out.get()));
    }

    void flatStaysFlat()
    {
        const AVFrameUPtr source = yuvFrame(QSize(90, 50));
        for (int plane = 0; plane < 3; ++plane)
            for (int y = 0; y < (plane ? 25 : 50); ++y)
                std::memset(source->data[plane] + y * source->linesize[plane],
                            plane ? 100 + 60 * (plane - 1) : 150, plane ? 45 : 90);
        const QImage ours = throughScaler(source.get(), QSize(271, 151));
        QVERIFY(!ours.isNull());
        const QRgb first = ours.pixel(0, 0);
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x)
                QCOMPARE(ours.pixel(x, y), first);
    }

    // Every width, so that each SIMD step and the tail after it are checked.
    void lineConversionMatchesTheFormula_data()
    {
        QTest::addColumn<int>("width");
        for (int width : {1, 2, 15, 16, 17, 31, 32, 33, 63, 64, 77})
            QTest::newRow(qPrintable(QString::number(width))) << width;
    }

    void lineConversionMatchesTheFormula()
    {
        QFETCH(int, width);
        QRandomGenerator random{quint32(width)};
        const size_t chroma = size_t(width + 1) / 2;
        std::vector<uint8_t> y(static_cast<size_t>(width)), u(chroma), v(chroma);
        for (auto* plane : {&y, &u, &v})
            for (uint8_t& sample : *plane)
                sample = uint8_t(random.bounded(256));
        y[0] = 255, u[0] = 255, v[0] = 0; // saturation at both ends
        std::vector<uint8_t> bgra(size_t(width) * 4);
        yuvLineToBgra(y.data(), u.data(), v.data(), bgra.data(), width);
        for (int x = 0; x < width; ++x) {
            const double l = (y[size_t(x)] - 16) * 255.0 / 219;
            const double cu = (u[size_t(x / 2)] - 128) * 255.0 / 224;
            const double cv = (v[size_t(x / 2)] - 128) * 255.0 / 224;
            const double expected[] = {l + 1.772 * cu, l - 0.344136 * cu - 0.714136 * cv,
                                       l + 1.402 * cv, 255};
            for (int c = 0; c < 4; ++c) {
                const double want = std::clamp(expected[c], 0.0, 255.0);
                const int got = bgra[size_t(4 * x + c)];
                QVERIFY2(std::abs(got - want) <= 1.0,
                         qPrintable(QString("pixel %1 channel %2: %3, not %4")
                                        .arg(x).arg(c).arg(got).arg(want)));
            }
        }
    }
};

QTEST_MAIN(TestBackgroundScaler)
#include "tst_backgroundscaler.moc"
