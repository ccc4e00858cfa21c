#include "vidweave/qtimagerender.h"

#include "drawhelpers.h"

#include "common/imgmediavalbase.h"

#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace drawtest;

namespace {

const QRgb black = qRgb(0, 0, 0);
const QRgb red = qRgb(255, 0, 0);

QImage blackFrame(int w = 100, int h = 100)
{
    QImage frame(w, h, QImage::Format_RGB888);
    frame.fill(Qt::black);
    return frame;
}

QPixmap solid(int w, int h, QColor c)
{
    QPixmap pixmap(w, h);
    pixmap.fill(c);
    return pixmap;
}

// A slot covering 20..80 % of a square frame at frame 0.
SlotSpec centreSlot(float aspect = 1.0f)
{
    SlotSpec spec;
    spec.transforms[0] = quad(QRectF(QPointF(0.2, 0.2), QPointF(0.8, 0.8)));
    spec.aspect = aspect;
    return spec;
}

// Pixels whose centres lie at least 1.5 px inside \a r are \a inside; those
// at least 1.5 px outside it (within \a frame) are \a outside.
void verifyRect(const QImage& frame, const QRectF& r, QRgb inside, QRgb outside)
{
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const QPointF c(x + 0.5, y + 0.5);
            const QRgb p = frame.pixel(x, y);
            if (r.adjusted(1.5, 1.5, -1.5, -1.5).contains(c)) {
                QVERIFY2(p == inside, qPrintable(QStringLiteral("inside at %1,%2: %3")
                                                     .arg(x).arg(y).arg(p, 0, 16)));
            } else if (!r.adjusted(-1.5, -1.5, 1.5, 1.5).contains(c)) {
                QVERIFY2(p == outside, qPrintable(QStringLiteral("outside at %1,%2: %3")
                                                      .arg(x).arg(y).arg(p, 0, 16)));
            }
        }
}

// A picture with soft gradients and a few hard-edged blocks, like a photo.
QImage photoLike(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb(255 * x / w, 255 * y / h, (x + y) * 255 / (w + h));
    }
    QPainter painter(&image);
    painter.fillRect(QRect(w / 10, h / 10, w / 5, h / 4), QColor(250, 240, 20));
    painter.fillRect(QRect(w / 2, h / 2, w / 3, h / 3), QColor(20, 30, 200));
    return image;
}

} // namespace

