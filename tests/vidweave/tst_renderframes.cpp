// The finished frames of a short project against frames kept from an earlier
// render: faster drawing must not change the picture. The project covers a
// video background stretched to the frame with grain laid on, stills, moving, turning, skewed
// and fading slots with borders and shadows, a textured text scene, two
// cross-fades, the fade in and out, a watermark and the closing picture.
//
// After an intended change of the picture, run with
// PICTAVIO_RENDERFRAMES_SAVE=<folder> to write the new frames there, look at
// them and copy them over tests/vidweave/renderframes/.

#include "folderpaths.h"
#include "drawhelpers.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/endlogobase.h"
#include "common/release.h"
#include "common/watermarkbase.h"
#include "vidweave/vidweave.h"
#include "vidweave/vidweavefactory.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace drawtest;

namespace {

const int W = 192;
const int H = 108;
const QString referenceDir = QStringLiteral(PICTAVIO_RENDERFRAMES_DIR);
// Frames kept: fade-in, both cross-fades, a text scene, fade-out, the logo.
const QList<int> keptFrames{0, 4, 12, 23, 27, 33, 43, 47, 53, 55, 61};

// A picture with smooth and hard edges and some lettering.
QImage picture(QSize size, QColor base)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, base);
    gradient.setColorAt(1, base.darker(250));
    painter.fillRect(image.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(250, 240, 30));
    painter.drawEllipse(QRectF(size.width() * 0.1, size.height() * 0.2, size.width() * 0.35,
                               size.height() * 0.35));
    painter.fillRect(QRectF(size.width() * 0.55, size.height() * 0.5, size.width() * 0.3,
                            size.height() * 0.4),
                     Qt::darkBlue);
    painter.setPen(Qt::white);
    QFont font("DejaVu Sans");
    font.setPixelSize(size.height() / 6);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignBottom | Qt::AlignLeft, "Pictavio");
    return image;
}

enum class Motion { Straight, Turning, Skewed };

// Key frames of a slot that drifts by \a drift and fades in over \a fadeFrames;
// it stays a rectangle, turns (a parallelogram, as the themes' slots do) or
// skews (a general quad).
IMedia::Transforms moving(int frames, QRectF start, QPointF drift, int fadeFrames,
                          Motion motion)
{
    IMedia::Transforms keys;
    for (int f = 0; f < frames; ++f) {
        const double t = double(f) / frames;
        const float opacity = f < fadeFrames ? float(f + 1) / float(fadeFrames + 1) : 1.0f;
        const QRectF r = start.translated(drift * t);
        IMedia::transformation_t k = quad(r, opacity);
        if (motion == Motion::Turning) {
            QTransform turn;
            turn.translate(r.center().x(), r.center().y());
            turn.rotate(12.0 * t);
            turn.translate(-r.center().x(), -r.center().y());
            const QPolygonF corners = turn.map(QPolygonF(r));
            k.x0 = corners[0].x(), k.y0 = corners[0].y();
            k.x1 = corners[1].x(), k.y1 = corners[1].y();
            k.x2 = corners[2].x(), k.y2 = corners[2].y();
            k.x3 = corners[3].x(), k.y3 = corners[3].y();
        } else if (motion == Motion::Skewed) {
            k.x1 += 0.03 * t;
            k.y3 -= 0.02 * t;
        }
        keys[f] = k;
    }
    return keys;
}

struct Project
{
    QTemporaryDir dir;
    BaseTmplFactory tmplFactory;
    BasePrjFactory prjFactory;
    ITmpl* tmpl = nullptr;
    SceneMediaList media;

    QString file(const QString& name) const { return dir.filePath(name); }

