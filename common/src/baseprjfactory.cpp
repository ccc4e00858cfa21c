#include "common/baseprjfactory.h"
#include "common/imgmediavalbase.h"
#include "common/prjbase.h"
#include "common/textmediavalbase.h"
#include "usrdatabase_p.h"

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
