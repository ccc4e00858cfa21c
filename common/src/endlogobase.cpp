#include "common/endlogobase.h"

EndLogoBase::EndLogoBase(QString imgPath, int fadeIn, int duration)
    : imgPath(std::move(imgPath)), fadeIn(fadeIn), duration(duration)
{
}

QString EndLogoBase::getImgPath() const { return imgPath; }
int EndLogoBase::getFadeIn() const { return fadeIn; }
int EndLogoBase::getDuration() const { return duration; }
