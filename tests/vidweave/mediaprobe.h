#pragma once

// Decodes what the engine wrote, for checks in tests.
#include <QImage>
#include <QString>

#include <vector>

struct ProbedMedia
{
    bool opened = false;
    int videoStreams = 0;
    int audioStreams = 0;
    QString videoCodec;
    QString audioCodec;
    int width = 0;
    int height = 0;
    double frameRate = 0; // average, frames per second
    double videoSeconds = 0; // end of the last frame
    double audioSeconds = 0; // end of the last audio frame
    double firstAudioPacket = 0; // time of the first audio packet in the file
    int audioSampleRate = 0;
    int audioChannels = 0;
    std::vector<QImage> frames; // RGB888, in presentation order
    std::vector<float> audio; // first channel, as floats -1..1
};

/// Opens \a path and decodes every video frame (when \a keepFrames) and
/// every audio sample of the first channel.
ProbedMedia probeMedia(const QString& path, bool keepFrames = true);

/// Mean of each channel over a rectangle of an RGB image.
QColor meanColour(const QImage& image, const QRect& area);

/// Root mean square of samples [from, to) in seconds.
double rms(const std::vector<float>& samples, int sampleRate, double from, double to);
