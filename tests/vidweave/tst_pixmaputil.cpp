#include "vidweave/pixmaputil.h"

#include "drawhelpers.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

#include <memory>

namespace {

QPixmap solid(int w, int h, QColor c)
{
    QPixmap pixmap(w, h);
    pixmap.fill(c);
    return pixmap;
}

QFont testFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(12);
    return font;
}

// The box getTextPixmap draws into, for factors 0.96.
QRect textBox(int w, int h)
{
    QRect box(0, 0, w, h);
    const QPoint centre = box.center();
    box.setWidth(int(float(w) * 0.96f));
    box.setHeight(int(float(h) * 0.96f));
    box.moveCenter(centre);
    return box;
}

// Bounding rectangle of the pixels that are not fully transparent.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

float shrinkStep(float size)
{
    return float(double(size) * 0.9);
}

// True when \a size is box height after some number of 0.9 steps.
bool onShrinkSequence(float size, float start)
{
    for (float s = start; s >= size; s = shrinkStep(s))
        if (s == size)
            return true;
    return false;
}

} // namespace

Q_DECLARE_METATYPE(QMargins)

class TestPixmapUtil : public QObject
{
    Q_OBJECT

private slots:
    void shadowMargins_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<float>("offsetX");
        QTest::addColumn<float>("offsetY");
        QTest::addColumn<float>("blur");
        QTest::addColumn<QMargins>("margins"); // left, top, right, bottom

