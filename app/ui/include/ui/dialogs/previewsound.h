#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class QAudioOutput;

/// The preview's music through the sound device, decoded ahead by the
/// engine on a thread of its own so that it is the video's music. Where no
/// device can play it, it stays silent and available() is false: the
/// player keeps time by the system clock instead.
class PreviewSound : public QObject
{
    Q_OBJECT
public:
    PreviewSound(const QStringList& paths, double videoSeconds, QObject* parent = nullptr);
    ~PreviewSound() override;

    /// Whether a sound device can play the music at all.
    static bool deviceFound();
    /// True while the device plays (or can play) the music.
    bool available() const;
    /// Plays from \a seconds of the video.
    void play(double seconds);
    /// Stops the sound and its decoding; play() goes on again.
    void stop();
    /// Seconds of the video being heard now.
    double position() const;

private:
    class Buffer;

    std::unique_ptr<Buffer> buffer;
    std::unique_ptr<QAudioOutput> output;
    double startedAt = 0;
};
