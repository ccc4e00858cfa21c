#include "ui/tiles/imageslideform.h"

#include "common/baseprjfactory.h"
#include "common/iscenemedia.h"

ImageSlideForm::ImageSlideForm(QWidget* parent, const QString& path, int rotation)
    : SlideForm(parent, path, Picture, QStringLiteral("icon-big-image.png"), false, true, rotation)
{
    requestThumbnail(path);
}

ISceneMedia* ImageSlideForm::mediaValue()
{
    BasePrjFactory factory;
    return factory.GetImgMediaVal(value().toStdWString(), rotation());
}
