#include "avoutput_p.h"

#include "avptr_p.h"
#include "jobthread_p.h"
#include "renderstats_p.h"
#include "yuvconvert_p.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

#include <QCoreApplication>

#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("AVOutput", text);
}

struct Encoder
{
    AVCodecContextUPtr codec;
    AVStream* stream = nullptr;
};

/// Resamplers by input format, kept for the life of the process.
std::mutex resamplerLock;
std::map<std::string, SwrContextUPtr>& resamplers()
{
    static std::map<std::string, SwrContextUPtr> cache;
    return cache;
}

std::string resamplerKey(const AVChannelLayout& layout, int sampleRate, int format)
{
    const std::string channels = layout.order == AV_CHANNEL_ORDER_NATIVE
                                     ? std::to_string(layout.u.mask)
                                     : "n" + std::to_string(layout.nb_channels);
    return "chl" + channels + "sr" + std::to_string(sampleRate) + "sf" + std::to_string(format);
}

template <typename T, typename Wide>
void scaleInteger(T* samples, int count, int gain, Wide low, Wide high, Wide centre)
{
    for (int i = 0; i < count; ++i) {
        const Wide s = (Wide(samples[i]) - centre) * gain + 128;
        Wide scaled = (s >> 8) + centre;
        samples[i] = T(scaled < low ? low : scaled > high ? high : scaled);
    }
}

template <typename T>
void scaleFloat(T* samples, int count, int gain)
{
    for (int i = 0; i < count; ++i)
        samples[i] = samples[i] * T(gain) / T(256);
}

} // namespace

void renderstats::keepFrame(const AVFrame* yuv)
{
    static std::FILE* const file = [] {
        const QByteArray path = qgetenv("PICTAVIO_RENDER_FRAMES");
        return path.isEmpty() ? nullptr : std::fopen(path.constData(), "wb");
    }();
    if (!file || yuv->format != AV_PIX_FMT_YUV420P)
        return;
    for (int plane = 0; plane < 3; ++plane) {
        const int width = plane ? (yuv->width + 1) / 2 : yuv->width;
        const int height = plane ? (yuv->height + 1) / 2 : yuv->height;
        for (int row = 0; row < height; ++row)
            std::fwrite(yuv->data[plane] + std::ptrdiff_t(row) * yuv->linesize[plane], 1,
                        size_t(width), file);
    }
    std::fflush(file);
}

void ScaleAudioSamples(AVFrame* frame, int gain)
{
    if (!frame || gain == 256)
        return;
    const auto format = AVSampleFormat(frame->format);
    const int channels = frame->ch_layout.nb_channels;
    const bool planar = av_sample_fmt_is_planar(format);
    const int planes = planar ? channels : 1;
    const int count = planar ? frame->nb_samples : frame->nb_samples * channels;
    for (int p = 0; p < planes; ++p) {
        uint8_t* data = frame->extended_data[p];
        switch (av_get_packed_sample_fmt(format)) {
        case AV_SAMPLE_FMT_U8:
            scaleInteger<uint8_t, int>(data, count, gain, 0, 255, 128);
            break;
        case AV_SAMPLE_FMT_S16:
            scaleInteger<int16_t, int>(reinterpret_cast<int16_t*>(data), count, gain, -32768,
                                       32767, 0);
            break;
        case AV_SAMPLE_FMT_S32:
            scaleInteger<int32_t, int64_t>(reinterpret_cast<int32_t*>(data), count, gain,
                                           INT32_MIN, INT32_MAX, 0);
            break;
        case AV_SAMPLE_FMT_FLT:
            scaleFloat(reinterpret_cast<float*>(data), count, gain);
            break;
        case AV_SAMPLE_FMT_DBL:
            scaleFloat(reinterpret_cast<double*>(data), count, gain);
            break;
        default:
            break;
        }
    }
}

struct AVOutput::Private
{
    QString path;
    AVOutputContextUPtr format;
    Encoder video;
    Encoder audio;
    SwsContextUPtr scaler;
    AVAudioFifoUPtr fifo;
    AVPacketUPtr packet{av_packet_alloc()};
    int64_t offset = 0;
    int64_t lastVideoPts = -1;
    int64_t audioSamples = 0;
    bool headerWritten = false;
    bool closed = false;

