#pragma once

#include "common/common_export.h"
#include "common/mediabase.h"

/// A text slot.
///
/// The font specification is read once here, as comma-separated fields kept
/// even when empty:
/// - four or more fields: family, style hint ("SansSerif" anywhere in the
///   field gives QFont::SansSerif, anything else QFont::Serif), point size,
///   colour (QColor::setNamedColor; an unknown name gives an invalid colour);
/// - three fields whose second is a whole number: family, point size,
///   colour (so "Oswald Book,84,#204411" is that family at 84 points in
///   #204411, with the Serif hint);
/// - otherwise, fewer than four fields are read in the four-field order as far
///   as they go.
/// A missing colour reads as opaque black and a missing or unparsable size
/// leaves the family's default size, so every specification gives a usable
/// font.
class COMMON_EXPORT TextMediaBase : public ITextMedia, public MediaBase
{
public:
    TextMediaBase(const Transforms& transforms, float aspect, QString slideBg, QString fontSpec,
                  float maxWidth, float maxHeight, shadow_t shadow, VPosition vPosition,
                  HPosition hPosition, QString texture);

    bool GetTransform(int frame, transformation_t& out) const override;
    float GetAspect() const override;
    float GetMaxWidth() const override;
    float GetMaxHeight() const override;
    shadow_t GetShadow() const override;
    VPosition GetVPosition() const override;
    HPosition GetHPosition() const override;
    QFont GetFont() const override;
    QColor GetFontColor() const override;
    QString GetSlideBg() const override;
    QString GetTexture() const override;

private:
    QFont font;
    QColor fontColor;
    QString slideBg;
    QString texture;
};
