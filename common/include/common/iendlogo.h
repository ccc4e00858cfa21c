#pragma once

#include "common/interfaceglobal.h"

#include <QString>

/// The closing picture of a video; lengths in output frames.
class PICTAVIO_INTERFACE IEndLogo
{
public:
    virtual ~IEndLogo() = default;

    virtual QString getImgPath() const = 0;
    virtual int getFadeIn() const = 0;
    virtual int getDuration() const = 0;
};
