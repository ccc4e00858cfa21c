#pragma once

#include "vidweave/vidweave_export.h"

#include <QByteArray>
#include <QStringList>

#include <memory>

/// The music of a slideshow as a render lays it under the video (files end
/// to end, the same fades, silence once they run out), as signed 16-bit
/// stereo samples at 44.1 kHz, interleaved, for a player to play.
class VIDWEAVE_EXPORT MusicSound
{
public:
    static constexpr int sampleRate = 44100;
    static constexpr int channels = 2;
    static constexpr int bytesPerSample = 2 * channels;

    MusicSound(const QStringList& paths, double videoSeconds);
    ~MusicSound();
    MusicSound(const MusicSound&) = delete;
    MusicSound& operator=(const MusicSound&) = delete;

    /// Goes on from \a seconds of the video.
    void seek(double seconds);
    /// The next \a samples samples (fewer at the video's end, none after).
    QByteArray read(int samples);
    /// Seconds of the video the next read() begins at.
    double position() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
