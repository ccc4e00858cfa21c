#include "vidweave/audiotools.h"
#include "avinput_p.h"
#include "avptr_p.h"

QSharedPointer<MediaFileInfo> AudioTools::GetMediaFileInfo(QString& path)
{
    AudioInput input(path);
    if (!input.IsValid())
        return {};
    AVFrameUPtr frame(av_frame_alloc());
    double seconds = 0;
    while (input.ReadFrame(frame.get())) {
        int rate = frame->sample_rate;
        if (rate <= 0)
            rate = input.GetCodecContext()->sample_rate;
        if (rate > 0)
            seconds += double(frame->nb_samples) / rate;
    }
    return QSharedPointer<MediaFileInfo>::create(float(seconds), input.Metadata("artist"),
                                                 input.Metadata("title"),
                                                 input.Metadata("filename"), path);
}
