#include "common/baseprjfactory.h"
#include "common/endlogobase.h"
#include "common/framebase.h"
#include "common/imgmediavalbase.h"
#include "common/prjbase.h"
#include "common/textmediavalbase.h"
#include "common/watermarkbase.h"
#include "usrdatabase_p.h"

ImgMediaValBase::ImgMediaValBase(std::wstring src, int rotation)
    : src(std::move(src)), rotation(rotation)
{
}

SceneType ImgMediaValBase::GetType() const { return SceneImg; }
std::wstring ImgMediaValBase::GetSrc() const { return src; }
int ImgMediaValBase::GetRotation() const { return rotation; }

TextMediaValBase::TextMediaValBase(std::wstring text) : text(std::move(text)) {}

SceneType TextMediaValBase::GetType() const { return SceneText; }
std::wstring TextMediaValBase::GetText() const { return text; }

PrjBase::PrjBase(int tmplId, SceneMediaList* media, QStringList audio)
    : tmplId(tmplId), media(media), audio(std::move(audio))
{
}

int PrjBase::GetTmplId() const { return tmplId; }
const SceneMediaList* PrjBase::GetMedia() const { return media; }
QStringList PrjBase::GetAudio() const { return audio; }

UsrDataBase::UsrDataBase(int tmplId, QStringList audio, const SlideList& slides)
    : tmplId(tmplId), audio(std::move(audio)), slides(slides)
{
}

int UsrDataBase::GetTmplId() const { return tmplId; }
QStringList UsrDataBase::GetAudio() const { return audio; }
SlideList::const_iterator UsrDataBase::GetSlidesBegin() const { return slides.cbegin(); }
SlideList::const_iterator UsrDataBase::GetSlidesEnd() const { return slides.cend(); }

IPrj* BasePrjFactory::GetPrj(int tmplId, SceneMediaList* media, QStringList audio)
{
    return new PrjBase(tmplId, media, std::move(audio));
}

IImgMediaVal* BasePrjFactory::GetImgMediaVal(std::wstring src, int rotation)
{
    return new ImgMediaValBase(std::move(src), rotation);
}

ITextMediaVal* BasePrjFactory::GetTextMediaVal(std::wstring text)
{
    return new TextMediaValBase(std::move(text));
}

IUsrData* BasePrjFactory::GetUsrData(int tmplId, QStringList audio, SlideList& slides)
{
    return new UsrDataBase(tmplId, std::move(audio), slides);
}

FrameBase::FrameBase(int pts) : pts(pts) {}
int FrameBase::GetPts() const { return pts; }

WatermarkBase::WatermarkBase(QString imgPath, QPoint topLeft, int width)
    : imgPath(std::move(imgPath)), topLeft(topLeft), width(width)
{
}

QString WatermarkBase::getImgPath() const { return imgPath; }
QPoint WatermarkBase::getTopLeft() const { return topLeft; }
int WatermarkBase::getWidth() const { return width; }

EndLogoBase::EndLogoBase(QString imgPath, int fadeIn, int duration)
    : imgPath(std::move(imgPath)), fadeIn(fadeIn), duration(duration)
{
}

QString EndLogoBase::getImgPath() const { return imgPath; }
int EndLogoBase::getFadeIn() const { return fadeIn; }
int EndLogoBase::getDuration() const { return duration; }
