#include "strictxmlreader_p.h"

#include <QFile>
#include <QFileInfo>

bool openDocument(QFile& file)
{
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly | QIODevice::Text);
}

StrictXmlReader::StrictXmlReader(QIODevice* device)
    : QXmlStreamReader(device)
{
}

bool StrictXmlReader::next()
{
    if (atEnd() || hasError())
        return false;
    switch (readNext()) {
    case DTD:
        raiseError(QStringLiteral("A DOCTYPE is not allowed."));
        break;
    case StartElement:
        if (++depth > maxDepth)
            raiseError(QStringLiteral("Elements are nested too deep."));
        break;
    case EndElement:
        --depth;
        break;
    default:
        break;
    }
    return !hasError();
}

QString StrictXmlReader::readText()
{
    QString text;
    const int level = depth;
    while (next() && depth >= level) {
        if (depth == level && isCharacters())
            text += QXmlStreamReader::text();
    }
    return text;
}

bool StrictXmlReader::complete() const
{
    return atEnd() && !hasError();
}
