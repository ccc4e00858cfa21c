#include "vidweave/mediacheck.h"

#include "avinput_p.h"

#include <QCoreApplication>

namespace {

MediaCheck check(const AVInput& input, const QString& path)
{
    MediaCheck out;
    out.codec = input.CodecName();
    if (!input.IsValid()) {
        out.error = input.ErrorString();
        if (out.error.isEmpty())
            out.error = QCoreApplication::translate("AVInput", "%1 cannot be read.").arg(path);
        return out;
    }
    out.frames = input.GetFramesNumber();
    return out;
}

} // namespace

MediaCheck CheckVideo(const QString& path)
{
    return check(VideoInput(path), path);
}

MediaCheck CheckAudio(const QString& path)
{
    return check(AudioInput(path), path);
}
