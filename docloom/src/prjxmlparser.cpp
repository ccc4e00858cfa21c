#include "docloom/prjxmlparser.h"

#include "common/release.h"
#include "xmlvalues_p.h"

#include <QFile>

#include <memory>

namespace {

QString fromWide(const std::wstring& path)
{
    return QString::fromWCharArray(path.c_str(), int(path.size()));
}

/// The value of the "object" the reader stands on; null for other types.
ISceneMedia* readValue(const QXmlStreamAttributes& a, IPrjFactory* factory)
{
    switch (intAttribute(a, "type")) {
    case SceneImg:
        return factory->GetImgMediaVal(stringAttribute(a, "src").toStdWString(),
                                       intAttribute(a, "rotation"));
    case SceneText:
        return factory->GetTextMediaVal(stringAttribute(a, "text").toStdWString());
    default:
        return nullptr;
    }
}

QStringList readAudio(QXmlStreamReader& xml)
{
    QStringList tracks;
    while (next(xml) && !isEnd(xml, "audio")) {
        if (isStart(xml, "track"))
            tracks << stringAttribute(xml.attributes(), "src");
    }
    return tracks;
}

SlideList readSlides(QXmlStreamReader& xml, IPrjFactory* factory)
{
    SlideList slides;
    while (next(xml) && !isEnd(xml, "slides")) {
        if (!isStart(xml, "object"))
            continue;
        if (ISceneMedia* value = readValue(xml.attributes(), factory))
            slides.push_back(QSharedPointer<ISceneMedia>(value));
    }
    return slides;
}

SceneMediaPair* readScene(QXmlStreamReader& xml, IPrjFactory* factory)
{
    auto* pair = new SceneMediaPair(intAttribute(xml.attributes(), "id"), {});
    while (next(xml) && !isEnd(xml, "scene")) {
        if (!isStart(xml, "object"))
            continue;
        const int id = intAttribute(xml.attributes(), "id");
        if (ISceneMedia* value = readValue(xml.attributes(), factory)) {
            ISceneMedia*& stored = pair->second[id];
            delete stored; // a later object with the same id replaces it
            stored = value;
        }
    }
    return pair;
}

void readMedia(QXmlStreamReader& xml, IPrjFactory* factory, SceneMediaList& list)
{
    while (next(xml)) {
        // Layout between the scenes (a hand-edited file) is no reason to stop.
        if (xml.isWhitespace() || xml.isComment())
            continue;
        if (!isStart(xml, "scene"))
            return;
        list.push_back(readScene(xml, factory));
    }
}

} // namespace

IUsrData* PrjXmlParser::ParseUsrData(std::wstring path, IPrjFactory* factory)
{
    QFile file(fromWide(path));
    if (!factory || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return nullptr;
    QXmlStreamReader xml(&file);
    int tmplId = 0;
    QStringList audio;
    SlideList slides;
    bool recognised = false;
    while (next(xml)) {
        if (isStart(xml, "userdata")) {
            recognised = true;
            tmplId = intAttribute(xml.attributes(), "template");
        } else if (isStart(xml, "slides")) {
            slides.splice(slides.end(), readSlides(xml, factory));
        } else if (isStart(xml, "audio")) {
            audio = readAudio(xml);
        }
    }
    if (!recognised)
        return nullptr;
    return factory->GetUsrData(tmplId, audio, slides);
}

PrjInfo PrjXmlParser::ParseInfo(std::wstring path)
{
    PrjInfo info;
    QFile file(fromWide(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return info;
    QXmlStreamReader xml(&file);
    while (next(xml)) {
        if (isStart(xml, "name"))
            info.name = xml.readElementText();
        else if (isStart(xml, "audio"))
            info.audio = xml.readElementText();
        else if (isStart(xml, "slidesnumber"))
            info.slidesNumber = xml.readElementText().toInt(nullptr, 10);
    }
    return info;
}

IPrj* PrjXmlParser::ParsePrj(std::wstring path, IPrjFactory* factory)
{
    QFile file(fromWide(path));
    if (!factory || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return nullptr;
    QXmlStreamReader xml(&file);
    int tmplId = 0;
    QStringList audio;
    auto media = std::make_unique<SceneMediaList>();
    bool recognised = false;
    while (next(xml)) {
        if (isStart(xml, "project")) {
            recognised = true;
            tmplId = intAttribute(xml.attributes(), "template");
        } else if (isStart(xml, "audio")) {
            audio = readAudio(xml);
        } else if (isStart(xml, "media")) {
            readMedia(xml, factory, *media);
        }
    }
    if (!recognised) {
        ClearSceneMedia(*media);
        return nullptr;
    }
    return factory->GetPrj(tmplId, media.release(), audio);
}
