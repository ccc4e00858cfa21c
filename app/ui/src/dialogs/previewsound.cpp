#include "ui/dialogs/previewsound.h"

#include "vidweave/musicsound.h"

#include <QAudioDeviceInfo>
#include <QAudioOutput>
#include <QIODevice>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// A second ahead rides out a slow disk; a tenth at a time keeps a seek quick.
constexpr int samplesAhead = MusicSound::sampleRate;
constexpr int samplesAtATime = MusicSound::sampleRate / 10;

QAudioFormat soundFormat()
{
    QAudioFormat format;
    format.setSampleRate(MusicSound::sampleRate);
    format.setChannelCount(MusicSound::channels);
    format.setSampleSize(16);
    format.setSampleType(QAudioFormat::SignedInt);
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setCodec(QStringLiteral("audio/pcm"));
    return format;
}

} // namespace

/// What the device pulls: the engine's samples, decoded ahead on a thread.
class PreviewSound::Buffer : public QIODevice
{
public:
    Buffer(const QStringList& paths, double videoSeconds) : music(paths, videoSeconds) {}
    ~Buffer() override { halt(); }

    void begin(double seconds)
    {
        halt();
        music.seek(seconds);
        ready.clear();
        ended = false;
        stopping = false;
        decoder = std::thread([this] { decode(); });
        open(QIODevice::ReadOnly);
    }

    void halt()
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            stopping = true;
        }
        room.notify_all();
        if (decoder.joinable())
            decoder.join();
        close();
    }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 most) override
    {
        std::lock_guard<std::mutex> guard(lock);
        const qint64 count = std::min<qint64>(most, ready.size());
        std::copy_n(ready.constData(), count, data);
        ready.remove(0, int(count));
        room.notify_all();
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    void decode()
    {
        std::unique_lock<std::mutex> guard(lock);
        while (!stopping && !ended) {
            if (ready.size() >= samplesAhead * MusicSound::bytesPerSample) {
                room.wait(guard);
                continue;
            }
            guard.unlock();
            const QByteArray more = music.read(samplesAtATime);
            guard.lock();
            ready.append(more);
            ended = more.isEmpty();
        }
    }

    MusicSound music; // read on the decoder thread only, or while it is halted
    std::thread decoder;
    std::mutex lock;
    std::condition_variable room;
    QByteArray ready;
    bool ended = false;
    bool stopping = false;
};

bool PreviewSound::deviceFound()
{
    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
    return !device.isNull() && device.isFormatSupported(soundFormat());
}

PreviewSound::PreviewSound(const QStringList& paths, double videoSeconds, QObject* parent)
    : QObject(parent)
{
    if (paths.isEmpty() || !deviceFound())
        return;
    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
    buffer = std::make_unique<Buffer>(paths, videoSeconds);
    output = std::make_unique<QAudioOutput>(device, soundFormat());
}

PreviewSound::~PreviewSound()
{
    stop();
}

bool PreviewSound::available() const
{
    return output && output->error() != QAudio::OpenError && output->error() != QAudio::FatalError;
}

void PreviewSound::play(double seconds)
{
    if (!available())
        return;
    stop();
    startedAt = seconds;
    lastPosition = seconds;
    since.invalidate();
    buffer->begin(seconds);
    output->start(buffer.get());
}

void PreviewSound::stop()
{
    if (output)
        output->stop();
    if (buffer)
        buffer->halt();
}

double PreviewSound::heard() const
{
    // What the device took, less what still waits in its buffer.
    const qint64 queued = std::max(0, output->bufferSize() - output->bytesFree());
    const double queuedSeconds = double(queued) / (MusicSound::sampleRate * MusicSound::bytesPerSample);
    return startedAt + std::max(0.0, double(output->processedUSecs()) / 1e6 - queuedSeconds);
}

double PreviewSound::position() const
{
    if (!output)
        return startedAt;
    const double sound = heard();
    if (!since.isValid()) {
        if (sound <= startedAt)
            return startedAt; // nothing heard yet
        since.start();
        offset = 0;
        lastMs = 0;
    }
    const qint64 ms = since.elapsed();
    const double clock = startedAt + double(ms) / 1000 + offset;
    // Follow the sound by at most a twentieth faster or slower, so that the
    // pictures move evenly; jump only when far apart.
    const double error = sound - clock;
    const double step = 0.05 * double(ms - lastMs) / 1000;
    offset += std::abs(error) > 0.5 ? error : std::clamp(error, -step, step);
    lastMs = ms;
    lastPosition = std::max(lastPosition, startedAt + double(ms) / 1000 + offset);
    return lastPosition;
}
