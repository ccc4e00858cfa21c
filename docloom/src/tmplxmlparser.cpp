#include "docloom/tmplxmlparser.h"

#include "common/release.h"
#include "strictxmlreader_p.h"
#include "xmlvalues_p.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <limits>

namespace {

struct Settings
{
    int fadeIn = 0;
    int fadeOut = 0;
    int sceneOverflow = 0;
    int textMaxSize = 70;
};

struct SceneAttributes
{
    SceneBgType bgType = BgVideo;
    std::wstring bgFileName;
    long frames = 0;
    int timeBaseNum = 0;
    int timeBaseDen = 0;
    int grain = 0; // none in older templates
};

struct SlotAttributes
{
    int id = 0;
    float aspect = 1.f;
    IMedia::VPosition vPos = IMedia::VCenter;
    IMedia::HPosition hPos = IMedia::HCenter;
    IMedia::color_t borderColor;
    float borderWidth = 0.f;
    IMedia::shadow_t shadow;
    float maxWidth = 1.f;
    float maxHeight = 1.f;
    QString font = QStringLiteral("Oswald Book,84,#204411");
    QString slideBg;
    QString texture;
};

/// Truncates towards zero; out-of-range values and NaN read as 0.
int truncated(float value)
{
    if (!std::isfinite(value) || value >= float(std::numeric_limits<int>::max())
        || value <= float(std::numeric_limits<int>::min()))
        return 0;
    return int(value);
}

void readSettings(const QXmlStreamAttributes& a, Settings& s)
{
    s.fadeIn = intAttribute(a, "fade-in", s.fadeIn);
    s.fadeOut = intAttribute(a, "fade-out", s.fadeOut);
    s.sceneOverflow = intAttribute(a, "scene-overflow", s.sceneOverflow);
    s.textMaxSize = intAttribute(a, "text-max-size", s.textMaxSize);
}

SceneAttributes readSceneAttributes(const QXmlStreamAttributes& a)
{
    SceneAttributes s;
    s.bgType = SceneBgType(intAttribute(a, "bg-type", BgVideo));
    s.bgFileName = stringAttribute(a, "bg-file-name").toStdWString();
    s.frames = a.value(QLatin1String("frames")).toLong(nullptr, 10);
    const QStringList timeBase = parts(stringAttribute(a, "time-base"), ',', 2);
    s.timeBaseNum = truncated(timeBase.at(0).toFloat());
    s.timeBaseDen = truncated(timeBase.at(1).toFloat());
    s.grain = intAttribute(a, "grain", 0);
    return s;
}

IMedia::shadow_t readShadow(const QXmlStreamAttributes& a)
{
    IMedia::shadow_t shadow; // no attribute: zero offsets and blur, opaque black
    if (!a.hasAttribute(QLatin1String("shadow")))
        return shadow;
    const QStringList groups = stringAttribute(a, "shadow").split(' ', Qt::KeepEmptyParts);
    const QStringList offsets = parts(groups.value(0), ',', 2);
    shadow.offsetX = offsets.at(0).toFloat();
    shadow.offsetY = offsets.at(1).toFloat();
    shadow.blurRadius = groups.value(1).toFloat();
    if (groups.size() > 2) {
        const QStringList colour = parts(groups.at(2), ',', 4);
        shadow.red = colour.at(0).toInt(nullptr, 10);
        shadow.green = colour.at(1).toInt(nullptr, 10);
        shadow.blue = colour.at(2).toInt(nullptr, 10);
        shadow.alpha = colour.at(3).toInt(nullptr, 10);
    }
    return shadow;
}

SlotAttributes readSlotAttributes(const QXmlStreamAttributes& a, SceneType type)
{
    SlotAttributes s;
    s.id = intAttribute(a, "id");
    s.aspect = floatAttribute(a, "aspect", 1.f);
    s.vPos = IMedia::VPosition(intAttribute(a, "v-pos"));
    s.hPos = IMedia::HPosition(intAttribute(a, "h-pos"));
    s.shadow = readShadow(a);
    if (a.hasAttribute(QLatin1String("max-size"))) {
        const QStringList size = parts(stringAttribute(a, "max-size"), ',', 2);
        s.maxWidth = size.at(0).toFloat();
        s.maxHeight = size.at(1).toFloat();
    }
    if (type == SceneImg) {
        if (a.hasAttribute(QLatin1String("border-color"))) {
            const QStringList rgb = parts(stringAttribute(a, "border-color"), ',', 3);
            s.borderColor.red = rgb.at(0).toInt(nullptr, 10);
            s.borderColor.green = rgb.at(1).toInt(nullptr, 10);
            s.borderColor.blue = rgb.at(2).toInt(nullptr, 10);
        }
        s.borderWidth = floatAttribute(a, "border-width", 0.f);
    } else {
        if (a.hasAttribute(QLatin1String("font")))
            s.font = stringAttribute(a, "font");
        s.slideBg = stringAttribute(a, "slide-bg");
        s.texture = stringAttribute(a, "texture");
    }
    return s;
}

IMedia::transformation_t readFrame(StrictXmlReader& xml)
{
    IMedia::transformation_t t;
    const QXmlStreamAttributes a = xml.attributes();
    t.opacity = a.hasAttribute(QLatin1String("opacity"))
                    ? a.value(QLatin1String("opacity")).toFloat() / 100.f
                    : 1.f;
    // Listed as top-left, top-right, bottom-left, bottom-right; stored around
    // the quad.
    const QStringList n = parts(xml.readText(), ',', 8);
    t.x0 = n.at(0).toDouble();
    t.y0 = n.at(1).toDouble();
    t.x1 = n.at(2).toDouble();
    t.y1 = n.at(3).toDouble();
    t.x3 = n.at(4).toDouble();
    t.y3 = n.at(5).toDouble();
    t.x2 = n.at(6).toDouble();
    t.y2 = n.at(7).toDouble();
    return t;
}

/// Reads the key frames of the object the reader stands on, up to the
/// object's end (or the end of input). An object without "transform" has none.
IMedia::Transforms readKeyFrames(StrictXmlReader& xml)
{
    IMedia::Transforms keys;
    while (xml.next() && !isEnd(xml, "object")) {
        if (isStart(xml, "frame")) {
            const int id = intAttribute(xml.attributes(), "id");
            keys[id] = readFrame(xml);
        }
    }
    return keys;
}

template <typename MediaT, typename MakeSlot>
std::map<int, MediaT*>* readSlots(StrictXmlReader& xml, SceneType type, MakeSlot makeSlot)
{
    auto* media = new std::map<int, MediaT*>;
    while (xml.next() && !isEnd(xml, "scene")) {
        if (!isStart(xml, "object"))
            continue;
        const SlotAttributes attributes = readSlotAttributes(xml.attributes(), type);
        const IMedia::Transforms keys = readKeyFrames(xml);
        MediaT*& slot = (*media)[attributes.id];
        delete slot; // a later object with the same id replaces the earlier one
        slot = makeSlot(keys, attributes);
    }
    return media;
}

IScene* readImgScene(StrictXmlReader& xml, ITmplFactory* factory)
{
    const SceneAttributes s = readSceneAttributes(xml.attributes());
    auto* media = readSlots<IImgMedia>(
        xml, SceneImg, [factory](const IMedia::Transforms& keys, const SlotAttributes& a) {
            return factory->GetImgMedia(keys, a.aspect, a.borderWidth, a.borderColor, a.shadow,
                                        a.maxWidth, a.maxHeight, a.vPos, a.hPos);
        });
    return factory->GetImgScene(media, s.bgType, s.bgFileName, s.frames, s.timeBaseNum,
                                s.timeBaseDen, s.grain);
}

IScene* readTextScene(StrictXmlReader& xml, ITmplFactory* factory)
{
    const SceneAttributes s = readSceneAttributes(xml.attributes());
    auto* media = readSlots<ITextMedia>(
        xml, SceneText, [factory](const IMedia::Transforms& keys, const SlotAttributes& a) {
            return factory->GetTextMedia(keys, a.aspect, a.shadow, a.maxWidth, a.maxHeight,
                                         a.font, a.slideBg, a.vPos, a.hPos, a.texture);
        });
    return factory->GetTextScene(media, s.bgType, s.bgFileName, s.frames, s.timeBaseNum,
                                 s.timeBaseDen, s.grain);
}

/// Reads the scene the reader stands on into \a scenes; a later scene with
/// the same id replaces an earlier one, and other kinds are skipped.
void readScene(StrictXmlReader& xml, ITmplFactory* factory, std::map<int, IScene*>& scenes)
{
    const int type = intAttribute(xml.attributes(), "type");
    const int id = intAttribute(xml.attributes(), "id");
    IScene* scene = nullptr;
    if (type == SceneImg)
        scene = readImgScene(xml, factory);
    else if (type == SceneText)
        scene = readTextScene(xml, factory);
    else
        return; // objects and all
    IScene*& stored = scenes[id];
    ReleaseScene(stored);
    stored = scene;
}

void releaseScenes(std::map<int, IScene*>& scenes)
{
    for (const auto& entry : scenes)
        ReleaseScene(entry.second);
    scenes.clear();
}

} // namespace

