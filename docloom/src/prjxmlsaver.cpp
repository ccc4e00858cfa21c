#include "docloom/prjxmlsaver.h"

#include "docloom/xmltext.h"
#include "docloom/xmlwriter.h"

#include <QXmlStreamWriter>

#include <functional>

namespace {

/// One document on a single line, in place only when complete.
bool writeDocument(const std::wstring& path, const std::function<void(QXmlStreamWriter&)>& body)
{
    return WriteXmlDocument(QString::fromWCharArray(path.c_str(), int(path.size())), body);
}

// Every string goes through XmlSafeText: one character that XML cannot hold
// would otherwise make every later save of the project fail.
void writeAttribute(QXmlStreamWriter& xml, const char* name, const QString& value)
{
    xml.writeAttribute(QLatin1String(name), XmlSafeText(value));
}

void writeTextElement(QXmlStreamWriter& xml, const char* name, const QString& text)
{
    xml.writeTextElement(QLatin1String(name), XmlSafeText(text));
}

void writeValue(QXmlStreamWriter& xml, const ISceneMedia* value)
{
    xml.writeAttribute("type", QString::number(int(value->GetType())));
    if (value->GetType() == SceneImg) {
        const auto* img = static_cast<const IImgMediaVal*>(value);
        writeAttribute(xml, "src", QString::fromStdWString(img->GetSrc()));
        if (img->GetRotation() != 0)
            xml.writeAttribute("rotation", QString::number(img->GetRotation()));
    } else if (value->GetType() == SceneText) {
        const auto* text = static_cast<const ITextMediaVal*>(value);
        writeAttribute(xml, "text", QString::fromStdWString(text->GetText()));
    }
}

void writeAudio(QXmlStreamWriter& xml, const QStringList& tracks)
{
    xml.writeStartElement("audio");
    for (const QString& track : tracks) {
        xml.writeEmptyElement("track");
        writeAttribute(xml, "src", track);
    }
    xml.writeEndElement();
}

} // namespace

bool PrjXmlSaver::SaveUserData(std::wstring path, IUsrData& data)
{
    return writeDocument(path, [&data](QXmlStreamWriter& xml) {
        xml.writeStartElement("userdata");
        xml.writeAttribute("template", QString::number(data.GetTmplId()));
        writeAudio(xml, data.GetAudio());
        xml.writeStartElement("slides");
        for (auto it = data.GetSlidesBegin(); it != data.GetSlidesEnd(); ++it) {
            if (!*it)
                continue;
            xml.writeEmptyElement("object");
            writeValue(xml, it->data());
        }
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

bool PrjXmlSaver::SavePrjInfo(const PrjInfo& info, std::wstring path)
{
    return writeDocument(path, [&info](QXmlStreamWriter& xml) {
        xml.writeStartElement("project");
        writeTextElement(xml, "name", info.name);
        writeTextElement(xml, "audio", info.audio);
        xml.writeTextElement("slidesnumber", QString::number(info.slidesNumber));
        xml.writeEndElement();
    });
}

bool PrjXmlSaver::SavePrj(IPrj& prj, std::wstring path)
{
    return writeDocument(path, [&prj](QXmlStreamWriter& xml) {
        xml.writeStartElement("project");
        xml.writeAttribute("template", QString::number(prj.GetTmplId()));
        writeAudio(xml, prj.GetAudio());
        xml.writeStartElement("media");
        if (const SceneMediaList* media = prj.GetMedia()) {
            for (const SceneMediaPair* pair : *media) {
                xml.writeStartElement("scene");
                xml.writeAttribute("id", QString::number(pair->first));
                for (const auto& slot : pair->second) {
                    if (!slot.second)
                        continue;
                    xml.writeEmptyElement("object");
                    xml.writeAttribute("id", QString::number(slot.first));
                    writeValue(xml, slot.second);
                }
                xml.writeEndElement();
            }
        }
        xml.writeEndElement();
        xml.writeEndElement();
    });
}