    bool fail(const QString& reason)
    {
        const std::lock_guard<std::mutex> guard(errorLock);
        if (error.isEmpty())
            error = reason;
        return false;
    }
    QString errorString()
    {
        const std::lock_guard<std::mutex> guard(errorLock);
        return error;
    }
    bool failed() { return !errorString().isEmpty(); }

    bool openVideo(int width, int height, int num, int den, const VideoEncoding& encoding);
    bool openAudio();
    bool drain(Encoder& encoder);
    bool encode(Encoder& encoder, AVFrame* frame);
    bool encodeFifo(int gain);
    bool convert(AVFrame* picture, AVFrame* yuv);
    bool prepareYuv(AVFrame* yuv);
    void post(Encoder& encoder, AVFrameUPtr frame, bool reuse);
    AVFrameUPtr spareFrame();
    Q_DECLARE_TR_FUNCTIONS(AVOutput) // for lupdate: the context tr() looks up

private:
    std::mutex errorLock;
    QString error; // set by either thread

    std::mutex spareLock;
    std::vector<AVFrameUPtr> spare; // converted pictures the encoder is done with

public:
    // Encoding and writing run beside the composition of the next frames; a
    // few jobs (video pictures and music frames) may wait. Last: it ends first.
    JobThread writer{4};
};

bool AVOutput::Private::openVideo(int width, int height, int num, int den,
                                  const VideoEncoding& encoding)
{
    const AVCodec* codec = avcodec_find_encoder(format->oformat->video_codec);
    if (!codec)
        return fail(tr("No H.264 encoder is available."));
    video.codec.reset(avcodec_alloc_context3(codec));
    video.stream = avformat_new_stream(format.get(), nullptr);
    if (!video.codec || !video.stream)
        return fail(tr("Out of memory."));
    AVCodecContext* c = video.codec.get();
    c->width = width;
    c->height = height;
    c->time_base = AVRational{num, den};
    c->framerate = AVRational{den, num};
    c->pix_fmt = AV_PIX_FMT_YUV420P;
    c->thread_count = 4;
    if (format->oformat->flags & AVFMT_GLOBALHEADER)
        c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "crf", encoding.crf, 0);
    av_dict_set(&options, "preset", encoding.preset, 0);
    if (encoding.x264Params)
        av_dict_set(&options, "x264-params", encoding.x264Params, 0);
    av_dict_set(&options, "sc_threshold", "5", 0);
    // avcodec_open2 swaps the dictionary for one of the options it did not use.
    const int rc = avcodec_open2(c, codec, &options);
    const AVDictionaryUPtr unused(options);
    if (rc < 0)
        return fail(tr("The video encoder cannot start (%1).").arg(avErrorText(rc)));
    video.stream->time_base = c->time_base;
    video.stream->avg_frame_rate = c->framerate;
    if (avcodec_parameters_from_context(video.stream->codecpar, c) < 0)
        return fail(tr("Out of memory."));

    return true;
}

bool AVOutput::Private::openAudio()
{
    const AVCodec* codec = avcodec_find_encoder(format->oformat->audio_codec);
    if (!codec)
        return fail(tr("No AAC encoder is available."));
    audio.codec.reset(avcodec_alloc_context3(codec));
    audio.stream = avformat_new_stream(format.get(), nullptr);
    if (!audio.codec || !audio.stream)
        return fail(tr("Out of memory."));
    AVCodecContext* c = audio.codec.get();
    // The native AAC encoder takes planar floats only.
    c->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
    c->bit_rate = 192000;
    c->sample_rate = 44100;
    c->time_base = AVRational{1, c->sample_rate};
    c->thread_count = 4;
    av_channel_layout_default(&c->ch_layout, 2);
    if (format->oformat->flags & AVFMT_GLOBALHEADER)
        c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const int rc = avcodec_open2(c, codec, nullptr);
    if (rc < 0)
        return fail(tr("The audio encoder cannot start (%1).").arg(avErrorText(rc)));
    audio.stream->time_base = c->time_base;
    if (avcodec_parameters_from_context(audio.stream->codecpar, c) < 0)
        return fail(tr("Out of memory."));
    fifo.reset(av_audio_fifo_alloc(c->sample_fmt, c->ch_layout.nb_channels, 1));
    return fifo ? true : fail(tr("Out of memory."));
}

