#include "vidweave/imagerotate.h"

#include <QtTest>

namespace {

// A 3 x 2 picture whose every pixel differs.
QImage sample(QImage::Format format = QImage::Format_ARGB32)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, qRgba(40 * x + 10, 100 * y + 20, 7 * x + 13 * y, 255));
    return image.convertToFormat(format);
}

// Where source pixel (x, y) of a w x h picture lands for each quarter turn.
QPoint expectedPlace(int degrees, int x, int y, int w, int h)
{
    switch (degrees) {
    case 90:
        return QPoint(h - 1 - y, x);
    case 180:
        return QPoint(w - 1 - x, h - 1 - y);
    case 270:
    case -90:
        return QPoint(y, w - 1 - x);
    default:
        return QPoint(x, y);
    }
}

void verifyTurn(const QImage& source, const QImage& turned, int degrees)
{
    const bool quarter = degrees == 90 || degrees == 270 || degrees == -90;
    const QSize size = quarter ? source.size().transposed() : source.size();
    QCOMPARE(turned.size(), size);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QPoint to = expectedPlace(degrees, x, y, source.width(), source.height());
            QCOMPARE(QColor(turned.pixel(to)), QColor(source.pixel(x, y)));
        }
}

} // namespace

class TestImageRotate : public QObject
{
    Q_OBJECT

private slots:
    void turnsImages_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("format");
        QTest::newRow("0") << 0 << int(QImage::Format_ARGB32);
        QTest::newRow("360") << 360 << int(QImage::Format_ARGB32);
        QTest::newRow("90") << 90 << int(QImage::Format_ARGB32);
        QTest::newRow("180") << 180 << int(QImage::Format_ARGB32);
        QTest::newRow("270") << 270 << int(QImage::Format_ARGB32);
        QTest::newRow("-90") << -90 << int(QImage::Format_ARGB32);
        QTest::newRow("90 rgb32") << 90 << int(QImage::Format_RGB32);
        QTest::newRow("90 from 24-bit") << 90 << int(QImage::Format_RGB888);
        QTest::newRow("270 from 24-bit") << 270 << int(QImage::Format_RGB888);
        QTest::newRow("180 from 16-bit") << 180 << int(QImage::Format_RGB16);
    }
    void turnsImages()
    {
        QFETCH(int, degrees);
        QFETCH(int, format);
        const QImage source = sample(QImage::Format(format));
        const QImage turned = ImageRotate::rotate(degrees, source);
        QVERIFY(!turned.isNull());
        verifyTurn(source, turned, degrees);
    }

    void keepsThirtyTwoBitFormat()
    {
        const QImage source = sample(QImage::Format_RGB32);
        QCOMPARE(ImageRotate::rotate(90, source).format(), QImage::Format_RGB32);
        QCOMPARE(ImageRotate::rotate(180, sample()).format(), QImage::Format_ARGB32);
    }

    void unsupportedAnglesGiveNull_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::newRow("-180") << -180;
        QTest::newRow("45") << 45;
        QTest::newRow("1") << 1;
        QTest::newRow("450") << 450;
    }
    void unsupportedAnglesGiveNull()
    {
        QFETCH(int, degrees);
        QVERIFY(ImageRotate::rotate(degrees, sample()).isNull());
        QVERIFY(ImageRotate::rotate(degrees, QPixmap::fromImage(sample())).isNull());
    }

    void minusNinetyEqualsTwoSeventy()
    {
        QCOMPARE(ImageRotate::rotate(-90, sample()), ImageRotate::rotate(270, sample()));
    }

    void quarterTurnMovesTopLeftToTopRight()
    {
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(Qt::black);
        image.setPixel(0, 0, qRgb(255, 0, 0));
        const QImage turned = ImageRotate::rotate(90, image);
        QCOMPARE(turned.size(), QSize(2, 3));
        QCOMPARE(turned.pixel(1, 0), qRgb(255, 0, 0));
        QCOMPARE(turned.pixel(0, 0), qRgb(0, 0, 0));
    }

    void turnsPixmaps_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::newRow("0") << 0;
        QTest::newRow("90") << 90;
        QTest::newRow("180") << 180;
        QTest::newRow("270") << 270;
        QTest::newRow("-90") << -90;
    }
    void turnsPixmaps()
    {
        QFETCH(int, degrees);
        const QImage source = sample();
        const QPixmap turned = ImageRotate::rotate(degrees, QPixmap::fromImage(source));
        verifyTurn(source, turned.toImage(), degrees);
    }

    void nullImageStaysNull()
    {
        QVERIFY(ImageRotate::rotate(90, QImage()).isNull());
        QVERIFY(ImageRotate::rotate(180, QPixmap()).isNull());
    }
};

QTEST_MAIN(TestImageRotate)
#include "tst_imagerotate.moc"
