#pragma once

#include "common/common_export.h"
#include "common/iscene.h"

/// Shared implementation of the IScene operations. Internal to the model.
class COMMON_EXPORT SceneBase : public IScene
{
public:
    SceneType GetType() const override;
    SceneBgType GetBgType() const override;
    std::wstring GetBgFileName() const override;
    long GetFramesNumber() const override;
    void GetTimeBase(int& num, int& den) const override;
    int GetGrain() const override;

protected:
    SceneBase(SceneType type, SceneBgType bgType, std::wstring bgFileName, long framesNumber,
              int timeBaseNum, int timeBaseDen, int grain = 0);

    SceneBgType bgType;
    std::wstring bgFileName;
    long framesNumber;
    int timeBaseNum;
    int timeBaseDen;
    SceneType type;
    int grain;
};
