#include "themewriter.h"

#include "contactsheet.h"

#include "avoutput_p.h"
#include "avptr_p.h"
#include "common/contentaddress.h"
#include "docloom/xmlwriter.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
}

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const int videoWidth = 1280;
const int videoHeight = 720;

// Soft backgrounds (bokeh, light) are stored at half size and stretched when
// rendered; paper keeps its fine fibres.
QSize videoSize(BgStyle style)
{
    return style == BgStyle::Paper ? QSize(videoWidth, videoHeight) : QSize(640, 360);
}

QString number(double value)
{
    return QString::number(value, 'f', 5);
}

/// The template lists corners as top-left, top-right, bottom-left, bottom-right.
QString frameText(const IMedia::transformation_t& t)
{
    return QStringList{number(t.x0), number(t.y0), number(t.x1), number(t.y1),
                       number(t.x3), number(t.y3), number(t.x2), number(t.y2)}
        .join(',');
}

/// Width over height in output pixels of the slot's resting placement.
double restingAspect(const SlotSpec& slot)
{
    const Placement& p = slot.keys.size() > 1 ? slot.keys[slot.keys.size() - 2].at : slot.keys[0].at;
    return p.w * videoWidth / (p.h * videoHeight);
}

/// The largest on-screen size the slot reaches, so pictures are prepared no
/// smaller than they are shown.
std::pair<double, double> largestSize(const SlotSpec& slot)
{
    double w = 0, h = 0;
    for (const Key& key : slot.keys) {
        w = std::max(w, key.at.w);
        // A lean makes one side edge longer than the slot's height.
        h = std::max(h, key.at.h * (1 + std::abs(key.at.lean) / 2));
    }
    return {std::min(1.5, w * 1.05), std::min(1.5, h * 1.05)};
}

