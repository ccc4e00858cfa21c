#pragma once

#include "common/itmpl.h"

#include <QString>

#include <map>
#include <string>

/// Creates every template object. Each call allocates a new object that the
/// caller owns.
class PICTAVIO_INTERFACE ITmplFactory
{
public:
    virtual ~ITmplFactory() = default;

    virtual ITmpl* GetTmpl(std::map<int, IScene*> scenes, int fadeIn, int fadeOut,
                           int sceneOverflow, int textMaxSize) = 0;
    /// The scene stores \a media as given and never frees it. \a grain: see
    /// IScene::GetGrain.
    virtual IImgScene* GetImgScene(std::map<int, IImgMedia*>* media, SceneBgType bgType,
                                   std::wstring bgFileName, long framesNumber,
                                   int timeBaseNum, int timeBaseDen, int grain = 0) = 0;
    virtual ITextScene* GetTextScene(std::map<int, ITextMedia*>* media, SceneBgType bgType,
                                     std::wstring bgFileName, long framesNumber,
                                     int timeBaseNum, int timeBaseDen, int grain = 0) = 0;
    virtual IImgMedia* GetImgMedia(const IMedia::Transforms& transforms, float aspect,
                                   float borderWidth, IMedia::color_t borderColor,
                                   IMedia::shadow_t shadow, float maxWidth, float maxHeight,
                                   IMedia::VPosition vPosition, IMedia::HPosition hPosition) = 0;
    /// Note the order: it differs from TextMediaBase's constructor.
    virtual ITextMedia* GetTextMedia(const IMedia::Transforms& transforms, float aspect,
                                     IMedia::shadow_t shadow, float maxWidth, float maxHeight,
                                     QString fontSpec, QString slideBg,
                                     IMedia::VPosition vPosition, IMedia::HPosition hPosition,
                                     QString texture) = 0;
};
