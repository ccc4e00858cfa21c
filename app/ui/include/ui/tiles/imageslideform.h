#pragma once

#include "ui/tiles/slideform.h"

/// A picture slide: the photo's thumbnail, turned by the user.
class ImageSlideForm : public SlideForm
{
    Q_OBJECT

public:
    /// Asks for the thumbnail of \a path at once.
    ImageSlideForm(QWidget* parent, const QString& path, int rotation);

    ISceneMedia* mediaValue() override;
};
