#pragma once

#include "avptr_p.h"

#include <QSharedPointer>
#include <QStringList>

#include <functional>
#include <memory>

class AudioInput;
class MediaFileInfo;

/// Gain in 1/256 units for a music frame: fade in over each file's first
/// second, fade out over each file's and the video's last second.
int musicGain(double trackTime, double remainingVideo, double remainingTrack);

/// Lays the music files end to end under the video, in step with the
/// frames written so far. Files that cannot be opened are skipped.
class MusicSchedule
{
public:
    /// Takes each decoded frame with its sample rate and gain (see
    /// musicGain); false when it failed.
    using Sink = std::function<bool(AVFrame* frame, int sampleRate, int gain)>;

    MusicSchedule(QStringList paths, double totalSeconds, Sink sink);
    ~MusicSchedule();

    /// Hands music on until \a seconds of audio exist or the list runs out.
    /// False when the sink failed.
    bool catchUp(double seconds);
    /// Goes on from \a seconds of the video, passing earlier files over by
    /// their length; within a file to the frame that holds the moment.
    void seek(double seconds);
    /// True once every file has been handed on.
    bool finished() const;

private:
    bool openNext();

    QStringList paths;
    int next = 0;
    double totalSeconds;
    double trackTime = 0;
    double audioTime = 0;
    double skipUntil = -1; // in the current file, after a seek
    Sink sink;
    std::unique_ptr<AudioInput> input;
    QSharedPointer<MediaFileInfo> info;
    AVFrameUPtr frame;
};
