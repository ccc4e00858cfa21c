#include "safeopen_p.h"

#include "avptr_p.h"
#include "vidweave/vidweave.h"

extern "C" {
#include <libavutil/avstring.h>
}

#include <cstring>

namespace {

// Demuxer names as FFmpeg gives them ("mov,mp4,m4a,..." matches "mp4").
const char* formatsOf(MediaKind kind)
{
    return kind == MediaKind::BackgroundVideo ? "mp4" : "mp3,mp4,aac,ogg,flac,wav,matroska";
}

const char* decodersOf(MediaKind kind)
{
    return kind == MediaKind::BackgroundVideo
               ? "h264"
               : "mp3,mp3float,aac,aac_fixed,vorbis,opus,flac,alac,pcm_u8,pcm_s16le,pcm_s24le,"
                 "pcm_s32le,pcm_f32le,pcm_f64le";
}

/// The one file this context may open, kept in its 'opaque' field, which
/// nested contexts share.
int openOnlyTheInput(AVFormatContext* s, AVIOContext** pb, const char* url, int flags,
                     AVDictionary** options)
{
    const char* allowed = static_cast<const char*>(s->opaque);
    if (!allowed || std::strcmp(url, allowed) != 0)
        return AVERROR(EPERM);
    av_dict_set(options, "protocol_whitelist", "file", 0);
    return avio_open2(pb, url, flags, &s->interrupt_callback, options);
}

} // namespace

int openInputSafely(AVFormatContext** format, const QString& path, MediaKind kind)
{
    VidweaveInit(); // its allocation cap guards every outside file
    *format = avformat_alloc_context();
    if (!*format)
        return AVERROR(ENOMEM);
    // Local paths only: "file:" spelled out, so that a name such as
    // "http:x.mp3" or "subfile,,..." is never read as a protocol.
    const QByteArray url = "file:" + path.toUtf8();
    (*format)->opaque = const_cast<char*>(url.constData());
    (*format)->io_open = openOnlyTheInput;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    av_dict_set(&options, "format_whitelist", formatsOf(kind), 0);
    av_dict_set(&options, "codec_whitelist", decodersOf(kind), 0);
    const int rc = avformat_open_input(format, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (*format)
        (*format)->opaque = nullptr; // the url dies here; nothing more may be opened
    return rc;
}

bool decoderAllowed(const AVCodec* decoder, MediaKind kind)
{
    return decoder && av_match_list(decoder->name, decodersOf(kind), ',') > 0;
}