ITmpl* TmplXmlParser::ParseTmpl(std::wstring path, ITmplFactory* factory)
{
    QFile file(QString::fromWCharArray(path.c_str(), int(path.size())));
    const QString name = QFileInfo(file.fileName()).fileName();
    error.clear();
    if (!factory)
        return nullptr;
    if (!openDocument(file)) {
        error = unopenedText(file);
        return nullptr;
    }
    StrictXmlReader xml(&file);
    std::map<int, IScene*> scenes;
    Settings settings;
    bool recognised = false;
    while (xml.next()) {
        if (isStart(xml, "template")) {
            recognised = true;
            readSettings(xml.attributes(), settings);
        } else if (isStart(xml, "scene")) {
            recognised = true;
            readScene(xml, factory, scenes);
        }
    }
    if (!recognised || !xml.complete()) {
        error = !xml.complete() ? xml.errorText(name)
                                : QStringLiteral("%1 holds no \"template\" or \"scene\" element.").arg(name);
        releaseScenes(scenes);
        return nullptr;
    }
    return factory->GetTmpl(scenes, settings.fadeIn, settings.fadeOut, settings.sceneOverflow,
                            settings.textMaxSize);
}

ITmplParser::TmplInfo TmplXmlParser::GetInfo(QString path)
{
    TmplInfo info;
    QFile file(path);
    error.clear();
    if (!openDocument(file)) {
        error = unopenedText(file);
        return info;
    }
    StrictXmlReader xml(&file);
    while (xml.next()) {
        if (isStart(xml, "name"))
            info.name = xml.readText();
        else if (isStart(xml, "preview"))
            info.preview = xml.readText();
    }
    error = xml.errorText(QFileInfo(path).fileName());
    return xml.complete() ? info : TmplInfo();
}
