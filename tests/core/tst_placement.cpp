#include "core/placement.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/release.h"

#include <QtTest>

#include <memory>

namespace {

struct SceneSpec
{
    int id;
    int kind;
    int slotCount;
    int frames;
};

/// Scenes at time base 1/25 (0.04 s a frame) with slot ids 10, 11, ...
TmplPtr makeTemplate(const std::vector<SceneSpec>& specs, int overflow, int timeBaseDen = 25)
{
    BaseTmplFactory factory;
    std::map<int, IScene*> scenes;
    for (const SceneSpec& s : specs) {
        if (s.kind == SceneImg) {
            auto* media = new std::map<int, IImgMedia*>;
            for (int i = 0; i < s.slotCount; ++i)
                (*media)[10 + i] = factory.GetImgMedia({}, 1.f, 0.f, {}, {}, 1.f, 1.f,
                                                       IMedia::VCenter, IMedia::HCenter);
            scenes[s.id] = factory.GetImgScene(media, BgVideo, L"", s.frames, 1, timeBaseDen);
        } else {
            auto* media = new std::map<int, ITextMedia*>;
            for (int i = 0; i < s.slotCount; ++i)
                (*media)[10 + i] = factory.GetTextMedia({}, 1.f, {}, 1.f, 1.f,
                                                        "Sans,SansSerif,20,#ffffff", {},
                                                        IMedia::VCenter, IMedia::HCenter, {});
            scenes[s.id] = factory.GetTextScene(media, BgVideo, L"", s.frames, 1, timeBaseDen);
        }
    }
    return TmplPtr(factory.GetTmpl(scenes, 0, 0, overflow, 70));
}

/// "I1 I2 T1" and the like: I for a picture, T for a text.
std::vector<PlacementSlide> slidesFrom(const QString& text)
{
    std::vector<PlacementSlide> slides;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
        slides.push_back({word, word.startsWith('T') ? int(SceneText) : int(SceneImg), 0});
    return slides;
}

/// "1:I1,I2 3:I4" for the scene-media list.
QString describe(const SceneMediaList& list)
{
    QStringList scenes;
    for (const SceneMediaPair* pair : list) {
        QStringList values;
        int expectedKey = 0;
        for (const auto& [key, value] : pair->second) {
            if (key != expectedKey++)
                values << "bad key";
            if (value->GetType() == SceneImg)
                values << QString::fromStdWString(static_cast<IImgMediaVal*>(value)->GetSrc());
            else
                values << QString::fromStdWString(static_cast<ITextMediaVal*>(value)->GetText());
        }
        scenes << QString("%1:%2").arg(pair->first).arg(values.join(','));
    }
    return scenes.join(' ');
}

// The template of the worked example: 1 image x3 100 frames, 2 text 50, 3 image x1 75.
const std::vector<SceneSpec> example{{1, SceneImg, 3, 100}, {2, SceneText, 1, 50},
                                     {3, SceneImg, 1, 75}};

} // namespace