AVOutput::AVOutput(QString path, const AVOutputFormat* outputFormat, int height, int width,
                   int timeBaseNum, int timeBaseDen, int pixelFormat, bool withAudio,
                   const VideoEncoding& encoding)
    : d(std::make_unique<Private>())
{
    Q_UNUSED(pixelFormat) // H.264 in MP4 is always written as planar YUV 4:2:0
    d->path = path;
    if (!outputFormat || width <= 0 || height <= 0 || timeBaseNum <= 0 || timeBaseDen <= 0) {
        d->fail(tr("The video settings are not usable."));
        return;
    }
    d->format.reset(avformat_alloc_context());
    if (!d->format || !d->packet) {
        d->fail(tr("Out of memory."));
        return;
    }
    d->format->oformat = outputFormat;
    if (!d->openVideo(width, height, timeBaseNum, timeBaseDen, encoding)
        || (withAudio && !d->openAudio()))
        return;
    int rc = avio_open2(&d->format->pb, path.toUtf8().constData(), AVIO_FLAG_WRITE, nullptr,
                        nullptr);
    if (rc < 0) {
        d->fail(tr("%1 cannot be written (%2).").arg(path, avErrorText(rc)));
        return;
    }
    rc = avformat_write_header(d->format.get(), nullptr);
    if (rc < 0) {
        d->fail(tr("The video header cannot be written (%1).").arg(avErrorText(rc)));
        return;
    }
    d->headerWritten = true;
}

AVOutput::~AVOutput()
{
    if (!d->closed)
        Close();
}

bool AVOutput::IsValid() const
{
    return d->headerWritten && !d->failed();
}

QString AVOutput::ErrorString() const
{
    return d->errorString();
}

bool AVOutput::Private::drain(Encoder& encoder)
{
    for (;;) {
        const int rc = avcodec_receive_packet(encoder.codec.get(), packet.get());
        if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
            return true;
        if (rc < 0)
            return fail(tr("The video cannot be encoded (%1).").arg(avErrorText(rc)));
        av_packet_rescale_ts(packet.get(), encoder.codec->time_base, encoder.stream->time_base);
        packet->stream_index = encoder.stream->index;
        const int written = av_interleaved_write_frame(format.get(), packet.get());
        av_packet_unref(packet.get());
        if (written < 0)
            return fail(tr("The video file cannot be written (%1).").arg(avErrorText(written)));
    }
}

bool AVOutput::Private::encode(Encoder& encoder, AVFrame* frame)
{
    const int rc = avcodec_send_frame(encoder.codec.get(), frame);
    if (rc < 0)
        return fail(tr("The video cannot be encoded (%1).").arg(avErrorText(rc)));
    return drain(encoder);
}

bool AVOutput::WriteVideoFrame(AVFrame* picture, int timeBaseNum, int timeBaseDen)
{
    if (!IsValid())
        return d->fail(tr("The video file is not open."));
    if (!picture || timeBaseNum <= 0 || timeBaseDen <= 0)
        return d->fail(tr("A frame without a usable time base (%1/%2) cannot be written.")
                           .arg(timeBaseNum)
                           .arg(timeBaseDen));
    AVCodecContext* c = d->video.codec.get();
    AVFrameUPtr yuv = d->spareFrame();
    if (!yuv || !d->convert(picture, yuv.get()))
        return d->fail(tr("Out of memory."));

    // Frames are timed in the encoder's 1/30 s whatever the muxer picked.
    const int64_t pts = picture->pts == AV_NOPTS_VALUE ? 0 : picture->pts;
    int64_t out = d->offset
                  + pts * c->time_base.den * timeBaseNum / timeBaseDen / c->time_base.num;
    if (out <= d->lastVideoPts)
        out = d->lastVideoPts + 1; // the encoder needs strictly rising times
    d->lastVideoPts = out;
    yuv->pts = out;
    d->post(d->video, std::move(yuv), true);
    return IsValid(); // a failure of an earlier frame shows here
}

