#include "fakeimgmedia_p.h"

FakeImgMedia::FakeImgMedia(ITextMedia* media)
    : media(media)
{
}

bool FakeImgMedia::GetTransform(int frame, transformation_t& out) const
{
    return media && media->GetTransform(frame, out);
}

float FakeImgMedia::GetAspect() const
{
    return media ? media->GetAspect() : 0.0f;
}

float FakeImgMedia::GetMaxWidth() const
{
    return media ? media->GetMaxWidth() : 0.0f;
}

float FakeImgMedia::GetMaxHeight() const
{
    return media ? media->GetMaxHeight() : 0.0f;
}

IMedia::shadow_t FakeImgMedia::GetShadow() const
{
    shadow_t shadow;
    shadow.offsetX = 0;
    shadow.offsetY = 0;
    shadow.blurRadius = 0;
    shadow.red = 0;
    shadow.green = 0;
    shadow.blue = 0;
    shadow.alpha = 255;
    return shadow;
}

IMedia::VPosition FakeImgMedia::GetVPosition() const
{
    return VCenter;
}

IMedia::HPosition FakeImgMedia::GetHPosition() const
{
    return HCenter;
}

float FakeImgMedia::GetBorderWidth() const
{
    return 0.0f;
}

IMedia::color_t FakeImgMedia::GetBorderColor() const
{
    return color_t{255, 255, 255, 255};
}
