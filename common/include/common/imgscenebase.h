#pragma once

#include "common/common_export.h"
#include "common/scenebase.h"

/// An image scene. It keeps the media map pointer as given and owns neither
/// the map nor the slots; copies share the same map.
class COMMON_EXPORT ImgSceneBase : public IImgScene, public SceneBase
{
public:
    ImgSceneBase(std::map<int, IImgMedia*>* media, SceneBgType bgType, std::wstring bgFileName,
                 long framesNumber, int timeBaseNum, int timeBaseDen, int grain = 0);

    SceneType GetType() const override;
    SceneBgType GetBgType() const override;
    std::wstring GetBgFileName() const override;
    long GetFramesNumber() const override;
    void GetTimeBase(int& num, int& den) const override;
    int GetMediaSize() const override;
    int GetGrain() const override;
    std::map<int, IImgMedia*>* GetMedia() const override;

private:
    std::map<int, IImgMedia*>* media;
};
