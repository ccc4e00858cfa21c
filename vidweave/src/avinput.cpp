#include "avinput_p.h"

#include "avptr_p.h"
#include "backgroundscaler_p.h"
#include "filmgrain_p.h"
#include "safeopen_p.h"
#include "renderstats_p.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

#include <QCoreApplication>

#include <cmath>

struct AVInput::Private
{
    AVInputContextUPtr format;
    AVCodecContextUPtr codec;
    AVPacketUPtr packet{av_packet_alloc()};
    AVStream* stream = nullptr;
    int index = -1;
    bool draining = false;
    QString error;
};

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("AVInput", text);
}

} // namespace

AVInput::AVInput(QString path, int mediaType) : d(std::make_unique<Private>())
{
    const MediaKind kind = mediaType == Audio ? MediaKind::Music : MediaKind::BackgroundVideo;
    AVFormatContext* format = nullptr;
    int rc = openInputSafely(&format, path, kind);
    if (rc < 0) {
        d->error = tr("%1 cannot be opened (%2).").arg(path, avErrorText(rc));
        return;
    }
    d->format.reset(format);
    rc = avformat_find_stream_info(format, nullptr);
    if (rc < 0) {
        d->error = tr("%1 cannot be read (%2).").arg(path, avErrorText(rc));
        return;
    }
    const AVMediaType wanted = mediaType == Audio ? AVMEDIA_TYPE_AUDIO : AVMEDIA_TYPE_VIDEO;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        if (format->streams[i]->codecpar->codec_type == wanted) {
            d->index = int(i);
            d->stream = format->streams[i];
            break;
        }
    }
    if (!d->stream) {
        d->error = mediaType == Audio ? tr("%1 has no sound.").arg(path)
                                      : tr("%1 has no video.").arg(path);
        return;
    }
    const AVCodec* decoder = avcodec_find_decoder(d->stream->codecpar->codec_id);
    d->codec.reset(decoderAllowed(decoder, kind) ? avcodec_alloc_context3(decoder) : nullptr);
    if (!d->codec || avcodec_parameters_to_context(d->codec.get(), d->stream->codecpar) < 0) {
        d->error = tr("%1 uses a format that cannot be decoded.").arg(path);
        d->codec.reset();
        return;
    }
    // Two frame threads keep a background video decoding beside the
    // composition; each further one cost some 15 MB at 720p and gained nothing.
    d->codec->thread_count = 2;
    d->codec->pkt_timebase = d->stream->time_base;
    rc = avcodec_open2(d->codec.get(), decoder, nullptr);
    if (rc < 0) {
        d->error = tr("%1 cannot be decoded (%2).").arg(path, avErrorText(rc));
        d->codec.reset();
    }
}

AVInput::~AVInput() = default;

bool AVInput::IsValid() const
{
    return d->codec != nullptr;
}

QString AVInput::ErrorString() const
{
    return d->error;
}

std::pair<int, int> AVInput::GetTimeBase() const
{
    if (!d->stream)
        return {0, 1};
    return {d->stream->time_base.num, d->stream->time_base.den};
}

int64_t AVInput::GetDuration() const
{
    if (!d->stream)
        return 0;
    if (d->stream->duration != AV_NOPTS_VALUE && d->stream->duration > 0)
        return d->stream->duration;
    if (d->format->duration != AV_NOPTS_VALUE && d->format->duration > 0)
        return av_rescale_q(d->format->duration, AV_TIME_BASE_Q, d->stream->time_base);
    return 0;
}

int64_t AVInput::GetFramesNumber() const
{
    if (!d->stream)
        return 0;
    if (d->stream->nb_frames > 0)
        return d->stream->nb_frames;
    // No count in the container: duration times the average frame rate.
    const AVRational rate = d->stream->avg_frame_rate;
    if (rate.num <= 0 || rate.den <= 0)
        return 0;
    const double seconds = double(GetDuration()) * av_q2d(d->stream->time_base);
    return int64_t(std::llround(seconds * av_q2d(rate)));
}

