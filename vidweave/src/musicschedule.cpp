#include "musicschedule_p.h"

#include "avinput_p.h"
#include "vidweave/audiotools.h"
#include "vidweave/mediafileinfo.h"

int musicGain(double trackTime, double remainingVideo, double remainingTrack)
{
    if (trackTime < 1.0)
        return int(trackTime * 256);
    const double m = remainingVideo <= remainingTrack ? remainingVideo : remainingTrack;
    if (m > 1.0)
        return 256;
    const int gain = int(m * 256);
    return gain < 0 ? 0 : gain;
}

MusicSchedule::MusicSchedule(QStringList paths, double totalSeconds, Sink sink)
    : paths(std::move(paths)), totalSeconds(totalSeconds), sink(std::move(sink)),
      frame(av_frame_alloc())
{
}

MusicSchedule::~MusicSchedule() = default;

bool MusicSchedule::openNext()
{
    input.reset();
    while (next < paths.size()) {
        QString path = paths.at(next++);
        info = AudioTools::GetMediaFileInfo(path);
        if (!info)
            continue; // unusable file: the next one follows without a gap
        auto candidate = std::make_unique<AudioInput>(path);
        if (!candidate->IsValid())
            continue;
        input = std::move(candidate);
        trackTime = 0;
        skipUntil = -1;
        return true;
    }
    return false;
}

bool MusicSchedule::finished() const
{
    return !input && next >= paths.size();
}

void MusicSchedule::seek(double seconds)
{
    input.reset();
    next = 0;
    audioTime = 0;
    while (openNext()) {
        const double length = double(info->getDuration());
        if (audioTime + length > seconds) {
            const double into = seconds - audioTime;
            if (into > 0) {
                input->SeekTo(into); // where it cannot, the frames before are passed over
                skipUntil = into;
            }
            trackTime = into;
            break;
        }
        audioTime += length;
    }
    audioTime = seconds;
}

bool MusicSchedule::catchUp(double seconds)
{
    while (seconds > audioTime) {
        if (!input || !input->ReadFrame(frame.get())) {
            if (!openNext())
                return true; // the music list ran out: the rest is silent
            continue;
        }
        int sampleRate = frame->sample_rate;
        if (sampleRate <= 0 && input->GetCodecContext())
            sampleRate = input->GetCodecContext()->sample_rate;
        if (sampleRate <= 0 || frame->nb_samples <= 0)
            continue;
        const double d = double(frame->nb_samples) / sampleRate;
        if (skipUntil >= 0) {
            // A seek lands on a key point before the moment asked for.
            const double at = input->FrameSeconds(frame.get());
            if (at >= 0 && at + d <= skipUntil)
                continue;
            skipUntil = -1;
        }
        audioTime += d;
        trackTime += d;
        const int gain = musicGain(trackTime, totalSeconds - audioTime,
                                   double(info->getDuration()) - trackTime);
        if (!sink(frame.get(), sampleRate, gain))
            return false;
    }
    return true;
}
