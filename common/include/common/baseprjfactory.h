#pragma once

#include "common/common_export.h"
#include "common/iprjfactory.h"

/// The model's project factory; stateless.
class COMMON_EXPORT BasePrjFactory : public IPrjFactory
{
public:
    IPrj* GetPrj(int tmplId, SceneMediaList* media, QStringList audio) override;
    IImgMediaVal* GetImgMediaVal(std::wstring src, int rotation) override;
    ITextMediaVal* GetTextMediaVal(std::wstring text) override;
    IUsrData* GetUsrData(int tmplId, QStringList audio, SlideList& slides) override;
};
