#include "common/imgscenebase.h"
#include "common/scenebase.h"
#include "textscenebase_p.h"

SceneBase::SceneBase(SceneType type, SceneBgType bgType, std::wstring bgFileName,
                     long framesNumber, int timeBaseNum, int timeBaseDen, int grain)
    : bgType(bgType), bgFileName(std::move(bgFileName)), framesNumber(framesNumber),
      timeBaseNum(timeBaseNum), timeBaseDen(timeBaseDen), type(type), grain(grain)
{
}

SceneType SceneBase::GetType() const { return type; }
SceneBgType SceneBase::GetBgType() const { return bgType; }
std::wstring SceneBase::GetBgFileName() const { return bgFileName; }
long SceneBase::GetFramesNumber() const { return framesNumber; }
int SceneBase::GetGrain() const { return grain; }

void SceneBase::GetTimeBase(int& num, int& den) const
{
    num = timeBaseNum;
    den = timeBaseDen;
}

ImgSceneBase::ImgSceneBase(std::map<int, IImgMedia*>* media, SceneBgType bgType,
                           std::wstring bgFileName, long framesNumber, int timeBaseNum,
                           int timeBaseDen, int grain)
    : SceneBase(SceneImg, bgType, std::move(bgFileName), framesNumber, timeBaseNum, timeBaseDen,
                grain),
      media(media)
{
}

SceneType ImgSceneBase::GetType() const { return SceneBase::GetType(); }
SceneBgType ImgSceneBase::GetBgType() const { return SceneBase::GetBgType(); }
std::wstring ImgSceneBase::GetBgFileName() const { return SceneBase::GetBgFileName(); }
long ImgSceneBase::GetFramesNumber() const { return SceneBase::GetFramesNumber(); }
void ImgSceneBase::GetTimeBase(int& num, int& den) const { SceneBase::GetTimeBase(num, den); }
int ImgSceneBase::GetGrain() const { return SceneBase::GetGrain(); }
int ImgSceneBase::GetMediaSize() const { return media ? int(media->size()) : 0; }
std::map<int, IImgMedia*>* ImgSceneBase::GetMedia() const { return media; }

TextSceneBase::TextSceneBase(std::map<int, ITextMedia*>* media, SceneBgType bgType,
                             std::wstring bgFileName, long framesNumber, int timeBaseNum,
                             int timeBaseDen, int grain)
    : SceneBase(SceneText, bgType, std::move(bgFileName), framesNumber, timeBaseNum,
                timeBaseDen, grain),
      media(media)
{
}

SceneType TextSceneBase::GetType() const { return SceneBase::GetType(); }
SceneBgType TextSceneBase::GetBgType() const { return SceneBase::GetBgType(); }
std::wstring TextSceneBase::GetBgFileName() const { return SceneBase::GetBgFileName(); }
long TextSceneBase::GetFramesNumber() const { return SceneBase::GetFramesNumber(); }
void TextSceneBase::GetTimeBase(int& num, int& den) const { SceneBase::GetTimeBase(num, den); }
int TextSceneBase::GetGrain() const { return SceneBase::GetGrain(); }
int TextSceneBase::GetMediaSize() const { return media ? int(media->size()) : 0; }
std::map<int, ITextMedia*>* TextSceneBase::GetMedia() const { return media; }
