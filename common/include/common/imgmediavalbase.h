#pragma once

#include "common/common_export.h"
#include "common/iscenemedia.h"

/// A picture value: file path and clockwise quarter turns.
class COMMON_EXPORT ImgMediaValBase : public IImgMediaVal
{
public:
    ImgMediaValBase(std::wstring src, int rotation);

    SceneType GetType() const override;
    std::wstring GetSrc() const override;
    int GetRotation() const override;

private:
    ImgMediaValBase() = delete;

    std::wstring src;
    int rotation;
};