    Project()
    {
        picture(QSize(90, 50), QColor(40, 120, 60)).save(file("still.png"));
        picture(QSize(30, 30), QColor(200, 80, 20)).save(file("texture.png"));
        picture(QSize(800, 600), QColor(30, 90, 200)).save(file("landscape.jpg"), "JPG", 92);
        picture(QSize(300, 420), QColor(160, 40, 120)).save(file("portrait.png"));
        picture(QSize(W, H), QColor(250, 250, 250)).save(file("logo.png"));
        picture(QSize(40, 20), QColor(0, 0, 0)).save(file("mark.png"));

        std::map<int, IScene*> scenes;
        auto* videoSlots = new std::map<int, IImgMedia*>;
        (*videoSlots)[0] = tmplFactory.GetImgMedia(
            moving(30, QRectF(0.08, 0.1, 0.5, 0.6), QPointF(0.2, 0.1), 6, Motion::Turning), 1.4f, 0.03f,
            colour(Qt::white), shadow(0.5f, 0.9f, 3.f, QColor(60, 20, 10, 120)), 0.6f, 0.7f,
            IMedia::VCenter, IMedia::HCenter);
        (*videoSlots)[1] = tmplFactory.GetImgMedia(
            moving(30, QRectF(0.62, 0.15, 0.3, 0.7), QPointF(-0.1, 0.05), 20, Motion::Skewed), 0.8f, 0.f, {},
            noShadow(), 0.4f, 0.9f, IMedia::Top, IMedia::Left);
        scenes[1] = tmplFactory.GetImgScene(videoSlots, BgVideo, L"", 30, 1, 30, 8);

        auto* textSlots = new std::map<int, ITextMedia*>;
        (*textSlots)[0] = tmplFactory.GetTextMedia(
            moving(24, QRectF(0.1, 0.1, 0.8, 0.8), QPointF(0.0, 0.05), 8, Motion::Straight), 16.f / 9.f,
            shadow(0.f, 0.02f, 0.12f, QColor(80, 30, 20, 140)), 0.8f, 0.8f,
            "DejaVu Sans,SansSerif,40,#fffaf0", "", IMedia::VCenter, IMedia::HCenter,
            "texture.png");
        scenes[2] = tmplFactory.GetTextScene(textSlots, BgImage, L"still.png", 24, 1, 30);

        auto* stillSlots = new std::map<int, IImgMedia*>;
        (*stillSlots)[0] = tmplFactory.GetImgMedia(
            moving(24, QRectF(0.2, 0.15, 0.6, 0.7), QPointF(-0.1, 0.0), 4, Motion::Turning), 1.33f, 0.02f,
            colour(QColor(255, 250, 240)), shadow(0.5f, 0.5f, 2.f), 0.7f, 0.8f,
            IMedia::VCenter, IMedia::HCenter);
        scenes[3] = tmplFactory.GetImgScene(stillSlots, BgImage, L"still.png", 24, 1, 30);
        tmpl = tmplFactory.GetTmpl(scenes, 10, 10, 8, 70);

        SceneMediaMap first;
        first[0] = prjFactory.GetImgMediaVal(file("landscape.jpg").toStdWString(), 0);
        first[1] = prjFactory.GetImgMediaVal(file("portrait.png").toStdWString(), 1);
        media.push_back(new SceneMediaPair(1, first));
        SceneMediaMap text;
        text[0] = prjFactory.GetTextMediaVal(L"Long summer\nevenings");
        media.push_back(new SceneMediaPair(2, text));
        SceneMediaMap last;
        last[0] = prjFactory.GetImgMediaVal(file("portrait.png").toStdWString(), 0);
        media.push_back(new SceneMediaPair(3, last));
    }
    ~Project()
    {
        ClearSceneMedia(media);
        ReleaseTmpl(tmpl);
    }
};

// Every finished frame of the project's render.
QList<QImage> renderFrames(Project& project)
{
    QList<QImage> frames;
    std::unique_ptr<IPrjRender> render(VidweaveFactory().GetH264PrjRender());
    QObject::connect(render.get(), &IPrjRender::progress,
                     [&](QImage* image, float) { frames << image->copy(); });
    FolderPaths paths(project.dir.path(), referenceDir);
    std::unique_ptr<IPrj> prj(project.prjFactory.GetPrj(1, &project.media, {}));
    render->Render(1, project.tmpl, prj.get(), &paths, project.file("out.mp4"), H, W,
                   QSharedPointer<IWatermark>(new WatermarkBase(project.file("mark.png"),
                                                                QPoint(140, 6), 40)),
                   QSharedPointer<IEndLogo>(new EndLogoBase(project.file("logo.png"), 4, 8)));
    if (render->Failed())
        qWarning("%s", qPrintable(render->ErrorString()));
    return frames;
}

// The mean absolute difference of the worst of red, green and blue.
double worstChannelMean(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sums[3] = {};
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sums[0] += std::abs(qRed(p) - qRed(q));
            sums[1] += std::abs(qGreen(p) - qGreen(q));
            sums[2] += std::abs(qBlue(p) - qBlue(q));
        }
    }
    return std::max({sums[0], sums[1], sums[2]}) / (double(x.width()) * x.height());
}

} // namespace

class TestRenderFrames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        VidweaveInit();
        Project project;
        frames = renderFrames(project);
        const QString saveDir = qEnvironmentVariable("PICTAVIO_RENDERFRAMES_SAVE");
        if (!saveDir.isEmpty()) {
            QDir().mkpath(saveDir);
            for (int index : keptFrames)
                if (index < frames.size())
                    frames.at(index).save(QDir(saveDir).filePath(frameName(index)));
        }
    }

    void everyFrameIsRendered()
    {
        // 30 + 24 + 24 frames, less two cross-fades of 8.
        QCOMPARE(frames.size(), 62);
        for (const QImage& frame : frames)
            QCOMPARE(frame.size(), QSize(W, H));
    }

    void framesMatchTheKeptOnes_data()
    {
        QTest::addColumn<int>("index");
        for (int index : keptFrames)
            QTest::newRow(qPrintable(frameName(index))) << index;
    }

    void framesMatchTheKeptOnes()
    {
        QFETCH(int, index);
        QVERIFY(index < frames.size());
        const QImage kept(QDir(referenceDir).filePath(frameName(index)));
        QVERIFY2(!kept.isNull(), qPrintable(frameName(index)));
        QCOMPARE(kept.size(), frames.at(index).size());
        const Difference d = channelDifference(frames.at(index), kept, 8);
        const double mean = worstChannelMean(frames.at(index), kept);
        QVERIFY2(d.most <= 8 && mean < 1.0,
                 qPrintable(QString("largest difference %1, mean %2").arg(d.most).arg(mean)));
    }

private:
    static QString frameName(int index) { return QString("frame-%1.png").arg(index, 2, 10, QChar('0')); }

    QList<QImage> frames;
};

QTEST_MAIN(TestRenderFrames)
#include "tst_renderframes.moc"
