#include "common/basetmplfactory.h"
#include "common/imgmediabase.h"
#include "common/textmediabase.h"

#include <QtTest>

#include <cstring>
#include <memory>

namespace {

IMedia::transformation_t quad(double base, float opacity)
{
    IMedia::transformation_t t;
    t.x0 = base;
    t.y0 = base + 0.01;
    t.x1 = base + 0.02;
    t.y1 = base + 0.03;
    t.x2 = base + 0.04;
    t.y2 = base + 0.05;
    t.x3 = base + 0.06;
    t.y3 = base + 0.07;
    t.opacity = opacity;
    return t;
}

bool sameBits(const IMedia::transformation_t& a, const IMedia::transformation_t& b)
{
    return a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2
           && a.y2 == b.y2 && a.x3 == b.x3 && a.y3 == b.y3
           && std::memcmp(&a.opacity, &b.opacity, sizeof(float)) == 0;
}

IMedia::shadow_t shadow(float x, float y, float blur, int r, int g, int b, int a)
{
    IMedia::shadow_t s;
    s.offsetX = x;
    s.offsetY = y;
    s.blurRadius = blur;
    s.red = r;
    s.green = g;
    s.blue = b;
    s.alpha = a;
    return s;
}

} // namespace

class TestMedia : public QObject
{
    Q_OBJECT

private slots:
    void recordDefaults()
    {
        const IMedia::color_t c;
        QCOMPARE(c.red, 255);
        QCOMPARE(c.green, 255);
        QCOMPARE(c.blue, 255);
        QCOMPARE(c.alpha, 255);

        const IMedia::transformation_t t{};
        QCOMPARE(t.x2, 0.0);
        QCOMPARE(t.opacity, 0.0f);
    }

    void keyFramesAreExact_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("found");
        QTest::addColumn<double>("base");

