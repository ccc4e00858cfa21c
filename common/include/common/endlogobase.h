#pragma once

#include "common/common_export.h"
#include "common/iendlogo.h"

class COMMON_EXPORT EndLogoBase : public IEndLogo
{
public:
    EndLogoBase(QString imgPath, int fadeIn, int duration);

    QString getImgPath() const override;
    int getFadeIn() const override;
    int getDuration() const override;

private:
    QString imgPath;
    int fadeIn;
    int duration;
};
