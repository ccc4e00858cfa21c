#include "scenereaders_p.h"

#include "drawhelpers.h"

#include "common/basetmplfactory.h"
#include "common/imgmediavalbase.h"
#include "common/imgscenebase.h"
#include "common/textmediabase.h"
#include "common/textmediavalbase.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using namespace drawtest;

namespace {

// Fills every frame with one colour; a stand-in for the real backgrounds.
class SolidInput : public IAVInput
{
public:
    SolidInput(QColor colour, int64_t frames, QString error = QString())
        : colour(colour)
        , frames(frames)
        , error(std::move(error))
    {
    }

    std::pair<int, int> GetTimeBase() const override { return {1, 30}; }
    int64_t GetDuration() const override { return frames; }
    int64_t GetFramesNumber() const override { return frames; }
    AVCodecContext* GetCodecContext() const override { return nullptr; }
    bool ReadFrame(AVFrame* out) override
    {
        if (!IsValid() || next >= frames)
            return false;
        for (int y = 0; y < out->height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(out->data[0] + y * out->linesize[0]);
            std::fill(line, line + out->width, colour.rgb());
        }
        out->pts = next++;
        return true;
    }
    bool IsValid() const override { return error.isEmpty(); }
    QString ErrorString() const override { return error; }

private:
    QColor colour;
    int64_t frames;
    int64_t next = 0;
    QString error;
};

QSharedPointer<IAVInput> solidInput(int64_t frames, QColor colour = Qt::black)
{
    return QSharedPointer<IAVInput>(new SolidInput(colour, frames));
}

QRgb frameBytes(const AVFrame* frame, int x, int y)
{
    return reinterpret_cast<const QRgb*>(frame->data[0] + y * frame->linesize[0])[x];
}

const QRectF centre(QPointF(0.25, 0.25), QPointF(0.75, 0.75));
const QRectF leftPart(QPointF(0.05, 0.05), QPointF(0.35, 0.45));

// Owns the slots, maps, scenes and values one test builds.
struct Scene
{
    std::map<int, IImgMedia*> imgSlots;
    std::map<int, ITextMedia*> textSlots;
    std::vector<std::unique_ptr<ImgMediaBase>> ownedImg;
    std::vector<std::unique_ptr<TextMediaBase>> ownedText;
    std::vector<std::unique_ptr<ISceneMedia>> values;
    SceneMediaPair entry{1, {}};
    std::unique_ptr<ImgSceneBase> imgScene;
    std::unique_ptr<IScene> textScene;