// Into \a yuv: converted, or a reference when the picture is already in the
// encoder's format and size (as when measuring the encoder alone).
bool AVOutput::Private::convert(AVFrame* picture, AVFrame* yuv)
{
    const AVCodecContext* c = video.codec.get();
    if (picture->format == c->pix_fmt && picture->width == c->width
        && picture->height == c->height && picture->buf[0]) {
        av_frame_unref(yuv);
        return av_frame_ref(yuv, picture) >= 0;
    }
    const renderstats::Timer timer(renderstats::Convert);
    if (!prepareYuv(yuv))
        return false;
    // The working frame, at the video's size, goes the fast way.
    if ((picture->format == AV_PIX_FMT_BGRA || picture->format == AV_PIX_FMT_BGR0)
        && c->pix_fmt == AV_PIX_FMT_YUV420P && picture->width == c->width
        && picture->height == c->height) {
        bgraToYuv420(picture->data[0], picture->linesize[0], c->width, c->height,
                     {yuv->data[0], yuv->data[1], yuv->data[2], yuv->linesize[0],
                      yuv->linesize[1], yuv->linesize[2]});
        return true;
    }
    scaler.reset(sws_getCachedContext(scaler.release(), picture->width, picture->height,
                                      AVPixelFormat(picture->format), c->width, c->height,
                                      c->pix_fmt, SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!scaler)
        return false;
    sws_scale(scaler.get(), picture->data, picture->linesize, 0, picture->height, yuv->data,
              yuv->linesize);
    return true;
}

// \a yuv writable, in the encoder's format and size.
bool AVOutput::Private::prepareYuv(AVFrame* yuv)
{
    const AVCodecContext* c = video.codec.get();
    if (!yuv->buf[0] || yuv->format != c->pix_fmt) {
        av_frame_unref(yuv);
        yuv->format = c->pix_fmt;
        yuv->width = c->width;
        yuv->height = c->height;
        if (av_frame_get_buffer(yuv, 0) < 0)
            return false;
    }
    return av_frame_make_writable(yuv) >= 0;
}

AVFrameUPtr AVOutput::Private::spareFrame()
{
    const std::lock_guard<std::mutex> guard(spareLock);
    if (spare.empty())
        return AVFrameUPtr(av_frame_alloc());
    AVFrameUPtr frame = std::move(spare.back());
    spare.pop_back();
    return frame;
}

// Encodes \a frame on the writer thread; a \a reuse frame goes back to the
// spares afterwards, the others are freed.
void AVOutput::Private::post(Encoder& encoder, AVFrameUPtr frame, bool reuse)
{
    // std::function wants a copyable job: the frame travels as a pointer that
    // the job always takes back, since every posted job runs.
    writer.post([this, &encoder, reuse, raw = frame.release()] {
        AVFrameUPtr owned(raw);
        if (!failed()) {
            if (&encoder == &video)
                renderstats::keepFrame(owned.get());
            const renderstats::Timer timer(renderstats::Encode);
            encode(encoder, owned.get());
        }
        if (reuse) {
            const std::lock_guard<std::mutex> guard(spareLock);
            spare.push_back(std::move(owned));
        }
    });
}

void AVOutput::AddTimeOffset(int64_t duration, int timeBaseNum, int timeBaseDen)
{
    if (!d->video.codec || timeBaseDen <= 0)
        return;
    const AVRational tb = d->video.codec->time_base;
    d->offset += duration * timeBaseNum * tb.den / timeBaseDen / tb.num;
}

void AVOutput::GetTimeInfo(int64_t& offset, std::pair<int, int>& streamTimeBase) const
{
    offset = d->offset;
    if (d->video.codec)
        streamTimeBase = {d->video.codec->time_base.num, d->video.codec->time_base.den};
}

bool AVOutput::WriteAudioFrame(AVFrame* decoded, int sampleRate, int gain)
{
    if (!IsValid())
        return d->fail(tr("The video file is not open."));
    if (!d->audio.codec || !decoded || sampleRate <= 0)
        return d->fail(tr("The music cannot be converted."));
    AVCodecContext* c = d->audio.codec.get();
    AVChannelLayout inLayout{};
    if (decoded->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&inLayout, decoded->ch_layout.nb_channels);
    else
        av_channel_layout_copy(&inLayout, &decoded->ch_layout);

    SwrContext* swr = nullptr;
    {
        std::lock_guard<std::mutex> guard(resamplerLock);
        SwrContextUPtr& cached = resamplers()[resamplerKey(inLayout, sampleRate, decoded->format)];
        if (!cached) {
            SwrContext* made = nullptr;
            if (swr_alloc_set_opts2(&made, &c->ch_layout, c->sample_fmt, c->sample_rate,
                                    &inLayout, AVSampleFormat(decoded->format), sampleRate, 0,
                                    nullptr)
                    < 0
                || swr_init(made) < 0) {
                swr_free(&made);
                av_channel_layout_uninit(&inLayout);
                return d->fail(tr("The music cannot be converted."));
            }
            cached.reset(made);
        }
        swr = cached.get();
    }
    av_channel_layout_uninit(&inLayout);

    const int capacity = swr_get_out_samples(swr, decoded->nb_samples);
    uint8_t** buffer = nullptr;
    if (capacity <= 0
        || av_samples_alloc_array_and_samples(&buffer, nullptr, c->ch_layout.nb_channels,
                                              capacity, c->sample_fmt, 0)
               < 0)
        return d->fail(tr("Out of memory."));
    const int converted = swr_convert(swr, buffer, capacity,
                                      const_cast<const uint8_t**>(decoded->extended_data),
                                      decoded->nb_samples);
    bool ok = converted >= 0;
    if (ok && converted > 0)
        ok = av_audio_fifo_write(d->fifo.get(), reinterpret_cast<void**>(buffer), converted)
             == converted;
    av_freep(&buffer[0]);
    av_freep(&buffer);
    if (!ok)
        return d->fail(tr("The music cannot be converted."));
    return d->encodeFifo(gain);
}

bool AVOutput::Private::encodeFifo(int gain)
{
    AVCodecContext* c = audio.codec.get();
    const int frameSize = c->frame_size > 0 ? c->frame_size : 1024;
    while (av_audio_fifo_size(fifo.get()) >= frameSize) {
        AVFrameUPtr frame(av_frame_alloc());
        if (frame) {
            frame->nb_samples = frameSize;
            frame->format = c->sample_fmt;
            frame->sample_rate = c->sample_rate;
            av_channel_layout_copy(&frame->ch_layout, &c->ch_layout);
        }
        if (!frame || av_frame_get_buffer(frame.get(), 0) < 0) {
            std::fputs("Could not allocate output frame\n", stderr);
            return fail(tr("Out of memory."));
        }
        if (av_audio_fifo_read(fifo.get(), reinterpret_cast<void**>(frame->data), frameSize)
            < frameSize)
            return fail(tr("The music cannot be converted."));
        ScaleAudioSamples(frame.get(), gain);
        // Music is timed in samples from the start of the file.
        frame->pts = audioSamples;
        audioSamples += frameSize;
        post(audio, std::move(frame), false);
    }
    return !failed();
}

bool AVOutput::Close()
{
    if (d->closed)
        return !d->failed();
    d->closed = true;
    d->writer.wait();
    if (!d->headerWritten) {
        if (d->format && d->format->pb)
            avio_closep(&d->format->pb);
        return false;
    }
    bool ok = !d->failed();
    if (ok && avcodec_send_frame(d->video.codec.get(), nullptr) >= 0) {
        const renderstats::Timer timer(renderstats::Encode);
        ok = d->drain(d->video);
    }
    // Music left in the buffer below one encoder frame is dropped.
    if (ok && d->audio.codec && avcodec_send_frame(d->audio.codec.get(), nullptr) >= 0)
        ok = d->drain(d->audio);
    const int trailer = av_write_trailer(d->format.get());
    if (trailer < 0)
        ok = d->fail(tr("The end of the video file cannot be written (%1).")
                         .arg(avErrorText(trailer)));
    const int closed = avio_closep(&d->format->pb);
    if (closed < 0)
        ok = d->fail(tr("The video file cannot be written (%1).").arg(avErrorText(closed)));
    return ok && !d->failed();
}
