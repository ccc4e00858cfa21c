#include "vidweave/staticimginput.h"

#include "avptr_p.h"
#include "renderstats_p.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

StaticImgImput::StaticImgImput(std::wstring path, int height, int width, int timeBaseNum,
                               int timeBaseDen, int64_t framesNumber)
    : framesNumber(framesNumber < 0 ? 0 : framesNumber), timeBaseNum(timeBaseNum),
      timeBaseDen(timeBaseDen)
{
    // A theme that names no time base plays its still at the output rate.
    if (timeBaseNum <= 0 || timeBaseDen <= 0) {
        this->timeBaseNum = 1;
        this->timeBaseDen = 30;
    }
    const QString file = QString::fromStdWString(path);
    QImage picture(file);
    if (picture.isNull() || width <= 0 || height <= 0) {
        error = QCoreApplication::translate("AVInput", "%1 cannot be opened as a picture.")
                    .arg(file);
        return;
    }
    if (picture.size() != QSize(width, height))
        picture = picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    frame = av_frame_alloc();
    frame->format = AV_PIX_FMT_RGB24;
    frame->width = width;
    frame->height = height;
    if (av_frame_get_buffer(frame, 32) < 0) {
        av_frame_free(&frame);
        error = QCoreApplication::translate("AVInput", "Out of memory for %1.").arg(file);
        return;
    }
    QImage view(frame->data[0], width, height, frame->linesize[0], QImage::Format_RGB888);
    QPainter painter(&view);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture);
}

StaticImgImput::~StaticImgImput()
{
    av_frame_free(&frame);
}

std::pair<int, int> StaticImgImput::GetTimeBase() const
{
    return {timeBaseNum, timeBaseDen};
}

int64_t StaticImgImput::GetDuration() const
{
    return framesNumber;
}

int64_t StaticImgImput::GetFramesNumber() const
{
    return framesNumber;
}

AVCodecContext* StaticImgImput::GetCodecContext() const
{
    return nullptr;
}

bool StaticImgImput::ReadFrame(AVFrame* out)
{
    if (!frame || !out || next >= framesNumber)
        return false;
    const renderstats::Timer timer(renderstats::Background);
    if (out->width != frame->width || out->height != frame->height
        || av_frame_copy(out, frame) < 0)
        return false;
    out->pts = next++;
    return true;
}

bool StaticImgImput::IsValid() const
{
    return frame != nullptr;
}

QString StaticImgImput::ErrorString() const
{
    return error;
}
