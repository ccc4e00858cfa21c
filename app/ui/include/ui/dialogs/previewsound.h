#pragma once

#include <QElapsedTimer>
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
    /// Seconds of the video being heard now: a steady clock that follows
    /// the device's coarse account of what it played.
    double position() const;

private:
    class Buffer;

    /// What the device says it played; it moves in steps of its buffer.
    double heard() const;

    std::unique_ptr<Buffer> buffer;
    std::unique_ptr<QAudioOutput> output;
    double startedAt = 0;
    mutable QElapsedTimer since; // from the first sound of this play()
    mutable double offset = 0;   // of the clock from the sound, in seconds
    mutable qint64 lastMs = 0;
    mutable double lastPosition = 0;
};
