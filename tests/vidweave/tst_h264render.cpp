#include "folderpaths.h"
#include "mediaprobe.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/endlogobase.h"
#include "common/release.h"
#include "vidweave/vidweave.h"
#include "vidweave/musicsound.h"
#include "vidweave/vidweavefactory.h"

#include <QProcess>
#include <QtTest>

#include <memory>

namespace {

const int W = 160;
const int H = 90;

/// A scene kind the renderer must refuse.
class OddScene : public IImgScene
{
public:
    SceneType GetType() const override { return SceneType(5); }
    SceneBgType GetBgType() const override { return BgImage; }
    std::wstring GetBgFileName() const override { return L"red.png"; }
    long GetFramesNumber() const override { return 10; }
    void GetTimeBase(int& num, int& den) const override { num = 1, den = 30; }
    int GetMediaSize() const override { return 0; }
    std::map<int, IImgMedia*>* GetMedia() const override { return nullptr; }
};

IMedia::Transforms centreKeys(int frames)
{
    IMedia::Transforms keys;
    for (int f = 0; f < frames; ++f) {
        IMedia::transformation_t t;
        t.x0 = 0.25, t.y0 = 0.25, t.x1 = 0.75, t.y1 = 0.25;
        t.x2 = 0.75, t.y2 = 0.75, t.x3 = 0.25, t.y3 = 0.75;
        t.opacity = 1.f;
        keys[f] = t;
    }
    return keys;
}

struct Fixture
{
    QTemporaryDir dir;
    BaseTmplFactory tmplFactory;
    BasePrjFactory prjFactory;
    std::map<int, IScene*> scenes;
    ITmpl* tmpl = nullptr;
    SceneMediaList media;
    std::unique_ptr<FolderPaths> paths;

    Fixture()
    {
        paths = std::make_unique<FolderPaths>(dir.path());
        for (auto [name, colour] : {std::pair{"red", Qt::red}, {"blue", Qt::blue},
                                    {"white", Qt::white}, {"magenta", Qt::magenta}}) {
            QImage image(W, H, QImage::Format_RGB32);
            image.fill(colour);
            image.save(file(QString(name) + ".png"));
        }
    }
    ~Fixture()
    {
        ClearSceneMedia(media);
        ReleaseTmpl(tmpl);
    }
    QString file(const QString& name) const { return dir.filePath(name); }

    void addStillScene(int id, const std::wstring& background, int frames)
    {
        auto* slotMap = new std::map<int, IImgMedia*>;
        (*slotMap)[0] = tmplFactory.GetImgMedia(centreKeys(frames), 16.f / 9.f, 0.f, {}, {}, 1.f,
                                              1.f, IMedia::VCenter, IMedia::HCenter);
        scenes[id] = tmplFactory.GetImgScene(slotMap, BgImage, background, frames, 1, 30);
    }
    void makeTemplate(int fadeIn, int fadeOut, int overflow)
    {
        tmpl = tmplFactory.GetTmpl(scenes, fadeIn, fadeOut, overflow, 70);
    }
    void play(int scene)
    {
        SceneMediaMap values;
        values[0] = prjFactory.GetImgMediaVal(file("white.png").toStdWString(), 0);
        media.push_back(new SceneMediaPair(scene, values));
    }
};

struct Outcome
{
    bool failed = false;
    QString error;
    int progressCalls = 0;
    float lastPercent = 0;
};

Outcome render(Fixture& f, const QString& output, QStringList music = {},
               QSharedPointer<IEndLogo> logo = {}, int width = W, int height = H,
               int stopAtFrame = -1)
{
    VidweaveFactory factory;
    std::unique_ptr<IPrjRender> render(factory.GetH264PrjRender());
    Outcome outcome;
    QObject::connect(render.get(), &IPrjRender::progress, [&](QImage* image, float percent) {
        ++outcome.progressCalls;
        outcome.lastPercent = percent;
        QVERIFY(image && image->width() == width);
        if (outcome.progressCalls == stopAtFrame)
            render->Stop();
    });
    std::unique_ptr<IPrj> prj(f.prjFactory.GetPrj(1, &f.media, music));
    render->Render(1, f.tmpl, prj.get(), f.paths.get(), output, height, width, {}, logo);
    outcome.failed = render->Failed();
    outcome.error = render->ErrorString();
    return outcome;
}

bool near(const QColor& a, const QColor& b, int tolerance = 12)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

QString tone(const QTemporaryDir& dir, const QString& name, double seconds, int rate, int channels)
{
    const QString path = dir.filePath(name);
    const int rc = QProcess::execute(
        "ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                   QString("sine=frequency=440:sample_rate=%1:duration=%2").arg(rate).arg(seconds),
                   "-ac", QString::number(channels), "-c:a", "aac", path});
    return rc == 0 ? path : QString();
}

