#include "music.h"

#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <vector>

namespace {

const int rate = 44100;
const double bpm = 96;
const double beat = 60.0 / bpm;

double noteHz(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

struct Mix
{
    std::vector<float> left, right;
    explicit Mix(double seconds) : left(size_t(seconds * rate)), right(size_t(seconds * rate)) {}

    void add(double start, double length, double pan, const std::function<double(double)>& voice)
    {
        const size_t a = size_t(start * rate);
        const size_t n = size_t(length * rate);
        for (size_t i = 0; i < n && a + i < left.size(); ++i) {
            const double v = voice(double(i) / rate);
            left[a + i] += float(v * (1 - pan) );
            right[a + i] += float(v * pan);
        }
    }
};

/// A soft pad: detuned sines with a slow swell.
std::function<double(double)> pad(double hz, double length)
{
    return [=](double t) {
        const double env = std::min(1.0, t / 0.8) * std::min(1.0, (length - t) / 0.8);
        return 0.05 * env
               * (std::sin(2 * M_PI * hz * t) + 0.6 * std::sin(2 * M_PI * hz * 1.003 * t)
                  + 0.3 * std::sin(2 * M_PI * hz * 2.0 * t));
    };
}

/// A plucked note: bright at first, fading quickly.
std::function<double(double)> pluck(double hz)
{
    return [=](double t) {
        const double env = std::exp(-t * 5.0);
        return 0.16 * env
               * (std::sin(2 * M_PI * hz * t) + 0.35 * std::exp(-t * 12) * std::sin(4 * M_PI * hz * t));
    };
}

std::function<double(double)> bass(double hz)
{
    return [=](double t) {
        const double env = std::min(1.0, t / 0.02) * std::exp(-t * 1.6);
        return 0.22 * env * std::sin(2 * M_PI * hz * t);
    };
}

std::function<double(double)> kick()
{
    return [](double t) {
        const double hz = 50 + 90 * std::exp(-t * 30);
        return 0.35 * std::exp(-t * 9) * std::sin(2 * M_PI * hz * t);
    };
}

bool writeWav(const QString& path, const Mix& mix)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 samples = quint32(mix.left.size());
    const quint32 bytes = samples * 4;
    out.writeRawData("RIFF", 4);
    out << quint32(36 + bytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(2) << quint32(rate) << quint32(rate * 4)
        << quint16(4) << quint16(16);
    out.writeRawData("data", 4);
    out << bytes;
    for (quint32 i = 0; i < samples; ++i) {
        out << qint16(std::lround(std::clamp(mix.left[i], -1.f, 1.f) * 32000))
            << qint16(std::lround(std::clamp(mix.right[i], -1.f, 1.f) * 32000));
    }
    return out.status() == QDataStream::Ok;
}

} // namespace

bool writeDemoMusic(const QString& path, QString* error)
{
    // I - V - vi - IV in C, eight times round, with an ending on C.
    const int roots[] = {60, 55, 57, 53};
    const bool minor[] = {false, false, true, false};
    const int bars = 28;
    const double seconds = bars * 4 * beat + 3.0;
    Mix mix(seconds);
    for (int bar = 0; bar < bars; ++bar) {
        const int chord = bar % 4;
        const int root = roots[chord];
        const int third = root + (minor[chord] ? 3 : 4);
        const double start = bar * 4 * beat;
        for (int note : {root, third, root + 7})
            mix.add(start, 4 * beat + 0.4, 0.5, pad(noteHz(note), 4 * beat + 0.4));
        if (bar >= 2)
            for (int b = 0; b < 4; ++b)
                mix.add(start + b * beat, beat, 0.5, bass(noteHz(root - 24)));
        if (bar >= 4 && bar < bars - 1) {
            const int pattern[] = {0, 7, 12, 16, 12, 7, 4, 7};
            for (int s = 0; s < 8; ++s) {
                const int note = root + 12 + (pattern[s] == 4 ? third - root : pattern[s]);
                mix.add(start + s * beat / 2, 1.2, s % 2 ? 0.35 : 0.65, pluck(noteHz(note)));
            }
        }
        if (bar >= 8 && bar < bars - 2)
            for (int b = 0; b < 4; b += 2)
                mix.add(start + b * beat, 0.5, 0.5, kick());
    }
    for (int note : {48, 60, 64, 67, 72})
        mix.add(bars * 4 * beat, 3.0, 0.5, pad(noteHz(note), 3.0));

    QTemporaryDir dir;
    const QString wav = dir.filePath("music.wav");
    if (!writeWav(wav, mix)) {
        *error = "cannot write " + wav;
        return false;
    }
    const int rc = QProcess::execute(
        "ffmpeg", {"-v", "error", "-y", "-i", wav, "-c:a", "aac", "-b:a", "160k", "-metadata",
                   "artist=Pictavio Studio", "-metadata", "title=Bright Morning", path});
    if (rc != 0) {
        *error = "the ffmpeg command could not encode the demo music";
        return false;
    }
    return true;
}
