#pragma once


#include "common/imedia.h"

/// Presents a text slot as an image slot so that text pictures are drawn by
/// QtImageRender: placement, aspect and maximum size come from the text slot;
/// centred, no border, a shadow that adds nothing. Does not own the slot.
class FakeImgMedia : public IImgMedia
{
public:
    explicit FakeImgMedia(ITextMedia* media);

    bool GetTransform(int frame, transformation_t& out) const override;
    float GetAspect() const override;
    float GetMaxWidth() const override;
    float GetMaxHeight() const override;
    shadow_t GetShadow() const override;
    VPosition GetVPosition() const override;
    HPosition GetHPosition() const override;
    float GetBorderWidth() const override;
    color_t GetBorderColor() const override;

private:
    ITextMedia* media;
};
