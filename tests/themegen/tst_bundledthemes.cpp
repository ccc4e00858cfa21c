#include "core/placement.h"
#include "themes.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/release.h"
#include "docloom/tmplxmlparser.h"
#include "mediaprobe.h"
#include "vidweave/mediacheck.h"
#include "vidweave/vidweave.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const QString root = QStringLiteral(PICTAVIO_THEMES_DIR);

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

void addThemeRows()
{
    QTest::addColumn<int>("id");
    for (const ThemeSpec& theme : bundledThemes())
        QTest::newRow(qPrintable(theme.name)) << theme.id;
}

const ThemeSpec* specOf(int id)
{
    static const std::vector<ThemeSpec> themes = bundledThemes();
    for (const ThemeSpec& theme : themes)
        if (theme.id == id)
            return &theme;
    return nullptr;
}

/// Whether the theme's description means slot \a slot of scene \a scene to
/// reach past the frame.
bool leavesOnPurpose(int theme, int scene, int slot)
{
    for (const SceneSpec& s : specOf(theme)->scenes)
        if (s.id == scene)
            return s.media.at(size_t(slot)).leaves;
    return false;
}

bool inFrame(const IMedia::transformation_t& t)
{
    const double margin = 1e-4;
    for (double v : {t.x0, t.y0, t.x1, t.y1, t.x2, t.y2, t.x3, t.y3})
        if (v < -margin || v > 1 + margin)
            return false;
    return true;
}

/// Calls \a check for every slot of every scene of theme \a id.
template <typename Check>
void forEachSlot(int id, Check check)
{
    TmplPtr tmpl = load(id);
    QVERIFY(tmpl);
    for (const auto& [sceneId, scene] : tmpl->GetScenes()) {
        if (auto* img = dynamic_cast<IImgScene*>(scene))
            for (const auto& [slotId, slot] : *img->GetMedia())
                check(sceneId, slotId, static_cast<IMedia*>(slot), scene->GetFramesNumber());
        if (auto* text = dynamic_cast<ITextScene*>(scene))
            for (const auto& [slotId, slot] : *text->GetMedia())
                check(sceneId, slotId, static_cast<IMedia*>(slot), scene->GetFramesNumber());
    }
}

} // namespace