Q_DECLARE_METATYPE(SceneSpec)

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void walk_data()
    {
        QTest::addColumn<std::vector<SceneSpec>>("scenes");
        QTest::addColumn<int>("overflow");
        QTest::addColumn<QString>("slides");
        QTest::addColumn<float>("music");
        QTest::addColumn<QString>("placed");
        QTest::addColumn<int>("separator");
        QTest::addColumn<float>("total");

        QTest::newRow("worked example") << example << 10 << "I1 I2 I3 I4 T1 I5" << 0.f
                                        << "1:I1,I2,I3 3:I4 2:T1 3:I5" << -1 << 10.8f;
        QTest::newRow("worked example, 9 s of music")
            << example << 10 << "I1 I2 I3 I4 T1 I5" << 9.f << "1:I1,I2,I3 3:I4 2:T1" << 5 << 8.2f;
        QTest::newRow("nothing to place") << example << 10 << "" << 5.f << "" << -1 << 0.f;
        QTest::newRow("groups of four against scenes of three")
            << std::vector<SceneSpec>{{1, SceneImg, 3, 50}, {2, SceneImg, 3, 50}} << 0
            << "I1 I2 I3 I4 I5" << 0.f << "1:I1,I2,I3" << 3 << 2.f;
        // The total is the video made, never the music's length.
        QTest::newRow("the same cut-off under music")
            << std::vector<SceneSpec>{{1, SceneImg, 3, 50}} << 0 << "I1 I2 I3 I4" << 30.f
            << "1:I1,I2,I3" << 3 << 2.f;
        QTest::newRow("a kind without scenes cut off under long music")
            << std::vector<SceneSpec>{{1, SceneImg, 1, 75}} << 13 << "I1 I2 T1" << 240.f
            << "1:I1 1:I2" << 2 << 5.48f;
        QTest::newRow("music shorter than every scene")
            << example << 10 << "I1 T1" << 1.f << "" << 0 << 0.f;
        QTest::newRow("a scene exactly as long as the music left is skipped")
            << std::vector<SceneSpec>{{1, SceneImg, 1, 50}} << 0 << "I1 I2" << 2.f << "" << 0
            << 0.f;
        QTest::newRow("overlap only between scenes")
            << std::vector<SceneSpec>{{1, SceneImg, 1, 50}} << 5 << "I1 I2 I3" << 0.f
            << "1:I1 1:I2 1:I3" << -1 << 5.6f;
        QTest::newRow("cursors persist across groups")
            << std::vector<SceneSpec>{{1, SceneImg, 1, 25}, {2, SceneImg, 1, 25},
                                      {3, SceneImg, 1, 25}, {4, SceneText, 1, 25}}
            << 0 << "I1 T1 I2 I3 I4" << 0.f << "1:I1 4:T1 2:I2 3:I3 1:I4" << -1 << 5.f;
        QTest::newRow("a text splits the pictures")
            << std::vector<SceneSpec>{{1, SceneImg, 2, 25}, {2, SceneImg, 1, 25},
                                      {3, SceneText, 1, 25}}
            << 0 << "I1 T1 I2" << 0.f << "2:I1 3:T1 2:I2" << -1 << 3.f;
        QTest::newRow("no text scene: texts and what follows are cut off")
            << std::vector<SceneSpec>{{1, SceneImg, 1, 30}} << 0 << "I1 T1 I2" << 0.f << "1:I1"
            << 1 << 1.2f;
        QTest::newRow("no image scene")
            << std::vector<SceneSpec>{{5, SceneText, 1, 25}} << 0 << "T1 I1" << 0.f << "5:T1"
            << 1 << 1.f;
        QTest::newRow("slot-less scenes take nothing")
            << std::vector<SceneSpec>{{1, SceneImg, 0, 25}, {2, SceneImg, 1, 25}} << 0 << "I1 I2"
            << 0.f << "2:I1 2:I2" << -1 << 2.f;
        QTest::newRow("empty template") << std::vector<SceneSpec>{} << 0 << "I1" << 0.f << "" << 0
                                        << 0.f;
    }

    void walk()
    {
        QFETCH(std::vector<SceneSpec>, scenes);
        QFETCH(int, overflow);
        QFETCH(QString, slides);
        QFETCH(float, music);
        QFETCH(QString, placed);
        QFETCH(int, separator);
        QFETCH(float, total);

        TmplPtr tmpl = makeTemplate(scenes, overflow);
        const std::vector<PlacementSlide> input = slidesFrom(slides);
        BasePrjFactory factory;
        SceneMediaList list;
        const PlacementResult build = placeSlides(input, *tmpl, music, &factory, &list);
        const PlacementResult layout = placeSlides(input, *tmpl, music);
        QCOMPARE(describe(list), placed);
        ClearSceneMedia(list);

        for (const PlacementResult& r : {build, layout}) {
            QCOMPARE(r.separatorIndex, separator);
            QVERIFY2(qAbs(r.totalDuration - total) < 1e-4f,
                     qPrintable(QString::number(r.totalDuration)));
            const int included = int(std::count(r.included.begin(), r.included.end(), true));
            QCOMPARE(r.placedCount, included);
            // Included slides are exactly those before the separator.
            for (size_t i = 0; i < input.size(); ++i)
                QCOMPARE(bool(r.included[i]), separator < 0 || int(i) < separator);
        }
    }

    void scenesAndTextPreviews()
    {
        // Text scenes 2 and 4 alternate; a cut-off leaves later texts previewing
        // the following text scenes.
        TmplPtr tmpl = makeTemplate({{1, SceneImg, 1, 50}, {2, SceneText, 1, 50},
                                     {4, SceneText, 1, 50}},
                                    0);
        const auto scenes = tmpl->GetScenes();
        ITextMedia* style2 = dynamic_cast<ITextScene*>(scenes.at(2))->GetMedia()->begin()->second;
        ITextMedia* style4 = dynamic_cast<ITextScene*>(scenes.at(4))->GetMedia()->begin()->second;

        const PlacementResult r = placeSlides(slidesFrom("T1 I1 T2 T3 T4 T5"), *tmpl, 9.f);
        // 2 s scenes under 9 s: T1, I1, T2, T3 fit (8 s), T4 does not.
        QCOMPARE(r.sceneOf, (std::vector<int>{2, 1, 4, 2, -1, -1}));
        QCOMPARE(r.textPreview[0], style2);
        QVERIFY(!r.textPreview[1]);
        QCOMPARE(r.textPreview[2], style4);
        QCOMPARE(r.textPreview[3], style2);
        QCOMPARE(r.textPreview[4], style4);
        QCOMPARE(r.textPreview[5], style2);
        QCOMPARE(r.separatorIndex, 4);
    }

    void textsLoseWhatXmlCannotHold()
    {
        TmplPtr tmpl = makeTemplate({{1, SceneText, 1, 25}}, 0);
        BasePrjFactory factory;
        SceneMediaList list;
        const QString typed = QString("Tab\there\r\nline\x01\x0c") + QChar(0xFFFE) + "end";
        placeSlides({{typed, SceneText, 0}}, *tmpl, 0.f, &factory, &list);
        QCOMPARE(int(list.size()), 1);
        QCOMPARE(QString::fromStdWString(static_cast<ITextMediaVal*>(list.front()->second.at(0))->GetText()),
                 QString("Tab\there\r\nlineend"));
        ClearSceneMedia(list);
    }

    void rotationReachesTheValues()
    {
        TmplPtr tmpl = makeTemplate({{1, SceneImg, 2, 25}}, 0);
        BasePrjFactory factory;
        SceneMediaList list;
        placeSlides({{"a.jpg", SceneImg, -1}, {"b.jpg", SceneImg, 2}}, *tmpl, 0.f, &factory, &list);
        QCOMPARE(int(list.size()), 1);
        QCOMPARE(static_cast<IImgMediaVal*>(list.front()->second.at(0))->GetRotation(), -1);
        QCOMPARE(static_cast<IImgMediaVal*>(list.front()->second.at(1))->GetRotation(), 2);
        ClearSceneMedia(list);
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
