#include "common/imgmediavalbase.h"

ImgMediaValBase::ImgMediaValBase(std::wstring src, int rotation)
    : src(std::move(src)), rotation(rotation)
{
}

SceneType ImgMediaValBase::GetType() const { return SceneImg; }
std::wstring ImgMediaValBase::GetSrc() const { return src; }
int ImgMediaValBase::GetRotation() const { return rotation; }
