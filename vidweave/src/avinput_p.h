#pragma once

#include "iavinput_p.h"

#include <QString>

#include <memory>

struct AVFormatContext;

/// A media file opened for decoding its first stream of one kind.
class AVInput : public IAVInput
{
public:
    enum MediaType { Video = 0, Audio = 1 };

    AVInput(QString path, int mediaType);
    ~AVInput() override;

    std::pair<int, int> GetTimeBase() const override;
    int64_t GetDuration() const override;
    /// The container's count; when it states none, estimated from the
    /// stream's duration and average frame rate (0 when neither is known).
    int64_t GetFramesNumber() const override;
    AVCodecContext* GetCodecContext() const override;
    bool IsValid() const override;
    QString ErrorString() const override;

    /// A tag of the container ("artist", "title" ...), case-insensitive;
    /// empty when absent.
    QString Metadata(const char* key) const;
    /// The short name of the stream's codec ("h264", "aac" ...); empty when
    /// no stream was opened.
    QString CodecName() const;
    /// Goes to the last key point at or before \a seconds from the stream's
    /// start; the frames that follow may begin a little earlier.
    bool SeekTo(double seconds);
    /// Seconds of \a frame from the stream's start; negative when unknown.
    double FrameSeconds(const AVFrame* frame) const;

protected:
    /// Decodes the next frame of the selected stream into \a frame; false at
    /// the end, after all delayed frames were drained.
    bool DecodeNext(AVFrame* frame);
    /// The first presentation time of the stream, or 0.
    int64_t StartTime() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

/// A background video, decoded and converted straight into the caller's
/// frame, in its pixel format and stretched to its size, with film grain of
/// \a grain strength (see FilmGrain) laid on at that size.
class VideoInput : public AVInput
{
public:
    explicit VideoInput(QString path, int grain = 0);
    ~VideoInput() override;

    /// out's pts is set in GetTimeBase() units, counted from the stream start.
    bool ReadFrame(AVFrame* out) override;
    /// Decodes only: the grain moves on as if the frame had been converted.
    bool SkipFrame(AVFrame* out) override;

private:
    bool nextFrame(AVFrame* out, bool convert);

    struct Conversion;
    std::unique_ptr<Conversion> conversion;
};

/// The first audio stream of a music file.
class AudioInput : public AVInput
{
public:
    explicit AudioInput(QString path);

    /// Delivers the next decoded audio frame into \a out (its own buffers).
    bool ReadFrame(AVFrame* out) override;
};
