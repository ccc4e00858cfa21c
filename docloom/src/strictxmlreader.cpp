#include "strictxmlreader_p.h"

#include <QFile>
#include <QFileInfo>

bool openDocument(QFile& file)
{
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly | QIODevice::Text);
}

QString unopenedText(const QFile& file)
{
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return QStringLiteral("%1 is missing.").arg(info.fileName());
    if (!info.isFile())
        return QStringLiteral("%1 is not a file.").arg(info.fileName());
    return QStringLiteral("%1 cannot be opened: %2").arg(info.fileName(), file.errorString());
}

StrictXmlReader::StrictXmlReader(QIODevice* device)
    : xml(device)
{
}

bool StrictXmlReader::next()
{
    if (xml.atEnd() || xml.hasError())
        return false;
    switch (xml.readNext()) {
    case QXmlStreamReader::DTD:
        xml.raiseError(QStringLiteral("A DOCTYPE is not allowed."));
        break;
    case QXmlStreamReader::StartElement:
        if (++depth > maxDepth)
            xml.raiseError(QStringLiteral("Elements are nested too deep."));
        break;
    case QXmlStreamReader::EndElement:
        --depth;
        break;
    default:
        break;
    }
    return !xml.hasError();
}

QString StrictXmlReader::readText()
{
    QString text;
    const int level = depth;
    while (next() && depth >= level) {
        if (depth == level && xml.isCharacters())
            text += xml.text();
    }
    return text;
}

bool StrictXmlReader::complete() const
{
    return xml.atEnd() && !xml.hasError();
}

QString StrictXmlReader::errorText(const QString& name) const
{
    if (!xml.hasError())
        return xml.atEnd() ? QString() : QStringLiteral("%1 was not read to its end.").arg(name);
    return QStringLiteral("%1, line %2, column %3: %4")
        .arg(name)
        .arg(xml.lineNumber())
        .arg(xml.columnNumber())
        .arg(xml.errorString());
}