    void addImgSlot(int key, QRectF where, const QString& path = QString())
    {
        SlotSpec spec;
        for (int frame = 0; frame < 10; ++frame)
            spec.transforms[frame] = quad(where);
        spec.aspect = float(where.width() / where.height()) * 16.0f / 9.0f;
        auto* slot = new ImgMediaBase(makeSlot(spec));
        ownedImg.emplace_back(slot);
        imgSlots[key] = slot;
        if (!path.isNull())
            setValue(key, new ImgMediaValBase(path.toStdWString(), 0));
    }
    void addTextSlot(int key, QRectF where, const QString& texture = QString(),
                     IMedia::shadow_t shadow = noShadow())
    {
        IMedia::Transforms transforms;
        for (int frame = 0; frame < 10; ++frame)
            transforms[frame] = quad(where);
        const float aspect = float(where.width() / where.height()) * 16.0f / 9.0f;
        auto* slot = new TextMediaBase(transforms, aspect, QString(),
                                       QStringLiteral("DejaVu Sans,SansSerif,40,#ffffff"), 1.0f,
                                       1.0f, shadow, IMedia::VCenter, IMedia::HCenter,
                                       texture);
        ownedText.emplace_back(slot);
        textSlots[key] = slot;
    }
    void setValue(int key, ISceneMedia* value)
    {
        values.emplace_back(value);
        entry.second[key] = value;
    }
    IImgScene* img(long frames = 10)
    {
        imgScene = std::make_unique<ImgSceneBase>(&imgSlots, BgImage, L"", frames, 1, 30);
        return imgScene.get();
    }
};

// A text scene through the model's own factory (its class is internal).
ITextScene* makeTextScene(Scene& scene)
{
    BaseTmplFactory factory;
    ITextScene* text = factory.GetTextScene(&scene.textSlots, BgImage, L"", 10, 1, 30);
    scene.textScene.reset(text);
    return text;
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& test,
                const QRect& within = QRect())
{
    const QRect area = within.isNull() ? image.rect() : within;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace

class TestSceneReaders : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString red;
    QString blue;
    QString garbage;
    QString green;

    QString solidFile(const QString& name, QColor c)
    {
        QImage image(32, 18, QImage::Format_RGB32);
        image.fill(c);
        const QString path = dir.filePath(name);
        image.save(path);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        red = solidFile(QStringLiteral("red.png"), Qt::red);
        blue = solidFile(QStringLiteral("blue.png"), Qt::blue);
        green = solidFile(QStringLiteral("green.png"), QColor(0, 200, 0));
        garbage = dir.filePath(QStringLiteral("garbage.jpg"));
        QVERIFY(writeFile(garbage, QByteArray("not a picture")));
    }

    void framesAndIndex_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<QSize>("size");
        QTest::newRow("none") << 0 << QSize(64, 36);
        QTest::newRow("one") << 1 << QSize(64, 36);
        QTest::newRow("five") << 5 << QSize(64, 36);
        QTest::newRow("odd width") << 3 << QSize(37, 21);
    }
    void framesAndIndex()
    {
        QFETCH(int, frames);
        QFETCH(QSize, size);
        Scene scene;
        scene.addImgSlot(1, centre, red);
        ImgSceneReader reader(solidInput(frames), size.width(), size.height(), scene.img(),
                              &scene.entry);
        QVERIFY(reader.IsValid());
        QCOMPARE(reader.GetFrameIndex(), -1);
        int delivered = 0;
        while (reader.NextFrame()) {
            QCOMPARE(reader.GetFrameIndex(), delivered);
            ++delivered;
        }
        QCOMPARE(delivered, frames);
        QVERIFY(!reader.NextFrame());
    }

