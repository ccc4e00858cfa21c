#include "common/basetmplfactory.h"
#include "common/imgmediabase.h"
#include "common/imgscenebase.h"
#include "mocktmplpathmanager.h"
#include "common/release.h"
#include "common/textmediabase.h"
#include "common/tmplbase.h"

#include <QtTest>

#include <memory>

namespace {

// Counts destructions so that a release can be shown to free everything once.
int liveSlots = 0;

class CountedImgMedia : public ImgMediaBase
{
public:
    CountedImgMedia()
        : ImgMediaBase({}, 1.f, 0.f, {}, {}, 1.f, 1.f, VCenter, HCenter)
    {
        ++liveSlots;
    }
    ~CountedImgMedia() override { --liveSlots; }
};

class CountedTextMedia : public TextMediaBase
{
public:
    CountedTextMedia()
        : TextMediaBase({}, 1.f, {}, "Sans,SansSerif,10,#000000", 1.f, 1.f, {}, VCenter, HCenter,
                        {})
    {
        ++liveSlots;
    }
    ~CountedTextMedia() override { --liveSlots; }
};

class PathsForTest : public MockTmplPathManager
{
public:
    std::wstring GetTmplInfoPath(int) const override { return L"info"; }
    std::wstring GetTmplDir(int) const override { return L"dir/"; }
};

} // namespace

class TestScenes : public QObject
{
    Q_OBJECT

private slots:
    void sceneFactoryArgumentsLandInTheirFields_data()
    {
        QTest::addColumn<bool>("text");
        QTest::newRow("image scene") << false;
        QTest::newRow("text scene") << true;
    }

    void sceneFactoryArgumentsLandInTheirFields()
    {
        QFETCH(bool, text);
        BaseTmplFactory factory;
        std::map<int, IImgMedia*> imgMedia;
        std::map<int, ITextMedia*> textMedia;
        std::unique_ptr<IScene> scene;
        if (text)
            scene.reset(factory.GetTextScene(&textMedia, BgImage, L"bg.png", 123, 1, 25));
        else
            scene.reset(factory.GetImgScene(&imgMedia, BgImage, L"bg.png", 123, 1, 25));

        QCOMPARE(scene->GetType(), text ? SceneText : SceneImg);
        QCOMPARE(scene->GetBgType(), BgImage);
        QVERIFY(scene->GetBgFileName() == L"bg.png");
        QCOMPARE(scene->GetFramesNumber(), 123L);
        int num = -1, den = -1;
        scene->GetTimeBase(num, den);
        QCOMPARE(num, 1);
        QCOMPARE(den, 25);
        if (text)
            QCOMPARE(dynamic_cast<ITextScene*>(scene.get())->GetMedia(), &textMedia);
        else
            QCOMPARE(dynamic_cast<IImgScene*>(scene.get())->GetMedia(), &imgMedia);
    }

    void timeBaseWritesZeros()
    {
        ImgSceneBase scene(nullptr, BgVideo, L"", 0, 0, 0);
        int num = 7, den = 9;
        scene.GetTimeBase(num, den);
        QCOMPARE(num, 0);
        QCOMPARE(den, 0);
        QCOMPARE(scene.GetMediaSize(), 0);
    }

    void mediaSizeFollowsTheMap()
    {
        std::map<int, IImgMedia*> media;
        CountedImgMedia a, b;
        media[0] = &a;
        ImgSceneBase scene(&media, BgVideo, L"", 10, 1, 30);
        ImgSceneBase copy(scene);
        QCOMPARE(scene.GetMediaSize(), 1);
        media[5] = &b; // the scene keeps the pointer, not a copy
        QCOMPARE(scene.GetMediaSize(), 2);
        QCOMPARE(copy.GetMediaSize(), 2);
        QCOMPARE(copy.GetMedia(), &media);

        // Both views of the scene run the same code.
        SceneBase& base = scene;
        QCOMPARE(base.GetFramesNumber(), 10L);
        QCOMPARE(base.GetType(), SceneImg);
    }

    void templateFieldsAndScenesCopy()
    {
        ImgSceneBase s1(nullptr, BgVideo, L"", 10, 1, 30);
        ImgSceneBase s2(nullptr, BgVideo, L"", 20, 1, 30);
        // Through IImgScene: ImgSceneBase reaches IScene along two bases.
        std::map<int, IScene*> scenes{{1, static_cast<IImgScene*>(&s1)},
                                      {4, static_cast<IImgScene*>(&s2)}};
        BaseTmplFactory factory;
        std::unique_ptr<ITmpl> tmpl(factory.GetTmpl(scenes, 11, 22, 33, 44));
        QCOMPARE(tmpl->GetFadeIn(), 11);
        QCOMPARE(tmpl->GetFadeOut(), 22);
        QCOMPARE(tmpl->GetSceneOverflow(), 33);
        QCOMPARE(tmpl->GetTextMaxSize(), 44);

        scenes.erase(1); // the template took its own copy
        auto copy = tmpl->GetScenes();
        QCOMPARE(copy.size(), size_t(2));
        QCOMPARE(copy.at(1), static_cast<IScene*>(static_cast<IImgScene*>(&s1)));
        copy.erase(4);
        copy[9] = static_cast<IImgScene*>(&s2);
        const auto again = tmpl->GetScenes();
        QCOMPARE(again.size(), size_t(2));
        QVERIFY(again.count(4) && !again.count(9));

        TmplBase assigned({}, 0, 0, 0, 0);
        assigned = *static_cast<TmplBase*>(tmpl.get());
        tmpl.reset();
        QCOMPARE(assigned.GetScenes().size(), size_t(2));
        QCOMPARE(assigned.GetTextMaxSize(), 44);
    }

    void emptyTemplate()
    {
        const TmplBase tmpl({}, 0, 0, 0, 70);
        QVERIFY(tmpl.GetScenes().empty());
    }

    void releaseFreesTheWholeGraphOnce()
    {
        BaseTmplFactory factory;
        auto* imgMap = new std::map<int, IImgMedia*>{{0, new CountedImgMedia},
                                                     {1, new CountedImgMedia}};
        auto* textMap = new std::map<int, ITextMedia*>{{0, new CountedTextMedia}};
        std::map<int, IScene*> scenes;
        scenes[1] = factory.GetImgScene(imgMap, BgVideo, L"", 10, 1, 30);
        scenes[2] = factory.GetTextScene(textMap, BgVideo, L"", 10, 1, 30);
        scenes[3] = factory.GetImgScene(nullptr, BgImage, L"x.png", 10, 1, 30);
        QCOMPARE(liveSlots, 3);
        // Leaks or double frees show under the sanitizer build.
        ReleaseTmpl(factory.GetTmpl(scenes, 0, 0, 0, 70));
        QCOMPARE(liveSlots, 0);
        ReleaseTmpl(nullptr);
    }

    void mockPathsAnswerFixedPaths()
    {
        PathsForTest paths;
        QVERIFY(paths.GetTmplPath(3) == L"../../data/theme.xml");
        QVERIFY(paths.GetSceneVideoPath(3, 8) == L"../../data/1.mp4");
        const PathsForTest copy(paths);
        QVERIFY(copy.GetSceneVideoPath(0, 0) == L"../../data/1.mp4");
    }
};

QTEST_MAIN(TestScenes)
#include "tst_scenes.moc"
