#pragma once

#include "common/common_export.h"
#include "common/mediabase.h"

/// An image slot. Both views (IImgMedia and MediaBase) answer the same.
class COMMON_EXPORT ImgMediaBase : public IImgMedia, public MediaBase
{
public:
    ImgMediaBase(const Transforms& transforms, float aspect, float borderWidth,
                 color_t borderColor, shadow_t shadow, float maxWidth, float maxHeight,
                 VPosition vPosition, HPosition hPosition);

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
    float borderWidth;
    color_t borderColor;
};
