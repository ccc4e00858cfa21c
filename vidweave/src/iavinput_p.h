#pragma once


#include <QString>

#include <cstdint>
#include <utility>

struct AVFrame;
struct AVCodecContext;

/// A decoded media source: a scene background (video or still picture) or a
/// music file. Engine-internal.
class IAVInput
{
public:
    virtual ~IAVInput();

    /// The stream's time base as (num, den).
    virtual std::pair<int, int> GetTimeBase() const = 0;
    /// Duration in GetTimeBase() units.
    virtual int64_t GetDuration() const = 0;
    virtual int64_t GetFramesNumber() const = 0;
    /// The decoder context; null for still pictures.
    virtual AVCodecContext* GetCodecContext() const = 0;
    /// Delivers the next frame into \a out (for pictures: in out's own pixel
    /// format, size and buffer). False at the end or on failure.
    virtual bool ReadFrame(AVFrame* out) = 0;
    /// Moves past the next frame as ReadFrame() would, where it can without
    /// converting it into \a out.
    virtual bool SkipFrame(AVFrame* out) { return ReadFrame(out); }

    /// False when the source could not be opened; ErrorString() tells why.
    virtual bool IsValid() const = 0;
    virtual QString ErrorString() const = 0;
};