        QTest::newRow("unit 0") << 0 << 2.0f << 3.0f << 4.0f << QMargins(0, 0, 0, 0);
        QTest::newRow("blur only") << 4 << 0.0f << 0.0f << 1.5f << QMargins(6, 6, 6, 6);
        QTest::newRow("blur ceiling") << 3 << 0.0f << 0.0f << 0.5f << QMargins(2, 2, 2, 2);
        QTest::newRow("x offset beyond blur")
            << 2 << 3.0f << 0.0f << 1.0f << QMargins(0, 2, 8, 2);
        QTest::newRow("negative y offset")
            << 3 << 0.0f << -2.0f << 1.0f << QMargins(3, 9, 3, 0);
        QTest::newRow("offset ceiling") << 3 << 0.4f << 0.4f << 1.0f << QMargins(1, 1, 5, 5);
        QTest::newRow("no blur, offset") << 5 << 1.0f << 1.0f << 0.0f << QMargins(0, 0, 5, 5);
    }
    void shadowMargins()
    {
        QFETCH(int, unit);
        QFETCH(float, offsetX);
        QFETCH(float, offsetY);
        QFETCH(float, blur);
        QFETCH(QMargins, margins);

        QPixmap picture = solid(20, 10, Qt::red);
        QPolygonF quad;
        const QPixmap result =
            PixmapUtil::AddShadow(picture, drawtest::shadow(offsetX, offsetY, blur), unit, quad);
        QCOMPARE(result.size(),
                 QSize(20 + margins.left() + margins.right(), 10 + margins.top() + margins.bottom()));
        const QPolygonF expected({QPointF(margins.left(), margins.top()),
                                  QPointF(20 + margins.left(), margins.top()),
                                  QPointF(20 + margins.left(), 10 + margins.top()),
                                  QPointF(margins.left(), 10 + margins.top())});
        QCOMPARE(quad, expected);
        // The picture itself is drawn unchanged at its corner.
        const QImage image = result.toImage();
        QCOMPARE(image.pixel(margins.left() + 10, margins.top() + 5), qRgb(255, 0, 0));

        QCOMPARE(PixmapUtil::AddShadow(picture, drawtest::shadow(offsetX, offsetY, blur), unit)
                     .size(),
                 result.size());
    }

    void cornersAreAppended()
    {
        QPixmap picture = solid(8, 4, Qt::green);
        QPolygonF quad({QPointF(-1, -1)});
        PixmapUtil::AddShadow(picture, drawtest::shadow(0, 0, 1), 2, quad);
        QCOMPARE(quad.size(), 5);
        QCOMPARE(quad.at(0), QPointF(-1, -1));
        QCOMPARE(quad.at(1), QPointF(2, 2));
        QCOMPARE(quad.at(3), QPointF(10, 6));
    }

    void shadowIsDrawnWhereItFalls()
    {
        QPixmap picture = solid(20, 20, Qt::white);
        QPolygonF quad;
        const QImage result =
            PixmapUtil::AddShadow(picture, drawtest::shadow(1, 1, 0, QColor(0, 0, 255)), 6, quad)
                .toImage();
        QCOMPARE(result.size(), QSize(26, 26));
        // Beside the picture, where the offset shadow falls: the shadow's colour.
        const QRgb shadowPixel = result.pixel(23, 15);
        QVERIFY(qAlpha(shadowPixel) > 200);
        QVERIFY(qBlue(shadowPixel) > 200 && qRed(shadowPixel) < 50);
        // The corner the offset leaves free stays transparent.
        QCOMPARE(qAlpha(result.pixel(23, 2)), 0);
        QCOMPARE(result.pixel(10, 10), qRgb(255, 255, 255));
    }

    void emptyTextKeepsFirstSize()
    {
        float size = -1;
        std::unique_ptr<QPixmap> pixmap(PixmapUtil::getTextPixmap(
            200, 100, QString(), testFont(), Qt::white, 0.96f, 0.96f, size));
        QCOMPARE(pixmap->size(), QSize(200, 100));
        QCOMPARE(size, float(textBox(200, 100).height()));
        QVERIFY(inkBounds(pixmap->toImage()).isNull());
    }

    void textFitsItsBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("one word") << QStringLiteral("Hello") << 320 << 180;
        QTest::newRow("sentence") << QStringLiteral("A long summer by the sea with friends")
                                  << 320 << 180;
        QTest::newRow("two lines") << QStringLiteral("First line\nSecond line") << 400 << 120;
        QTest::newRow("tall frame") << QStringLiteral("Wrap me into a narrow column please")
                                    << 90 << 300;
    }
    void textFitsItsBox()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(int, height);
        float size = 0;
        std::unique_ptr<QPixmap> pixmap(PixmapUtil::getTextPixmap(
            width, height, text, testFont(), Qt::white, 0.96f, 0.96f, size));
        const QRect box = textBox(width, height);
        QVERIFY(size >= 3.0f);
        QVERIFY(size < float(box.height()));
        QVERIFY(onShrinkSequence(size, float(box.height())));

        QFont font = testFont();
        font.setPointSize(int(size));
        QPainter painter(pixmap.get());
        painter.setFont(font);
        const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextDontClip | Qt::TextWordWrap;
        const QRect measured = painter.fontMetrics().boundingRect(box, flags, text);
        QVERIFY(measured.width() <= box.width() && measured.height() <= box.height());
        // One step larger would not have fitted.
        font.setPointSize(int(size / 0.9f + 0.01f));
        painter.setFont(font);
        const QRect larger = painter.fontMetrics().boundingRect(box, flags, text);
        QVERIFY(larger.width() > box.width() || larger.height() > box.height());
        painter.end();

        const QRect ink = inkBounds(pixmap->toImage());
        QVERIFY(!ink.isNull());
        QVERIFY2(box.contains(ink), qPrintable(QStringLiteral("ink outside the box")));
    }

    void longerTextsShrink()
    {
        float shortSize = 0;
        float longSize = 0;
        std::unique_ptr<QPixmap> a(PixmapUtil::getTextPixmap(
            320, 180, QStringLiteral("Sea"), testFont(), Qt::white, 0.96f, 0.96f, shortSize));
        std::unique_ptr<QPixmap> b(PixmapUtil::getTextPixmap(
            320, 180, QStringLiteral("Sea ").repeated(30), testFont(), Qt::white, 0.96f, 0.96f,
            longSize));
        QVERIFY(longSize < shortSize);
    }

    void givesUpBelowThreePoints()
    {
        float size = 0;
        const QString text = QStringLiteral("word ").repeated(2000);
        std::unique_ptr<QPixmap> pixmap(PixmapUtil::getTextPixmap(
            120, 60, text, testFont(), Qt::white, 0.96f, 0.96f, size));
        QVERIFY(size < 3.0f);
        QVERIFY(size / 0.9f >= 3.0f);
        QVERIFY(onShrinkSequence(size, float(textBox(120, 60).height())));
        QVERIFY(!inkBounds(pixmap->toImage()).isNull());
    }

    void textIsDrawnInItsColour()
    {
        float size = 0;
        std::unique_ptr<QPixmap> pixmap(PixmapUtil::getTextPixmap(
            200, 100, QStringLiteral("IIII"), testFont(), QColor(0, 200, 0), 0.96f, 0.96f,
            size));
        const QImage image = pixmap->toImage().convertToFormat(QImage::Format_ARGB32);
        int solidGreen = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) == 255) {
                    QCOMPARE(qRed(p), 0);
                    QCOMPARE(qGreen(p), 200);
                    ++solidGreen;
                }
            }
        QVERIFY(solidGreen > 100);
    }
};

QTEST_MAIN(TestPixmapUtil)
#include "tst_pixmaputil.moc"
