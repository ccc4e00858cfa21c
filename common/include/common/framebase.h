#pragma once

#include "common/common_export.h"
#include "common/iframe.h"

/// A frame position; only used as a base.
class COMMON_EXPORT FrameBase : public IFrame
{
public:
    FrameBase(const FrameBase&) = default;
    FrameBase& operator=(const FrameBase&) = default;

    int GetPts() const override;

protected:
    explicit FrameBase(int pts);

private:
    FrameBase() = delete;

    int pts;
};
