#pragma once

#include "common/interfaceglobal.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <map>

/// A media slot of a scene: key-framed placement plus the fixed look of the
/// content. Slots are immutable; there are no setters.
class PICTAVIO_INTERFACE IMedia
{
public:
    /// Placement of a slot on one frame. Corners run around the quad
    /// (top-left, top-right, bottom-right, bottom-left) as fractions of the
    /// frame's width and height.
    struct transformation_t
    {
        double x0 = 0, y0 = 0;
        double x1 = 0, y1 = 0;
        double x2 = 0, y2 = 0;
        double x3 = 0, y3 = 0;
        float opacity = 0;
    };

    struct color_t
    {
        int red = 255;
        int green = 255;
        int blue = 255;
        int alpha = 255;
    };

    /// Offsets and blur are factors of a size unit the renderer supplies.
    struct shadow_t
    {
        float offsetX = 0;
        float offsetY = 0;
        float blurRadius = 0;
        int red = 0;
        int green = 0;
        int blue = 0;
        int alpha = 255;
    };

    // Fixed underlying types: the files may hold any number, kept unchanged.
    /// Used when the content is relatively wider than the slot.
    enum VPosition : int { VCenter = 0, Top = 1, Bottom = 2 };
    /// Used when the content is relatively narrower than the slot.
    enum HPosition : int { HCenter = 0, Left = 1, Right = 2 };

    using Transforms = std::map<int, transformation_t>;

    virtual ~IMedia() = default;

    /// Copies the key frame stored for exactly \a frame into \a out and
    /// returns true; returns false and leaves \a out untouched when there is
    /// none. Nothing is interpolated.
    virtual bool GetTransform(int frame, transformation_t& out) const = 0;
    virtual float GetAspect() const = 0;
    virtual float GetMaxWidth() const = 0;
    virtual float GetMaxHeight() const = 0;
    virtual shadow_t GetShadow() const = 0;
    virtual VPosition GetVPosition() const = 0;
    virtual HPosition GetHPosition() const = 0;
};

class PICTAVIO_INTERFACE IImgMedia : public IMedia
{
public:
    /// Border thickness as a fraction of the picture's reference side.
    virtual float GetBorderWidth() const = 0;
    virtual color_t GetBorderColor() const = 0;
};

class PICTAVIO_INTERFACE ITextMedia : public IMedia
{
public:
    virtual QFont GetFont() const = 0;
    virtual QColor GetFontColor() const = 0;
    /// The template's "slide-bg" string, unchanged.
    virtual QString GetSlideBg() const = 0;
    /// Picture file inside the template folder that fills the glyphs; empty
    /// for plain coloured text.
    virtual QString GetTexture() const = 0;
};
