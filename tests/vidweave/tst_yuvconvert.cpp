#include "drawhelpers.h"

#include "avptr_p.h"
#include "yuvconvert_p.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <vector>

using namespace drawtest;

namespace {

struct Planes
{
    int width;
    int height;
    std::vector<uint8_t> y, u, v;

    Planes(int width, int height)
        : width(width), height(height), y(size_t(width) * height),
          u(size_t((width + 1) / 2) * ((height + 1) / 2)), v(u.size())
    {
    }
    int chromaWidth() const { return (width + 1) / 2; }
    YuvPlanes view()
    {
        return {y.data(), u.data(), v.data(), width, chromaWidth(), chromaWidth()};
    }
};

// The first \a width columns of \a image; the rest pads its lines.
Planes convert(const QImage& image, int width)
{
    Planes out(width, image.height());
    bgraToYuv420(image.constBits(), int(image.bytesPerLine()), width, image.height(), out.view());
    return out;
}

// swscale's way there and back, at the same size.
QImage throughSwscale(const QImage& image, const Planes* ours)
{
    const int w = image.width();
    const int h = image.height();
    Planes planes(w, h);
    if (ours) {
        planes = *ours;
    } else {
        const SwsContextUPtr in(sws_getContext(w, h, AV_PIX_FMT_BGRA, w, h, AV_PIX_FMT_YUV420P,
                                               SWS_BICUBIC, nullptr, nullptr, nullptr));
        const uint8_t* src[] = {image.constBits()};
        const int srcLines[] = {int(image.bytesPerLine())};
        uint8_t* dst[] = {planes.y.data(), planes.u.data(), planes.v.data()};
        const int dstLines[] = {w, planes.chromaWidth(), planes.chromaWidth()};
        sws_scale(in.get(), src, srcLines, 0, h, dst, dstLines);
    }
    QImage back(w, h, QImage::Format_RGB32);
    const SwsContextUPtr out(sws_getContext(w, h, AV_PIX_FMT_YUV420P, w, h, AV_PIX_FMT_BGRA,
                                            SWS_BICUBIC, nullptr, nullptr, nullptr));
    const uint8_t* src[] = {planes.y.data(), planes.u.data(), planes.v.data()};
    const int srcLines[] = {w, planes.chromaWidth(), planes.chromaWidth()};
    uint8_t* dst[] = {back.bits()};
    const int dstLines[] = {int(back.bytesPerLine())};
    sws_scale(out.get(), src, srcLines, 0, h, dst, dstLines);
    return back;
}

QImage noise(QSize size, quint32 seed)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int row = 0; row < size.height(); ++row) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(row));
        for (int col = 0; col < size.width(); ++col)
            line[col] = random.generate() | 0xff000000u;
    }
    // The extremes, where rounding and saturation show.
    image.setPixel(0, 0, qRgb(255, 255, 255));
    image.setPixel(0, size.height() - 1, qRgb(0, 0, 0));
    return image;
}

} // namespace

class TestYuvConvert : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheFormula_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("padding");
        QTest::newRow("full HD") << QSize(1920, 1080) << 0;
        QTest::newRow("odd sizes, padded lines") << QSize(17, 9) << 3;
        QTest::newRow("narrower than a step") << QSize(5, 3) << 0;
        QTest::newRow("one pixel") << QSize(1, 1) << 0;
        QTest::newRow("a step and a tail, padded") << QSize(10, 4) << 6;
    }

    // BT.601 limited range; chroma from each 2x2 block, edges repeated.
    void matchesTheFormula()
    {
        QFETCH(QSize, size);
        QFETCH(int, padding);
        const QImage image = noise(size + QSize(padding, 0), 7);
        const Planes planes = convert(image, size.width());
        const auto rgb = [&](int x, int y) {
            return image.pixel(std::min(x, size.width() - 1), std::min(y, size.height() - 1));
        };
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb p = rgb(x, y);
                const double luma = 16 + (65.481 * qRed(p) + 128.553 * qGreen(p)
                                          + 24.966 * qBlue(p)) / 255;
                const int got = planes.y[size_t(y) * size.width() + x];
                QVERIFY2(std::abs(got - luma) <= 1.0,
                         qPrintable(QString("Y at %1,%2: %3, not %4").arg(x).arg(y).arg(got).arg(luma)));
                if (x % 2 || y % 2)
                    continue;
                double r = 0, g = 0, b = 0;
                for (const QRgb q : {p, rgb(x + 1, y), rgb(x, y + 1), rgb(x + 1, y + 1)})
                    r += qRed(q) / 4.0, g += qGreen(q) / 4.0, b += qBlue(q) / 4.0;
                const double u = 128 + (-37.797 * r - 74.203 * g + 112.0 * b) / 255;
                const double v = 128 + (112.0 * r - 93.786 * g - 18.214 * b) / 255;
                const size_t at = size_t(y / 2) * planes.chromaWidth() + x / 2;
                QVERIFY2(std::abs(planes.u[at] - u) <= 1.0 && std::abs(planes.v[at] - v) <= 1.0,
                         qPrintable(QString("U, V at %1,%2: %3, %4, not %5, %6")
                                        .arg(x).arg(y).arg(planes.u[at]).arg(planes.v[at])
                                        .arg(u).arg(v)));
            }
        }
    }

    // What the encoder receives stays as close to the picture as swscale's
    // conversion: at a hard edge between saturated colours the two differ by
    // up to a dozen levels, but no pixel is further from the picture.
    void asFaithfulAsSwscale()
    {
        QImage image(1280, 720, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient sky(0, 0, 0, 720);
        sky.setColorAt(0, QColor(40, 90, 200));
        sky.setColorAt(1, QColor(250, 190, 120));
        painter.fillRect(image.rect(), sky);
        painter.fillRect(QRect(200, 150, 500, 300), QColor(230, 30, 40));
        painter.fillRect(QRect(701, 151, 301, 299), QColor(20, 200, 60));
        painter.setPen(Qt::white);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 40));
        painter.drawText(QRect(0, 500, 1280, 200), Qt::AlignCenter, QStringLiteral("Golden Hour"));
        painter.end();

        const Planes ours = convert(image, image.width());
        const QImage reference = throughSwscale(image, nullptr);
        const QImage back = throughSwscale(image, &ours);
        const Difference between = channelDifference(back, reference, 8);
        QVERIFY2(between.mean < 0.5, qPrintable(QString("mean difference %1").arg(between.mean)));
        const Difference mine = channelDifference(back, image, 8);
        const Difference theirs = channelDifference(reference, image, 8);
        QVERIFY2(mine.most <= theirs.most && mine.mean <= theirs.mean
                     && mine.overShare <= theirs.overShare,
                 qPrintable(QString("from the picture: largest %1, mean %2, share over 8 %3; "
                                    "swscale: %4, %5, %6")
                                .arg(mine.most).arg(mine.mean).arg(mine.overShare)
                                .arg(theirs.most).arg(theirs.mean).arg(theirs.overShare)));
    }
};

QTEST_MAIN(TestYuvConvert)
#include "tst_yuvconvert.moc"
