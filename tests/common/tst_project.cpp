#include "common/baseprjfactory.h"
#include "common/endlogobase.h"
#include "common/framebase.h"
#include "common/imgmediavalbase.h"
#include "common/prjbase.h"
#include "common/prjinfo.h"
#include "common/release.h"
#include "common/textmediavalbase.h"
#include "common/watermarkbase.h"

#include <QtTest>

#include <memory>

namespace {

int liveValues = 0;

class CountedText : public TextMediaValBase
{
public:
    explicit CountedText(std::wstring text) : TextMediaValBase(std::move(text)) { ++liveValues; }
    ~CountedText() override { --liveValues; }
};

class Frame : public FrameBase
{
public:
    explicit Frame(int pts) : FrameBase(pts) {}
};

} // namespace

class TestProject : public QObject
{
    Q_OBJECT

private slots:
    void values_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::newRow("none") << 0;
        QTest::newRow("right") << 1;
        QTest::newRow("left stays negative") << -1;
        QTest::newRow("beyond a turn") << 5;
    }

    void values()
    {
        QFETCH(int, rotation);
        BasePrjFactory factory;
        std::unique_ptr<IImgMediaVal> img(factory.GetImgMediaVal(L"/photos/ä b.jpg", rotation));
        QCOMPARE(img->GetType(), SceneImg);
        QVERIFY(img->GetSrc() == L"/photos/ä b.jpg");
        QCOMPARE(img->GetRotation(), rotation);

        std::unique_ptr<ITextMediaVal> text(factory.GetTextMediaVal(L"line 1\nline 2"));
        QCOMPARE(text->GetType(), SceneText);
        QVERIFY(text->GetText() == L"line 1\nline 2");

        const ImgMediaValBase copy(*static_cast<ImgMediaValBase*>(img.get()));
        img.reset();
        QVERIFY(copy.GetSrc() == L"/photos/ä b.jpg");
        QCOMPARE(copy.GetRotation(), rotation);
    }

    void projectKeepsTheListPointerAndCopiesAudio()
    {
        BasePrjFactory factory;
        SceneMediaList list;
        std::unique_ptr<IPrj> prj(factory.GetPrj(3, &list, {"a.mp3", "b.m4a"}));
        QCOMPARE(prj->GetTmplId(), 3);
        QCOMPARE(prj->GetMedia(), &list);

        QStringList audio = prj->GetAudio();
        audio << "c.mp3";
        audio[0] = "changed";
        QCOMPARE(prj->GetAudio(), QStringList({"a.mp3", "b.m4a"}));

        PrjBase copy(*static_cast<PrjBase*>(prj.get()));
        prj.reset();
        QCOMPARE(copy.GetMedia(), &list);
        QCOMPARE(copy.GetAudio().size(), 2);
    }

    void emptyUserData()
    {
        BasePrjFactory factory;
        SlideList slides;
        std::unique_ptr<IUsrData> data(factory.GetUsrData(2, {}, slides));
        QCOMPARE(data->GetTmplId(), 2);
        QVERIFY(data->GetAudio().isEmpty());
        QVERIFY(data->GetSlidesBegin() == data->GetSlidesEnd());
    }

    void userDataKeepsSlidesAlive()
    {
        BasePrjFactory factory;
        std::unique_ptr<IUsrData> data;
        {
            SlideList slides;
            slides.push_back(QSharedPointer<ISceneMedia>(new CountedText(L"one")));
            slides.push_back(QSharedPointer<ISceneMedia>(new CountedText(L"two")));
            data.reset(factory.GetUsrData(1, {"m.mp3"}, slides));
            slides.push_back(QSharedPointer<ISceneMedia>(new CountedText(L"three")));
            QCOMPARE(liveValues, 3);
        }
        QCOMPARE(liveValues, 2); // only the slide the user data never saw is gone
        QCOMPARE(int(std::distance(data->GetSlidesBegin(), data->GetSlidesEnd())), 2);
        auto it = data->GetSlidesBegin();
        QVERIFY(static_cast<ITextMediaVal*>(it->data())->GetText() == L"one");
        QCOMPARE(data->GetAudio(), QStringList({"m.mp3"}));
        data.reset();
        QCOMPARE(liveValues, 0);
    }

    void releaseSceneMediaFreesEverythingOnce()
    {
        auto* list = new SceneMediaList;
        list->push_back(new SceneMediaPair(1, {{0, new CountedText(L"a")}, {1, new CountedText(L"b")}}));
        list->push_back(new SceneMediaPair(1, {{0, new CountedText(L"c")}}));
        list->push_back(new SceneMediaPair(2, {}));
        QCOMPARE(liveValues, 3);
        ReleaseSceneMedia(list);
        QCOMPARE(liveValues, 0);
        ReleaseSceneMedia(nullptr);

        SceneMediaList member;
        member.push_back(new SceneMediaPair(4, {{0, new CountedText(L"d")}}));
        ClearSceneMedia(member);
        QVERIFY(member.empty());
        QCOMPARE(liveValues, 0);
    }

    void smallRecords()
    {
        const PrjInfo info;
        QCOMPARE(info.slidesNumber, 0);
        QVERIFY(info.name.isEmpty() && info.audio.isEmpty());

        const EndLogoBase logo(":/images/credits.png", 30, 60);
        const EndLogoBase logoCopy(logo);
        QCOMPARE(logoCopy.getImgPath(), QString(":/images/credits.png"));
        QCOMPARE(logoCopy.getFadeIn(), 30);
        QCOMPARE(logoCopy.getDuration(), 60);

        const WatermarkBase mark("mark.png", QPoint(12, 34), 200);
        QCOMPARE(mark.getImgPath(), QString("mark.png"));
        QCOMPARE(mark.getTopLeft(), QPoint(12, 34));
        QCOMPARE(mark.getWidth(), 200);

        Frame frame(42);
        const Frame other(frame);
        frame = Frame(7);
        QCOMPARE(other.GetPts(), 42);
        QCOMPARE(frame.GetPts(), 7);
    }
};

QTEST_GUILESS_MAIN(TestProject)
#include "tst_project.moc"
