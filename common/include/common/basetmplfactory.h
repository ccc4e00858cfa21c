#pragma once

#include "common/common_export.h"
#include "common/itmplfactory.h"

/// The model's template factory; stateless.
class COMMON_EXPORT BaseTmplFactory : public ITmplFactory
{
public:
    ITmpl* GetTmpl(std::map<int, IScene*> scenes, int fadeIn, int fadeOut, int sceneOverflow,
                   int textMaxSize) override;
    IImgScene* GetImgScene(std::map<int, IImgMedia*>* media, SceneBgType bgType,
                           std::wstring bgFileName, long framesNumber, int timeBaseNum,
                           int timeBaseDen, int grain = 0) override;
    ITextScene* GetTextScene(std::map<int, ITextMedia*>* media, SceneBgType bgType,
                             std::wstring bgFileName, long framesNumber, int timeBaseNum,
                             int timeBaseDen, int grain = 0) override;
    IImgMedia* GetImgMedia(const IMedia::Transforms& transforms, float aspect, float borderWidth,
                           IMedia::color_t borderColor, IMedia::shadow_t shadow, float maxWidth,
                           float maxHeight, IMedia::VPosition vPosition,
                           IMedia::HPosition hPosition) override;
    ITextMedia* GetTextMedia(const IMedia::Transforms& transforms, float aspect,
                             IMedia::shadow_t shadow, float maxWidth, float maxHeight,
                             QString fontSpec, QString slideBg, IMedia::VPosition vPosition,
                             IMedia::HPosition hPosition, QString texture) override;
};