AVCodecContext* AVInput::GetCodecContext() const
{
    return d->codec.get();
}

QString AVInput::CodecName() const
{
    return d->stream ? QString::fromLatin1(avcodec_get_name(d->stream->codecpar->codec_id))
                     : QString();
}

QString AVInput::Metadata(const char* key) const
{
    if (!d->format)
        return {};
    const AVDictionaryEntry* entry = av_dict_get(d->format->metadata, key, nullptr, 0);
    return entry ? QString::fromUtf8(entry->value) : QString();
}

int64_t AVInput::StartTime() const
{
    return d->stream && d->stream->start_time != AV_NOPTS_VALUE ? d->stream->start_time : 0;
}

bool AVInput::SeekTo(double seconds)
{
    if (!d->codec || !d->stream)
        return false;
    const int64_t at = StartTime() + int64_t(seconds / av_q2d(d->stream->time_base));
    if (av_seek_frame(d->format.get(), d->index, at, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(d->codec.get());
    d->draining = false;
    return true;
}

double AVInput::FrameSeconds(const AVFrame* frame) const
{
    if (!d->stream || !frame || frame->best_effort_timestamp == AV_NOPTS_VALUE)
        return -1;
    return double(frame->best_effort_timestamp - StartTime()) * av_q2d(d->stream->time_base);
}

bool AVInput::DecodeNext(AVFrame* frame)
{
    if (!d->codec)
        return false;
    for (;;) {
        const int rc = avcodec_receive_frame(d->codec.get(), frame);
        if (rc >= 0)
            return true;
        if (rc != AVERROR(EAGAIN) || d->draining)
            return false;
        if (av_read_frame(d->format.get(), d->packet.get()) < 0) {
            d->draining = true; // end of file: let the decoder give its delayed frames
            avcodec_send_packet(d->codec.get(), nullptr);
            continue;
        }
        if (d->packet->stream_index == d->index)
            avcodec_send_packet(d->codec.get(), d->packet.get()); // a broken packet is skipped
        av_packet_unref(d->packet.get());
    }
}

struct VideoInput::Conversion
{
    explicit Conversion(int grain) : grain(grain) {}

    AVFrameUPtr decoded{av_frame_alloc()};
    AVFrameUPtr stretched{av_frame_alloc()}; // YUV 4:2:2 at the caller's size
    AVFrameUPtr grainy{av_frame_alloc()};    // the decoded frame's luma with grain
    SwsContextUPtr stretcher;
    SwsContextUPtr converter;
    BackgroundScaler scaler;
    FilmGrain grain;
    int64_t index = 0;

    bool convert(AVFrame* out);
    const AVFrame* stretch(const AVFrame* out);
    bool addGrain(const AVFrame* source, const uint8_t* planes[4], int strides[4]);
};

VideoInput::VideoInput(QString path, int grain)
    : AVInput(path, Video), conversion(new Conversion(grain))
{
}

VideoInput::~VideoInput() = default;

// swscale stretches YUV into 32-bit RGB on a slow generic path only; stretching
// in YUV and then converting at the same size takes two fast ones.
const AVFrame* VideoInput::Conversion::stretch(const AVFrame* out)
{
    if (decoded->format != AV_PIX_FMT_YUV420P
        || (decoded->width == out->width && decoded->height == out->height))
        return decoded.get();
    if (stretched->width != out->width || stretched->height != out->height) {
        av_frame_unref(stretched.get());
        stretched->format = AV_PIX_FMT_YUV422P;
        stretched->width = out->width;
        stretched->height = out->height;
        if (av_frame_get_buffer(stretched.get(), 0) < 0)
            return nullptr;
    }
    stretcher.reset(sws_getCachedContext(stretcher.release(), decoded->width, decoded->height,
                                         AV_PIX_FMT_YUV420P, out->width, out->height,
                                         AV_PIX_FMT_YUV422P, SWS_BICUBIC, nullptr, nullptr,
                                         nullptr));
    if (!stretcher)
        return nullptr;
    sws_scale(stretcher.get(), decoded->data, decoded->linesize, 0, decoded->height,
              stretched->data, stretched->linesize);
    return stretched.get();
}

// Grain on the luma of \a source, at the caller's size: in place on a
// stretched frame, which is ours; beside a decoded one, whose pictures the
// decoder still refers to.
bool VideoInput::Conversion::addGrain(const AVFrame* source, const uint8_t* planes[4],
                                      int strides[4])
{
    for (int i = 0; i < 4; ++i) {
        planes[i] = source->data[i];
        strides[i] = source->linesize[i];
    }
    const AVPixFmtDescriptor* format = av_pix_fmt_desc_get(AVPixelFormat(source->format));
    const bool planarYuv = format && (format->flags & AV_PIX_FMT_FLAG_PLANAR)
                           && !(format->flags & AV_PIX_FMT_FLAG_RGB) && format->nb_components >= 3
                           && format->comp[0].depth == 8;
    if (!grain.IsActive() || !planarYuv)
        return true;
    uint8_t* luma = source->data[0];
    int stride = source->linesize[0];
    if (source == decoded.get()) {
        if (grainy->width != source->width || grainy->height != source->height) {
            av_frame_unref(grainy.get());
            grainy->format = AV_PIX_FMT_GRAY8;
            grainy->width = source->width;
            grainy->height = source->height;
            if (av_frame_get_buffer(grainy.get(), 0) < 0)
                return false;
        }
        luma = grainy->data[0];
        stride = grainy->linesize[0];
    }
    grain.Apply(source->data[0], source->linesize[0], luma, stride, source->width,
                source->height, index++);
    planes[0] = luma;
    strides[0] = stride;
    return true;
}

bool VideoInput::Conversion::convert(AVFrame* out)
{
    if (BackgroundScaler::Handles(decoded.get(), out))
        return scaler.Scale(decoded.get(), out, grain, index++);
    const AVFrame* source = stretch(out);
    const uint8_t* planes[4];
    int strides[4];
    if (!source || !addGrain(source, planes, strides))
        return false;
    converter.reset(sws_getCachedContext(converter.release(), source->width, source->height,
                                         AVPixelFormat(source->format), out->width,
                                         out->height, AVPixelFormat(out->format), SWS_BICUBIC,
                                         nullptr, nullptr, nullptr));
    if (!converter)
        return false;
    sws_scale(converter.get(), planes, strides, 0, source->height, out->data, out->linesize);
    return true;
}

bool VideoInput::ReadFrame(AVFrame* out)
{
    return nextFrame(out, true);
}

bool VideoInput::SkipFrame(AVFrame* out)
{
    return nextFrame(out, false);
}

bool VideoInput::nextFrame(AVFrame* out, bool convert)
{
    AVFrame* decoded = conversion->decoded.get();
    if (!out || !decoded)
        return false;
    {
        const renderstats::Timer timer(renderstats::Decode);
        if (!DecodeNext(decoded))
            return false;
    }
    bool converted = true;
    if (convert) {
        const renderstats::Timer timer(renderstats::Background);
        converted = conversion->convert(out);
    } else {
        ++conversion->index; // the grain moves on as if the frame had been converted
    }
    int64_t pts = decoded->pts != AV_NOPTS_VALUE ? decoded->pts : decoded->best_effort_timestamp;
    out->pts = pts == AV_NOPTS_VALUE ? AV_NOPTS_VALUE : pts - StartTime();
    av_frame_unref(decoded);
    return converted;
}

AudioInput::AudioInput(QString path) : AVInput(path, Audio) {}

bool AudioInput::ReadFrame(AVFrame* out)
{
    if (!out)
        return false;
    av_frame_unref(out);
    return DecodeNext(out);
}
