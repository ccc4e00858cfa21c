#pragma once

#include "avptr_p.h"

#include <QSharedPointer>
#include <QStringList>

#include <memory>

class AudioInput;
class AVOutput;
class MediaFileInfo;

/// Gain in 1/256 units for a music frame: fade in over each file's first
/// second, fade out over each file's and the video's last second.
int musicGain(double trackTime, double remainingVideo, double remainingTrack);

/// Lays the music files end to end under the video, in step with the
/// frames written so far. Files that cannot be opened are skipped.
class MusicSchedule
{
public:
    MusicSchedule(QStringList paths, double totalSeconds, AVOutput* output);
    ~MusicSchedule();

    /// Writes music until \a seconds of audio exist or the list runs out.
    /// False when the writer failed.
    bool catchUp(double seconds);

private:
    bool openNext();

    QStringList paths;
    int next = 0;
    double totalSeconds;
    double trackTime = 0;
    double audioTime = 0;
    AVOutput* output;
    std::unique_ptr<AudioInput> input;
    QSharedPointer<MediaFileInfo> info;
    AVFrameUPtr frame;
};