    void imageSharesTheFrame_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("16:9") << QSize(64, 36);
        QTest::newRow("odd width") << QSize(37, 21);
    }
    void imageSharesTheFrame()
    {
        QFETCH(QSize, size);
        Scene scene;
        ImgSceneReader reader(solidInput(2, QColor(10, 20, 30)), size.width(), size.height(),
                              scene.img(), &scene.entry);
        AVFrame* frame = reader.GetFrame();
        QVERIFY(frame);
        QCOMPARE(frame->format, int(AV_PIX_FMT_RGB32));
        QCOMPARE(QSize(frame->width, frame->height), size);
        QCOMPARE(frame->linesize[0] % 32, 0); // aligned for the SIMD converters
        QVERIFY(reader.NextFrame());
        const QSharedPointer<QImage> image = reader.GetImage();
        QCOMPARE(image->format(), QImage::Format_RGB32);
        QCOMPARE(image->size(), size);
        QCOMPARE(image->bytesPerLine(), frame->linesize[0]);
        QCOMPARE(image->constBits(), frame->data[0]);
        QCOMPARE(image->pixel(size.width() - 1, size.height() - 1), qRgb(10, 20, 30));
    }

    void sceneWithoutSlotsShowsTheBackground()
    {
        Scene scene;
        ImgSceneReader reader(solidInput(1, QColor(1, 2, 3)), 32, 18, scene.img(), &scene.entry);
        QVERIFY(reader.NextFrame());
        QCOMPARE(countPixels(*reader.GetImage(), [](QRgb p) { return p == qRgb(1, 2, 3); }),
                 32 * 18);
    }

    void slotsAreDrawnInKeyOrder_data()
    {
        QTest::addColumn<bool>("redFirst");
        QTest::newRow("red key 1, blue key 2") << true;
        QTest::newRow("blue key 1, red key 2") << false;
    }
    void slotsAreDrawnInKeyOrder()
    {
        QFETCH(bool, redFirst);
        Scene scene;
        // Inserted high key first: the map's order must decide, not insertion.
        scene.addImgSlot(2, centre, redFirst ? blue : red);
        scene.addImgSlot(1, centre, redFirst ? red : blue);
        ImgSceneReader reader(solidInput(1), 64, 36, scene.img(), &scene.entry);
        QVERIFY(reader.NextFrame());
        const QRgb top = redFirst ? qRgb(0, 0, 255) : qRgb(255, 0, 0);
        QCOMPARE(reader.GetImage()->pixel(32, 18), top);
        QCOMPARE(frameBytes(reader.GetFrame(), 32, 18), top);
        QCOMPARE(reader.GetImage()->pixel(2, 2), qRgb(0, 0, 0));
    }

    void slotIsDrawnOnlyOnItsKeyFrames()
    {
        Scene scene;
        SlotSpec spec;
        spec.transforms[1] = quad(centre);
        spec.aspect = 16.0f / 9.0f;
        ImgMediaBase slot = makeSlot(spec);
        scene.imgSlots[4] = &slot;
        scene.setValue(4, new ImgMediaValBase(red.toStdWString(), 0));
        ImgSceneReader reader(solidInput(3), 64, 36, scene.img(), &scene.entry);
        QList<QRgb> centres;
        while (reader.NextFrame())
            centres << reader.GetImage()->pixel(32, 18);
        QCOMPARE(centres, QList<QRgb>({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 0)}));
    }

    // Slot 1 has a fault; slot 2 must still be drawn and the frame goes on.
    void faultySlotDrawsNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("unreadable picture") << QStringLiteral("garbage");
        QTest::newRow("missing file") << QStringLiteral("missing");
        QTest::newRow("no value for the slot") << QStringLiteral("novalue");
        QTest::newRow("text value in an image slot") << QStringLiteral("text");
        QTest::newRow("null value") << QStringLiteral("null");
    }
    void faultySlotDrawsNothing()
    {
        QFETCH(QString, fault);
        Scene scene;
        scene.addImgSlot(1, leftPart);
        scene.addImgSlot(2, centre, blue);
        if (fault == QLatin1String("garbage"))
            scene.setValue(1, new ImgMediaValBase(garbage.toStdWString(), 0));
        else if (fault == QLatin1String("missing"))
            scene.setValue(1, new ImgMediaValBase(dir.filePath("none.png").toStdWString(), 1));
        else if (fault == QLatin1String("text"))
            scene.setValue(1, new TextMediaValBase(L"hello"));
        else if (fault == QLatin1String("null"))
            scene.entry.second[1] = nullptr;

        ImgSceneReader reader(solidInput(2), 64, 36, scene.img(), &scene.entry);
        QVERIFY(reader.IsValid());
        for (int i = 0; i < 2; ++i) {
            QVERIFY(reader.NextFrame());
            QCOMPARE(reader.GetImage()->pixel(10, 10), qRgb(0, 0, 0));
            QCOMPARE(reader.GetImage()->pixel(32, 18), qRgb(0, 0, 255));
        }
    }

    void nullEntryDrawsBackgroundOnly()
    {
        Scene scene;
        scene.addImgSlot(1, centre, red);
        ImgSceneReader reader(solidInput(1), 64, 36, scene.img(), nullptr);
        QVERIFY(reader.NextFrame());
        QCOMPARE(reader.GetImage()->pixel(32, 18), qRgb(0, 0, 0));
    }

    void inputFailureIsReported_data()
    {
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("nullInput");
        QTest::newRow("image scene, input failed") << false << false;
        QTest::newRow("text scene, input failed") << true << false;
        QTest::newRow("image scene, no input") << false << true;
        QTest::newRow("text scene, no input") << true << true;
    }
    void inputFailureIsReported()
    {
        QFETCH(bool, text);
        QFETCH(bool, nullInput);
        QSharedPointer<IAVInput> input;
        if (!nullInput)
            input.reset(new SolidInput(Qt::black, 5, QStringLiteral("Cannot open bg.mp4")));
        Scene scene;
        std::unique_ptr<ISceneReader> reader;
        if (text)
            reader = std::make_unique<TextSceneReader>(input, 64, 36, makeTextScene(scene),
                                                       &scene.entry, dir.path());
        else
            reader = std::make_unique<ImgSceneReader>(input, 64, 36, scene.img(), &scene.entry);
        QVERIFY(!reader->IsValid());
        if (nullInput)
            QVERIFY(!reader->ErrorString().isEmpty());
        else
            QCOMPARE(reader->ErrorString(), QStringLiteral("Cannot open bg.mp4"));
        QVERIFY(!reader->NextFrame());
        QCOMPARE(reader->GetFrameIndex(), -1);
    }

    void invalidSizeIsReported()
    {
        Scene scene;
        ImgSceneReader reader(solidInput(1), 0, 36, scene.img(), &scene.entry);
        QVERIFY(!reader.IsValid());
        QVERIFY(reader.ErrorString().contains(QLatin1String("0x36")));
        QVERIFY(!reader.NextFrame());
    }

    // A caller's copy of the image must not make drawing leave the frame.
    void callerCopyKeepsDrawingInTheFrame()
    {
        Scene scene;
        scene.addImgSlot(1, centre, red);
        ImgSceneReader reader(solidInput(2), 64, 36, scene.img(), &scene.entry);
        QVERIFY(reader.NextFrame());
        const QImage copy = *reader.GetImage();
        QVERIFY(reader.NextFrame());
        QCOMPARE(frameBytes(reader.GetFrame(), 32, 18), qRgb(255, 0, 0));
        QCOMPARE(reader.GetImage()->constBits(), reader.GetFrame()->data[0]);
        QCOMPARE(copy.size(), QSize(64, 36));
    }

    void textIsDrawnInsideItsSlot_data()
    {
        QTest::addColumn<QString>("texture");
        QTest::addColumn<QRgb>("glyphColour");
        QTest::newRow("plain") << QString() << qRgb(255, 255, 255);
        QTest::newRow("textured") << QStringLiteral("green.png") << qRgb(0, 200, 0);
        QTest::newRow("missing texture keeps plain text")
            << QStringLiteral("nothing.png") << qRgb(255, 255, 255);
    }
    void textIsDrawnInsideItsSlot()
    {
        QFETCH(QString, texture);
        QFETCH(QRgb, glyphColour);
        Scene scene;
        scene.addTextSlot(1, centre, texture);
        scene.setValue(1, new TextMediaValBase(L"HELLO"));
        TextSceneReader reader(solidInput(1), 320, 180, makeTextScene(scene), &scene.entry,
                               dir.path() + QLatin1Char('/'));
        QVERIFY(reader.IsValid());
        QVERIFY(reader.NextFrame());
        const QImage& image = *reader.GetImage();
        const QRect slot(80, 45, 160, 90);
        const int glyphs = countPixels(image, [&](QRgb p) { return p == glyphColour; }, slot);
        QVERIFY2(glyphs > 200, qPrintable(QString::number(glyphs)));
        const int lit = countPixels(image, [](QRgb p) { return p != qRgb(0, 0, 0); });
        const int litInside = countPixels(image, [](QRgb p) { return p != qRgb(0, 0, 0); },
                                          slot.adjusted(-1, -1, 1, 1));
        QCOMPARE(lit, litInside);
        if (glyphColour != qRgb(255, 255, 255))
            QCOMPARE(countPixels(image, [](QRgb p) { return p == qRgb(255, 255, 255); }), 0);
    }

    void longerTextIsSmaller()
    {
        auto letterHeight = [this](const std::wstring& text) {
            Scene scene;
            scene.addTextSlot(1, QRectF(0, 0, 1, 1));
            scene.setValue(1, new TextMediaValBase(text));
            TextSceneReader reader(solidInput(1), 320, 180, makeTextScene(scene), &scene.entry,
                                   dir.path());
            if (!reader.NextFrame())
                return -1;
            // The tallest lit run in any column: the height of one letter I.
            const QImage& image = *reader.GetImage();
            int tallest = 0;
            for (int x = 0; x < image.width(); ++x) {
                int run = 0;
                for (int y = 0; y < image.height(); ++y) {
                    run = image.pixel(x, y) != qRgb(0, 0, 0) ? run + 1 : 0;
                    tallest = std::max(tallest, run);
                }
            }
            return tallest;
        };
        const int one = letterHeight(L"I");
        const int many = letterHeight(L"I I I I I I I I I I I I I I I I I I I I I I I I I I I I I I");
        QVERIFY(one > 0 && many > 0);
        // A single letter fills the height; a long text is set smaller to fit.
        QVERIFY2(many < one, qPrintable(QStringLiteral("%1 vs %2").arg(many).arg(one)));
    }

    // The text's shadow is measured in points of the chosen size: a shadow
    // offset of 0.1 moves it a tenth of the letter size down and right.
    void textShadowFollowsThePointSize()
    {
        Scene scene;
        scene.addTextSlot(1, QRectF(0, 0, 1, 1), QString(),
                          shadow(0.1f, 0.1f, 0.0f, QColor(255, 0, 0)));
        scene.setValue(1, new TextMediaValBase(L"I"));
        TextSceneReader reader(solidInput(1), 320, 180, makeTextScene(scene), &scene.entry,
                               dir.path());
        QVERIFY(reader.NextFrame());
        const QImage& image = *reader.GetImage();
        QRect glyph;
        QRect shade;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (p == qRgb(255, 255, 255))
                    glyph |= QRect(x, y, 1, 1);
                else if (qRed(p) > 200 && qGreen(p) < 50)
                    shade |= QRect(x, y, 1, 1);
            }
        QVERIFY(!glyph.isNull() && !shade.isNull());
        // The letter fills about 96 % of 180 px: its point size is over 100, so
        // the shadow is offset by about 10 px of the text picture.
        const int dx = shade.right() - glyph.right();
        const int dy = shade.bottom() - glyph.bottom();
        QVERIFY2(dx >= 5 && dy >= 5, qPrintable(QStringLiteral("%1, %2").arg(dx).arg(dy)));
    }

    void faultyTextSlotDrawsNothing_data()
    {
        QTest::addColumn<bool>("wrongKind");
        QTest::newRow("picture value in a text slot") << true;
        QTest::newRow("no value for the slot") << false;
    }
    void faultyTextSlotDrawsNothing()
    {
        QFETCH(bool, wrongKind);
        Scene scene;
        scene.addTextSlot(1, leftPart);
        scene.addTextSlot(2, centre);
        if (wrongKind)
            scene.setValue(1, new ImgMediaValBase(red.toStdWString(), 0));
        scene.setValue(2, new TextMediaValBase(L"HELLO"));
        TextSceneReader reader(solidInput(1), 320, 180, makeTextScene(scene), &scene.entry,
                               dir.path());
        QVERIFY(reader.NextFrame());
        const QImage& image = *reader.GetImage();
        QCOMPARE(countPixels(image, [](QRgb p) { return p != qRgb(0, 0, 0); },
                             QRect(16, 9, 90, 60)),
                 0);
        QVERIFY(countPixels(image, [](QRgb p) { return p == qRgb(255, 255, 255); },
                            QRect(80, 45, 160, 90))
                > 200);
    }
};

QTEST_MAIN(TestSceneReaders)
#include "tst_scenereaders.moc"
