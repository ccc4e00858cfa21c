#pragma once

#include <QStringList>
#include <QXmlStreamAttributes>
#include <QXmlStreamReader>

// Values in the files: integers in base 10, floats in the C locale; what
// does not parse reads as 0, and missing list parts read as 0.

inline int toInt(const QStringRef& text)
{
    return text.toInt(nullptr, 10);
}

inline int intAttribute(const QXmlStreamAttributes& attributes, const char* name, int fallback = 0)
{
    const QLatin1String key(name);
    return attributes.hasAttribute(key) ? toInt(attributes.value(key)) : fallback;
}

inline float floatAttribute(const QXmlStreamAttributes& attributes, const char* name,
                            float fallback)
{
    const QLatin1String key(name);
    return attributes.hasAttribute(key) ? attributes.value(key).toFloat() : fallback;
}

inline QString stringAttribute(const QXmlStreamAttributes& attributes, const char* name)
{
    return attributes.value(QLatin1String(name)).toString();
}

/// The parts of a separated list, exactly \a count of them.
inline QStringList parts(const QString& text, QChar separator, int count)
{
    QStringList list = text.split(separator, Qt::KeepEmptyParts);
    while (list.size() < count)
        list << QString();
    return list;
}

template <typename Reader>
bool isStart(const Reader& xml, const char* name)
{
    return xml.isStartElement() && xml.name() == QLatin1String(name);
}

template <typename Reader>
bool isEnd(const Reader& xml, const char* name)
{
    return xml.isEndElement() && xml.name() == QLatin1String(name);
}
