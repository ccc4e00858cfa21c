#include "docloom/xmlwriter.h"

#include <QSaveFile>
#include <QXmlStreamWriter>

bool WriteXmlDocument(const QString& path, const std::function<void(QXmlStreamWriter&)>& body,
                      bool indent)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(indent);
    xml.writeStartDocument();
    body(xml);
    xml.writeEndDocument();
    if (xml.hasError()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
