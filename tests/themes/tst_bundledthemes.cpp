#include "core/placement.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/release.h"
#include "docloom/tmplxmlparser.h"
#include "vidweave/avinput.h"
#include "vidweave/vidweave.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QtTest>

#include <memory>

namespace {

const QString root = QStringLiteral(PICTAVIO_THEMES_DIR);

struct TmplDeleter
{
    void operator()(ITmpl* t) const { ReleaseTmpl(t); }
};
using TmplPtr = std::unique_ptr<ITmpl, TmplDeleter>;

TmplPtr load(int id)
{
    BaseTmplFactory factory;
    const QString path = QString("%1/templates/%2/template.xml").arg(root).arg(id);
    return TmplPtr(TmplXmlParser().ParseTmpl(path.toStdWString(), &factory));
}

QString videoOf(int theme, int scene)
{
    const QString local = QString("%1/templates/%2/%3.mp4").arg(root).arg(theme).arg(scene);
    if (QFile::exists(local))
        return local;
    return QString("%1/content/app/1.2.0/themes/%2/%3.mp4").arg(root).arg(theme).arg(scene);
}

template <typename MediaMap>
void checkSlots(const MediaMap* media, long frames)
{
    int expectedId = 0;
    for (const auto& [id, slot] : *media) {
        QCOMPARE(id, expectedId++); // values are placed by position 0, 1, 2 ...
        IMedia::transformation_t t;
        // Visible without a gap from its first key to the scene's last frame.
        int first = 0;
        while (first < frames && !slot->GetTransform(first, t))
            ++first;
        QVERIFY(first < frames / 2);
        for (int f = first; f < frames; ++f)
            QVERIFY2(slot->GetTransform(f, t), qPrintable(QString("frame %1").arg(f)));
        QVERIFY(!slot->GetTransform(int(frames), t));
        QVERIFY(slot->GetAspect() > 0.3f && slot->GetAspect() < 3.f);
    }
}

} // namespace

class TestBundledThemes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VidweaveInit(); }

    void themes_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
    }

    void themes()
    {
        QFETCH(int, id);
        TmplPtr tmpl = load(id);
        QVERIFY(tmpl);
        QVERIFY(tmpl->GetFadeIn() >= 15 && tmpl->GetFadeIn() <= 45);
        QVERIFY(tmpl->GetFadeOut() >= 15 && tmpl->GetFadeOut() <= 45);
        QVERIFY(tmpl->GetSceneOverflow() >= 10 && tmpl->GetSceneOverflow() <= 20);
        const QString dir = QString("%1/templates/%2/").arg(root).arg(id);
        for (const char* file : {"info.xml", "thumb.jpg", "thumb-prj.jpg", "slide-bg.png"})
            QVERIFY2(QFile::exists(dir + file), file);
        QVERIFY(!TmplXmlParser().GetInfo(dir + "info.xml").name.isEmpty());

        int images = 0, texts = 0, stills = 0;
        QSet<int> slotCounts;
        for (const auto& [sceneId, scene] : tmpl->GetScenes()) {
            const long frames = scene->GetFramesNumber();
            QVERIFY(frames >= 90 && frames <= 150);
            int num = 0, den = 0;
            scene->GetTimeBase(num, den);
            QCOMPARE(num, 1);
            QCOMPARE(den, 30);
            if (auto* img = dynamic_cast<IImgScene*>(scene)) {
                ++images;
                slotCounts << img->GetMediaSize();
                checkSlots(img->GetMedia(), frames);
            } else if (auto* text = dynamic_cast<ITextScene*>(scene)) {
                ++texts;
                QCOMPARE(text->GetMediaSize(), 1);
                checkSlots(text->GetMedia(), frames);
            }
            if (scene->GetBgType() == BgImage) {
                ++stills;
                QVERIFY(QFile::exists(dir + QString::fromStdWString(scene->GetBgFileName())));
            }
        }
        QVERIFY(images >= 6);
        QVERIFY(texts >= 2);
        QVERIFY(stills >= 1);
        QVERIFY(slotCounts.contains(1) && slotCounts.contains(2) && slotCounts.contains(3));
    }

    void backgroundsDecodeToTheirFrameCounts()
    {
        for (int id : {1, 2, 3}) {
            TmplPtr tmpl = load(id);
            QVERIFY(tmpl);
            for (const auto& [sceneId, scene] : tmpl->GetScenes()) {
                if (scene->GetBgType() != BgVideo)
                    continue;
                VideoInput input(videoOf(id, sceneId));
                QVERIFY2(input.IsValid(), qPrintable(input.ErrorString()));
                QCOMPARE(input.GetFramesNumber(), int64_t(scene->GetFramesNumber()));
                std::unique_ptr<AVFrame, void (*)(AVFrame*)> out(
                    av_frame_alloc(), [](AVFrame* f) { av_frame_free(&f); });
                out->format = AV_PIX_FMT_RGB24;
                out->width = 64;
                out->height = 36;
                av_frame_get_buffer(out.get(), 32);
                long decoded = 0;
                while (input.ReadFrame(out.get()))
                    ++decoded;
                QCOMPARE(decoded, scene->GetFramesNumber());
            }
        }
    }

    void downloadOnlyThemeHasNoVideosInItsFolder()
    {
        QVERIFY(QDir(root + "/templates/3").entryList({"*.mp4"}, QDir::Files).isEmpty());
        QVERIFY(QFile::exists(root + "/content/app/1.2.0/themes/3/1.mp4"));
        QVERIFY(QFile::exists(root + "/templates/1/1.mp4"));
    }

    void anyMixWithoutMusicIsPlacedWhole()
    {
        for (int id : {1, 2, 3}) {
            TmplPtr tmpl = load(id);
            for (int count = 1; count <= 30; ++count) {
                std::vector<PlacementSlide> slides;
                for (int i = 0; i < count; ++i) {
                    const bool text = i % 7 == 3 || i % 11 == 5;
                    slides.push_back({text ? "A line of text" : "photo.jpg",
                                      text ? int(SceneText) : int(SceneImg), 0});
                }
                const PlacementResult r = placeSlides(slides, *tmpl, 0.f);
                QCOMPARE(r.separatorIndex, -1);
                QCOMPARE(r.placedCount, count);
            }
        }
    }
};

QTEST_MAIN(TestBundledThemes)
#include "tst_bundledthemes.moc"
