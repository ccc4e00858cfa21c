#pragma once

#include "common/common_export.h"
#include "common/iwatermark.h"

class COMMON_EXPORT WatermarkBase : public IWatermark
{
public:
    WatermarkBase(QString imgPath, QPoint topLeft, int width);

    QString getImgPath() const override;
    QPoint getTopLeft() const override;
    int getWidth() const override;

private:
    QString imgPath;
    QPoint topLeft;
    int width;
};
