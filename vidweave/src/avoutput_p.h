#pragma once


#include <QString>

#include <cstdint>
#include <memory>
#include <utility>

struct AVFrame;
struct AVOutputFormat;

/// Scales every sample of \a frame by \a gain / 256 in place: integer
/// formats with rounding and clipping, floating-point formats exactly.
void ScaleAudioSamples(AVFrame* frame, int gain);

/// How the video is encoded. A render keeps the defaults; the theme tool
/// encodes its smooth backgrounds with others, so they stay small and clean.
struct VideoEncoding
{
    const char* crf = "20";
    const char* preset = "superfast";
    const char* x264Params = nullptr; // "key=value:key=value", or none
};

/// The MP4 file of a render: an H.264 video stream and, when asked for, an
/// AAC music stream (44100 Hz stereo, 192 kb/s).
class AVOutput
{
public:
    /// Creates the streams, opens the file and writes the header. Video
    /// frames are timed in \a timeBaseNum / \a timeBaseDen seconds.
    AVOutput(QString path, const AVOutputFormat* format, int height, int width, int timeBaseNum,
             int timeBaseDen, int pixelFormat, bool withAudio,
             const VideoEncoding& encoding = VideoEncoding());
    /// Closes the file if Close() was not called.
    ~AVOutput();

    /// False when the file could not be set up; ErrorString() says why.
    bool IsValid() const;
    QString ErrorString() const;

    /// Converts, times and encodes one picture whose pts is in \a timeBaseNum
    /// / \a timeBaseDen; one already in YUV 4:2:0 at the output size is
    /// encoded as it is. False on a write error (disk full).
    bool WriteVideoFrame(AVFrame* picture, int timeBaseNum, int timeBaseDen);
    /// Resamples, buffers, scales by \a gain / 256 and encodes decoded music.
    bool WriteAudioFrame(AVFrame* decoded, int sampleRate, int gain);
    /// Moves the start of the following video frames by \a duration given in
    /// \a timeBaseNum / \a timeBaseDen.
    void AddTimeOffset(int64_t duration, int timeBaseNum, int timeBaseDen);
    /// The current offset and the time base video frames are timed in.
    void GetTimeInfo(int64_t& offset, std::pair<int, int>& streamTimeBase) const;

    /// Flushes the encoders, writes the trailer and closes the file. False
    /// when any of it failed.
    bool Close();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
