#include "common/basetmplfactory.h"
#include "common/imgmediabase.h"
#include "common/imgscenebase.h"
#include "common/textmediabase.h"
#include "common/tmplbase.h"
#include "textscenebase_p.h"

TmplBase::TmplBase(const std::map<int, IScene*>& scenes, int fadeIn, int fadeOut,
                   int sceneOverflow, int textMaxSize)
    : scenes(scenes), fadeIn(fadeIn), fadeOut(fadeOut), sceneOverflow(sceneOverflow),
      textMaxSize(textMaxSize)
{
}

std::map<int, IScene*> TmplBase::GetScenes() const { return scenes; }
int TmplBase::GetFadeIn() const { return fadeIn; }
int TmplBase::GetFadeOut() const { return fadeOut; }
int TmplBase::GetSceneOverflow() const { return sceneOverflow; }
int TmplBase::GetTextMaxSize() const { return textMaxSize; }

ITmpl* BaseTmplFactory::GetTmpl(std::map<int, IScene*> scenes, int fadeIn, int fadeOut,
                                int sceneOverflow, int textMaxSize)
{
    return new TmplBase(scenes, fadeIn, fadeOut, sceneOverflow, textMaxSize);
}

IImgScene* BaseTmplFactory::GetImgScene(std::map<int, IImgMedia*>* media, SceneBgType bgType,
                                        std::wstring bgFileName, long framesNumber,
                                        int timeBaseNum, int timeBaseDen, int grain)
{
    return new ImgSceneBase(media, bgType, std::move(bgFileName), framesNumber, timeBaseNum,
                            timeBaseDen, grain);
}

ITextScene* BaseTmplFactory::GetTextScene(std::map<int, ITextMedia*>* media, SceneBgType bgType,
                                          std::wstring bgFileName, long framesNumber,
                                          int timeBaseNum, int timeBaseDen, int grain)
{
    return new TextSceneBase(media, bgType, std::move(bgFileName), framesNumber, timeBaseNum,
                             timeBaseDen, grain);
}

IImgMedia* BaseTmplFactory::GetImgMedia(const IMedia::Transforms& transforms, float aspect,
                                        float borderWidth, IMedia::color_t borderColor,
                                        IMedia::shadow_t shadow, float maxWidth, float maxHeight,
                                        IMedia::VPosition vPosition, IMedia::HPosition hPosition)
{
    return new ImgMediaBase(transforms, aspect, borderWidth, borderColor, shadow, maxWidth,
                            maxHeight, vPosition, hPosition);
}

ITextMedia* BaseTmplFactory::GetTextMedia(const IMedia::Transforms& transforms, float aspect,
                                          IMedia::shadow_t shadow, float maxWidth,
                                          float maxHeight, QString fontSpec, QString slideBg,
                                          IMedia::VPosition vPosition,
                                          IMedia::HPosition hPosition, QString texture)
{
    return new TextMediaBase(transforms, aspect, slideBg, fontSpec, maxWidth, maxHeight, shadow,
                             vPosition, hPosition, texture);
}
