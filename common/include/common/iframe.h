#pragma once

#include "common/interfaceglobal.h"

class PICTAVIO_INTERFACE IFrame
{
public:
    virtual ~IFrame() = default;

    virtual int GetPts() const = 0;
};