        QTest::newRow("first key") << 0 << true << 0.1;
        QTest::newRow("between keys") << 5 << false << 0.0;
        QTest::newRow("second key") << 10 << true << 0.3;
        QTest::newRow("after last key") << 11 << false << 0.0;
        QTest::newRow("negative") << -1 << false << 0.0;
    }

    void keyFramesAreExact()
    {
        QFETCH(int, frame);
        QFETCH(bool, found);
        QFETCH(double, base);

        const IMedia::Transforms keys{{0, quad(0.1, 0.25f)}, {10, quad(0.3, 0.75f)}};
        const ImgMediaBase media(keys, 1.5f, 0.f, IMedia::color_t(), IMedia::shadow_t(), 1.f,
                                 1.f, IMedia::VCenter, IMedia::HCenter);

        IMedia::transformation_t sentinel = quad(9.0, 0.5f);
        IMedia::transformation_t out = sentinel;
        QCOMPARE(media.GetTransform(frame, out), found);
        if (found) {
            QVERIFY(sameBits(out, keys.at(frame)));
            QCOMPARE(out.x0, base);
        }
        else
            QVERIFY(sameBits(out, sentinel));
    }

    void emptyKeyFramesNeverDraw()
    {
        BaseTmplFactory factory;
        std::unique_ptr<IImgMedia> img(factory.GetImgMedia({}, 1.f, 0.f, {}, {}, 1.f, 1.f,
                                                           IMedia::VCenter, IMedia::HCenter));
        std::unique_ptr<ITextMedia> text(factory.GetTextMedia(
            {}, 1.f, {}, 1.f, 1.f, "Sans,SansSerif,20,#ffffff", {}, IMedia::VCenter,
            IMedia::HCenter, {}));
        IMedia::transformation_t out;
        for (int frame : {-1, 0, 1, 1000}) {
            QVERIFY(!img->GetTransform(frame, out));
            QVERIFY(!text->GetTransform(frame, out));
        }
    }

    void copiesOutliveTheirSource()
    {
        IMedia::Transforms keys{{3, quad(0.2, 1.f)}};
        auto source = std::make_unique<ImgMediaBase>(keys, 2.f, 0.1f, IMedia::color_t(),
                                                     IMedia::shadow_t(), 0.5f, 0.5f,
                                                     IMedia::Top, IMedia::Right);
        ImgMediaBase copy(*source);
        ImgMediaBase assigned({}, 1.f, 0.f, {}, {}, 1.f, 1.f, IMedia::VCenter, IMedia::HCenter);
        assigned = *source;
        keys.clear(); // the slot holds its own copy of the key frames
        source.reset();

        for (const ImgMediaBase* media : {&copy, &assigned}) {
            IMedia::transformation_t out;
            QVERIFY(media->GetTransform(3, out));
            QVERIFY(sameBits(out, quad(0.2, 1.f)));
            QCOMPARE(media->GetAspect(), 2.f);
            QCOMPARE(media->GetVPosition(), IMedia::Top);
        }

        auto text = std::make_unique<TextMediaBase>(IMedia::Transforms{{1, quad(0.4, 0.5f)}},
                                                    1.f, "bg.png", "Serif,Serif,30,#123456",
                                                    1.f, 1.f, IMedia::shadow_t(),
                                                    IMedia::VCenter, IMedia::HCenter, "tex.png");
        TextMediaBase textCopy(*text);
        text.reset();
        IMedia::transformation_t out;
        QVERIFY(textCopy.GetTransform(1, out));
        QVERIFY(sameBits(out, quad(0.4, 0.5f)));
        QCOMPARE(textCopy.GetFont().pointSize(), 30);
        QCOMPARE(textCopy.GetTexture(), QString("tex.png"));
    }

    void imgFactoryArgumentsLandInTheirFields()
    {
        BaseTmplFactory factory;
        IMedia::color_t border;
        border.red = 10;
        border.green = 20;
        border.blue = 30;
        border.alpha = 40;
        const IMedia::shadow_t sh = shadow(1.f, 2.f, 3.f, 4, 5, 6, 7);
        std::unique_ptr<IImgMedia> media(factory.GetImgMedia(
            {{7, quad(0.5, 0.5f)}}, 1.25f, 0.05f, border, sh, 0.6f, 0.7f, IMedia::Bottom,
            IMedia::Left));

        QCOMPARE(media->GetAspect(), 1.25f);
        QCOMPARE(media->GetBorderWidth(), 0.05f);
        QCOMPARE(media->GetBorderColor().red, 10);
        QCOMPARE(media->GetBorderColor().alpha, 40);
        QCOMPARE(media->GetShadow().offsetX, 1.f);
        QCOMPARE(media->GetShadow().offsetY, 2.f);
        QCOMPARE(media->GetShadow().blurRadius, 3.f);
        QCOMPARE(media->GetShadow().blue, 6);
        QCOMPARE(media->GetShadow().alpha, 7);
        QCOMPARE(media->GetMaxWidth(), 0.6f);
        QCOMPARE(media->GetMaxHeight(), 0.7f);
        QCOMPARE(media->GetVPosition(), IMedia::Bottom);
        QCOMPARE(media->GetHPosition(), IMedia::Left);

        // The MediaBase view answers the same as the interface view.
        auto* base = dynamic_cast<MediaBase*>(media.get());
        QVERIFY(base);
        QCOMPARE(base->GetAspect(), 1.25f);
        QCOMPARE(base->GetMaxHeight(), 0.7f);
        IMedia::transformation_t out;
        QVERIFY(base->GetTransform(7, out));
    }

    void textFactoryArgumentsLandInTheirFields()
    {
        BaseTmplFactory factory;
        const IMedia::shadow_t sh = shadow(0.5f, 0.25f, 2.f, 1, 2, 3, 4);
        std::unique_ptr<ITextMedia> media(factory.GetTextMedia(
            {{2, quad(0.1, 1.f)}}, 3.5f, sh, 0.8f, 0.9f, "Mono,SansSerif,40,#a0b0c0",
            "slide-bg.png", IMedia::Top, IMedia::Right, "gold.png"));

        QCOMPARE(media->GetAspect(), 3.5f);
        QCOMPARE(media->GetShadow().offsetX, 0.5f);
        QCOMPARE(media->GetShadow().blurRadius, 2.f);
        QCOMPARE(media->GetShadow().alpha, 4);
        QCOMPARE(media->GetMaxWidth(), 0.8f);
        QCOMPARE(media->GetMaxHeight(), 0.9f);
        QCOMPARE(media->GetFont().family(), QString("Mono"));
        QCOMPARE(media->GetFont().pointSize(), 40);
        QCOMPARE(media->GetFontColor(), QColor(0xa0, 0xb0, 0xc0));
        QCOMPARE(media->GetSlideBg(), QString("slide-bg.png"));
        QCOMPARE(media->GetVPosition(), IMedia::Top);
        QCOMPARE(media->GetHPosition(), IMedia::Right);
        QCOMPARE(media->GetTexture(), QString("gold.png"));
    }

    void positionsOutsideTheEnumAreKept()
    {
        const ImgMediaBase media({}, 1.f, 0.f, {}, {}, 1.f, 1.f,
                                 static_cast<IMedia::VPosition>(7),
                                 static_cast<IMedia::HPosition>(-3));
        QCOMPARE(int(media.GetVPosition()), 7);
        QCOMPARE(int(media.GetHPosition()), -3);
    }

    void fontSpecification_data()
    {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("hint");
        QTest::addColumn<int>("pointSize"); // -1: the default size stays
        QTest::addColumn<QColor>("colour");

        const QColor invalid;
        QTest::newRow("four fields, sans")
            << "Oswald,SansSerif,40,#336699" << "Oswald" << int(QFont::SansSerif) << 40
            << QColor(0x33, 0x66, 0x99);
        QTest::newRow("hint word is case-sensitive")
            << "Oswald,sansserif,40,#336699" << "Oswald" << int(QFont::Serif) << 40
            << QColor(0x33, 0x66, 0x99);
        QTest::newRow("hint as a number means serif")
            << "Oswald,12,40,red" << "Oswald" << int(QFont::Serif) << 40 << QColor(Qt::red);
        QTest::newRow("SansSerif inside a longer word")
            << "Lato,PreferSansSerifPlease,18,#fff" << "Lato" << int(QFont::SansSerif) << 18
            << QColor(Qt::white);
        QTest::newRow("reader default: family, size, colour")
            << "Oswald Book,84,#204411" << "Oswald Book" << int(QFont::Serif) << 84
            << QColor(0x20, 0x44, 0x11);
        QTest::newRow("three fields with a hint")
            << "Lato,SansSerif,22" << "Lato" << int(QFont::SansSerif) << 22 << QColor(Qt::black);
        QTest::newRow("family only") << "Lato" << "Lato" << int(QFont::Serif) << -1
                                     << QColor(Qt::black);
        QTest::newRow("empty") << "" << "" << int(QFont::Serif) << -1 << QColor(Qt::black);
        QTest::newRow("bad size keeps default")
            << "Lato,Serif,big,#000000" << "Lato" << int(QFont::Serif) << -1 << QColor(Qt::black);
        QTest::newRow("bad colour is invalid")
            << "Lato,Serif,20,notacolour" << "Lato" << int(QFont::Serif) << 20 << invalid;
        QTest::newRow("extra fields ignored")
            << "Lato,SansSerif,20,#010203,whatever" << "Lato" << int(QFont::SansSerif) << 20
            << QColor(1, 2, 3);
        QTest::newRow("empty fields kept")
            << ",,16,#0a0b0c" << "" << int(QFont::Serif) << 16 << QColor(10, 11, 12);
    }

    void fontSpecification()
    {
        QFETCH(QString, spec);
        QFETCH(QString, family);
        QFETCH(int, hint);
        QFETCH(int, pointSize);
        QFETCH(QColor, colour);

        const TextMediaBase media({}, 1.f, {}, spec, 1.f, 1.f, {}, IMedia::VCenter,
                                  IMedia::HCenter, {});
        const QFont font = media.GetFont();
        QCOMPARE(font.family(), family);
        QCOMPARE(int(font.styleHint()), hint);
        QCOMPARE(font.styleStrategy(), QFont::PreferAntialias);
        QVERIFY(!font.italic());
        if (pointSize > 0)
            QCOMPARE(font.pointSize(), pointSize);
        else
            QCOMPARE(font.pointSize(), QFont(family).pointSize());
        QVERIFY(font.pointSize() > 0);
        QCOMPARE(media.GetFontColor().isValid(), colour.isValid());
        if (colour.isValid())
            QCOMPARE(media.GetFontColor(), colour);
    }
};

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
