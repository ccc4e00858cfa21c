#include "vidweave/musicsound.h"

#include "avoutput_p.h"
#include "avptr_p.h"
#include "musicschedule_p.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <algorithm>

struct MusicSound::Private
{
    Private(const QStringList& paths, double videoSeconds)
        : videoSamples(int64_t(videoSeconds * sampleRate)),
          schedule(paths, videoSeconds,
                   [this](AVFrame* frame, int rate, int gain) { return convert(frame, rate, gain); })
    {
    }

    bool convert(AVFrame* frame, int rate, int gain);
    SwrContext* resamplerFor(const AVFrame* frame, int rate);

    int64_t videoSamples;
    int64_t at = 0;     // samples of the video handed out
    double asked = 0;   // seconds of music asked of the schedule
    QByteArray pending; // converted, not yet handed out
    MusicSchedule schedule;
    SwrContextUPtr resampler;
    int resamplerRate = 0;
    int resamplerFormat = -1;
    int resamplerChannels = 0;
};

SwrContext* MusicSound::Private::resamplerFor(const AVFrame* frame, int rate)
{
    const int channelCount = frame->ch_layout.nb_channels;
    if (resampler && rate == resamplerRate && frame->format == resamplerFormat
        && channelCount == resamplerChannels)
        return resampler.get();
    AVChannelLayout in{};
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&in, channelCount);
    else
        av_channel_layout_copy(&in, &frame->ch_layout);
    AVChannelLayout out{};
    av_channel_layout_default(&out, channels);
    SwrContext* made = nullptr;
    const bool ok = swr_alloc_set_opts2(&made, &out, AV_SAMPLE_FMT_S16, sampleRate, &in,
                                        AVSampleFormat(frame->format), rate, 0, nullptr)
                        >= 0
                    && swr_init(made) >= 0;
    av_channel_layout_uninit(&in);
    av_channel_layout_uninit(&out);
    if (!ok) {
        swr_free(&made);
        resampler.reset();
        return nullptr;
    }
    resampler.reset(made);
    resamplerRate = rate;
    resamplerFormat = frame->format;
    resamplerChannels = channelCount;
    return made;
}

bool MusicSound::Private::convert(AVFrame* frame, int rate, int gain)
{
    SwrContext* swr = resamplerFor(frame, rate);
    if (!swr)
        return true; // a track that cannot be converted stays silent
    AVFrameUPtr out(av_frame_alloc());
    if (!out)
        return false;
    out->format = AV_SAMPLE_FMT_S16;
    out->sample_rate = sampleRate;
    av_channel_layout_default(&out->ch_layout, channels);
    out->nb_samples = swr_get_out_samples(swr, frame->nb_samples);
    if (out->nb_samples <= 0 || av_frame_get_buffer(out.get(), 0) < 0)
        return out->nb_samples <= 0;
    const int converted = swr_convert(swr, out->extended_data, out->nb_samples,
                                      const_cast<const uint8_t**>(frame->extended_data),
                                      frame->nb_samples);
    if (converted <= 0)
        return converted == 0;
    out->nb_samples = converted;
    ScaleAudioSamples(out.get(), gain);
    pending.append(reinterpret_cast<const char*>(out->data[0]), converted * bytesPerSample);
    return true;
}

MusicSound::MusicSound(const QStringList& paths, double videoSeconds)
    : d(std::make_unique<Private>(paths, videoSeconds))
{
}

MusicSound::~MusicSound() = default;

void MusicSound::seek(double seconds)
{
    d->at = std::clamp<int64_t>(int64_t(seconds * sampleRate), 0, d->videoSamples);
    d->asked = double(d->at) / sampleRate;
    d->pending.clear();
    d->resampler.reset();
    d->schedule.seek(d->asked);
}

QByteArray MusicSound::read(int samples)
{
    const int64_t count = std::clamp<int64_t>(samples, 0, d->videoSamples - d->at);
    const int bytes = int(count) * bytesPerSample;
    // The schedule hands on whole frames: ask in small steps until enough is here.
    while (d->pending.size() < bytes && !d->schedule.finished()) {
        d->asked += 0.05;
        if (!d->schedule.catchUp(d->asked))
            break;
    }
    QByteArray sound = d->pending.left(bytes);
    d->pending.remove(0, sound.size());
    sound.append(bytes - sound.size(), '\0'); // the music ran out: silence
    d->at += count;
    return sound;
}

double MusicSound::position() const
{
    return double(d->at) / sampleRate;
}