const QRect corner(2, 2, 12, 8); // background only, away from the slot

} // namespace

class TestH264Render : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VidweaveInit(); }

    void frameCountDurationAndStreams_data()
    {
        QTest::addColumn<int>("scenes");
        QTest::addColumn<int>("overflow");
        QTest::addColumn<int>("expectedFrames");
        QTest::newRow("one scene") << 1 << 10 << 30;
        QTest::newRow("no overlap") << 3 << 0 << 90;
        QTest::newRow("overlap of 10") << 3 << 10 << 70;
    }

    void frameCountDurationAndStreams()
    {
        QFETCH(int, scenes);
        QFETCH(int, overflow);
        QFETCH(int, expectedFrames);
        Fixture f;
        f.addStillScene(1, L"red.png", 30);
        f.makeTemplate(0, 0, overflow);
        for (int i = 0; i < scenes; ++i)
            f.play(1);
        const QString out = f.file("out.mp4");
        const Outcome outcome = render(f, out);
        QVERIFY2(!outcome.failed, qPrintable(outcome.error));
        QCOMPARE(outcome.progressCalls, expectedFrames);
        QVERIFY(qAbs(outcome.lastPercent - 100.f) < 0.01f);

        const ProbedMedia probe = probeMedia(out, false);
        QVERIFY(probe.opened);
        QCOMPARE(probe.videoStreams, 1);
        QCOMPARE(probe.audioStreams, 0);
        QCOMPARE(probe.videoCodec, QString("h264"));
        QCOMPARE(probe.width, W);
        QCOMPARE(probe.height, H);
        QCOMPARE(int(probe.frames.size()), expectedFrames);
        QVERIFY(qAbs(probe.frameRate - 30.0) < 0.01);
        QVERIFY(qAbs(probe.videoSeconds - expectedFrames / 30.0) < 0.02);
    }

    void fadesAndCrossFade()
    {
        Fixture f;
        f.addStillScene(1, L"red.png", 30);
        f.addStillScene(2, L"blue.png", 30);
        f.makeTemplate(10, 10, 10);
        f.play(1);
        f.play(2);
        const QString out = f.file("out.mp4");
        QVERIFY(!render(f, out).failed);
        const ProbedMedia probe = probeMedia(out);
        QCOMPARE(int(probe.frames.size()), 50);

        // First frame: darkened by trunc(255 * (1 - 1/10)) = 229.
        QVERIFY(near(meanColour(probe.frames[0], corner), QColor(255 - 229, 0, 0)));
        // Fade-in over: the ninth frame is darkened by 25, the tenth not at all.
        QVERIFY(near(meanColour(probe.frames[9], corner), QColor(255, 0, 0)));
        // The second scene starts under the first at opacity 0.9, 0.8 ...
        QVERIFY(near(meanColour(probe.frames[20], corner), QColor(230, 0, 25)));
        QVERIFY(near(meanColour(probe.frames[24], corner), QColor(128, 0, 128)));
        QVERIFY(near(meanColour(probe.frames[29], corner), QColor(0, 0, 255)));
        // The slot keeps its white picture through the blend.
        QVERIFY(near(meanColour(probe.frames[24], QRect(W / 2 - 5, H / 2 - 5, 10, 10)),
                     QColor(255, 255, 255)));
        // Fade-out: the last frame is black.
        QVERIFY(near(meanColour(probe.frames.back(), probe.frames.back().rect()), QColor(0, 0, 0)));
    }

    void endLogoCoversTheLastFrames()
    {
        Fixture f;
        f.addStillScene(1, L"red.png", 30);
        f.makeTemplate(0, 0, 0);
        f.play(1);
        const QString out = f.file("out.mp4");
        auto logo = QSharedPointer<IEndLogo>(new EndLogoBase(f.file("magenta.png"), 4, 10));
        QVERIFY(!render(f, out, {}, logo).failed);
        const ProbedMedia probe = probeMedia(out);
        QCOMPARE(int(probe.frames.size()), 30);
        // The logo starts with the 20th frame at opacity 0, then 1/4, 2/4, 3/4, 1.
        QVERIFY(near(meanColour(probe.frames[19], corner), QColor(255, 0, 0)));
        QVERIFY(near(meanColour(probe.frames[20], corner), QColor(255, 0, 64)));
        QVERIFY(near(meanColour(probe.frames[21], corner), QColor(255, 0, 128)));
        QVERIFY(near(meanColour(probe.frames[29], probe.frames[29].rect()), QColor(255, 0, 255)));
    }

    void stopLeavesNoFile()
    {
        Fixture f;
        f.addStillScene(1, L"red.png", 30);
        f.makeTemplate(0, 0, 0);
        f.play(1);
        f.play(1);
        const QString out = f.file("out.mp4");
        const Outcome outcome = render(f, out, {}, {}, W, H, 5);
        QVERIFY(!outcome.failed);
        QCOMPARE(outcome.progressCalls, 5);
        QVERIFY(!QFile::exists(out));
    }

    void emptyProjectGivesAnEmptyFile()
    {
        Fixture f;
        f.addStillScene(1, L"red.png", 30);
        f.makeTemplate(0, 0, 0);
        const QString out = f.file("out.mp4");
        const Outcome outcome = render(f, out);
        QVERIFY2(!outcome.failed, qPrintable(outcome.error));
        QCOMPARE(outcome.progressCalls, 0);
        const ProbedMedia probe = probeMedia(out, false);
        // The container is complete (it opens), with nothing to play.
        QVERIFY(probe.opened);
        QCOMPARE(int(probe.frames.size()), 0);
    }

    void failuresAreReportedAndLeaveNoFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("missing still background") << "no still";
        QTest::newRow("no frame size") << "no size";
        QTest::newRow("scene missing from the theme") << "missing scene";
        QTest::newRow("unknown scene kind") << "odd scene";
        QTest::newRow("unknown background kind") << "odd background";
        QTest::newRow("unreadable background") << "no background";
        QTest::newRow("output folder missing") << "no folder";
    }

    void failuresAreReportedAndLeaveNoFile()
    {
        QFETCH(QString, fault);
        Fixture f;
        f.addStillScene(1, L"red.png", 30);
        QString out = f.file("out.mp4");
        if (fault == "odd scene")
            f.scenes[2] = new OddScene;
        if (fault == "odd background") {
            auto* slotMap = new std::map<int, IImgMedia*>;
            f.scenes[2] = f.tmplFactory.GetImgScene(slotMap, SceneBgType(3), L"red.png", 10, 1, 30);
        }
        if (fault == "no background")
            f.scenes[2] = f.tmplFactory.GetImgScene(new std::map<int, IImgMedia*>, BgVideo,
                                                    L"nothing.mp4", 10, 1, 30);
        if (fault == "no still")
            f.addStillScene(2, L"nothing.png", 10);
        if (fault == "no folder")
            out = f.file("missing/folder/out.mp4");
        f.makeTemplate(0, 0, 0);
        f.play(1);
        f.play(fault == "no folder" || fault == "no size" ? 1 : 2);

        const Outcome outcome = render(f, out, {}, {}, fault == "no size" ? 0 : W);
        QVERIFY(outcome.failed);
        QVERIFY(!outcome.error.isEmpty());
        QVERIFY(!QFile::exists(out));
    }

    void stillWithoutTimeBasePlaysAtTheOutputRate()
    {
        Fixture f;
        auto* slotMap = new std::map<int, IImgMedia*>;
        f.scenes[1] = f.tmplFactory.GetImgScene(slotMap, BgImage, L"red.png", 45, 0, 0);
        f.makeTemplate(0, 0, 0);
        f.play(1);
        const QString out = f.file("out.mp4");
        const Outcome outcome = render(f, out);
        QVERIFY2(!outcome.failed, qPrintable(outcome.error));
        const ProbedMedia probe = probeMedia(out, false);
        QCOMPARE(int(probe.frames.size()), 45);
        QVERIFY(qAbs(probe.videoSeconds - 1.5) < 0.01);
    }

    void musicPlaysBackToBackWithFades()
    {
        Fixture f;
        const QString a = tone(f.dir, "a.m4a", 10, 48000, 1);
        const QString b = tone(f.dir, "b.m4a", 10, 44100, 2);
        QVERIFY(!a.isEmpty() && !b.isEmpty());
        f.addStillScene(1, L"red.png", 150);
        f.makeTemplate(0, 0, 0);
        for (int i = 0; i < 3; ++i)
            f.play(1);
        const QString out = f.file("out.mp4");
        const Outcome outcome = render(f, out, {a, f.file("not-music.txt"), b});
        QVERIFY2(!outcome.failed, qPrintable(outcome.error));

        const ProbedMedia probe = probeMedia(out, false);
        QCOMPARE(probe.audioStreams, 1);
        QCOMPARE(probe.audioCodec, QString("aac"));
        QCOMPARE(probe.audioSampleRate, 44100);
        QCOMPARE(probe.audioChannels, 2);
        // The encoder's priming frame comes first, so the music starts with
        // the video; it ends less than one AAC frame before the video does.
        const double aacFrame = 1024.0 / 44100;
        QVERIFY2(qAbs(probe.firstAudioPacket + aacFrame) < 0.001,
                 qPrintable(QString::number(probe.firstAudioPacket)));
        QVERIFY2(probe.audioSeconds > 15.0 - aacFrame && probe.audioSeconds <= 15.0 + 0.001,
                 qPrintable(QString::number(probe.audioSeconds)));
        const int rate = probe.audioSampleRate;
        const double full = rms(probe.audio, rate, 3.0, 4.0);
        QVERIFY(full > 0.02); // lavfi's sine has an amplitude of 1/8
        // Each file fades in from silence and out over its last second.
        QVERIFY(rms(probe.audio, rate, 0.0, 0.05) < full * 0.1);
        QVERIFY(rms(probe.audio, rate, 0.5, 0.55) > full * 0.3);
        QVERIFY(rms(probe.audio, rate, 9.95, 10.05) < full * 0.15);
        QVERIFY(rms(probe.audio, rate, 12.0, 13.0) > full * 0.8);
        // The fades take one second: 1.5 s before an end the music is full.
        QVERIFY(rms(probe.audio, rate, 8.45, 8.55) > full * 0.9);
        QVERIFY(rms(probe.audio, rate, 13.45, 13.55) > full * 0.9);
        // And out over the video's last second.
        QVERIFY(rms(probe.audio, rate, 14.9, 15.0) < full * 0.2);

        // A player's sound, from any moment, is the video's music there:
        // in a fade in, in full, past an unreadable file, in the last fade.
        MusicSound sound({a, f.file("not-music.txt"), b}, 15.0);
        for (const double from : {0.0, 0.3, 4.2, 9.6, 10.5, 14.2}) {
            sound.seek(from);
            const QByteArray pcm = sound.read(MusicSound::sampleRate * 3 / 4);
            QCOMPARE(sound.position(), std::min(15.0, from + 0.75));
            std::vector<float> left;
            for (int i = 0; i + 3 < pcm.size(); i += MusicSound::bytesPerSample)
                left.push_back(float(*reinterpret_cast<const int16_t*>(pcm.constData() + i)) / 32768.f);
            QCOMPARE(int(left.size()), int(std::round((std::min(15.0, from + 0.75) - from) * 44100)));
            for (double t = 0; t + 0.05 <= double(left.size()) / 44100; t += 0.05) {
                const double heard = rms(left, 44100, t, t + 0.05);
                const double video = rms(probe.audio, rate, from + t, from + t + 0.05);
                QVERIFY2(std::abs(heard - video) < full * 0.12,
                         qPrintable(QString("at %1 s: %2 against %3").arg(from + t).arg(heard).arg(video)));
            }
        }
        sound.seek(14.9);
        QCOMPARE(sound.read(MusicSound::sampleRate).size(), 4410 * MusicSound::bytesPerSample);
        QVERIFY(sound.read(100).isEmpty()); // nothing after the video's end
    }

    void hdRenderWithMusic_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("720p") << 1280 << 720;
        QTest::newRow("1080p") << 1920 << 1080;
    }

    void hdRenderWithMusic()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        Fixture f;
        const QString music = tone(f.dir, "m.m4a", 5, 44100, 2);
        f.addStillScene(1, L"red.png", 45);
        f.addStillScene(2, L"blue.png", 45);
        f.makeTemplate(15, 15, 15);
        f.play(1);
        f.play(2);
        const QString out = f.file("hd.mp4");
        QElapsedTimer timer;
        timer.start();
        const Outcome outcome = render(f, out, {music}, {}, width, height);
        QVERIFY2(!outcome.failed, qPrintable(outcome.error));
        qInfo("%dx%d: %d frames in %lld ms (%.1f fps)", width, height, outcome.progressCalls,
              timer.elapsed(), outcome.progressCalls * 1000.0 / qMax<qint64>(1, timer.elapsed()));

        const ProbedMedia probe = probeMedia(out, false);
        QCOMPARE(probe.width, width);
        QCOMPARE(probe.height, height);
        QCOMPARE(int(probe.frames.size()), 75);
        QCOMPARE(probe.audioStreams, 1);

        QProcess ffprobe;
        ffprobe.start("ffprobe", {"-v", "error", "-show_format", "-show_streams", out});
        QVERIFY(ffprobe.waitForFinished(60000));
        QCOMPARE(ffprobe.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(ffprobe.readAllStandardError()), QString());
    }
};

QTEST_MAIN(TestH264Render)
#include "tst_h264render.moc"
