#include "animation.h"

#include <QtTest>

class TestAnimation : public QObject
{
    Q_OBJECT

private slots:
    void easingsRunFromZeroToOne_data()
    {
        QTest::addColumn<int>("easing");
        for (Easing e : {Easing::Linear, Easing::EaseIn, Easing::EaseOut, Easing::EaseInOut,
                         Easing::Back})
            QTest::newRow(QByteArray::number(int(e)).constData()) << int(e);
    }

    void easingsRunFromZeroToOne()
    {
        QFETCH(int, easing);
        QVERIFY(qAbs(ease(Easing(easing), 0.0)) < 1e-9);
        QVERIFY(qAbs(ease(Easing(easing), 1.0) - 1.0) < 1e-9);
        QVERIFY(qAbs(ease(Easing(easing), -3.0)) < 1e-9); // clamped
    }

    void cornersRunAroundTheQuad()
    {
        const auto c = corners({0.5, 0.5, 0.5, 0.4, 0, 0}, 1280, 720);
        QCOMPARE(c[0], QPointF(0.25, 0.3));
        QCOMPARE(c[1], QPointF(0.75, 0.3));
        QCOMPARE(c[2], QPointF(0.75, 0.7));
        QCOMPARE(c[3], QPointF(0.25, 0.7));

        // A quarter turn in pixels keeps the shape square on screen.
        const auto turned = corners({0.5, 0.5, 720.0 / 1280.0, 1.0, 90, 0}, 1280, 720);
        QVERIFY(qAbs(turned[0].x() - (0.5 + 360.0 / 1280.0)) < 1e-9);
        QVERIFY(qAbs(turned[0].y() - 0.0) < 1e-9);

        // A lean shortens the right edge.
        const auto leaning = corners({0.5, 0.5, 0.5, 0.5, 0, 0.4}, 1280, 720);
        QVERIFY(leaning[2].y() - leaning[1].y() < leaning[3].y() - leaning[0].y());
    }

    void everyFrameFromFirstToLastKeyHasAKey()
    {
        const Placement a{0.2, 0.5, 0.3, 0.3, 0, 0};
        const Placement b{0.8, 0.5, 0.3, 0.3, 10, 0};
        const std::vector<Key> keys{{8, a, 0.0, Easing::EaseOut}, {20, b, 1.0, Easing::Linear},
                                    {59, b, 1.0}};
        const IMedia::Transforms out = expand(keys, 1280, 720);
        QCOMPARE(int(out.size()), 52);
        QCOMPARE(out.begin()->first, 8);
        QCOMPARE(out.rbegin()->first, 59);
        int expected = 8;
        for (const auto& entry : out)
            QCOMPARE(entry.first, expected++);
        QCOMPARE(out.at(8).opacity, 0.f);
        QCOMPARE(out.at(14).opacity, 0.5f); // opacity follows time, not the easing
        QCOMPARE(out.at(20).opacity, 1.f);
        QVERIFY(qAbs(out.at(59).x0 - out.at(20).x0) < 1e-9);
    }
};

QTEST_GUILESS_MAIN(TestAnimation)
#include "tst_animation.moc"