class TestBundledThemes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VidweaveInit(); }

    void themes_data() { addThemeRows(); }

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
        QVERIFY(images >= 4);
        QVERIFY(texts >= 2);
        QVERIFY(stills >= 1);
        QVERIFY(slotCounts.contains(1) && slotCounts.contains(2) && slotCounts.contains(3));
    }

    void backgroundsDecodeToTheirFrameCounts_data() { addThemeRows(); }

    void backgroundsDecodeToTheirFrameCounts()
    {
        QFETCH(int, id);
        {
            TmplPtr tmpl = load(id);
            QVERIFY(tmpl);
            for (const auto& [sceneId, scene] : tmpl->GetScenes()) {
                if (scene->GetBgType() != BgVideo)
                    continue;
                const QString path = videoOf(id, sceneId);
                const MediaCheck stated = CheckVideo(path);
                QVERIFY2(stated.error.isEmpty(), qPrintable(stated.error));
                QCOMPARE(stated.frames, int64_t(scene->GetFramesNumber()));
                const long decoded = long(probeMedia(path, false).frames.size());
                QCOMPARE(decoded, scene->GetFramesNumber());
            }
        }
    }

    // Grain is most of a grainy video's bits, so it is laid on while
    // rendering; the videos themselves stay light to ship and to decode.
    void videoBackgroundsAreLightAndGrainedWhenRendered_data() { addThemeRows(); }

    void videoBackgroundsAreLightAndGrainedWhenRendered()
    {
        QFETCH(int, id);
        TmplPtr tmpl = load(id);
        QVERIFY(tmpl);
        for (const auto& [sceneId, scene] : tmpl->GetScenes()) {
            if (scene->GetBgType() != BgVideo) {
                QCOMPARE(scene->GetGrain(), 0); // a still picture keeps its own
                continue;
            }
            QVERIFY(scene->GetGrain() >= 5 && scene->GetGrain() <= 15);
            const QString path = videoOf(id, sceneId);
            const double seconds = scene->GetFramesNumber() / 30.0;
            const double megabits = QFileInfo(path).size() * 8 / 1e6 / seconds;
            // A quarter of the 11 Mb/s the videos took with their grain in them.
            QVERIFY2(megabits < 2.75, qPrintable(QString("%1: %2 Mb/s").arg(path).arg(megabits)));
        }
    }

    void videosLieWhereTheThemeIsServed_data() { addThemeRows(); }

    void videosLieWhereTheThemeIsServed()
    {
        QFETCH(int, id);
        const bool local = !specOf(id)->downloadOnly;
        const QString folder = QString("%1/templates/%2").arg(root).arg(id);
        const QString served = QString("%1/content/app/1.2.0/themes/%2/1.mp4").arg(root).arg(id);
        QCOMPARE(QDir(folder).entryList({"*.mp4"}, QDir::Files).isEmpty(), !local);
        QCOMPARE(QFile::exists(served), !local);
    }

    void someThemeIsDownloadOnly()
    {
        const std::vector<ThemeSpec> themes = bundledThemes();
        QVERIFY(std::any_of(themes.begin(), themes.end(), [](const ThemeSpec& t) { return t.downloadOnly; }));
    }

    void slotsStayInTheFrameUnlessMeantToLeave_data() { addThemeRows(); }

    void slotsStayInTheFrameUnlessMeantToLeave()
    {
        QFETCH(int, id);
        int marked = 0;
        forEachSlot(id, [&](int scene, int slot, IMedia* media, long frames) {
            const bool meant = leavesOnPurpose(id, scene, slot);
            bool left = false;
            IMedia::transformation_t t;
            for (int f = 0; f < frames; ++f)
                if (media->GetTransform(f, t) && t.opacity > 0.01f && !inFrame(t))
                    left = true;
            // A mark must be needed: a slot marked as leaving does leave.
            QVERIFY2(left == meant, qPrintable(QString("scene %1 slot %2").arg(scene).arg(slot)));
            marked += meant;
        });
        QVERIFY(marked < 8);
    }

    void picturesAreNeverShownLargerThanPrepared_data() { addThemeRows(); }

    void picturesAreNeverShownLargerThanPrepared()
    {
        QFETCH(int, id);
        const double w = 1280, h = 720;
        forEachSlot(id, [&](int scene, int slot, IMedia* media, long frames) {
            if (!dynamic_cast<IImgMedia*>(media))
                return;
            IMedia::transformation_t t;
            double widest = 0, tallest = 0;
            for (int f = 0; f < frames; ++f) {
                if (!media->GetTransform(f, t))
                    continue;
                widest = std::max({widest, std::hypot((t.x1 - t.x0) * w, (t.y1 - t.y0) * h),
                                   std::hypot((t.x2 - t.x3) * w, (t.y2 - t.y3) * h)});
                tallest = std::max({tallest, std::hypot((t.x3 - t.x0) * w, (t.y3 - t.y0) * h),
                                    std::hypot((t.x2 - t.x1) * w, (t.y2 - t.y1) * h)});
            }
            const QString where = QString("scene %1 slot %2").arg(scene).arg(slot);
            QVERIFY2(widest <= media->GetMaxWidth() * w, qPrintable(where));
            QVERIFY2(tallest <= media->GetMaxHeight() * h, qPrintable(where));
        });
    }

    void movesStartOutOfSightOrGently_data() { addThemeRows(); }

    /// Every move eases; one that starts at full speed starts invisible or
    /// outside the frame, so no photo is seen jumping into motion.
    void movesStartOutOfSightOrGently()
    {
        QFETCH(int, id);
        for (const SceneSpec& scene : specOf(id)->scenes) {
            for (const SlotSpec& slot : scene.media) {
                for (size_t k = 0; k + 1 < slot.keys.size(); ++k) {
                    const Key& key = slot.keys[k];
                    const QString where = QString("scene %1 key %2").arg(scene.id).arg(k);
                    QVERIFY2(key.easing != Easing::Linear, qPrintable(where));
                    if (key.easing == Easing::EaseInOut || key.easing == Easing::EaseIn)
                        continue;
                    const auto c = corners(key.at, 1280, 720);
                    const bool outside = std::any_of(c.begin(), c.end(), [](const QPointF& p) {
                        return p.x() < 0 || p.x() > 1 || p.y() < 0 || p.y() > 1;
                    });
                    QVERIFY2(key.opacity == 0.0 || outside, qPrintable(where));
                }
            }
        }
    }

    void everyThemeHasAPortraitSlot_data() { addThemeRows(); }

    void everyThemeHasAPortraitSlot()
    {
        QFETCH(int, id);
        float narrowest = 10.f;
        forEachSlot(id, [&](int, int, IMedia* media, long) {
            narrowest = std::min(narrowest, media->GetAspect());
        });
        QVERIFY(narrowest < 0.95f);
    }

    void anyMixWithoutMusicIsPlacedWhole_data() { addThemeRows(); }

    void anyMixWithoutMusicIsPlacedWhole()
    {
        QFETCH(int, id);
        {
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
