#include "docloom/xmltext.h"

namespace {

/// One UTF-16 unit that XML 1.0 allows on its own.
bool allowedAlone(char16_t c)
{
    if (c < 0x20)
        return c == u'\t' || c == u'\n' || c == u'\r';
    return !QChar::isSurrogate(c) && c != 0xFFFE && c != 0xFFFF;
}

} // namespace

QString XmlSafeText(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            safe += c;
            safe += text.at(++i);
        } else if (allowedAlone(c.unicode())) {
            safe += c;
        }
    }
    return safe;
}

QString TextPrefix(const QString& text, int length)
{
    if (length >= text.size())
        return text;
    QString cut = text.left(qMax(0, length));
    if (!cut.isEmpty() && cut.at(cut.size() - 1).isHighSurrogate())
        cut.chop(1);
    return cut;
}