class TestQtImageRender : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void solidPictureFillsItsQuad()
    {
        ImgMediaBase slot = makeSlot(centreSlot());
        QPixmap picture = solid(30, 30, Qt::red);
        const QtImageRender render(&slot, picture, 100, 100);
        QVERIFY(!render.IsWider());
        QCOMPARE(render.GetFitShift(), 0.0f);
        QImage frame = blackFrame();
        render.Render(0, &frame);
        verifyRect(frame, QRectF(20, 20, 60, 60), red, black);
        // Near each corner, just inside and just outside.
        QCOMPARE(frame.pixel(21, 21), red);
        QCOMPARE(frame.pixel(78, 21), red);
        QCOMPARE(frame.pixel(78, 78), red);
        QCOMPARE(frame.pixel(21, 78), red);
        QCOMPARE(frame.pixel(18, 18), black);
        QCOMPARE(frame.pixel(81, 18), black);
        QCOMPARE(frame.pixel(81, 81), black);
        QCOMPARE(frame.pixel(18, 81), black);
    }

    // Parallelograms take an affine fast path; other quads keep their perspective.
    void quadsThatAreNotRectangles_data()
    {
        QTest::addColumn<QPolygonF>("corners");
        QTest::addColumn<QList<QPoint>>("redAt");
        QTest::addColumn<QList<QPoint>>("blackAt");
        QTest::newRow("diamond")
            << QPolygonF(QVector<QPointF>{{0.5, 0.1}, {0.9, 0.5}, {0.5, 0.9}, {0.1, 0.5}})
            << QList<QPoint>{{50, 50}, {50, 15}, {85, 50}}
            << QList<QPoint>{{15, 15}, {85, 85}, {50, 5}};
        QTest::newRow("trapezoid, narrow at the top")
            << QPolygonF(QVector<QPointF>{{0.4, 0.1}, {0.6, 0.1}, {0.9, 0.9}, {0.1, 0.9}})
            << QList<QPoint>{{50, 15}, {15, 85}, {85, 85}} << QList<QPoint>{{30, 15}};
    }

    void quadsThatAreNotRectangles()
    {
        QFETCH(QPolygonF, corners);
        QFETCH(QList<QPoint>, redAt);
        QFETCH(QList<QPoint>, blackAt);
        SlotSpec spec;
        IMedia::transformation_t t;
        t.x0 = float(corners[0].x()), t.y0 = float(corners[0].y());
        t.x1 = float(corners[1].x()), t.y1 = float(corners[1].y());
        t.x2 = float(corners[2].x()), t.y2 = float(corners[2].y());
        t.x3 = float(corners[3].x()), t.y3 = float(corners[3].y());
        t.opacity = 1;
        spec.transforms[3] = t;
        ImgMediaBase slot = makeSlot(spec);
        QPixmap picture = solid(10, 10, Qt::red);
        const QtImageRender render(&slot, picture, 100, 100);
        QImage frame = blackFrame();
        render.Render(3, &frame);
        for (const QPoint& at : redAt)
            QCOMPARE(frame.pixel(at), red);
        for (const QPoint& at : blackAt)
            QCOMPARE(frame.pixel(at), black);
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("vPosition");
        QTest::addColumn<int>("hPosition");
        QTest::addColumn<QRectF>("expected");

        // 3:2 picture in a square slot: a sixth of the height comes off each
        // side when centred, leaving a 3:2 quad.
        QTest::newRow("wide, VCenter") << QSize(30, 20) << 0 << 0 << QRectF(20, 30, 60, 40);
        QTest::newRow("wide, Top") << QSize(30, 20) << 1 << 0 << QRectF(20, 20, 60, 40);
        QTest::newRow("wide, Bottom") << QSize(30, 20) << 2 << 0 << QRectF(20, 40, 60, 40);
        QTest::newRow("wide, other value") << QSize(30, 20) << 7 << 0 << QRectF(20, 20, 60, 60);
        QTest::newRow("wide ignores HPosition")
            << QSize(30, 20) << 0 << 1 << QRectF(20, 30, 60, 40);
        // 2:3 picture: a sixth of the width comes off each side when centred.
        QTest::newRow("narrow, HCenter") << QSize(20, 30) << 0 << 0 << QRectF(30, 20, 40, 60);
        QTest::newRow("narrow, Left") << QSize(20, 30) << 0 << 1 << QRectF(20, 20, 40, 60);
        QTest::newRow("narrow, Right") << QSize(20, 30) << 0 << 2 << QRectF(40, 20, 40, 60);
        QTest::newRow("narrow, other value")
            << QSize(20, 30) << 0 << -1 << QRectF(20, 20, 60, 60);
        QTest::newRow("narrow ignores VPosition")
            << QSize(20, 30) << 2 << 0 << QRectF(30, 20, 40, 60);
    }
    void placement()
    {
        QFETCH(QSize, picture);
        QFETCH(int, vPosition);
        QFETCH(int, hPosition);
        QFETCH(QRectF, expected);

        SlotSpec spec = centreSlot();
        spec.vPosition = vPosition;
        spec.hPosition = hPosition;
        ImgMediaBase slot = makeSlot(spec);
        QPixmap pixmap = solid(picture.width(), picture.height(), Qt::red);
        const QtImageRender render(&slot, pixmap, 100, 100);
        QImage frame = blackFrame();
        render.Render(0, &frame);
        verifyRect(frame, expected, red, black);
    }

    void fitShiftValues_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<float>("aspect");
        QTest::addColumn<bool>("wider");
        QTest::addColumn<float>("fitShift");
        QTest::newRow("same aspect") << QSize(40, 20) << 2.0f << false << 0.0f;
        QTest::newRow("twice as wide") << QSize(40, 20) << 1.0f << true << 0.25f;
        QTest::newRow("portrait in landscape") << QSize(20, 40) << 2.0f << false << 0.375f;
    }
    void fitShiftValues()
    {
        QFETCH(QSize, picture);
        QFETCH(float, aspect);
        QFETCH(bool, wider);
        QFETCH(float, fitShift);
        ImgMediaBase slot = makeSlot(centreSlot(aspect));
        QPixmap pixmap = solid(picture.width(), picture.height(), Qt::red);
        const QtImageRender render(&slot, pixmap, 100, 100);
        QCOMPARE(render.IsWider(), wider);
        QCOMPARE(render.GetFitShift(), fitShift);
    }

    void pictureKeepsItsShape_data()
    {
        QTest::addColumn<double>("pictureAspect");
        QTest::addColumn<float>("slotAspect");
        QTest::addColumn<float>("border");
        for (float slotAspect : {1.2f, 1.78f})
            for (float border : {0.0f, 0.04f})
                for (double aspect : {0.33, 0.75, 1.0, 1.5, 2.0, 2.5, 3.0, 5.0})
                    QTest::addRow("picture %.2f, slot %.2f, border %.2f", aspect,
                                  double(slotAspect), double(border))
                        << aspect << slotAspect << border;
    }
    // Red over blue with a white circle: the circle stays round and red on top.
    void pictureKeepsItsShape()
    {
        QFETCH(double, pictureAspect);
        QFETCH(float, slotAspect);
        QFETCH(float, border);
        const int h = 400;
        const int w = qRound(h * pictureAspect);
        QPixmap picture(w, h);
        picture.fill(Qt::red);
        {
            QPainter painter(&picture);
            painter.fillRect(0, h / 2, w, h - h / 2, Qt::blue);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            const double d = 0.8 * std::min(w, h);
            painter.drawEllipse(QPointF(w / 2.0, h / 2.0), d / 2, d / 2);
        }
        SlotSpec spec;
        const double quadHeight = 0.9 / slotAspect;
        spec.transforms[0] = quad(QRectF(0.05, 0.5 - quadHeight / 2, 0.9, quadHeight));
        spec.aspect = slotAspect;
        spec.borderWidth = border;
        spec.borderColour = colour(Qt::green);
        ImgMediaBase slot = makeSlot(spec);
        const QtImageRender render(&slot, picture, 1000, 1000);
        QImage frame = blackFrame(1000, 1000);
        render.Render(0, &frame);

        auto white = [](QRgb p) { return qRed(p) >= 128 && qGreen(p) >= 128 && qBlue(p) >= 128; };
        QRect circle;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                if (white(frame.pixel(x, y)))
                    circle |= QRect(x, y, 1, 1);
        QVERIFY2(circle.width() > 50, qPrintable(QString::number(circle.width())));
        const double ratio = double(circle.width()) / circle.height();
        QVERIFY2(qAbs(ratio - 1.0) < 0.02, qPrintable(QStringLiteral("circle %1x%2")
                                                           .arg(circle.width())
                                                           .arg(circle.height())));
        // Down the middle column the first picture colour met is red, then blue.
        QString order;
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb p = frame.pixel(500, y);
            const QChar c = qRed(p) > 200 && qBlue(p) < 50   ? 'r'
                            : qBlue(p) > 200 && qRed(p) < 50 ? 'b'
                                                             : QChar();
            if (!c.isNull() && !order.endsWith(c))
                order += c;
        }
        QCOMPARE(order, QStringLiteral("rb"));
    }

    void opacity_data()
    {
        QTest::addColumn<float>("opacity");
        QTest::addColumn<int>("expectedRed");
        QTest::newRow("1.0") << 1.0f << 255;
        QTest::newRow("0.99") << 0.99f << 255;
        QTest::newRow("0.5") << 0.5f << 128;
        QTest::newRow("0.25") << 0.25f << 64;
        QTest::newRow("0") << 0.0f << 0;
    }
    void opacity()
    {
        QFETCH(float, opacity);
        QFETCH(int, expectedRed);
        SlotSpec spec;
        spec.transforms[5] = quad(QRectF(QPointF(0.2, 0.2), QPointF(0.8, 0.8)), opacity);
        ImgMediaBase slot = makeSlot(spec);
        QPixmap picture = solid(30, 30, Qt::red);
        const QtImageRender render(&slot, picture, 100, 100);
        QImage frame = blackFrame();
        render.Render(5, &frame);
        QVERIFY(qAbs(qRed(frame.pixel(50, 50)) - expectedRed) <= 1);
        QCOMPARE(qGreen(frame.pixel(50, 50)), 0);
        QCOMPARE(frame.pixel(5, 5), black);
    }

    void missingKeyFrameDrawsNothing()
    {
        ImgMediaBase slot = makeSlot(centreSlot());
        QPixmap picture = solid(30, 30, Qt::red);
        const QtImageRender render(&slot, picture, 100, 100);
        QImage frame = blackFrame();
        render.Render(1, &frame);
        render.Render(-1, &frame);
        QCOMPARE(frame, blackFrame());
    }

    void borderBands_data()
    {
        QTest::addColumn<float>("borderWidth");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("border");
        QTest::newRow("none") << 0.0f << QSize(20, 10) << 0;
        QTest::newRow("wide picture: width is the reference") << 0.1f << QSize(20, 10) << 2;
        QTest::newRow("tall picture: height is the reference") << 0.1f << QSize(10, 30) << 3;
        QTest::newRow("truncated") << 0.19f << QSize(20, 10) << 3;
        QTest::newRow("negative width draws no border") << -0.1f << QSize(20, 10) << 0;
    }
    void borderBands()
    {
        QFETCH(float, borderWidth);
        QFETCH(QSize, picture);
        QFETCH(int, border);
        SlotSpec spec = centreSlot(1.0f);
        spec.borderWidth = borderWidth;
        spec.borderColour = colour(QColor(10, 200, 30));
        spec.shadow = shadow(1, 1, 1); // scaled by the border: none without one
        ImgMediaBase slot = makeSlot(spec);
        QPixmap pixmap = solid(picture.width(), picture.height(), Qt::blue);
        const QtImageRender render(&slot, pixmap, 1000, 1000);

        const QSize framed = picture + QSize(2 * border, 2 * border);
        const int margin = 2 * border; // blur and offset both of one border
        QCOMPARE(render.GetPixmap().size(), framed + QSize(margin, margin));
        QCOMPARE(render.GetImageQuad(),
                 QPolygonF({QPointF(0, 0), QPointF(framed.width(), 0),
                            QPointF(framed.width(), framed.height()),
                            QPointF(0, framed.height())}));
        const QImage image = render.GetPixmap().toImage();
        const QRgb band = qRgb(10, 200, 30);
        const QRgb blue = qRgb(0, 0, 255);
        for (int y = 0; y < framed.height(); ++y)
            for (int x = 0; x < framed.width(); ++x) {
                const bool inBand = x < border || y < border || x >= framed.width() - border
                                    || y >= framed.height() - border;
                QCOMPARE(image.pixel(x, y), inBand ? band : blue);
            }
    }

    void shadowMarginsFollowTheBorder()
    {
        SlotSpec spec = centreSlot(1.0f);
        spec.borderWidth = 0.1f; // 4 px on a 40 px wide picture
        spec.shadow = shadow(0.5f, -0.25f, 1.0f, QColor(0, 0, 0, 255));
        ImgMediaBase slot = makeSlot(spec);
        QPixmap pixmap = solid(40, 20, Qt::blue);
        const QtImageRender render(&slot, pixmap, 1000, 1000);
        // Blur 4, offset (2, -1): left 2, right 6, top 5, bottom 3.
        QCOMPARE(render.GetPixmap().size(), QSize(48 + 8, 28 + 8));
        QCOMPARE(render.GetImageQuad().first(), QPointF(2, 5));
        QCOMPARE(render.GetImageQuad().at(2), QPointF(50, 33));
    }

    void shadowFallsOutsideTheQuad()
    {
        SlotSpec spec;
        spec.transforms[0] = quad(QRectF(QPointF(0.25, 0.25), QPointF(0.75, 0.75)));
        spec.aspect = 2.0f;
        spec.borderWidth = 0.1f;
        spec.borderColour = colour(QColor(0, 255, 0));
        spec.shadow = shadow(1.0f, 0.0f, 0.0f, QColor(0, 0, 0, 255));
        ImgMediaBase slot = makeSlot(spec);
        QPixmap pixmap = solid(40, 20, Qt::blue); // reference height: border 2
        const QtImageRender render(&slot, pixmap, 200, 100);
        QCOMPARE(render.GetPixmap().size(), QSize(44 + 2, 24));
        QImage frame(200, 100, QImage::Format_RGB888);
        frame.fill(Qt::white);
        render.Render(0, &frame);
        QCOMPARE(frame.pixel(100, 50), qRgb(0, 0, 255));
        // 44:24 is narrower than 2:1: the quad is x 54.2..145.8, and the
        // shadow's 2 px margin maps to the next 4.2 px on the right.
        QCOMPARE(frame.pixel(56, 50), qRgb(0, 255, 0));
        QCOMPARE(frame.pixel(143, 50), qRgb(0, 255, 0));
        QCOMPARE(frame.pixel(60, 50), qRgb(0, 0, 255));
        QCOMPARE(frame.pixel(140, 50), qRgb(0, 0, 255));
        QCOMPARE(frame.pixel(148, 50), qRgb(0, 0, 0));
        QCOMPARE(frame.pixel(152, 50), qRgb(255, 255, 255));
        QCOMPARE(frame.pixel(52, 50), qRgb(255, 255, 255));
    }

    void downScalesToTheSlotMaximum_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<float>("maxWidth");
        QTest::addColumn<float>("maxHeight");
        QTest::addColumn<QSize>("prepared");
        QTest::newRow("width limits") << QSize(400, 200) << 0.5f << 0.5f << QSize(50, 25);
        QTest::newRow("height limits") << QSize(200, 400) << 0.5f << 0.5f << QSize(25, 50);
        QTest::newRow("fits, kept") << QSize(40, 20) << 0.5f << 0.5f << QSize(40, 20);
        QTest::newRow("zero maximum draws nothing") << QSize(40, 20) << 0.0f << 0.5f << QSize(0, 0);
    }
    void downScalesToTheSlotMaximum()
    {
        QFETCH(QSize, picture);
        QFETCH(float, maxWidth);
        QFETCH(float, maxHeight);
        QFETCH(QSize, prepared);
        SlotSpec spec = centreSlot(picture.width() / float(picture.height()));
        spec.maxWidth = maxWidth;
        spec.maxHeight = maxHeight;
        ImgMediaBase slot = makeSlot(spec);
        QPixmap pixmap = solid(picture.width(), picture.height(), Qt::red);
        const QtImageRender render(&slot, pixmap, 100, 100);
        QCOMPARE(render.GetPixmap().size(), prepared);
        QImage frame = blackFrame();
        render.Render(0, &frame);
        QCOMPARE(frame.pixel(50, 50), prepared.isEmpty() ? black : red);
    }

    void rotationOfAValue_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("topLeftLandsAt");
        QTest::newRow("0") << 0 << QSize(3, 2) << QPoint(0, 0);
        QTest::newRow("4") << 4 << QSize(3, 2) << QPoint(0, 0);
        QTest::newRow("-4") << -4 << QSize(3, 2) << QPoint(0, 0);
        QTest::newRow("1") << 1 << QSize(2, 3) << QPoint(1, 0);
        QTest::newRow("2") << 2 << QSize(3, 2) << QPoint(2, 1);
        QTest::newRow("3") << 3 << QSize(2, 3) << QPoint(0, 2);
        QTest::newRow("-1") << -1 << QSize(2, 3) << QPoint(0, 2);
        QTest::newRow("5") << 5 << QSize(2, 3) << QPoint(1, 0);
    }
    void rotationOfAValue()
    {
        QFETCH(int, rotation);
        QFETCH(QSize, size);
        QFETCH(QPoint, topLeftLandsAt);
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(Qt::black);
        picture.setPixel(0, 0, red);
        const QString path = dir.filePath(QStringLiteral("turn.png"));
        QVERIFY(picture.save(path));
        ImgMediaValBase value(path.toStdWString(), rotation);
        ImgMediaBase slot = makeSlot(centreSlot());
        const QtImageRender render(&slot, &value, 100, 100);
        const QImage prepared = render.GetPixmap().toImage();
        QCOMPARE(prepared.size(), size);
        QCOMPARE(prepared.pixel(topLeftLandsAt), red);
    }

    // Stored 60 x 40, left half red and right half blue.
    void exifOrientationIsApplied_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("redAt");
        QTest::addColumn<QPoint>("blueAt");
        QTest::newRow("none") << 1 << 0 << QSize(60, 40) << QPoint(10, 20) << QPoint(50, 20);
        QTest::newRow("upside down") << 3 << 0 << QSize(60, 40) << QPoint(50, 20)
                                     << QPoint(10, 20);
        QTest::newRow("turned right") << 6 << 0 << QSize(40, 60) << QPoint(20, 10)
                                      << QPoint(20, 50);
        QTest::newRow("turned left") << 8 << 0 << QSize(40, 60) << QPoint(20, 50)
                                     << QPoint(20, 10);
        QTest::newRow("turned right, then user turn")
            << 6 << 1 << QSize(60, 40) << QPoint(50, 20) << QPoint(10, 20);
    }
    void exifOrientationIsApplied()
    {
        QFETCH(int, orientation);
        QFETCH(int, rotation);
        QFETCH(QSize, size);
        QFETCH(QPoint, redAt);
        QFETCH(QPoint, blueAt);
        QImage stored(60, 40, QImage::Format_RGB32);
        stored.fill(Qt::blue);
        QPainter(&stored).fillRect(0, 0, 30, 40, Qt::red);
        const QString path = dir.filePath(QStringLiteral("exif%1.jpg").arg(orientation));
        QVERIFY(writeFile(path, jpegWithOrientation(stored, orientation)));

        ImgMediaValBase value(path.toStdWString(), rotation);
        ImgMediaBase slot = makeSlot(centreSlot());
        const QtImageRender render(&slot, &value, 100, 100);
        const QImage prepared = render.GetPixmap().toImage();
        QCOMPARE(prepared.size(), size);
        QVERIFY(qRed(prepared.pixel(redAt)) > 200 && qBlue(prepared.pixel(redAt)) < 60);
        QVERIFY(qBlue(prepared.pixel(blueAt)) > 200 && qRed(prepared.pixel(blueAt)) < 60);
    }

    void unreadablePictureDrawsNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QStringLiteral("missing.jpg") << QByteArray();
        QTest::newRow("garbage") << QStringLiteral("garbage.jpg")
                                 << QByteArray("\xFF\xD8 not a picture at all", 24);
        QTest::newRow("empty") << QStringLiteral("empty.png") << QByteArray("");
    }
    void unreadablePictureDrawsNothing()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        const QString path = dir.filePath(file);
        if (!content.isNull())
            QVERIFY(writeFile(path, content));
        ImgMediaValBase value(path.toStdWString(), 1);
        ImgMediaBase slot = makeSlot(centreSlot());
        const QtImageRender render(&slot, &value, 100, 100);
        QVERIFY(render.GetPixmap().isNull());
        QImage frame = blackFrame();
        render.Render(0, &frame);
        QCOMPARE(frame, blackFrame());
    }

    void nullValueDrawsNothing()
    {
        ImgMediaBase slot = makeSlot(centreSlot());
        const QtImageRender render(&slot, static_cast<IImgMediaVal*>(nullptr), 100, 100);
        QImage frame = blackFrame();
        render.Render(0, &frame);
        QCOMPARE(frame, blackFrame());
    }

    // A large JPEG is decoded smaller when the preparation would shrink it
    // anyway; the prepared picture must match the one from a full decode.
    void scaledDecodeMatchesFullDecode_data()
    {
        QTest::addColumn<float>("borderWidth");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<float>("maxSide");
        QTest::newRow("plain") << 0.0f << 0 << 1 << 0.5f;
        QTest::newRow("border and shadow") << 0.02f << 0 << 1 << 0.5f;
        QTest::newRow("uneven border") << 0.0137f << 0 << 1 << 0.5f;
        QTest::newRow("user turn") << 0.02f << 1 << 1 << 0.5f;
        QTest::newRow("exif turn") << 0.0f << 0 << 6 << 0.5f;
        QTest::newRow("exif and user turn") << 0.01f << 3 << 8 << 0.5f;
        QTest::newRow("large slot") << 0.0f << 0 << 1 << 1.0f;
    }
    void scaledDecodeMatchesFullDecode()
    {
        QFETCH(float, borderWidth);
        QFETCH(int, rotation);
        QFETCH(int, orientation);
        QFETCH(float, maxSide);
        const QString path = dir.filePath(QStringLiteral("photo%1.jpg").arg(orientation));
        if (!QFile::exists(path))
            QVERIFY(writeFile(path, jpegWithOrientation(photoLike(3000, 2000), orientation, 92)));

        SlotSpec spec = centreSlot(1.5f);
        spec.borderWidth = borderWidth;
        spec.borderColour = colour(Qt::white);
        spec.shadow = shadow(0.5f, 0.5f, 1.0f, QColor(0, 0, 0, 160));
        spec.maxWidth = maxSide;
        spec.maxHeight = maxSide;
        ImgMediaBase slot = makeSlot(spec);
        ImgMediaValBase value(path.toStdWString(), rotation);

        const QImage loaded = QtImageRender::LoadPicture(&slot, &value, 640, 360);
        QVERIFY(loaded.width() * loaded.height() < 3000 * 2000 / 3); // decoded smaller

        QImageReader reader(path);
        reader.setAutoTransform(true);
        QPixmap full = QPixmap::fromImage(reader.read());
        QVERIFY(!full.isNull());
        const int turns = ((rotation % 4) + 4) % 4;
        if (turns)
            full = QPixmap::fromImage(full.toImage().transformed(QTransform().rotate(90 * turns)));
        const QtImageRender expected(&slot, full, 640, 360);
        const QtImageRender actual(&slot, &value, 640, 360);

        QCOMPARE(actual.GetPixmap().size(), expected.GetPixmap().size());
        QCOMPARE(actual.GetImageQuad(), expected.GetImageQuad());
        QCOMPARE(actual.IsWider(), expected.IsWider());
        // A border rounded to whole pixels at either size moves the aspect a little.
        QVERIFY(qAbs(actual.GetFitShift() - expected.GetFitShift()) < 1e-3f);
        const Difference d = channelDifference(actual.GetPixmap().toImage(),
                                               expected.GetPixmap().toImage(), 16);
        qInfo("channels: largest difference %d, mean %.3f, share above 16 %.5f", d.most, d.mean,
              d.overShare);
        // Resampling differs only along hard edges.
        QVERIFY(d.mean <= 0.5);
        QVERIFY(d.overShare <= 0.01);
        QVERIFY(d.most <= 64);
    }

    void smallPicturesAreDecodedWhole()
    {
        const QString path = dir.filePath(QStringLiteral("small.jpg"));
        QVERIFY(writeFile(path, jpegWithOrientation(photoLike(300, 200), 1)));
        ImgMediaBase slot = makeSlot(centreSlot(1.5f));
        ImgMediaValBase value(path.toStdWString(), 0);
        QCOMPARE(QtImageRender::LoadPicture(&slot, &value, 1920, 1080).size(), QSize(300, 200));
    }

    void blend_data()
    {
        QTest::addColumn<double>("opacity");
        QTest::addColumn<int>("format");
        QTest::newRow("0") << 0.0 << int(QImage::Format_RGB32);
        QTest::newRow("0.25") << 0.25 << int(QImage::Format_RGB32);
        QTest::newRow("0.5") << 0.5 << int(QImage::Format_RGB32);
        QTest::newRow("1") << 1.0 << int(QImage::Format_RGB32);
        QTest::newRow("0.5 on 24-bit") << 0.5 << int(QImage::Format_RGB888);
    }
    void blend()
    {
        QFETCH(double, opacity);
        QFETCH(int, format);
        QImage target(8, 6, QImage::Format(format));
        target.fill(QColor(200, 100, 0));
        QImage source(4, 3, QImage::Format(format));
        source.fill(QColor(0, 100, 200));
        QtImageRender::Blend(&target, &source, opacity);
        const QRgb p = target.pixel(1, 1);
        QVERIFY(qAbs(qRed(p) - qRound(200 * (1 - opacity))) <= 1);
        QVERIFY(qAbs(qGreen(p) - 100) <= 1);
        QVERIFY(qAbs(qBlue(p) - qRound(200 * opacity)) <= 1);
        // Outside the source's own rectangle the target is untouched.
        QCOMPARE(target.pixel(5, 4), qRgb(200, 100, 0));
    }

    void fade_data()
    {
        QTest::addColumn<int>("alpha");
        QTest::newRow("0") << 0;
        QTest::newRow("64") << 64;
        QTest::newRow("128") << 128;
        QTest::newRow("255") << 255;
    }
    void fade()
    {
        QFETCH(int, alpha);
        QImage target(5, 5, QImage::Format_RGB888);
        target.fill(QColor(200, 100, 50));
        QtImageRender::Fade(&target, alpha);
        const double keep = 1.0 - alpha / 255.0;
        const QRgb p = target.pixel(2, 2);
        QVERIFY(qAbs(qRed(p) - 200 * keep) <= 1.0);
        QVERIFY(qAbs(qGreen(p) - 100 * keep) <= 1.0);
        QVERIFY(qAbs(qBlue(p) - 50 * keep) <= 1.0);
        if (alpha == 0)
            QCOMPARE(p, qRgb(200, 100, 50));
        if (alpha == 255)
            QCOMPARE(p, qRgb(0, 0, 0));
    }
};

QTEST_MAIN(TestQtImageRender)
#include "tst_qtimagerender.moc"
