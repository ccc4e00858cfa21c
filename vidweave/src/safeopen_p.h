#pragma once

// Outside files reach FFmpeg only through here: a crafted file must not make
// a demuxer open other files or network addresses (playlists, concat lists,
// references), nor reach a decoder the program never needs.
#include <QString>

struct AVCodec;
struct AVFormatContext;

enum class MediaKind { BackgroundVideo, Music };

/// avformat_open_input for the local file \a path with the demuxers of
/// \a kind only; no file other than \a path is ever opened. FFmpeg's error
/// code on failure, with *format left null.
int openInputSafely(AVFormatContext** format, const QString& path, MediaKind kind);

/// True when \a decoder may decode a stream of a \a kind file.
bool decoderAllowed(const AVCodec* decoder, MediaKind kind);
