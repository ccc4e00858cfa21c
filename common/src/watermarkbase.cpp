#include "common/watermarkbase.h"

WatermarkBase::WatermarkBase(QString imgPath, QPoint topLeft, int width)
    : imgPath(std::move(imgPath)), topLeft(topLeft), width(width)
{
}

QString WatermarkBase::getImgPath() const { return imgPath; }
QPoint WatermarkBase::getTopLeft() const { return topLeft; }
int WatermarkBase::getWidth() const { return width; }
