#include "musicschedule_p.h"

#include "avinput_p.h"
#include "vidweave/audiotools.h"
#include "avoutput_p.h"
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

MusicSchedule::MusicSchedule(QStringList paths, double totalSeconds, AVOutput* output)
    : paths(std::move(paths)), totalSeconds(totalSeconds), output(output),
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
        return true;
    }
    return false;
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
        audioTime += d;
        trackTime += d;
        const int gain = musicGain(trackTime, totalSeconds - audioTime,
                                   double(info->getDuration()) - trackTime);
        if (!output->WriteAudioFrame(frame.get(), sampleRate, gain))
            return false;
    }
    return true;
}
