#pragma once

#include "common/scenebase.h"

/// A text scene; created only by BaseTmplFactory::GetTextScene.
class TextSceneBase : public ITextScene, public SceneBase
{
public:
    TextSceneBase(std::map<int, ITextMedia*>* media, SceneBgType bgType, std::wstring bgFileName,
                  long framesNumber, int timeBaseNum, int timeBaseDen, int grain = 0);

    SceneType GetType() const override;
    SceneBgType GetBgType() const override;
    std::wstring GetBgFileName() const override;
    long GetFramesNumber() const override;
    void GetTimeBase(int& num, int& den) const override;
    int GetMediaSize() const override;
    int GetGrain() const override;
    std::map<int, ITextMedia*>* GetMedia() const override;

private:
    std::map<int, ITextMedia*>* media;
};
