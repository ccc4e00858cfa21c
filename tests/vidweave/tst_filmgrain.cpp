// Film grain laid on a background's luma while rendering: as strong as the
// grain the theme tool painted into its videos, the same on every code path,
// new in every frame and without a pattern that repeats.
#include "filmgrain_p.h"

#include <QtTest>

#include <cmath>
#include <vector>

namespace {

struct Plane
{
    int width;
    int height;
    int stride;
    std::vector<uint8_t> samples;

    Plane(int width, int height, uint8_t level, int padding = 0)
        : width(width), height(height), stride(width + padding),
          samples(size_t(stride) * height, level)
    {
    }
    uint8_t at(int x, int y) const { return samples[size_t(y) * stride + x]; }
};

Plane grained(const FilmGrain& grain, int width, int height, uint8_t level, int64_t frame,
              int padding = 0)
{
    Plane plane(width, height, level, padding);
    grain.Apply(plane.samples.data(), plane.stride, plane.samples.data(), plane.stride, width,
                height, frame);
    return plane;
}

// Pearson correlation of the samples of \a a and \a b over the same area,
// \a b read \a dx, \a dy further on.
double correlation(const Plane& a, const Plane& b, int dx, int dy)
{
    double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    int n = 0;
    for (int y = 0; y + dy < a.height; ++y) {
        for (int x = 0; x + dx < a.width; ++x) {
            const double p = a.at(x, y), q = b.at(x + dx, y + dy);
            sa += p, sb += q, saa += p * p, sbb += q * q, sab += p * q;
            ++n;
        }
    }
    const double cov = sab / n - (sa / n) * (sb / n);
    return cov / std::sqrt((saa / n - sa * sa / n / n) * (sbb / n - sb * sb / n / n));
}

} // namespace

class TestFilmGrain : public QObject
{
    Q_OBJECT

private slots:
    // Each pixel mixed with a random grey (luma 16..235) at a random opacity
    // of 0..strength/255, as the painted grain was.
    void meanAndSpreadMatchPaintedGrain_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("level");
        QTest::newRow("8 on black") << 8 << 16;
        QTest::newRow("8 on grey") << 8 << 128;
        QTest::newRow("8 on white") << 8 << 235;
        QTest::newRow("10 on dark") << 10 << 40;
        QTest::newRow("15 on grey") << 15 << 128;
    }

    void meanAndSpreadMatchPaintedGrain()
    {
        QFETCH(int, strength);
        QFETCH(int, level);
        const Plane plane = grained(FilmGrain(strength), 640, 360, uint8_t(level), 3);
        double sum = 0, squares = 0;
        for (uint8_t s : plane.samples)
            sum += s, squares += double(s) * s;
        const double n = double(plane.samples.size());
        const double mean = sum / n;
        const double spread = std::sqrt(squares / n - mean * mean);

        const double s = strength;
        const double meanOpacity = s / 2 / 255;
        const double meanSquareOpacity = s * (2 * s + 1) / 6 / 255 / 255;
        const double greyMean = 16 + 219 / 2.0, greyVariance = 219.0 * 219.0 / 12;
        const double expectedMean = level + meanOpacity * (greyMean - level);
        const double away = greyMean - level;
        const double expectedSpread = std::sqrt(meanSquareOpacity * (greyVariance + away * away)
                                                - meanOpacity * meanOpacity * away * away);
        QVERIFY2(std::abs(mean - expectedMean) < 0.3,
                 qPrintable(QString("mean %1, painted %2").arg(mean).arg(expectedMean)));
        QVERIFY2(std::abs(spread - expectedSpread) < 0.15 * expectedSpread + 0.3,
                 qPrintable(QString("spread %1, painted %2").arg(spread).arg(expectedSpread)));
    }

    void noStrengthLeavesThePicture()
    {
        const FilmGrain none(0);
        QVERIFY(!none.IsActive());
        Plane in(33, 5, 77), out(33, 5, 0);
        none.Apply(in.samples.data(), in.stride, out.samples.data(), out.stride, 33, 5, 0);
        QVERIFY(out.samples == in.samples);
    }

    void strengthAboveTheLargestIsTheLargest()
    {
        const Plane largest = grained(FilmGrain(FilmGrain::MaxStrength), 300, 20, 100, 5);
        QVERIFY(grained(FilmGrain(200), 300, 20, 100, 5).samples == largest.samples);
    }

    // Sixteen samples at a time, and one by one at the ends of runs and lines.
    void everyWidthGetsTheSameGrain_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("padding");
        for (int width : {1, 15, 16, 17, 511, 512, 513, 1279, 1921})
            QTest::newRow(qPrintable(QString("width %1").arg(width))) << width << 0;
        QTest::newRow("padded lines") << 100 << 28;
    }

    void everyWidthGetsTheSameGrain()
    {
        QFETCH(int, width);
        QFETCH(int, padding);
        const FilmGrain grain(8);
        const Plane wide = grained(grain, 2000, 6, 90, 7);
        const Plane narrow = grained(grain, width, 6, 90, 7, padding);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < width; ++x)
                QCOMPARE(int(narrow.at(x, y)), int(wide.at(x, y)));
    }

    void outOfPlaceEqualsInPlace()
    {
        const FilmGrain grain(10);
        Plane in(700, 9, 60), out(700, 9, 0);
        grain.Apply(in.samples.data(), in.stride, out.samples.data(), out.stride, 700, 9, 4);
        QVERIFY(out.samples == grained(grain, 700, 9, 60, 4).samples);
        QVERIFY(in.samples == Plane(700, 9, 60).samples); // the source untouched
    }

    void everyFrameHasNewGrain()
    {
        const FilmGrain grain(8);
        const Plane first = grained(grain, 640, 360, 128, 0);
        QVERIFY(grained(grain, 640, 360, 128, 0).samples == first.samples); // repeatable
        const double r = correlation(first, grained(grain, 640, 360, 128, 1), 0, 0);
        QVERIFY2(std::abs(r) < 0.03, qPrintable(QString("correlation %1").arg(r)));
    }

    // A full HD frame is larger than the tile the specks come from; shifted by
    // any of the tile's periods, the grain must not match itself.
    void grainDoesNotRepeatWithinAFrame_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("one pixel across") << 1 << 0;
        QTest::newRow("one line down") << 0 << 1;
        QTest::newRow("256 across") << 256 << 0;
        QTest::newRow("512 across") << 512 << 0;
        QTest::newRow("1024 across") << 1024 << 0;
        QTest::newRow("256 down") << 0 << 256;
        QTest::newRow("512 down") << 0 << 512;
        QTest::newRow("512 across, 256 down") << 512 << 256;
    }

    void grainDoesNotRepeatWithinAFrame()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        const Plane frame = grained(FilmGrain(8), 1920, 1080, 128, 11);
        QVERIFY(correlation(frame, frame, 0, 0) > 0.999);
        const double r = correlation(frame, frame, dx, dy);
        QVERIFY2(std::abs(r) < 0.03, qPrintable(QString("correlation %1").arg(r)));
    }
};

QTEST_APPLESS_MAIN(TestFilmGrain)
#include "tst_filmgrain.moc"
