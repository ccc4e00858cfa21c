#pragma once

// Owners for FFmpeg objects, so that every early return frees what was made.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <QString>

#include <memory>

struct AVDeleter
{
    void operator()(AVFrame* p) const { av_frame_free(&p); }
    void operator()(AVPacket* p) const { av_packet_free(&p); }
    void operator()(AVCodecContext* p) const { avcodec_free_context(&p); }
    void operator()(SwsContext* p) const { sws_freeContext(p); }
    void operator()(SwrContext* p) const { swr_free(&p); }
    void operator()(AVAudioFifo* p) const { av_audio_fifo_free(p); }
    void operator()(AVDictionary* p) const { av_dict_free(&p); }
};

/// A demuxer opened with avformat_open_input.
struct AVInputFormatDeleter
{
    void operator()(AVFormatContext* p) const { avformat_close_input(&p); }
};

/// A muxer made with avformat_alloc_context, its file closed with it.
struct AVOutputFormatDeleter
{
    void operator()(AVFormatContext* p) const
    {
        if (p->pb)
            avio_closep(&p->pb);
        avformat_free_context(p);
    }
};

using AVFrameUPtr = std::unique_ptr<AVFrame, AVDeleter>;
using AVPacketUPtr = std::unique_ptr<AVPacket, AVDeleter>;
using AVCodecContextUPtr = std::unique_ptr<AVCodecContext, AVDeleter>;
using SwsContextUPtr = std::unique_ptr<SwsContext, AVDeleter>;
using SwrContextUPtr = std::unique_ptr<SwrContext, AVDeleter>;
using AVAudioFifoUPtr = std::unique_ptr<AVAudioFifo, AVDeleter>;
using AVInputContextUPtr = std::unique_ptr<AVFormatContext, AVInputFormatDeleter>;
using AVOutputContextUPtr = std::unique_ptr<AVFormatContext, AVOutputFormatDeleter>;
using AVDictionaryUPtr = std::unique_ptr<AVDictionary, AVDeleter>;

/// FFmpeg's error code as text.
inline QString avErrorText(int code)
{
    char buffer[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, buffer, sizeof buffer);
    return QString::fromUtf8(buffer);
}
