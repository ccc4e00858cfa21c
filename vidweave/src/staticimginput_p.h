#pragma once

#include "iavinput_p.h"

#include <QImage>

#include <string>

/// A still picture shown for every frame of a scene.
class StaticImgImput : public IAVInput
{
public:
    /// The picture is stretched to exactly \a width x \a height.
    StaticImgImput(std::wstring path, int height, int width, int timeBaseNum, int timeBaseDen,
                   int64_t framesNumber);
    ~StaticImgImput() override;

    std::pair<int, int> GetTimeBase() const override;
    int64_t GetDuration() const override;
    int64_t GetFramesNumber() const override;
    /// Still pictures have no decoder: null.
    AVCodecContext* GetCodecContext() const override;
    /// Copies the picture into \a out (same size, any RGB format) with pts =
    /// frame number.
    bool ReadFrame(AVFrame* out) override;
    bool IsValid() const override;
    QString ErrorString() const override;

private:
    int64_t framesNumber;
    int timeBaseNum;
    int timeBaseDen;
    int64_t next = 0;
    QImage still;
    QString error;
};
