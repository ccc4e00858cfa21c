#include "common/imgmediabase.h"
#include "common/mediabase.h"

MediaBase::MediaBase(const Transforms& transforms, float aspect, float maxWidth, float maxHeight,
                     shadow_t shadow, VPosition vPosition, HPosition hPosition)
    : transforms(transforms), aspect(aspect), maxWidth(maxWidth), maxHeight(maxHeight),
      shadow(shadow), vPosition(vPosition), hPosition(hPosition)
{
}

bool MediaBase::GetTransform(int frame, transformation_t& out) const
{
    const auto it = transforms.find(frame);
    if (it == transforms.end())
        return false;
    out = it->second;
    return true;
}

float MediaBase::GetAspect() const { return aspect; }
float MediaBase::GetMaxWidth() const { return maxWidth; }
float MediaBase::GetMaxHeight() const { return maxHeight; }
IMedia::shadow_t MediaBase::GetShadow() const { return shadow; }
IMedia::VPosition MediaBase::GetVPosition() const { return vPosition; }
IMedia::HPosition MediaBase::GetHPosition() const { return hPosition; }

ImgMediaBase::ImgMediaBase(const Transforms& transforms, float aspect, float borderWidth,
                           color_t borderColor, shadow_t shadow, float maxWidth, float maxHeight,
                           VPosition vPosition, HPosition hPosition)
    : MediaBase(transforms, aspect, maxWidth, maxHeight, shadow, vPosition, hPosition),
      borderWidth(borderWidth), borderColor(borderColor)
{
}

bool ImgMediaBase::GetTransform(int frame, transformation_t& out) const
{
    return MediaBase::GetTransform(frame, out);
}
float ImgMediaBase::GetAspect() const { return MediaBase::GetAspect(); }
float ImgMediaBase::GetMaxWidth() const { return MediaBase::GetMaxWidth(); }
float ImgMediaBase::GetMaxHeight() const { return MediaBase::GetMaxHeight(); }
IMedia::shadow_t ImgMediaBase::GetShadow() const { return MediaBase::GetShadow(); }
IMedia::VPosition ImgMediaBase::GetVPosition() const { return MediaBase::GetVPosition(); }
IMedia::HPosition ImgMediaBase::GetHPosition() const { return MediaBase::GetHPosition(); }
float ImgMediaBase::GetBorderWidth() const { return borderWidth; }
IMedia::color_t ImgMediaBase::GetBorderColor() const { return borderColor; }