void writeSlot(QXmlStreamWriter& xml, const ThemeSpec& theme, const SceneSpec& scene, int id,
               const SlotSpec& slot)
{
    xml.writeStartElement("object");
    xml.writeAttribute("id", QString::number(id));
    xml.writeAttribute("aspect", number(restingAspect(slot)));
    xml.writeAttribute("v-pos", QString::number(slot.vPos));
    xml.writeAttribute("h-pos", QString::number(slot.hPos));
    const auto [maxW, maxH] = largestSize(slot);
    xml.writeAttribute("max-size", number(maxW) + "," + number(maxH));
    if (scene.type == 1) {
        const QColor c = theme.look.borderColor;
        xml.writeAttribute("border-color",
                           QString("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue()));
        xml.writeAttribute("border-width", number(slot.plain ? 0.f : theme.look.borderWidth));
        if (!theme.look.shadow.isEmpty() && !slot.plain)
            xml.writeAttribute("shadow", theme.look.shadow);
    } else {
        xml.writeAttribute("font", theme.look.font);
        xml.writeAttribute("slide-bg", "slide-bg.png");
        if (!theme.look.textShadow.isEmpty())
            xml.writeAttribute("shadow", theme.look.textShadow);
        if (!theme.look.texture.isEmpty())
            xml.writeAttribute("texture", theme.look.texture);
    }
    xml.writeStartElement("transform");
    for (const auto& [frame, t] : expand(slot.keys, videoWidth, videoHeight)) {
        xml.writeStartElement("frame");
        xml.writeAttribute("id", QString::number(frame));
        if (t.opacity < 0.9999f)
            xml.writeAttribute("opacity", QString::number(double(t.opacity) * 100.0, 'f', 2));
        xml.writeCharacters(frameText(t));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
}

bool writeTemplateXml(const ThemeSpec& theme, const QString& path)
{
    return WriteXmlDocument(path, [&theme](QXmlStreamWriter& xml) {
        xml.writeStartElement("template");
        xml.writeAttribute("fade-in", QString::number(theme.fadeIn));
        xml.writeAttribute("fade-out", QString::number(theme.fadeOut));
        xml.writeAttribute("scene-overflow", QString::number(theme.overflow));
        xml.writeAttribute("text-max-size", QString::number(theme.textMaxSize));
        for (const SceneSpec& scene : theme.scenes) {
            xml.writeStartElement("scene");
            xml.writeAttribute("id", QString::number(scene.id));
            xml.writeAttribute("type", QString::number(scene.type));
            xml.writeAttribute("bg-type", scene.still ? "2" : "1");
            if (scene.still)
                xml.writeAttribute("bg-file-name", QString("bg%1.jpg").arg(scene.id));
            xml.writeAttribute("frames", QString::number(scene.frames));
            xml.writeAttribute("time-base", "1,30");
            if (!scene.still)
                xml.writeAttribute("grain",
                                   QString::number(BackgroundPainter::grainStrength(theme.style)));
            for (size_t i = 0; i < scene.media.size(); ++i)
                writeSlot(xml, theme, scene, int(i), scene.media[i]);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }, true);
}

bool writeInfoXml(const ThemeSpec& theme, const QString& path)
{
    return WriteXmlDocument(path, [&theme](QXmlStreamWriter& xml) {
        xml.writeStartElement("info");
        xml.writeTextElement("name", theme.name);
        xml.writeTextElement("preview", QString("http://%1%2%3/preview.mp4")
                                            .arg(ContentDefaultHost, ContentThemesPath)
                                            .arg(theme.id));
        xml.writeEndElement();
    }, true);
}

// Without grain the backgrounds are smooth: a low rate factor keeps their
// gradients free of steps, and they stay small all the same. Variance
// adaptive quantisation biased to dark areas keeps the night themes clean.
VideoEncoding backgroundEncoding()
{
    VideoEncoding encoding;
    encoding.crf = "16";
    encoding.preset = "slower";
    encoding.x264Params = "aq-mode=3";
    return encoding;
}

bool encodeVideo(const BackgroundPainter& painter, QSize size, int frames, const QString& path)
{
    const QString partial = path + ".part";
    {
        AVOutput out(partial, av_guess_format("mp4", nullptr, nullptr), size.height(),
                     size.width(), 1, 30, 0, false, backgroundEncoding());
        if (!out.IsValid())
            return false;
        AVFrameUPtr rgb(av_frame_alloc());
        rgb->format = AV_PIX_FMT_BGRA;
        rgb->width = size.width();
        rgb->height = size.height();
        if (av_frame_get_buffer(rgb.get(), 32) < 0)
            return false;
        for (int i = 0; i < frames; ++i) {
            QImage view(rgb->data[0], size.width(), size.height(), rgb->linesize[0],
                        QImage::Format_RGB32);
            QPainter(&view).drawImage(0, 0, painter.frame(i, frames, false)
                                                .scaled(size, Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation));
            rgb->pts = i;
            if (!out.WriteVideoFrame(rgb.get(), 1, 30))
                return false;
        }
        if (!out.Close())
            return false;
    }
    QFile::remove(path);
    return QFile::rename(partial, path);
}

QImage textureFor(const ThemeSpec&)
{
    QImage texture(256, 256, QImage::Format_RGB32);
    QLinearGradient g(0, 0, 256, 256);
    g.setColorAt(0, QColor(250, 226, 150));
    g.setColorAt(0.45, QColor(214, 160, 70));
    g.setColorAt(0.55, QColor(255, 236, 180));
    g.setColorAt(1, QColor(190, 130, 50));
    QPainter p(&texture);
    p.fillRect(texture.rect(), g);
    return texture;
}

} // namespace

bool writeTheme(const ThemeSpec& theme, const QString& templatesDir, const QString& contentDir,
                QString* error)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QDir folder(QDir(templatesDir).filePath(QString::number(theme.id)));
    const QDir content(QDir(contentDir).filePath(QString::number(theme.id)));
    if (!QDir().mkpath(folder.path()) || !QDir().mkpath(content.path()))
        return fail("cannot create " + folder.path());
    // Videos and stills of an earlier run (or a download of a download-only
    // theme) must not outlive the scenes that used them.
    for (const QString& stale : folder.entryList({"*.mp4", "bg*.jpg"}, QDir::Files))
        QFile::remove(folder.filePath(stale));
    if (!writeTemplateXml(theme, folder.filePath("template.xml"))
        || !writeInfoXml(theme, folder.filePath("info.xml")))
        return fail("cannot write the XML files of theme " + QString::number(theme.id));

    const BackgroundPainter look(theme.style, theme.palette, 7u * theme.id, videoWidth, videoHeight);
    look.frame(60, 120)
        .scaled(320, 180, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .save(folder.filePath("slide-bg.png"));
    if (!theme.look.texture.isEmpty())
        textureFor(theme).save(folder.filePath(theme.look.texture));

    for (const SceneSpec& scene : theme.scenes) {
        const BackgroundPainter painter(theme.style, theme.palette,
                                        unsigned(theme.id * 100 + scene.id), videoWidth, videoHeight);
        if (scene.still) {
            painter.frame(scene.frames / 2, scene.frames)
                .save(folder.filePath(QString("bg%1.jpg").arg(scene.id)), "JPG", 92);
            continue;
        }
        const QString name = QString("%1.mp4").arg(scene.id);
        const QString target = theme.downloadOnly ? content.filePath(name) : folder.filePath(name);
        if (!encodeVideo(painter, videoSize(theme.style), scene.frames, target))
            return fail("cannot encode " + target);
        if (scene.id == 1) {
            QFile::remove(content.filePath("preview.mp4"));
            QFile::copy(target, content.filePath("preview.mp4"));
        }
    }
    return true;
}

bool writePreviews(const ThemeSpec& theme, const QString& templatesDir, const QString& contentDir,
                   const QStringList& photos, QString* error)
{
    const QDir folder(QDir(templatesDir).filePath(QString::number(theme.id)));
    const QString content = QDir(contentDir).filePath(QString::number(theme.id));
    const QImage gallery =
        renderSceneFrame(folder.path(), content, theme.previewScene, theme.previewAt, photos);
    const QImage project = renderSceneFrame(folder.path(), content, 1, 0.5, photos);
    if (gallery.isNull() || project.isNull()) {
        if (error)
            *error = "cannot render the previews of theme " + QString::number(theme.id);
        return false;
    }
    return gallery.scaled(480, 270, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
               .save(folder.filePath("thumb.jpg"), "JPG", 90)
           && project.scaled(384, 216, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .save(folder.filePath("thumb-prj.jpg"), "JPG", 90);
}
