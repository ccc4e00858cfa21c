#include "common/textmediabase.h"

#include <QStringList>

namespace {

struct FontSpec
{
    QString family;
    QString hint;
    QString size;
    QString colour;
    bool hasColour = false;
};

bool isWholeNumber(const QString& text)
{
    bool ok = false;
    text.trimmed().toInt(&ok, 10);
    return ok;
}

FontSpec splitFontSpec(const QString& spec)
{
    const QStringList fields = spec.split(QLatin1Char(','), Qt::KeepEmptyParts);
    FontSpec out;
    out.family = fields.value(0);
    if (fields.size() == 3 && isWholeNumber(fields.at(1))) {
        out.size = fields.at(1);
        out.colour = fields.at(2);
        out.hasColour = true;
        return out;
    }
    out.hint = fields.value(1);
    out.size = fields.value(2);
    out.hasColour = fields.size() >= 4;
    out.colour = fields.value(3);
    return out;
}

} // namespace

TextMediaBase::TextMediaBase(const Transforms& transforms, float aspect, QString slideBg,
                             QString fontSpec, float maxWidth, float maxHeight, shadow_t shadow,
                             VPosition vPosition, HPosition hPosition, QString texture)
    : MediaBase(transforms, aspect, maxWidth, maxHeight, shadow, vPosition, hPosition),
      font(QString(), -1, -1, false), slideBg(slideBg), texture(texture)
{
    const FontSpec spec = splitFontSpec(fontSpec);
    font = QFont(spec.family, -1, -1, false);
    const QFont::StyleHint hint = spec.hint.contains(QLatin1String("SansSerif"))
                                      ? QFont::SansSerif
                                      : QFont::Serif;
    font.setStyleHint(hint, QFont::PreferAntialias);
    // Qt refuses sizes <= 0 with a warning and keeps the default; skip the noise.
    const int pointSize = spec.size.toInt(nullptr, 10);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    if (spec.hasColour)
        fontColor.setNamedColor(spec.colour);
    else
        fontColor = QColor(Qt::black);
}

bool TextMediaBase::GetTransform(int frame, transformation_t& out) const
{
    return MediaBase::GetTransform(frame, out);
}
float TextMediaBase::GetAspect() const { return MediaBase::GetAspect(); }
float TextMediaBase::GetMaxWidth() const { return MediaBase::GetMaxWidth(); }
float TextMediaBase::GetMaxHeight() const { return MediaBase::GetMaxHeight(); }
IMedia::shadow_t TextMediaBase::GetShadow() const { return MediaBase::GetShadow(); }
IMedia::VPosition TextMediaBase::GetVPosition() const { return MediaBase::GetVPosition(); }
IMedia::HPosition TextMediaBase::GetHPosition() const { return MediaBase::GetHPosition(); }
QFont TextMediaBase::GetFont() const { return font; }
QColor TextMediaBase::GetFontColor() const { return fontColor; }
QString TextMediaBase::GetSlideBg() const { return slideBg; }
QString TextMediaBase::GetTexture() const { return texture; }
