#pragma once

#include "common/common_export.h"
#include "common/imedia.h"

/// Shared implementation of the IMedia operations. Internal to the model;
/// use ImgMediaBase or TextMediaBase.
class COMMON_EXPORT MediaBase : public IMedia
{
public:
    bool GetTransform(int frame, transformation_t& out) const override;
    float GetAspect() const override;
    float GetMaxWidth() const override;
    float GetMaxHeight() const override;
    shadow_t GetShadow() const override;
    VPosition GetVPosition() const override;
    HPosition GetHPosition() const override;

protected:
    MediaBase(const Transforms& transforms, float aspect, float maxWidth, float maxHeight,
              shadow_t shadow, VPosition vPosition, HPosition hPosition);

    Transforms transforms;
    float aspect;
    float maxWidth;
    float maxHeight;
    shadow_t shadow;
    VPosition vPosition;
    HPosition hPosition;
};
