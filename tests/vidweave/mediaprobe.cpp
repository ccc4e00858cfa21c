#include "mediaprobe.h"

#include "avptr_p.h"

extern "C" {
#include <libavutil/imgutils.h>
}

#include <QColor>

#include <cmath>
#include <memory>

namespace {

struct Decoder
{
    AVCodecContextUPtr owner;
    AVCodecContext* context = nullptr;
    bool open(AVStream* stream)
    {
        const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
        owner.reset(codec ? avcodec_alloc_context3(codec) : nullptr);
        context = owner.get();
        return context && avcodec_parameters_to_context(context, stream->codecpar) >= 0
               && avcodec_open2(context, codec, nullptr) >= 0;
    }
};

QImage toImage(const AVFrame* frame)
{
    QImage image(frame->width, frame->height, QImage::Format_RGB888);
    const SwsContextUPtr sws(sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format),
                                     frame->width, frame->height, AV_PIX_FMT_RGB24,
                                     SWS_BICUBIC, nullptr, nullptr, nullptr));
    uint8_t* dst[4] = {image.bits(), nullptr, nullptr, nullptr};
    int dstLines[4] = {int(image.bytesPerLine()), 0, 0, 0};
    sws_scale(sws.get(), frame->data, frame->linesize, 0, frame->height, dst, dstLines);
    return image;
}

void takeAudio(const AVFrame* frame, ProbedMedia& out)
{
    const auto format = AVSampleFormat(frame->format);
    for (int i = 0; i < frame->nb_samples; ++i) {
        float v = 0;
        if (format == AV_SAMPLE_FMT_FLTP || format == AV_SAMPLE_FMT_FLT)
            v = reinterpret_cast<const float*>(frame->data[0])[format == AV_SAMPLE_FMT_FLT
                                                                   ? i * frame->ch_layout.nb_channels
                                                                   : i];
        else if (format == AV_SAMPLE_FMT_S16P || format == AV_SAMPLE_FMT_S16)
            v = reinterpret_cast<const int16_t*>(frame->data[0])[format == AV_SAMPLE_FMT_S16
                                                                     ? i * frame->ch_layout.nb_channels
                                                                     : i]
                / 32768.f;
        out.audio.push_back(v);
    }
}

void drain(AVCodecContext* context, AVFrame* frame, AVStream* stream, bool video, bool keep,
           ProbedMedia& out)
{
    while (avcodec_receive_frame(context, frame) >= 0) {
        const double tb = av_q2d(stream->time_base);
        const int64_t pts = frame->best_effort_timestamp;
        if (video) {
            const double end = pts * tb + 1.0 / (out.frameRate > 0 ? out.frameRate : 30.0);
            out.videoSeconds = std::max(out.videoSeconds, end);
            if (keep)
                out.frames.push_back(toImage(frame));
            else
                out.frames.emplace_back();
        } else {
            out.audioSeconds = std::max(out.audioSeconds,
                                        pts * tb + double(frame->nb_samples) / frame->sample_rate);
            takeAudio(frame, out);
        }
        av_frame_unref(frame);
    }
}

} // namespace

ProbedMedia probeMedia(const QString& path, bool keepFrames)
{
    ProbedMedia out;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return out;
    const AVInputContextUPtr owner(format);
    if (avformat_find_stream_info(format, nullptr) < 0)
        return out;
    out.opened = true;

    Decoder video, audio;
    int videoIndex = -1, audioIndex = -1;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        AVStream* stream = format->streams[i];
        const AVCodecParameters* par = stream->codecpar;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
            ++out.videoStreams;
            if (videoIndex < 0 && video.open(stream)) {
                videoIndex = int(i);
                out.videoCodec = avcodec_get_name(par->codec_id);
                out.width = par->width;
                out.height = par->height;
                out.frameRate = av_q2d(stream->avg_frame_rate);
            }
        } else if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
            ++out.audioStreams;
            if (audioIndex < 0 && audio.open(stream)) {
                audioIndex = int(i);
                out.audioCodec = avcodec_get_name(par->codec_id);
                out.audioSampleRate = par->sample_rate;
                out.audioChannels = par->ch_layout.nb_channels;
            }
        }
    }

    const AVPacketUPtr packetOwner(av_packet_alloc());
    const AVFrameUPtr frameOwner(av_frame_alloc());
    AVPacket* packet = packetOwner.get();
    AVFrame* frame = frameOwner.get();
    bool audioSeen = false;
    while (av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == audioIndex && !audioSeen) {
            audioSeen = true;
            out.firstAudioPacket = packet->pts * av_q2d(format->streams[audioIndex]->time_base);
        }
        if (packet->stream_index == videoIndex && avcodec_send_packet(video.context, packet) >= 0)
            drain(video.context, frame, format->streams[videoIndex], true, keepFrames, out);
        else if (packet->stream_index == audioIndex
                 && avcodec_send_packet(audio.context, packet) >= 0)
            drain(audio.context, frame, format->streams[audioIndex], false, keepFrames, out);
        av_packet_unref(packet);
    }
    if (videoIndex >= 0 && avcodec_send_packet(video.context, nullptr) >= 0)
        drain(video.context, frame, format->streams[videoIndex], true, keepFrames, out);
    if (audioIndex >= 0 && avcodec_send_packet(audio.context, nullptr) >= 0)
        drain(audio.context, frame, format->streams[audioIndex], false, keepFrames, out);
    return out;
}

QColor meanColour(const QImage& image, const QRect& area)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    double r = 0, g = 0, b = 0;
    int count = 0;
    const QRect box = area.intersected(rgb.rect());
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
            ++count;
        }
    }
    if (!count)
        return QColor();
    return QColor(int(std::lround(r / count)), int(std::lround(g / count)),
                  int(std::lround(b / count)));
}

double rms(const std::vector<float>& samples, int sampleRate, double from, double to)
{
    const size_t a = size_t(std::max(0.0, from * sampleRate));
    const size_t b = std::min(samples.size(), size_t(to * sampleRate));
    if (b <= a)
        return 0;
    double sum = 0;
    for (size_t i = a; i < b; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(b - a));
}
