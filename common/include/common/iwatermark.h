#pragma once

#include "common/interfaceglobal.h"

#include <QPoint>
#include <QString>

/// An optional overlay picture drawn on every frame.
class PICTAVIO_INTERFACE IWatermark
{
public:
    virtual ~IWatermark() = default;

    virtual QString getImgPath() const = 0;
    /// Position of the overlay's top-left corner in frame pixels.
    virtual QPoint getTopLeft() const = 0;
    /// Width of the overlay in pixels.
    virtual int getWidth() const = 0;
};
