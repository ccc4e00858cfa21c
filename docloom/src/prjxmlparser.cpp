#include "docloom/prjxmlparser.h"

#include "common/release.h"
#include "strictxmlreader_p.h"
#include "xmlvalues_p.h"

#include <QFile>
#include <QFileInfo>

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

QStringList readAudio(StrictXmlReader& xml)
{
    QStringList tracks;
    while (xml.next() && !isEnd(xml, "audio")) {
        if (isStart(xml, "track"))
            tracks << stringAttribute(xml.attributes(), "src");
    }
    return tracks;
}

SlideList readSlides(StrictXmlReader& xml, IPrjFactory* factory, int* unknown)
{
    SlideList slides;
    while (xml.next() && !isEnd(xml, "slides")) {
        if (!isStart(xml, "object"))
            continue;
        if (ISceneMedia* value = readValue(xml.attributes(), factory))
            slides.push_back(QSharedPointer<ISceneMedia>(value));
        else
            ++*unknown;
    }
    return slides;
}

SceneMediaPair* readScene(StrictXmlReader& xml, IPrjFactory* factory)
{
    auto* pair = new SceneMediaPair(intAttribute(xml.attributes(), "id"), {});
    while (xml.next() && !isEnd(xml, "scene")) {
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

void readMedia(StrictXmlReader& xml, IPrjFactory* factory, SceneMediaList& list)
{
    while (xml.next()) {
        // Layout between the scenes (a hand-edited file) is no reason to stop.
        if (xml.isWhitespace() || xml.isComment())
            continue;
        if (!isStart(xml, "scene"))
            return;
        list.push_back(readScene(xml, factory));
    }
}

} // namespace

bool PrjXmlParser::opened(QFile& file, const void* factory)
{
    error.clear();
    if (!factory)
        return false;
    if (openDocument(file))
        return true;
    error = unopenedText(file);
    return false;
}

bool PrjXmlParser::accepted(const StrictXmlReader& xml, bool recognised, const QFile& file,
                            const char* element)
{
    const QString name = QFileInfo(file.fileName()).fileName();
    if (!xml.complete())
        error = xml.errorText(name);
    else if (!recognised)
        error = QStringLiteral("%1 holds no \"%2\" element.").arg(name, QLatin1String(element));
    return error.isEmpty();
}

IUsrData* PrjXmlParser::ParseUsrData(std::wstring path, IPrjFactory* factory)
{
    unknown = 0;
    QFile file(fromWide(path));
    if (!opened(file, factory))
        return nullptr;
    StrictXmlReader xml(&file);
    int tmplId = 0;
    QStringList audio;
    SlideList slides;
    bool recognised = false;
    while (xml.next()) {
        if (isStart(xml, "userdata")) {
            recognised = true;
            tmplId = intAttribute(xml.attributes(), "template");
        } else if (isStart(xml, "slides")) {
            slides.splice(slides.end(), readSlides(xml, factory, &unknown));
        } else if (isStart(xml, "audio")) {
            audio = readAudio(xml);
        }
    }
    if (!accepted(xml, recognised, file, "userdata"))
        return nullptr; // the slides go with their shared pointers
    return factory->GetUsrData(tmplId, audio, slides);
}

PrjInfo PrjXmlParser::ParseInfo(std::wstring path)
{
    PrjInfo info;
    QFile file(fromWide(path));
    if (!opened(file, this))
        return info;
    StrictXmlReader xml(&file);
    while (xml.next()) {
        if (isStart(xml, "name"))
            info.name = xml.readText();
        else if (isStart(xml, "audio"))
            info.audio = xml.readText();
        else if (isStart(xml, "slidesnumber"))
            info.slidesNumber = xml.readText().toInt(nullptr, 10);
    }
    error = xml.errorText(QFileInfo(file.fileName()).fileName());
    return xml.complete() ? info : PrjInfo();
}

IPrj* PrjXmlParser::ParsePrj(std::wstring path, IPrjFactory* factory)
{
    QFile file(fromWide(path));
    if (!opened(file, factory))
        return nullptr;
    StrictXmlReader xml(&file);
    int tmplId = 0;
    QStringList audio;
    auto media = std::make_unique<SceneMediaList>();
    bool recognised = false;
    while (xml.next()) {
        if (isStart(xml, "project")) {
            recognised = true;
            tmplId = intAttribute(xml.attributes(), "template");
        } else if (isStart(xml, "audio")) {
            audio = readAudio(xml);
        } else if (isStart(xml, "media")) {
            readMedia(xml, factory, *media);
        }
    }
    if (!accepted(xml, recognised, file, "project")) {
        ClearSceneMedia(*media);
        return nullptr;
    }
    return factory->GetPrj(tmplId, media.release(), audio);
}
