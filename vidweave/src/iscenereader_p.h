#pragma once


#include <QImage>
#include <QSharedPointer>
#include <QString>

struct AVFrame;

/// Finished frames of one scene at the output size: background plus every
/// slot. The working frame (AV_PIX_FMT_RGB32, which is QImage::Format_RGB32)
/// and the image share one buffer. Engine-internal.
class ISceneReader
{
public:
    virtual ~ISceneReader();

    virtual AVFrame* GetFrame() = 0;
    /// -1 before the first NextFrame(), then 0, 1, 2 ...
    virtual int GetFrameIndex() const = 0;
    virtual QSharedPointer<QImage> GetImage() = 0;
    /// Decodes the next background frame and draws every slot onto it.
    virtual bool NextFrame() = 0;
    /// Moves on one frame as NextFrame() does, drawing no slot: for frames
    /// that no one will see.
    virtual bool SkipFrame() = 0;

    /// False when the background could not be opened; ErrorString() says why.
    virtual bool IsValid() const = 0;
    virtual QString ErrorString() const = 0;
};
